#include "wizard/Form1.h"

#include "forms/LinkLabel.h"
#include "forms/PagePanel.h"
#include "generator/MenuPage.h"
#include "generator/PageFile.h"
#include "generator/PicturePlaces.h"
#include "wizard/Blanks.h"
#include "wizard/Messenger.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QUrl>

void Form1::Show_Finish() {
    state_.sFileName = trimBlanks(ui.txtFileName->text());
    state_.sExtension = ui.optExtension(0)->isChecked() ? "html" : "htm";
    if (state_.sFileName.isEmpty()) {
        // A bare extension would make a hidden file nobody asked for.
        messenger_->warn(this, "Tessel", "Please enter a name for the Tessel file.");
        returnToFileNamePage();
        return;
    }
    ui.lblFileName->setText(state_.sFileName);
    ui.lblFileName->setToolTip(pagePath());
    showPage(Page::Finished);
    state_.iStepButtons(2) = false;
    state_.iStepButtons(3) = false;
    state_.iStepButtons(4) = false;
    Manipulate_Buttons();
    if (const QString failure = Do_Finish(); !failure.isEmpty()) {
        messenger_->warn(this, "Tessel",
                         QStringLiteral("The Tessel file could not be saved as\n%1\n\n%2.")
                             .arg(QDir::toNativeSeparators(pagePath()), failure));
        returnToFileNamePage();
        return;
    }
    ui.lblFileName->setAccessibleName(QStringLiteral("Open %1").arg(state_.sFileName));
    tellWherePicturesBelong();
}

void Form1::tellWherePicturesBelong() {
    QStringList chosen;
    for (qint16 button = 1; button <= state_.iNumberOfButtons; ++button)
        for (qint16 kind = 0; kind <= 1; ++kind)
            if (!state_.sImageFile(button, kind).isEmpty())
                chosen.append(picturePaths_(button, kind));
    const QString note = PicturePlaces::missingNote(chosen, QFileInfo(pagePath()).absolutePath());
    if (!note.isEmpty())
        messenger_->inform(this, "Tessel", note);
}

void Form1::openWrittenPage() {
    // The label can take the focus while another page covers it: only a written page opens.
    if (!state_.sFileName.isEmpty() && QFileInfo(pagePath()).isFile())
        messenger_->openPage(QUrl::fromLocalFile(pagePath()));
}

QString Form1::Do_Finish() {
    return PageFile::save(pagePath(), MenuPage::text(Menu::of(state_)));
}

QString Form1::pagePath() const {
    // A relative name lands beside the pictures, where the finish page says the page belongs.
    const QString folder = lastPictureFolder_.isEmpty() ? QDir::currentPath() : lastPictureFolder_;
    return QDir::cleanPath(QDir(folder).filePath(state_.sFileName + "." + state_.sExtension));
}

void Form1::returnToFileNamePage() {
    showPage(Page::FileName);
    Check_iStep();
}

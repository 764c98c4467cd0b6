#include "wizard/Form1.h"

#include "forms/LinkLabel.h"
#include "forms/PagePanel.h"
#include "forms/Style.h"
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
    // An opened page's name, left as it was, names that very file, blanks and spelling and all.
    const QString typed = ui.txtFileName->text();
    const bool openedName = openedPage_ && typed == openedPage_->name;
    state_.sFileName = openedName ? typed : trimBlanks(typed);
    state_.sExtension = ui.optExtension(0)->isChecked() ? "html" : "htm";
    if (openedName && openedPage_->suffix.toLower() == state_.sExtension)
        state_.sExtension = openedPage_->suffix;
    if (state_.sFileName.isEmpty()) {
        // A bare extension would make a hidden file nobody asked for.
        messenger_->warn(this, "Tessel", tr("Please enter a name for the Tessel file."));
        returnToFileNamePage();
        return;
    }
    if (!mayReplace(pagePath())) {
        returnToFileNamePage(); // the old file stays as it is
        return;
    }
    // Written first: nothing says the page was saved while a warning says it was not.
    if (const QString failure = Do_Finish(); !failure.isEmpty()) {
        messenger_->warn(this, "Tessel",
                         tr("The Tessel file could not be saved as\n%1\n\n%2.")
                             .arg(QDir::toNativeSeparators(pagePath()), failure));
        returnToFileNamePage();
        return;
    }
    ui.lblFileName->setText(Style::breakable(state_.sFileName));
    Style::growToText(ui.lblFileName); // a long name wraps into the free space below it
    ui.lblFileName->setToolTip(pagePath());
    showPage(Page::Finished);
    holdStepButtons(Hold::FinishPage);
    ui.lblFileName->setAccessibleName(tr("Open %1").arg(state_.sFileName));
    tellWherePicturesBelong();
}

void Form1::tellWherePicturesBelong() {
    // Each picture as the page names it: a name with a folder is looked for there, and one
    // named by an address is no file at all.
    QList<PicturePlaces::Picture> chosen;
    for (qint16 button = 1; button <= state_.iNumberOfButtons; ++button)
        for (const PictureKind kind : storedKinds)
            if (!state_.picturePath(button, kind).isEmpty() &&
                !state_.sImageFile(button, kind).isEmpty())
                chosen.append({state_.picturePath(button, kind), PicturePlaces::Place::Elsewhere,
                               state_.sImageFile(button, kind)});
    const QString folder = QFileInfo(pagePath()).absolutePath();
    const QList<PicturePlaces::Picture> pictures = PicturePlaces::plan(chosen, folder);
    const QString note = PicturePlaces::note(pictures, folder);
    if (note.isEmpty())
        return;
    if (PicturePlaces::copyable(pictures) == 0) {
        messenger_->inform(this, "Tessel", note);
        return;
    }
    if (messenger_->ask(this, "Tessel", note + "\n\n" + tr("Copy them beside the page now?"),
                        tr("Copy"), tr("Leave them"), true))
        messenger_->inform(this, "Tessel", PicturePlaces::copyBeside(pictures, folder));
}

void Form1::openWrittenPage() {
    // A key can still reach the link before anything is written: only a written page opens.
    if (!state_.sFileName.isEmpty() && QFileInfo(pagePath()).isFile())
        messenger_->openPage(QUrl::fromLocalFile(pagePath()));
}

// An opened page's menu goes back into its author's frame; a new one gets Tessel's.
QString Form1::Do_Finish() {
    const Menu menu = state_.menu();
    const QByteArray page =
        openedPage_ ? MenuPage::text(menu, openedPage_->frame) : MenuPage::text(menu);
    const QString failure = PageFile::save(pagePath(), page);
    if (failure.isEmpty())
        state_.wrote(pagePath(), page, menu);
    return failure;
}

QString Form1::pagePath() const {
    // An opened page goes back to its own folder; a new one lands beside the pictures, where
    // the finish page says the page belongs.
    const QString folder = openedPage_                     ? openedPage_->folder
                           : !lastPictureFolder_.isEmpty() ? lastPictureFolder_
                                                           : QDir::currentPath();
    return QDir::cleanPath(QDir(folder).filePath(state_.sFileName + "." + state_.sExtension));
}

// A file in the way is replaced without a question only where it is the one this window
// opened or wrote, as it was then; anything else may be the user's, and they are asked.
bool Form1::mayReplace(const QString& path) {
    const QFileInfo existing(path);
    if (!existing.exists() || existing.isDir())
        return true; // nothing there, or a folder, which the save refuses by itself
    const PageFile::Loaded there = PageFile::load(path, MenuPage::maxBytes);
    const Replacing replacing = state_.replacing(
        path, there.bytes, there.error, !(existing.permissions() & QFileDevice::WriteOwner));
    return !replacing.ask ||
           messenger_->ask(this, "Tessel",
                           tr("The file\n%1\nis already there. %2\n\nReplace it?")
                               .arg(QDir::toNativeSeparators(path), replacing.why),
                           tr("Replace"), tr("Cancel"), false);
}

void Form1::returnToFileNamePage() {
    showPage(Page::FileName);
    Check_iStep();
    focusFirstBox();
}

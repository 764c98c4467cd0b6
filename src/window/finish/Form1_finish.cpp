#include "wizard/Form1.h"

#include "forms/LinkLabel.h"
#include "forms/PagePanel.h"
#include "forms/Style.h"
#include "generator/PageFile.h"
#include "generator/PicturePlaces.h"
#include "generator/SitePage.h"
#include "wizard/Messenger.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QUrl>

void Form1::Show_Finish() {
    if (!model_.nameFile(ui.txtFileName->text(), ui.optExtension(0)->isChecked())) {
        messenger_->warn(this, "Tessel", tr("Please enter a name for the Tessel file."));
        returnToFileNamePage();
        return;
    }
    model_.setPageForm(ui.chkHtml5->isChecked() ? PageForm::Html5 : PageForm::Classic);
    const QString path = model_.pagePath();
    if (!mayReplace(path)) {
        returnToFileNamePage(); // the old file stays as it is
        return;
    }
    // Written first: nothing says the page was saved while a warning says it was not.
    if (const QString failure = Do_Finish(); !failure.isEmpty()) {
        messenger_->warn(this, "Tessel",
                         tr("The Tessel file could not be saved as\n%1\n\n%2.")
                             .arg(QDir::toNativeSeparators(path), failure));
        returnToFileNamePage();
        return;
    }
    ui.lblFileName->setText(Style::breakable(model_.sFileName()));
    Style::growToText(ui.lblFileName); // a long name wraps into the free space below it
    ui.lblFileName->setToolTip(path);
    showPage(Page::Finished);
    holdStepButtons(Hold::FinishPage);
    ui.lblFileName->setAccessibleName(tr("Open %1").arg(model_.sFileName()));
    keepSiteInStep();
    tellWherePicturesBelong();
}

void Form1::keepSiteInStep() {
    const SitePage::Sync site = model_.siteInStep();
    const auto names = [](const QStringList& paths) {
        QStringList shown;
        for (const QString& path : paths)
            shown.append(QDir::toNativeSeparators(path));
        return shown.join('\n');
    };
    const QString leftOut = site.leftOut.isEmpty()
                                ? QString()
                                : "\n\n" + tr("Left as they are:\n%1").arg(site.leftOut.join('\n'));
    if (site.pages.isEmpty()) {
        if (!site.leftOut.isEmpty())
            messenger_->inform(this, "Tessel", leftOut.trimmed());
        return;
    }
    QStringList paths;
    for (const PageFile::Save& page : site.pages)
        paths.append(page.path);
    const QString question =
        tr("%n other page(s) of the site hold this menu as it was:\n%1", nullptr, int(paths.size()))
            .arg(names(paths)) +
        leftOut + "\n\n" + tr("Write the change into them too?");
    if (!messenger_->ask(this, "Tessel", question, tr("Write them"), tr("Leave them"), true))
        return;
    const PageFile::Saved saved = PageFile::saveAll(site.pages);
    if (!saved.error.isEmpty())
        messenger_->warn(
            this, "Tessel",
            saved.replaced == 0
                ? tr("None of them was written: %1.").arg(saved.error)
                : tr("%1 of them were written; then %2.").arg(saved.replaced).arg(saved.error));
}

void Form1::tellWherePicturesBelong() {
    const QString folder = QFileInfo(model_.pagePath()).absolutePath();
    const QList<PicturePlaces::Picture> pictures =
        PicturePlaces::plan(model_.chosenPictures(), folder);
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
    const QString path = model_.pagePath();
    if (!model_.sFileName().isEmpty() && QFileInfo(path).isFile())
        messenger_->openPage(QUrl::fromLocalFile(path));
}

// An opened page's menu goes back into its author's frame; a new one gets Tessel's.
QString Form1::Do_Finish() {
    return model_.write(model_.pagePath());
}

// A file in the way is replaced without a question only where it is the one this window
// opened or wrote, as it was then; anything else may be the user's, and they are asked.
bool Form1::mayReplace(const QString& path) {
    const Replacing replacing = model_.replacing(path);
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

#include "wizard/Form1.h"

#include "generator/PageLayout.h"
#include "wizard/Messenger.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

void Form1::choosePageToOpen() {
    if (shownPage_ != Page::MenuType)
        return;
    ui.CommonDialog2.InitDir = model_.openFolder();
    if (ui.CommonDialog2.ShowOpen(this))
        openPage(ui.CommonDialog2.FileName);
}

// A page of the author's that holds no menu: the menu goes in at its marker, or where Tessel
// proposes one, named before anything is written; false where the user keeps the page as it is.
bool Form1::putMenuInto(const QString& path, const QString& shown, Opening& opening) {
    const QString marker = QString::fromLatin1(PageLayout::menuMarker.data(),
                                               qsizetype(PageLayout::menuMarker.size()));
    const SitePage::Place& place = opening.place;
    const QString where = place.marked
                              ? tr("after its line %1 (line %2)").arg(marker).arg(place.line)
                              : tr("after line %1 (%2), on a line %3 that marks the place")
                                    .arg(place.line)
                                    .arg(QString::fromUtf8(place.text.left(60)), marker);
    if (!messenger_->ask(
            this, "Tessel",
            tr("The page\n%1\nholds no menu. Put this window's menu into it %2?").arg(shown, where),
            tr("Put it in"), tr("Cancel"), true))
        return false;
    opening = model_.openWithMenu(
        path, ui.optMenuType(0)->isChecked() ? MenuType::Vertical : MenuType::Horizontal,
        qint16(ui.HScroll1->value()), place);
    return true;
}

void Form1::openPage(const QString& path) {
    if (shownPage_ != Page::MenuType)
        return; // the menu is fixed from the first Next on
    Opening opening = model_.open(path);
    const QString shown = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    if (opening.holdsNoMenu && !putMenuInto(path, shown, opening))
        return;
    if (!opening.refusal.isEmpty()) {
        messenger_->warn(this, "Tessel",
                         tr("The page\n%1\ncannot be opened: %2.").arg(shown, opening.refusal));
        return;
    }
    // The menu-type and file-name pages show the page; its buttons wait for the first Next.
    ui.optMenuType(opening.direction == MenuType::Vertical ? 0 : 1)->setChecked(true);
    ui.HScroll1->setValue(opening.count);
    ui.txtFileName->setText(opening.name);
    ui.optExtension(opening.html ? 0 : 1)->setChecked(true);
    // A classic page may become an HTML5 one; an HTML5 page has no script to go back to, and
    // a page of the author's keeps the form its menu was put in with.
    ui.chkHtml5->setChecked(opening.form == PageForm::Html5);
    ui.chkHtml5->setEnabled(opening.form == PageForm::Classic && !opening.atMarker);
    if (opening.changedLine > 0)
        messenger_->inform(this, "Tessel",
                           tr("The page\n%1\nwas changed by hand in the lines that hold its menu, "
                              "first at line %2. Tessel has read its menu and will write its own "
                              "form of the menu there; every other line stays as it is.")
                               .arg(shown)
                               .arg(opening.changedLine));
}

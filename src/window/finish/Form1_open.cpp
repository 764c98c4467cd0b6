#include "wizard/Form1.h"

#include "generator/MenuPage.h"
#include "wizard/Messenger.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

namespace {

// A picture named by an address, or by the site's root ("/img/a.gif", which a web server
// resolves, not the disk), is no file beside the page: nothing to look for or copy.
bool isAddress(const QString& name) {
    return name.contains(QLatin1String("://")) || name.startsWith(u'/') ||
           name.startsWith(QLatin1String("data:"), Qt::CaseInsensitive);
}

} // namespace

void Form1::choosePageToOpen() {
    if (shownPage_ != Page::MenuType)
        return;
    ui.CommonDialog2.InitDir = openedPage_ ? openedPage_->folder : lastPictureFolder_;
    if (ui.CommonDialog2.ShowOpen(this))
        openPage(ui.CommonDialog2.FileName);
}

void Form1::openPage(const QString& path) {
    if (shownPage_ != Page::MenuType)
        return; // the menu is fixed from the first Next on
    const QFileInfo file(path);
    const QString suffix = file.suffix().toLower();
    PageReading reading = MenuPage::open(path);
    if (reading.refusal == Refusal::None && suffix != "html" && suffix != "htm") {
        reading.refusal = Refusal::NoFile;
        reading.error =
            tr("its name does not end in .html or .htm, so Finish could not write it back");
    } else if (reading.refusal == Refusal::None && file.completeBaseName().isEmpty()) {
        // The name box would stand empty, and Finish never writes a bare extension.
        reading.refusal = Refusal::NoFile;
        reading.error = tr("its name is no more than its extension, so Finish could not write "
                           "it back; give it a name before the extension");
    }
    const QString shown = QDir::toNativeSeparators(file.absoluteFilePath());
    if (reading.refusal != Refusal::None) {
        messenger_->warn(this, "Tessel",
                         tr("The page\n%1\ncannot be opened: %2.").arg(shown, reading.error));
        return;
    }
    // The menu-type and file-name pages show the page; its buttons wait for the first Next.
    ui.optMenuType(reading.menu.iMenuType == 1 ? 0 : 1)->setChecked(true);
    ui.HScroll1->setValue(int(reading.menu.buttons.size()));
    ui.txtFileName->setText(file.completeBaseName());
    ui.optExtension(suffix == "html" ? 0 : 1)->setChecked(true);
    state_.ownPath = file.absoluteFilePath();
    state_.ownBytes = reading.frame.bytes;
    openedPage_ = {std::move(reading.frame), file.absolutePath(), file.completeBaseName(),
                   file.suffix()};
    opened_ = std::move(reading.menu);
    if (reading.changedLine > 0)
        messenger_->inform(this, "Tessel",
                           tr("The page\n%1\nwas changed by hand in the lines that hold its menu, "
                              "first at line %2. Tessel has read its menu and will write its own "
                              "form of the menu there; every other line stays as it is.")
                               .arg(shown)
                               .arg(reading.changedLine));
}

// On the first Next after opening: the opened buttons, as many as the count now asks for;
// their pictures are looked for where the page loads them from, relative to its folder.
void Form1::takeOpenedButtons() {
    if (!opened_)
        return;
    const QDir folder(openedPage_->folder);
    const qint16 kept = qint16(qMin<qsizetype>(state_.iNumberOfButtons, opened_->buttons.size()));
    for (qint16 i = 1; i <= kept; ++i) {
        const MenuButton& button = opened_->buttons.at(i - 1);
        for (const PictureKind kind : storedKinds) {
            const QString& name =
                kind == PictureKind::Normal ? button.normalImage : button.overImage;
            state_.sImageFile(i, kind) = name;
            state_.picturePath(i, kind) =
                name.isEmpty() || isAddress(name) ? QString() : folder.filePath(name);
        }
        state_.sLink(i) = button.link;
        state_.sFrame(i) = button.frame;
        state_.record(i).ownLines = button.ownLines;
    }
    opened_.reset();
}

// A new menu starts from nothing opened: neither that page's frame nor its name, nor the
// right to replace its file without a question.
void Form1::forgetOpenedPage() {
    opened_.reset();
    state_.ownPath.clear();
    state_.ownBytes.clear();
    if (!openedPage_)
        return;
    openedPage_.reset();
    ui.txtFileName->setText("Tessel");
    ui.optExtension(0)->setChecked(true);
}

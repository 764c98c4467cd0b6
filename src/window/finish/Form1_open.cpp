#include "wizard/Form1.h"

#include "generator/MenuPage.h"
#include "wizard/Messenger.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

void Form1::choosePageToOpen() {
    if (shownPage_ != Page::MenuType)
        return;
    ui.CommonDialog2.InitDir = openedFolder_.isEmpty() ? lastPictureFolder_ : openedFolder_;
    if (ui.CommonDialog2.ShowOpen(this))
        openPage(ui.CommonDialog2.FileName);
}

void Form1::openPage(const QString& path) {
    if (shownPage_ != Page::MenuType)
        return; // the menu is fixed from the first Next on
    const QFileInfo file(path);
    PageReading reading = MenuPage::open(path);
    if (reading.refusal == Refusal::None && file.suffix() != "html" && file.suffix() != "htm") {
        reading.refusal = Refusal::NoFile;
        reading.error = "its name does not end in .html or .htm, so Finish could not write it back";
    }
    if (reading.refusal != Refusal::None) {
        messenger_->warn(
            this, "Tessel",
            QStringLiteral("The page\n%1\ncannot be opened: %2.")
                .arg(QDir::toNativeSeparators(file.absoluteFilePath()), reading.error));
        return;
    }
    // The menu-type and file-name pages show the page; its buttons wait for the first Next.
    ui.optMenuType(reading.menu.iMenuType == 1 ? 0 : 1)->setChecked(true);
    ui.HScroll1->setValue(int(reading.menu.buttons.size()));
    ui.txtFileName->setText(file.completeBaseName());
    ui.optExtension(file.suffix() == "html" ? 0 : 1)->setChecked(true);
    opened_ = std::move(reading.menu);
    openedFolder_ = file.absolutePath();
    if (reading.handEdited)
        messenger_->inform(this, "Tessel",
                           QStringLiteral("The page\n%1\nwas changed by hand. Tessel keeps its "
                                          "menu and title; writing it again will not keep the "
                                          "other changes.")
                               .arg(QDir::toNativeSeparators(file.absoluteFilePath())));
}

// On the first Next after opening: the opened buttons, as many as the count now asks for;
// their pictures are looked for beside the page, where the page loads them from.
void Form1::takeOpenedButtons() {
    state_.sTitle = opened_ ? opened_->title : QString();
    if (!opened_)
        return;
    const QDir folder(openedFolder_);
    const qint16 kept = qint16(qMin<qsizetype>(state_.iNumberOfButtons, opened_->buttons.size()));
    for (qint16 i = 1; i <= kept; ++i) {
        const MenuButton& button = opened_->buttons.at(i - 1);
        for (const PictureKind kind : storedKinds) {
            const QString& name =
                kind == PictureKind::Normal ? button.normalImage : button.overImage;
            state_.sImageFile(i, kind) = name;
            picturePaths_(i, kind) = name.isEmpty() ? QString() : folder.filePath(name);
        }
        state_.sLink(i) = button.link;
        state_.sFrame(i) = button.frame;
    }
    opened_.reset();
}

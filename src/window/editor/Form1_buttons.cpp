#include "wizard/Form1.h"

#include "editor/ButtonList.h"
#include "forms/PagePanel.h"
#include "wizard/Messenger.h"

#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>

void Form1::connectButtonList() {
    buttonList_ = new ButtonList(&model_, ui.picStep(Page::Button));
    // The menu-type page shows the count too.
    connect(&model_, &MenuModel::countChanged, ui.HScroll1, &QScrollBar::setValue);
    connect(ui.cmdList, &QPushButton::clicked, this, &Form1::openButtonList);
    connect(buttonList_, &ButtonList::goChosen, this, [this] {
        buttonList_->hide();
        showButton(buttonList_->chosen());
    });
    connect(buttonList_, &ButtonList::edit, this, &Form1::editMenu);
    // The tutor explains the list while it is open, and the page again once it is left.
    connect(buttonList_, &ButtonList::shownOrHidden, this, [this] {
        if (bTutor && shownPage_ == Page::Button)
            UpdateTutor();
    });
}

void Form1::openButtonList() {
    if (!onButtonPage())
        return;
    keepTypedValues(); // as Next keeps them
    buttonList_->open(iStep);
}

// The link, frame and text typed on the button page in front, into the button's record.
void Form1::keepTypedValues() {
    if (!onButtonPage())
        return;
    model_.setLink(iStep, typedOr(ui.txtButtonLinks, model_.sLink(iStep)));
    model_.setFrame(iStep, typedOr(ui.txtFrameName, model_.sFrame(iStep)));
    model_.setText(iStep, typedOr(ui.txtButtonText, model_.sText(iStep)));
}

void Form1::showButton(qint16 button) {
    iStep = button;
    Do_Step();
    Check_iStep();
    if (bTutor)
        UpdateTutor();
}

void Form1::editMenu(MenuModel::Edit edit) {
    const qint16 at = buttonList_->chosen();
    if (!model_.mayEdit(edit, at) || (edit == MenuModel::Edit::Remove && !mayRemove(at)))
        return;
    // The page behind the list stays the button the user was on, wherever the edit moves it;
    // removed, the one that took its place. Escape and Close go back to it.
    const QPersistentModelIndex behind = model_.index(iStep - 1);
    const std::optional<qint16> shown = model_.edit(edit, at);
    if (!shown)
        return;
    showButton(behind.isValid() ? qint16(behind.row() + 1) : *shown);
    buttonList_->choose(*shown);
    buttonList_->lstButtons->setFocus();
}

// A button that holds anything goes only once the user says so, told what goes with it; an
// empty one at once.
bool Form1::mayRemove(qint16 button) {
    if (!model_.holdsAnything(button))
        return true;
    const QString& link = model_.sLink(button);
    QStringList going;
    for (const PictureKind kind : storedKinds)
        if (const QString& name = model_.sImageFile(button, kind); !name.isEmpty())
            going.append((kind == PictureKind::Normal ? tr("its normal picture, %1")
                                                      : tr("its mouse-over picture, %1"))
                             .arg(name));
    if (!link.isEmpty())
        going.append(tr("its link"));
    if (const QString& frame = model_.sFrame(button); !frame.isEmpty())
        going.append(tr("its frame, %1").arg(frame));
    if (const QString& text = model_.sText(button); !text.isEmpty())
        going.append(tr("its text, %1").arg(text));
    if (const qsizetype own = model_.authorsLines(button); own > 0)
        going.append(tr("%n line(s) of your own among its lines", nullptr, int(own)));
    return messenger_->ask(
        this, "Tessel",
        tr("Remove button %1%2 from the menu?")
                .arg(button)
                .arg(link.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(link)) +
            "\n\n" + tr("These go with it:") + "\n" + going.join('\n'),
        tr("Remove"), tr("Cancel"), false);
}

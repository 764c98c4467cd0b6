#include "wizard/Form1.h"

#include "forms/ButtonList.h"
#include "forms/PagePanel.h"
#include "wizard/Messenger.h"

#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>

void Form1::connectButtonList() {
    buttonList_ = new ButtonList(state_, ui.picStep(Page::Button));
    connect(ui.cmdList, &QPushButton::clicked, this, &Form1::openButtonList);
    connect(buttonList_, &ButtonList::goChosen, this, [this] {
        buttonList_->hide();
        showButton(buttonList_->chosen());
    });
    connect(buttonList_, &ButtonList::edit, this, &Form1::editMenu);
}

void Form1::openButtonList() {
    if (!onButtonPage())
        return;
    keepTypedValues(); // as Next keeps them
    buttonList_->open(state_.iStep);
}

// The link and frame typed on the button page in front, into the button's record.
void Form1::keepTypedValues() {
    if (!onButtonPage())
        return;
    state_.sLink(state_.iStep) = typedOr(ui.txtButtonLinks, state_.sLink(state_.iStep));
    state_.sFrame(state_.iStep) = typedOr(ui.txtFrameName, state_.sFrame(state_.iStep));
}

void Form1::showButton(qint16 button) {
    state_.iStep = button;
    Do_Step();
    Check_iStep();
    if (state_.bTutor)
        UpdateTutor();
}

void Form1::editMenu(ButtonList::Edit edit) {
    using MenuEdit = ButtonList::Edit;
    const qint16 at = buttonList_->chosen();
    qint16 shown = at;
    bool done = false;
    switch (edit) {
    case MenuEdit::InsertBefore:
        done = state_.insertButton(at);
        break;
    case MenuEdit::InsertAfter:
        done = state_.insertButton(qint16(at + 1));
        shown = qint16(at + 1);
        break;
    case MenuEdit::Remove:
        done = mayRemove(at) && state_.removeButton(at);
        shown = qMin(at, state_.iNumberOfButtons);
        break;
    case MenuEdit::MoveUp:
        done = state_.moveButton(at, qint16(at - 1));
        shown = qint16(at - 1);
        break;
    case MenuEdit::MoveDown:
        done = state_.moveButton(at, qint16(at + 1));
        shown = qint16(at + 1);
        break;
    }
    if (!done)
        return;
    ui.HScroll1->setValue(state_.iNumberOfButtons); // the menu-type page shows the count too
    showButton(shown);
    buttonList_->refresh(shown);
    buttonList_->lstButtons->setFocus();
}

// A button that holds anything goes only once the user says so; an empty one at once.
bool Form1::mayRemove(qint16 button) {
    const ButtonRecord& record = state_.record(button);
    if (!record.holdsAnything())
        return true;
    const QString link =
        record.link.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(record.link);
    return messenger_->ask(
        this, "Tessel",
        tr("Remove button %1%2 from the menu?\n\nIts pictures, link and frame go "
           "with it.")
            .arg(button)
            .arg(link),
        tr("Remove"), tr("Cancel"), false);
}

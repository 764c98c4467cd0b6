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
}

void Form1::openButtonList() {
    if (!onButtonPage())
        return;
    keepTypedValues(); // as Next keeps them
    buttonList_->open(iStep);
}

// The link and frame typed on the button page in front, into the button's record.
void Form1::keepTypedValues() {
    if (!onButtonPage())
        return;
    model_.setLink(iStep, typedOr(ui.txtButtonLinks, model_.sLink(iStep)));
    model_.setFrame(iStep, typedOr(ui.txtFrameName, model_.sFrame(iStep)));
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
    const std::optional<qint16> shown = model_.edit(edit, at);
    if (!shown)
        return;
    showButton(*shown);
    buttonList_->choose(*shown);
    buttonList_->lstButtons->setFocus();
}

// A button that holds anything goes only once the user says so; an empty one at once.
bool Form1::mayRemove(qint16 button) {
    if (!model_.holdsAnything(button))
        return true;
    const QString& typed = model_.sLink(button);
    const QString link = typed.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(typed);
    return messenger_->ask(
        this, "Tessel",
        tr("Remove button %1%2 from the menu?\n\nIts pictures, link and frame go "
           "with it.")
            .arg(button)
            .arg(link),
        tr("Remove"), tr("Cancel"), false);
}

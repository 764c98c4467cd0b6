#include "wizard/Form1.h"

#include "forms/PagePanel.h"

#include <QPushButton>

void Form1::Initialize_New() {
    state_.iStepButtons.redim(2, 4);
    state_.iStep = 0;
    state_.iLastStep = 2;
    state_.bNewMenu = true;
    opened_.reset(); // a new menu starts from nothing opened
    openedFolder_.clear();
    showPage(Page::MenuType);
    Check_iStep();
    EndTutor();
}

void Form1::Check_iStep() {
    const auto want = [this](bool back, bool next, bool finish) {
        state_.iStepButtons(2) = back;
        state_.iStepButtons(3) = next;
        state_.iStepButtons(4) = finish;
    };
    switch (Pages::ofStep(state_.iStep, state_.iLastStep)) {
    case Page::MenuType:
        want(false, true, false);
        break;
    case Page::FileName:
        want(true, false, true);
        break;
    default:
        want(true, true, false);
    }
    // The first button page cannot go back: the menu's type and size are fixed from there on.
    if (state_.iStep == 1)
        state_.iStepButtons(2) = false;
    Manipulate_Buttons();
}

// Every change of a step button's state goes through here, so the rule lives in one place.
void Form1::Manipulate_Buttons() {
    const std::array<bool, 7> enabled = Pages::stepButtonsEnabled(state_.iStepButtons, shownPage_);
    for (const int i : ui.cmdStep.indexes())
        ui.cmdStep(i)->setEnabled(enabled[std::size_t(i)]);
}

// Only the page in front is shown: a covered page's controls take no focus and no keys.
void Form1::showPage(Page page) {
    PagePanel* front = ui.picStep(page);
    front->show();
    front->raise();
    for (const int index : ui.picStep.indexes())
        if (index != int(page))
            ui.picStep(index)->hide(); // after the new page is up, so the focus can move onto it
    shownPage_ = page;
}

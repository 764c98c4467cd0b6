#include "wizard/Form1.h"

#include "forms/PagePanel.h"

#include <QPushButton>

void Form1::Initialize_New() {
    state_.iStepButtons.redim(2, 4);
    state_.iStep = 0;
    state_.iLastStep = 2;
    state_.bNewMenu = true;
    forgetOpenedPage(); // a new menu starts from nothing opened
    showPage(Page::MenuType);
    Check_iStep();
    EndTutor();
}

void Form1::Check_iStep() {
    holdStepButtons(Hold::None);
}

// Every change of a step button's state goes through the one rule: the step's own, the
// finish page's lock and the About page's.
void Form1::holdStepButtons(Hold hold) {
    hold_ = hold;
    Pages::decideStepButtons(state_.iStepButtons, state_.iStep, state_.iLastStep, hold);
    Manipulate_Buttons();
}

void Form1::Manipulate_Buttons() {
    const std::array<bool, 7> enabled = Pages::stepButtonsEnabled(state_.iStepButtons, hold_);
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

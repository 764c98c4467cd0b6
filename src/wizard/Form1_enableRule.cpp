#include "wizard/Form1.h"

#include "forms/PagePanel.h"

#include <QPushButton>

void Form1::Initialize_New() {
    state_.iStepButtons.redim(2, 4);
    state_.iStep = 0;
    state_.iLastStep = 2;
    state_.bNewMenu = true;
    Check_iStep();
    ui.picStep(state_.iStep)->raise();
    EndTutor();
}

void Form1::Check_iStep() {
    if (state_.iStep == 0) {
        state_.iStepButtons(2) = false;
        state_.iStepButtons(3) = true;
        state_.iStepButtons(4) = false;
    } else if (state_.iStep == state_.iLastStep) {
        state_.iStepButtons(2) = true;
        state_.iStepButtons(3) = false;
        state_.iStepButtons(4) = true;
    } else {
        state_.iStepButtons(2) = true;
        state_.iStepButtons(3) = true;
        state_.iStepButtons(4) = false;
    }
    // The first button page cannot go back: the menu's type and size are fixed from there on.
    if (state_.iStep == 1)
        state_.iStepButtons(2) = false;
    Manipulate_Buttons();
}

void Form1::Manipulate_Buttons() {
    for (qint16 i = 2; i <= 4; ++i)
        ui.cmdStep(i)->setEnabled(state_.iStepButtons(i));
}

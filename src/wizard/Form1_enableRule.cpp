#include "wizard/Form1.h"

#include "forms/PagePanel.h"

#include <QPushButton>

void Form1::Initialize_New() {
    iStepButtons.redim(2, 4);
    iStep = 0;
    iLastStep = 2;
    bNewMenu = true;
    Check_iStep();
    Manipulate_Buttons();
    ui.picStep(iStep)->raise();
    EndTutor();
}

void Form1::Check_iStep() {
    if (iStep == 0) {
        iStepButtons(2) = false;
        iStepButtons(3) = true;
        iStepButtons(4) = false;
    } else if (iStep == iLastStep) {
        iStepButtons(2) = true;
        iStepButtons(3) = false;
        iStepButtons(4) = true;
    } else {
        iStepButtons(2) = true;
        iStepButtons(3) = true;
        iStepButtons(4) = false;
    }
    // The first button page cannot go back: the menu's type and size are fixed from there on.
    if (iStep == 1)
        iStepButtons(2) = false;
    Manipulate_Buttons();
}

void Form1::Manipulate_Buttons() {
    for (qint16 i = 2; i <= 4; ++i)
        ui.cmdStep(i)->setEnabled(iStepButtons(i));
}

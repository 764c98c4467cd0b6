#include "wizard/Form1.h"

#include "forms/ImageBox.h"
#include "forms/PagePanel.h"
#include "wizard/Blanks.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

void Form1::cmdStep_Click(qint16 Index) {
    switch (Index) {
    case 0:
        exitProgram();
        return; // the program has ended: nothing to recompute
    case 1:
        Form_Load();
        break;
    case 2:
        goBack();
        break;
    case 3:
        goNext();
        break;
    case 4:
        EndTutor();
        Show_Finish();
        return; // the finish page keeps Back, Next and Finish locked
    case 5:
        showAbout();
        return; // only OK leaves the About page
    case 6:
        switchTutor();
        break;
    default:
        return;
    }
    Check_iStep();
}

void Form1::goNext() {
    if (state_.iStep < state_.iLastStep) {
        if (state_.iStep >= 1) {
            state_.sLink(state_.iStep) = trimBlanks(ui.txtButtonLinks->text());
            state_.sFrame(state_.iStep) = trimBlanks(ui.txtFrameName->text());
        }
        ++state_.iStep;
        Do_Step();
    }
    if (state_.bTutor)
        UpdateTutor();
}

void Form1::goBack() {
    // Whatever was typed on the page being left is dropped.
    if (state_.iStep > 0) {
        --state_.iStep;
        Do_Step();
    }
    if (state_.bTutor)
        UpdateTutor();
}

void Form1::showAbout() {
    EndTutor();
    for (qint16 i = 0; i <= 6; ++i)
        ui.cmdStep(i)->setEnabled(false);
    ui.picStep(4)->raise();
}

void Form1::switchTutor() {
    if (state_.bTutor) {
        EndTutor();
        state_.bTutor = false;
    } else {
        UpdateTutor();
        state_.bTutor = true;
    }
}

void Form1::cmdOk_Click() {
    // Lowering the About page uncovers whichever page was in front before it.
    ui.picStep(4)->lower();
    ui.cmdStep(0)->setEnabled(true);
    ui.cmdStep(1)->setEnabled(true);
    ui.cmdStep(5)->setEnabled(true);
    ui.cmdStep(6)->setEnabled(true);
    Check_iStep();
}

void Form1::Do_Step() {
    if (state_.iStep == 1 && state_.bNewMenu)
        fixMenu();
    if (state_.iStep == state_.iLastStep)
        ui.picStep(2)->raise();
    else
        ui.picStep(1)->raise();
    Complete_Step();
}

void Form1::fixMenu() {
    // The menu's direction and size are read once, on a new menu's first arrival at step 1.
    state_.iMenuType = ui.optMenuType(0)->isChecked() ? 1 : 2;
    state_.iLastStep = qint16(ui.HScroll1->value() + 1);
    state_.iNumberOfButtons = qint16(ui.HScroll1->value());
    state_.sImageFile.redim(1, state_.iNumberOfButtons, 0, 2);
    state_.sLink.redim(1, state_.iNumberOfButtons);
    state_.sFrame.redim(1, state_.iNumberOfButtons);
    allocatePicturePaths();
    state_.bNewMenu = false;
}

void Form1::Complete_Step() {
    if (state_.iStep >= 1) {
        if (state_.iStep < state_.iLastStep) {
            showStoredPictures();
            describePictures();
        }
        ui.imgButtons(3)->setPicture(ui.imgButtons(0)->picture());
        if (state_.iStep < state_.iLastStep) {
            ui.txtButtonLinks->setText(state_.sLink(state_.iStep));
            ui.txtFrameName->setText(state_.sFrame(state_.iStep));
        }
    }
    // A blank stands where a minus sign would.
    ui.lblButtonNumber->setText((state_.iStep < 0 ? QString() : QStringLiteral(" ")) +
                                QString::number(state_.iStep));
}

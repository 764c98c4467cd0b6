#include "wizard/Form1.h"

#include "forms/PagePanel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

void Form1::Initialize_New() {
    iStepButtons.redim(2, 4);
    iStep = 0;
    // A new menu starts from nothing opened: neither that page's buttons nor its name.
    if (model_.hasOpenedPage()) {
        ui.txtFileName->setText("Tessel");
        ui.optExtension(0)->setChecked(true);
    }
    ui.chkHtml5->setEnabled(true); // an opened HTML5 page kept it on
    model_.startNew();
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
    Pages::decideStepButtons(iStepButtons, iStep, model_.iLastStep(), hold);
    Manipulate_Buttons();
}

void Form1::Manipulate_Buttons() {
    const std::array<bool, 7> enabled = Pages::stepButtonsEnabled(iStepButtons, hold_);
    for (const int i : ui.cmdStep.indexes())
        ui.cmdStep(i)->setEnabled(enabled[std::size_t(i)]);
}

// Only the page in front is shown: a covered page's controls take no focus and no keys.
void Form1::showPage(Page page) {
    ui.measure(page);
    PagePanel* front = ui.picStep(page);
    front->show();
    front->raise();
    for (const int index : ui.picStep.indexes())
        if (index != int(page))
            ui.picStep(index)->hide(); // after the new page is up, so the focus can move onto it
    shownPage_ = page;
}

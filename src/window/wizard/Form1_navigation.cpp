#include "wizard/Form1.h"

#include "editor/ButtonList.h"
#include "forms/ImageBox.h"
#include "forms/PagePanel.h"
#include "wizard/Blanks.h"
#include "wizard/Messenger.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

void Form1::cmdStep_Click(qint16 Index) {
    // A step leaves the list of buttons; the tutor and About keep it, to explain or show it.
    if (StepButton(Index) != StepButton::Tutor && StepButton(Index) != StepButton::About)
        buttonList_->hide();
    switch (StepButton(Index)) {
    case StepButton::Exit:
        exitProgram();
        return; // the program has ended: nothing to recompute
    case StepButton::New:
        if (!mayDropUnwrittenWork(tr("Start a new menu and lose them?"), tr("Start a new menu")))
            return; // the menu and the step buttons stay as they are
        Form_Load();
        break;
    case StepButton::Back:
        goBack();
        break;
    case StepButton::Next:
        goNext();
        break;
    case StepButton::Finish:
        EndTutor();
        Show_Finish();
        return; // the finish page keeps Back, Next and Finish locked
    case StepButton::About:
        showAbout();
        return; // only OK leaves the About page
    case StepButton::Tutor:
        switchTutor();
        break;
    default:
        return;
    }
    Check_iStep();
}

// New and Exit ask first where they would throw away buttons filled since the menu was fixed,
// opened or last written, the link, frame and text typed on the page in front included.
bool Form1::mayDropUnwrittenWork(const QString& question, const QString& yes) {
    Menu now = model_.menu();
    if (shownPage_ == Page::Button) {
        MenuButton& button = now.buttons[iStep - 1];
        button.link = typedOr(ui.txtButtonLinks, button.link);
        button.frame = typedOr(ui.txtFrameName, button.frame);
        button.text = typedOr(ui.txtButtonText, button.text);
    }
    return !model_.hasUnwrittenWork(now) ||
           messenger_->ask(this, "Tessel",
                           tr("The buttons filled since the menu was last written are not "
                              "written yet.") +
                               "\n\n" + question,
                           yes, tr("Cancel"), false);
}

void Form1::goNext() {
    if (iStep < model_.iLastStep()) {
        keepTypedValues();
        ++iStep;
        Do_Step();
    }
    if (bTutor)
        UpdateTutor();
}

// What a text box holds for the button: what the user typed, trimmed, or where they did not
// edit it, the stored value as it is: a value read from a page keeps its blanks, and one longer
// than the box takes stays whole.
QString Form1::typedOr(const QLineEdit* box, const QString& stored) {
    return box->isModified() ? trimBlanks(box->text()) : stored;
}

void Form1::goBack() {
    // Whatever was typed on the page being left is dropped.
    if (iStep > 0) {
        --iStep;
        Do_Step();
    }
    if (bTutor)
        UpdateTutor();
}

void Form1::showAbout() {
    EndTutor();
    pageUnderAbout_ = shownPage_;
    showPage(Page::About);
    holdStepButtons(Hold::AboutPage);
}

void Form1::switchTutor() {
    if (bTutor) {
        EndTutor();
        bTutor = false;
    } else {
        UpdateTutor();
        bTutor = true;
    }
}

void Form1::cmdOk_Click() {
    // Back to whichever page was in front before About, the list of buttons with it; the rule
    // then frees the buttons, and the focus goes back to About, or into the list.
    showPage(pageUnderAbout_);
    Check_iStep();
    if (buttonList_->isVisible())
        buttonList_->lstButtons->setFocus();
    else
        ui.cmdStep(StepButton::About)->setFocus();
}

void Form1::Do_Step() {
    if (iStep == 1 && model_.bNewMenu())
        fixMenu();
    showPage(Pages::ofStep(iStep, model_.iLastStep()));
    Complete_Step();
    focusFirstBox();
}

// A page that comes to the front takes the keyboard to its first box, so the user types at
// once wherever they came from; the menu-type page has none and keeps the focus where it is.
void Form1::focusFirstBox() {
    if (shownPage_ == Page::Button)
        ui.txtButtonLinks->setFocus();
    else if (shownPage_ == Page::FileName)
        ui.txtFileName->setFocus();
}

void Form1::fixMenu() {
    // The menu's direction and size are read once, on a new menu's first arrival at step 1.
    model_.fix(ui.optMenuType(0)->isChecked() ? MenuType::Vertical : MenuType::Horizontal,
               qint16(ui.HScroll1->value()));
}

void Form1::Complete_Step() {
    const Page page = Pages::ofStep(iStep, model_.iLastStep());
    if (page == Page::Button) {
        showStoredPictures();
        describePictures();
    }
    if (page != Page::MenuType)
        ui.imgButtons(PictureKind::Preview)
            ->setPicture(ui.imgButtons(PictureKind::Normal)->picture());
    if (page == Page::Button) {
        ui.txtButtonLinks->setText(model_.sLink(iStep));
        ui.txtFrameName->setText(model_.sFrame(iStep));
        ui.txtButtonText->setText(model_.sText(iStep));
    }
    // A blank stands where a minus sign would, as in every number the wizard shows.
    ui.lblButtonNumber->setText(QStringLiteral(" ") + QString::number(iStep));
}

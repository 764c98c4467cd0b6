#include "wizard/Pages.h"

Page Pages::ofStep(qint16 step, qint16 lastStep) {
    if (step == 0)
        return Page::MenuType;
    return step == lastStep ? Page::FileName : Page::Button;
}

void Pages::decideStepButtons(BoundedArray<bool>& wanted, qint16 step, qint16 lastStep, Hold hold) {
    const Page page = ofStep(step, lastStep);
    const bool free = hold == Hold::None;
    // The first button page cannot go back: the menu's type and size are fixed from there on.
    wanted(StepButton::Back) = free && page != Page::MenuType && step != 1;
    wanted(StepButton::Next) = free && page != Page::FileName;
    wanted(StepButton::Finish) = free && page == Page::FileName;
}

std::array<bool, 7> Pages::stepButtonsEnabled(const BoundedArray<bool>& wanted, Hold hold) {
    std::array<bool, 7> enabled{};
    if (hold == Hold::AboutPage)
        return enabled; // only OK leads off the About page
    enabled.fill(true);
    for (const StepButton moving : {StepButton::Back, StepButton::Next, StepButton::Finish})
        enabled[std::size_t(moving)] = wanted(moving);
    return enabled;
}

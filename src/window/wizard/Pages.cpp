#include "wizard/Pages.h"

Page Pages::ofStep(qint16 step, qint16 lastStep) {
    if (step == 0)
        return Page::MenuType;
    return step == lastStep ? Page::FileName : Page::Button;
}

std::array<bool, 7> Pages::stepButtonsEnabled(const BoundedArray<bool>& wanted, Page shown) {
    std::array<bool, 7> enabled{};
    if (shown == Page::About)
        return enabled; // only OK leads off the About page
    enabled.fill(true);
    for (const StepButton moving : {StepButton::Back, StepButton::Next, StepButton::Finish})
        enabled[std::size_t(moving)] = wanted(qint16(moving));
    return enabled;
}

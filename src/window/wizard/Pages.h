#pragma once

#include "wizard/BoundedArray.h"

#include <QtGlobal>

#include <array>

// The five pages of the page area, by their index in picStep.
enum class Page : qint16 { MenuType = 0, Button = 1, FileName = 2, Finished = 3, About = 4 };

// The seven step buttons, by their index in cmdStep.
enum class StepButton : qint16 {
    Exit = 0,
    New = 1,
    Back = 2,
    Next = 3,
    Finish = 4,
    About = 5,
    Tutor = 6
};

namespace Pages {

// The page a step shows: step 0 the menu type, the last step the file name, any other a button.
Page ofStep(qint16 step, qint16 lastStep);

// Which step buttons can be pressed, by index: none while the About page is up; otherwise
// Back, Next and Finish as `wanted` (indexes 2 to 4) says, and the other four always.
std::array<bool, 7> stepButtonsEnabled(const BoundedArray<bool>& wanted, Page shown);

} // namespace Pages

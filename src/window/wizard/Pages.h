#pragma once

#include "forms/Indexes.h"
#include "wizard/BoundedArray.h"

#include <array>

// What holds the step buttons beyond the step's own rule: the finish page locks Back, Next
// and Finish until the next recompute; the About page locks all seven until its OK.
enum class Hold { None, FinishPage, AboutPage };

namespace Pages {

// The page a step shows: step 0 the menu type, the last step the file name, any other a button.
Page ofStep(qint16 step, qint16 lastStep);

// The enable rule: the state wanted for Back, Next and Finish (indexes 2 to 4 of `wanted`).
void decideStepButtons(BoundedArray<bool>& wanted, qint16 step, qint16 lastStep, Hold hold);

// All seven step buttons, by index: Back, Next and Finish as `wanted` says, the other four
// unless the About page holds them.
std::array<bool, 7> stepButtonsEnabled(const BoundedArray<bool>& wanted, Hold hold);

} // namespace Pages

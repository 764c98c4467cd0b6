#pragma once

#include <QString>

// The three explanations the tutor gives, one per kind of wizard page.
namespace TutorTexts {
QString menuTypePage();
QString buttonPage();
QString fileNamePage();

// The text for a step: step 0, a button step, or the file-name step.
QString forStep(qint16 step, qint16 lastStep);
} // namespace TutorTexts

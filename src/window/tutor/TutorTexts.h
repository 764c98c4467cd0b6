#pragma once

#include "wizard/Pages.h"

#include <QString>

// The three explanations the tutor gives, one per kind of wizard page.
namespace TutorTexts {
QString menuTypePage();
QString buttonPage();
QString fileNamePage();

// The text for the menu-type, a button or the file-name page.
QString forPage(Page page);
} // namespace TutorTexts

#pragma once

#include "wizard/Pages.h"

#include <QString>

// The explanations the tutor gives, one per kind of wizard page, and one for the list of
// buttons over a button page.
namespace TutorTexts {
QString menuTypePage();
QString buttonPage();
QString fileNamePage();
QString buttonList();

// The text for the menu-type, a button or the file-name page.
QString forPage(Page page);
} // namespace TutorTexts

#pragma once

#include "generator/Menu.h"
#include "wizard/BoundedArray.h"

#include <QString>

// Everything the wizard knows about the menu being built, in one place, held by the main
// window. Counts, steps and indexes are 16-bit like the scroll bar that bounds them.
struct WizardState {
    qint16 iLastStep = 0;        // number of the file-name step: buttons + 1
    QString sFileName;           // output name as typed, trimmed, set by Finish
    qint16 iNumberOfButtons = 0; // fixed on a new menu's first arrival at step 1
    qint16 iMenuType = 0;        // 1 vertical, 2 horizontal
    QString sExtension;          // "html" or "htm", set by Finish
    BoundedArray<bool> iStepButtons{
        "iStepButtons"};   // wanted state of Back (2), Next (3), Finish (4)
    bool bNewMenu = false; // true until the per-button arrays exist
    BoundedArray2D<QString> sImageFile{"sImageFile"}; // (button, kind): kind 0 normal, 1 mouse-over
    BoundedArray<QString> sLink{"sLink"};             // per button, trimmed
    BoundedArray<QString> sFrame{"sFrame"};           // per button, trimmed; empty means no frame
    // Per button, the author's form of its lines in an opened page, kept through the wizard.
    BoundedArray<std::array<BlockTemplate, 3>> ownLines{"ownLines"};
    qint16 iStep = 0;
    bool bTutor = false;

    // The menu built so far: its type and every button from 1 to the count.
    Menu menu() const;
};

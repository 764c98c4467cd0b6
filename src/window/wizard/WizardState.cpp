#include "wizard/WizardState.h"

Menu WizardState::menu() const {
    Menu menu;
    menu.iMenuType = iMenuType;
    menu.title = sTitle;
    menu.buttons.reserve(iNumberOfButtons);
    for (qint16 i = 1; i <= iNumberOfButtons; ++i)
        menu.buttons.append({sImageFile(i, 0), sImageFile(i, 1), sLink(i), sFrame(i)});
    return menu;
}

#include "generator/Menu.h"

#include "wizard/WizardState.h"

Menu Menu::of(const WizardState& state) {
    Menu menu;
    menu.iMenuType = state.iMenuType;
    menu.title = state.sTitle;
    menu.buttons.reserve(state.iNumberOfButtons);
    for (qint16 i = 1; i <= state.iNumberOfButtons; ++i)
        menu.buttons.append(
            {state.sImageFile(i, 0), state.sImageFile(i, 1), state.sLink(i), state.sFrame(i)});
    return menu;
}

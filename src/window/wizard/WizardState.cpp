#include "wizard/WizardState.h"

#include "forms/Indexes.h"

Menu WizardState::menu() const {
    Menu menu;
    menu.iMenuType = iMenuType;
    menu.buttons.reserve(iNumberOfButtons);
    for (qint16 i = 1; i <= iNumberOfButtons; ++i)
        menu.buttons.append({sImageFile(i, PictureKind::Normal),
                             sImageFile(i, PictureKind::MouseOver), sLink(i), sFrame(i),
                             ownLines(i)});
    return menu;
}

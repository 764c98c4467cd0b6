#pragma once

#include <QList>
#include <QString>

// What a menu page is written from: plain data, no widgets.
struct MenuButton {
    QString normalImage; // file name of the picture shown normally
    QString overImage;   // file name of the picture shown under the mouse
    QString link;
    QString frame; // empty: open the link in the parent window

    bool operator==(const MenuButton&) const = default;
};

struct Menu {
    qint16 iMenuType = 1; // 1 vertical, anything else horizontal
    QList<MenuButton> buttons;

    bool operator==(const Menu&) const = default;
};

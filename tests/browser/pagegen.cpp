// Writes a menu page with Tessel's own generator for the browser test, from a description on
// standard input: {"type": 1, "buttons": [{"normal": "", "over": "", "link": "", "frame": ""}]}.
// Usage: tessel_pagegen PAGE.html < DESCRIPTION.json
#include "generator/MenuPage.h"
#include "generator/PageFile.h"

#include <QtCore>

int main(int argc, char* argv[]) {
    QFile input;
    if (argc != 2 || !input.open(stdin, QIODevice::ReadOnly))
        qFatal("usage: tessel_pagegen PAGE.html < DESCRIPTION.json");
    const QJsonObject description = QJsonDocument::fromJson(input.readAll()).object();
    Menu menu;
    menu.iMenuType = qint16(description.value("type").toInt(1));
    for (const QJsonValue entry : description.value("buttons").toArray()) {
        const QJsonObject b = entry.toObject();
        menu.buttons.append({b["normal"].toString(), b["over"].toString(), b["link"].toString(),
                             b["frame"].toString()});
    }
    const QString failure = PageFile::save(QString::fromLocal8Bit(argv[1]), MenuPage::text(menu));
    if (!failure.isEmpty())
        qFatal("%s", qPrintable(failure));
}

// Writes a menu page with Tessel's own generator from a JSON description, for the browser
// test: {"type": 1, "buttons": [{"normal": "", "over": "", "link": "", "frame": ""}]}.
// Usage: tessel_pagegen DESCRIPTION.json PAGE.html
#include "generator/MenuPage.h"
#include "generator/PageFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

int main(int argc, char* argv[]) {
    QFile input(argc == 3 ? QString::fromLocal8Bit(argv[1]) : QString());
    if (!input.open(QIODevice::ReadOnly))
        qFatal("usage: tessel_pagegen DESCRIPTION.json PAGE.html");
    const QJsonObject description = QJsonDocument::fromJson(input.readAll()).object();
    Menu menu;
    menu.iMenuType = qint16(description.value("type").toInt(1));
    for (const QJsonValue entry : description.value("buttons").toArray()) {
        const QJsonObject b = entry.toObject();
        menu.buttons.append({b["normal"].toString(), b["over"].toString(), b["link"].toString(),
                             b["frame"].toString()});
    }
    const QString failure = PageFile::save(QString::fromLocal8Bit(argv[2]), MenuPage::text(menu));
    if (!failure.isEmpty())
        qFatal("%s", qPrintable(failure));
}

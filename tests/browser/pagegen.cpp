// Writes a menu page with Tessel's own generator from a JSON description, for the browser
// test: {"type": 1, "buttons": [{"normal": "", "over": "", "link": "", "frame": ""}]}.
// Usage: tessel_pagegen DESCRIPTION.json PAGE.html
#include "generator/MenuPage.h"
#include "generator/PageFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tessel_pagegen DESCRIPTION.json PAGE.html\n");
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QJsonObject description = QJsonDocument::fromJson(input.readAll()).object();
    Menu menu;
    menu.iMenuType = qint16(description.value("type").toInt(1));
    for (const QJsonValue entry : description.value("buttons").toArray()) {
        const QJsonObject button = entry.toObject();
        menu.buttons.append({button.value("normal").toString(), button.value("over").toString(),
                             button.value("link").toString(), button.value("frame").toString()});
    }
    const QString failure = PageFile::save(QString::fromLocal8Bit(argv[2]), MenuPage::text(menu));
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        return 1;
    }
    return 0;
}

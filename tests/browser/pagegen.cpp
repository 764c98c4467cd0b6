// The browser test's pages: tessel_pagegen PAGE.html TYPE [NORMAL OVER LINK FRAME]...
#include "generator/MenuPage.h"
#include "generator/PageFile.h"

int main(int argc, char* argv[]) {
    if (argc < 3 || (argc - 3) % 4 != 0)
        qFatal("usage: tessel_pagegen PAGE.html TYPE [NORMAL OVER LINK FRAME]...");
    Menu menu;
    menu.iMenuType = qint16(QByteArray(argv[2]).toInt());
    for (int i = 3; i < argc; i += 4)
        menu.buttons.append({QString::fromUtf8(argv[i]), QString::fromUtf8(argv[i + 1]),
                             QString::fromUtf8(argv[i + 2]), QString::fromUtf8(argv[i + 3])});
    const QString failure = PageFile::save(QString::fromUtf8(argv[1]), MenuPage::text(menu));
    if (!failure.isEmpty())
        qFatal("%s", qPrintable(failure));
}

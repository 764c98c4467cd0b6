// Pages from outside the wizard:
//   tessel_pagegen PAGE.html TYPE [NORMAL OVER LINK FRAME]...   writes a menu's page
//   tessel_pagegen --reread IN OUT     reads a page, writes its menu back into its own frame
#include "generator/MenuPage.h"
#include "generator/PageFile.h"

#include <cstdio>

namespace {

int save(const QString& path, const QByteArray& bytes) {
    const QString failure = PageFile::save(path, bytes);
    if (!failure.isEmpty())
        std::fprintf(stderr, "tessel_pagegen: %s: %s\n", qPrintable(path), qPrintable(failure));
    return failure.isEmpty() ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 4 && QByteArray(argv[1]) == "--reread") {
        const PageReading reading = MenuPage::open(QString::fromLocal8Bit(argv[2]));
        if (!reading.error.isEmpty()) {
            std::fprintf(stderr, "tessel_pagegen: %s: %s\n", argv[2], qPrintable(reading.error));
            return 1;
        }
        return save(QString::fromLocal8Bit(argv[3]), MenuPage::text(reading.menu, reading.frame));
    }
    if (argc < 3 || (argc - 3) % 4 != 0) {
        std::fprintf(stderr, "usage: tessel_pagegen PAGE.html TYPE [NORMAL OVER LINK FRAME]...\n"
                             "       tessel_pagegen --reread IN OUT\n");
        return 2;
    }
    Menu menu;
    menu.iMenuType = qint16(QByteArray(argv[2]).toInt());
    for (int i = 3; i < argc; i += 4)
        menu.buttons.append({QString::fromUtf8(argv[i]), QString::fromUtf8(argv[i + 1]),
                             QString::fromUtf8(argv[i + 2]), QString::fromUtf8(argv[i + 3])});
    return save(QString::fromUtf8(argv[1]), MenuPage::text(menu));
}

// Pages from outside the wizard:
//   tessel_pagegen PAGE.html TYPE [NORMAL OVER LINK FRAME]...   writes a menu's page
//   tessel_pagegen --html5 PAGE.html TYPE [NORMAL OVER LINK FRAME TEXT]...
//                                      the same in the HTML5 form, each button with its text
//   tessel_pagegen --reread IN OUT [--move FROM TO | --html5]
//                                      reads a page, writes its menu back into its own frame,
//                                      with button FROM moved to place TO where asked, or in
//                                      the HTML5 form
//   tessel_pagegen --into PAGE MENUPAGE
//                                      puts the menu of MENUPAGE, a page Tessel wrote in the
//                                      site's folder, into PAGE at its <!-- Tessel menu -->
//   tessel_pagegen --sync MENUPAGE DIR
//                                      writes that menu into every page under DIR that holds
//                                      a menu put in at its marker, all of them or none
#include "generator/MenuPage.h"
#include "generator/PageFile.h"
#include "generator/SiteCommand.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace {

int save(const QString& path, const QByteArray& bytes) {
    const QString failure = PageFile::save(path, bytes);
    if (!failure.isEmpty())
        std::fprintf(stderr, "tessel_pagegen: %s: %s\n", qPrintable(path), qPrintable(failure));
    return failure.isEmpty() ? 0 : 1;
}

// A site command's outcome: each page written on standard output, the rest on standard error.
int report(const SiteCommand::Outcome& outcome) {
    for (const QString& page : outcome.written)
        std::printf("%s\n", qPrintable(page));
    for (const QString& said : outcome.said)
        std::fprintf(stderr, "tessel_pagegen: %s\n", qPrintable(said));
    return outcome.status;
}

} // namespace

int main(int argc, char* argv[]) {
    // The page library's messages in the user's language, English's plural forms included.
    QCoreApplication app(argc, argv);
    QTranslator words;
    if (words.load(QLocale(), "tessel", "_", ":/i18n") || words.load("tessel_en", ":/i18n"))
        QCoreApplication::installTranslator(&words);
    if (argc == 4 && QByteArray(argv[1]) == "--into")
        return report(
            SiteCommand::into(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])));
    if (argc == 4 && QByteArray(argv[1]) == "--sync")
        return report(
            SiteCommand::sync(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])));
    const bool move = argc == 7 && QByteArray(argv[4]) == "--move";
    const bool toHtml5 = argc == 5 && QByteArray(argv[4]) == "--html5";
    if ((argc == 4 || move || toHtml5) && QByteArray(argv[1]) == "--reread") {
        PageReading reading = MenuPage::open(QString::fromLocal8Bit(argv[2]));
        if (!reading.error.isEmpty()) {
            std::fprintf(stderr, "tessel_pagegen: %s: %s\n", argv[2], qPrintable(reading.error));
            return 1;
        }
        const qsizetype from = move ? atoi(argv[5]) : 1, to = move ? atoi(argv[6]) : 1;
        QList<MenuButton>& buttons = reading.menu.buttons;
        if (from < 1 || to < 1 || from > buttons.size() || to > buttons.size()) {
            std::fprintf(stderr, "tessel_pagegen: no button %lld or %lld to move\n", qint64(from),
                         qint64(to));
            return 2;
        }
        buttons.move(from - 1, to - 1);
        if (toHtml5)
            reading.menu.form = PageForm::Html5;
        return save(QString::fromLocal8Bit(argv[3]), MenuPage::text(reading.menu, reading.frame));
    }
    const bool html5 = argc > 1 && QByteArray(argv[1]) == "--html5";
    char** const args = argv + html5;
    const int count = argc - html5, fields = html5 ? 5 : 4;
    const QByteArray type = count >= 3 ? QByteArray(args[2]) : QByteArray();
    if (count < 3 || (count - 3) % fields != 0 || (type != "1" && type != "2")) {
        std::fprintf(stderr, "usage: tessel_pagegen PAGE.html TYPE [NORMAL OVER LINK FRAME]...\n"
                             "       tessel_pagegen --html5 PAGE.html TYPE "
                             "[NORMAL OVER LINK FRAME TEXT]...\n"
                             "       tessel_pagegen --reread IN OUT [--move FROM TO | --html5]\n"
                             "       tessel_pagegen --into PAGE MENUPAGE\n"
                             "       tessel_pagegen --sync MENUPAGE DIR\n");
        return 2;
    }
    Menu menu{MenuType(type.toShort()), {}, html5 ? PageForm::Html5 : PageForm::Classic};
    for (int i = 3; i < count; i += fields)
        menu.buttons.append({QString::fromUtf8(args[i]), QString::fromUtf8(args[i + 1]),
                             QString::fromUtf8(args[i + 2]), QString::fromUtf8(args[i + 3]),
                             html5 ? QString::fromUtf8(args[i + 4]) : QString()});
    return save(QString::fromUtf8(args[1]), MenuPage::text(menu));
}

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
#include "generator/SitePage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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

int fail(const QString& path, const QString& why) {
    std::fprintf(stderr, "tessel_pagegen: %s: %s\n", qPrintable(path), qPrintable(why));
    return 1;
}

// The menu of `menuPage` into `page`, its addresses written for the page's folder in the site,
// which is the menu page's folder, its button for the page marked; the page named once
// written.
int into(const QString& page, const QString& menuPage) {
    const PageReading reading = MenuPage::open(menuPage);
    if (!reading.error.isEmpty())
        return fail(menuPage, reading.error);
    const QString site = QFileInfo(menuPage).absolutePath();
    const QString inSite = QDir(site).relativeFilePath(QFileInfo(page).absoluteFilePath());
    if (inSite.startsWith(".."))
        return fail(page, QStringLiteral("it is not in the site's folder %1").arg(site));
    const PageFile::Loaded loaded = PageFile::load(page, MenuPage::maxBytes);
    if (!loaded.error.isEmpty())
        return fail(page, loaded.error);
    const SitePage::Insertion put = SitePage::insert(loaded.bytes, reading.menu, inSite);
    if (!put.error.isEmpty())
        return fail(page, put.error);
    if (save(page, put.page) != 0)
        return 1;
    std::printf("%s\n", qPrintable(page));
    return 0;
}

// The menu of `menuPage` into every page under `folder` that holds a menu put in at a marker:
// all of them or none; each page named once written, each left out named with why.
int syncSite(const QString& menuPage, const QString& folder) {
    const PageReading reading = MenuPage::open(menuPage);
    if (!reading.error.isEmpty())
        return fail(menuPage, reading.error);
    const SitePage::Sync sync =
        SitePage::sync(reading.menu, QFileInfo(menuPage).absolutePath(), folder, menuPage);
    for (const QString& leftOut : sync.leftOut)
        std::fprintf(stderr, "tessel_pagegen: %s; left as it is\n", qPrintable(leftOut));
    if (sync.pages.isEmpty())
        return fail(folder, sync.inStep > 0
                                ? QStringLiteral("every page's menu is this one already")
                                : QStringLiteral("no page holds a menu put in at its marker"));
    const PageFile::Saved saved = PageFile::saveAll(sync.pages);
    for (qsizetype i = 0; i < saved.replaced; ++i)
        std::printf("%s\n", qPrintable(sync.pages[i].path));
    if (!saved.error.isEmpty())
        std::fprintf(stderr, "tessel_pagegen: %s%s\n", qPrintable(saved.error),
                     saved.replaced == 0 ? "; no page was written" : "");
    return saved.error.isEmpty() ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    // The page library's messages in the user's language, English's plural forms included.
    QCoreApplication app(argc, argv);
    QTranslator words;
    if (words.load(QLocale(), "tessel", "_", ":/i18n") || words.load("tessel_en", ":/i18n"))
        QCoreApplication::installTranslator(&words);
    if (argc == 4 && QByteArray(argv[1]) == "--into")
        return into(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc == 4 && QByteArray(argv[1]) == "--sync")
        return syncSite(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
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

// Opening a page with 60 MB of its author's HTML in the window, against what
// tessel_pagegen --reread does with it (read the page, write its menu back, save it), the two
// taking turns: the window may take at most 1.5 times as long.
#include "BenchSupport.h"
#include "PageBench.h"
#include "generator/MenuPage.h"
#include "generator/PageFile.h"
#include "wizard/Form1.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    useOffscreenPlatform();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString page = dir.filePath("shop.html"), copy = dir.filePath("copy.html");
    const QByteArray authors =
        QByteArray("<p class=\"offer\">Our own words, with accents: caf\xC3\xA9, Stra\xC3\x9F"
                   "e. <a href=\"more.html\">More</a></p>\r\n")
            .repeated(60 * 1024 * 1024 / 90);
    const QByteArray bytes =
        MenuPage::text(bigMenu()).replace("<center>\r\n", "<center>\r\n" + authors);
    if (!PageFile::save(page, bytes).isEmpty())
        std::abort();
    const auto reread = [&] {
        const PageReading reading = MenuPage::open(page);
        if (!reading.error.isEmpty() ||
            !PageFile::save(copy, MenuPage::text(reading.menu, reading.frame)).isEmpty())
            std::abort();
    };
    const auto open = [&] {
        Form1 form; // a new window each time, as a user's `tessel PAGE`
        form.openPage(page);
    };
    const auto times = interleaved(9, {reread, open});
    const double ratio = medianRatio(times[1], times[0]);
    std::printf("page: %lld bytes\n", qint64(bytes.size()));
    std::printf("tessel_pagegen --reread: %.1f ms\n", median(times[0]));
    std::printf("opened in the window:    %.1f ms (%.2f x rereading, at most 1.5)\n",
                median(times[1]), ratio);
    return ratio <= 1.5 ? 0 : 1;
}

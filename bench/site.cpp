// A site's menu kept in step: a changed link written into 1,000 pages of 20 kB that hold the
// menu, against writing the same bytes with write + fdatasync + rename per file, the rounds
// taking turns; and finding which pages of a folder of 10,000 HTML files of 20 kB hold it.
#include "PageBench.h"
#include "generator/MenuPage.h"
#include "generator/PageFile.h"
#include "generator/SitePage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

// About 20 kB of an author's page, the marker in its body.
QByteArray authorsPage(int i, bool marked) {
    QByteArray page = "<!DOCTYPE html>\n<html lang=\"en\">\n<head><title>Page " +
                      QByteArray::number(i) + "</title></head>\n<body>\n";
    if (marked)
        page += "<!-- Tessel menu -->\n";
    while (page.size() < 20000)
        page += "<p>Our own words on page " + QByteArray::number(i) +
                ", with accents: caf\xC3\xA9.</p>\n";
    return page + "</body>\n</html>\n";
}

Menu siteMenu(const QString& news) {
    Menu menu{MenuType::Vertical, {}, PageForm::Html5};
    for (int i = 1; i <= 10; ++i)
        menu.buttons.append({QString("b%1.gif").arg(i), QString("b%1over.gif").arg(i),
                             i == 2 ? news : QString("page%1.html").arg(i), "",
                             QString("Page %1").arg(i)});
    return menu;
}

void write(const QString& path, const QByteArray& bytes) {
    if (!PageFile::save(path, bytes).isEmpty())
        std::abort();
}

// The least a durable write of each page's bytes costs, over the page itself.
void floorWrite(const QList<PageFile::Save>& pages) {
    for (const PageFile::Save& page : pages) {
        const QString scratch = page.path + ".scratch";
        QFile file(scratch);
        if (!file.open(QIODevice::WriteOnly) || file.write(page.bytes) != page.bytes.size() ||
            !file.flush() || ::fdatasync(file.handle()) != 0)
            std::abort();
        file.close();
        if (std::rename(qPrintable(scratch), qPrintable(page.path)) != 0)
            std::abort();
    }
}

} // namespace

int main() {
    QTemporaryDir site;
    const QDir folder(site.path());
    const QString menuPage = folder.filePath("menu.html");
    const Menu first = siteMenu("news.html"), second = siteMenu("latest.html");
    write(menuPage, MenuPage::text(first));
    for (int i = 0; i < 1000; ++i) {
        const QString page = QString("pages/%1/page%2.html").arg(i / 100).arg(i);
        folder.mkpath(page.section('/', 0, -2));
        write(folder.filePath(page), SitePage::insert(authorsPage(i, true), first, page).page);
    }
    // Rounds take turns, each side first in every other round, and each side changes the link
    // the other way on the same pages: the menu kept in step (found, read, written all or
    // none), and the bytes that change writes, written over each page at the least cost.
    std::vector<double> kept, least;
    QElapsedTimer timer;
    bool news = true; // the link the pages hold now
    const auto change = [&] {
        news = !news;
        return SitePage::sync(news ? first : second, folder.path(), folder.path(), menuPage);
    };
    const auto keep = [&] {
        timer.start();
        const SitePage::Sync sync = change();
        if (sync.pages.size() != 1000 || !PageFile::saveAll(sync.pages).error.isEmpty())
            std::abort();
        kept.push_back(double(timer.nsecsElapsed()) / 1e6);
    };
    const auto floor = [&] {
        const QList<PageFile::Save> pages = change().pages;
        if (pages.size() != 1000)
            std::abort();
        timer.start();
        floorWrite(pages);
        least.push_back(double(timer.nsecsElapsed()) / 1e6);
    };
    for (int round = 0; round < 10; ++round) {
        if (round % 2) {
            keep();
            floor();
        } else {
            floor();
            keep();
        }
    }
    const double ratio = medianRatio(kept, least);
    std::printf("1000 pages kept in step: %.0f ms (write + fdatasync + rename each: %.0f ms; "
                "%.2f x, at most 1.25)\n",
                median(kept), median(least), ratio);

    // 10,000 pages of 20 kB, ten of them holding the menu: which ones, read from the disk.
    QTemporaryDir many;
    const QDir big(many.path());
    for (int i = 0; i < 10000; ++i) {
        const QString page = QString("%1/page%2.html").arg(i / 500).arg(i);
        big.mkpath(page.section('/', 0, -2));
        QFile file(big.filePath(page));
        const QByteArray bytes = i % 1000 == 0
                                     ? SitePage::insert(authorsPage(i, true), first, page).page
                                     : authorsPage(i, false);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::abort();
    }
    timer.start();
    const SitePage::Sync found = SitePage::sync(second, big.path(), big.path(), QString());
    const double findMs = double(timer.nsecsElapsed()) / 1e6;
    if (found.pages.size() != 10)
        std::abort();
    std::printf("finding the 10 pages that hold the menu among 10000: %.0f ms (at most 1000)\n",
                findMs);
    return ratio <= 1.25 && findMs < 1000 ? 0 : 1;
}

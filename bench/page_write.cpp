// Finish for the 1000-button page (20,098 lines): its text, and its atomic save, against the
// least any durable save of the same bytes costs: one write, fdatasync and a rename. Prints the
// median of many runs for each, measured in the same run.
#include "PageBench.h"
#include "generator/MenuPage.h"
#include "generator/PageFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Tessel.html");
    const Menu menu = bigMenu();
    const QByteArray bytes = MenuPage::text(menu);
    constexpr int runs = 101;

    const double text = medianMs(runs, [&] { (void)MenuPage::text(menu); });
    const double save = medianMs(runs, [&] {
        if (!PageFile::save(path, bytes).isEmpty())
            std::abort();
    });
    const double finish = medianMs(runs, [&] {
        if (!PageFile::save(path, MenuPage::text(menu)).isEmpty())
            std::abort();
    });
    const QString scratch = dir.filePath("scratch");
    const double floor = medianMs(runs, [&] {
        QFile file(scratch);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.flush() || ::fdatasync(file.handle()) != 0)
            std::abort();
        file.close();
        if (std::rename(qPrintable(scratch), qPrintable(path)) != 0)
            std::abort();
    });
    std::printf("page: %lld bytes, %lld lines\n", qint64(bytes.size()), qint64(bytes.count('\n')));
    std::printf("page text alone:                   %.3f ms\n", text);
    std::printf("atomic save of the text:           %.3f ms (%.2f x floor)\n", save, save / floor);
    std::printf("Finish, text + atomic save:        %.3f ms (%.2f x floor, at most 2)\n", finish,
                finish / floor);
    std::printf("floor, write + fdatasync + rename: %.3f ms\n", floor);
    return finish / floor <= 2 ? 0 : 1;
}

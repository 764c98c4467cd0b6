// Writing the 1000-button page (20,098 lines) to a file, against writing the same bytes with
// one plain write. Prints the median of many runs for each.
#include "generator/MenuPage.h"
#include "generator/PageFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

Menu bigMenu() {
    Menu menu;
    for (int i = 1; i <= 1000; ++i)
        menu.buttons.append({QString("button%1.gif").arg(i), QString("button%1over.gif").arg(i),
                             QString("pages/page%1.html").arg(i), i % 2 ? "main" : ""});
    return menu;
}

} // namespace

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
    const double page = medianMs(runs, [&] {
        if (!PageFile::save(path, MenuPage::text(menu)).isEmpty())
            std::abort();
    });
    const double plain = medianMs(runs, [&] {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::abort();
    });
    std::printf("page: %lld bytes, %lld lines\n", qint64(bytes.size()), qint64(bytes.count('\n')));
    std::printf("page text alone:               %.3f ms\n", text);
    std::printf("atomic save of the text:       %.3f ms (%.2f x plain)\n", save, save / plain);
    std::printf("text + atomic save (Finish):   %.3f ms (%.2f x plain)\n", page, page / plain);
    std::printf("one plain write of the bytes:  %.3f ms\n", plain);
    return 0;
}

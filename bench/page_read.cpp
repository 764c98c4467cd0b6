// Reading the 1000-button page back into its menu, against writing its text, measured in the
// same run: reading may cost at most 1.5 times writing.
#include "PageBench.h"
#include "generator/MenuPage.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename Work> double timeMs(const Work& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main() {
    const Menu menu = bigMenu();
    const QByteArray bytes = MenuPage::text(menu);
    constexpr int runs = 201;

    // Each result is kept until every run is done, as the wizard keeps the page it wrote and
    // the menu it read, so both directions make theirs in fresh memory. A write and a read
    // take turns, so that both meet the machine as it is at that moment.
    std::vector<QByteArray> pages;
    std::vector<PageReading> readings;
    pages.reserve(runs);
    readings.reserve(runs);
    std::vector<double> writes, reads, ratios;
    for (int i = 0; i < runs; ++i) {
        writes.push_back(timeMs([&] { pages.push_back(MenuPage::text(menu)); }));
        reads.push_back(timeMs([&] { readings.push_back(MenuPage::read(bytes)); }));
        ratios.push_back(reads.back() / writes.back());
    }
    for (const PageReading& reading : readings)
        if (!reading.error.isEmpty() || reading.changedLine || reading.menu.buttons.size() != 1000)
            std::abort();
    const double ratio = median(ratios);
    std::printf("page text, written: %.3f ms\n", median(writes));
    std::printf("page text, read:    %.3f ms (%.2f x writing, at most 1.5)\n", median(reads),
                ratio);
    return ratio <= 1.5 ? 0 : 1;
}

// Reading the 1000-button page back into its menu, against writing its text, measured in the
// same run: reading may cost at most 1.5 times writing.
#include "PageBench.h"
#include "generator/MenuPage.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

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
    const auto times = interleaved(runs, {[&] { pages.push_back(MenuPage::text(menu)); },
                                          [&] { readings.push_back(MenuPage::read(bytes)); }});
    for (const PageReading& reading : readings)
        if (!reading.error.isEmpty() || reading.changedLine || reading.menu.buttons.size() != 1000)
            std::abort();
    const double ratio = medianRatio(times[1], times[0]);
    std::printf("page text, written: %.3f ms\n", median(times[0]));
    std::printf("page text, read:    %.3f ms (%.2f x writing, at most 1.5)\n", median(times[1]),
                ratio);
    return ratio <= 1.5 ? 0 : 1;
}

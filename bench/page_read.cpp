// Reading the 1000-button page back into its menu, against writing its text, measured in the
// same run, in each form of the page: reading may cost at most 1.5 times writing.
#include "PageBench.h"
#include "generator/MenuPage.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

// Whether reading the page of `form` stays within its limit.
bool readWithinLimit(PageForm form) {
    const Menu menu = bigMenu(form);
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
        if (!reading.error.isEmpty() || reading.changedLine || !(reading.menu == menu))
            std::abort();
    const double ratio = medianRatio(times[1], times[0]);
    std::printf("%s page text, written: %.3f ms\n", formName(form), median(times[0]));
    std::printf("%s page text, read:    %.3f ms (%.2f x writing, at most 1.5)\n", formName(form),
                median(times[1]), ratio);
    return ratio <= 1.5;
}

int main() {
    const bool classic = readWithinLimit(PageForm::Classic);
    return readWithinLimit(PageForm::Html5) && classic ? 0 : 1;
}

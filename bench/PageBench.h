#pragma once

#include "generator/Menu.h"

#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <vector>

// Times each of `works` once a round, taking turns, for `runs` rounds, so that a change in the
// machine's speed during the run meets all of them alike. Per work, its times in ms.
inline std::vector<std::vector<double>>
interleaved(int runs, const std::vector<std::function<void()>>& works) {
    std::vector<std::vector<double>> times(works.size());
    for (int round = 0; round < runs; ++round)
        for (std::size_t i = 0; i < works.size(); ++i) {
            QElapsedTimer timer;
            timer.start();
            works[i]();
            times[i].push_back(double(timer.nsecsElapsed()) / 1e6);
        }
    return times;
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median, over the rounds, of `a`'s time against `b`'s in the same round.
inline double medianRatio(const std::vector<double>& a, const std::vector<double>& b) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < a.size(); ++i)
        ratios.push_back(a[i] / b[i]);
    return median(ratios);
}

// The largest menu: 1000 buttons, every other one opening in a frame, in either form of the
// page; the HTML5 form's with a text each.
inline Menu bigMenu(PageForm form = PageForm::Classic) {
    Menu menu{MenuType::Vertical, {}, form};
    for (int i = 1; i <= 1000; ++i)
        menu.buttons.append({QString("button%1.gif").arg(i), QString("button%1over.gif").arg(i),
                             QString("pages/page%1.html").arg(i), i % 2 ? "main" : "",
                             form == PageForm::Html5 ? QString("Page %1").arg(i) : QString()});
    return menu;
}

inline const char* formName(PageForm form) {
    return form == PageForm::Html5 ? "HTML5" : "classic";
}

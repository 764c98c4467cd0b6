#pragma once

#include "generator/Menu.h"

#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <vector>

// The median time of `runs` runs of `work`, in milliseconds.
inline double medianMs(int runs, const std::function<void()>& work) {
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

// The largest menu: 1000 buttons, every other one opening in a frame.
inline Menu bigMenu() {
    Menu menu;
    for (int i = 1; i <= 1000; ++i)
        menu.buttons.append({QString("button%1.gif").arg(i), QString("button%1over.gif").arg(i),
                             QString("pages/page%1.html").arg(i), i % 2 ? "main" : ""});
    return menu;
}

#pragma once

#include <QElapsedTimer>
#include <QPushButton>

// Benchmarks run headless unless the caller chose a platform.
inline void useOffscreenPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

struct ClickRun {
    int clicks = 0;
    double msPerClick = 0;
};

// Clicks `button` until it is disabled, as a user walking the wizard would, and times it.
inline ClickRun clickWhileEnabled(QPushButton* button) {
    QElapsedTimer timer;
    timer.start();
    ClickRun run;
    for (; button->isEnabled(); ++run.clicks)
        button->click();
    run.msPerClick = run.clicks ? double(timer.nsecsElapsed()) / 1e6 / run.clicks : 0;
    return run;
}

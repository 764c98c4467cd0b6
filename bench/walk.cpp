// Walking a 1000-button menu: from step 0 to the file-name step with Next, then back to
// step 1 with Back, through the buttons' click signals. Reports the average time per step.
#include "forms/PagePanel.h"
#include "wizard/Form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScrollBar>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Form1 form;
    form.show();
    QApplication::processEvents();
    form.ui.HScroll1->setValue(1000);

    QElapsedTimer timer;
    timer.start();
    int steps = 0;
    while (form.ui.cmdStep(3)->isEnabled()) {
        form.ui.cmdStep(3)->click();
        ++steps;
    }
    const double forwardMs = double(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    int backSteps = 0;
    while (form.ui.cmdStep(2)->isEnabled()) {
        form.ui.cmdStep(2)->click();
        ++backSteps;
    }
    const double backMs = double(timer.nsecsElapsed()) / 1e6;
    std::printf("Next: %d steps, %.3f ms per step\n", steps, forwardMs / steps);
    std::printf("Back: %d steps, %.3f ms per step\n", backSteps, backMs / backSteps);
    std::printf("ended on step %d\n", form.iStep);
    return 0;
}

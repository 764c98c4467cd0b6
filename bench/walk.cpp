// Walking a 1000-button menu: from step 0 to the file-name step with Next, then back to
// step 1 with Back, through the buttons' click signals. Reports the average time per step.
#include "BenchSupport.h"
#include "forms/PagePanel.h"
#include "wizard/Form1.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>

#include <cstdio>

int main(int argc, char* argv[]) {
    useOffscreenPlatform();
    QApplication app(argc, argv);
    Form1 form;
    form.show();
    QApplication::processEvents();
    form.controls().HScroll1->setValue(1000);

    const ClickRun forward = clickWhileEnabled(form.controls().cmdStep(3));
    const ClickRun back = clickWhileEnabled(form.controls().cmdStep(2));
    std::printf("Next: %d steps, %.3f ms per step\n", forward.clicks, forward.msPerClick);
    std::printf("Back: %d steps, %.3f ms per step\n", back.clicks, back.msPerClick);
    std::printf("ended on step %d\n", form.step());
    return 0;
}

// Changing a menu of about 1000 buttons through the list of buttons, from the key to the repainted
// page: going to the last button, inserting one at the front, and moving the first button a
// place down. Each must take less than one frame (16 ms); the median of 21 runs is reported.
#include "BenchSupport.h"
#include "PageBench.h"
#include "editor/ButtonList.h"
#include "wizard/Form1.h"

#include <QApplication>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <cstdio>
#include <functional>

int main(int argc, char* argv[]) {
    useOffscreenPlatform();
    QApplication app(argc, argv);
    Form1 form;
    form.show();
    form.activateWindow(); // mnemonics reach the active window only
    if (!QTest::qWaitForWindowActive(&form))
        return 2;
    form.controls().HScroll1->setValue(999); // one more goes in and out again
    form.controls().cmdStep(3)->click();
    ButtonList* list = form.buttonList();
    // One key's work and the page painted again, as the user sees it.
    const auto timed = [&](const std::function<void()>& keys) {
        form.controls().cmdList->click();
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        keys();
        form.repaint();
        QApplication::processEvents();
        return double(timer.nsecsElapsed()) / 1e6;
    };
    std::vector<double> last, insert, move;
    for (int run = 0; run < 21; ++run) {
        last.push_back(timed([&] {
            QTest::keyClick(list->lstButtons, Qt::Key_End);
            QTest::keyClick(list->lstButtons, Qt::Key_Return);
        }));
        insert.push_back(timed([&] {
            QTest::keyClick(list->lstButtons, Qt::Key_Home);
            QTest::keyClick(list->lstButtons, Qt::Key_Insert, Qt::ShiftModifier);
        }));
        QTest::keyClick(list->lstButtons, Qt::Key_Delete); // the empty one goes again
        move.push_back(timed([&] {
            QTest::keyClick(list->lstButtons, Qt::Key_Home);
            QTest::keyClick(list->lstButtons, Qt::Key_Down, Qt::ControlModifier);
        }));
    }
    std::printf("buttons: %d, on button %d (999 and 2: every key was taken)\n",
                form.model().iNumberOfButtons(), form.step());
    std::printf("to the last button:      %.2f ms (at most 16)\n", median(last));
    std::printf("a button at the front:   %.2f ms (at most 16)\n", median(insert));
    std::printf("the first a place down:  %.2f ms (at most 16)\n", median(move));
    return median(last) < 16 && median(insert) < 16 && median(move) < 16 ? 0 : 1;
}

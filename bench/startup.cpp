// Time from process start to the main window shown, and the process's peak memory, on
// whatever platform QT_QPA_PLATFORM names (offscreen by default), against Qt's bare window: a
// QWidget with 40 push buttons. Run without arguments, it starts itself for each in turn, pair
// after pair, and prints the medians and the median of the pairs' ratios.
#include "BenchSupport.h"
#include "PageBench.h"
#include "wizard/Form1.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <memory>
#include <sys/resource.h>

namespace {
// A clock every process of the machine shares, in ms: the parent reads it before it starts a
// child, the child when its window is shown.
double monotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

// One start: the wizard's window, or the bare one; the time it was shown on standard output.
int showOnce(int argc, char* argv[], bool bare) {
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (bare) {
        window = std::make_unique<QWidget>();
        for (int i = 0; i < 40; ++i)
            (new QPushButton(QStringLiteral("Button %1").arg(i), window.get()))->move(0, 10 * i);
    } else {
        window = std::make_unique<Form1>();
    }
    window->show();
    QTimer::singleShot(0, &app, [&] {
        const double shownMs = monotonicMs();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%.3f %.1f\n", shownMs, usage.ru_maxrss / 1024.0);
        app.quit();
    });
    return app.exec();
}

// The time from start to shown, and the peak memory, of one start of this program as `which`.
std::pair<double, double> started(const QString& which) {
    QProcess child;
    const double startMs = monotonicMs();
    child.start(QCoreApplication::applicationFilePath(), {which});
    if (!child.waitForFinished(60000))
        std::abort();
    const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
    return {figures.value(0).toDouble() - startMs, figures.value(1).toDouble()};
}
} // namespace

int main(int argc, char* argv[]) {
    useOffscreenPlatform();
    if (argc == 2)
        return showOnce(argc, argv, QByteArray(argv[1]) == "--bare");
    QCoreApplication app(argc, argv);
    std::vector<double> tessel, bare, memory;
    // Turn about, each first in every other pair, so that a busy moment meets both alike.
    for (int pair = 0; pair < 31; ++pair) {
        if (pair % 2)
            bare.push_back(started("--bare").first);
        const auto [ms, mb] = started("--tessel");
        tessel.push_back(ms);
        memory.push_back(mb);
        if (pair % 2 == 0)
            bare.push_back(started("--bare").first);
    }
    std::printf("start to window shown: %.1f ms (Qt's bare window: %.1f ms; %.2f x, at most 1.2)\n"
                "peak memory: %.1f MB\n",
                median(tessel), median(bare), medianRatio(tessel, bare), median(memory));
    return 0;
}

// Choosing a 6000 x 4000 JPEG into an editor image (time and added peak memory, measured in a
// fresh process so that making the photo does not count), and walking 1000 button pages that
// each have two pictures.
#include "BenchSupport.h"
#include "TestSupport.h"
#include "wizard/Form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include <cstdio>

namespace {

double peakMegabytes() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

struct Wizard {
    Form1 form;
    TestSupport::ScriptedChooser* chooser = new TestSupport::ScriptedChooser;

    explicit Wizard(int buttons) {
        form.setFileChooser(std::unique_ptr<FileChooser>(chooser));
        form.show();
        form.controls().HScroll1->setValue(buttons);
        form.controls().cmdStep(3)->click();
    }
    void choose(int kind, const QString& path) {
        chooser->answers.append(path);
        form.controls().cmdSelect(kind)->click();
    }
};

int choosePhoto(const QString& path) {
    Wizard wizard(1);
    const double before = peakMegabytes();
    QElapsedTimer timer;
    timer.start();
    wizard.choose(0, path);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    std::printf("choosing a 6000 x 4000 JPEG: %.1f ms, peak memory +%.1f MB (%s)\n", ms,
                peakMegabytes() - before,
                wizard.form.model().sImageFile(1, 0).isEmpty() ? "FAILED" : "ok");
    return 0;
}

void walk(const QString& folder) {
    QImage small(120, 30, QImage::Format_RGB32);
    small.fill(Qt::darkCyan);
    small.save(folder + "/normal.bmp");
    small.fill(Qt::yellow);
    small.save(folder + "/over.jpg");
    Wizard wizard(1000);
    while (wizard.form.step() < wizard.form.model().iLastStep()) {
        wizard.choose(0, folder + "/normal.bmp");
        wizard.choose(1, folder + "/over.jpg");
        wizard.form.controls().cmdStep(3)->click();
    }
    const ClickRun back = clickWhileEnabled(wizard.form.controls().cmdStep(2));
    const ClickRun forward = clickWhileEnabled(wizard.form.controls().cmdStep(3));
    std::printf("walking 1000 pages with two pictures each: %d steps, %.3f ms per step\n",
                back.clicks + forward.clicks, (back.msPerClick + forward.msPerClick) / 2);
}

} // namespace

int main(int argc, char* argv[]) {
    useOffscreenPlatform();
    QApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--choose")
        return choosePhoto(QString::fromLocal8Bit(argv[2]));

    QTemporaryDir folder;
    const QString photo = folder.filePath("photo.jpg");
    {
        QImage image(6000, 4000, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                row[x] = qRgb(x % 256, y % 256, (x ^ y) % 256);
        }
        if (!image.save(photo, "JPEG", 90))
            return 1;
    }
    QProcess measure;
    measure.setProcessChannelMode(QProcess::ForwardedChannels);
    measure.start(QCoreApplication::applicationFilePath(), {"--choose", photo});
    measure.waitForFinished(-1);
    walk(folder.path());
    return 0;
}

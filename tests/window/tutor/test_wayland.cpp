#include "TestSupport.h"

// The tutor on a Wayland desktop, as the compositor shows it on the screen: beside the wizard,
// covering nothing of it. Run by scripts/with-wayland.sh in a headless sway session.
class TestWayland : public QObject {
    Q_OBJECT

    // Where the compositor shows this process's window: its content on the screen.
    static QRect shownAt(const QJsonObject& node) {
        if (node["pid"].toInt() == QCoreApplication::applicationPid()) {
            const QJsonObject at = node["rect"].toObject(),
                              content = node["window_rect"].toObject();
            return {at["x"].toInt() + content["x"].toInt(), at["y"].toInt() + content["y"].toInt(),
                    content["width"].toInt(), content["height"].toInt()};
        }
        for (const char* children : {"nodes", "floating_nodes"})
            for (const QJsonValue child : node[children].toArray())
                if (const QRect found = shownAt(child.toObject()); found.isValid())
                    return found;
        return {};
    }

    static QByteArray run(const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        return process.waitForFinished() ? process.readAllStandardOutput() : QByteArray();
    }

    static QRect shown() {
        return shownAt(QJsonDocument::fromJson(run("swaymsg", {"-t", "get_tree", "-r"})).object());
    }

    // Waits for `done`, which asks the compositor: each answer is a step of the machine's own
    // pace, so a machine another build keeps busy waits longer, not fails. It fails only after
    // as many answers that are not yet what it waits for as a quick machine gives in 15 s.
    template <typename Done> static bool untilAnswered(const Done& done) {
        for (int answers = 0; answers < 300; ++answers) {
            if (done())
                return true;
            QTest::qWait(50);
        }
        return false;
    }

private slots:
    void tutorBesideTheWizard() {
        if (!QGuiApplication::platformName().startsWith("wayland"))
            QSKIP("this test runs on a Wayland compositor: scripts/with-wayland.sh");
        TestSupport::Wizard wizard;
        wizard.walk("T");
        QVERIFY(untilAnswered([&] {
            return !run("swaymsg", {"-t", "get_version"}).isEmpty() &&
                   QTest::qWaitForWindowExposed(wizard.form.formTutor(), 50);
        }));
        const QSize wizardSize(416, 327), tutorSize(130, 327); // 6240 and 1950 twips wide
        QRect window;
        QVERIFY(untilAnswered([&] {
            window = shown();
            return window.width() == wizardSize.width() + 1 + tutorSize.width(); // 20 apart
        }));
        // The screen, once the compositor shows the tutor's light yellow right of the wizard.
        const QString file = QDir::temp().filePath("tessel-wayland.png");
        const QPoint tutorAt = window.topLeft() + QPoint(wizardSize.width() + 5, 5);
        QImage screen;
        QVERIFY(untilAnswered([&] {
            run("grim", {file});
            return (screen = QImage(file)).pixelColor(tutorAt) == QColor(255, 255, 192);
        }));
        // The wizard whole, as it draws itself.
        const auto rgb = [](const QImage& image) {
            return image.convertToFormat(QImage::Format_RGB32);
        };
        QCOMPARE(rgb(screen.copy(QRect(window.topLeft(), wizardSize))),
                 rgb(wizard.form.grab(QRect(QPoint(), wizardSize)).toImage()));
        wizard.walk("T"); // off: the window shrinks back to the wizard
        QVERIFY(untilAnswered([&] { return shown().width() == wizardSize.width(); }));
    }
};

QTEST_MAIN(TestWayland)
#include "test_wayland.moc"

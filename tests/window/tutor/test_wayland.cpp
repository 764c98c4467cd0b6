#include "TestSupport.h"

// The tutor on a Wayland desktop, as the compositor shows it on the screen: beside the wizard,
// covering nothing of it. Run by scripts/with-wayland.sh in a headless sway session.
class TestWayland : public QObject {
    Q_OBJECT

    // Where the compositor shows this process's window: its content on the screen.
    static QRect shownAt(const QJsonObject& node) {
        if (node["pid"].toInt() == QCoreApplication::applicationPid()) {
            const QJsonObject at = node["rect"].toObject(), content = node["window_rect"].toObject();
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

private slots:
    void tutorBesideTheWizard() {
        if (!QGuiApplication::platformName().startsWith("wayland"))
            QSKIP("this test runs on a Wayland compositor: scripts/with-wayland.sh");
        TestSupport::Wizard wizard;
        wizard.walk("T");
        const QSize wizardSize(416, 287), tutorSize(130, 287); // 6240 and 1950 twips wide
        QRect window;
        QVERIFY(QTest::qWaitFor([&] {
            window = shownAt(QJsonDocument::fromJson(run("swaymsg", {"-t", "get_tree", "-r"})).object());
            return window.width() >= wizardSize.width() + tutorSize.width();
        }));
        QTest::qWait(200); // the compositor shows the window's last frame
        const QString file = QDir::temp().filePath("tessel-wayland.png");
        run("grim", {file});
        const QImage screen(file);
        // The wizard whole, as it draws itself, and the tutor's light yellow to its right.
        QCOMPARE(screen.copy(QRect(window.topLeft(), wizardSize)).convertToFormat(QImage::Format_RGB32),
                 wizard.form.grab(QRect(QPoint(), wizardSize)).toImage().convertToFormat(QImage::Format_RGB32));
        const QRect tutor(window.topLeft() + QPoint(window.width() - tutorSize.width(), 0), tutorSize);
        QCOMPARE(screen.pixelColor(tutor.topLeft() + QPoint(4, 4)), QColor(255, 255, 192));
    }
};

QTEST_MAIN(TestWayland)
#include "test_wayland.moc"

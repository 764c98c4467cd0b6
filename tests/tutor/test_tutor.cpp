#include "TestSupport.h"

using TestSupport::Wizard;

// The tutor's texts, where its window stands, and what its closing does.
class TestTutor : public QObject {
    Q_OBJECT

    static int visibleWindows() {
        int shown = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            shown += widget->isVisible() ? 1 : 0;
        return shown;
    }

private slots:
    void textsFollowTheSteps() {
        const QStringList texts =
            QString(TestData::read(TestData::path("tutor-texts.txt"))).split('\n');
        Wizard wizard;
        QStringList seen;
        for (const QChar key : QString("T>>><")) {
            wizard.walk(key);
            seen.append(wizard.form.formTutor()->lblTutor->text());
        }
        QCOMPARE(seen, (QStringList{texts[0], texts[1], texts[1], texts[2], texts[1]}));
        QLabel* label = wizard.form.formTutor()->lblTutor; // fits, whatever font stands in
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
    }

    void placement_data() {
        QTest::addColumn<QPoint>("mainAt");
        QTest::newRow("near the origin") << QPoint(0, 0);
        QTest::newRow("far right, not clamped") << QPoint(5000, 40);
    }

    void placement() {
        QFETCH(QPoint, mainAt);
        Wizard wizard;
        wizard.form.move(mainAt);
        wizard.walk("T");
        const auto beside = [&] {
            const QRect main = wizard.form.frameGeometry();
            return QRect(main.right() + 2, main.top(), 130, main.height()); // 20 and 1950 twips
        };
        FormTutor* tutor = wizard.form.formTutor();
        QCOMPARE(tutor->frameGeometry(), beside());
        QCOMPARE(tutor->lblTutor->geometry(), QRect(8, 8, 130 - 16, beside().height() - 16));
        QCOMPARE(tutor->grab().toImage().pixelColor(2, 2), QColor(255, 255, 192));
        QCOMPARE(tutor->parentWidget(), nullptr); // no owner
        // Moving the main window leaves the tutor until the next step places it anew.
        const QRect before = tutor->frameGeometry();
        wizard.form.move(mainAt + QPoint(40, 30));
        QCOMPARE(tutor->frameGeometry(), before);
        wizard.walk(">");
        QCOMPARE(tutor->frameGeometry(), beside());
    }

    void closing() {
        Wizard wizard;
        wizard.walk("T");
        QVERIFY(QTest::qWaitForWindowActive(wizard.form.formTutor()));
        // Closed through its frame, the program is not told: the next step shows it again,
        // and Tutor then switches it off without showing anything.
        QVERIFY(wizard.form.formTutor()->close() && wizard.state().bTutor);
        QCOMPARE(wizard.walk(">"), QStringList("1 EN->-AT 1 T"));
        wizard.form.formTutor()->close();
        wizard.walk("T");
        QVERIFY(!wizard.state().bTutor && visibleWindows() == 1);
        // Closing the main window takes the tutor with it.
        wizard.walk("T");
        QVERIFY(wizard.form.close() && visibleWindows() == 0);
    }
};

QTEST_MAIN(TestTutor)
#include "test_tutor.moc"

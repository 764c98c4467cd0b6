#include "TestSupport.h"

#include "forms/FormTutor.h"

#include <QLabel>

using TestSupport::Wizard;

// The tutor's texts, where its window stands, and how it is switched on and off.
class TestTutor : public QObject {
    Q_OBJECT

    static int visibleWindows() {
        int shown = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            shown += widget->isVisible() ? 1 : 0;
        return shown;
    }

    static QString text(const Wizard& wizard) { return wizard.form.formTutor()->lblTutor->text(); }

private slots:
    void textsFollowTheSteps() {
        QFile file(TestSupport::fixture("tutor-texts.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList texts = QString::fromUtf8(file.readAll()).split('\n');
        Wizard wizard;
        wizard.step(6);
        QStringList seen{text(wizard)};
        for (int i = 0; i < 4; ++i)
            seen.append((wizard.step(i < 3 ? 3 : 2), text(wizard)));
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
        wizard.step(6);
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
        wizard.next();
        QCOMPARE(tutor->frameGeometry(), beside());
    }

    void switchingOff() {
        Wizard wizard;
        wizard.step(6);
        QVERIFY(QTest::qWaitForWindowActive(wizard.form.formTutor()));
        for (const int button : {6, 5, 1}) { // Tutor, About and New switch it off
            if (button != 6)
                wizard.step(6);
            wizard.step(button);
            QVERIFY(!wizard.state().bTutor && !wizard.form.formTutor() && visibleWindows() == 1);
            if (button == 5)
                Wizard::click(wizard.form.ui.cmdOk);
        }
        // Closed through its frame, the program is not told: the next step shows it again,
        // and Tutor then switches it off without showing anything.
        wizard.step(6);
        QVERIFY(wizard.form.formTutor()->close() && wizard.state().bTutor);
        wizard.next();
        QVERIFY(wizard.form.formTutor()->isVisible());
        wizard.form.formTutor()->close();
        wizard.step(6);
        QVERIFY(!wizard.state().bTutor && visibleWindows() == 1);
        // Closing the main window takes the tutor with it.
        wizard.step(6);
        QVERIFY(wizard.form.close() && visibleWindows() == 0);
    }
};

TESSEL_TEST_MAIN(TestTutor)
#include "test_tutor.moc"

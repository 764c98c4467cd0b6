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
        const QString b10(10, ' ');
        const QString menuType =
            "First, select the Type of menu to create - up/down (vertical) or left/right "
            "(horizontal)." +
            b10 + "Then select the number of buttons to create." + b10 +
            "press the Next>> button to goto the next step." + QString(5, ' ') +
            "press the Tutor button again to turn this tutor off.";
        const QString button =
            "First, press the top Select button to open image for main button display." + b10 +
            "Then press the bottom Select button to open image file to display when mouse "
            "passes over button." +
            QString(6, ' ') +
            "Now enter Page to open when button is selected (ie. www.example.com)." + b10 +
            "If link is to be loaded into a frame, enter the Frame Name (ie. Frame1) in the "
            "bottom box." +
            b10 + "Press the Next>> button to continue." + b10 +
            "Press the Tutor button again to turn this tutor off.";
        const QString fileName = "First, enter a Filename to save the animated button menu as." +
                                 b10 + "Then select the extension for the file." + b10 +
                                 "Press the Finish button to write the file." + b10 +
                                 "Press the Tutor button again to turn this tutor off.";
        Wizard wizard;
        wizard.step(6);
        QStringList seen{text(wizard)};
        for (int i = 0; i < 4; ++i)
            seen.append((wizard.step(i < 3 ? 3 : 2), text(wizard)));
        QCOMPARE(seen, (QStringList{menuType, button, button, fileName, button}));
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

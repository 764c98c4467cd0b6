#include "TestSupport.h"

#include "forms/FormTutor.h"
#include "tutor/TutorTexts.h"

#include <QLabel>
#include <QPushButton>

// The tutor's texts, where its window stands, and how it is switched on and off.
class TestTutor : public QObject {
    Q_OBJECT

    static QList<QWidget*> visibleWindows() {
        QList<QWidget*> shown;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible())
                shown.append(widget);
        return shown;
    }

private slots:
    void texts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString b10(10, ' ');
        QTest::newRow("step 0")
            << TutorTexts::menuTypePage()
            << "First, select the Type of menu to create - up/down (vertical) or left/right "
               "(horizontal)." +
                   b10 + "Then select the number of buttons to create." + b10 +
                   "press the Next>> button to goto the next step." + QString(5, ' ') +
                   "press the Tutor button again to turn this tutor off.";
        QTest::newRow("button")
            << TutorTexts::buttonPage()
            << "First, press the top Select button to open image for main button display." + b10 +
                   "Then press the bottom Select button to open image file to display when "
                   "mouse passes over button." +
                   QString(6, ' ') +
                   "Now enter Page to open when button is selected (ie. www.example.com)." + b10 +
                   "If link is to be loaded into a frame, enter the Frame Name (ie. Frame1) in "
                   "the bottom box." +
                   b10 + "Press the Next>> button to continue." + b10 +
                   "Press the Tutor button again to turn this tutor off.";
        QTest::newRow("file name")
            << TutorTexts::fileNamePage()
            << "First, enter a Filename to save the animated button menu as." + b10 +
                   "Then select the extension for the file." + b10 +
                   "Press the Finish button to write the file." + b10 +
                   "Press the Tutor button again to turn this tutor off.";
    }

    void texts() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
        QVERIFY(!text.startsWith(' ') && !text.endsWith(' '));
    }

    void textLengths() {
        QCOMPARE(TutorTexts::menuTypePage().size(), 256);
        QCOMPARE(TutorTexts::fileNamePage().size(), 223);
    }

    void placement_data() {
        QTest::addColumn<QPoint>("mainAt");
        QTest::newRow("near the origin") << QPoint(0, 0);
        QTest::newRow("moved") << QPoint(300, 120);
        QTest::newRow("far right, not clamped") << QPoint(5000, 40);
    }

    void placement() {
        QFETCH(QPoint, mainAt);
        Form1 form;
        form.move(mainAt);
        form.show();
        form.UpdateTutor();
        const QRect main = form.frameGeometry();
        FormTutor* tutor = form.formTutor();
        QVERIFY(tutor != nullptr && tutor->isVisible());
        const QRect placed = tutor->frameGeometry();
        QCOMPARE(placed.top(), main.top());
        QCOMPARE(placed.left(), main.left() + main.width() + 1); // 20 twips
        QCOMPARE(placed.width(), 130);                           // 1950 twips
        QCOMPARE(placed.height(), main.height());
        QCOMPARE(tutor->lblTutor->geometry(), QRect(8, 8, 130 - 16, main.height() - 16));
        QCOMPARE(tutor->palette().color(QPalette::Window), QColor(255, 255, 192));
        QCOMPARE(tutor->lblTutor->text(), TutorTexts::menuTypePage());
        QCOMPARE(tutor->parentWidget(), nullptr); // no owner
        QVERIFY(tutor->windowTitle().isEmpty());
    }

    void staysUntilRefreshedAfterTheMainWindowMoves() {
        Form1 form;
        form.move(10, 10);
        form.show();
        form.ui.cmdStep(6)->click();
        const QRect before = form.formTutor()->frameGeometry();
        form.move(200, 100);
        QCOMPARE(form.formTutor()->frameGeometry(), before);
        form.UpdateTutor();
        QCOMPARE(form.formTutor()->frameGeometry().topLeft(),
                 QPoint(form.frameGeometry().right() + 2, form.frameGeometry().top()));
    }

    void tutorButtonSwitches() {
        Form1 form;
        form.show();
        QPushButton* tutorButton = form.ui.cmdStep(6);
        tutorButton->click();
        QVERIFY(form.bTutor);
        QVERIFY(form.formTutor()->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(form.formTutor()));
        tutorButton->click();
        QVERIFY(!form.bTutor);
        QCOMPARE(form.formTutor(), nullptr);
        QCOMPARE(visibleWindows(), QList<QWidget*>{&form});
        // The step buttons are recomputed after the switch.
        form.ui.cmdStep(4)->setEnabled(true);
        tutorButton->click();
        QVERIFY(!form.ui.cmdStep(4)->isEnabled());
        // A fresh window each time, with the text of the step now current.
        form.ui.cmdStep(6)->click();
        form.iStep = 2;
        form.ui.cmdStep(6)->click();
        QCOMPARE(form.formTutor()->lblTutor->text(), TutorTexts::fileNamePage());
    }

    void everyTextFitsTheWindow() {
        Form1 form;
        form.show();
        for (const qint16 step : {0, 1, 2}) {
            form.iStep = step;
            form.UpdateTutor();
            QLabel* label = form.formTutor()->lblTutor;
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(label->text()));
        }
    }

    void endTutorWhenNeverShown() {
        Form1 form;
        form.bTutor = true;
        form.EndTutor();
        QVERIFY(!form.bTutor);
        QCOMPARE(form.formTutor(), nullptr);
        QVERIFY(visibleWindows().isEmpty());
    }

    void closingTheTutorThroughItsFrame() {
        Form1 form;
        form.show();
        form.ui.cmdStep(6)->click();
        QVERIFY(form.formTutor()->close());
        QVERIFY(form.bTutor); // the program is not told
        QVERIFY(!form.formTutor()->isVisible());
        // Tutor in that state switches off without showing anything.
        form.ui.cmdStep(6)->click();
        QVERIFY(!form.bTutor);
        QCOMPARE(visibleWindows(), QList<QWidget*>{&form});
    }

    void closingTheMainWindowClosesTheTutor() {
        Form1 form;
        form.show();
        form.ui.cmdStep(6)->click();
        QCOMPARE(visibleWindows().size(), 2);
        QVERIFY(form.close());
        QVERIFY(visibleWindows().isEmpty());
    }
};

TESSEL_TEST_MAIN(TestTutor)
#include "test_tutor.moc"

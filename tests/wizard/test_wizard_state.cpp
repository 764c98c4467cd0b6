#include "TestSupport.h"

#include "forms/FormTutor.h"
#include "forms/ImageBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

// Start-up, the reset to a new menu and the rule that enables Back, Next and Finish.
class TestWizardState : public QObject {
    Q_OBJECT

private slots:
    void startUp() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));

        QCOMPARE(TestSupport::pageInFront(form), 0);
        QCOMPARE(TestSupport::enabledSteps(form), TestSupport::steps(false, true, false));
        QCOMPARE(QApplication::focusWidget(), form.ui.cmdStep(3));
        QCOMPARE(form.formTutor(), nullptr);
        QVERIFY(!form.bTutor);

        QCOMPARE(form.iStep, qint16(0));
        QCOMPARE(form.iLastStep, qint16(2));
        QVERIFY(form.bNewMenu);

        QVERIFY(form.ui.optMenuType(0)->isChecked());
        QCOMPARE(form.ui.HScroll1->value(), 2);
        QCOMPARE(form.ui.lblNumberOfButtons->text(), QString("2"));
        QVERIFY(form.ui.txtButtonLinks->text().isEmpty());
        QVERIFY(form.ui.txtFrameName->text().isEmpty());
        QCOMPARE(form.ui.txtFileName->text(), QString("Tessel"));
        QVERIFY(form.ui.optExtension(0)->isChecked());
        for (const int index : form.ui.imgButtons.indexes())
            QVERIFY(form.ui.imgButtons(index)->picture().isNull());
    }

    void onlyTheFrontPageIsVisible_data() {
        QTest::addColumn<int>("raised");
        for (int i = 0; i < 5; ++i)
            QTest::addRow("picStep(%d)", i) << i;
    }

    void onlyTheFrontPageIsVisible() {
        QFETCH(int, raised);
        Form1 form;
        form.show();
        form.ui.picStep(raised)->raise();
        QCOMPARE(TestSupport::pageInFront(form), raised);
        // The strip above and the row below stay reachable whatever page is up.
        for (const int index : {0, 1, 2, 3, 4, 5, 6}) {
            QPushButton* button = form.ui.cmdStep(index);
            QCOMPARE(form.childAt(button->geometry().center()), button);
        }
    }

    void enableRule_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("step");
        QTest::addColumn<bool>("back");
        QTest::addColumn<bool>("next");
        QTest::addColumn<bool>("finish");
        for (const int n : {1, 3, 1000}) {
            QTest::addRow("N=%d step 0", n) << n << 0 << false << true << false;
            QTest::addRow("N=%d step 1", n) << n << 1 << false << true << false;
            for (const int step : {2, n / 2 + 1, n}) {
                if (step >= 2 && step <= n)
                    QTest::addRow("N=%d step %d", n, step) << n << step << true << true << false;
            }
            QTest::addRow("N=%d last step", n) << n << n + 1 << true << false << true;
        }
    }

    void enableRule() {
        QFETCH(int, buttons);
        QFETCH(int, step);
        QFETCH(bool, back);
        QFETCH(bool, next);
        QFETCH(bool, finish);
        Form1 form;
        form.iLastStep = qint16(buttons + 1);
        form.iStep = qint16(step);
        form.Check_iStep();
        QCOMPARE(form.iStepButtons(2), back);
        QCOMPARE(form.iStepButtons(3), next);
        QCOMPARE(form.iStepButtons(4), finish);
        QCOMPARE(form.ui.cmdStep(2)->isEnabled(), back);
        QCOMPARE(form.ui.cmdStep(3)->isEnabled(), next);
        QCOMPARE(form.ui.cmdStep(4)->isEnabled(), finish);
    }

    void enableRuleLeavesTheOtherButtonsAlone_data() {
        QTest::addColumn<bool>("state");
        QTest::newRow("disabled beforehand") << false;
        QTest::newRow("enabled beforehand") << true;
    }

    void enableRuleLeavesTheOtherButtonsAlone() {
        QFETCH(bool, state);
        Form1 form;
        for (const int index : {0, 1, 5, 6})
            form.ui.cmdStep(index)->setEnabled(state);
        form.iLastStep = 4;
        for (qint16 step = 0; step <= 4; ++step) {
            form.iStep = step;
            form.Check_iStep();
            form.Manipulate_Buttons();
            for (const int index : {0, 1, 5, 6})
                QCOMPARE(form.ui.cmdStep(index)->isEnabled(), state);
        }
    }

    void resetReturnsToStepZero() {
        Form1 form;
        form.show();
        form.iStep = 3;
        form.iLastStep = 4;
        form.bNewMenu = false;
        form.sFileName = "kept";
        form.ui.picStep(2)->raise();
        form.ui.cmdStep(6)->click(); // tutor on
        QVERIFY(form.bTutor);
        QVERIFY(form.formTutor() != nullptr);
        form.ui.optMenuType(1)->setChecked(true);

        form.Initialize_New();

        QCOMPARE(form.iStep, qint16(0));
        QCOMPARE(form.iLastStep, qint16(2));
        QVERIFY(form.bNewMenu);
        QVERIFY(!form.bTutor);
        QCOMPARE(form.formTutor(), nullptr);
        QCOMPARE(TestSupport::pageInFront(form), 0);
        QCOMPARE(TestSupport::enabledSteps(form), TestSupport::steps(false, true, false));
        // The reset touches the state it names and nothing else.
        QCOMPARE(form.sFileName, QString("kept"));
        QVERIFY(form.ui.optMenuType(1)->isChecked());
        QCOMPARE(form.iStepButtons.lowerBound(), qint16(2));
        QCOMPARE(form.iStepButtons.upperBound(), qint16(4));
    }
};

TESSEL_TEST_MAIN(TestWizardState)
#include "test_wizard_state.moc"

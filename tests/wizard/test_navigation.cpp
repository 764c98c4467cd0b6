#include "TestSupport.h"

#include "forms/FormTutor.h"
#include "generator/MenuPage.h"
#include "tutor/TutorTexts.h"

#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>

using TestSupport::click;
using TestSupport::enabledSteps;
using TestSupport::pageInFront;
using TestSupport::type;

// Walking the wizard with its buttons: what each click stores, shows and enables.
class TestNavigation : public QObject {
    Q_OBJECT

    const TestSupport::WorkingFolder work_;

    static void next(Form1& form) { click(form.ui.cmdStep(3)); }
    static void back(Form1& form) { click(form.ui.cmdStep(2)); }

    static void startMenu(Form1& form, int count, bool vertical) {
        click(form.ui.optMenuType(vertical ? 0 : 1));
        TestSupport::chooseButtonCount(form, count);
        next(form);
    }

private slots:
    void completeRoad() {
        Form1 form;
        QStringList messages;
        TestSupport::recordMessages(form, &messages);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        startMenu(form, 3, true);
        QCOMPARE(form.iNumberOfButtons, qint16(3));
        QCOMPARE(form.iLastStep, qint16(4));
        QCOMPARE(form.iMenuType, qint16(1));
        QCOMPARE(pageInFront(form), 1);
        QCOMPARE(form.ui.lblButtonNumber->text(), QString(" 1"));
        QCOMPARE(enabledSteps(form), TestSupport::steps(false, true, false));
        QVERIFY(form.ui.txtButtonLinks->text().isEmpty());

        type(form.ui.txtButtonLinks, "  index.html  ");
        next(form);
        QCOMPARE(form.ui.lblButtonNumber->text(), QString(" 2"));
        QCOMPARE(enabledSteps(form), TestSupport::steps(true, true, false));
        QVERIFY(form.ui.txtButtonLinks->text().isEmpty());
        type(form.ui.txtButtonLinks, " news.html");
        type(form.ui.txtFrameName, "  main ");
        next(form);
        type(form.ui.txtButtonLinks, "typed, then left with Back");

        back(form); // to button 2: its stored, trimmed entries
        QCOMPARE(form.ui.lblButtonNumber->text(), QString(" 2"));
        QCOMPARE(form.ui.txtButtonLinks->text(), QString("news.html"));
        QCOMPARE(form.ui.txtFrameName->text(), QString("main"));
        type(form.ui.txtFrameName, "changed, then left with Back");
        back(form);
        QCOMPARE(enabledSteps(form), TestSupport::steps(false, true, false));
        QCOMPARE(form.ui.txtButtonLinks->text(), QString("index.html"));
        QCOMPARE(form.ui.txtFrameName->text(), QString());
        next(form);
        QCOMPARE(form.ui.txtFrameName->text(), QString("main"));
        next(form);
        QCOMPARE(form.ui.txtButtonLinks->text(), QString()); // the Back dropped it
        type(form.ui.txtButtonLinks, "contact.html ");
        type(form.ui.txtFrameName, " _top");
        next(form);

        QCOMPARE(pageInFront(form), 2);
        QCOMPARE(form.ui.lblButtonNumber->text(), QString(" 4"));
        QCOMPARE(enabledSteps(form), TestSupport::steps(true, false, true));
        type(form.ui.txtFileName, "  road  ");
        click(form.ui.cmdStep(4));
        QCOMPARE(messages, QStringList());

        Menu expected;
        expected.buttons = {{"", "", "index.html", ""},
                            {"", "", "news.html", "main"},
                            {"", "", "contact.html", "_top"}};
        QCOMPARE(TestSupport::readFile("road.html"), MenuPage::text(expected));
        QCOMPARE(pageInFront(form), 3);
        QCOMPARE(enabledSteps(form), TestSupport::steps(false, false, false));

        // New: step 0 again, showing the last choices; the next menu starts empty.
        click(form.ui.cmdStep(1));
        QCOMPARE(pageInFront(form), 0);
        QCOMPARE(enabledSteps(form), TestSupport::steps(false, true, false));
        QVERIFY(form.ui.optMenuType(0)->isChecked());
        QCOMPARE(form.ui.lblNumberOfButtons->text(), QString("3"));
        QCOMPARE(form.ui.lblButtonNumber->text(), QString(" 4")); // untouched by New
        startMenu(form, 1, false);
        QCOMPARE(form.iNumberOfButtons, qint16(1));
        QCOMPARE(form.iMenuType, qint16(2));
        QVERIFY(form.ui.txtButtonLinks->text().isEmpty());
        QVERIFY(form.ui.txtFrameName->text().isEmpty());
        QCOMPARE(form.sLink.size(), 1);
        type(form.ui.txtButtonLinks, "solo.html");
        next(form);
        QCOMPARE(enabledSteps(form), TestSupport::steps(true, false, true));
        type(form.ui.txtFileName, "solo");
        click(form.ui.optExtension(1));
        click(form.ui.cmdStep(4));
        Menu solo;
        solo.iMenuType = 2;
        solo.buttons = {{"", "", "solo.html", ""}};
        QCOMPARE(TestSupport::readFile("solo.htm"), MenuPage::text(solo));
    }

    void afterFinish() {
        Form1 form;
        form.show();
        startMenu(form, 2, true);
        next(form);
        next(form);
        type(form.ui.txtFileName, "again");
        click(form.ui.cmdStep(4));
        const QByteArray first = TestSupport::readFile("again.html");
        QVERIFY(!first.isEmpty());
        QCOMPARE(enabledSteps(form), TestSupport::steps(false, false, false));

        click(form.ui.cmdStep(6)); // Tutor recomputes: the step is still the file-name step
        QCOMPARE(enabledSteps(form), TestSupport::steps(true, false, true));
        QCOMPARE(pageInFront(form), 3);
        QCOMPARE(form.formTutor()->lblTutor->text(), TutorTexts::fileNamePage());
        QVERIFY(QFile::remove("again.html"));
        click(form.ui.cmdStep(4));
        QCOMPARE(TestSupport::readFile("again.html"), first);
        QVERIFY(!form.bTutor);

        click(form.ui.cmdStep(5));
        click(form.ui.cmdOk);
        QCOMPARE(pageInFront(form), 3);
        QCOMPARE(enabledSteps(form), TestSupport::steps(true, false, true));
        back(form);
        QCOMPARE(pageInFront(form), 1);
        QCOMPARE(form.ui.lblButtonNumber->text(), QString(" 2"));
    }

    void aboutAndOkRestoreThePage_data() {
        QTest::addColumn<int>("nexts");
        QTest::addColumn<bool>("finish");
        QTest::addColumn<int>("page");
        QTest::addColumn<QList<bool>>("restored");
        QTest::newRow("step 0") << 0 << false << 0 << TestSupport::steps(false, true, false);
        QTest::newRow("first button") << 1 << false << 1 << TestSupport::steps(false, true, false);
        QTest::newRow("second button") << 2 << false << 1 << TestSupport::steps(true, true, false);
        QTest::newRow("file name") << 3 << false << 2 << TestSupport::steps(true, false, true);
        QTest::newRow("finish page") << 3 << true << 3 << TestSupport::steps(true, false, true);
    }

    void aboutAndOkRestoreThePage() {
        QFETCH(int, nexts);
        QFETCH(bool, finish);
        QFETCH(int, page);
        QFETCH(QList<bool>, restored);
        Form1 form;
        form.show();
        for (int i = 0; i < nexts; ++i)
            next(form);
        if (finish)
            click(form.ui.cmdStep(4));
        click(form.ui.cmdStep(6)); // tutor on
        const qint16 step = form.iStep;

        click(form.ui.cmdStep(5));
        QCOMPARE(pageInFront(form), 4);
        QCOMPARE(enabledSteps(form), QList<bool>(7, false));
        QVERIFY(!form.bTutor);
        QCOMPARE(form.formTutor(), nullptr);

        click(form.ui.cmdOk);
        QCOMPARE(pageInFront(form), page);
        QCOMPARE(enabledSteps(form), restored);
        QCOMPARE(form.iStep, step);
        QVERIFY(!form.bTutor); // OK does not bring the tutor back
        click(form.ui.cmdStep(6));
        QVERIFY(form.formTutor()->isVisible());
    }

    void tutorFollowsTheSteps_data() {
        QTest::addColumn<int>("count");
        QTest::newRow("one button") << 1;
        QTest::newRow("three buttons") << 3;
    }

    void tutorFollowsTheSteps() {
        QFETCH(int, count);
        Form1 form;
        form.show();
        TestSupport::chooseButtonCount(form, count);
        click(form.ui.cmdStep(6));
        const auto shown = [&] { return form.formTutor()->lblTutor->text(); };
        QCOMPARE(shown(), TutorTexts::menuTypePage());
        for (int step = 1; step <= count; ++step) {
            next(form);
            QCOMPARE(shown(), TutorTexts::buttonPage());
        }
        next(form);
        QCOMPARE(shown(), TutorTexts::fileNamePage());
        back(form);
        QCOMPARE(shown(), TutorTexts::buttonPage());
        // A refresh places the window beside the main window again.
        form.move(form.pos() + QPoint(40, 30));
        next(form);
        QCOMPARE(form.formTutor()->frameGeometry().top(), form.frameGeometry().top());

        click(form.ui.cmdStep(4)); // Finish switches it off
        QVERIFY(!form.bTutor && form.formTutor() == nullptr);
        click(form.ui.cmdStep(6));
        click(form.ui.cmdStep(5)); // and About
        QVERIFY(!form.bTutor && form.formTutor() == nullptr);
        click(form.ui.cmdOk);
        click(form.ui.cmdStep(6));
        click(form.ui.cmdStep(1)); // and New
        QVERIFY(!form.bTutor && form.formTutor() == nullptr);
    }

    void exitClosesEveryWindow() {
        Form1 form;
        form.show();
        click(form.ui.cmdStep(6));
        click(form.ui.cmdStep(0));
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY(!window->isVisible());
    }

    void closedTutorComesBackWithNext() {
        Form1 form;
        form.show();
        click(form.ui.cmdStep(6));
        form.formTutor()->close();
        next(form);
        QVERIFY(form.formTutor()->isVisible());
        QCOMPARE(form.formTutor()->lblTutor->text(), TutorTexts::buttonPage());
    }

    void newFixesTheMenuAfresh() {
        Form1 form;
        form.show();
        startMenu(form, 2, false);
        type(form.ui.txtButtonLinks, "first.html");
        next(form);
        click(form.ui.cmdStep(1));
        QVERIFY(form.bNewMenu);
        QCOMPARE(form.iLastStep, qint16(2));
        QVERIFY(form.ui.optMenuType(1)->isChecked());
        next(form);
        QCOMPARE(form.iMenuType, qint16(2));
        QCOMPARE(form.sLink(1), QString());
        QVERIFY(form.ui.txtButtonLinks->text().isEmpty());
    }
};

TESSEL_TEST_MAIN(TestNavigation)
#include "test_navigation.moc"

#include "TestSupport.h"

#include "forms/FormTutor.h"
#include "generator/MenuPage.h"
#include "wizard/Blanks.h"

#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

using TestSupport::Wizard;

// Walking the wizard with its buttons: what each click stores, shows, enables and writes.
class TestWizard : public QObject {
    Q_OBJECT

    const TestSupport::WorkingFolder work_;

    // Where the user stands: the page in front, the step buttons and the button number.
    static QString where(const Wizard& wizard) {
        return QString("%1 %2%3").arg(wizard.page()).arg(wizard.steps(),
                                                          wizard.form.ui.lblButtonNumber->text());
    }

private slots:
    void startUp() {
        Wizard wizard;
        QCOMPARE(where(wizard), QString("0 EN-N-AT00"));
        QCOMPARE(QApplication::focusWidget(), wizard.form.ui.cmdStep(3));
        QCOMPARE(wizard.form.formTutor(), nullptr);
        QCOMPARE(wizard.form.ui.HScroll1->value(), 2);
    }

    void trimsBlanksOnly_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("none") << "a" << "a";
        QTest::newRow("leading") << "  a" << "a";
        QTest::newRow("trailing") << "a   " << "a";
        QTest::newRow("inside kept") << " a  b " << "a  b";
        QTest::newRow("tab kept") << "\ta \t" << "\ta \t";
        QTest::newRow("all blank") << "    " << "";
    }

    void trimsBlanksOnly() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QCOMPARE(trimBlanks(typed), kept);
    }

    void enableRule_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QStringList>("road");
        QTest::newRow("one button") << 1 << QStringList{"1 EN-N-AT 1", "2 ENB-FAT 2", "1 EN-N-AT 1"};
        QTest::newRow("three buttons")
            << 3
            << QStringList{"1 EN-N-AT 1", "1 ENBN-AT 2", "1 ENBN-AT 3", "2 ENB-FAT 4",
                           "1 ENBN-AT 3", "1 ENBN-AT 2", "1 EN-N-AT 1"};
    }

    void enableRule() {
        QFETCH(int, buttons);
        QFETCH(QStringList, road);
        Wizard wizard;
        wizard.startMenu(buttons);
        QStringList walked{where(wizard)};
        for (int i = 0; i < buttons; ++i)
            walked.append((wizard.next(), where(wizard)));
        for (int i = 0; i < buttons; ++i)
            walked.append((wizard.back(), where(wizard)));
        QCOMPARE(walked, road);
        QCOMPARE(wizard.state().iLastStep, qint16(buttons + 1));
    }

    void completeRoad() {
        Wizard wizard;
        auto& ui = wizard.form.ui;
        wizard.startMenu(3);
        wizard.choose(0, work_.picture("red.bmp", "site/home.bmp"));
        wizard.choose(1, work_.picture("spin.gif", "site/home2.gif"));
        Wizard::type(ui.txtButtonLinks, "  index.html  ");
        wizard.next();
        QVERIFY(ui.txtButtonLinks->text().isEmpty());
        Wizard::type(ui.txtButtonLinks, " news.html");
        Wizard::type(ui.txtFrameName, "  main ");
        wizard.next();
        Wizard::type(ui.txtButtonLinks, "typed, then left with Back");
        wizard.back();
        QCOMPARE(ui.txtButtonLinks->text(), QString("news.html"));
        QCOMPARE(ui.txtFrameName->text(), QString("main"));
        Wizard::type(ui.txtFrameName, "changed, then left with Back");
        wizard.back();
        QCOMPARE(ui.txtButtonLinks->text(), QString("index.html"));
        wizard.next();
        wizard.next();
        QVERIFY(ui.txtButtonLinks->text().isEmpty()); // the Back dropped it
        wizard.choose(0, work_.picture("green.gif", "site/c.gif"));
        Wizard::type(ui.txtButtonLinks, "contact.html ");
        Wizard::type(ui.txtFrameName, " my frame");
        wizard.next();
        Wizard::type(ui.txtFileName, "  road  ");
        wizard.step(4);
        QCOMPARE(wizard.messages->warnings, QStringList());

        Menu expected;
        expected.buttons = {{"home.bmp", "home2.gif", "index.html", ""},
                            {"", "", "news.html", "main"},
                            {"c.gif", "", "contact.html", "my frame"}};
        // A bare name lands beside the picture chosen last.
        const QString page = work_.filePath("site/road.html");
        QCOMPARE(TestSupport::readFile(page), MenuPage::text(expected));
        QCOMPARE(where(wizard), QString("3 EN---AT 4"));
        QCOMPARE(ui.lblFileName->text(), QString("road"));
        QCOMPARE(ui.lblFileName->toolTip(), page);

        // New: step 0 again with the last choices shown; the next menu starts empty.
        wizard.step(1);
        QCOMPARE(where(wizard), QString("0 EN-N-AT 4"));
        QCOMPARE(ui.lblNumberOfButtons->text(), QString("3"));
        wizard.startMenu(1, false);
        QVERIFY(ui.txtButtonLinks->text().isEmpty() && ui.txtFrameName->text().isEmpty());
        Wizard::type(ui.txtButtonLinks, "solo.html");
        wizard.next();
        Wizard::type(ui.txtFileName, "solo");
        Wizard::click(ui.optExtension(1));
        wizard.step(4);
        Menu solo;
        solo.iMenuType = 2;
        solo.buttons = {{"", "", "solo.html", ""}};
        QCOMPARE(TestSupport::readFile(work_.filePath("site/solo.htm")), MenuPage::text(solo));
    }

    void finish_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("htm");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("warning");
        QTest::newRow("unchanged") << "Tessel" << false << "Tessel.html" << "";
        QTest::newRow("htm") << "Tessel" << true << "Tessel.htm" << "";
        QTest::newRow("into a folder") << "sub/menu" << true << "sub/menu.htm" << "";
        QTest::newRow("empty") << "" << false << "" << "enter a name";
        QTest::newRow("blanks") << "   " << false << "" << "enter a name";
        QTest::newRow("missing folder") << "nowhere/m" << false << "" << "nowhere/m.html\n\nNo such";
        QTest::newRow("folder in the way") << "taken" << false << "" << "taken.html\n\na folder";
    }

    void finish() {
        QFETCH(QString, typed);
        QFETCH(bool, htm);
        QFETCH(QString, file);
        QFETCH(QString, warning);
        const TestSupport::WorkingFolder here;
        QVERIFY(QDir().mkdir("sub") && QDir().mkdir("taken.html"));
        Wizard wizard;
        wizard.startMenu(1);
        Wizard::type(wizard.form.ui.txtButtonLinks, "a.html");
        wizard.next();
        Wizard::type(wizard.form.ui.txtFileName, typed);
        Wizard::click(wizard.form.ui.optExtension(htm ? 1 : 0));
        wizard.step(4);
        if (file.isEmpty()) {
            QCOMPARE(wizard.messages->warnings.size(), 1);
            QVERIFY2(wizard.messages->warnings.first().contains(warning),
                     qPrintable(wizard.messages->warnings.first()));
            QCOMPARE(QDir().entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                     (QStringList{"sub", "taken.html"}));
            QCOMPARE(where(wizard), QString("2 ENB-FAT 2"));
            return;
        }
        Menu menu;
        menu.buttons = {{"", "", "a.html", ""}};
        QCOMPARE(TestSupport::readFile(file), MenuPage::text(menu));
        QCOMPARE(wizard.form.ui.lblFileName->text(), typed);
        QCOMPARE(wizard.form.ui.lblFileName->toolTip(), here.filePath(file));
        QCOMPARE(where(wizard), QString("3 EN---AT 2"));
    }

    void afterFinish() {
        const TestSupport::WorkingFolder here;
        Wizard wizard;
        wizard.startMenu(2);
        wizard.next();
        wizard.next();
        wizard.step(4);
        const QByteArray first = TestSupport::readFile("Tessel.html");
        QVERIFY(!first.isEmpty() && QFile::remove("Tessel.html"));
        wizard.step(6); // the Tutor recomputes: the step is still the file-name step
        QCOMPARE(where(wizard), QString("3 ENB-FAT 3"));
        wizard.step(4);
        QCOMPARE(TestSupport::readFile("Tessel.html"), first);
        QCOMPARE(wizard.form.formTutor(), nullptr);
        wizard.step(5);
        Wizard::click(wizard.form.ui.cmdOk);
        wizard.back();
        QCOMPARE(where(wizard), QString("1 ENBN-AT 2"));
    }

    void aboutAndOk_data() {
        QTest::addColumn<int>("nexts");
        QTest::addColumn<bool>("finish");
        QTest::addColumn<QString>("restored");
        QTest::newRow("step 0") << 0 << false << "0 EN-N-AT00";
        QTest::newRow("first button") << 1 << false << "1 EN-N-AT 1";
        QTest::newRow("second button") << 2 << false << "1 ENBN-AT 2";
        QTest::newRow("file name") << 3 << false << "2 ENB-FAT 3";
        QTest::newRow("finish page") << 3 << true << "3 ENB-FAT 3";
    }

    void aboutAndOk() {
        QFETCH(int, nexts);
        QFETCH(bool, finish);
        QFETCH(QString, restored);
        const TestSupport::WorkingFolder here;
        Wizard wizard;
        for (int i = 0; i < nexts; ++i)
            wizard.next();
        if (finish)
            wizard.step(4);
        wizard.step(6);
        wizard.step(5);
        QCOMPARE(wizard.page(), 4);
        QCOMPARE(wizard.steps(), QString("-------"));
        QCOMPARE(wizard.form.formTutor(), nullptr);
        Wizard::click(wizard.form.ui.cmdOk);
        QCOMPARE(where(wizard), restored);
        QVERIFY(!wizard.state().bTutor); // OK does not bring the tutor back
    }

    void exitClosesEveryWindow() {
        Wizard wizard;
        wizard.step(6);
        wizard.step(0);
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    }

    void tabWalk() {
        Wizard wizard;
        QStringList walked;
        for (int i = 0; i < 21; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(walked.join(' '),
                 QString("picStep(0) cmdStep(1) cmdStep(0) picStep(1) HScroll1 optMenuType(1) "
                         "cmdSelect(0) cmdSelect(1) picStep(2) txtFileName optExtension(0) "
                         "txtButtonLinks picStep(3) txtFrameName cmdStep(5) cmdStep(6) picStep(4) "
                         "cmdOk cmdStep(3) picStep(0) cmdStep(1)"));
    }
};

TESSEL_TEST_MAIN(TestWizard)
#include "test_wizard.moc"

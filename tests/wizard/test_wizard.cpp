#include "TestSupport.h"

#include "forms/FormTutor.h"
#include "generator/MenuPage.h"
#include "wizard/Blanks.h"

#include <QLabel>

using TestSupport::Wizard;

// Walking the wizard with its buttons: what each click stores, shows, enables and writes.
class TestWizard : public QObject {
    Q_OBJECT

    const TestSupport::WorkingFolder work_;

    static QByteArray page(const QList<MenuButton>& buttons, qint16 type = 1) {
        Menu menu;
        menu.iMenuType = type;
        menu.buttons = buttons;
        return MenuPage::text(menu);
    }

private slots:
    void startUp() {
        Wizard wizard;
        QCOMPARE(wizard.where(), QString("0 EN-N-AT00"));
        QCOMPARE(QApplication::focusWidget(), wizard.form.ui.cmdStep(3));
        QCOMPARE(wizard.form.ui.HScroll1->value(), 2);
    }

    void trimsBlanksOnly_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        for (const auto& [typed, kept] : {std::pair{"a", "a"},
                                          {"  a", "a"},
                                          {"a   ", "a"},
                                          {" a  b ", "a  b"},
                                          {"\ta \t", "\ta \t"},
                                          {"   ", ""}})
            QTest::addRow("'%s'", typed) << typed << kept;
    }

    void trimsBlanksOnly() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QCOMPARE(trimBlanks(typed), kept);
    }

    void enableRule_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QStringList>("road");
        QTest::newRow("one button")
            << 1 << QStringList{"1 EN-N-AT 1", "2 ENB-FAT 2", "1 EN-N-AT 1"};
        QTest::newRow("three buttons")
            << 3 << QStringList{"1 EN-N-AT 1", "1 ENBN-AT 2", "1 ENBN-AT 3", "2 ENB-FAT 4",
                                "1 ENBN-AT 3", "1 ENBN-AT 2", "1 EN-N-AT 1"};
    }

    void enableRule() {
        QFETCH(int, buttons);
        QFETCH(QStringList, road);
        Wizard wizard;
        wizard.startMenu(buttons);
        QStringList walked{wizard.where()};
        for (int i = 0; i < 2 * buttons; ++i)
            walked.append((i < buttons ? wizard.next() : wizard.back(), wizard.where()));
        QCOMPARE(walked, road);
    }

    void completeRoad() {
        Wizard wizard;
        auto& ui = wizard.form.ui;
        wizard.startMenu(3);
        wizard.choose(0, work_.picture("red.bmp", "site/home.bmp"));
        wizard.choose(1, work_.picture("spin.gif", "site/home2.gif"));
        Wizard::type(ui.txtButtonLinks, "  index.html  ");
        wizard.next();
        Wizard::type(ui.txtButtonLinks, " news.html");
        Wizard::type(ui.txtFrameName, "  main ");
        wizard.next();
        Wizard::type(ui.txtButtonLinks, "typed, then left with Back");
        wizard.back();
        QCOMPARE(ui.txtButtonLinks->text() + ui.txtFrameName->text(), QString("news.htmlmain"));
        Wizard::type(ui.txtFrameName, "changed, then left with Back");
        wizard.back();
        QCOMPARE(ui.txtButtonLinks->text() + ui.txtFrameName->text(), QString("index.html"));
        wizard.next();
        wizard.next();
        QCOMPARE(ui.txtButtonLinks->text(), QString()); // the Back dropped it
        wizard.choose(0, work_.picture("green.gif", "site/c.gif"));
        Wizard::type(ui.txtButtonLinks, "contact.html ");
        Wizard::type(ui.txtFrameName, " my frame");
        wizard.next();
        Wizard::type(ui.txtFileName, "  road  ");
        wizard.step(4);
        // A bare name lands beside the picture chosen last.
        QCOMPARE(TestSupport::readFile(work_.filePath("site/road.html")),
                 page({{"home.bmp", "home2.gif", "index.html", ""},
                       {"", "", "news.html", "main"},
                       {"c.gif", "", "contact.html", "my frame"}}));
        QCOMPARE(wizard.where(), QString("3 EN---AT 4"));
        QCOMPARE(ui.lblFileName->text(), QString("road"));
        QCOMPARE(ui.lblFileName->toolTip(), work_.filePath("site/road.html"));
        QCOMPARE(wizard.messages->warnings + wizard.messages->notes, QStringList());

        // New: step 0 again with the last choices shown; the next menu starts empty.
        wizard.step(1);
        QCOMPARE(wizard.where() + ui.lblNumberOfButtons->text(), QString("0 EN-N-AT 43"));
        wizard.startMenu(1, false);
        QCOMPARE(ui.txtButtonLinks->text() + ui.txtFrameName->text(), QString());
        Wizard::type(ui.txtButtonLinks, "solo.html");
        wizard.next();
        Wizard::click(ui.optExtension(1));
        wizard.step(4);
        QCOMPARE(TestSupport::readFile(work_.filePath("site/road.htm")),
                 page({{"", "", "solo.html", ""}}, 2));
    }

    void finish_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("htm");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("warning");
        QTest::newRow("unchanged") << "Tessel" << false << "Tessel.html"
                                   << "";
        QTest::newRow("htm") << "Tessel" << true << "Tessel.htm"
                             << "";
        QTest::newRow("into a folder") << "sub/menu" << true << "sub/menu.htm"
                                       << "";
        QTest::newRow("empty") << "" << false << ""
                               << "enter a name";
        QTest::newRow("blanks") << "   " << false << ""
                                << "enter a name";
        QTest::newRow("missing folder") << "nowhere/m" << false << ""
                                        << "nowhere/m.html\n\nNo such";
        QTest::newRow("folder in the way") << "taken" << false << ""
                                           << "taken.html\n\na folder";
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
        wizard.next();
        Wizard::type(wizard.form.ui.txtFileName, typed);
        Wizard::click(wizard.form.ui.optExtension(htm ? 1 : 0));
        wizard.step(4);
        const QStringList warnings = wizard.messages->warnings;
        QCOMPARE(warnings.size(), file.isEmpty() ? 1 : 0);
        QVERIFY2(file.isEmpty() ? warnings.first().contains(warning) : true,
                 qPrintable(warnings.join("")));
        QCOMPARE(QDir().entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden).size(),
                 file.isEmpty() || file.contains('/') ? 2 : 3);
        QCOMPARE(wizard.where(), QString(file.isEmpty() ? "2 ENB-FAT 2" : "3 EN---AT 2"));
        if (!file.isEmpty()) {
            QCOMPARE(TestSupport::readFile(file), page({{"", "", "", ""}}));
            QCOMPARE(wizard.form.ui.lblFileName->text() + wizard.form.ui.lblFileName->toolTip(),
                     typed + here.filePath(file));
        }
    }

    void afterFinish() {
        const TestSupport::WorkingFolder here;
        Wizard wizard;
        wizard.startMenu(2);
        wizard.next();
        wizard.next();
        wizard.step(4);
        QVERIFY(QFile::remove("Tessel.html"));
        wizard.step(6); // the Tutor recomputes: the step is still the file-name step
        QCOMPARE(wizard.where(), QString("3 ENB-FAT 3"));
        wizard.step(4);
        QCOMPARE(TestSupport::readFile("Tessel.html"), page({{"", "", "", ""}, {"", "", "", ""}}));
        QCOMPARE(wizard.form.formTutor(), nullptr);
        wizard.step(5);
        Wizard::click(wizard.form.ui.cmdOk);
        wizard.back();
        QCOMPARE(wizard.where(), QString("1 ENBN-AT 2"));
    }

    void aboutAndOk_data() {
        QTest::addColumn<int>("nexts");
        QTest::addColumn<QString>("restored");
        QTest::newRow("step 0") << 0 << "0 EN-N-AT00";
        QTest::newRow("first button") << 1 << "1 EN-N-AT 1";
        QTest::newRow("second button") << 2 << "1 ENBN-AT 2";
        QTest::newRow("file name") << 3 << "2 ENB-FAT 3";
        QTest::newRow("finish page") << 4 << "3 ENB-FAT 3";
    }

    void aboutAndOk() {
        QFETCH(int, nexts);
        QFETCH(QString, restored);
        const TestSupport::WorkingFolder here;
        Wizard wizard;
        for (int i = 0; i < nexts; ++i)
            wizard.step(i < 3 ? 3 : 4);
        wizard.step(6);
        wizard.step(5);
        QCOMPARE(wizard.where().left(9), QString("4 -------"));
        QCOMPARE(wizard.form.formTutor(), nullptr);
        Wizard::click(wizard.form.ui.cmdOk);
        QCOMPARE(wizard.where(), restored);
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
        for (int i = 0; i < 20; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(walked.join(' '),
                 QString("picStep(0) cmdStep(1) cmdStep(0) picStep(1) HScroll1 optMenuType(1) "
                         "cmdSelect(0) cmdSelect(1) picStep(2) txtFileName optExtension(0) "
                         "txtButtonLinks picStep(3) lblFileName txtFrameName cmdStep(5) cmdStep(6) "
                         "picStep(4) cmdOk cmdStep(3)"));
    }
};

TESSEL_TEST_MAIN(TestWizard)
#include "test_wizard.moc"

#include "TestSupport.h"

#include "generator/MenuPage.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

// Finish: the name taken from the file-name page, the page file it writes, and what the
// finish page and the step buttons show afterwards, on success and on failure.
class TestFinish : public QObject {
    Q_OBJECT

    // A fixed two-button menu standing on its file-name step, finished with a typed name.
    struct Finish {
        Form1 form;
        QStringList messages;

        Finish(const QString& typed, bool htm) {
            TestSupport::recordMessages(form, &messages);
            form.show();
            onFileNameStep(form);
            form.ui.txtFileName->setText(typed);
            form.ui.optExtension(htm ? 1 : 0)->setChecked(true);
            form.ui.cmdStep(4)->click();
        }
    };

    static void onFileNameStep(Form1& form) {
        form.iMenuType = 1;
        form.iNumberOfButtons = 2;
        form.iLastStep = 3;
        form.sImageFile.redim(1, 2, 0, 2);
        form.sLink.redim(1, 2);
        form.sFrame.redim(1, 2);
        form.sImageFile(1, 0) = "home.gif";
        form.sImageFile(1, 1) = "home2.gif";
        form.sLink(1) = "index.html";
        form.sImageFile(2, 0) = "news.gif";
        form.sImageFile(2, 1) = "news2.gif";
        form.sLink(2) = "news.html";
        form.sFrame(2) = "main";
        form.bNewMenu = false;
        form.iStep = 3;
        form.ui.picStep(2)->raise();
        form.Check_iStep();
    }

    static QByteArray expectedPage() {
        Menu menu;
        menu.buttons = {{"home.gif", "home2.gif", "index.html", ""},
                        {"news.gif", "news2.gif", "news.html", "main"}};
        return MenuPage::text(menu);
    }

    static QStringList filesHere() {
        return QDir().entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden);
    }

private slots:
    void writesThePage_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("htm");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("label");
        QTest::newRow("unchanged") << "Tessel" << false << "Tessel.html"
                                   << "Tessel";
        QTest::newRow("htm") << "Tessel" << true << "Tessel.htm"
                             << "Tessel";
        QTest::newRow("blanks trimmed") << "  menu  " << false << "menu.html"
                                        << "menu";
        QTest::newRow("other white space kept") << "\tmenu" << false << "\tmenu.html"
                                                << "\tmenu";
        QTest::newRow("into a folder") << "sub/menu" << true << "sub/menu.htm"
                                       << "sub/menu";
    }

    void writesThePage() {
        QFETCH(QString, typed);
        QFETCH(bool, htm);
        QFETCH(QString, file);
        QFETCH(QString, label);
        // A bare name is written in the working directory until a picture is chosen.
        const TestSupport::WorkingFolder work;
        QVERIFY(QDir().mkdir("sub"));
        const Finish finish(typed, htm);
        const auto& [form, messages] = finish;

        QCOMPARE(messages, QStringList());
        QCOMPARE(TestSupport::readFile(file), expectedPage());
        QCOMPARE(form.ui.lblFileName->text(), label);
        QCOMPARE(form.ui.lblFileName->toolTip(), work.filePath(file));
        QCOMPARE(form.sExtension, QString(htm ? "htm" : "html"));
        QCOMPARE(TestSupport::pageInFront(form), 3);
        QCOMPARE(TestSupport::enabledSteps(form), TestSupport::steps(false, false, false));
        QCOMPARE(form.iStep, qint16(3));
    }

    void emptyNameAsksForOne_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "    ";
    }

    void emptyNameAsksForOne() {
        QFETCH(QString, typed);
        const TestSupport::WorkingFolder work;
        const Finish finish(typed, false);
        const auto& [form, messages] = finish;
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.first().contains("name"));
        QCOMPARE(filesHere(), QStringList());
        QCOMPARE(TestSupport::pageInFront(form), 2);
        QCOMPARE(form.ui.lblFileName->text(), QString("Label2"));
        QCOMPARE(TestSupport::enabledSteps(form), TestSupport::steps(true, false, true));
    }

    void failureIsReportedAndNothingIsLeft_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << "nowhere/menu"
                                        << "No such file or directory";
        QTest::newRow("folder in the way") << "taken"
                                           << "folder";
    }

    void failureIsReportedAndNothingIsLeft() {
        QFETCH(QString, typed);
        QFETCH(QString, reason);
        const TestSupport::WorkingFolder work;
        QVERIFY(QDir().mkdir("taken.html"));
        const Finish finish(typed, false);
        const auto& [form, messages] = finish;

        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(work.filePath(typed + ".html")),
                 qPrintable(messages.first()));
        QVERIFY2(messages.first().contains(reason), qPrintable(messages.first()));
        QCOMPARE(filesHere(), QStringList{"taken.html"});
        QCOMPARE(TestSupport::pageInFront(form), 2);
        QCOMPARE(TestSupport::enabledSteps(form), TestSupport::steps(true, false, true));
    }
};

TESSEL_TEST_MAIN(TestFinish)
#include "test_finish.moc"

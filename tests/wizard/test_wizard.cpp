#include "TestSupport.h"

#include "generator/MenuPage.h"
#include "wizard/Blanks.h"

using TestSupport::Wizard;

// Walking the wizard with its buttons: what each click stores, shows, enables and writes.
class TestWizard : public QObject {
    Q_OBJECT

    const TestSupport::WorkingFolder work_;

    static QByteArray page(const QList<MenuButton>& buttons, qint16 type = 1) {
        return MenuPage::text({type, buttons});
    }

private slots:
    void trimsBlanksOnly() {
        QStringList kept;
        for (const char* typed : {"a", "  a", "a   ", " a  b ", "\ta \t", "   "})
            kept.append(trimBlanks(typed));
        QCOMPARE(kept, (QStringList{"a", "a", "a", "a  b", "\ta \t", ""}));
    }

    // The enable rule, About and OK, New and the tutor's switch, key by key from start-up.
    void roads_data() { TestData::rows("roads.txt"); }

    void roads() {
        QFETCH(QStringList, row);
        Wizard wizard;
        QCOMPARE(wizard.walk(row.takeFirst()), row);
    }

    void completeRoad() {
        Wizard wizard;
        const Form1Layout& ui = wizard.ui;
        wizard.walk("3>");
        wizard.choose(0, work_.picture("red.bmp", "pics/home.bmp"));
        wizard.choose(1, work_.picture("spin.gif", "site/home2.gif"));
        wizard.fill("  index.html  ", "");
        wizard.walk(">");
        wizard.fill(" news.html", "  main ");
        wizard.walk(">");
        wizard.fill("typed, then left with Back", "");
        wizard.walk("<");
        QCOMPARE(wizard.fields(), "news.html|main");
        wizard.fill("news.html", "changed, then left with Back");
        wizard.walk("<");
        QCOMPARE(wizard.fields(), "index.html|");
        wizard.walk(">>");
        QCOMPARE(wizard.fields(), "|"); // the Back dropped them
        wizard.choose(0, work_.picture("green.gif", "site/c.gif"));
        wizard.fill("contact.html ", " my frame");
        wizard.walk(">");
        Wizard::type(ui.txtFileName, "  road  ");
        QCOMPARE(wizard.walk("F"), QStringList("3 EN---AT 4"));
        // A bare name lands beside the picture chosen last; the note names the one elsewhere.
        const QString written = work_.filePath("site/road.html");
        QCOMPARE(TestData::read(written), page({{"home.bmp", "home2.gif", "index.html", ""},
                                                {"", "", "news.html", "main"},
                                                {"c.gif", "", "contact.html", "my frame"}}));
        QCOMPARE(ui.lblFileName->text() + ' ' + ui.lblFileName->toolTip(), "road " + written);
        const QString note = wizard.messages->warnings.join("") + wizard.messages->notes.join("");
        QVERIFY2(note.contains(work_.filePath("site") + "\n") &&
                     note.endsWith("\nhome.bmp, now in " + work_.filePath("pics")),
                 qPrintable(note));

        // New: step 0 again with the last choices shown; the next menu starts empty.
        QCOMPARE(wizard.walk("N").first() + ui.lblNumberOfButtons->text(), "0 EN->-AT 43");
        wizard.walk("1>");
        QCOMPARE(wizard.fields(), "|");
    }

    void finish_data() { TestData::rows("file-names.txt"); }

    void finish() {
        QFETCH(QStringList, row);
        const QString& written = row[2];
        const TestSupport::WorkingFolder here;
        QVERIFY(QDir().mkdir("sub") && QDir().mkdir("taken.html"));
        Wizard wizard;
        LinkLabel* link = wizard.ui.lblFileName;
        Wizard::click(wizard.ui.optMenuType(1));
        wizard.walk("1>>");
        Wizard::type(wizard.ui.txtFileName, row[0]);
        Wizard::click(wizard.ui.optExtension(row[1].toInt()));
        const bool refused = written.startsWith("refused: ");
        QCOMPARE(wizard.walk("F"), QStringList(refused ? "2 EN<-FAT 2" : "3 EN---AT 2"));
        QCOMPARE(wizard.messages->warnings.size(), refused ? 1 : 0);
        QVERIFY(!refused || wizard.messages->warnings.first().contains(written.mid(9)));
        // The written page opens from its link, by Enter or a click; no other page opens.
        link->setFocus(); // Tab reaches it on any page
        QTest::keyClick(link, Qt::Key_Return);
        if (!refused)
            Wizard::click(link);
        const QUrl url = QUrl::fromLocalFile(here.filePath(written));
        QCOMPARE(wizard.messages->opened, QList<QUrl>(refused ? 0 : 2, url));
        QCOMPARE(TestData::read(written), refused ? QByteArray() : page({{}}, 2));
    }
};

QTEST_MAIN(TestWizard)
#include "test_wizard.moc"

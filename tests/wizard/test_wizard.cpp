#include "TestSupport.h"

#include "generator/MenuPage.h"
#include "wizard/Blanks.h"

using TestSupport::Wizard;

// Walking the wizard: what each step stores, shows, enables and writes; what the user sees,
// what a screen reader says, and where the Tab key goes.
class TestWizard : public QObject {
    Q_OBJECT

    const TestSupport::WorkingFolder work_;

    static QByteArray page(const QList<MenuButton>& buttons, qint16 type = 1) {
        return MenuPage::text({type, buttons});
    }

    static QString nameOf(QWidget* control) {
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
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
        wizard.choose(0, work_.picture("red.bmp", "site/home.bmp"));
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
        wizard.choose(1, work_.picture("blue.bmp", "pics/c2.bmp"));
        wizard.choose(0, work_.picture("green.gif", "site/c.gif"));
        wizard.fill("contact.html ", " my frame");
        wizard.walk(">");
        QCOMPARE(ui.txtFileName->text(), "Tessel"); // the name offered
        Wizard::type(ui.txtFileName, "  ../pics/road  ");
        QCOMPARE(wizard.walk("F"), QStringList("3 EN---AT 4"));
        // A name is taken from beside the picture chosen last; the note looks in the page's
        // own folder and names the pictures elsewhere.
        const QString written = work_.filePath("pics/road.html");
        QCOMPARE(TestData::read(written), page({{"home.bmp", "home2.gif", "index.html", ""},
                                                {"", "", "news.html", "main"},
                                                {"c.gif", "c2.bmp", "contact.html", "my frame"}}));
        QCOMPARE(ui.lblFileName->text() + ' ' + ui.lblFileName->toolTip(),
                 "../pics/road " + written);
        const QString note = wizard.messages->notes.join("") + wizard.messages->warnings.join("");
        QVERIFY2(note.contains(work_.filePath("pics") + "\n") && !note.contains("c2.bmp") &&
                     note.endsWith("\nc.gif, now in " + work_.filePath("site")),
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
        QCOMPARE(wizard.messages->notes, QStringList()); // no pictures, nothing to copy
        // The written page opens from its link, by Enter or a click, not by a press released off
        // it; no other page opens.
        QTest::mousePress(link, Qt::LeftButton, {}, link->rect().center());
        QTest::mouseRelease(link, Qt::LeftButton, {}, link->rect().bottomRight() + QPoint(30, 30));
        link->setFocus();
        QTest::keyClick(link, Qt::Key_Return);
        if (!refused)
            Wizard::click(link);
        const QUrl url = QUrl::fromLocalFile(here.filePath(written));
        QCOMPARE(wizard.messages->opened, QList<QUrl>(refused ? 0 : 2, url));
        QCOMPARE(TestData::read(written), refused ? QByteArray() : page({{}}, 2));
    }

    // From every page, Tab goes round the controls the user can see, and only those.
    void tabWalk_data() { TestData::rows("tab-order.txt"); }

    void tabWalk() {
        QFETCH(QStringList, row);
        Wizard wizard;
        wizard.walk(row[0]);
        const QWidget* start = QApplication::focusWidget();
        QStringList walked;
        do {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked.append(QApplication::focusWidget()->objectName());
        } while (QApplication::focusWidget() != start && walked.size() < 30);
        QCOMPARE(walked.join(' '), row[1]);
    }

    void pagesAndColours() { // the colours a user sees, on opaque pages
        Wizard wizard;
        const Form1Layout& ui = wizard.ui;
        QCOMPARE(wizard.form.size(), QSize(416, 287)); // 6240 x 4308 twips
        const QColor grey(192, 192, 192),
            menu = QApplication::palette("QMenu").color(QPalette::Window);
        const QColor panels[] = {grey, grey, menu, menu, grey};
        for (int page = 0; page < 5; ++page) {
            wizard.walk(QString("1>>FA")[page]); // each key brings the next page to the front
            QCOMPARE(wizard.form.grab().toImage().pixelColor(10, 66), panels[page]);
        }
        const QList<QLabel*> labels = {ui.Label1(0), ui.Label1(5), ui.Label1(4), ui.lblFileName};
        QStringList colours;
        for (QLabel* label : labels)
            colours.append(label->palette().color(label->foregroundRole()).name());
        QCOMPARE(colours.join(' '), "#0000ff #0000ff #000000 #c00000"); // blue notes, dark red link
    }

    void everythingHasAName() {
        Wizard wizard;
        const Form1Layout& ui = wizard.ui;
        wizard.walk("3>>"); // named for the new button before any picture is chosen
        QCOMPARE(nameOf(ui.imgButtons(1)), "Mouse-over picture of button 2: no picture chosen");
        wizard.choose(0, TestData::path("red.bmp"));
        for (QWidget* control : wizard.form.findChildren<QWidget*>())
            if (control->focusPolicy() & Qt::TabFocus || qobject_cast<ImageBox*>(control))
                QVERIFY2(!nameOf(control).isEmpty(), qPrintable(control->objectName()));
        QCOMPARE(nameOf(ui.imgButtons(0)), "Normal picture of button 2: red.bmp");
        QCOMPARE(nameOf(ui.imgButtons(3)), "Preview of button 2");
        QCOMPARE(nameOf(ui.txtFrameName), ui.Label1(4)->text()); // the question above it
    }
};

QTEST_MAIN(TestWizard)
#include "test_wizard.moc"

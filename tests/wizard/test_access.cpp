#include "TestSupport.h"

#include "forms/ImageBox.h"
#include "generator/MenuPage.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QLabel>

using TestSupport::Wizard;

// What the user sees, hears and reaches with the keyboard, and what the finish page offers.
class TestAccess : public QObject {
    Q_OBJECT

    const TestSupport::WorkingFolder work_;

    // Moves the focus with Tab alone, as a keyboard user does.
    static void tabTo(QWidget* control) {
        for (int i = 0; i < 40 && QApplication::focusWidget() != control; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control);
    }
    static void press(QWidget* control) {
        tabTo(control);
        QTest::keyClick(control, Qt::Key_Space);
    }

    static QString nameOf(QWidget* control) {
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    }

private slots:
    void keyboardRoadAndTheLink() {
        Wizard wizard;
        const Form1Layout& ui = wizard.form.ui;
        tabTo(ui.HScroll1);
        QTest::keyClick(ui.HScroll1, Qt::Key_Left); // one button
        press(ui.cmdStep(3));
        wizard.dialog->answers = {work_.picture("red.bmp", "site/home.bmp"),
                                  work_.picture("spin.gif", "site/home2.gif")};
        press(ui.cmdSelect(0));
        press(ui.cmdSelect(1));
        tabTo(ui.txtButtonLinks);
        QTest::keyClicks(ui.txtButtonLinks, " index.html ");
        press(ui.cmdStep(3));
        tabTo(ui.txtFileName);
        QTest::keyClick(ui.txtFileName, Qt::Key_End);
        QTest::keyClicks(ui.txtFileName, "2");
        press(ui.cmdStep(4));

        Menu menu;
        menu.buttons = {{"home.bmp", "home2.gif", "index.html", ""}};
        const QString page = work_.filePath("site/Tessel2.html");
        QCOMPARE(TestSupport::readFile(page), MenuPage::text(menu));
        QCOMPARE(wizard.messages->notes, QStringList()); // the pictures are beside the page
        QVERIFY(wizard.messages->opened.isEmpty());      // nothing opens on its own
        tabTo(ui.lblFileName);
        QTest::keyClick(ui.lblFileName, Qt::Key_Return);
        Wizard::click(ui.lblFileName);
        QCOMPARE(wizard.messages->opened, (QList<QUrl>(2, QUrl::fromLocalFile(page))));
    }

    void picturesElsewhereAreNamed() {
        Wizard wizard;
        wizard.startMenu(2);
        wizard.choose(0, work_.picture("red.bmp", "a/one.bmp"));
        wizard.next();
        wizard.choose(1, work_.picture("spin.gif", "b/two.gif"));
        wizard.next();
        Wizard::type(wizard.form.ui.txtFileName, work_.filePath("out/menu"));
        QDir().mkpath(work_.filePath("out"));
        wizard.step(4);
        QCOMPARE(wizard.messages->notes.size(), 1);
        const QString note = wizard.messages->notes.first();
        for (const QString& line :
             {work_.filePath("out") + "\n", "one.bmp, now in " + work_.filePath("a"),
              "two.gif, now in " + work_.filePath("b")})
            QVERIFY2(note.contains(line), qPrintable(note));
    }

    void pagesAndColours() {
        Wizard wizard;
        const Form1Layout& ui = wizard.form.ui;
        QCOMPARE(wizard.form.size(), QSize(416, 287)); // 6240 x 4308 twips
        const QColor grey(192, 192, 192),
            menu = QApplication::palette("QMenu").color(QPalette::Window);
        const QColor panels[] = {grey, grey, menu, menu, grey};
        const QList<QWidget*> controls[] = {
            {ui.Label1(0), ui.optMenuType(1), ui.HScroll1},
            {ui.imgButtons(3), ui.cmdSelect(1), ui.txtButtonLinks, ui.txtFrameName},
            {ui.txtFileName, ui.optExtension(1)},
            {ui.lblFileName, ui.Label1(11)},
            {ui.cmdOk}};
        for (int page = 0; page < 5; ++page) {
            ui.picStep(page)->raise();
            QCOMPARE(wizard.form.grab().toImage().pixelColor(10, 66), panels[page]);
            for (QWidget* control : controls[page])
                QCOMPARE(control->parentWidget(), ui.picStep(page));
        }
        const std::pair<QLabel*, QColor> texts[] = {{ui.Label1(0), Qt::blue},
                                                    {ui.Label1(5), Qt::blue},
                                                    {ui.Label1(4), Qt::black},
                                                    {ui.lblFileName, QColor(192, 0, 0)}};
        for (const auto& [label, colour] : texts)
            QCOMPARE(label->palette().color(label->foregroundRole()), colour);
    }

    void everythingHasAName() {
        Wizard wizard;
        wizard.startMenu(3);
        wizard.next();
        wizard.choose(0, TestSupport::fixture("red.bmp"));
        const Form1Layout& ui = wizard.form.ui;
        for (QWidget* control : wizard.form.findChildren<QWidget*>())
            if (control->focusPolicy() & Qt::TabFocus || qobject_cast<ImageBox*>(control))
                QVERIFY2(!nameOf(control).isEmpty(), qPrintable(control->objectName()));
        QCOMPARE(nameOf(ui.imgButtons(0)), QString("Normal picture of button 2: red.bmp"));
        QCOMPARE(nameOf(ui.imgButtons(1)),
                 QString("Mouse-over picture of button 2: no picture chosen"));
        QCOMPARE(nameOf(ui.imgButtons(3)), QString("Preview of button 2"));
        QCOMPARE(nameOf(ui.txtFrameName), ui.Label1(4)->text());
        const auto* count = QAccessible::queryAccessibleInterface(ui.HScroll1)->valueInterface();
        QCOMPARE(count->currentValue().toInt(), 3);
    }
};

TESSEL_TEST_MAIN(TestAccess)
#include "test_access.moc"

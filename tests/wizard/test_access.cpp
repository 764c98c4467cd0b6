#include "TestSupport.h"

using TestSupport::Wizard;

// What the user sees, what a screen reader says, and where the Tab key goes.
class TestAccess : public QObject {
    Q_OBJECT

    static QString nameOf(QWidget* control) {
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    }

private slots:
    void tabWalk() {
        Wizard wizard;
        QStringList walked;
        for (int i = 0; i < 20; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(walked.join(' '), TestData::table("tab-order.txt")[0][0]);
    }

    void pagesAndColours() { // the colours a user sees, on opaque pages
        Wizard wizard;
        const Form1Layout& ui = wizard.ui;
        QCOMPARE(wizard.form.size(), QSize(416, 287)); // 6240 x 4308 twips
        const QColor grey(192, 192, 192),
            menu = QApplication::palette("QMenu").color(QPalette::Window);
        const QColor panels[] = {grey, grey, menu, menu, grey};
        for (int page = 0; page < 5; ++page) {
            ui.picStep(page)->raise();
            QCOMPARE(wizard.form.grab().toImage().pixelColor(10, 66), panels[page]);
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
        wizard.walk("3>>");
        wizard.choose(0, TestData::path("red.bmp"));
        const Form1Layout& ui = wizard.ui;
        for (QWidget* control : wizard.form.findChildren<QWidget*>())
            if (control->focusPolicy() & Qt::TabFocus || qobject_cast<ImageBox*>(control))
                QVERIFY2(!nameOf(control).isEmpty(), qPrintable(control->objectName()));
        QCOMPARE(nameOf(ui.imgButtons(0)), QString("Normal picture of button 2: red.bmp"));
        QCOMPARE(nameOf(ui.imgButtons(1)),
                 QString("Mouse-over picture of button 2: no picture chosen"));
        QCOMPARE(nameOf(ui.imgButtons(3)), QString("Preview of button 2"));
        QCOMPARE(nameOf(ui.txtFrameName), ui.Label1(4)->text()); // the question above it
    }
};

QTEST_MAIN(TestAccess)
#include "test_access.moc"

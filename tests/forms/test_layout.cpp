#include "TestSupport.h"

#include "forms/ImageBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using TestSupport::Wizard;

// What the user sees of the main window's design: each control on its page, the colours.
class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void controlsStandOnTheirPages() {
        Wizard wizard;
        const Form1Layout& ui = wizard.form.ui;
        QCOMPARE(wizard.form.windowTitle(), QString("Tessel 1.0"));
        QCOMPARE(wizard.form.size(), QSize(416, 287)); // 6240 x 4308 twips
        QCOMPARE(ui.Label1.indexes(),
                 (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 17, 19, 20}));
        QCOMPARE(ui.imgButtons.indexes(), (QList<int>{0, 1, 3}));
        const QList<QWidget*> pages[] = {
            {ui.Label1(0), ui.Label1(2), ui.optMenuType(0), ui.optMenuType(1), ui.HScroll1},
            {ui.imgButtons(0), ui.imgButtons(1), ui.imgButtons(3), ui.cmdSelect(0),
             ui.cmdSelect(1), ui.txtButtonLinks, ui.txtFrameName, ui.Label1(9), ui.Label1(4)},
            {ui.txtFileName, ui.optExtension(0), ui.optExtension(1), ui.Label1(8)},
            {ui.lblFileName, ui.Label1(11)},
            {ui.Label1(14), ui.cmdOk}};
        for (int page = 0; page < 5; ++page)
            for (QWidget* control : pages[page])
                QVERIFY2(control->parentWidget() == ui.picStep(page),
                         qPrintable(control->objectName()));
        QCOMPARE(ui.imgButtons(3)->geometry(), QRect(40, 72, 89, 25)); // 600, 1080, 1332, 372
        QCOMPARE(ui.cmdStep(4)->geometry(), QRect(336, 256, 73, 25)); // 5040, 3840, 1092, 372
    }

    void coloursTheUserSees() {
        Wizard wizard;
        const Form1Layout& ui = wizard.form.ui;
        const QColor grey(192, 192, 192), menu = QApplication::palette("QMenu").color(QPalette::Window);
        const QColor panels[] = {grey, grey, menu, menu, grey};
        for (int page = 0; page < 5; ++page) {
            ui.picStep(page)->raise();
            QCOMPARE(wizard.form.grab().toImage().pixelColor(ui.picStep(0)->geometry().topLeft() +
                                                             QPoint(3, 3)),
                     panels[page]);
        }
        const QList<std::pair<QLabel*, QColor>> texts = {
            {ui.Label1(0), Qt::blue}, {ui.Label1(5), Qt::blue}, {ui.Label1(4), Qt::black},
            {ui.lblFileName, QColor(192, 0, 0)}, {ui.Label1(19), Qt::black}};
        for (const auto& [label, colour] : texts)
            QCOMPARE(label->palette().color(label->foregroundRole()), colour);
    }
};

TESSEL_TEST_MAIN(TestLayout)
#include "test_layout.moc"

#include "TestSupport.h"

#include <QLabel>

using TestSupport::clickScrollBar;

// The button count: the scroll bar's bounds and the number that follows it.
class TestMenuType : public QObject {
    Q_OBJECT

private slots:
    void clicks_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("expected");
        QTest::newRow("right arrow") << 2 << int(QStyle::SC_ScrollBarAddLine) << 3;
        QTest::newRow("track right of the thumb") << 2 << int(QStyle::SC_ScrollBarAddPage) << 7;
        QTest::newRow("left arrow") << 2 << int(QStyle::SC_ScrollBarSubLine) << 1;
        QTest::newRow("left arrow at 1") << 1 << int(QStyle::SC_ScrollBarSubLine) << 1;
        QTest::newRow("track left of the thumb") << 500 << int(QStyle::SC_ScrollBarSubPage) << 495;
        QTest::newRow("right arrow at 1000") << 1000 << int(QStyle::SC_ScrollBarAddLine) << 1000;
        QTest::newRow("track right mid-way") << 700 << int(QStyle::SC_ScrollBarAddPage) << 705;
    }

    void clicks() {
        QFETCH(int, from);
        QFETCH(int, part);
        QFETCH(int, expected);
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.ui.HScroll1->setValue(from);
        clickScrollBar(form.ui.HScroll1, QStyle::SubControl(part));
        QCOMPARE(form.ui.HScroll1->value(), expected);
        QCOMPARE(form.ui.lblNumberOfButtons->text(), QString::number(expected));
    }

    void keyboard() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.ui.HScroll1->setFocus();
        QTest::keyClick(form.ui.HScroll1, Qt::Key_End);
        QCOMPARE(form.ui.lblNumberOfButtons->text(), QString("1000"));
        QTest::keyClick(form.ui.HScroll1, Qt::Key_Left);
        QCOMPARE(form.ui.lblNumberOfButtons->text(), QString("999"));
        QTest::keyClick(form.ui.HScroll1, Qt::Key_Home);
        QTest::keyClick(form.ui.HScroll1, Qt::Key_Right);
        QCOMPARE(form.ui.lblNumberOfButtons->text(), QString("2"));
    }

    void labelFollowsADrag() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QScrollBar* bar = form.ui.HScroll1;
        const QRect thumb = TestSupport::scrollBarPart(bar, QStyle::SC_ScrollBarSlider);
        QPoint at = thumb.center();
        QTest::mousePress(bar, Qt::LeftButton, {}, at);
        QList<int> seen;
        for (int step = 0; step < 4; ++step) {
            at += QPoint(4, 0);
            QMouseEvent move(QEvent::MouseMove, at, bar->mapToGlobal(at), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(bar, &move);
            QVERIFY(bar->isSliderDown());
            QCOMPARE(form.ui.lblNumberOfButtons->text(), QString::number(bar->sliderPosition()));
            seen.append(form.ui.lblNumberOfButtons->text().toInt());
        }
        QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
        QCOMPARE(form.ui.lblNumberOfButtons->text(), QString::number(bar->value()));
        QVERIFY(bar->value() > 2);
        for (qsizetype i = 1; i < seen.size(); ++i)
            QVERIFY(seen[i] > seen[i - 1]); // a new number at every move
    }

    void labelFollowsTheThumbWithoutTracking() {
        // The scroll event reports the thumb, not the value that is not final yet.
        Form1 form;
        form.ui.HScroll1->setTracking(false);
        form.ui.HScroll1->setSliderDown(true);
        form.ui.HScroll1->setSliderPosition(500);
        QCOMPARE(form.ui.lblNumberOfButtons->text(), QString("500"));
        QCOMPARE(form.ui.HScroll1->value(), 2);
        form.ui.HScroll1->setSliderDown(false);
        QCOMPARE(form.ui.HScroll1->value(), 500);
        QCOMPARE(form.ui.lblNumberOfButtons->text(), QString("500"));
    }
};

TESSEL_TEST_MAIN(TestMenuType)
#include "test_menu_type.moc"

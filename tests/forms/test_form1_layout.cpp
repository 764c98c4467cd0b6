#include "TestSupport.h"

#include "forms/ImageBox.h"
#include "forms/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>

// The main window's controls against the layout they were designed to: names, kinds,
// captions, places, colours, fonts and the order the Tab key walks.
class TestForm1Layout : public QObject {
    Q_OBJECT

    static QRect twips(int left, int top, int width, int height) {
        return {qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0),
                qRound(height / 15.0)};
    }

    static QString captionOf(const QWidget* control) {
        if (auto* button = qobject_cast<const QAbstractButton*>(control))
            return button->text();
        if (auto* label = qobject_cast<const QLabel*>(control))
            return label->text();
        if (auto* box = qobject_cast<const QLineEdit*>(control))
            return box->text();
        return {};
    }

private slots:
    void inventory_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("container");
        struct Row {
            const char *name, *kind, *caption;
            int left, top, width, height;
            const char* container;
        };
        const Row rows[] = {
            {"cmdStep(5)", "QPushButton", "&About", 120, 360, 1212, 372, "Form1"},
            {"cmdStep(6)", "QPushButton", "&Tutor", 4920, 360, 1212, 372, "Form1"},
            {"picStep(0)", "PagePanel", "", 120, 960, 6012, 2772, "Form1"},
            {"picStep(1)", "PagePanel", "", 120, 960, 6012, 2772, "Form1"},
            {"picStep(2)", "PagePanel", "", 120, 960, 6012, 2772, "Form1"},
            {"picStep(3)", "PagePanel", "", 120, 960, 6012, 2772, "Form1"},
            {"picStep(4)", "PagePanel", "", 120, 960, 6012, 2772, "Form1"},
            {"cmdStep(0)", "QPushButton", "&Exit", 120, 3840, 732, 372, "Form1"},
            {"cmdStep(1)", "QPushButton", "&New", 960, 3840, 732, 372, "Form1"},
            {"cmdStep(2)", "QPushButton", "<< &Back", 2640, 3840, 1212, 372, "Form1"},
            {"cmdStep(3)", "QPushButton", "&Next >>", 3840, 3840, 1092, 372, "Form1"},
            {"cmdStep(4)", "QPushButton", "&Finish", 5040, 3840, 1092, 372, "Form1"},
            {"Label1(0)", "QLabel", "What type of Tessel do you want?", 480, 240, 2052, 852,
             "picStep(0)"},
            {"Label1(2)", "QLabel", "How many Buttons do you want to create?", 3600, 240, 2052, 852,
             "picStep(0)"},
            {"lblNumberOfButtons", "QLabel", "2", 4080, 1680, 1092, 372, "picStep(0)"},
            {"optMenuType(0)", "QRadioButton", "Vertical", 960, 1800, 1812, 252, "picStep(0)"},
            {"optMenuType(1)", "QRadioButton", "Horizontal", 960, 2160, 1812, 252, "picStep(0)"},
            {"HScroll1", "QScrollBar", "", 4080, 2160, 1092, 252, "picStep(0)"},
            {"lblButtonNumber", "QLabel", "00", 0, 0, 492, 252, "picStep(1)"},
            {"imgButtons(0)", "ImageBox", "", 600, 120, 1332, 372, "picStep(1)"},
            {"cmdSelect(0)", "QPushButton", "select image", 2040, 120, 1212, 372, "picStep(1)"},
            {"Label1(1)", "QLabel", "Main image to display", 3360, 120, 2292, 372, "picStep(1)"},
            {"imgButtons(1)", "ImageBox", "", 600, 600, 1332, 372, "picStep(1)"},
            {"cmdSelect(1)", "QPushButton", "select image", 2040, 600, 1212, 372, "picStep(1)"},
            {"Label1(3)", "QLabel", "Image to display when mouse passes over", 3360, 600, 2292, 372,
             "picStep(1)"},
            {"imgButtons(3)", "ImageBox", "", 600, 1080, 1332, 372, "picStep(1)"},
            {"Label1(5)", "QLabel", "This is how it will look when loaded onto your browser", 2040,
             1080, 3612, 372, "picStep(1)"},
            {"Label1(9)", "QLabel", "Enter hyper link related to this button", 120, 1560, 5652, 252,
             "picStep(1)"},
            {"txtButtonLinks", "QLineEdit", "", 120, 1800, 5772, 288, "picStep(1)"},
            {"Label1(4)", "QLabel",
             "Name of Frame to open link in (default = _Top - open without frame)", 120, 2160, 5772,
             252, "picStep(1)"},
            {"txtFrameName", "QLineEdit", "", 120, 2400, 5772, 288, "picStep(1)"},
            {"Label1(6)", "QLabel", "Enter a Name for the Tessel file", 120, 240, 5772, 252,
             "picStep(2)"},
            {"txtFileName", "QLineEdit", "Tessel", 720, 600, 4572, 288, "picStep(2)"},
            {"Label1(7)", "QLabel", "Select Extension for Tessel file", 120, 1080, 5772, 252,
             "picStep(2)"},
            {"optExtension(0)", "QRadioButton", "html", 2160, 1320, 732, 252, "picStep(2)"},
            {"optExtension(1)", "QRadioButton", "htm", 3240, 1320, 732, 252, "picStep(2)"},
            {"Label1(8)", "QLabel", "Select the Finish button to write file", 120, 2160, 5772, 252,
             "picStep(2)"},
            {"Label1(10)", "QLabel", "File has been saved as:", 120, 120, 5772, 252, "picStep(3)"},
            {"lblFileName", "QLabel", "Label2", 120, 720, 5772, 372, "picStep(3)"},
            {"Label1(11)", "QLabel", "Place Tessel file and Menu Images in the same directory", 120,
             1680, 5772, 252, "picStep(3)"},
            {"Label1(12)", "QLabel",
             "Select Exit to quit Tessel, or select New to create a new Tessel", 120, 2160, 5772,
             252, "picStep(3)"},
            {"Label1(14)", "QLabel", "version 1.0", 120, 120, 5772, 252, "picStep(4)"},
            {"Label1(17)", "QLabel", nullptr, 120, 360, 5772, 252, "picStep(4)"},
            {"Label1(19)", "QLabel", nullptr, 120, 720, 5772, 252, "picStep(4)"},
            {"Label1(20)", "QLabel", nullptr, 120, 960, 5772, 252, "picStep(4)"},
            {"cmdOk", "QPushButton", "&Ok", 4440, 2160, 852, 372, "picStep(4)"},
        };
        for (const Row& row : rows)
            QTest::newRow(row.name)
                << QString(row.kind) << QString(row.caption)
                << twips(row.left, row.top, row.width, row.height) << QString(row.container);
    }

    void inventory() {
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        QFETCH(QString, container);
        Form1 form;
        const QString name = QTest::currentDataTag();
        QWidget* control = form.findChild<QWidget*>(name);
        QVERIFY2(control != nullptr, qPrintable(name));
        QVERIFY(control->inherits(qPrintable(kind)));
        if (caption.isNull()) // the About page's own texts: present, and naming no person
            QVERIFY(!captionOf(control).isEmpty());
        else
            QCOMPARE(captionOf(control), caption);
        QCOMPARE(control->geometry(), geometry);
        QCOMPARE(control->parentWidget()->objectName(), container);
    }

    void arraysHaveExactlyTheirIndexes_data() {
        QTest::addColumn<QString>("array");
        QTest::addColumn<QList<int>>("indexes");
        QTest::newRow("cmdStep") << "cmdStep" << QList<int>{0, 1, 2, 3, 4, 5, 6};
        QTest::newRow("picStep") << "picStep" << QList<int>{0, 1, 2, 3, 4};
        QTest::newRow("cmdSelect") << "cmdSelect" << QList<int>{0, 1};
        QTest::newRow("imgButtons") << "imgButtons" << QList<int>{0, 1, 3};
        QTest::newRow("optMenuType") << "optMenuType" << QList<int>{0, 1};
        QTest::newRow("optExtension") << "optExtension" << QList<int>{0, 1};
        QTest::newRow("Label1") << "Label1" << QList<int>{0, 1,  2,  3,  4,  5,  6,  7, 8,
                                                          9, 10, 11, 12, 14, 17, 19, 20};
    }

    void arraysHaveExactlyTheirIndexes() {
        QFETCH(QString, array);
        QFETCH(QList<int>, indexes);
        Form1 form;
        for (int index = -1; index <= 21; ++index) {
            const QString name = QString("%1(%2)").arg(array).arg(index);
            QCOMPARE(form.findChild<QWidget*>(name) != nullptr, indexes.contains(index));
        }
        QVERIFY(!form.ui.imgButtons.contains(2));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, form.ui.imgButtons(2));
    }

    void window() {
        Form1 form;
        QCOMPARE(form.windowTitle(), QString("Tessel 1.0"));
        QCOMPARE(form.size(), QSize(416, 287)); // 6240 x 4308 twips
        const QImage icon(":/forms/artwork/icon.bmp");
        QCOMPARE(icon.size(), QSize(32, 32));
        QVERIFY(icon.colorCount() <= 16 && icon.colorCount() > 0);
        QVERIFY(!form.windowIcon().isNull());

        // The banner is shown unstretched, its control the picture plus the sunken border.
        const QImage banner(":/forms/artwork/banner.bmp");
        QCOMPARE(banner.size(), QSize(205, 52));
        QCOMPARE(banner.depth(), 32); // loaded from 24 bits as RGB32
        QCOMPARE(form.ui.Image1->pixmap().size(), QSize(205, 52));
        QCOMPARE(form.ui.Image1->geometry(), QRect(120, 8, 207, 54));
        QCOMPARE(form.ui.Image1->frameShadow(), QFrame::Sunken);

        QCOMPARE(form.ui.Line1->geometry(), QRect(8, 248, 401, 1));
    }

    void bannerIsUncompressed24BitBmp() {
        QFile file(":/forms/artwork/banner.bmp");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        const auto word = [&](int at) {
            return quint16(uchar(bytes[at]) | uchar(bytes[at + 1]) << 8);
        };
        QCOMPARE(word(28), quint16(24)); // bits per pixel
        QCOMPARE(word(30), quint16(0));  // no compression
    }

    void labelStyles_data() {
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("alignment");
        const QColor blue(0, 0, 255), black(0, 0, 0);
        const QColor plain = QApplication::palette().color(QPalette::WindowText);
        const QString sans = "MS Sans Serif", serif = "Times New Roman";
        const int centre = Qt::AlignHCenter, left = Qt::AlignLeft;
        QTest::newRow("Label1(0)") << blue << sans << 12.0 << false << centre;
        QTest::newRow("lblNumberOfButtons") << plain << sans << 13.8 << false << centre;
        QTest::newRow("lblButtonNumber") << plain << sans << 8.0 << false << centre;
        QTest::newRow("Label1(5)") << blue << sans << 8.0 << false << left;
        QTest::newRow("Label1(4)") << black << sans << 8.0 << false << centre;
        QTest::newRow("Label1(8)") << blue << sans << 8.0 << false << centre;
        QTest::newRow("lblFileName") << QColor(192, 0, 0) << sans << 13.8 << false << centre;
        QTest::newRow("Label1(19)") << black << serif << 10.2 << true << centre;
    }

    void labelStyles() {
        QFETCH(QColor, text);
        QFETCH(QString, family);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(int, alignment);
        Form1 form;
        auto* label = form.findChild<QLabel*>(QTest::currentDataTag());
        QCOMPARE(label->palette().color(QPalette::WindowText), text);
        QCOMPARE(label->font().family(), family);
        QCOMPARE(label->font().pointSizeF(), points);
        QCOMPARE(label->font().bold(), bold);
        QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
        QVERIFY(label->wordWrap());
        // Where the named family is missing, a family of the same kind stands in.
        QVERIFY(!QFontInfo(label->font()).family().isEmpty());
    }

    void panelsAreOpaqueWithTheirColours() {
        Form1 form;
        const QColor grey(192, 192, 192);
        const QColor menu = QApplication::palette("QMenu").color(QPalette::Window);
        const QColor expected[] = {grey, grey, menu, menu, grey};
        for (int i = 0; i < 5; ++i) {
            QVERIFY(form.ui.picStep(i)->autoFillBackground());
            QCOMPARE(form.ui.picStep(i)->palette().color(QPalette::Window), expected[i]);
        }
    }

    void optionPairsAreSeparateGroups() {
        Form1 form;
        form.show();
        QVERIFY(form.ui.optMenuType(0)->isChecked());
        QVERIFY(form.ui.optExtension(0)->isChecked());
        form.ui.optMenuType(1)->click();
        QVERIFY(!form.ui.optMenuType(0)->isChecked());
        QVERIFY(form.ui.optExtension(0)->isChecked());
        form.ui.optExtension(1)->click();
        QVERIFY(!form.ui.optExtension(0)->isChecked());
        QVERIFY(form.ui.optMenuType(1)->isChecked());
        form.ui.optMenuType(0)->click();
        QVERIFY(!form.ui.optMenuType(1)->isChecked());
    }

    void tabOrder() {
        Form1 form;
        const QStringList expected = {
            "cmdStep(3)",      "cmdStep(2)",     "cmdStep(4)", "picStep(0)",     "cmdStep(1)",
            "cmdStep(0)",      "picStep(1)",     "HScroll1",   "optMenuType(1)", "optMenuType(0)",
            "cmdSelect(0)",    "cmdSelect(1)",   "picStep(2)", "txtFileName",    "optExtension(0)",
            "optExtension(1)", "txtButtonLinks", "picStep(3)", "txtFrameName",   "cmdStep(5)",
            "cmdStep(6)",      "picStep(4)",     "cmdOk"};
        QStringList walked;
        QWidget* widget = form.findChild<QWidget*>(expected.first());
        for (int guard = 0; guard < 200 && walked.size() < expected.size(); ++guard) {
            if (widget->focusPolicy() & Qt::TabFocus)
                walked.append(widget->objectName());
            widget = widget->nextInFocusChain();
        }
        QCOMPARE(walked, expected);
        for (const int index : form.ui.Label1.indexes())
            QCOMPARE(form.ui.Label1(index)->focusPolicy(), Qt::NoFocus);
        QCOMPARE(form.ui.imgButtons(3)->focusPolicy(), Qt::NoFocus);
    }

    void mnemonicPressesItsButton() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QSignalSpy about(form.ui.cmdStep(5), &QPushButton::clicked);
        QTest::keyClick(&form, Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(about.count(), 1); // a mnemonic clicks with a short animation
    }
};

TESSEL_TEST_MAIN(TestForm1Layout)
#include "test_form1_layout.moc"

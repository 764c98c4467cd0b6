#include "TestSupport.h"

#include "forms/FileDialogChooser.h"
#include "generator/MenuPage.h"
#include "generator/PageFile.h"

using TestData::path;
using TestSupport::Wizard;

// The button count, choosing and dropping pictures, the rollover preview and bad pictures.
class TestEditor : public QObject {
    Q_OBJECT

    const TestSupport::WorkingFolder work_;

    // Moves the pointer as a row of preview.txt says.
    static void moveOnto(const Wizard& wizard, QString target) {
        const bool drag = target.startsWith("drag ");
        QWidget* panel = wizard.ui.picStep(1);
        QWidget* control =
            target == "panel" ? panel : panel->findChild<QWidget*>(target.remove("drag "));
        const QPoint at = target == "panel" ? QPoint(20, 60) : control->rect().center();
        if (drag)
            QTest::mousePress(control, Qt::LeftButton, {}, at);
        QTest::mouseMove(control, at + QPoint(1, 0));
        if (drag)
            QTest::mouseRelease(control, Qt::LeftButton, {}, at);
    }

private slots:
    // The list shows each button's normal picture, small; a picture chosen again is shown
    // anew, even from the same file changed since.
    void listPictures() {
        Wizard wizard;
        wizard.walk("2>");
        QAbstractItemModelTester tester(wizard.form.buttonList()->lstButtons->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QString file = work_.picture("red.bmp", "list/p.bmp");
        const auto colourOfRow = [&](int row) {
            wizard.walk("L");
            const QAbstractItemModel* rows = wizard.form.buttonList()->lstButtons->model();
            const QPixmap icon = rows->index(row, 0).data(Qt::DecorationRole).value<QPixmap>();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            return icon.toImage().pixelColor(icon.rect().center()).name();
        };
        wizard.choose(0, file);
        Wizard::type(wizard.ui.txtButtonText, "Home"); // the row says its text before its link
        QCOMPARE(colourOfRow(0), "#ff0000");
        QVERIFY(QFile::remove(file) && QFile::copy(path("blue.bmp"), file));
        wizard.choose(0, file);
        wizard.walk("LI"); // a button after it: the picture goes with its own row
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(colourOfRow(0) + colourOfRow(1), "#0000ff#000000");
        // A screen reader says each row's number, renumbered after the insertion too.
        QAccessibleInterface* list =
            QAccessible::queryAccessibleInterface(wizard.form.buttonList()->lstButtons);
        QCOMPARE(list->child(0)->text(QAccessible::Name) + '|' +
                     list->child(2)->text(QAccessible::Name),
                 "1  Home: (no link)|3  (no link)");
    }

    // What the list lets the user do with the chosen button at the ends of a menu, and what
    // the question before a removal says goes with the button: only what it holds.
    void removingButtons() {
        Wizard wizard;
        const ButtonList* list = wizard.form.buttonList();
        const auto actions = [list] {
            QString enabled;
            for (QPushButton* button : {list->cmdInsertBefore, list->cmdInsertAfter,
                                        list->cmdRemove, list->cmdUp, list->cmdDown})
                enabled += button->isEnabled() ? button->text().remove('&').left(1) : "-";
            return enabled;
        };
        wizard.walk("1>L");
        QCOMPARE(actions(), "II---"); // one button stays
        wizard.walk("I");
        QCOMPARE(actions(), "IIRM-");
        wizard.walk("c");
        const QString over = work_.picture("blue.bmp", "removing/over.bmp");
        wizard.choose(1, over); // on button 1, only its mouse-over picture
        wizard.walk("LD");
        QCOMPARE(wizard.messages->questions.join("|"),
                 "Cancel: Remove button 1 from the menu?\n\nThese go with it:\n"
                 "its mouse-over picture, over.bmp");
        // An opened page's button with a line of its author's among its own.
        const QByteArray page =
            MenuPage::text({MenuType::Vertical, {{"", "", "a.html", "main", "A"}, {}}})
                .replace("// Button 1\r\n", "// Button 1\r\n/* note */\r\n");
        QVERIFY(PageFile::save(work_.filePath("removing/page.html"), page).isEmpty());
        Wizard opened;
        opened.form.openPage(work_.filePath("removing/page.html"));
        opened.walk(">LD");
        QCOMPARE(opened.messages->questions.join("|"),
                 "Cancel: Remove button 1 (a.html) from the menu?\n\nThese go with it:\n"
                 "its link\nits frame, main\nits text, A\n1 line of your own among its lines");
    }

    // While the list is open, Tab stays on what the user sees and typing reaches nothing behind
    // it; Escape leaves it wherever the focus went.
    void listKeepsTheKeys() {
        Wizard wizard;
        wizard.walk("2>");
        Wizard::type(wizard.ui.txtButtonLinks, "one.html");
        wizard.walk("L");
        for (int tab = 0; tab < 14; ++tab) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY2(QApplication::focusWidget()->isVisible(),
                     qPrintable(QApplication::focusWidget()->objectName()));
            QTest::keyClicks(QApplication::focusWidget(), "3");
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(wizard.ui.txtFrameName)->state().invisible,
                 true); // a screen reader does not report it
        for (int tab = 0;
             tab < 14 && !QApplication::focusWidget()->objectName().startsWith("cmdStep");
             ++tab) // from a step button, as the user's Tab may leave it there
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(wizard.where() + ' ' + wizard.fields(), "1 EN->-AT 1 one.html|");
    }

    void buttonCount() {
        Wizard wizard;
        QScrollBar* bar = wizard.ui.HScroll1;
        QStringList seen;
        for (const Qt::Key key : {Qt::Key_End, Qt::Key_Left, Qt::Key_Home, Qt::Key_Right,
                                  Qt::Key_PageUp, Qt::Key_Left}) {
            QTest::keyClick(bar, key);
            seen.append(wizard.ui.lblNumberOfButtons->text());
        }
        QCOMPARE(seen, (QStringList{"1000", "999", "1", "2", "7", "6"}));
        bar->setTracking(false); // a drag shows where the thumb is, before the value follows
        bar->setSliderDown(true);
        bar->setSliderPosition(500);
        QCOMPARE(wizard.ui.lblNumberOfButtons->text() + QString::number(bar->value()), "5006");
    }

    void previewTransitions_data() { TestData::rows("preview.txt"); }

    void previewTransitions() {
        QFETCH(TestData::Row, row);
        Wizard wizard;
        wizard.walk("2>");
        wizard.choose(0, path("red.bmp"));
        wizard.choose(1, path("blue.bmp"));
        const Picture oldNormal = wizard.shown(0);
        for (const QString& move : row["moves"].split(',', Qt::SkipEmptyParts)) {
            if (move == "choose") { // by keyboard: the pointer stays where it is
                wizard.dialog->answers.append(path("green.gif"));
                QTest::keyClick(wizard.ui.cmdSelect(0), Qt::Key_Space);
            } else if (move == "press")
                QTest::mouseClick(wizard.ui.imgButtons(3), Qt::LeftButton);
            else
                moveOnto(wizard, move);
        }
        const QMap<QString, Picture> named = {
            {"normal", wizard.shown(0)}, {"over", wizard.shown(1)}, {"old normal", oldNormal}};
        QVERIFY(!wizard.shown(0).isNull() && !wizard.shown(1).isNull());
        QVERIFY(wizard.shown(3) == named.value(row["shows"]));
    }

    void choicesAreStoredForTheirButtonAndKind() {
        Wizard wizard;
        wizard.walk("3>>"); // button 2
        const QString a = work_.filePath("a"), b = work_.filePath("b");
        wizard.choose(0, work_.picture("red.bmp", "a/first.bmp"));
        wizard.choose(0, work_.picture("blue.bmp", "a/second.bmp"));
        wizard.choose(1, QString()); // a cancel changes nothing, the folder neither
        wizard.choose(1, work_.picture("green.gif", "a/same.gif"));
        wizard.walk(">"); // a drop is taken as the dialog's choice, and its folder remembered
        QVERIFY(Wizard::dropOn(wizard.ui.imgButtons(1), {work_.picture("red.bmp", "b/same.gif")}));
        wizard.choose(0, QString());
        QStringList stored;
        for (qint16 button = 1; button <= 3; ++button)
            for (qint16 kind = 0; kind <= 1; ++kind)
                stored.append(wizard.model().sImageFile(button, kind));
        QCOMPARE(stored.join(','), ",,second.bmp,same.gif,,same.gif");
        QCOMPARE(wizard.dialog->startFolders, (QStringList{"", a, a, a, b}));
        // Any letter case matches: a Linux file system tells PHOTO.JPG from photo.jpg.
        QCOMPARE(wizard.dialog->filters.first(),
                 "Pictures (*.bmp;*.jpg;*.jpeg;*.gif;*.png;*.webp) (*.[bB][mM][pP] *.[jJ][pP][gG] "
                 "*.[jJ][pP][eE][gG] *.[gG][iI][fF] *.[pP][nN][gG] *.[wW][eE][bB][pP])");
        // Back to button 2: both pictures again, the preview on the normal one; none on 1.
        moveOnto(wizard, "imgButtons(3)");
        wizard.walk("<");
        QVERIFY(!wizard.shown(0).isNull() && !wizard.shown(1).isNull() &&
                wizard.shown(3) == wizard.shown(0));
        wizard.walk("<");
        QVERIFY(wizard.shown(0).isNull() && wizard.shown(1).isNull() && wizard.shown(3).isNull());
        QCOMPARE(wizard.messages->warnings, QStringList());
    }

    void badPictures_data() { TestData::rows("bad-pictures.txt"); }

    void badPictures() {
        QFETCH(TestData::Row, row);
        const QString file = path(row["file"]);
        Wizard wizard;
        wizard.walk("1>");
        wizard.choose(0, path("red.bmp"));
        const Picture good = wizard.shown(0);
        wizard.choose(0, file);
        QVERIFY(Wizard::dropOn(wizard.ui.imgButtons(0), {file}) || QFileInfo(file).isDir());
        const QStringList& warnings = wizard.messages->warnings;
        QVERIFY(!warnings.isEmpty());
        QVERIFY2(warnings.first().contains(file) && warnings.first().contains(row["warning"]),
                 qPrintable(warnings.first()));
        QCOMPARE(warnings.last(), warnings.first()); // a drop says what the dialog says
        QVERIFY(wizard.shown(0) == good);
        QCOMPARE(wizard.model().sImageFile(1, 0), "red.bmp");
    }

    void photosAnimationsAndMissingPictures() {
        QImage(3000, 2000, QImage::Format_RGB32).save(work_.filePath("photo.jpg"));
        Wizard wizard;
        wizard.walk("2>");
        wizard.choose(1, work_.filePath("photo.jpg"));
        const QSize box = wizard.ui.imgButtons(1)->contentsRect().size();
        QVERIFY(wizard.shown(1).size().boundedTo(box) == wizard.shown(1).size()); // decoded small
        wizard.choose(0, work_.picture("spin.gif", "spin.gif"));
        QMovie* movie = wizard.shown(0).movie();
        QVERIFY(movie && movie->frameCount() == 3);
        moveOnto(wizard, "panel");
        QCOMPARE(wizard.shown(3).movie(), movie); // playing in step with the editor
        QVERIFY(QSignalSpy(movie, &QMovie::frameChanged).wait(2000));
        wizard.walk(">");
        QVERIFY(QFile::remove(work_.filePath("spin.gif")));
        wizard.walk("<");
        const QString tip = wizard.ui.imgButtons(0)->toolTip();
        QVERIFY(wizard.shown(0).isNull() && tip.contains(work_.filePath("spin.gif")));
        QCOMPARE(wizard.model().sImageFile(1, 0), "spin.gif");
        wizard.choose(0, work_.picture("spin.gif", "spin.gif"));
        QCOMPARE(wizard.ui.imgButtons(0)->toolTip(), QString());
        // The formats of today's web, chosen or dropped.
        for (const char* name : {"button.png", "button.webp", "photo.jpeg"}) {
            QImage(40, 20, QImage::Format_RGB32).save(work_.filePath(name));
            wizard.choose(0, work_.filePath(name));
            QVERIFY(Wizard::dropOn(wizard.ui.imgButtons(1), {work_.filePath(name)}));
            QCOMPARE(wizard.model().sImageFile(1, 0) + wizard.model().sImageFile(1, 1),
                     QString(name) + name);
            QVERIFY(!wizard.shown(0).isNull() && !wizard.shown(1).isNull());
        }
        QCOMPARE(wizard.messages->warnings, QStringList());
    }

    // The real dialog refuses a typed name that is not there, and takes one that is.
    void dialogTakesOnlyFilesThatExist() {
        const auto dialog = FileDialogChooser::makeDialog(nullptr, "Pictures (*.bmp)", path(""));
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(name);
        QString refusal;
        QTimer::singleShot(0, [&refusal] { // the dialog says so in a box of its own
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            refusal = box ? box->text() : "no box";
            if (box)
                box->accept();
        });
        name->setText("no-such.bmp");
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY2(refusal.contains("no-such.bmp") && dialog->isVisible(), qPrintable(refusal));
        name->setText("red.bmp");
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->selectedFiles(), QStringList(path("red.bmp")));
    }

    // A drop takes one local file on a button page's picture; elsewhere the covered select
    // buttons and pictures take no key and no drop.
    void refusedDropsAndCoveredPictures() {
        Wizard wizard;
        const QString red = path("red.bmp");
        wizard.dialog->answers.append(red);
        for (const QString keys : {"", "1>>"}) { // the menu-type and the file-name page
            wizard.walk(keys);
            QTest::keyClick(wizard.ui.cmdSelect(0), Qt::Key_Space);
            QVERIFY(wizard.dialog->filters.isEmpty() &&
                    !Wizard::dropOn(wizard.ui.imgButtons(0), {red}));
        }
        wizard.walk("<");
        for (const QStringList& files : {QStringList{red, red}, {TESSEL_TEST_DATA}, {"http://a/b"}})
            QVERIFY2(!Wizard::dropOn(wizard.ui.imgButtons(1), files), qPrintable(files.join(' ')));
        QVERIFY(!Wizard::dropOn(wizard.ui.imgButtons(3), {red}));
        QVERIFY(wizard.shown(0).isNull() && wizard.shown(1).isNull());
        QCOMPARE(wizard.model().sImageFile(1, 0) + wizard.model().sImageFile(1, 1), QString());
    }
};

QTEST_MAIN(TestEditor)
#include "test_editor.moc"

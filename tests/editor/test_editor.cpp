#include "TestSupport.h"

#include "forms/FileDialogChooser.h"
#include "forms/ImageBox.h"

#include <QFileDialog>
#include <QLabel>
#include <QMovie>
#include <QScrollBar>
#include <QSignalSpy>

using TestSupport::Wizard;

// The button editor: the button count, choosing pictures through the dialog, what is
// stored, the rollover preview, and pictures that cannot be used.
class TestEditor : public QObject {
    Q_OBJECT

    const TestSupport::WorkingFolder work_;

    static const Picture& shown(const Wizard& wizard, int index) {
        return wizard.form.ui.imgButtons(index)->picture();
    }

    // The pointer's way over the button page: "panel" is its bare surface; "drag NAME" moves
    // over a control with the button held, which Qt hands on to the panel beneath.
    static void moveOnto(Wizard& wizard, const QString& target) {
        QWidget* panel = wizard.form.ui.picStep(1);
        if (target == "panel") {
            QVERIFY(panel->childAt(20, 60) == nullptr);
            QTest::mouseMove(panel, QPoint(20, 60));
        } else if (target.startsWith("drag ")) {
            auto* control = panel->findChild<QWidget*>(target.mid(5));
            const QPointF at = control->rect().center();
            QMouseEvent move(QEvent::MouseMove, at, control->mapToGlobal(at), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(control, &move);
        } else {
            auto* control = panel->findChild<QWidget*>(target);
            QTest::mouseMove(control, control->rect().center() + QPoint(1, 0));
        }
    }

private slots:
    void buttonCountFollowsTheKeys() {
        Wizard wizard;
        QScrollBar* bar = wizard.form.ui.HScroll1;
        bar->setFocus();
        QStringList shown;
        for (const Qt::Key key : {Qt::Key_End, Qt::Key_Left, Qt::Key_Home, Qt::Key_Right,
                                  Qt::Key_PageUp, Qt::Key_Left}) {
            QTest::keyClick(bar, key);
            shown.append(wizard.form.ui.lblNumberOfButtons->text());
        }
        QCOMPARE(shown, (QStringList{"1000", "999", "1", "2", "7", "6"}));
    }

    void buttonCountFollowsADrag() {
        Wizard wizard;
        QScrollBar* bar = wizard.form.ui.HScroll1;
        bar->setTracking(false); // the number follows the thumb, not the value yet to come
        bar->setSliderDown(true);
        bar->setSliderPosition(500);
        QCOMPARE(wizard.form.ui.lblNumberOfButtons->text(), QString("500"));
        QCOMPARE(bar->value(), 2);
    }

    void previewTransitions_data() {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QString>("expected");
        QTest::newRow("choosing reaches no preview") << QStringList{} << "blank";
        QTest::newRow("panel") << QStringList{"panel"} << "normal";
        QTest::newRow("preview") << QStringList{"imgButtons(3)"} << "over";
        QTest::newRow("preview, panel") << QStringList{"imgButtons(3)", "panel"} << "normal";
        QTest::newRow("panel, normal image") << QStringList{"panel", "imgButtons(0)"} << "normal";
        QTest::newRow("panel, over image") << QStringList{"panel", "imgButtons(1)"} << "normal";
        QTest::newRow("preview, normal image")
            << QStringList{"imgButtons(3)", "imgButtons(0)"} << "over";
        QTest::newRow("preview, label") << QStringList{"imgButtons(3)", "Label1(5)"} << "over";
        QTest::newRow("preview, drag on a label")
            << QStringList{"imgButtons(3)", "drag Label1(5)"} << "over";
        QTest::newRow("preview, text box, panel")
            << QStringList{"imgButtons(3)", "txtFrameName", "panel"} << "normal";
        QTest::newRow("new normal waits for the panel") << QStringList{"panel", "choose"}
                                                        << "old normal";
        QTest::newRow("new normal, panel") << QStringList{"panel", "choose", "panel"} << "normal";
        QTest::newRow("pressing on the preview") << QStringList{"imgButtons(3)", "press"} << "over";
    }

    void previewTransitions() {
        QFETCH(QStringList, moves);
        QFETCH(QString, expected);
        Wizard wizard;
        wizard.startMenu(2);
        wizard.choose(0, TestSupport::fixture("red.bmp"));
        wizard.choose(1, TestSupport::fixture("blue.bmp"));
        const Picture oldNormal = shown(wizard, 0);
        for (const QString& move : moves) {
            if (move == "choose")
                wizard.choose(0, TestSupport::fixture("green.gif"));
            else if (move == "press")
                QTest::mouseClick(wizard.form.ui.imgButtons(3), Qt::LeftButton);
            else
                moveOnto(wizard, move);
        }
        const QMap<QString, Picture> named = {{"normal", shown(wizard, 0)},
                                              {"over", shown(wizard, 1)},
                                              {"old normal", oldNormal}};
        QVERIFY(!shown(wizard, 0).isNull() && !shown(wizard, 1).isNull());
        QVERIFY(shown(wizard, 3) == named.value(expected));
    }

    void choicesAreStoredForTheirButtonAndKind() {
        Wizard wizard;
        wizard.startMenu(3);
        wizard.next(); // button 2
        const QString a = work_.filePath("a"), b = work_.filePath("b");
        wizard.choose(0, work_.picture("red.bmp", "a/first.bmp"));
        wizard.choose(0, work_.picture("blue.bmp", "a/second.bmp"));
        wizard.choose(1, work_.picture("green.gif", "a/same.gif"));
        wizard.choose(1, QString()); // a cancel changes nothing, the folder neither
        wizard.next(); // button 3
        wizard.choose(0, work_.picture("red.bmp", "b/same.gif"));
        wizard.choose(1, QString());

        QStringList stored;
        for (qint16 button = 1; button <= 3; ++button)
            for (qint16 kind = 0; kind <= 2; ++kind)
                stored.append(wizard.state().sImageFile(button, kind));
        QCOMPARE(stored, (QStringList{"", "", "", "second.bmp", "same.gif", "", "same.gif", "", ""}));
        QCOMPARE(wizard.dialog->startFolders, (QStringList{"", a, a, a, a, b}));
        // Any letter case matches: a Linux file system tells PHOTO.JPG from photo.jpg.
        QCOMPARE(wizard.dialog->filters.first(),
                 QString("Pictures (*.bmp;*.jpg;*.gif) (*.[bB][mM][pP] *.[jJ][pP][gG] *.[gG][iI][fF])"));
        QVERIFY(shown(wizard, 1).isNull());

        // Back to button 2: both pictures again, the preview on the normal one.
        moveOnto(wizard, "imgButtons(3)");
        wizard.back();
        QVERIFY(!shown(wizard, 0).isNull() && !shown(wizard, 1).isNull());
        QVERIFY(shown(wizard, 3) == shown(wizard, 0));
        wizard.back();
        QVERIFY(shown(wizard, 0).isNull() && shown(wizard, 1).isNull() && shown(wizard, 3).isNull());
        QCOMPARE(wizard.messages->warnings, QStringList());
    }

    void theDialogOpensExistingFilesOnly() {
        const auto dialog = FileDialogChooser::makeDialog(nullptr, "P (*.a)", QString());
        QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptOpen);
    }

    void badPictures_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QImage photo(200, 120, QImage::Format_RGB32);
        photo.fill(Qt::darkGreen);
        QVERIFY(photo.save(work_.filePath("whole.jpg")));
        const QByteArray jpeg = TestSupport::readFile(work_.filePath("whole.jpg"));
        const auto write = [&](const QString& name, const QByteArray& bytes) {
            QFile file(work_.filePath(name));
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
                       ? file.fileName()
                       : QString();
        };
        QTest::newRow("zero bytes") << write("empty.bmp", {}) << "empty";
        QTest::newRow("JPEG cut in half") << write("cut.jpg", jpeg.left(jpeg.size() / 2))
                                          << "incomplete";
        QTest::newRow("JPEG without its end") << write("cut2.jpg", jpeg.chopped(2)) << "incomplete";
        QTest::newRow("text named .gif") << TestSupport::fixture("notes.gif")
                                         << "not a BMP, JPEG or GIF";
        QTest::newRow("huge") << TestSupport::fixture("huge.bmp") << "60000 x 60000";
        QTest::newRow("huge, top-down") << TestSupport::fixture("huge-top-down.bmp")
                                        << "60000 x 60000";
        QTest::newRow("missing") << work_.filePath("gone.bmp") << "does not exist";
        QTest::newRow("folder") << work_.filePath("") << "not a file";
    }

    void badPictures() {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        Wizard wizard;
        wizard.startMenu(1);
        wizard.choose(0, TestSupport::fixture("red.bmp"));
        const Picture good = shown(wizard, 0);
        wizard.choose(0, path);
        QCOMPARE(wizard.messages->warnings.size(), 1);
        const QString warning = wizard.messages->warnings.first();
        QVERIFY2(warning.contains(path) && warning.contains(reason), qPrintable(warning));
        QVERIFY(shown(wizard, 0) == good);
        QCOMPARE(wizard.state().sImageFile(1, 0), QString("red.bmp"));
    }

    void largePhotoIsDecodedAtTheSizeShown() {
        QImage photo(3000, 2000, QImage::Format_RGB32);
        photo.fill(Qt::magenta);
        QVERIFY(photo.save(work_.filePath("photo.jpg")));
        Wizard wizard;
        wizard.startMenu(1);
        wizard.choose(1, work_.filePath("photo.jpg"));
        const QSize box = wizard.form.ui.imgButtons(1)->contentsRect().size();
        QVERIFY(shown(wizard, 1).size().width() <= box.width());
        QVERIFY(shown(wizard, 1).size().height() <= box.height());
    }

    void animatedGifPlaysInEditorAndPreview() {
        Wizard wizard;
        wizard.startMenu(1);
        wizard.choose(0, TestSupport::fixture("spin.gif"));
        QMovie* movie = shown(wizard, 0).movie();
        QVERIFY(movie != nullptr);
        QCOMPARE(movie->frameCount(), 3);
        moveOnto(wizard, "panel");
        QCOMPARE(shown(wizard, 3).movie(), movie);
        QSignalSpy frames(movie, &QMovie::frameChanged);
        QVERIFY(frames.wait(2000));
    }

    void missingPictureOnReturn() {
        Wizard wizard;
        wizard.startMenu(2);
        const QString path = work_.picture("red.bmp", "moved.bmp");
        wizard.choose(0, path);
        wizard.next();
        QVERIFY(QFile::remove(path));
        wizard.back();
        ImageBox* box = wizard.form.ui.imgButtons(0);
        QVERIFY(box->picture().isNull());
        QVERIFY2(box->toolTip().contains(path), qPrintable(box->toolTip()));
        QCOMPARE(wizard.state().sImageFile(1, 0), QString("moved.bmp"));
        wizard.choose(0, work_.picture("red.bmp", "moved.bmp"));
        QVERIFY(box->toolTip().isEmpty());
    }

    void selectOnACoveredPageDoesNothing() {
        Wizard wizard;
        QWidget* select = wizard.form.ui.cmdSelect(0);
        select->setFocus(); // reachable with Tab while step 0 is in front
        wizard.dialog->answers.append(TestSupport::fixture("red.bmp"));
        QTest::keyClick(select, Qt::Key_Space);
        QVERIFY(wizard.dialog->filters.isEmpty());
        QVERIFY(shown(wizard, 0).isNull());
    }
};

TESSEL_TEST_MAIN(TestEditor)
#include "test_editor.moc"

#include "TestSupport.h"

#include "forms/FileDialogChooser.h"
#include "forms/ImageBox.h"

#include <QFileDialog>
#include <QLabel>
#include <QMimeData>
#include <QMovie>
#include <QSignalSpy>

using TestSupport::fixture;
using TestSupport::Wizard;

// The button editor: the button count, choosing and dropping pictures, what is stored, the
// rollover preview, and pictures that cannot be used.
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
        auto* control = panel->findChild<QWidget*>(QString(target).remove("drag "));
        if (target == "panel") {
            QTest::mouseMove(panel, QPoint(20, 60));
        } else if (target.startsWith("drag ")) {
            const QPointF at = control->rect().center();
            QMouseEvent move(QEvent::MouseMove, at, control->mapToGlobal(at), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(control, &move);
        } else {
            QTest::mouseMove(control, control->rect().center() + QPoint(1, 0));
        }
    }

    // Drags files (or web addresses) onto a control and drops them; true where it took them.
    static bool dropOn(QWidget* target, const QStringList& files) {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString& file : files)
            urls.append(file.startsWith("http") ? QUrl(file) : QUrl::fromLocalFile(file));
        mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QDropEvent drop(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QApplication::sendEvent(target, &drop);
        return enter.isAccepted();
    }

private slots:
    void buttonCount() {
        Wizard wizard;
        QScrollBar* bar = wizard.form.ui.HScroll1;
        QStringList shown;
        for (const Qt::Key key : {Qt::Key_End, Qt::Key_Left, Qt::Key_Home, Qt::Key_Right,
                                  Qt::Key_PageUp, Qt::Key_Left}) {
            QTest::keyClick(bar, key);
            shown.append(wizard.form.ui.lblNumberOfButtons->text());
        }
        QCOMPARE(shown, (QStringList{"1000", "999", "1", "2", "7", "6"}));
        bar->setTracking(false); // a drag shows where the thumb is, before the value follows
        bar->setSliderDown(true);
        bar->setSliderPosition(500);
        QCOMPARE(wizard.form.ui.lblNumberOfButtons->text() + QString::number(bar->value()),
                 QString("5006"));
    }

    void previewTransitions_data() {
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QString>("expected");
        const char* rows[][2] = {{"", "blank"}, // choosing reaches no preview
                                 {"panel", "normal"},
                                 {"imgButtons(3)", "over"},
                                 {"imgButtons(3),panel", "normal"},
                                 {"panel,imgButtons(0)", "normal"},
                                 {"panel,imgButtons(1)", "normal"},
                                 {"imgButtons(3),imgButtons(0)", "over"},
                                 {"imgButtons(3),Label1(5)", "over"},
                                 {"imgButtons(3),drag Label1(5)", "over"},
                                 {"imgButtons(3),txtFrameName,panel", "normal"},
                                 {"panel,choose", "old normal"},
                                 {"panel,choose,panel", "normal"},
                                 {"imgButtons(3),press", "over"}};
        for (const auto& [moves, expected] : rows)
            QTest::newRow(moves) << moves << expected;
    }

    void previewTransitions() {
        QFETCH(QString, moves);
        QFETCH(QString, expected);
        Wizard wizard;
        wizard.startMenu(2);
        wizard.choose(0, fixture("red.bmp"));
        wizard.choose(1, fixture("blue.bmp"));
        const Picture oldNormal = shown(wizard, 0);
        for (const QString& move : moves.split(',', Qt::SkipEmptyParts)) {
            if (move == "choose")
                wizard.choose(0, fixture("green.gif"));
            else if (move == "press")
                QTest::mouseClick(wizard.form.ui.imgButtons(3), Qt::LeftButton);
            else
                moveOnto(wizard, move);
        }
        const QMap<QString, Picture> named = {
            {"normal", shown(wizard, 0)}, {"over", shown(wizard, 1)}, {"old normal", oldNormal}};
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
        wizard.next();
        wizard.choose(0, work_.picture("red.bmp", "b/same.gif"));
        wizard.choose(1, QString());
        QStringList stored;
        for (qint16 button = 1; button <= 3; ++button)
            for (qint16 kind = 0; kind <= 2; ++kind)
                stored.append(wizard.state().sImageFile(button, kind));
        QCOMPARE(stored.join(','), QString(",,,second.bmp,same.gif,,same.gif,,"));
        QCOMPARE(wizard.dialog->startFolders, (QStringList{"", a, a, a, a, b}));
        // Any letter case matches: a Linux file system tells PHOTO.JPG from photo.jpg.
        QCOMPARE(
            wizard.dialog->filters.first(),
            QString("Pictures (*.bmp;*.jpg;*.gif) (*.[bB][mM][pP] *.[jJ][pP][gG] *.[gG][iI][fF])"));
        QCOMPARE(FileDialogChooser::makeDialog(nullptr, "", "")->fileMode(),
                 QFileDialog::ExistingFile);

        // Back to button 2: both pictures again, the preview on the normal one.
        moveOnto(wizard, "imgButtons(3)");
        wizard.back();
        QVERIFY(!shown(wizard, 0).isNull() && !shown(wizard, 1).isNull());
        QVERIFY(shown(wizard, 3) == shown(wizard, 0));
        wizard.back();
        QVERIFY(shown(wizard, 0).isNull() && shown(wizard, 1).isNull() &&
                shown(wizard, 3).isNull());
        QCOMPARE(wizard.messages->warnings, QStringList());
    }

    void badPictures_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QImage(200, 120, QImage::Format_RGB32).save(work_.filePath("whole.jpg"));
        const QByteArray jpeg = TestSupport::readFile(work_.filePath("whole.jpg"));
        const auto write = [&](const QString& name, const QByteArray& bytes) {
            QFile file(work_.filePath(name));
            file.open(QIODevice::WriteOnly);
            file.write(bytes);
            return file.fileName();
        };
        QTest::newRow("zero bytes") << write("empty.bmp", {}) << "the file is empty";
        QTest::newRow("JPEG cut in half")
            << write("cut.jpg", jpeg.left(jpeg.size() / 2)) << "incomplete";
        QTest::newRow("JPEG without its end") << write("cut2.jpg", jpeg.chopped(2)) << "incomplete";
        QTest::newRow("text named .gif") << fixture("notes.gif") << "not a BMP, JPEG or GIF";
        QTest::newRow("huge") << fixture("huge.bmp") << "60000 x 60000";
        QTest::newRow("huge, top-down") << fixture("huge-top-down.bmp") << "60000 x 60000";
        QTest::newRow("missing") << work_.filePath("gone.bmp") << "does not exist";
        QTest::newRow("folder") << work_.filePath("") << "not a file";
    }

    void badPictures() {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        Wizard wizard;
        wizard.startMenu(1);
        wizard.choose(0, fixture("red.bmp"));
        const Picture good = shown(wizard, 0);
        wizard.choose(0, path);
        QVERIFY(dropOn(wizard.form.ui.imgButtons(0), {path}) || QFileInfo(path).isDir());
        const QStringList& warnings = wizard.messages->warnings;
        QVERIFY2(warnings.first().contains(path) && warnings.first().contains(reason),
                 qPrintable(warnings.first()));
        QCOMPARE(warnings.last(), warnings.first()); // a drop says what the dialog says
        QVERIFY(shown(wizard, 0) == good);
        QCOMPARE(wizard.state().sImageFile(1, 0), QString("red.bmp"));
    }

    void photosAnimationsAndMissingPictures() {
        QImage(3000, 2000, QImage::Format_RGB32).save(work_.filePath("photo.jpg"));
        Wizard wizard;
        wizard.startMenu(2);
        wizard.choose(1, work_.filePath("photo.jpg"));
        const QSize box = wizard.form.ui.imgButtons(1)->contentsRect().size();
        QVERIFY(shown(wizard, 1).size().boundedTo(box) == shown(wizard, 1).size()); // decoded small
        wizard.choose(0, work_.picture("spin.gif", "spin.gif"));
        QMovie* movie = shown(wizard, 0).movie();
        QVERIFY(movie && movie->frameCount() == 3);
        moveOnto(wizard, "panel");
        QCOMPARE(shown(wizard, 3).movie(), movie); // playing in step with the editor
        QVERIFY(QSignalSpy(movie, &QMovie::frameChanged).wait(2000));

        wizard.next();
        QVERIFY(QFile::remove(work_.filePath("spin.gif")));
        wizard.back();
        ImageBox* normal = wizard.form.ui.imgButtons(0);
        QVERIFY(normal->picture().isNull() &&
                normal->toolTip().contains(work_.filePath("spin.gif")));
        QCOMPARE(wizard.state().sImageFile(1, 0), QString("spin.gif"));
        wizard.choose(0, work_.picture("spin.gif", "spin.gif"));
        QVERIFY(normal->toolTip().isEmpty());
    }

    // A picture dropped on an editor image is taken as the dialog would take it.
    void drops_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("buttonPage");
        QTest::addColumn<QString>("stored"); // empty: refused, nothing changes
        const QString red = fixture("red.bmp"), gif = fixture("spin.gif");
        QTest::newRow("normal picture") << 0 << QStringList{red} << true << "red.bmp";
        QTest::newRow("mouse-over picture") << 1 << QStringList{gif} << true << "spin.gif";
        QTest::newRow("several files") << 0 << QStringList{red, gif} << true << "";
        QTest::newRow("a folder") << 0 << QStringList{TESSEL_TEST_DATA} << true << "";
        QTest::newRow("a web address") << 1 << QStringList{"http://127.0.0.1/a.gif"} << true << "";
        QTest::newRow("on the preview") << 3 << QStringList{red} << true << "";
        QTest::newRow("on step 0") << 0 << QStringList{red} << false << "";
    }

    void drops() {
        QFETCH(int, box);
        QFETCH(QStringList, files);
        QFETCH(bool, buttonPage);
        QFETCH(QString, stored);
        Wizard wizard;
        if (buttonPage)
            wizard.startMenu(1);
        QCOMPARE(dropOn(wizard.form.ui.imgButtons(box), files), !stored.isEmpty());
        QCOMPARE(shown(wizard, box).isNull(), stored.isEmpty());
        if (buttonPage && box != 3)
            QCOMPARE(wizard.state().sImageFile(1, qint16(box)), stored);
        wizard.choose(0, QString()); // the next dialog opens where the dropped picture lies
        QCOMPARE(wizard.dialog->startFolders.value(0).isEmpty(), stored.isEmpty());
    }

    void selectOnACoveredPageDoesNothing() {
        Wizard wizard;
        wizard.form.ui.cmdSelect(0)->setFocus(); // reachable with Tab while step 0 is in front
        wizard.dialog->answers.append(fixture("red.bmp"));
        QTest::keyClick(wizard.form.ui.cmdSelect(0), Qt::Key_Space);
        QVERIFY(wizard.dialog->filters.isEmpty() && shown(wizard, 0).isNull());
    }
};

TESSEL_TEST_MAIN(TestEditor)
#include "test_editor.moc"

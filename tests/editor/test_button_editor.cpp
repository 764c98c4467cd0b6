#include "PictureFiles.h"
#include "TestSupport.h"

#include "forms/CommonDialog.h"
#include "forms/FileDialogChooser.h"
#include "forms/ImageBox.h"
#include "generator/MenuPage.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QMovie>
#include <QSignalSpy>
#include <QTemporaryDir>

using TestSupport::click;

// The button editor: choosing pictures through the dialog, what is stored, the rollover
// preview, and pictures that cannot be used.
class TestButtonEditor : public QObject {
    Q_OBJECT

    const TestSupport::WorkingFolder work_;

    struct Editor {
        Form1 form;
        QStringList messages;
        TestSupport::ScriptedChooser::Log dialog;

        explicit Editor(int buttons) { start(buttons); }
        void start(int buttons) {
            TestSupport::recordMessages(form, &messages);
            form.setFileChooser(std::make_unique<TestSupport::ScriptedChooser>(&dialog));
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            // Qt drops a move to where the pointer already is; start from a bare spot.
            QTest::mouseMove(&form, QPoint(1, 1));
            TestSupport::chooseButtonCount(form, buttons);
            click(form.ui.cmdStep(3));
        }
        // Chooses a file (or cancels, for an empty path) with the select button of `kind`.
        void choose(int kind, const QString& path) {
            dialog.answers.append(path.isEmpty() ? std::nullopt : std::optional<QString>(path));
            QWidget* button = form.ui.cmdSelect(kind);
            QTest::mouseMove(button, button->rect().center()); // the pointer goes there first
            click(button);
        }
        const Picture& shown(int index) const { return form.ui.imgButtons(index)->picture(); }
    };

    QString picture(const QString& name, const QColor& colour = Qt::red,
                    const QSize& size = {40, 12}) const {
        const QString path = work_.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        const QByteArray format = QFileInfo(name).suffix().toLower().toLatin1();
        const bool ok =
            format == "gif"
                ? PictureFiles::writeBytes(path,
                                           PictureFiles::gif(size.width(), size.height(), {colour}))
                : PictureFiles::writeImage(path, size, colour, format == "jpg" ? "JPEG" : "BMP");
        return ok ? path : QString();
    }

    // Pointer moves as the window system delivers them, to a point on a control.
    static void moveOnto(Form1& form, const QString& target) {
        QWidget* panel = form.ui.picStep(1);
        if (target == "panel") {
            const QPoint bare(20, 60);
            QVERIFY(panel->childAt(bare) == nullptr);
            QTest::mouseMove(panel, bare);
            return;
        }
        auto* control = panel->findChild<QWidget*>(target);
        QVERIFY2(control != nullptr, qPrintable(target));
        QTest::mouseMove(control, control->rect().center() + QPoint(1, 0));
    }

private slots:
    void previewTransitions_data() {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* tag, const QStringList& moves, const char* expected) {
            QTest::newRow(tag) << moves << QString(expected);
        };
        row("choosing reaches no preview", {}, "blank");
        row("panel surface", {"panel"}, "normal");
        row("preview", {"imgButtons(3)"}, "over");
        row("preview, then panel", {"imgButtons(3)", "panel"}, "normal");
        row("panel, then preview", {"panel", "imgButtons(3)"}, "over");
        for (const char* other :
             {"imgButtons(0)", "imgButtons(1)", "cmdSelect(0)", "cmdSelect(1)", "txtButtonLinks",
              "txtFrameName", "Label1(1)", "Label1(5)", "Label1(9)", "lblButtonNumber"}) {
            row(qPrintable(QString("preview, then %1").arg(other)), {"imgButtons(3)", other},
                "over");
            row(qPrintable(QString("panel, then %1").arg(other)), {"panel", other}, "normal");
        }
        row("preview, text box, panel", {"imgButtons(3)", "txtFrameName", "panel"}, "normal");
        row("new normal picture waits for the panel", {"panel", "choose 0"}, "old normal");
        row("new normal picture, then panel", {"panel", "choose 0", "panel"}, "normal");
        row("new over picture waits for the preview", {"imgButtons(3)", "choose 1"}, "old over");
        row("new over picture, then preview", {"imgButtons(3)", "choose 1", "imgButtons(3)"},
            "over");
        row("pressing on the preview changes nothing", {"imgButtons(3)", "press"}, "over");
    }

    void previewTransitions() {
        QFETCH(QStringList, moves);
        QFETCH(QString, expected);
        Editor editor(2);
        QVERIFY(QTest::qWaitForWindowExposed(&editor.form));
        editor.choose(0, picture("normal.bmp", Qt::red));
        editor.choose(1, picture("over.bmp", Qt::blue));
        const Picture oldNormal = editor.shown(0);
        const Picture oldOver = editor.shown(1);
        for (const QString& move : moves) {
            if (move.startsWith("choose")) {
                const int kind = move.back().digitValue();
                editor.choose(kind, picture(QString("new%1.bmp").arg(kind), Qt::green));
            } else if (move == "press") {
                QWidget* preview = editor.form.ui.imgButtons(3);
                QTest::mousePress(preview, Qt::LeftButton, {}, preview->rect().center());
                QTest::mouseRelease(preview, Qt::LeftButton, {}, preview->rect().center());
            } else {
                moveOnto(editor.form, move);
            }
        }
        const QMap<QString, Picture> named = {{"blank", Picture()},
                                              {"normal", editor.shown(0)},
                                              {"over", editor.shown(1)},
                                              {"old normal", oldNormal},
                                              {"old over", oldOver}};
        QVERIFY(!editor.shown(0).isNull() && !editor.shown(1).isNull());
        QVERIFY(editor.shown(3) == named.value(expected));
        QCOMPARE(editor.messages, QStringList());
    }

    void previewWithoutAnOverPicture() {
        Editor editor(1);
        editor.choose(0, picture("only.bmp"));
        moveOnto(editor.form, "imgButtons(3)");
        QVERIFY(editor.shown(3).isNull());
        moveOnto(editor.form, "panel");
        QVERIFY(editor.shown(3) == editor.shown(0));
    }

    void choicesAreStoredForTheirButtonAndKind() {
        Editor editor(3);
        click(editor.form.ui.cmdStep(3)); // button 2
        editor.choose(0, picture("a/first.bmp"));
        editor.choose(0, picture("a/second.bmp"));
        editor.choose(1, picture("a/same.gif"));
        click(editor.form.ui.cmdStep(3)); // button 3
        editor.choose(0, picture("b/same.gif", Qt::yellow));

        Form1& form = editor.form;
        const QStringList expected = {"", "", "", "second.bmp", "same.gif", "", "same.gif", "", ""};
        QStringList stored;
        for (qint16 button = 1; button <= 3; ++button)
            for (qint16 kind = 0; kind <= 2; ++kind)
                stored.append(form.sImageFile(button, kind));
        QCOMPARE(stored, expected);
        // The dialog opens where the file chosen last lies.
        QCOMPARE(editor.dialog.startFolders,
                 (QStringList{"", work_.filePath("a"), work_.filePath("a"), work_.filePath("a")}));
        QCOMPARE(editor.dialog.filters.first(),
                 CommonDialog::qtNameFilter("Pictures (*.bmp;*.jpg;*.gif)|*.bmp;*.jpg;*.gif"));

        // Back to button 2 and on again: both pictures reloaded, the preview on the normal one.
        moveOnto(form, "imgButtons(3)");
        click(form.ui.cmdStep(2));
        QVERIFY(!editor.shown(0).isNull());
        QVERIFY(!editor.shown(1).isNull());
        QVERIFY(editor.shown(3) == editor.shown(0));
        click(form.ui.cmdStep(2));
        QVERIFY(editor.shown(0).isNull() && editor.shown(1).isNull() && editor.shown(3).isNull());
        click(form.ui.cmdStep(3));
        click(form.ui.cmdStep(3));
        QCOMPARE(editor.shown(0).currentFrame().pixelColor(0, 0), QColor(Qt::yellow));
        QCOMPARE(editor.messages, QStringList());
    }

    void cancelChangesNothing() {
        Editor editor(1);
        editor.choose(0, QString()); // the very first action
        QVERIFY(editor.shown(0).isNull());
        QCOMPARE(editor.form.sImageFile(1, 0), QString());
        editor.choose(1, picture("kept.bmp"));
        const Picture kept = editor.shown(1);
        editor.choose(1, QString());
        editor.choose(0, QString());
        QVERIFY(editor.shown(1) == kept);
        QVERIFY(editor.shown(0).isNull());
        QCOMPARE(editor.form.sImageFile(1, 1), QString("kept.bmp"));
        QCOMPARE(editor.form.sImageFile(1, 0), QString());
        QCOMPARE(editor.messages, QStringList());
    }

    void badPictures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QBuffer jpeg;
        jpeg.open(QIODevice::WriteOnly);
        QImage photo(200, 120, QImage::Format_RGB32);
        photo.fill(Qt::darkGreen);
        photo.save(&jpeg, "JPEG");
        // A BMP header claiming 60000 x 60000 pixels and holding none of them.
        QByteArray huge = "BM" + QByteArray(12, '\0');
        huge[10] = 54;
        QByteArray info(40, '\0');
        info[0] = 40;
        const auto put32 = [&](int at, quint32 v) {
            for (int b = 0; b < 4; ++b)
                info[at + b] = char((v >> (8 * b)) & 0xFF);
        };
        put32(4, 60000);
        put32(8, 60000);
        info[12] = 1;
        info[14] = 24;
        huge += info + QByteArray(64, '\x7F');

        QTest::newRow("zero bytes") << "empty.bmp" << QByteArray() << "empty";
        QTest::newRow("truncated JPEG")
            << "cut.jpg" << jpeg.data().left(jpeg.data().size() / 2) << "incomplete";
        QTest::newRow("JPEG cut inside its scan")
            << "cut2.jpg" << jpeg.data().chopped(10) << "incomplete";
        QTest::newRow("text named .gif")
            << "notes.gif" << QByteArray("just some words\n") << "not a BMP, JPEG or GIF";
        QTest::newRow("60000 x 60000 header") << "huge.bmp" << huge << "too large";
        QTest::newRow("missing file") << "gone.bmp" << QByteArray("-") << "does not exist";
    }

    void badPictures() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString path = work_.filePath("bad/" + name);
        QVERIFY(QDir().mkpath(work_.filePath("bad")));
        if (bytes != "-")
            QVERIFY(PictureFiles::writeBytes(path, bytes));
        Editor editor(1);
        editor.choose(0, picture("good.bmp"));
        const Picture good = editor.shown(0);

        editor.choose(0, path);
        QCOMPARE(editor.messages.size(), 1);
        QVERIFY2(editor.messages.first().contains(path), qPrintable(editor.messages.first()));
        QVERIFY2(editor.messages.first().contains(reason), qPrintable(editor.messages.first()));
        QVERIFY(editor.shown(0) == good);
        QCOMPARE(editor.form.sImageFile(1, 0), QString("good.bmp"));
    }

    void largePhotoIsDecodedAtTheSizeShown() {
        Editor editor(1);
        editor.choose(0, picture("photo.jpg", Qt::magenta, {3000, 2000}));
        const QSize box = editor.form.ui.imgButtons(0)->contentsRect().size();
        QVERIFY(editor.shown(0).size().width() <= box.width());
        QVERIFY(editor.shown(0).size().height() <= box.height());
        QCOMPARE(editor.form.sImageFile(1, 0), QString("photo.jpg"));
    }

    void animatedGifPlaysInEditorAndPreview() {
        const QString path = work_.filePath("spin.gif");
        QVERIFY(PictureFiles::writeBytes(
            path, PictureFiles::gif(20, 10, {Qt::red, Qt::blue, Qt::green})));
        Editor editor(1);
        editor.choose(0, path);
        QMovie* movie = editor.shown(0).movie();
        QVERIFY(movie != nullptr);
        QCOMPARE(movie->frameCount(), 3);
        QCOMPARE(movie->state(), QMovie::Running);
        moveOnto(editor.form, "panel");
        QCOMPARE(editor.shown(3).movie(), movie);
        QSignalSpy frames(movie, &QMovie::frameChanged);
        QVERIFY(frames.wait(2000));
    }

    void missingPictureOnReturn() {
        Editor editor(2);
        const QString path = picture("moved.bmp");
        editor.choose(0, path);
        click(editor.form.ui.cmdStep(3));
        QVERIFY(QFile::remove(path));
        click(editor.form.ui.cmdStep(2));
        ImageBox* box = editor.form.ui.imgButtons(0);
        QVERIFY(box->picture().isNull());
        QVERIFY2(box->toolTip().contains(path), qPrintable(box->toolTip()));
        QCOMPARE(editor.form.sImageFile(1, 0), QString("moved.bmp"));
        QCOMPARE(editor.messages, QStringList());
        // Choosing again clears the note.
        editor.choose(0, picture("moved.bmp"));
        QVERIFY(box->toolTip().isEmpty());
    }

    void selectOnACoveredPageDoesNothing() {
        Form1 form;
        TestSupport::ScriptedChooser::Log dialog;
        form.setFileChooser(std::make_unique<TestSupport::ScriptedChooser>(&dialog));
        dialog.answers.append(picture("early.bmp"));
        form.ui.cmdSelect(0)->click(); // reachable with Tab while step 0 is in front
        QCOMPARE(dialog.filters.size(), 0);
        QVERIFY(form.ui.imgButtons(0)->picture().isNull());
    }

    void dialogListsPicturesInAnyCase() {
        QTemporaryDir dir;
        for (const char* name : {"a.bmp", "PHOTO.JPG", "logo.GIF", "b.Jpg", "c.png", "d.jpeg",
                                 "notes.txt", "gif", "x.gif.txt", "y.bmp.bak"})
            QVERIFY(PictureFiles::writeBytes(dir.filePath(name), "x"));
        const QString filter =
            CommonDialog::qtNameFilter("Pictures (*.bmp;*.jpg;*.gif)|*.bmp;*.jpg;*.gif");
        const auto dialog = FileDialogChooser::makeDialog(nullptr, filter, dir.path());
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        auto* model = dialog->findChild<QFileSystemModel*>();
        QVERIFY(model != nullptr);
        const QModelIndex root = model->index(dir.path());
        QTRY_VERIFY(!model->canFetchMore(root) && model->rowCount(root) > 0);
        QStringList listed;
        for (int row = 0; row < model->rowCount(root); ++row) {
            const QModelIndex entry = model->index(row, 0, root);
            if (model->flags(entry) & Qt::ItemIsEnabled)
                listed.append(model->fileName(entry));
        }
        listed.sort();
        QCOMPARE(listed, (QStringList{"PHOTO.JPG", "a.bmp", "b.Jpg", "logo.GIF"}));
        auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        QVERIFY(types != nullptr);
        QCOMPARE(types->currentText(), QString("Pictures (*.bmp;*.jpg;*.gif)"));
    }

    void roadWithRealPictures() {
        Editor editor(2);
        const QString home = picture("site/home.gif", Qt::red);
        editor.choose(0, home);
        editor.choose(1, picture("site/home2.gif", Qt::blue));
        TestSupport::type(editor.form.ui.txtButtonLinks, "index.html");
        click(editor.form.ui.cmdStep(3));
        editor.choose(0, picture("site/news.jpg", Qt::green));
        editor.choose(1, picture("site/news2.bmp", Qt::yellow));
        TestSupport::type(editor.form.ui.txtButtonLinks, "news.html");
        TestSupport::type(editor.form.ui.txtFrameName, "main");
        click(editor.form.ui.cmdStep(3));
        TestSupport::type(editor.form.ui.txtFileName, "menu");
        click(editor.form.ui.cmdStep(4));

        Menu menu;
        menu.buttons = {{"home.gif", "home2.gif", "index.html", ""},
                        {"news.jpg", "news2.bmp", "news.html", "main"}};
        // A bare file name lands beside the pictures chosen last.
        QFile page(work_.filePath("site/menu.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QCOMPARE(page.readAll(), MenuPage::text(menu));
        QCOMPARE(editor.form.ui.lblFileName->toolTip(), work_.filePath("site/menu.html"));
        QCOMPARE(editor.messages, QStringList());
    }
};

TESSEL_TEST_MAIN(TestButtonEditor)
#include "test_button_editor.moc"

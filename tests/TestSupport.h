#pragma once

#include "TestData.h"
#include "editor/ButtonList.h"
#include "forms/FileChooser.h"
#include "forms/FormTutor.h"
#include "forms/ImageBox.h"
#include "forms/LinkLabel.h"
#include "forms/PagePanel.h"
#include "wizard/Form1.h"
#include "wizard/Messenger.h"

#include <QtTest>
#include <QtWidgets>

namespace TestSupport {

// A fresh temporary folder as the working directory for the test's life.
struct WorkingFolder : QTemporaryDir {
    const QString previous = QDir::currentPath();
    WorkingFolder() { QDir::setCurrent(path()); }
    ~WorkingFolder() { QDir::setCurrent(previous); }
    // A copy of a fixture picture, in a new folder where `name` says.
    QString picture(const QString& fixture, const QString& name) const {
        QDir().mkpath(QFileInfo(filePath(name)).absolutePath());
        QFile::copy(TestData::path(fixture), filePath(name));
        return filePath(name);
    }
};

// Keeps what the wizard tells, asks (after the default answer) and opens; answers as scripted.
struct RecordingMessenger : Messenger {
    QStringList warnings, notes, questions;
    QList<bool> answers;
    QList<QUrl> opened;
    std::function<QString()> scene; // what the window shows
    QStringList scenesAtWarnings;   // what it showed behind each warning
    void warn(QWidget*, const QString&, const QString& text) override {
        warnings.append(text);
        scenesAtWarnings.append(scene ? scene() : QString());
    }
    void inform(QWidget*, const QString&, const QString& text) override { notes.append(text); }
    bool ask(QWidget*, const QString&, const QString& text, const QString& yes, const QString& no,
             bool yesIsDefault) override {
        questions.append((yesIsDefault ? yes : no) + ": " + text);
        return !answers.isEmpty() && answers.takeFirst();
    }
    void openPage(const QUrl& page) override { opened.append(page); }
};

// Answers the file dialog from a script: each answer is a path, or nothing for a cancel.
struct ScriptedChooser : FileChooser {
    QList<std::optional<QString>> answers;
    QStringList startFolders, filters;
    std::optional<QString> chooseFile(QWidget*, const QString& filter,
                                      const QString& startFolder) override {
        filters.append(filter);
        startFolders.append(startFolder);
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
};

// The main window, shown, its dialogs replaced by fakes it owns, driven as a user drives it.
struct Wizard {
    Form1 form;
    const Form1Layout& ui = form.controls();
    RecordingMessenger* messages = new RecordingMessenger;
    ScriptedChooser* dialog = new ScriptedChooser;

    Wizard() {
        // English as the program speaks it where no other language is chosen: its plural forms.
        static QTranslator english;
        static const bool spoken =
            english.load("tessel_en", ":/i18n") && QCoreApplication::installTranslator(&english);
        QVERIFY(spoken);
        form.setMessenger(std::unique_ptr<Messenger>(messages));
        messages->scene = [this] { return where(); };
        form.setFileChooser(std::unique_ptr<FileChooser>(dialog));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseMove(&form, QPoint(1, 1)); // Qt drops a move to where the pointer is
    }
    const MenuModel& model() const { return form.model(); }
    const Picture& shown(int box) const { return ui.imgButtons(box)->picture(); }
    static void click(QWidget* control) {
        QTest::mouseMove(control, control->rect().center());
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    }
    // Types the text, or pastes it where it holds a tab, which the keyboard would not type.
    static void type(QLineEdit* box, const QString& text) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        if (!text.contains('\t'))
            return QTest::keyClicks(box, text);
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
    QString fields() const { return ui.txtButtonLinks->text() + '|' + ui.txtFrameName->text(); }
    void fill(const QString& link, const QString& frame) const {
        type(ui.txtButtonLinks, link);
        type(ui.txtFrameName, frame);
    }
    // Drags files (or web addresses) onto a control and drops them; true where it took them.
    static bool dropOn(QWidget* control, const QStringList& files) {
        QList<QUrl> urls;
        for (const QString& file : files)
            urls.append(QUrl::fromUserInput(file));
        QMimeData mime;
        mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QDropEvent drop(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(control, &enter);
        QApplication::sendEvent(control, &drop);
        return enter.isAccepted();
    }
    // Chooses a file (or cancels, for an empty path) with the select button of `kind`.
    void choose(int kind, const QString& path) {
        dialog->answers.append(path.isEmpty() ? std::nullopt : std::optional<QString>(path));
        click(ui.cmdSelect(kind));
    }
    // The page in front ("?" unless alone), the enabled step buttons, the number; T: tutor.
    QString where() const {
        const int page = int(form.shownPage());
        bool alone = true;
        for (const int index : ui.picStep.indexes())
            alone = alone && ui.picStep(index)->isVisible() == (index == page);
        QString steps;
        for (int i = 0; i <= 6; ++i)
            steps += ui.cmdStep(i)->isEnabled() ? stepKeys[i] : QChar('-');
        const QString main = QString("%1 %2%3").arg(alone ? QString::number(page) : "?", steps,
                                                    ui.lblButtonNumber->text());
        const bool tutor = form.formTutor() && form.formTutor()->isVisible();
        const bool list = form.buttonList()->isVisible();
        return (form.isVisible() ? main : "closed") + (list ? " L" : "") + (tutor ? " T" : "");
    }
    // Per key, as roads.txt tells; a question asked on the way follows, after "?" and the
    // button Enter takes.
    QStringList walk(const QString& keys) {
        QStringList seen;
        for (const QChar key : keys) {
            const qsizetype asked = messages->questions.size();
            if (key == 'l') {
                type(ui.txtButtonLinks, "a.html");
            } else if (key == 'p') { // a copy in the test's own folder: Finish may write beside it
                QFile::copy(TestData::path("red.bmp"), QDir::current().filePath("red.bmp"));
                choose(0, QDir::current().filePath("red.bmp"));
            } else if (key == 'y') {
                messages->answers.append(true);
            } else if (QString("jkIDUJ").contains(key)) { // keys of the list of buttons
                static const QMap<QChar, std::pair<Qt::Key, Qt::KeyboardModifier>> keys = {
                    {'j', {Qt::Key_Down, Qt::NoModifier}},
                    {'k', {Qt::Key_Up, Qt::NoModifier}},
                    {'I', {Qt::Key_Insert, Qt::NoModifier}},
                    {'D', {Qt::Key_Delete, Qt::NoModifier}},
                    {'U', {Qt::Key_Up, Qt::ControlModifier}},
                    {'J', {Qt::Key_Down, Qt::ControlModifier}}};
                QTest::keyClick(QApplication::focusWidget(), keys[key].first, keys[key].second);
            } else if (QString("enbfatowLgirmudch").contains(key)) {
                QTest::keyClick(&form, Qt::Key(key.toUpper().unicode()), Qt::AltModifier);
                // A mnemonic holds its button down, and clicks it as it lets go.
                (void)QTest::qWaitFor([this] {
                    const auto buttons = form.findChildren<QAbstractButton*>();
                    return std::none_of(buttons.begin(), buttons.end(),
                                        [](QAbstractButton* button) { return button->isDown(); });
                });
            } else if (key.isDigit()) {
                QTest::keyClick(ui.HScroll1, Qt::Key_Home);
                for (int i = 1; i < key.digitValue(); ++i)
                    QTest::keyClick(ui.HScroll1, Qt::Key_Right);
            } else if (key == 'x' || key == 'X') {
                key == 'x' ? form.formTutor()->close() : form.close();
            } else {
                click(key == 'O' ? ui.cmdOk : ui.cmdStep(int(stepKeys.indexOf(key))));
            }
            seen.append(where());
            if (messages->questions.size() > asked)
                seen.last() += " ?" + messages->questions.last().section(':', 0, 0);
        }
        return seen;
    }
    static inline const QString stepKeys // Exit, New, Back, Next, Finish, About, Tutor
        = QStringLiteral("EN<>FAT");
};

} // namespace TestSupport

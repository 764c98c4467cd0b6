#pragma once

#include "forms/FileChooser.h"
#include "forms/PagePanel.h"
#include "wizard/Form1.h"
#include "wizard/Messenger.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

// Window tests run headless: the offscreen platform unless the caller chose another.
#define TESSEL_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char* argv[]) {                                                             \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

namespace TestSupport {

// A file under tests/data.
inline QString fixture(const QString& name) {
    return QStringLiteral(TESSEL_TEST_DATA "/") + name;
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs a test in a fresh temporary folder as the working directory, and restores the old one.
class WorkingFolder {
public:
    WorkingFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(folder_.path()); }
    ~WorkingFolder() { QDir::setCurrent(previous_); }
    QString filePath(const QString& name) const { return folder_.filePath(name); }
    // Copies a fixture picture to `name` (folders made as needed) and returns its full path.
    QString picture(const QString& fixtureName, const QString& name) const {
        const QString path = filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile::copy(fixture(fixtureName), path);
        return path;
    }

private:
    QTemporaryDir folder_;
    QString previous_;
};

// Keeps the warnings the wizard gives instead of showing them.
class RecordingMessenger : public Messenger {
public:
    QStringList warnings;
    void warn(QWidget*, const QString&, const QString& text) override { warnings.append(text); }
};

// Answers the file dialog from a script: each answer is a path, or nothing for a cancel.
class ScriptedChooser : public FileChooser {
public:
    QList<std::optional<QString>> answers;
    QStringList startFolders;
    QStringList filters;
    std::optional<QString> chooseFile(QWidget*, const QString& filter,
                                      const QString& startFolder) override {
        filters.append(filter);
        startFolders.append(startFolder);
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
};

// The main window, shown, with its dialogs replaced by fakes that the window owns; driven
// only as a user drives it.
struct Wizard {
    Form1 form;
    RecordingMessenger* messages = new RecordingMessenger;
    ScriptedChooser* dialog = new ScriptedChooser;

    Wizard() {
        form.setMessenger(std::unique_ptr<Messenger>(messages));
        form.setFileChooser(std::unique_ptr<FileChooser>(dialog));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseMove(&form, QPoint(1, 1)); // Qt drops a move to where the pointer is
    }
    const WizardState& state() const { return form.state(); }

    static void click(QWidget* control) {
        QTest::mouseMove(control, control->rect().center());
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    }
    void step(int index) { click(form.ui.cmdStep(index)); }
    void next() { step(3); }
    void back() { step(2); }
    // Replaces a text box's text by typing.
    static void type(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    // Chooses a file (or cancels, for an empty path) with the select button of `kind`.
    void choose(int kind, const QString& path) {
        dialog->answers.append(path.isEmpty() ? std::nullopt : std::optional<QString>(path));
        click(form.ui.cmdSelect(kind));
    }
    // Sets the menu on step 0 and goes on to the first button.
    void startMenu(int buttons, bool vertical = true) {
        click(form.ui.optMenuType(vertical ? 0 : 1));
        form.ui.HScroll1->setFocus();
        QTest::keyClick(form.ui.HScroll1, Qt::Key_Home);
        for (int i = 1; i < buttons; ++i)
            QTest::keyClick(form.ui.HScroll1, Qt::Key_Right);
        next();
    }

    // Which page the user sees: what lies under the middle of the page area.
    int page() const {
        for (QWidget* hit = form.childAt(form.ui.picStep(0)->geometry().center()); hit;
             hit = hit->parentWidget())
            for (const int index : form.ui.picStep.indexes())
                if (form.ui.picStep(index) == hit)
                    return index;
        return -1;
    }
    // Exit, New, Back, Next, Finish, About, Tutor: a letter where enabled, '-' where not.
    QString steps() const {
        QString shown;
        for (int i = 0; i <= 6; ++i)
            shown += form.ui.cmdStep(i)->isEnabled() ? QChar("ENBNFAT"[i]) : QChar('-');
        return shown;
    }
};

} // namespace TestSupport

#pragma once

#include "forms/FileChooser.h"
#include "forms/LinkLabel.h"
#include "forms/PagePanel.h"
#include "wizard/Form1.h"
#include "wizard/Messenger.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

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

inline QString fixture(const QString& name) {
    return QStringLiteral(TESSEL_TEST_DATA "/") + name;
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A fresh temporary folder as the working directory for the test's life.
class WorkingFolder {
public:
    WorkingFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(folder_.path()); }
    ~WorkingFolder() { QDir::setCurrent(previous_); }
    QString filePath(const QString& name) const { return folder_.filePath(name); }
    // Copies a fixture picture to `name`, making its folder, and returns the full path.
    QString picture(const QString& fixtureName, const QString& name) const {
        QDir().mkpath(QFileInfo(filePath(name)).absolutePath());
        QFile::copy(fixture(fixtureName), filePath(name));
        return filePath(name);
    }

private:
    QTemporaryDir folder_;
    QString previous_;
};

// Keeps what the wizard tells the user and the pages it would open.
struct RecordingMessenger : Messenger {
    QStringList warnings, notes;
    QList<QUrl> opened;
    void warn(QWidget*, const QString&, const QString& text) override { warnings.append(text); }
    void inform(QWidget*, const QString&, const QString& text) override { notes.append(text); }
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
    static void type(QLineEdit* box, const QString& text) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    // Chooses a file (or cancels, for an empty path) with the select button of `kind`.
    void choose(int kind, const QString& path) {
        dialog->answers.append(path.isEmpty() ? std::nullopt : std::optional<QString>(path));
        click(form.ui.cmdSelect(kind));
    }
    void startMenu(int buttons, bool vertical = true) {
        click(form.ui.optMenuType(vertical ? 0 : 1));
        QTest::keyClick(form.ui.HScroll1, Qt::Key_Home);
        for (int i = 1; i < buttons; ++i)
            QTest::keyClick(form.ui.HScroll1, Qt::Key_Right);
        next();
    }
    // Where the user stands: the page under the middle of the page area, the step buttons
    // (a letter where enabled) and the button number.
    QString where() const {
        int page = -1;
        for (QWidget* hit = form.childAt(form.ui.picStep(0)->geometry().center()); hit && page < 0;
             hit = hit->parentWidget())
            for (const int index : form.ui.picStep.indexes())
                page = form.ui.picStep(index) == hit ? index : page;
        QString steps;
        for (int i = 0; i <= 6; ++i)
            steps += form.ui.cmdStep(i)->isEnabled() ? QChar("ENBNFAT"[i]) : QChar('-');
        return QString("%1 %2%3").arg(page).arg(steps, form.ui.lblButtonNumber->text());
    }
};

} // namespace TestSupport

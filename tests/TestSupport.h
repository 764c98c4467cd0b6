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
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>

// Tests run headless: choose the offscreen platform unless the caller chose another.
#define TESSEL_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char* argv[]) {                                                             \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

namespace TestSupport {

// Keeps the warnings the wizard gives instead of showing them.
class RecordingMessenger : public Messenger {
public:
    explicit RecordingMessenger(QStringList* messages) : messages_(messages) {}
    void warn(QWidget*, const QString&, const QString& text) override { messages_->append(text); }

private:
    QStringList* messages_;
};

// Answers the file dialog from a script: each answer is a path, or nothing for a cancel.
class ScriptedChooser : public FileChooser {
public:
    struct Log {
        QList<std::optional<QString>> answers;
        QStringList startFolders;
        QStringList filters;
    };
    explicit ScriptedChooser(Log* log) : log_(log) {}
    std::optional<QString> chooseFile(QWidget*, const QString& filter,
                                      const QString& startFolder) override {
        log_->filters.append(filter);
        log_->startFolders.append(startFolder);
        return log_->answers.isEmpty() ? std::nullopt : log_->answers.takeFirst();
    }

private:
    Log* log_;
};

// Installs a recorder on the form; the list it fills lives as long as the caller keeps it.
inline void recordMessages(Form1& form, QStringList* messages) {
    form.setMessenger(std::make_unique<RecordingMessenger>(messages));
}

// Which page the user sees, found as the user finds it: by what lies under the middle of the
// page area, not by any flag.
inline int pageInFront(const Form1& form) {
    const QRect area = form.ui.picStep(0)->geometry();
    for (const QPoint probe : {area.center(), area.topLeft() + QPoint(2, 2)}) {
        for (QWidget* hit = form.childAt(probe); hit != nullptr; hit = hit->parentWidget()) {
            for (const int index : form.ui.picStep.indexes())
                if (form.ui.picStep(index) == hit)
                    return index;
        }
    }
    return -1;
}

// The enabled states of Exit, New, Back, Next, Finish, About and Tutor, with the first
// and the last two enabled as they are everywhere but on the About page.
inline QList<bool> steps(bool back, bool next, bool finish) {
    return {true, true, back, next, finish, true, true};
}

inline QList<bool> enabledSteps(const Form1& form) {
    QList<bool> states;
    for (int i = 0; i <= 6; ++i)
        states.append(form.ui.cmdStep(i)->isEnabled());
    return states;
}

// Runs a test in a fresh temporary folder as the working directory, and restores the old one.
class WorkingFolder {
public:
    WorkingFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(folder_.path()); }
    ~WorkingFolder() { QDir::setCurrent(previous_); }
    QString path() const { return folder_.path(); }
    QString filePath(const QString& name) const { return folder_.filePath(name); }

private:
    QTemporaryDir folder_;
    QString previous_;
};

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A click as the user gives it: with the mouse, on the control as it stands.
inline void click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

// Replaces a text box's text by typing, as the user would.
inline void type(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// Where a part of the scroll bar (an arrow, the track, the thumb) is drawn.
inline QRect scrollBarPart(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.subControls = QStyle::SC_All;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

inline void clickScrollBar(QScrollBar* bar, QStyle::SubControl part) {
    QTest::mouseClick(bar, Qt::LeftButton, {}, scrollBarPart(bar, part).center());
}

// Sets the number of buttons with arrow clicks, as a user with patience would.
inline void chooseButtonCount(Form1& form, int count) {
    QScrollBar* bar = form.ui.HScroll1;
    while (bar->value() != count)
        clickScrollBar(bar, bar->value() < count ? QStyle::SC_ScrollBarAddLine
                                                 : QStyle::SC_ScrollBarSubLine);
}

} // namespace TestSupport

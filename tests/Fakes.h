#pragma once

#include "forms/FileChooser.h"
#include "wizard/Messenger.h"

#include <QList>
#include <QStringList>
#include <QUrl>

// Stand-ins for the dialogs, shared by the tests and the benchmarks.
namespace TestSupport {

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

} // namespace TestSupport

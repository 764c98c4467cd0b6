#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks for, read before the wizard needs a display: a page to open, or
// an answer to print and leave with (the help, the version, a mistake).
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    QString page;                  // the page to open; empty: none
    std::optional<int> exitStatus; // where set, print `answer` and leave with this status
    QString answer; // for standard output where the status is 0, else for standard error
    // A command for the site's menu, run without the wizard: "--into" PAGE MENUPAGE, or
    // "--sync" MENUPAGE DIR; empty: none.
    QStringList site = {};

    static CommandLine read(const QStringList& arguments, const QString& version);
};

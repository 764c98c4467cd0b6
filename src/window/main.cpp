#include "CommandLine.h"
#include "Translations.h"
#include "generator/SiteCommand.h"
#include "wizard/Form1.h"

#include <QApplication>

#include <cstdio>

// A command for the site's menu: each page it wrote on standard output, the rest on standard
// error.
int runSiteCommand(const QStringList& command) {
    const SiteCommand::Outcome outcome = command[0] == "--into"
                                             ? SiteCommand::into(command[1], command[2])
                                             : SiteCommand::sync(command[1], command[2]);
    for (const QString& page : outcome.written)
        std::printf("%s\n", qPrintable(page));
    for (const QString& said : outcome.said)
        std::fprintf(stderr, "tessel: %s\n", qPrintable(said));
    return outcome.status;
}

int main(int argc, char* argv[]) {
    // A window manager or dock groups the window with its menu entry by these.
    QCoreApplication::setApplicationName("tessel");
    QCoreApplication::setApplicationVersion(TESSEL_VERSION);
    Translations translations;
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // Help, the version and mistakes are answered here, before the wizard needs a display; an
    // application without windows lends them the user's language.
    CommandLine line;
    {
        int noArguments = 1;
        const QCoreApplication words(noArguments, argv);
        translations.install();
        line = CommandLine::read(arguments, TESSEL_VERSION);
        if (!line.site.isEmpty())
            return runSiteCommand(line.site);
    }
    if (line.exitStatus) {
        std::fputs(qPrintable(line.answer), *line.exitStatus == 0 ? stdout : stderr);
        return *line.exitStatus;
    }

    QApplication app(argc, argv);
    translations.install();
    QGuiApplication::setDesktopFileName(TESSEL_APP_ID);
    Form1 form;
    form.show();
    if (!line.page.isEmpty()) // one that cannot be opened is named in a message over a new menu
        form.openPage(line.page);
    return app.exec();
}

#include "CommandLine.h"
#include "Translations.h"
#include "wizard/Form1.h"

#include <QApplication>

#include <cstdio>

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

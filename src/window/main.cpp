#include "wizard/Form1.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

namespace {

// What the command line asks for: a page to open, or nothing. Help, the version and mistakes
// are answered here, before the wizard needs a display.
QString pageToOpen(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Builds a web page with an image-rollover button menu.");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument("page", "A menu page Tessel wrote, to open and change.", "[PAGE]");
    const bool understood = parser.parse(arguments);
    // Parsed before any application exists, so the usage line is given its name here.
    const QString helpText = parser.helpText().replace("<executable_name>", "tessel");
    const auto leave = [](const QString& text, int status) {
        std::fputs(qPrintable(text), status == 0 ? stdout : stderr);
        std::exit(status);
    };
    if (!understood)
        leave("tessel: " + parser.errorText() + "\n", 2);
    if (parser.isSet(help) || parser.isSet("help-all"))
        leave(helpText, 0);
    if (parser.isSet(version))
        leave("tessel " TESSEL_VERSION "\n", 0);
    if (parser.positionalArguments().size() > 1)
        leave("tessel: one page at a time\n" + helpText, 2);
    return parser.positionalArguments().value(0);
}

} // namespace

int main(int argc, char* argv[]) {
    // A window manager or dock groups the window with its menu entry by these.
    QCoreApplication::setApplicationName("tessel");
    QCoreApplication::setApplicationVersion(TESSEL_VERSION);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QString page = pageToOpen(arguments);

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(TESSEL_APP_ID);
    Form1 form;
    form.show();
    if (!page.isEmpty()) // one that cannot be opened is named in a message over a new menu
        form.openPage(page);
    return app.exec();
}

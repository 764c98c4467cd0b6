#include "CommandLine.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <QUrl>

namespace {

// The arguments less Qt's own options (-style Fusion, -platform offscreen, -reverse ...),
// which the application takes for itself once it starts.
QStringList withoutQtOptions(const QStringList& arguments) {
    static const QStringList valued = {
        "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
        "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
        "style",       "stylesheet",         "qmljsdebugger"};
    static const QStringList flags = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    QStringList kept = arguments.mid(0, 1);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const QString name =
            QString(argument).remove(QRegularExpression("^--?")).section('=', 0, 0);
        if (!argument.startsWith('-') || argument == "-" || argument == "--")
            kept.append(argument);
        else if (valued.contains(name))
            i += argument.contains('=') ? 0 : 1;
        else if (!flags.contains(name))
            kept.append(argument);
    }
    return kept;
}

} // namespace

CommandLine CommandLine::read(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Builds a web page with an image-rollover button menu.");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addPositionalArgument("page", "A menu page Tessel wrote, to open and change.", "[PAGE]");
    const bool understood = parser.parse(withoutQtOptions(arguments));
    // Parsed before any application exists, so the usage line is given its name here.
    const QString helpText =
        parser.helpText().replace(QRegularExpression("^Usage: \\S+"), "Usage: tessel");
    if (!understood)
        return {{}, 2, "tessel: " + parser.errorText() + "\n"};
    if (parser.isSet(help) || parser.isSet("help-all"))
        return {{}, 0, helpText};
    if (parser.isSet(versionOption))
        return {{}, 0, "tessel " + version + "\n"};
    if (parser.positionalArguments().size() > 1)
        return {{}, 2, "tessel: one page at a time\n" + helpText};
    // A file manager may hand over the page as a file: address.
    const QString page = parser.positionalArguments().value(0);
    return {page.startsWith("file:", Qt::CaseInsensitive) ? QUrl(page).toLocalFile() : page,
            std::nullopt,
            {}};
}

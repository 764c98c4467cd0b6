#include "CommandLine.h"

#include "generator/PageLayout.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <QUrl>

namespace {

// The options Qt's application classes take for themselves once they start, with or without
// a value; the wizard passes them on untouched and lists them under --help-all.
struct QtOption {
    const char* name;
    const char* value; // empty: a switch
    const char* meaning;
};

constexpr QtOption qtOptions[] = {
    {"platform", "name[:options]",
     QT_TRANSLATE_NOOP("CommandLine", "the platform plugin: xcb, wayland, offscreen ...")},
    {"platformpluginpath", "path",
     QT_TRANSLATE_NOOP("CommandLine", "where to look for platform plugins")},
    {"platformtheme", "theme", QT_TRANSLATE_NOOP("CommandLine", "the platform theme")},
    {"plugin", "plugin", QT_TRANSLATE_NOOP("CommandLine", "an input plugin to load")},
    {"qwindowgeometry", "geometry", QT_TRANSLATE_NOOP("CommandLine", "the main window's geometry")},
    {"qwindowicon", "icon", QT_TRANSLATE_NOOP("CommandLine", "the main window's icon")},
    {"qwindowtitle", "title", QT_TRANSLATE_NOOP("CommandLine", "the main window's title")},
    {"session", "session", QT_TRANSLATE_NOOP("CommandLine", "the session to restore")},
    {"style", "style", QT_TRANSLATE_NOOP("CommandLine", "the widget style: Fusion, Windows ...")},
    {"stylesheet", "file", QT_TRANSLATE_NOOP("CommandLine", "a style sheet for every widget")},
    {"display", "hostname:screen", QT_TRANSLATE_NOOP("CommandLine", "the X display (X11)")},
    {"geometry", "geometry", QT_TRANSLATE_NOOP("CommandLine", "the main window's geometry (X11)")},
    {"title", "title", QT_TRANSLATE_NOOP("CommandLine", "the main window's title (X11)")},
    {"icon", "icon", QT_TRANSLATE_NOOP("CommandLine", "the main window's icon (X11)")},
    {"name", "name", QT_TRANSLATE_NOOP("CommandLine", "the window class's name (X11)")},
    {"visual", "id", QT_TRANSLATE_NOOP("CommandLine", "the X visual to use (X11)")},
    // Qt takes the debugger's port only as -qmljsdebugger=port.
    {"qmljsdebugger", "", QT_TRANSLATE_NOOP("CommandLine", "the QML debugger's port, as =port")},
    {"reverse", "", QT_TRANSLATE_NOOP("CommandLine", "lays the window out from right to left")},
    {"widgetcount", "", QT_TRANSLATE_NOOP("CommandLine", "counts the widgets left at the end")},
    {"testability", "", QT_TRANSLATE_NOOP("CommandLine", "loads the test helper plugin")},
    {"nograb", "", QT_TRANSLATE_NOOP("CommandLine", "never grabs the mouse or the keyboard")},
    {"dograb", "", QT_TRANSLATE_NOOP("CommandLine", "grabs them even under a debugger")},
    {"sync", "", QT_TRANSLATE_NOOP("CommandLine", "talks to the X server synchronously (X11)")},
};

const QtOption* qtOption(const QString& name) {
    for (const QtOption& option : qtOptions)
        if (name == QLatin1String(option.name))
            return &option;
    return nullptr;
}

// The arguments less Qt's own options (-style Fusion, -platform=offscreen, -reverse ...).
QStringList withoutQtOptions(const QStringList& arguments) {
    QStringList kept = arguments.mid(0, 1);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const QString name =
            QString(argument).remove(QRegularExpression("^--?")).section('=', 0, 0);
        const QtOption* option = argument.startsWith('-') ? qtOption(name) : nullptr;
        if (!option)
            kept.append(argument);
        else if (*option->value && !argument.contains('='))
            ++i; // its value follows
    }
    return kept;
}

QString qtOptionsHelp() {
    QString help = "\n" + CommandLine::tr("Qt's options, for the window:") + "\n";
    for (const QtOption& option : qtOptions) {
        const QString usage = QStringLiteral("-%1%2").arg(
            option.name, *option.value ? QStringLiteral(" <%1>").arg(option.value) : QString());
        help += QStringLiteral("  %1  %2\n").arg(usage, -28).arg(CommandLine::tr(option.meaning));
    }
    return help;
}

// A page given as a file: address, as a file manager hands it over; only this computer's.
CommandLine fromAddress(const QString& address) {
    const QUrl url(address);
    const QString host = url.host();
    if (!host.isEmpty() && host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0)
        return {{},
                2,
                "tessel: " +
                    CommandLine::tr("%1 is on another computer; open it from there").arg(address) +
                    "\n"};
    const QString path = url.path(QUrl::FullyDecoded);
    if (!url.isValid() || path.isEmpty())
        return {{}, 2, "tessel: " + CommandLine::tr("%1 names no page").arg(address) + "\n"};
    return {path, std::nullopt, {}};
}

} // namespace

CommandLine CommandLine::read(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    // The marker on a line of its own: the options' texts are wrapped, this one is not.
    parser.setApplicationDescription(
        tr("Builds a web page with an image-rollover button menu.") + "\n" +
        tr("A page of a site marks the place of its menu with the line %1.")
            .arg(QLatin1StringView(PageLayout::menuMarker.data(),
                                   qsizetype(PageLayout::menuMarker.size()))));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    // The same word in the usage line and under Arguments, in the user's language.
    const QString word = tr("PAGE");
    parser.addPositionalArgument(word, tr("A menu page Tessel wrote, to open and change."),
                                 QStringLiteral("[%1]").arg(word));
    // The site's commands take two arguments each, which the parser's options cannot: they
    // are read here and listed for the help alone.
    const QCommandLineOption into(
        "into",
        tr("Put the menu of MENUPAGE, a page Tessel wrote in the site's folder, into PAGE "
           "after its marker, and leave."),
        "PAGE MENUPAGE");
    const QCommandLineOption sync(
        "sync",
        tr("Write the menu of MENUPAGE into every page under DIR that holds it at its marker, "
           "all of them or none, and leave."),
        "MENUPAGE DIR");
    parser.addOptions({into, sync});
    // Read before Qt's own options, among which X11's -sync is.
    if (arguments.size() == 4 && (arguments[1] == "--into" || arguments[1] == "--sync"))
        return {{}, std::nullopt, {}, arguments.mid(1)};
    const bool understood = parser.parse(withoutQtOptions(arguments));
    // Parsed before the wizard's application exists, so the usage line is given its name here.
    const QString helpText =
        parser.helpText().replace(QRegularExpression("^([^:\\n]+: )\\S+"), "\\1tessel");
    if (!understood)
        return {{}, 2, "tessel: " + parser.errorText() + "\n"};
    if (parser.isSet("help-all"))
        return {{}, 0, helpText + qtOptionsHelp()};
    if (parser.isSet(help))
        return {{}, 0, helpText};
    if (parser.isSet(versionOption))
        return {{}, 0, "tessel " + version + "\n"};
    if (parser.isSet(into) || parser.isSet(sync))
        return {
            {},
            2,
            "tessel: " + tr("--%1 takes two arguments").arg(parser.isSet(into) ? "into" : "sync") +
                "\n" + helpText};
    if (parser.positionalArguments().size() > 1)
        return {{}, 2, "tessel: " + tr("one page at a time") + "\n" + helpText};
    const QString page = parser.positionalArguments().value(0);
    if (page.startsWith("file:", Qt::CaseInsensitive))
        return fromAddress(page);
    return {page, std::nullopt, {}};
}

#include "CommandLine.h"

#include <QCommandLineParser>
#include <QRegularExpression>

CommandLine CommandLine::read(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Builds a web page with an image-rollover button menu.");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addPositionalArgument("page", "A menu page Tessel wrote, to open and change.", "[PAGE]");
    const bool understood = parser.parse(arguments);
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
    return {parser.positionalArguments().value(0), std::nullopt, {}};
}

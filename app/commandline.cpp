#include "app/commandline.h"

#include <QCommandLineParser>
#include <QStringList>

namespace app {

namespace {

// Qt's own options, taken by QApplication; here they are only let through.
const char *const qtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin",     "qmljsdebugger",
    "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",    "display",
    "geometry", "name",        "title",       "visual",     "style",
    "stylesheet"};
const char *const qtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void addQtOptions(QCommandLineParser &parser)
{
    for (const char *name : qtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : qtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

const QString helpText = QStringLiteral(
    "用法 Usage: morvelin [选项 options]\n"
    "\n"
    "由三位开奖号码算出两组七码。\n"
    "Two seven-digit sets from a three-digit lottery draw.\n"
    "\n"
    "选项 Options:\n"
    "  -h, --help     显示本帮助。Show this help.\n"
    "  -v, --version  显示版本。Show the version.\n"
    "Qt 的选项（-platform、-style 等）同样可用。Qt's own options (-platform, -style, ...) work too.\n");

} // namespace

CommandLine parseCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // Qt's options take one dash: -platform xcb.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    addQtOptions(parser);

    const bool parsed = parser.parse(arguments);
    QString error = parser.errorText();
    if (parsed && !parser.positionalArguments().isEmpty())
        error = QStringLiteral("unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    if (!error.isEmpty())
        return {false, 2, QStringLiteral("morvelin: %1 Try 'morvelin --help'.\n").arg(error)};
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        return {false, 0, helpText};
    if (parser.isSet(version))
        return {false, 0, QStringLiteral("morvelin " MORVELIN_VERSION "\n")};
    return {};
}

} // namespace app

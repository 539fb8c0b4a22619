#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <vector>

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

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> heldMessages;

void holdOrFail(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fputs("morvelin: 无法启动：没有可用的图形显示。"
                   "Morvelin cannot start: no graphical display is available.\n",
                   stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldMessages.push_back({type, QByteArray(context.category), text});
}

} // namespace

std::optional<int> handleCommandLine(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("morvelin"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MORVELIN_VERSION));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("由三位开奖号码算出两组七码。\n"
                       "Two seven-digit sets from a three-digit lottery draw."));
    // Qt's options take one dash: -platform xcb.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    addQtOptions(parser);

    const bool parsed = parser.parse(arguments);
    QString error = parser.errorText();
    if (parsed && !parser.positionalArguments().isEmpty())
        error = QStringLiteral("unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    if (!error.isEmpty()) {
        std::fprintf(stderr, "morvelin: %s Try 'morvelin --help'.\n", qPrintable(error));
        return 2;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")) || parser.isSet(version)) {
        // Prints and exits; the help text names the program from the
        // application's arguments.
        QCoreApplication application(argc, argv);
        parser.process(application);
    }
    return std::nullopt;
}

StartGuard::StartGuard()
{
    previousHandler = qInstallMessageHandler(holdOrFail);
}

StartGuard::~StartGuard()
{
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage &message : heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    heldMessages.clear();
}

} // namespace app

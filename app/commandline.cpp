#include "app/commandline.h"

#include <QCommandLineParser>
#include <QStringList>
#include <QTranslator>

namespace app {

namespace {

// Qt's own options, taken by QApplication; here they are only let through.
const char *const qtOptionsWithValue[] = {"platform",      "platformpluginpath",
                                          "platformtheme", "plugin",
                                          "qmljsdebugger", "qwindowgeometry",
                                          "qwindowicon",   "qwindowtitle",
                                          "session",       "display",
                                          "geometry",      "name",
                                          "title",         "visual",
                                          "style",         "stylesheet"};
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

// The help: Chinese first, English second.
struct HelpRow {
    const char *option, *chinese, *english;
};
const HelpRow helpRows[] = {
    {"-h, --help", "显示本帮助。", "Show this help."},
    {"-v, --version", "显示版本。", "Show the version."},
};
const char *const helpHead[] = {"用法：morvelin [选项]",
                                "Usage: morvelin [options]",
                                "",
                                "由三位开奖号码算出两组七码。",
                                "Two seven-digit sets from a three-digit lottery draw.",
                                "",
                                "选项 Options:"};
const char *const helpFoot[] = {"也可使用 Qt 的选项，如 -platform、-style。",
                                "Qt's own options, such as -platform and -style, work too."};

// For a terminal: the options padded to one column, each description's two
// languages on two lines.
QString plainHelp()
{
    QString text;
    for (const char *line : helpHead)
        text += QString::fromUtf8(line) + QLatin1Char('\n');
    for (const HelpRow &row : helpRows) {
        text += QStringLiteral("  %1 %2\n")
                    .arg(QLatin1String(row.option), -15)
                    .arg(QString::fromUtf8(row.chinese));
        text += QStringLiteral("  %1 %2\n").arg(QString(), -15).arg(QLatin1String(row.english));
    }
    text += QLatin1Char('\n');
    for (const char *line : helpFoot)
        text += QString::fromUtf8(line) + QLatin1Char('\n');
    return text;
}

// The parser, run before the application and its translations exist, words
// its refusals in English; their Chinese comes from Qt's own translation,
// which the program carries.
QString inChinese(const QString &refusal)
{
    QTranslator qt;
    if (!qt.load(QStringLiteral(":/translations/qtbase_zh_CN.qm")))
        return {}; // GCOVR_EXCL_LINE: built into the program
    for (const char *source : {"Unknown option '%1'.", "Unknown options: %1.",
                               "Missing value after '%1'.", "Unexpected value after '%1'."}) {
        const QStringList around = QString::fromLatin1(source).split(QStringLiteral("%1"));
        const qsizetype argument = refusal.size() - around[0].size() - around[1].size();
        if (argument > 0 && refusal.startsWith(around[0]) && refusal.endsWith(around[1]))
            return qt.translate("QCommandLineParser", source)
                .arg(refusal.mid(around[0].size(), argument));
    }
    return {}; // GCOVR_EXCL_LINE: the parser has no other refusals
}

// The parser names an unknown option without its dashes and value; the
// refusal quotes it as it was typed: "-bogus", "--bogus".
QString asTyped(const QString &name, const QStringList &arguments)
{
    for (const QString &argument : arguments.mid(1)) {
        QString option = argument.section(QLatin1Char('='), 0, 0);
        qsizetype dashes = 0;
        while (dashes < option.size() && dashes < 2 && option[dashes] == QLatin1Char('-'))
            ++dashes;
        if (dashes > 0 && option.mid(dashes) == name)
            return option;
    }
    return name; // GCOVR_EXCL_LINE: every unknown name comes from an argument
}

// The parser's own refusal, with the unknown options as typed.
QString parserRefusal(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty())
        return parser.errorText();
    QStringList typed;
    for (const QString &name : unknown)
        typed << asTyped(name, arguments);
    return QString::fromLatin1(unknown.size() == 1 ? "Unknown option '%1'."
                                                   : "Unknown options: %1.")
        .arg(typed.join(QStringLiteral(", ")));
}

// One line, Chinese first, as the help is.
CommandLine refusal(const QString &chinese, const QString &english)
{
    return {false, 2,
            QStringLiteral("morvelin: %1请看 morvelin --help。%2 Try 'morvelin --help'.\n")
                .arg(chinese, english)};
}

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

    if (!parser.parse(arguments)) {
        const QString english = parserRefusal(parser, arguments);
        return refusal(inChinese(english), english);
    }
    if (!parser.positionalArguments().isEmpty()) {
        const QString argument = parser.positionalArguments().constFirst();
        return refusal(QStringLiteral("多余的参数“%1”。").arg(argument),
                       QStringLiteral("Unexpected argument '%1'.").arg(argument));
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        return {false, 0, plainHelp()};
    if (parser.isSet(version))
        return {false, 0, QStringLiteral("morvelin " MORVELIN_VERSION "\n")};
    return {};
}

} // namespace app

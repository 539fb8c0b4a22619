#include "app/commandline.h"

#include <QCommandLineParser>
#include <QStringList>

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

// For a message box: the same lines, the options in a table.
QString richHelp()
{
    QString html;
    for (const char *line : helpHead)
        html += QString::fromUtf8(line).toHtmlEscaped() + QStringLiteral("<br>");
    html += QStringLiteral("<table>");
    for (const HelpRow &row : helpRows)
        html +=
            QStringLiteral("<tr><td style=\"padding-right: 12px\">%1</td><td>%2<br>%3</td></tr>")
                .arg(QLatin1String(row.option), QString::fromUtf8(row.chinese),
                     QLatin1String(row.english));
    html += QStringLiteral("</table><br>");
    for (const char *line : helpFoot)
        html += QString::fromUtf8(line).toHtmlEscaped() + QStringLiteral("<br>");
    return html;
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

    const bool parsed = parser.parse(arguments);
    QString error = parser.errorText();
    if (parsed && !parser.positionalArguments().isEmpty())
        error = QStringLiteral("unexpected argument '%1'.")
                    .arg(parser.positionalArguments().constFirst());
    if (!error.isEmpty())
        return {false, 2, QStringLiteral("morvelin: %1 Try 'morvelin --help'.\n").arg(error), {}};
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        return {false, 0, plainHelp(), richHelp()};
    if (parser.isSet(version))
        return {false, 0, QStringLiteral("morvelin " MORVELIN_VERSION "\n"), {}};
    return {};
}

} // namespace app

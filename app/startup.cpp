#include "app/startup.h"

#include "window/layout.h"
#include "window/messagebox.h"

#include <QDirIterator>
#include <QFont>
#include <QIcon>
#include <QStyleHints>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <vector>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace app {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

std::vector<HeldMessage> heldMessages;

// A Windows program started from Explorer or a shortcut has no console and no
// standard handles: what it prints goes nowhere.
bool hasNoConsole()
{
#ifdef Q_OS_WIN
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    return GetConsoleWindow() == nullptr && (startup.dwFlags & STARTF_USESTDHANDLES) == 0;
#else
    return false;
#endif
}

// Our line, then Qt's own words on the cause.
QString startFailure()
{
    QString text = QStringLiteral("morvelin: 无法启动。Morvelin cannot start:\n");
    for (const HeldMessage &message : heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        text += qFormatLogMessage(message.type, context, message.text) + QLatin1Char('\n');
    }
    return text;
}

// Holds Qt's messages while the application is built. A fatal one would
// abort; it ends the process with status 1 and our line and Qt's words on
// stderr instead. (A Windows program without a console has already shown
// Qt's own message box about it by then.)
void holdOrFail(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    heldMessages.push_back({type, QByteArray(context.category), text});
    if (type != QtFatalMsg)
        return;
    std::fputs(qPrintable(startFailure()), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

// "宋体" and "黑体" stay the names in the layout, so a system that has them (a
// Chinese Windows) uses them; elsewhere a Song-style serif and a Hei-style
// sans face with Simplified Chinese glyph forms stand in: the same faces under
// their English names (a Windows in another language), Noto or Source Han
// (Linux), and last Microsoft YaHei, which every Windows 10 has, so that the
// captions never show boxes.
void registerFontSubstitutes()
{
    QFont::insertSubstitutions(
        QString::fromUtf8(window::SongTi),
        {QStringLiteral("SimSun"), QStringLiteral("NSimSun"), QStringLiteral("Noto Serif CJK SC"),
         QStringLiteral("Source Han Serif SC"), QStringLiteral("AR PL UMing CN"),
         QStringLiteral("Microsoft YaHei")});
    QFont::insertSubstitutions(QString::fromUtf8(window::HeiTi),
                               {QStringLiteral("SimHei"), QStringLiteral("Microsoft YaHei"),
                                QStringLiteral("Noto Sans CJK SC"),
                                QStringLiteral("Source Han Sans SC"),
                                QStringLiteral("WenQuanYi Zen Hei")});
}

// The desktop's default font, with the Hei face for Chinese text (the
// buttons' captions, the messages); left alone, the fallback may pick
// Japanese glyph forms.
void setDefaultFont()
{
    QFont font = QApplication::font();
    font.setFamilies({font.family(), QString::fromUtf8(window::HeiTi)});
    QApplication::setFont(font);
}

// Qt's own texts (the text boxes' context menus) in Chinese, from the copy
// the program carries: a Windows Qt has no translations of its own.
void installQtTranslation()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral(":/translations/qtbase_zh_CN.qm")))
        QCoreApplication::installTranslator(translator);
}

// Every size rendered into the resources at build time.
QIcon applicationIcon()
{
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

// Windows reports a high-contrast theme; elsewhere Qt 6.4 hears of none (a
// GNOME high-contrast theme reaches it as an ordinary light palette).
bool systemHighContrast()
{
#ifdef Q_OS_WIN
    HIGHCONTRASTW highContrast{};
    highContrast.cbSize = sizeof highContrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0) &&
           (highContrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
#else
    return false;
#endif
}

// Runs an action once, after the first paint of the window it watches.
class AfterFirstPaint : public QObject {
  public:
    AfterFirstPaint(QWidget &window, void (*action)()) : QObject(&window), m_action(action)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, m_action);
        }
        return false;
    }

  private:
    void (*m_action)();
};

} // namespace

int report(const CommandLine &commandLine, int &argc, char **argv)
{
    // cppcheck-suppress knownConditionTrueFalse ; it varies on Windows only
    if (!hasNoConsole()) {
        std::fputs(qPrintable(commandLine.text), commandLine.status == 0 ? stdout : stderr);
        return commandLine.status;
    }
    const std::unique_ptr<QApplication> application = startApplication(argc, argv);
    setUpApplication();
    QApplication::setWindowIcon(applicationIcon());
    window::showMessageBox(nullptr, commandLine.text.trimmed(), true);
    return commandLine.status;
}

std::unique_ptr<QApplication> startApplication(int &argc, char **argv)
{
    const QtMessageHandler previousHandler = qInstallMessageHandler(holdOrFail);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage &message : heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    heldMessages.clear();
    return application;
}

window::ColourScheme setUpApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("morvelin"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MORVELIN_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(MORVELIN_APP_ID));
    registerFontSubstitutes();
    setDefaultFont();
    installQtTranslation();
    return setUpColours(systemHighContrast());
}

window::ColourScheme setUpColours(bool highContrast)
{
    const window::ColourScheme colours =
        window::colourScheme(highContrast, QApplication::palette());
    if (colours == window::ColourScheme::Light) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        // What the platform draws from the desktop's scheme rather than the
        // palette (the Windows 11 style's fills and frames, a dark title
        // bar) turns light with the window.
        QGuiApplication::styleHints()->setColorScheme(Qt::ColorScheme::Light);
#endif
        QApplication::setPalette(window::lightPalette());
    }
    return colours;
}

void showMainWindow(QWidget &window)
{
    window.show();
    // Decoding the icon's images is not needed for the first picture: a person
    // sees the window sooner, and the window manager takes the icon a moment
    // later.
    new AfterFirstPaint(window, [] { QApplication::setWindowIcon(applicationIcon()); });
}

int leave(int status)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

} // namespace app

#include "app/startup.h"

#include "window/layout.h"

#include <QDirIterator>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace app {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

std::vector<HeldMessage> heldMessages;

void writeHeldMessages()
{
    for (const HeldMessage &message : heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        std::fprintf(stderr, "%s\n",
                     qPrintable(qFormatLogMessage(message.type, context, message.text)));
    }
}

// Holds Qt's messages while the application is built. A fatal one would
// abort; it ends the process with our line and Qt's words instead.
void holdOrFail(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    heldMessages.push_back({type, QByteArray(context.category), text});
    if (type != QtFatalMsg)
        return;
    std::fputs("morvelin: 无法启动。Morvelin cannot start:\n", stderr);
    writeHeldMessages();
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

// Qt's own texts (the text boxes' context menus) in Chinese.
void installQtTranslation()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
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

int report(const CommandLine &commandLine)
{
    std::fputs(qPrintable(commandLine.text), commandLine.status == 0 ? stdout : stderr);
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
    setUpApplication();
    return application;
}

void setUpApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("morvelin"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MORVELIN_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(MORVELIN_APP_ID));
    registerFontSubstitutes();
    setDefaultFont();
    installQtTranslation();
}

void showMainWindow(QWidget &window)
{
    window.show();
    // Decoding the icon's images is not needed for the first picture: a person
    // sees the window sooner, and the window manager takes the icon a moment
    // later.
    new AfterFirstPaint(window, [] { QApplication::setWindowIcon(applicationIcon()); });
}

} // namespace app

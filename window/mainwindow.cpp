#include "window/mainwindow.h"

#include <QClipboard>
#include <QDirIterator>
#include <QFont>
#include <QGridLayout>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpacerItem>
#include <QTimer>
#include <QTranslator>
#include <QValidator>

#include <algorithm>
#include <limits>

namespace window {

namespace {

QString fromUtf16(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QFont fontOf(const FontSpec &spec)
{
    QFont font(QString::fromUtf8(spec.family));
    font.setPixelSize(pixels(spec.size));
    font.setWeight(static_cast<QFont::Weight>(spec.weight));
    return font;
}

// Keeps a single-line box to one line, however the text arrives: typed,
// pasted, dropped or set from code (QLineEdit runs its validator on each).
class SingleLineValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override
    {
        const std::u16string_view text(reinterpret_cast<const char16_t *>(input.utf16()),
                                       static_cast<std::size_t>(input.size()));
        if (const auto kept = singleLine(text, static_cast<std::size_t>(std::max(pos, 0)))) {
            input = fromUtf16(kept->text);
            pos = static_cast<int>(kept->cursor);
        }
        return Acceptable;
    }
};

QWidget *createControl(const ControlSpec &spec, QWidget *parent)
{
    const QString caption = QString::fromUtf8(spec.caption);
    switch (spec.kind) {
    case ControlKind::Label: {
        auto *label = new QLabel(caption, parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(caption, parent);
        box->setMaxLength(std::numeric_limits<int>::max());
        box->setValidator(new SingleLineValidator(box));
        return box;
    }
    case ControlKind::MultiLineTextBox: {
        auto *box = new QPlainTextEdit(caption, parent);
        box->setTabChangesFocus(true);
        // Unwrapped, a megabyte pasted in lays out in well under a second;
        // wrapped at the box's width it froze the window for over a minute.
        // The two result lines fit the width either way.
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Two lines fit the box's height only without the document's margin.
        box->document()->setDocumentMargin(1);
        return box;
    }
    case ControlKind::Button: {
        auto *button = new QPushButton(caption, parent);
        // Enter presses a focused button, as Space does; no button is the
        // window's default button.
        button->setAutoDefault(true);
        return button;
    }
    }
    return nullptr; // GCOVR_EXCL_LINE: not reached, the switch handles every kind
}

void setTextColour(QWidget *control, const Rgb &colour)
{
    QPalette palette = control->palette();
    const QColor color(colour.red, colour.green, colour.blue);
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    control->setPalette(palette);
}

// "宋体" and "黑体" stay the names in the table, so a system that has them (a
// Chinese Windows) uses them; elsewhere a Song-style serif and a Hei-style
// sans face with Simplified Chinese glyph forms stand in: the same faces under
// their English names (a Windows in another language), Noto or Source Han
// (Linux), and last Microsoft YaHei, which every Windows 10 has, so that the
// captions never show boxes.
void registerFontSubstitutes()
{
    QFont::insertSubstitutions(QString::fromUtf8(SongTi),
                               {QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                                QStringLiteral("Noto Serif CJK SC"),
                                QStringLiteral("Source Han Serif SC"),
                                QStringLiteral("AR PL UMing CN"), QStringLiteral("Microsoft YaHei")});
    QFont::insertSubstitutions(QString::fromUtf8(HeiTi),
                               {QStringLiteral("SimHei"), QStringLiteral("Microsoft YaHei"),
                                QStringLiteral("Noto Sans CJK SC"),
                                QStringLiteral("Source Han Sans SC"),
                                QStringLiteral("WenQuanYi Zen Hei")});
}

// The desktop's default font, with the Hei face for the Chinese captions of
// the buttons (left alone, the fallback may pick Japanese glyph forms).
QFont windowFont(const QFont &defaultFont)
{
    QFont font = defaultFont;
    font.setFamilies({defaultFont.family(), QString::fromUtf8(HeiTi)});
    return font;
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

// Qt's own texts (the text boxes' context menus) in Chinese.
void installQtTranslation()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

// Qt's texts show only in context menus, so they load the first time one is
// asked for rather than before the window shows.
class TranslationLoader : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ContextMenu) {
            installQtTranslation();
            QCoreApplication::instance()->removeEventFilter(this);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

MainWindow::MainWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(WindowTitle));
    resize(pixels(ClientWidth), pixels(ClientHeight));
    registerFontSubstitutes();
    setFont(windowFont(font()));
    buildControls();
    connectHandlers();
    control(ControlId::FirstDigit)->setFocus();
    QCoreApplication::instance()->installEventFilter(new TranslationLoader(this));
}

void MainWindow::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    // Decoding the icon's images is not needed to show the window: it waits
    // until the first paint is done, and the window manager picks it up then.
    if (!m_iconSet) {
        m_iconSet = true;
        QTimer::singleShot(0, this, [this] { setWindowIcon(applicationIcon()); });
    }
}

void MainWindow::buildControls()
{
    for (const ControlSpec &spec : ControlTable) {
        QWidget *widget = createControl(spec, this);
        widget->setObjectName(QString::fromUtf8(spec.name));
        widget->setAccessibleName(QString::fromUtf8(spec.accessibleName));
        widget->setGeometry(pixels(spec.left), pixels(spec.top), pixels(spec.width),
                            pixels(spec.height));
        if (spec.font.family != nullptr)
            widget->setFont(fontOf(spec.font));
        if (spec.colour)
            setTextColour(widget, *spec.colour);
        m_controls[static_cast<std::size_t>(spec.id)] = widget;
    }

    std::array<const ControlSpec *, ControlCount> byTabIndex{};
    std::transform(ControlTable.begin(), ControlTable.end(), byTabIndex.begin(),
                   [](const ControlSpec &spec) { return &spec; });
    std::sort(byTabIndex.begin(), byTabIndex.end(),
              [](const ControlSpec *a, const ControlSpec *b) { return a->tabIndex < b->tabIndex; });
    QWidget *previous = nullptr;
    for (const ControlSpec *spec : byTabIndex) {
        QWidget *widget = control(spec->id);
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void MainWindow::connectHandlers()
{
    const auto forward = [this](auto *sender, auto signal, void (Handlers::*handler)()) {
        connect(sender, signal, this, [this, handler] { (m_handlers.*handler)(); });
    };
    const auto button = [this](ControlId id) { return static_cast<QPushButton *>(control(id)); };
    const auto box = [this](ControlId id) { return static_cast<QLineEdit *>(control(id)); };
    forward(button(ControlId::Calculate), &QPushButton::clicked, &Handlers::calculateClicked);
    forward(button(ControlId::Clear), &QPushButton::clicked, &Handlers::clearClicked);
    forward(button(ControlId::Copy), &QPushButton::clicked, &Handlers::copyClicked);
    forward(box(ControlId::FirstDigit), &QLineEdit::textChanged, &Handlers::firstDigitChanged);
    forward(box(ControlId::SecondDigit), &QLineEdit::textChanged, &Handlers::secondDigitChanged);
    forward(box(ControlId::ThirdDigit), &QLineEdit::textChanged, &Handlers::thirdDigitChanged);
}

std::u16string MainWindow::text(ControlId box) const
{
    if (const auto *lines = qobject_cast<const QPlainTextEdit *>(control(box))) {
        // The document keeps a CR LF as one block break and gives it back as LF.
        QString plain = lines->toPlainText();
        plain.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        return plain.toStdU16String();
    }
    return static_cast<const QLineEdit *>(control(box))->text().toStdU16String();
}

void MainWindow::setText(ControlId box, std::u16string_view text)
{
    if (auto *lines = qobject_cast<QPlainTextEdit *>(control(box)))
        lines->setPlainText(fromUtf16(text));
    else
        static_cast<QLineEdit *>(control(box))->setText(fromUtf16(text));
}

void MainWindow::setFocus(ControlId control)
{
    this->control(control)->setFocus(Qt::OtherFocusReason);
}

void MainWindow::showMessage(std::u16string_view message)
{
    QMessageBox box(this);
    // A fixed-size box with a close button only: no minimise or maximise.
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    box.setWindowTitle(QString::fromUtf8(WindowTitle));
    box.setText(fromUtf16(message));
    box.setTextFormat(Qt::PlainText);
    box.setIcon(QMessageBox::NoIcon);
    // Our own button, so it reads the same on every desktop.
    box.setDefaultButton(box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole));
    // The box sizes itself to its layout's minimum; a row of this width under
    // everything sets that.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(pixels(MessageBoxMinimumWidth), 0, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
}

void MainWindow::clearClipboard()
{
    QGuiApplication::clipboard()->clear();
}

void MainWindow::setClipboardText(std::u16string_view text)
{
    QGuiApplication::clipboard()->setText(fromUtf16(text));
}

} // namespace window

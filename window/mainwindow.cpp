#include "window/mainwindow.h"

#include "window/clickselect.h"
#include "window/composition.h"
#include "window/focusannouncement.h"
#include "window/markruns.h"
#include "window/pastefilter.h"
#include "window/singleline.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>
#include <utility>

namespace window {

namespace {

QFont fontOf(const FontSpec &spec)
{
    QFont font(QString::fromUtf8(spec.family));
    font.setPixelSize(pixels(spec.size));
    font.setWeight(static_cast<QFont::Weight>(spec.weight));
    return font;
}

Control createControl(const ControlSpec &spec, QWidget *parent)
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
        new ShortMarkRuns(box);
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
    return {}; // GCOVR_EXCL_LINE: not reached, the switch handles every kind
}

// Only the text colour is the control's own; every other colour follows the window.
void setTextColour(QWidget *control, const Rgb &colour)
{
    QPalette palette;
    const QColor color(colour.red, colour.green, colour.blue);
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    control->setPalette(palette);
}

// Every control of the table, placed, named and styled, on the window; the
// table's colours unless the system's colours rule (high contrast).
Controls buildControls(QWidget *window, ColourScheme colours)
{
    Controls controls;
    for (const ControlSpec &spec : ControlTable) {
        const Control control = createControl(spec, window);
        QWidget *widget = widgetOf(control);
        widget->setObjectName(QString::fromUtf8(spec.name));
        widget->setAccessibleName(QString::fromUtf8(spec.accessibleName));
        widget->setGeometry(pixels(spec.left), pixels(spec.top), pixels(spec.width),
                            pixels(spec.height));
        if (spec.font.family != nullptr)
            widget->setFont(fontOf(spec.font));
        if (spec.colour && colours != ColourScheme::System)
            setTextColour(widget, *spec.colour);
        controls[static_cast<std::size_t>(spec.id)] = control;
    }
    return controls;
}

} // namespace

MainWindow::MainWindow(ColourScheme colours, QWidget *parent)
    : QWidget(parent), m_view(this, buildControls(this, colours))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(WindowTitle));
    resize(pixels(ClientWidth), pixels(ClientHeight));

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

    connectHandlers();
    control(ControlId::FirstDigit)->setFocus();
}

void MainWindow::connectDrawBoxes()
{
    const std::pair<ControlId, void (Handlers::*)()> boxes[] = {
        {ControlId::FirstDigit, &Handlers::firstDigitChanged},
        {ControlId::SecondDigit, &Handlers::secondDigitChanged},
        {ControlId::ThirdDigit, &Handlers::thirdDigitChanged}};
    for (const auto &[id, changed] : boxes) {
        auto *box = m_view.as<QLineEdit>(id);
        new SelectOnClick(box);
        new ComposedChanges(box, [this, changed = changed] { (m_handlers.*changed)(); });
        new PasteFilter(box, [this](const QString &text) {
            const OneFocusAnnouncement once; // the draw walks the focus along the boxes
            return m_handlers.textPasted(text.toStdU16String());
        });
    }
}

void MainWindow::connectHandlers()
{
    const auto forward = [this](auto *sender, auto signal, void (Handlers::*handler)()) {
        connect(sender, signal, this, [this, handler] { (m_handlers.*handler)(); });
    };
    const auto button = [this](ControlId id) { return m_view.as<QPushButton>(id); };
    forward(button(ControlId::Calculate), &QPushButton::clicked, &Handlers::calculateClicked);
    // Clear walks the focus along the chain and back to the first box.
    connect(button(ControlId::Clear), &QPushButton::clicked, this, [this] {
        const OneFocusAnnouncement once;
        m_handlers.clearClicked();
    });
    forward(button(ControlId::Copy), &QPushButton::clicked, &Handlers::copyClicked);
    forward(m_view.as<QPlainTextEdit>(ControlId::TwoLineText), &QPlainTextEdit::textChanged,
            &Handlers::twoLineTextChanged);
    connectDrawBoxes();
}

} // namespace window

#include "window/widgetview.h"

#include "window/messagebox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace window {

namespace {

QString fromUtf16(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QWidget *widgetOf(const Control &control)
{
    return std::visit([](auto *widget) -> QWidget * { return widget; }, control);
}

QWidget *WidgetView::widget(ControlId id) const
{
    return widgetOf(m_controls[static_cast<std::size_t>(id)]);
}

std::u16string WidgetView::text(ControlId box) const
{
    if (const auto *lines =
            std::get_if<QPlainTextEdit *>(&m_controls[static_cast<std::size_t>(box)])) {
        // The document keeps a CR LF as one block break and gives it back as LF.
        QString plain = (*lines)->toPlainText();
        plain.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        return plain.toStdU16String();
    }
    return as<QLineEdit>(box)->text().toStdU16String();
}

void WidgetView::setText(ControlId box, std::u16string_view text)
{
    if (auto *const *lines =
            std::get_if<QPlainTextEdit *>(&m_controls[static_cast<std::size_t>(box)]))
        (*lines)->setPlainText(fromUtf16(text));
    else
        as<QLineEdit>(box)->setText(fromUtf16(text));
}

void WidgetView::setFocus(ControlId control)
{
    widget(control)->setFocus(Qt::OtherFocusReason);
    // A box the focus moves into still holds the last draw's digit: selected,
    // the next key replaces it instead of adding to it.
    if (auto *const *box = std::get_if<QLineEdit *>(&m_controls[static_cast<std::size_t>(control)]))
        (*box)->selectAll();
}

void WidgetView::typeOver(ControlId box, std::u16string_view text)
{
    as<QLineEdit>(box)->insert(fromUtf16(text));
}

void WidgetView::setDescription(ControlId control, std::u16string_view description)
{
    widget(control)->setAccessibleDescription(fromUtf16(description));
}

void WidgetView::showMessage(std::u16string_view message)
{
    showMessageBox(m_window, fromUtf16(message));
}

void WidgetView::clearClipboard()
{
    QGuiApplication::clipboard()->clear();
}

void WidgetView::setClipboardText(std::u16string_view text)
{
    QGuiApplication::clipboard()->setText(fromUtf16(text));
}

} // namespace window

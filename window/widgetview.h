#pragma once

// The handlers' view, backed by the window's widgets.

#include "window/handlers.h"
#include "window/layout.h"

#include <array>
#include <cstddef>
#include <variant>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace window {

// A control of the table as the widget its kind makes.
using Control = std::variant<QLabel *, QLineEdit *, QPlainTextEdit *, QPushButton *>;
using Controls = std::array<Control, ControlCount>; // by ControlId

QWidget *widgetOf(const Control &control);

class WidgetView : public View {
  public:
    // The window is the message boxes' parent.
    WidgetView(QWidget *window, const Controls &controls) : m_window(window), m_controls(controls)
    {
    }

    QWidget *widget(ControlId id) const;
    // The control as the widget it is; std::bad_variant_access if it is not.
    template <typename Widget> Widget *as(ControlId id) const
    {
        return std::get<Widget *>(m_controls[static_cast<std::size_t>(id)]);
    }

    std::u16string text(ControlId box) const override;
    void setText(ControlId box, std::u16string_view text) override;
    void setFocus(ControlId control) override;
    void typeOver(ControlId box, std::u16string_view text) override;
    void setDescription(ControlId control, std::u16string_view description) override;
    void showMessage(std::u16string_view message) override;
    void clearClipboard() override;
    void setClipboardText(std::u16string_view text) override;

  private:
    QWidget *m_window;
    Controls m_controls;
};

} // namespace window

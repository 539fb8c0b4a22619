#pragma once

// The window's six handlers, written against a small view so they never touch
// a widget.

#include "window/layout.h"

#include <string>
#include <string_view>

namespace window {

class View {
  public:
    virtual ~View() = default;

    // The two-line text gives its lines joined by CR LF.
    virtual std::u16string text(ControlId box) const = 0;
    // Setting a draw digit box to a different text runs its change handler at
    // once, before this returns.
    virtual void setText(ControlId box, std::u16string_view text) = 0;
    // Moves the keyboard focus as the Tab key does: a box's text is selected,
    // so that the next key typed replaces it.
    virtual void setFocus(ControlId control) = 0;
    // A modal message box with one OK button; returns when it is closed.
    virtual void showMessage(std::u16string_view message) = 0;
    virtual void clearClipboard() = 0;
    virtual void setClipboardText(std::u16string_view text) = 0;
};

inline constexpr std::u16string_view MissingInputMessage = u"请输入开奖号码";
inline constexpr std::u16string_view TypeMismatchMessage = u"类型不匹配：输入的不是数字";
inline constexpr std::u16string_view OverflowMessage = u"溢出：数值超出范围";

class Handlers {
  public:
    explicit Handlers(View &view) : m_view(view) {}

    void calculateClicked();
    void clearClicked();
    void copyClicked();
    void firstDigitChanged();
    void secondDigitChanged();
    void thirdDigitChanged();

  private:
    View &m_view;
};

} // namespace window

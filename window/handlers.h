#pragma once

// The window's handlers, written against a small view so they never touch
// a widget.

#include "engine/errors.h"
#include "window/layout.h"

#include <cstddef>
#include <optional>
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
    // Types text into a single-line box as keys do, over the selected text:
    // a draw digit box's change handler runs even when its text comes out
    // the same.
    virtual void typeOver(ControlId box, std::u16string_view text) = 0;
    // What a screen reader says of the control besides its name and role.
    virtual void setDescription(ControlId control, std::u16string_view description) = 0;
    // A modal message box with one OK button; returns when it is closed.
    virtual void showMessage(std::u16string_view message) = 0;
    virtual void clearClipboard() = 0;
    virtual void setClipboardText(std::u16string_view text) = 0;
};

inline constexpr std::u16string_view MissingInputMessage = u"请输入开奖号码";
inline constexpr std::u16string_view TypeMismatchMessage = u"类型不匹配：输入的不是数字";
inline constexpr std::u16string_view OverflowMessage = u"溢出：数值超出范围";

// The one draw in a pasted or dropped text, as three ASCII digits: three
// digits (half or full width) written together or with runs of separators
// between them (blanks of any kind, commas, full stops, hyphens, slashes,
// half or full width, "、", "。" and "·"), no digit touching them. Nothing for a
// text with no such draw or with more than one.
std::optional<std::u16string> pastedDraw(std::u16string_view text);

// The two-line text as a screen reader should say it: its characters one by
// one (a Chinese voice reads 4590182 as seven digits, not as one number), "."
// as 点 and a line break as a pause; a long text is cut after
// SpokenTextLength characters, which "……" then stands for.
inline constexpr std::size_t SpokenTextLength = 64;
std::u16string spokenText(std::u16string_view text);

class Handlers {
  public:
    explicit Handlers(View &view) : m_view(view) {}

    void calculateClicked();
    void clearClicked();
    void copyClicked();
    void firstDigitChanged();
    void secondDigitChanged();
    void thirdDigitChanged();
    // The Copy button tells a screen reader what it copies.
    void twoLineTextChanged();
    // A pasted or dropped text that holds a draw is typed into the three draw
    // boxes from the first, as keys would, and true returned; for any other
    // text nothing happens and the paste goes on as usual.
    bool textPasted(std::u16string_view text);

  private:
    void focusUnreadBox(const engine::ConversionError &error);

    View &m_view;
};

} // namespace window

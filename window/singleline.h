#pragma once

// The rule of the single-line boxes: a line break never gets into them, however
// the text arrives (typed, pasted, dropped, from an input method or from code).

#include <QValidator>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace window {

// What a single-line box keeps of a text with a line break (CR, LF, U+2028,
// U+2029): the text before the first break. Text inserted at a cursor keeps
// what stood after the cursor, so a paste into the middle of a box drops only
// the pasted text from its first break on. The cursor ends after what was kept.
// Nothing for a text without a line break: it stays as it is.
struct SingleLineText {
    std::u16string text;
    std::size_t cursor;
};
std::optional<SingleLineText> singleLine(std::u16string_view text, std::size_t cursor);

// Applies singleLine() and shortenMarkRuns() to a QLineEdit; Qt runs a line edit's validator on
// every change of its text, whatever its source.
class SingleLineValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

} // namespace window

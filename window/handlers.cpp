#include "window/handlers.h"

#include "engine/calculate.h"

#include <variant>

namespace window {

namespace {

// The blanks of Unicode (White_Space), and the invisible zero-width space and
// byte order mark that copied texts carry now and then.
constexpr std::u16string_view Blanks = u"\t\n\v\f\r \u0085\u00A0\u1680\u2000\u2001\u2002\u2003"
                                       u"\u2004\u2005\u2006\u2007\u2008\u2009\u200A\u200B"
                                       u"\u2028\u2029\u202F\u205F\u3000\uFEFF";
// Besides blanks, what a draw's digits are written apart with: commas (half
// and full width, and the Chinese "、") and hyphens (half and full width).
constexpr std::u16string_view Separators = u",\uFF0C\u3001-\uFF0D";

bool isBlank(char16_t unit)
{
    return Blanks.find(unit) != std::u16string_view::npos;
}

bool isSeparator(char16_t unit)
{
    return isBlank(unit) || Separators.find(unit) != std::u16string_view::npos;
}

// A half or full width digit as ASCII; nothing for anything else.
std::optional<char16_t> asciiDigit(char16_t unit)
{
    if (unit >= u'0' && unit <= u'9')
        return unit;
    if (unit >= u'\uFF10' && unit <= u'\uFF19')
        return static_cast<char16_t>(u'0' + (unit - u'\uFF10'));
    return std::nullopt;
}

bool isHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

} // namespace

std::optional<std::u16string> pastedDraw(std::u16string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    std::u16string draw;
    for (const char16_t unit : text) {
        if (const auto digit = asciiDigit(unit); digit && draw.size() < 3)
            draw += *digit;
        else if (!isSeparator(unit) || draw.empty() || draw.size() == 3)
            return std::nullopt; // not a digit or separator, or a separator outside the draw
    }
    if (draw.size() != 3)
        return std::nullopt;
    return draw;
}

std::u16string spokenText(std::u16string_view text)
{
    std::u16string_view said = text.substr(0, SpokenTextLength);
    if (said.size() < text.size() && isHighSurrogate(said.back()))
        said.remove_suffix(1); // never half a character
    std::u16string spoken;
    char16_t previous = u'\n'; // nothing before the first character
    for (const char16_t unit : said) {
        if (unit == u'\r' || unit == u'\n') {
            if (unit != u'\n' || previous != u'\r') // CR LF is one break
                spoken += u'，';
        } else {
            if (previous != u'\r' && previous != u'\n' && !isHighSurrogate(previous))
                spoken += u' ';
            spoken += unit == u'.' ? u'点' : unit;
        }
        previous = unit;
    }
    if (said.size() < text.size())
        spoken += u"……";
    return spoken;
}

void Handlers::calculateClicked()
{
    engine::CalculationResult result;
    // A text that cannot be read as a number is reported and the window carries
    // on as it was: no box is written and the focus stays.
    try {
        result = engine::calculate(m_view.text(ControlId::FirstDigit),
                                   m_view.text(ControlId::SecondDigit),
                                   m_view.text(ControlId::ThirdDigit));
    } catch (const engine::TypeMismatch &) { // GCOVR_EXCL_BR_LINE: others (out of memory) pass on
        m_view.showMessage(TypeMismatchMessage);
        return;
    } catch (const engine::Overflow &) {
        m_view.showMessage(OverflowMessage);
        return;
    }

    if (std::holds_alternative<engine::MissingInput>(result)) {
        m_view.showMessage(MissingInputMessage);
        m_view.setFocus(ControlId::FirstDigit);
        return;
    }
    const auto &sets = std::get<engine::DrawSets>(result);
    m_view.setText(ControlId::FirstSet, sets.firstSet);
    m_view.setText(ControlId::SecondSet, sets.secondSet);
    m_view.setText(ControlId::TwoLineText, sets.combinedText);
    m_view.setText(ControlId::SharedDigits, sets.commonDigits);
    m_view.setFocus(ControlId::Copy);
}

void Handlers::clearClicked()
{
    // Emptying the draw digit boxes runs their change handlers, which move the
    // focus along; the last step puts it back in the first digit.
    for (const ControlId box :
         {ControlId::FirstDigit, ControlId::SecondDigit, ControlId::ThirdDigit, ControlId::FirstSet,
          ControlId::SecondSet, ControlId::TwoLineText, ControlId::SharedDigits})
        m_view.setText(box, u"");
    m_view.setFocus(ControlId::FirstDigit);
}

void Handlers::copyClicked()
{
    // Cleared first, so an empty two-line text leaves nothing of the old contents.
    m_view.clearClipboard();
    m_view.setClipboardText(m_view.text(ControlId::TwoLineText));
}

void Handlers::firstDigitChanged()
{
    m_view.setFocus(ControlId::SecondDigit);
}

void Handlers::secondDigitChanged()
{
    m_view.setFocus(ControlId::ThirdDigit);
}

void Handlers::thirdDigitChanged()
{
    m_view.setFocus(ControlId::Calculate);
}

void Handlers::twoLineTextChanged()
{
    m_view.setDescription(ControlId::Copy, spokenText(m_view.text(ControlId::TwoLineText)));
}

bool Handlers::textPasted(std::u16string_view text)
{
    const std::optional<std::u16string> draw = pastedDraw(text);
    if (!draw)
        return false;
    // Typed one digit after the other from the first box: each box's change
    // handler moves the focus on, selecting the next box's old digit, which
    // the next digit then replaces.
    m_view.setFocus(ControlId::FirstDigit);
    m_view.typeOver(ControlId::FirstDigit, draw->substr(0, 1));
    m_view.typeOver(ControlId::SecondDigit, draw->substr(1, 1));
    m_view.typeOver(ControlId::ThirdDigit, draw->substr(2, 1));
    return true;
}

} // namespace window

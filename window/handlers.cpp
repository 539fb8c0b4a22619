#include "window/handlers.h"

#include "engine/calculate.h"

#include <algorithm>
#include <variant>

namespace window {

namespace {

// The blanks of Unicode (White_Space), and the invisible zero-width space and
// byte order mark that copied texts carry now and then.
constexpr std::u16string_view Blanks = u"\t\n\v\f\r \u0085\u00A0\u1680\u2000\u2001\u2002\u2003"
                                       u"\u2004\u2005\u2006\u2007\u2008\u2009\u200A\u200B"
                                       u"\u2028\u2029\u202F\u205F\u3000\uFEFF";
// Besides blanks, what a draw's digits are written apart with: commas and
// full stops (half and full width, and the Chinese "、" and "。"), hyphens and
// slashes (half and full width) and the middle dot.
constexpr std::u16string_view Separators = u",\uFF0C\u3001.\uFF0E\u3002-\uFF0D/\uFF0F\u00B7";

bool isSeparator(char16_t unit)
{
    return Blanks.find(unit) != std::u16string_view::npos ||
           Separators.find(unit) != std::u16string_view::npos;
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
    // One pass over the runs of digits: a run of exactly three digits is a
    // draw, and so is every three one-digit runs in a row with separators
    // between them. A digit touching a run makes it longer, so "2024335" and
    // the 15 of "和值15" are no draw; anything else around a draw (a label,
    // brackets, closing punctuation) ends the digits it follows.
    std::u16string draw;
    std::size_t draws = 0;
    const auto found = [&](std::u16string_view digits) {
        if (++draws == 1)
            draw = digits;
    };
    std::u16string apart; // the last one-digit runs with separators between them, at most three
    for (std::size_t i = 0; i < text.size() && draws < 2;) {
        if (!asciiDigit(text[i])) {
            if (!isSeparator(text[i]))
                apart.clear();
            ++i;
            continue;
        }
        std::u16string run; // its first three digits
        std::size_t length = 0;
        for (; i < text.size(); ++i, ++length) {
            const std::optional<char16_t> digit = asciiDigit(text[i]);
            if (!digit)
                break;
            if (length < 3)
                run += *digit;
        }
        if (length == 3)
            found(run);
        if (length != 1) {
            apart.clear();
            continue;
        }
        apart += run;
        if (apart.size() == 3) {
            found(apart);
            apart.erase(0, 1);
        }
    }
    if (draws != 1)
        return std::nullopt; // none, or more than one: which is meant is not known
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
    // A text that cannot be read as a number is reported and no box is
    // written; the focus goes to the box at fault, its text selected.
    try {
        result = engine::calculate(m_view.text(ControlId::FirstDigit),
                                   m_view.text(ControlId::SecondDigit),
                                   m_view.text(ControlId::ThirdDigit));
    } catch (const engine::TypeMismatch &error) { // GCOVR_EXCL_BR_LINE: others pass on
        m_view.showMessage(TypeMismatchMessage);
        focusUnreadBox(error);
        return;
    } catch (const engine::Overflow &error) {
        m_view.showMessage(OverflowMessage);
        focusUnreadBox(error);
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

void Handlers::focusUnreadBox(const engine::ConversionError &error)
{
    constexpr ControlId drawBoxes[] = {ControlId::FirstDigit, ControlId::SecondDigit,
                                       ControlId::ThirdDigit};
    m_view.setFocus(drawBoxes[std::min<std::size_t>(error.text(), 2)]);
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

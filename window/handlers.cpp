#include "window/handlers.h"

#include "engine/calculate.h"

#include <variant>

namespace window {

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

} // namespace window

#include "window/handlers.h"

#include "engine/calculate.h"

#include <variant>

namespace window {

void Handlers::command1Clicked()
{
    engine::CalculationResult result;
    // A text that cannot be read as a number is reported and the window carries
    // on as it was: no box is written and the focus stays.
    try {
        result = engine::calculate(m_view.text(ControlId::Text1), m_view.text(ControlId::Text2),
                                   m_view.text(ControlId::Text3));
    } catch (const engine::TypeMismatch &) { // GCOVR_EXCL_BR_LINE: others (out of memory) pass on
        m_view.showMessage(TypeMismatchMessage);
        return;
    } catch (const engine::Overflow &) {
        m_view.showMessage(OverflowMessage);
        return;
    }

    if (std::holds_alternative<engine::MissingInput>(result)) {
        m_view.showMessage(MissingInputMessage);
        m_view.setFocus(ControlId::Text1);
        return;
    }
    const auto &sets = std::get<engine::DrawSets>(result);
    m_view.setText(ControlId::Text4, sets.firstSet);
    m_view.setText(ControlId::Text5, sets.secondSet);
    m_view.setText(ControlId::Text6, sets.combinedText);
    m_view.setText(ControlId::Text7, sets.commonDigits);
    m_view.setFocus(ControlId::Command3);
}

void Handlers::command2Clicked()
{
    // Emptying Text1..Text3 runs their change handlers, which move the focus
    // along; the last step puts it back in Text1.
    for (const ControlId box : {ControlId::Text1, ControlId::Text2, ControlId::Text3,
                                ControlId::Text4, ControlId::Text5, ControlId::Text6,
                                ControlId::Text7})
        m_view.setText(box, u"");
    m_view.setFocus(ControlId::Text1);
}

void Handlers::command3Clicked()
{
    // Cleared first, so an empty Text6 leaves nothing of the old contents.
    m_view.clearClipboard();
    m_view.setClipboardText(m_view.text(ControlId::Text6));
}

void Handlers::text1Changed()
{
    m_view.setFocus(ControlId::Text2);
}

void Handlers::text2Changed()
{
    m_view.setFocus(ControlId::Text3);
}

void Handlers::text3Changed()
{
    m_view.setFocus(ControlId::Command1);
}

} // namespace window

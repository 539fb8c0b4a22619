#include "window/composition.h"

#include <QInputMethodEvent>
#include <QLineEdit>

#include <utility>

namespace window {

ComposedChanges::ComposedChanges(QLineEdit *box, std::function<void()> changed)
    : QObject(box), m_changed(std::move(changed))
{
    box->installEventFilter(this);
    connect(box, &QLineEdit::textChanged, this, &ComposedChanges::textChanged);
}

void ComposedChanges::textChanged()
{
    if (m_composing)
        m_held = true;
    else
        m_changed();
}

bool ComposedChanges::eventFilter(QObject * /*watched*/, QEvent *event)
{
    if (event->type() != QEvent::InputMethod)
        return false;
    const auto *input = static_cast<QInputMethodEvent *>(event);
    m_composing = !input->preeditString().isEmpty();
    // A commit changes the text as the line edit takes it, and is told then;
    // a composition cancelled after it deleted the selection is told here.
    if (!m_composing && std::exchange(m_held, false) && input->commitString().isEmpty())
        m_changed();
    return false;
}

} // namespace window

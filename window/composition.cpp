#include "window/composition.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>

#include <utility>

namespace window {

ComposedChanges::ComposedChanges(QLineEdit *box, std::function<void()> changed)
    : QObject(box), m_box(box), m_changed(std::move(changed))
{
    box->installEventFilter(this);
    connect(box, &QLineEdit::textChanged, this, &ComposedChanges::textChanged);
}

void ComposedChanges::textChanged()
{
    if (m_composing) {
        m_held = true;
        return;
    }
    m_told = true;
    m_changed();
}

bool ComposedChanges::eventFilter(QObject * /*watched*/, QEvent *event)
{
    if (event->type() != QEvent::InputMethod || m_delivering)
        return false;
    const auto *input = static_cast<QInputMethodEvent *>(event);
    if (!input->preeditString().isEmpty()) {
        m_composing = true;
        return false;
    }
    m_composing = false;
    if (!std::exchange(m_held, false))
        return false;
    // The box takes the commit first; a commit that changes nothing more (a
    // cancelled composition) leaves the held change to be told here.
    m_told = false;
    m_delivering = true;
    QCoreApplication::sendEvent(m_box, event);
    m_delivering = false;
    if (!m_told)
        textChanged();
    return true;
}

} // namespace window

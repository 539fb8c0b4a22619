#include "window/clickselect.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace window {

SelectOnClick::SelectOnClick(QLineEdit *box) : QObject(box), m_box(box)
{
    box->installEventFilter(this);
}

bool SelectOnClick::eventFilter(QObject * /*watched*/, QEvent *event)
{
    // Qt gives the focus to a clicked widget before the press reaches it. A
    // click that brings the window back may reach the box before or after
    // the window is active again; either way the box had the focus already.
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        m_focusedByClick = reason == Qt::MouseFocusReason;
        m_windowActivated = reason == Qt::ActiveWindowFocusReason;
        break;
    }
    case QEvent::MouseButtonPress: {
        const bool left = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        m_focusedByClick =
            left && (m_focusedByClick || m_windowActivated || !m_box->window()->isActiveWindow());
        m_windowActivated = false;
        break;
    }
    case QEvent::MouseButtonRelease: {
        if (m_releasing)
            break;
        const bool select =
            m_focusedByClick && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        m_focusedByClick = false;
        m_windowActivated = false;
        if (!select)
            break;
        // The line edit first places the cursor or ends the drag's selection,
        // and copies a selection it made to the X selection; the text is
        // selected after that, so the X selection stays what it was.
        m_releasing = true;
        QCoreApplication::sendEvent(m_box, event);
        m_releasing = false;
        if (!m_box->hasSelectedText())
            m_box->selectAll();
        return true;
    }
    case QEvent::KeyPress:
    case QEvent::FocusOut:
        m_focusedByClick = false;
        m_windowActivated = false;
        break;
    default:
        break;
    }
    return false;
}

} // namespace window

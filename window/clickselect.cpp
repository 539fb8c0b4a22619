#include "window/clickselect.h"

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
    // Qt gives the focus to a clicked widget before the press reaches it; the
    // selection is made when the button is let go, after Qt has placed the
    // cursor or made the drag's selection.
    switch (event->type()) {
    case QEvent::FocusIn:
        m_focusedByClick = static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason;
        break;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            m_focusedByClick = false;
        break;
    case QEvent::MouseButtonRelease:
        if (m_focusedByClick && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton &&
            !m_box->hasSelectedText())
            m_box->selectAll();
        m_focusedByClick = false;
        break;
    case QEvent::FocusOut:
        m_focusedByClick = false;
        break;
    default:
        break;
    }
    return false;
}

} // namespace window

#include "window/pastefilter.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

#include <utility>

namespace window {

PasteFilter::PasteFilter(QLineEdit *box, Handler handler)
    : QObject(box), m_box(box), m_handler(std::move(handler))
{
    box->installEventFilter(this);
}

bool PasteFilter::offer(QClipboard::Mode mode) const
{
    return m_handler(QGuiApplication::clipboard()->text(mode));
}

// The line edit's own menu, with its paste entry offering the text first.
void PasteFilter::showContextMenu(const QContextMenuEvent &event)
{
    QMenu *menu = m_box->createStandardContextMenu();
    for (QAction *action : menu->actions()) {
        // The entry that Qt connects to the line edit's paste(), whichever
        // way this Qt version connects it.
        if (disconnect(action, SIGNAL(triggered()), m_box, SLOT(paste())) ||
            disconnect(action, &QAction::triggered, m_box, &QLineEdit::paste))
            connect(action, &QAction::triggered, m_box, [this] {
                if (!offer(QClipboard::Clipboard))
                    m_box->paste();
            });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event.globalPos());
}

bool PasteFilter::eventFilter(QObject * /*watched*/, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!key->matches(QKeySequence::Paste))
            return false;
        // On X11 Ctrl+Shift+Insert pastes the selection, as the line edit does.
        const bool selection = key->key() == Qt::Key_Insert &&
                               key->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) &&
                               QGuiApplication::clipboard()->supportsSelection();
        return offer(selection ? QClipboard::Selection : QClipboard::Clipboard);
    }
    case QEvent::ContextMenu:
        showContextMenu(*static_cast<QContextMenuEvent *>(event));
        return true;
    case QEvent::MouseButtonRelease:
        return static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton &&
               QGuiApplication::clipboard()->supportsSelection() && offer(QClipboard::Selection);
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (!m_handler(drop->mimeData()->text()))
            return false;
        drop->acceptProposedAction();
        // The line edit hides the cursor it showed while the text was dragged
        // over it.
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(m_box, &leave);
        return true;
    }
    default:
        return false;
    }
}

} // namespace window

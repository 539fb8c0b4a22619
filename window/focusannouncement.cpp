#include "window/focusannouncement.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

namespace window {

namespace {

// Qt's update handler is a plain function, so its state is the process's.
int depth = 0;
QAccessible::UpdateHandler previousHandler = nullptr;
bool focusMoved = false;

// To the handler that was there before, or to Qt's own delivery to the platform.
void passOn(QAccessibleEvent *event)
{
    const QAccessible::UpdateHandler ours = QAccessible::installUpdateHandler(previousHandler);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(ours);
}

void holdFocusMoves(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::Focus)
        focusMoved = true;
    else
        passOn(event);
}

} // namespace

OneFocusAnnouncement::OneFocusAnnouncement()
{
    if (depth++ > 0)
        return;
    focusMoved = false;
    previousHandler = QAccessible::installUpdateHandler(holdFocusMoves);
}

OneFocusAnnouncement::~OneFocusAnnouncement()
{
    if (--depth > 0)
        return;
    QAccessible::installUpdateHandler(previousHandler);
    QWidget *focus = QApplication::focusWidget();
    if (focusMoved && focus != nullptr) {
        QAccessibleEvent event(focus, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace window

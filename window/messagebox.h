#pragma once

// The window's message box.

#include <QString>
#include <Qt>

class QWidget;

namespace window {

// Shows a modal message box over parent and returns when it is closed: the
// window's title, the text, one "确定" button and no icon. It has a close
// button only (no minimise or maximise), a fixed size, and is at least
// MessageBoxMinimumWidth wide, so that its title bar shows the whole caption.
// It takes its parent's palette.
void showMessageBox(QWidget *parent, const QString &text, Qt::TextFormat format = Qt::PlainText);

} // namespace window

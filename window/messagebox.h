#pragma once

// The window's message box.

#include <QString>

class QWidget;

namespace window {

// Shows a modal message box over parent and returns when it is closed: the
// window's title, the text, one "确定" button and no icon. It has a close
// button only (no minimise or maximise), a fixed size, and is at least
// MessageBoxMinimumWidth wide, so that its title bar shows the whole caption.
// With fixedPitch the text is shown as a terminal shows it, in a fixed-pitch
// font, line for line, its columns lined up.
void showMessageBox(QWidget *parent, const QString &text, bool fixedPitch = false);

} // namespace window

#pragma once

// A click into a line edit selects its text, as the Tab key does, so that the
// next key typed replaces the old text instead of adding to it.

#include <QObject>

class QLineEdit;

namespace window {

// Watches one line edit. The left click that brings the focus in selects the
// text, and so does the click that brings its window back when the box already
// had the focus there; not where that click made a selection of its own (a
// drag). A second click into the focused box of an active window, a double
// click, the right and the middle button and the keyboard behave as in any
// line edit. The selection it makes is never copied to the X selection, so a
// middle click then pastes what was selected elsewhere.
class SelectOnClick : public QObject {
  public:
    explicit SelectOnClick(QLineEdit *box);

    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    QLineEdit *m_box;
    bool m_focusedByClick = false;  // the press under way brought the focus in
    bool m_windowActivated = false; // the box has the focus of a window just brought back
    bool m_releasing = false;       // the line edit is handling the release
};

} // namespace window

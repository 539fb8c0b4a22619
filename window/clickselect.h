#pragma once

// A click into a line edit selects its text, as the Tab key does, so that the
// next key typed replaces the old text instead of adding to it.

#include <QObject>

class QLineEdit;

namespace window {

// Watches one line edit. Only the left click that brings the focus in selects
// the text, and only where that click made no selection of its own (a drag);
// a click into the focused box, a double click, the right and the middle
// button and the keyboard behave as in any line edit.
class SelectOnClick : public QObject {
  public:
    explicit SelectOnClick(QLineEdit *box);

    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    QLineEdit *m_box;
    bool m_focusedByClick = false;
};

} // namespace window

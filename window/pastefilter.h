#pragma once

// Offers a text pasted or dropped into a line edit to a handler before the
// line edit takes it: the keys that paste (Ctrl+V, Shift+Insert, ...), the
// context menu's paste, the middle button's selection (X11) and a drop. Where
// the handler takes the text, the paste ends there; otherwise it goes on as
// in any line edit.

#include <QClipboard>
#include <QObject>

#include <functional>

class QContextMenuEvent;
class QLineEdit;

namespace window {

class PasteFilter : public QObject {
  public:
    // Returns whether it took the text.
    using Handler = std::function<bool(const QString &text)>;

    PasteFilter(QLineEdit *box, Handler handler);

    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    bool offer(QClipboard::Mode mode) const;
    void showContextMenu(const QContextMenuEvent &event);

    QLineEdit *m_box;
    Handler m_handler;
};

} // namespace window

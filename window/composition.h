#pragma once

// Tells of a line edit's text changes, holding back those an input method
// makes while it composes. A composition started over a selected text deletes
// it at once; told of that change, the handlers would move the focus on, and
// the input method would then commit its raw keys into the next box. Held
// back, the change is told once the composition ends: with the commit's own
// change, or on its own when the composition is cancelled.

#include <QObject>

#include <functional>

class QLineEdit;

namespace window {

class ComposedChanges : public QObject {
  public:
    ComposedChanges(QLineEdit *box, std::function<void()> changed);

    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void textChanged();

    std::function<void()> m_changed;
    bool m_composing = false; // the input method shows a composition in the box
    bool m_held = false;      // the text changed during the composition
};

} // namespace window

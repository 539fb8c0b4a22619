#pragma once

// However a text reaches a box, a run of combining marks on one character is
// kept to MarkRunLength marks. Text layout shapes a character and all its
// marks as one cluster, in time that grows with the square of its length: a
// megabyte of accents on one letter froze the window for half a minute.
// Unicode's stream-safe text format (UAX #15) holds every real text to 30
// marks in a row, so what a person can have meant stays whole.

#include <QList>
#include <QObject>
#include <QString>

class QPlainTextEdit;

namespace window {

inline constexpr qsizetype MarkRunLength = 30;

// Where text has marks beyond MarkRunLength in a run (combining marks, and the
// zero-width joiners that extend a character too): the start and length, in
// UTF-16 units, of each run's excess, in order.
struct Excess {
    qsizetype start;
    qsizetype length;
};
QList<Excess> excessMarks(QStringView text);

// Drops the excess marks of text and moves cursor, a position in it, back by
// the units dropped before it. Returns whether it dropped any.
bool shortenMarkRuns(QString &text, qsizetype &cursor);

// Keeps a multi-line box's document to short mark runs: each change is
// mended before the box lays it out.
class ShortMarkRuns : public QObject {
  public:
    explicit ShortMarkRuns(QPlainTextEdit *box);

  private:
    void contentsChanged(int position, int added);

    QPlainTextEdit *m_box;
};

} // namespace window

#include "window/markruns.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace window {

namespace {

bool extendsCharacter(char32_t codePoint)
{
    return QChar::isMark(codePoint) || codePoint == 0x200C || codePoint == 0x200D;
}

} // namespace

QList<Excess> excessMarks(QStringView text)
{
    QList<Excess> excess;
    qsizetype run = 0;
    for (qsizetype i = 0; i < text.size();) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const qsizetype units = pair ? 2 : 1;
        const char32_t codePoint =
            pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : char32_t(text[i].unicode());
        run = extendsCharacter(codePoint) ? run + 1 : 0;
        if (run == MarkRunLength + 1)
            excess.push_back({i, 0});
        if (run > MarkRunLength)
            excess.back().length += units;
        i += units;
    }
    return excess;
}

bool shortenMarkRuns(QString &text, qsizetype &cursor)
{
    const QList<Excess> excess = excessMarks(text);
    if (excess.isEmpty())
        return false;
    QString kept;
    qsizetype from = 0;
    qsizetype before = 0; // units dropped before the cursor
    for (const Excess &run : excess) {
        kept += QStringView(text).mid(from, run.start - from);
        from = run.start + run.length;
        before += std::clamp(cursor - run.start, qsizetype(0), run.length);
    }
    kept += QStringView(text).mid(from);
    text = kept;
    cursor -= before;
    return true;
}

ShortMarkRuns::ShortMarkRuns(QPlainTextEdit *box) : QObject(box), m_box(box)
{
    // The document reports a change before its layout sees it.
    connect(box->document(), &QTextDocument::contentsChange, this,
            [this](int position, int /*removed*/, int added) { contentsChanged(position, added); });
}

void ShortMarkRuns::contentsChanged(int position, int added)
{
    // A run that reaches into the change may start before it, in its block.
    QTextDocument *document = m_box->document();
    const int start = document->findBlock(position).position();
    const QTextBlock last =
        document->findBlock(std::min(position + added, document->characterCount() - 1));
    const int end = last.position() + last.length() - 1;
    QTextCursor range(document);
    range.setPosition(start);
    range.setPosition(end, QTextCursor::KeepAnchor);
    const QList<Excess> excess = excessMarks(range.selectedText());
    // From the last, so that the positions before it stay as they are.
    for (qsizetype i = excess.size() - 1; i >= 0; --i) {
        const Excess &run = excess[i];
        range.setPosition(start + int(run.start));
        range.setPosition(start + int(run.start + run.length), QTextCursor::KeepAnchor);
        range.removeSelectedText();
    }
}

} // namespace window

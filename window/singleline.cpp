#include "window/singleline.h"

#include "window/markruns.h"

#include <algorithm>

namespace window {

namespace {

std::size_t firstBreak(std::u16string_view text)
{
    const auto isBreak = [](char16_t unit) {
        return unit == u'\r' || unit == u'\n' || unit == u'\u2028' || unit == u'\u2029';
    };
    return static_cast<std::size_t>(std::find_if(text.begin(), text.end(), isBreak) - text.begin());
}

} // namespace

std::optional<SingleLineText> singleLine(std::u16string_view text, std::size_t cursor)
{
    const std::size_t lineEnd = firstBreak(text);
    if (lineEnd == text.size())
        return std::nullopt;
    std::u16string_view after = text.substr(std::clamp(cursor, lineEnd, text.size()));
    after = after.substr(0, firstBreak(after));
    std::u16string kept(text.substr(0, lineEnd));
    kept += after;
    return SingleLineText{std::move(kept), lineEnd};
}

QValidator::State SingleLineValidator::validate(QString &input, int &pos) const
{
    const std::u16string_view text(reinterpret_cast<const char16_t *>(input.utf16()),
                                   static_cast<std::size_t>(input.size()));
    if (const auto kept = singleLine(text, static_cast<std::size_t>(std::max(pos, 0)))) {
        input = QString::fromUtf16(kept->text.data(), static_cast<qsizetype>(kept->text.size()));
        pos = static_cast<int>(kept->cursor);
    }
    qsizetype cursor = pos;
    if (shortenMarkRuns(input, cursor))
        pos = static_cast<int>(cursor);
    return Acceptable;
}

} // namespace window

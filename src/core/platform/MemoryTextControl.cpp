// A TextControl over a string in memory, recording the style of every character.
#include "core/platform/MemoryTextControl.h"

#include "core/platform/LineEnds.h"

#include <algorithm>

namespace velto {

MemoryTextControl::MemoryTextControl(std::string text)
    : text_(std::move(text)), styles_(text_.size(), 0), lineEnd_(DetectLineEnd(text_)) {}

void MemoryTextControl::GetTextRange(int first, int pastEnd, std::string& out) const {
    const int length = Length();
    first = std::clamp(first, 0, length);
    pastEnd = std::clamp(pastEnd, first, length);
    out.assign(text_, static_cast<std::size_t>(first), static_cast<std::size_t>(pastEnd - first));
}

std::optional<std::string_view> MemoryTextControl::LendTextRange(int first, int pastEnd) const {
    const int length = Length();
    first = std::clamp(first, 0, length);
    pastEnd = std::clamp(pastEnd, first, length);
    return std::string_view(text_).substr(static_cast<std::size_t>(first),
                                          static_cast<std::size_t>(pastEnd - first));
}

void MemoryTextControl::ReplaceRange(int first, int pastEnd, std::string_view text) {
    const int length = Length();
    first = std::clamp(first, 0, length);
    pastEnd = std::clamp(pastEnd, first, length);
    const auto at = static_cast<std::size_t>(first);
    const auto count = static_cast<std::size_t>(pastEnd - first);
    text_.replace(at, count, text);
    styles_.erase(styles_.begin() + first, styles_.begin() + pastEnd);
    styles_.insert(styles_.begin() + first, text.size(), 0);
    linesValid_ = false;
}

void MemoryTextControl::IndexLines() const {
    if (linesValid_)
        return;
    // Lines end at LF, CR LF or a lone CR, as in the editor's control.
    lineStarts_.assign(1, 0);
    for (std::size_t i = 0; i < text_.size(); ++i) {
        if (text_[i] == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n')
            continue;
        if (text_[i] == '\r' || text_[i] == '\n')
            lineStarts_.push_back(static_cast<int>(i + 1));
    }
    linesValid_ = true;
}

int MemoryTextControl::LineCount() const {
    IndexLines();
    return static_cast<int>(lineStarts_.size());
}

int MemoryTextControl::LineFromPosition(int pos) const {
    IndexLines();
    auto it = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), pos);
    return std::max(0, static_cast<int>(it - lineStarts_.begin()) - 1);
}

int MemoryTextControl::LineStart(int line) const {
    IndexLines();
    if (line < 0)
        return 0;
    if (line >= static_cast<int>(lineStarts_.size()))
        return Length();
    return lineStarts_[static_cast<std::size_t>(line)];
}

TextControl::Range MemoryTextControl::VisibleRange() const {
    return {LineStart(firstVisibleLine_), LineStart(firstVisibleLine_ + visibleLineCount_)};
}

void MemoryTextControl::SetVisibleLines(int firstLine, int lineCount) {
    firstVisibleLine_ = firstLine;
    visibleLineCount_ = lineCount;
}

void MemoryTextControl::SetStyles(int first, std::span<const std::uint8_t> styles) {
    const int length = Length();
    if (first < 0 || first > length)
        return;
    const auto count = std::min(styles.size(), static_cast<std::size_t>(length - first));
    std::copy_n(styles.begin(), count, styles_.begin() + first);
    styledCharacters_ += static_cast<long long>(count);
}

} // namespace velto

// Where a view shows a long line broken.
#include "core/document/DisplayBreakPlanner.h"

#include "core/document/DisplayBreaks.h"

#include <algorithm>

namespace velto {

namespace {
bool IsLineEnd(char c) noexcept {
    return c == '\r' || c == '\n';
}

// A byte that continues a UTF-8 character: a break before it would split the character.
bool ContinuesCharacter(char c) noexcept {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// A break is never put inside a character, unless the bytes are not UTF-8 and run on.
constexpr int LongestCharacter = 4;
} // namespace

std::size_t DisplayBreakPlanner::Plan(std::string_view piece, bool last, std::vector<int>& breaks) {
    const std::size_t n = piece.size();
    std::size_t pos = 0;
    while (pos < n) {
        if (!inLongLine_) {
            const auto end = std::find_if(piece.begin() + static_cast<std::ptrdiff_t>(pos), piece.end(), IsLineEnd);
            const auto length = static_cast<std::size_t>(end - piece.begin()) - pos;
            const bool ended = end != piece.end();
            if (length <= static_cast<std::size_t>(limits_.longLine)) {
                if (ended) {
                    pos += length + 1;
                    continue;
                }
                if (!last)
                    return pos; // whether this line is long is not known yet
                return n;
            }
            inLongLine_ = true;
            breakDue_ = false;
            column_ = 0;
        }
        pos = WalkLongLine(piece, pos, breaks);
    }
    return n;
}

std::size_t DisplayBreakPlanner::WalkLongLine(std::string_view piece, std::size_t pos, std::vector<int>& breaks) {
    for (; pos < piece.size(); ++pos) {
        const char c = piece[pos];
        if (IsLineEnd(c)) {
            inLongLine_ = false;
            return pos + 1;
        }
        if (breakDue_ && (!ContinuesCharacter(c) || column_ >= limits_.most + LongestCharacter)) {
            breaks.push_back(static_cast<int>(pos));
            column_ = 0;
            breakDue_ = false;
        }
        ++column_;
        if (!breakDue_)
            breakDue_ = (c == '>' && column_ >= limits_.afterTag) ||
                        ((c == ' ' || c == '\t') && column_ >= limits_.afterBlank) || column_ >= limits_.most;
    }
    return pos;
}

std::string ShownText(std::string_view text, std::span<const int> offsets) {
    std::string shown;
    shown.reserve(text.size() + offsets.size());
    std::size_t from = 0;
    for (const int at : offsets) {
        shown.append(text.substr(from, static_cast<std::size_t>(at) - from));
        shown.push_back(DisplayBreaks::Byte);
        from = static_cast<std::size_t>(at);
    }
    shown.append(text.substr(from));
    return shown;
}

std::vector<int> ShownBreakPositions(std::span<const int> offsets, int start) {
    std::vector<int> shown(offsets.size());
    for (std::size_t i = 0; i < offsets.size(); ++i)
        shown[i] = start + offsets[i] + static_cast<int>(i);
    return shown;
}

std::vector<int> DisplayBreakPlanner::PlanWhole(std::string_view text, DisplayLineLimits limits) {
    std::vector<int> breaks;
    DisplayBreakPlanner planner(limits);
    planner.Plan(text, true, breaks);
    return breaks;
}

} // namespace velto

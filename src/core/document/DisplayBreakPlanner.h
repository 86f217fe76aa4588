// Where a view shows a long line broken: after a tag's '>', else after a blank, else
// between two characters, so that no shown line grows long enough to be slow to draw.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

struct DisplayLineLimits {
    // Lines of up to this many bytes are shown as they are.
    int longLine = 4096;
    // A longer line is shown broken after a '>' once the shown line holds this many bytes,
    int afterTag = 100;
    // after a blank once it holds this many,
    int afterBlank = 200;
    // and between any two characters once it holds this many.
    int most = 1000;
};

class DisplayBreakPlanner {
public:
    explicit DisplayBreakPlanner(DisplayLineLimits limits = {}) noexcept : limits_(limits) {}

    // Plans the breaks in the next piece of a text given in order, adding to breaks the
    // offsets into the piece before which a break goes. Returns how many of its bytes are
    // planned: the rest, the start of a line not yet known to be long (never more than
    // limits.longLine bytes), must start the next piece. With last set, the text ends with
    // this piece and all of it is planned.
    std::size_t Plan(std::string_view piece, bool last, std::vector<int>& breaks);

    // The breaks for one whole text at once.
    [[nodiscard]] static std::vector<int> PlanWhole(std::string_view text, DisplayLineLimits limits = {});

    [[nodiscard]] const DisplayLineLimits& Limits() const noexcept { return limits_; }

private:
    // Walks a long line from pos to its end or the piece's; returns where it stopped.
    std::size_t WalkLongLine(std::string_view piece, std::size_t pos, std::vector<int>& breaks);

    DisplayLineLimits limits_;
    bool inLongLine_ = false;
    bool breakDue_ = false;
    int column_ = 0; // bytes on the shown line so far
};

// The text as shown: a break's byte before each of the offsets (ascending).
[[nodiscard]] std::string ShownText(std::string_view text, std::span<const int> offsets);
// Where those breaks are in the shown text.
[[nodiscard]] std::vector<int> ShownBreakPositions(std::span<const int> offsets, int start = 0);

} // namespace velto

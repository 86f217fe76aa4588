// RunTallyControl: style runs reported as the colouring delivers them.
#include "RunTallyControl.h"

#include <algorithm>

namespace velto::tool {

std::size_t RunTallyControl::Clamp(int pos) const noexcept {
    return static_cast<std::size_t>(std::clamp(pos, 0, Length()));
}

void RunTallyControl::GetTextRange(int first, int pastEnd, std::string& out) const {
    const std::string_view range = *LendTextRange(first, pastEnd);
    out.assign(range.data(), range.size());
}

std::optional<std::string_view> RunTallyControl::LendTextRange(int first, int pastEnd) const {
    const std::size_t from = Clamp(first);
    return text_.substr(from, std::max(Clamp(pastEnd), from) - from);
}

int RunTallyControl::LineCount() const {
    return static_cast<int>(std::count(text_.begin(), text_.end(), '\n')) + 1;
}

int RunTallyControl::LineFromPosition(int pos) const {
    return static_cast<int>(
        std::count(text_.begin(), text_.begin() + static_cast<long>(Clamp(pos)), '\n'));
}

int RunTallyControl::LineStart(int line) const {
    std::size_t at = 0;
    for (int i = 0; i < line; ++i) {
        const std::size_t end = text_.find('\n', at);
        if (end == std::string_view::npos)
            return Length();
        at = end + 1;
    }
    return static_cast<int>(at);
}

void RunTallyControl::SetStyles(int first, std::span<const std::uint8_t> styles) {
    const std::size_t from = Clamp(first);
    const std::size_t count = std::min(styles.size(), text_.size() - from);
    if (from != next_) {
        Finish();
        runStart_ = from;
    }
    for (std::size_t i = 0; i < count; ++i)
        if (styles[i] != runStyle_) {
            if (runStyle_ >= 0)
                visit_(runStart_, from + i, static_cast<std::uint8_t>(runStyle_));
            runStart_ = from + i;
            runStyle_ = styles[i];
        }
    next_ = from + count;
}

void RunTallyControl::Finish() {
    if (runStyle_ >= 0 && next_ > runStart_)
        visit_(runStart_, next_, static_cast<std::uint8_t>(runStyle_));
    runStyle_ = -1;
    runStart_ = next_;
}

} // namespace velto::tool

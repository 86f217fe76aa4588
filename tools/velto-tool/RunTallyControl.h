// RunTallyControl: a read-only text control over bytes in memory that keeps no styles but
// hands each run of one style to a visitor as the colouring delivers them.
#pragma once

#include "core/platform/TextControl.h"

#include <functional>
#include <string_view>

namespace velto::tool {

// The whole-text colouring styles from the start to the end in order; a run may continue
// from one batch into the next, so a run is reported when the style changes or at Finish.
// Nothing the size of the text is kept: the text is borrowed, the styles are not stored.
class RunTallyControl final : public TextControl {
public:
    using RunVisitor = std::function<void(std::size_t start, std::size_t end, std::uint8_t style)>;

    RunTallyControl(std::string_view text, RunVisitor visit)
        : text_(text), visit_(std::move(visit)) {}

    [[nodiscard]] int Length() const override { return static_cast<int>(text_.size()); }
    void GetTextRange(int first, int pastEnd, std::string& out) const override;
    [[nodiscard]] std::optional<std::string_view> LendTextRange(int first,
                                                                int pastEnd) const override;
    // The text is read-only: an edit is ignored.
    void ReplaceRange(int, int, std::string_view) override {}

    [[nodiscard]] int LineCount() const override;
    [[nodiscard]] int LineFromPosition(int pos) const override;
    [[nodiscard]] int LineStart(int line) const override;
    [[nodiscard]] std::string_view LineEnd() const override { return "\n"; }

    [[nodiscard]] Selection GetSelection() const override { return {}; }
    void SetSelection(Selection) override {}
    [[nodiscard]] int FirstVisibleLine() const override { return 0; }
    [[nodiscard]] Range VisibleRange() const override { return {0, Length()}; }

    // Styles must arrive in order from where the last batch ended; a batch elsewhere
    // reports what was gathered and starts afresh there.
    void SetStyles(int first, std::span<const std::uint8_t> styles) override;
    // Reports the last run.
    void Finish();

private:
    [[nodiscard]] std::size_t Clamp(int pos) const noexcept;

    std::string_view text_;
    RunVisitor visit_;
    std::size_t runStart_ = 0;
    std::size_t next_ = 0; // where the next batch should start
    int runStyle_ = -1;    // none yet
};

} // namespace velto::tool

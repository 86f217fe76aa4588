// The core's text control port on an editor view's QScintilla control.
#pragma once

#include "core/platform/TextControl.h"

#include <cstdint>
#include <vector>

namespace velto {

class AppearanceSettings;
class CQuorView;

class ScintillaTextControl final : public TextControl {
public:
    explicit ScintillaTextControl(CQuorView& view) : view_(view) {}

    [[nodiscard]] int Length() const override;
    void GetTextRange(int first, int pastEnd, std::string& out) const override;
    [[nodiscard]] std::optional<std::string_view> LendTextRange(int first,
                                                                int pastEnd) const override;
    void ReplaceRange(int first, int pastEnd, std::string_view text) override;

    [[nodiscard]] int LineCount() const override;
    [[nodiscard]] int LineFromPosition(int pos) const override;
    [[nodiscard]] int LineStart(int line) const override;

    [[nodiscard]] std::string_view LineEnd() const override;
    [[nodiscard]] Selection GetSelection() const override;
    void SetSelection(Selection selection) override;
    [[nodiscard]] int FirstVisibleLine() const override;
    [[nodiscard]] Range VisibleRange() const override;

    void SetStyles(int first, std::span<const std::uint8_t> styles) override;

    // One style per appearance class: the "Text" face, size and effects with the class's
    // colour. A face the system lacks (often "Courier New" here) shows in the system's
    // fixed-pitch font; the stored face is not changed.
    void ApplyAppearance(const AppearanceSettings& appearance);
    // The indicator that draws struck-out text, which styles cannot.
    static constexpr int StrikeIndicator = 8;

private:
    // The control's lines, which differ from the document's where long lines are shown
    // broken.
    [[nodiscard]] int ShownLineStart(int shownLine) const;
    [[nodiscard]] int DocumentLineOfShown(int shownLine) const;
    [[nodiscard]] int FirstShownLine() const;

    CQuorView& view_;
    bool strikeOut_ = false;
    // Styles with one more for each break, reused.
    std::vector<std::uint8_t> withBreaks_;
};

} // namespace velto

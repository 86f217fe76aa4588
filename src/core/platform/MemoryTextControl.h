// A TextControl over a string in memory, recording the style of every character: for
// tests and for velto-tool.
#pragma once

#include "core/platform/TextControl.h"

#include <vector>

namespace velto {

class MemoryTextControl final : public TextControl {
public:
    MemoryTextControl() = default;
    explicit MemoryTextControl(std::string text);

    [[nodiscard]] int Length() const override { return static_cast<int>(text_.size()); }
    void GetTextRange(int first, int pastEnd, std::string& out) const override;
    [[nodiscard]] std::optional<std::string_view> LendTextRange(int first,
                                                                int pastEnd) const override;
    void ReplaceRange(int first, int pastEnd, std::string_view text) override;

    [[nodiscard]] int LineCount() const override;
    [[nodiscard]] int LineFromPosition(int pos) const override;
    [[nodiscard]] int LineStart(int line) const override;
    // The line end of the text it was made with, as an editor view takes it from a file.
    [[nodiscard]] std::string_view LineEnd() const override { return lineEnd_; }

    [[nodiscard]] Selection GetSelection() const override { return selection_; }
    void SetSelection(Selection selection) override { selection_ = selection; }
    [[nodiscard]] int FirstVisibleLine() const override { return firstVisibleLine_; }
    [[nodiscard]] Range VisibleRange() const override;
    void SetStyles(int first, std::span<const std::uint8_t> styles) override;

    // ---- For tests ----
    [[nodiscard]] const std::string& Text() const noexcept { return text_; }
    // One style byte per character; inserted text starts with style 0, as in the editor.
    [[nodiscard]] const std::vector<std::uint8_t>& Styles() const noexcept { return styles_; }
    // The window shows this many lines from the first visible one.
    void SetVisibleLines(int firstLine, int lineCount);
    // How many characters the styling calls covered in all (to see what was recoloured).
    [[nodiscard]] long long StyledCharacters() const noexcept { return styledCharacters_; }
    void ResetStyledCharacters() noexcept { styledCharacters_ = 0; }

private:
    void IndexLines() const;

    std::string text_;
    std::vector<std::uint8_t> styles_;
    std::string_view lineEnd_ = "\n";
    Selection selection_;
    int firstVisibleLine_ = 0;
    int visibleLineCount_ = 50;
    long long styledCharacters_ = 0;
    mutable std::vector<int> lineStarts_; // rebuilt after edits
    mutable bool linesValid_ = false;
};

} // namespace velto

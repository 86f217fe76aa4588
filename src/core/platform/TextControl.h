// The text control of an editor view, as the core sees it: bytes addressed by position,
// lines, the selection, the visible part, and a style per character.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velto {

class TextControl {
public:
    virtual ~TextControl() = default;

    // ---- Text ----
    [[nodiscard]] virtual int Length() const = 0;
    // Copies [first, pastEnd) (clamped to the text) into out, replacing what it held, so
    // that callers can reuse one buffer.
    virtual void GetTextRange(int first, int pastEnd, std::string& out) const = 0;
    // The characters of [first, pastEnd) (clamped to the text) where the control keeps
    // them, without a copy, valid until the text next changes; none when the control
    // cannot lend them, and GetTextRange must copy.
    [[nodiscard]] virtual std::optional<std::string_view> LendTextRange(int first,
                                                                        int pastEnd) const {
        (void)first;
        (void)pastEnd;
        return std::nullopt;
    }
    // Replaces [first, pastEnd) with text, as an edit of the user would (it is recorded for
    // undo and marks the document modified).
    virtual void ReplaceRange(int first, int pastEnd, std::string_view text) = 0;

    // ---- Lines (from 0) ----
    [[nodiscard]] virtual int LineCount() const = 0;
    [[nodiscard]] virtual int LineFromPosition(int pos) const = 0;
    [[nodiscard]] virtual int LineStart(int line) const = 0;
    // The line end new lines get: the document's own, "\r\n", "\r" or "\n".
    [[nodiscard]] virtual std::string_view LineEnd() const = 0;

    // ---- Selection and view ----
    struct Selection {
        int anchor = 0;
        int caret = 0;
        [[nodiscard]] int Start() const noexcept { return anchor < caret ? anchor : caret; }
        [[nodiscard]] int End() const noexcept { return anchor < caret ? caret : anchor; }
        bool operator==(const Selection&) const = default;
    };
    [[nodiscard]] virtual Selection GetSelection() const = 0;
    virtual void SetSelection(Selection selection) = 0;
    // The document line at the top of the window (a wrapped line counts once).
    [[nodiscard]] virtual int FirstVisibleLine() const = 0;
    // The visible part: from the first character of the first visible line to the
    // character at the bottom-right corner of the window.
    struct Range {
        int first = 0;
        int pastEnd = 0;
    };
    [[nodiscard]] virtual Range VisibleRange() const = 0;

    // ---- Styles ----
    // Gives the characters from first on one style byte each (an appearance class), in one
    // call for a whole run of styles. Styling never changes the text, the selection, the
    // scroll position, the modified flag or the undo history.
    virtual void SetStyles(int first, std::span<const std::uint8_t> styles) = 0;
};

} // namespace velto

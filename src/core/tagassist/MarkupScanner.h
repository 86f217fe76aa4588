// MarkupScanner: the tags, comments and script or style contents of a piece of HTML, read
// forward, and MarkupBackScanner, which reads the start and end tags backward.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velto {

// One piece of markup, in offsets into the scanned text.
struct MarkupItem {
    enum class Kind : std::uint8_t {
        StartTag,    // <p ...>
        EndTag,      // </p>
        Comment,     // <!-- ... -->
        Declaration, // <!DOCTYPE ...>, <![CDATA[ ... ]>
        RawText,     // the contents of a script or style element: never markup
    };
    Kind kind = Kind::StartTag;
    std::size_t start = 0;
    std::size_t end = 0;   // past the '>' (or the end of the text when unclosed)
    std::string_view name; // the element name as written, for start and end tags
    bool selfClosing = false; // "<x/>"
    bool closed = true;       // false when the text ended first
    bool endsInQuote = false; // unclosed, and the text ended inside a quoted value

    [[nodiscard]] bool IsTag() const noexcept {
        return kind == Kind::StartTag || kind == Kind::EndTag;
    }
};

// Whether the contents of this element are raw text (script, style): "</" inside them
// does not end them unless it spells their own end tag.
[[nodiscard]] bool IsRawTextElement(std::string_view name) noexcept;

// The tag, comment or declaration that starts at the tag opener at `start`: the tag runs
// to the first '>' outside a quoted attribute value. A quote left open up to the end of
// the text is given up at the first '>' after it, so that one stray quote cannot swallow
// the rest of a page. None when another tag opener comes first ("<a <b>" is text up to the
// "<b>", as the colouring has it) or when `start` is not a tag opener.
[[nodiscard]] std::optional<MarkupItem> ParseMarkupAt(std::string_view text,
                                                      std::size_t start) noexcept;

// The item that holds `pos` in a text read from its start: one that begins at or before
// pos and ends after it (an unclosed one holds the end of the text too). With touching, a
// tag that ends just at pos counts as well unless another begins there, so that a caret
// just after a '>' is in that tag. None when pos lies in plain text.
//
// This is the quick question a keystroke asks, so it does not parse every tag: it walks
// the '<' with memchr, steps over comments and script or style contents whole, and parses
// only the last tag opener before pos.
[[nodiscard]] std::optional<MarkupItem> MarkupItemAt(std::string_view text, std::size_t pos,
                                                     bool touching) noexcept;

// Walks a text forward from an offset, which should lie outside markup.
class MarkupScanner {
public:
    explicit MarkupScanner(std::string_view text, std::size_t from = 0) noexcept
        : text_(text), pos_(from) {}

    // The next item, none at the end of the text. The contents of a script or style
    // element come as one RawText item, so no tag is ever seen inside them.
    [[nodiscard]] std::optional<MarkupItem> Next() noexcept;

private:
    std::string_view text_;
    std::size_t pos_;
    std::string_view rawName_; // inside the contents of this element
};

// Walks the start and end tags of a text backward from an offset that lies outside
// markup; comments and declarations are stepped over, and after the end tag of a script
// or style element comes its start tag, whatever the contents hold.
class MarkupBackScanner {
public:
    MarkupBackScanner(std::string_view text, std::size_t before) noexcept
        : text_(text), pos_(before) {}

    // The tag that ends nearest before the current offset; none at the start of the text.
    [[nodiscard]] std::optional<MarkupItem> Previous() noexcept;

private:
    [[nodiscard]] std::optional<MarkupItem> RawTextStart() noexcept;

    std::string_view text_;
    std::size_t pos_;
    std::string_view rawName_; // the last tag given was this raw-text element's end tag
};

} // namespace velto

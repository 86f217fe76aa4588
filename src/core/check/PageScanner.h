// PageScanner: the tokens of an HTML page as a browser's tokenizer reads them: text, start
// and end tags with their attributes, comments and doctypes, in byte offsets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace velto {

struct ScannedAttribute {
    std::size_t nameStart = 0;
    std::size_t nameEnd = 0;
    std::size_t valueStart = 0; // the value without its quotes; equal to valueEnd when empty
    std::size_t valueEnd = 0;
    char quote = 0;        // '"' or '\'' for a quoted value, else 0
    bool hasValue = false; // an '=' followed the name

    [[nodiscard]] std::string_view Name(std::string_view text) const noexcept {
        return text.substr(nameStart, nameEnd - nameStart);
    }
    [[nodiscard]] std::string_view Value(std::string_view text) const noexcept {
        return text.substr(valueStart, valueEnd - valueStart);
    }
};

struct ScannedToken {
    enum class Kind : std::uint8_t {
        Text,    // text, or the contents of a raw-text element (RawText)
        RawText, // the contents of SCRIPT, STYLE, TEXTAREA, TITLE...: never markup
        StartTag,
        EndTag,
        Comment, // <!-- ... --> (bogus comments too: <? ... >, <!x ... >)
        Doctype,
        End,
    };
    Kind kind = Kind::End;
    std::size_t start = 0;
    std::size_t end = 0;
    std::size_t nameStart = 0; // the tag's name, or the doctype's words
    std::size_t nameEnd = 0;
    bool selfClosing = false; // "/>"
    bool closed = true;       // false when the text ended inside it
    bool bogus = false;       // a comment that is not one (<? >, <!x >, </3>)
    bool rcData = false;      // RawText in which character references count (TEXTAREA)

    [[nodiscard]] std::string_view Name(std::string_view text) const noexcept {
        return text.substr(nameStart, nameEnd - nameStart);
    }
};

class PageScanner {
public:
    explicit PageScanner(std::string_view text) noexcept : text_(text) {}

    // The next token; the attributes of a tag are in Attributes() until the next call.
    // Kind End at the end of the text.
    ScannedToken Next();
    [[nodiscard]] const std::vector<ScannedAttribute>& Attributes() const noexcept {
        return attributes_;
    }

    // After a start tag whose element holds raw text (SCRIPT, STYLE, TEXTAREA...): the
    // text up to the element's end tag comes as one RawText token. rcData: character
    // references count in it. plain: no end tag ends it (PLAINTEXT).
    void EnterRawText(std::string_view name, bool rcData, bool plain = false) noexcept;
    // Inside SVG and MathML a CDATA section is text, not a bogus comment.
    void SetForeign(bool foreign) noexcept { foreign_ = foreign; }

private:
    bool ScanTag(std::size_t lt, ScannedToken& token);
    void ScanAttributes(std::size_t from, ScannedToken& token);
    ScannedToken ScanMarkupDeclaration(std::size_t lt);
    ScannedToken Delimited(std::size_t lt, std::size_t from, std::string_view closer,
                           ScannedToken::Kind kind);
    ScannedToken RawTextToken();

    std::string_view text_;
    std::size_t pos_ = 0;
    std::vector<ScannedAttribute> attributes_;
    ScannedToken pending_; // a tag read after text, given on the next call
    bool hasPending_ = false;
    std::string_view rawName_; // inside the contents of this element
    bool rawPending_ = false;
    bool rawRcData_ = false;
    bool rawPlain_ = false;
    bool foreign_ = false;
};

} // namespace velto

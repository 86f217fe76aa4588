// Opening a page as a browser reads it: which encoding (byte order mark, the page's own
// declaration, UTF-8 when the bytes are UTF-8, else the fallback), its text in UTF-8, and
// whether that text gives the file back byte for byte. A page that would not is kept as
// raw bytes.
#pragma once

#include "core/encoding/DocumentEncoding.h"
#include "core/encoding/Prescan.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace velto {

struct Sniffed {
    const EncodingInfo* encoding = nullptr; // the replacement encoding for a refused label
    EncodingRule rule = EncodingRule::Fallback;
    std::size_t bomLength = 0;
    Declaration declared; // what the page's first bytes declare, whether used or not
};

// The encoding sniffing of the HTML standard, with nothing from a transport: the byte
// order mark; the prescan of the first 1024 bytes; UTF-8 when the bytes are valid UTF-8;
// the fallback.
[[nodiscard]] Sniffed SniffEncoding(std::string_view bytes, const EncodingInfo& fallback);

enum class RawReason {
    None,
    Invalid,     // not valid in its encoding ("UTF-8" with stray Latin-1 bytes)
    NoRoundTrip, // valid, but its text would be written back as other bytes
    Refused,     // declared in an encoding browsers refuse to read (ISO-2022-KR ...)
    NoConverter, // no converter on this system knows the encoding
};

// Where the page's declaration disagrees with what its bytes are.
enum class DeclarationConflict {
    None,
    NotUtf8,   // declares UTF-8, but the bytes are not UTF-8
    IsUtf8,    // declares a legacy encoding, but the bytes are valid UTF-8 beyond ASCII
};

struct DecodedPage {
    DocumentEncoding encoding;
    RawReason raw = RawReason::None;
    DeclarationConflict conflict = DeclarationConflict::None;
    const EncodingInfo* declared = nullptr; // the page's own declaration, if any

    // The text for the editor: UTF-8, or the file's bytes in raw mode. To spare a copy
    // of a large UTF-8 file, the text may be the input itself from an offset.
    [[nodiscard]] std::string_view Text(std::string_view input) const noexcept {
        return sameAsInput_ ? input.substr(inputOffset_) : std::string_view(text_);
    }
    [[nodiscard]] std::string TakeText(std::string_view input) {
        return sameAsInput_ ? std::string(input.substr(inputOffset_)) : std::move(text_);
    }

    void SetText(std::string text) {
        text_ = std::move(text);
        sameAsInput_ = false;
    }
    void UseInput(std::size_t offset) {
        sameAsInput_ = true;
        inputOffset_ = offset;
        text_.clear();
    }

private:
    std::string text_;
    bool sameAsInput_ = false;
    std::size_t inputOffset_ = 0;
};

// A page opened as the editor opens it.
[[nodiscard]] DecodedPage DecodePage(std::string_view bytes, const EncodingInfo& fallback);
// A page opened in the encoding the user chose (Reopen with Encoding): a byte order mark
// of that encoding is taken off, anything else is decoded as that encoding.
[[nodiscard]] DecodedPage DecodePageAs(std::string_view bytes, const EncodingInfo& chosen);

// One sentence for the bar above the view, saying why the page is shown as raw bytes or
// how its declaration disagrees with its bytes; empty when there is nothing to say.
[[nodiscard]] std::string DecodingNotice(const DecodedPage& page, const EncodingInfo& fallback);

} // namespace velto

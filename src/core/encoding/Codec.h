// Converting a page between its encoding and the UTF-8 the editor holds: single-byte
// encodings through tables made from the system's converters, the others through ICU.
#pragma once

#include "core/encoding/Encoding.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velto {

// The UTF-8 text of bytes in an encoding (without a byte order mark), or nothing when
// they are not valid in it (a truncated or unknown sequence) or no converter here knows
// the encoding.
[[nodiscard]] std::optional<std::string> DecodeToUtf8(std::string_view bytes, const EncodingInfo& encoding);

// The characters of a text that its encoding cannot hold.
struct Unencodable {
    std::size_t count = 0;
    char32_t first = 0;           // the first of them
    std::size_t firstOffset = 0;  // its byte offset in the UTF-8 text
};

// What a character the encoding cannot hold is written as instead ("&#8364;", "&euro;"),
// in ASCII.
using ReferenceWriter = std::function<std::string(char32_t)>;

struct EncodeResult {
    std::string bytes;
    Unencodable unencodable;
    // False when the text held characters the encoding cannot hold and no reference
    // writer was given (bytes is then incomplete), or no converter knows the encoding.
    bool ok = true;
};

// The bytes of a UTF-8 text in an encoding (without a byte order mark). Characters the
// encoding cannot hold are counted, and written as the writer says when one is given;
// never as a '?'. A malformed UTF-8 sequence counts as U+FFFD that cannot be held.
[[nodiscard]] EncodeResult EncodeFromUtf8(std::string_view text, const EncodingInfo& encoding,
                                          const ReferenceWriter* references = nullptr);

// The byte order mark of a Unicode encoding, empty for the others.
[[nodiscard]] std::string_view ByteOrderMark(const EncodingInfo& encoding) noexcept;

} // namespace velto

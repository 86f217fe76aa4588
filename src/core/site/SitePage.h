// A file of the site read as the editor reads it: skipped when it is binary, otherwise
// decoded from its own encoding into the UTF-8 the editor holds; and the line and column
// of an offset in that text.
#pragma once

#include "core/encoding/PageDecoding.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace velto {

class SitePage {
public:
    enum class Status { Text, Binary, Unreadable };

    // Reads the file; Unreadable with the system's words in Error() when it cannot.
    Status Read(const std::string& path);
    // The same, for bytes already in hand (tests, open documents).
    Status Take(std::string bytes);

    [[nodiscard]] Status State() const noexcept { return status_; }
    [[nodiscard]] const std::string& Bytes() const noexcept { return bytes_; }
    [[nodiscard]] const DecodedPage& Decoded() const noexcept { return decoded_; }
    // The text as the editor holds it (UTF-8, or the bytes of a page kept raw).
    [[nodiscard]] std::string_view Text() const noexcept { return decoded_.Text(bytes_); }
    [[nodiscard]] const std::string& Error() const noexcept { return error_; }

private:
    Status status_ = Status::Unreadable;
    std::string bytes_;
    DecodedPage decoded_;
    std::string error_;
};

// A file is binary when its first 8 KB hold a NUL byte and it does not begin with the byte
// order mark of UTF-16 (whose text is full of them).
[[nodiscard]] bool LooksBinary(std::string_view bytes) noexcept;

struct TextPosition {
    int line = 1;   // from 1
    int column = 1; // in characters, from 1
};

// Walks offsets of one text forward, counting lines as the editor does (LF, CR LF or a
// lone CR end a line), so that many positions of a text cost one pass over it.
class LineCounter {
public:
    explicit LineCounter(std::string_view text) noexcept : text_(text) {}
    // The position of offset, which must not lie before the last one asked for.
    [[nodiscard]] TextPosition At(std::size_t offset) noexcept;
    // The whole line holding offset, without its line end; a line longer than maxBytes is
    // cut to a piece around the offset, at character boundaries.
    [[nodiscard]] std::string_view LineAround(std::size_t offset,
                                              std::size_t maxBytes = 400) const noexcept;
    [[nodiscard]] std::size_t LineStart() const noexcept { return lineStart_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t lineStart_ = 0;
    int line_ = 1;
    std::size_t columnFrom_ = 0;
    int column_ = 1;
};

} // namespace velto

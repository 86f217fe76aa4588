// A single-byte encoding as two tables, byte to character and back, built once from the
// system's converter: decoding and encoding a page is then one table look-up a byte.
#pragma once

#include "core/encoding/Encoding.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velto {

// Where a byte has no character in the converter (ICU leaves, for instance, 0xA5 of
// ISO-8859-3 and 0xD2 of windows-1253 unmapped, as the standard does), it stands for the
// private-use character U+F700 + byte, which encodes back to it: every byte of every
// single-byte encoding reads as a character and is written back unchanged.
inline constexpr char32_t UnmappedByteBase = 0xF700;

class SingleByteTable {
public:
    // The table of a single-byte encoding, made on first use and kept for the run (safe to
    // call from several threads). Null when no converter on this system knows it.
    [[nodiscard]] static const SingleByteTable* For(const EncodingInfo& encoding);

    [[nodiscard]] char32_t Character(unsigned char byte) const noexcept { return chars_[byte]; }
    // The byte of a character, or -1 when the encoding has none.
    [[nodiscard]] int Byte(char32_t ch) const noexcept;

    // Appends the UTF-8 text of the bytes.
    void Decode(std::string_view bytes, std::string& out) const;

private:
    explicit SingleByteTable(const std::array<char32_t, 256>& chars);

    std::array<char32_t, 256> chars_{};
    std::array<std::array<char, 4>, 256> utf8_{};
    std::array<std::uint8_t, 256> utf8Length_{};
    std::vector<std::pair<char32_t, std::uint8_t>> back_; // sorted by character
};

} // namespace velto

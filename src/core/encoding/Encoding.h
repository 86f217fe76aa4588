// The encodings of the WHATWG Encoding Standard that pages are read and written in: their
// names, the standard's label table, and which converter serves each.
#pragma once

#include <span>
#include <string_view>

namespace velto {

enum class EncodingKind {
    Utf8,
    Utf16LE,
    Utf16BE,
    SingleByte,  // one byte per character, every byte a character
    MultiByte,   // Shift_JIS, EUC-KR, GBK ...: converted through ICU and checked both ways
    Replacement, // labels browsers refuse to decode (ISO-2022-KR, HZ-GB-2312 ...)
};

struct EncodingInfo {
    std::string_view name;      // the standard's name: "windows-1252", "UTF-8", "Shift_JIS"
    std::string_view converter; // the converter's name: ICU's, or glibc iconv's (see Codec)
    EncodingKind kind;
    bool common; // listed first in menus
    // Whether converting at all needs a converter (UTF-8 and the replacement need none).
    [[nodiscard]] bool Decodable() const noexcept { return kind != EncodingKind::Replacement; }
    [[nodiscard]] bool IsUnicode() const noexcept {
        return kind == EncodingKind::Utf8 || kind == EncodingKind::Utf16LE ||
               kind == EncodingKind::Utf16BE;
    }
};

// Every encoding of the standard, the common ones first, then the others in the
// standard's order. The replacement encoding is not among them: it is never chosen.
[[nodiscard]] std::span<const EncodingInfo> Encodings() noexcept;

// The standard's "get an encoding": the label with ASCII white space trimmed, matched
// without regard to ASCII case against the label table. Null for an unknown label; the
// replacement encoding for the labels browsers refuse.
[[nodiscard]] const EncodingInfo* GetEncoding(std::string_view label) noexcept;

// The encoding with exactly this name (as Encodings() spells it, any ASCII case), or a
// label of it; null when there is none. Settings and the command line name encodings so.
[[nodiscard]] const EncodingInfo* FindEncoding(std::string_view nameOrLabel) noexcept;

[[nodiscard]] const EncodingInfo& Utf8Encoding() noexcept;
[[nodiscard]] const EncodingInfo& Windows1252Encoding() noexcept;

} // namespace velto

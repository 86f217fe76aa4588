// UTF-8 at the byte level.
#include "core/encoding/Utf8Text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace velto {

namespace {
constexpr std::uint64_t HighBits = 0x8080808080808080ULL;

// Length of the ASCII run from pos, eight bytes at a time.
std::size_t AsciiRun(const unsigned char* p, std::size_t n) noexcept {
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t w;
        std::memcpy(&w, p + i, 8);
        if (w & HighBits)
            break;
    }
    while (i < n && p[i] < 0x80)
        ++i;
    return i;
}
} // namespace

Utf8Char ReadUtf8(std::string_view text, std::size_t pos) noexcept {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    const unsigned char c = p[pos];
    constexpr char32_t Bad = static_cast<char32_t>(-1);
    if (c < 0x80)
        return {c, 1};
    std::size_t need;
    char32_t cp;
    unsigned char lower = 0x80, upper = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        need = 1;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        need = 2;
        cp = c & 0x0F;
        if (c == 0xE0)
            lower = 0xA0;
        if (c == 0xED)
            upper = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        need = 3;
        cp = c & 0x07;
        if (c == 0xF0)
            lower = 0x90;
        if (c == 0xF4)
            upper = 0x8F;
    } else {
        return {Bad, 1};
    }
    std::size_t i = 1;
    for (; i <= need; ++i) {
        if (pos + i >= n)
            return {Bad, i};
        const unsigned char t = p[pos + i];
        if (t < lower || t > upper)
            return {Bad, i};
        lower = 0x80;
        upper = 0xBF;
        cp = (cp << 6) | (t & 0x3F);
    }
    return {cp, need + 1};
}

bool IsAscii(std::string_view bytes) noexcept {
    return AsciiRun(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()) == bytes.size();
}

bool IsValidUtf8(std::string_view bytes) noexcept {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t pos = 0;
    while (pos < n) {
        pos += AsciiRun(p + pos, n - pos);
        if (pos >= n)
            break;
        const Utf8Char c = ReadUtf8(bytes, pos);
        if (!c.Valid())
            return false;
        pos += c.length;
    }
    return true;
}

void AppendUtf8(std::string& out, char32_t ch) {
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (ch >> 18));
        out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
}

std::size_t LineOfOffset(std::string_view text, std::size_t pos) noexcept {
    pos = std::min(pos, text.size());
    std::size_t line = 1;
    for (std::size_t i = 0; i < pos; ++i) {
        if (text[i] == '\n')
            ++line;
        else if (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))
            ++line;
    }
    return line;
}

} // namespace velto

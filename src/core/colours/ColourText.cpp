// Conversions between colours and their text forms ("#rrggbb" or a colour name).
#include "core/colours/ColourText.h"

#include "core/colours/NamedColours.h"

#include <cstdint>
#include <optional>

namespace velto {

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A "%x" conversion into a 32-bit unsigned number, limited to 24 bits: nothing when no
// digit stands at the start or the value is larger. A minus sign negates modulo 2^32 as
// the C conversion does, so only "-0" survives the limit.
std::optional<std::uint32_t> ScanHex24(std::string_view text) {
    std::size_t p = 0;
    while (p < text.size() && IsBlank(text[p]))
        ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        negative = text[p] == '-';
        ++p;
    }
    // "0x" is a prefix only when a digit follows; otherwise the '0' is the number.
    if (p + 2 < text.size() && text[p] == '0' && (text[p + 1] == 'x' || text[p + 1] == 'X') &&
        HexDigit(text[p + 2]) >= 0)
        p += 2;
    const std::size_t digits = p;
    std::uint32_t value = 0;
    bool tooLarge = false;
    for (; p < text.size() && HexDigit(text[p]) >= 0; ++p) {
        if (value > 0xFFFFF)
            tooLarge = true; // keep reading the digits, the value is lost anyway
        else
            value = value << 4 | static_cast<std::uint32_t>(HexDigit(text[p]));
    }
    if (p == digits || tooLarge)
        return std::nullopt;
    if (negative && value != 0)
        return std::nullopt;
    return value;
}
} // namespace

ColourRef ColourFromText(std::string_view text, bool namesAllowed) noexcept {
    if (namesAllowed) {
        const ColourRef named = ColourOfName(text);
        if (named != NoColour)
            return named;
    }
    if (!text.empty() && text.front() == '#')
        text.remove_prefix(1);
    const std::optional<std::uint32_t> rgb = ScanHex24(text);
    if (!rgb)
        return NoColour;
    return MakeColour(static_cast<std::uint8_t>(*rgb >> 16), static_cast<std::uint8_t>(*rgb >> 8),
                      static_cast<std::uint8_t>(*rgb));
}

std::string TextFromColour(ColourRef colour, bool useNames) {
    if (colour == NoColour)
        return {};
    if (useNames) {
        const std::string_view name = ColourName(colour);
        if (!name.empty())
            return std::string(name);
    }
    static constexpr char Digits[] = "0123456789abcdef";
    std::string text = "#";
    for (const std::uint8_t part : {RedOf(colour), GreenOf(colour), BlueOf(colour)}) {
        text.push_back(Digits[part >> 4]);
        text.push_back(Digits[part & 0xF]);
    }
    return text;
}

} // namespace velto

// A logical font with a colour, and its profile string.
#include "core/config/FontObject.h"

#include "core/config/ScanNumbers.h"

#include <cstdio>

namespace velto {

std::string FontObject::Format() const {
    char buf[120];
    std::snprintf(buf, sizeof buf, "%u,%d,%d,%d,%d,%d,%d,%d,", colour, height, weight, italic,
                  underline, strikeOut, charSet, pitchAndFamily);
    return buf + faceName.substr(0, MaxFaceName);
}

std::optional<FontObject> FontObject::Parse(std::string_view text) {
    std::int64_t n[8];
    if (ScanCommaSeparated(text, n, 8) != 8)
        return std::nullopt;
    FontObject f;
    f.colour = static_cast<std::uint32_t>(n[0]);
    f.height = static_cast<int>(n[1]);
    f.weight = static_cast<int>(n[2]);
    f.italic = static_cast<int>(n[3]);
    f.underline = static_cast<int>(n[4]);
    f.strikeOut = static_cast<int>(n[5]);
    f.charSet = static_cast<int>(n[6]);
    f.pitchAndFamily = static_cast<int>(n[7]);
    const std::size_t lastComma = text.rfind(',');
    f.faceName = std::string(text.substr(lastComma + 1).substr(0, MaxFaceName));
    return f;
}

} // namespace velto

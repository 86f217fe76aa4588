// Multi-line texts in the settings store, one key per line.
#include "core/support/MultiLineSetting.h"

#include "core/platform/Profile.h"

#include <cstdio>
#include <vector>

namespace velto {

namespace {

// A default no stored value can hold: tells a missing key from an empty line.
constexpr std::string_view Missing = "\x01\x02missing";

// A piece of a line that goes on in the next key ends with a CR, which a stored line
// never holds otherwise (lines are split at their line ends), so the line comes back
// whole rather than broken at every 128 characters.
constexpr char Continued = '\r';

std::string KeyName(std::string_view name, int index) {
    char number[16];
    std::snprintf(number, sizeof number, "%02d", index);
    return std::string(name) + number;
}

// Where the piece of line from from ends: the rest when it fits in one key, else one
// byte short of the key's length (for the CR), not inside a UTF-8 sequence.
std::size_t PieceEnd(std::string_view line, std::size_t from) {
    if (line.size() - from <= MultiLineMaxLength)
        return line.size();
    std::size_t end = from + MultiLineMaxLength - 1;
    while (end > from + 1 && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80)
        --end;
    return end;
}

// The values of the keys for text: pieces of its lines, then the end marker.
std::vector<std::string> KeyValues(std::string_view text) {
    std::vector<std::string> values;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        while (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        for (std::size_t from = 0;;) {
            const std::size_t pieceEnd = PieceEnd(line, from);
            std::string piece(line.substr(from, pieceEnd - from));
            from = pieceEnd;
            if (from < line.size()) {
                values.push_back(piece + Continued);
            } else {
                values.push_back(std::move(piece));
                break;
            }
        }
        start = end + 1;
    }
    if (values.size() > MultiLineMaxKeys - 1)
        values.resize(MultiLineMaxKeys - 1);
    values.emplace_back(MultiLineEndMarker);
    return values;
}

} // namespace

std::string ReadMultiLine(const Profile& settings, std::string_view section, std::string_view name) {
    std::string text;
    bool continues = false;
    for (int i = 0; i < MultiLineMaxKeys; ++i) {
        std::string value = settings.GetString(section, KeyName(name, i), Missing);
        if (value == Missing || value == MultiLineEndMarker)
            break;
        if (i > 0 && !continues)
            text += "\r\n";
        continues = !value.empty() && value.back() == Continued;
        if (continues)
            value.pop_back();
        text += value;
    }
    return text;
}

bool WriteMultiLine(Profile& settings, std::string_view section, std::string_view name, std::string_view text) {
    const std::vector<std::string> values = KeyValues(text);
    bool ok = true;
    int i = 0;
    for (; i < static_cast<int>(values.size()); ++i)
        ok = settings.WriteString(section, KeyName(name, i), values[static_cast<std::size_t>(i)]) && ok;
    for (; i < MultiLineMaxKeys; ++i) {
        const std::string key = KeyName(name, i);
        const std::string old = settings.GetString(section, key, Missing);
        if (old == Missing)
            break;
        if (!old.empty())
            ok = settings.WriteString(section, key, "") && ok;
    }
    return ok;
}

} // namespace velto

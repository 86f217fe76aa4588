// The recovery file format.
#include "core/recovery/RecoveryRecord.h"

#include "core/recovery/Crc32.h"

#include <charconv>
#include <cstdio>

namespace velto {

namespace {
constexpr std::string_view Magic = "Velto recovery 1\n";
constexpr std::string_view UntitledWord = "untitled";
// A header longer than this is no header: paths and titles are far shorter.
constexpr std::size_t MaxHeader = 64 * 1024;

// Paths and titles may hold any byte but a line end may not end their line: control
// bytes and "%" are written as "%XX".
std::string Escape(std::string_view s) {
    std::string out;
    for (const char c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || c == '%') {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", b);
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<std::string> Unescape(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '%') {
            out += s[i];
            continue;
        }
        const int hi = i + 2 < s.size() ? HexDigit(s[i + 1]) : -1;
        const int lo = hi >= 0 ? HexDigit(s[i + 2]) : -1;
        if (lo < 0)
            return std::nullopt;
        out += static_cast<char>(hi * 16 + lo);
        i += 2;
    }
    return out;
}

template <typename T>
bool ParseNumber(std::string_view s, T& value, int base = 10) {
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value, base);
    return ec == std::errc() && end == s.data() + s.size() && !s.empty();
}

// The header lines after the first, each "key value", in this order.
std::string Fields(const RecoveryRecord& meta, std::size_t length) {
    std::string f;
    f += "document ";
    f += meta.path.empty() ? std::string(UntitledWord) : Escape(meta.path);
    f += "\ntitle " + Escape(meta.title);
    f += "\ntime " + std::to_string(meta.savedAt);
    if (!meta.encoding.empty())
        f += "\nencoding " + Escape(meta.encoding);
    f += "\nlength " + std::to_string(length) + "\n";
    return f;
}

std::string Hex8(std::uint32_t v) {
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", v);
    return hex;
}

// Splits off the next line (without its "\n"); false when there is none.
bool NextLine(std::string_view& rest, std::string_view& line) {
    const std::size_t end = rest.find('\n');
    if (end == std::string_view::npos)
        return false;
    line = rest.substr(0, end);
    rest.remove_prefix(end + 1);
    return true;
}

bool Field(std::string_view& rest, std::string_view key, std::string_view& value) {
    std::string_view line;
    if (!NextLine(rest, line) || line.size() < key.size() + 1 || line.substr(0, key.size()) != key ||
        line[key.size()] != ' ')
        return false;
    value = line.substr(key.size() + 1);
    return true;
}

RecoveryParse Refused(std::string problem) {
    return {std::nullopt, std::move(problem)};
}
} // namespace

std::string RecoveryHeader(const RecoveryRecord& meta, std::string_view text) {
    const std::string fields = Fields(meta, text.size());
    std::string header(Magic);
    header += fields;
    const std::uint32_t crc = Crc32(Crc32(Crc32(0, Magic), fields), text);
    header += "crc32 " + Hex8(crc) + "\n\n";
    return header;
}

RecoveryParse ParseRecovery(std::string_view bytes) {
    if (bytes.substr(0, Magic.size()) != Magic)
        return Refused(bytes.empty() ? "the file is empty" : "not a recovery file");
    std::string_view rest = bytes.substr(Magic.size());
    const std::size_t headerEnd = rest.find("\n\n");
    if (headerEnd == std::string_view::npos || headerEnd > MaxHeader)
        return Refused("the header is incomplete");
    std::string_view document, title, time, encoding, length, crc;
    std::string_view header = rest.substr(0, headerEnd + 1);
    const std::string_view fieldsText = header;
    if (!Field(header, "document", document) || !Field(header, "title", title) ||
        !Field(header, "time", time))
        return Refused("the header is damaged");
    // Files written before encodings were kept have no encoding line.
    std::string_view afterTime = header;
    if (!Field(afterTime, "encoding", encoding))
        encoding = {};
    else
        header = afterTime;
    if (!Field(header, "length", length))
        return Refused("the header is damaged");
    const std::string_view signedFields = fieldsText.substr(0, fieldsText.size() - header.size());
    if (!Field(header, "crc32", crc) || !header.empty())
        return Refused("the header is damaged");

    RecoveryRecord record;
    std::uint64_t size = 0;
    std::uint32_t expected = 0;
    const std::optional<std::string> path =
        document == UntitledWord ? std::optional<std::string>("") : Unescape(document);
    const std::optional<std::string> plainTitle = Unescape(title);
    const std::optional<std::string> plainEncoding = Unescape(encoding);
    if (!path || !plainTitle || !plainEncoding || !ParseNumber(time, record.savedAt) || !ParseNumber(length, size) ||
        crc.size() != 8 || !ParseNumber(crc, expected, 16))
        return Refused("the header is damaged");
    record.path = *path;
    record.title = *plainTitle;
    record.encoding = *plainEncoding;

    const std::string_view text = rest.substr(headerEnd + 2);
    if (text.size() < size)
        return Refused("the file is cut short: " + std::to_string(text.size()) + " of " +
                       std::to_string(size) + " bytes of text");
    if (text.size() > size)
        return Refused("the file runs on past its text");
    if (Crc32(Crc32(Crc32(0, Magic), signedFields), text) != expected)
        return Refused("the checksum does not match");
    record.text.assign(text);
    return {std::move(record), {}};
}

} // namespace velto

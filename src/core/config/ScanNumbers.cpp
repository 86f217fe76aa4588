// Reading decimal numbers the way a formatted-input conversion does.
#include "core/config/ScanNumbers.h"

namespace velto {

namespace {
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
} // namespace

bool ScanInt(std::string_view text, std::size_t& pos, std::int64_t& value) {
    std::size_t p = pos;
    while (p < text.size() && IsSpace(text[p]))
        ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        negative = text[p] == '-';
        ++p;
    }
    std::size_t digitsStart = p;
    std::uint64_t v = 0;
    while (p < text.size() && text[p] >= '0' && text[p] <= '9') {
        // Saturate well above 32 bits so a run of digits cannot overflow.
        if (v < (1ULL << 40))
            v = v * 10 + static_cast<unsigned>(text[p] - '0');
        ++p;
    }
    if (p == digitsStart)
        return false;
    value = negative ? -static_cast<std::int64_t>(v) : static_cast<std::int64_t>(v);
    pos = p;
    return true;
}

int ScanCommaSeparated(std::string_view text, std::int64_t* out, int count,
                       std::size_t* endPos) {
    std::size_t pos = 0;
    int read = 0;
    while (read < count) {
        if (read > 0) {
            if (pos >= text.size() || text[pos] != ',')
                break;
            ++pos;
        }
        if (!ScanInt(text, pos, out[read]))
            break;
        ++read;
    }
    if (endPos)
        *endPos = pos;
    return read;
}

} // namespace velto

// Case folding of the ASCII letters, which is all that HTML names need.
#pragma once

#include <string>
#include <string_view>

namespace velto::ascii {

constexpr char Upper(char c) noexcept {
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}
constexpr char Lower(char c) noexcept {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// Equal without regard to the case of ASCII letters; bytes of multibyte UTF-8 sequences
// are never letters, so they are compared exactly.
constexpr bool EqualNoCase(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i]))
            return false;
    return true;
}

inline std::string ToUpper(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        c = Upper(c);
    return r;
}

inline std::string ToLower(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        c = Lower(c);
    return r;
}

} // namespace velto::ascii

// The HTML standard's prescan of a page's first bytes for its declared encoding.
#include "core/encoding/Prescan.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace velto {

namespace {

bool Space(unsigned char c) {
    return c == 0x09 || c == 0x0A || c == 0x0C || c == 0x0D || c == 0x20;
}

unsigned char Lower(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 0x20) : c;
}

bool StartsWithIgnoringCase(std::string_view s, std::size_t at, std::string_view word) {
    if (s.size() - std::min(at, s.size()) < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (Lower(static_cast<unsigned char>(s[at + i])) != static_cast<unsigned char>(word[i]))
            return false;
    return true;
}

// Running out of bytes anywhere ends the prescan: the scanner then says so and the
// result comes from the XML declaration alone.
struct OutOfBytes {};

class Scanner {
public:
    explicit Scanner(std::string_view bytes) : b_(bytes) {}

    unsigned char At(std::size_t pos) const {
        if (pos >= b_.size())
            throw OutOfBytes{};
        return static_cast<unsigned char>(b_[pos]);
    }

    struct Attribute {
        std::string name;
        std::string value;
    };

    // The standard's "get an attribute": nothing when the tag ends (at a '>') first.
    std::optional<Attribute> GetAttribute(std::size_t& pos) const {
        while (Space(At(pos)) || At(pos) == '/')
            ++pos;
        if (At(pos) == '>')
            return std::nullopt;
        Attribute a;
        for (;; ++pos) {
            const unsigned char c = At(pos);
            if (c == '=' && !a.name.empty()) {
                ++pos;
                return Value(pos, std::move(a));
            }
            if (Space(c))
                break;
            if (c == '/' || c == '>')
                return a;
            a.name += static_cast<char>(Lower(c));
        }
        while (Space(At(pos)))
            ++pos;
        if (At(pos) != '=')
            return a;
        ++pos;
        return Value(pos, std::move(a));
    }

private:
    Attribute Value(std::size_t& pos, Attribute a) const {
        while (Space(At(pos)))
            ++pos;
        const unsigned char first = At(pos);
        if (first == '"' || first == '\'') {
            for (++pos;; ++pos) {
                const unsigned char c = At(pos);
                if (c == first) {
                    ++pos;
                    return a;
                }
                a.value += static_cast<char>(Lower(c));
            }
        }
        if (first == '>')
            return a;
        a.value += static_cast<char>(Lower(first));
        for (++pos;; ++pos) {
            const unsigned char c = At(pos);
            if (Space(c) || c == '>')
                return a;
            a.value += static_cast<char>(Lower(c));
        }
    }

    std::string_view b_;
};

const EncodingInfo* ForHtml(const EncodingInfo* e) {
    if (!e)
        return nullptr;
    if (e->kind == EncodingKind::Utf16LE || e->kind == EncodingKind::Utf16BE)
        return &Utf8Encoding();
    if (e->name == "x-user-defined")
        return &Windows1252Encoding();
    return e;
}

// A <meta ...> tag from just after "<meta": its declared encoding, or null when it
// declares none that counts.
const EncodingInfo* MetaTag(const Scanner& s, std::size_t& pos) {
    std::vector<std::string> seen;
    bool gotPragma = false;
    std::optional<bool> needPragma;
    const EncodingInfo* charset = nullptr;
    bool charsetFailed = false;
    while (std::optional<Scanner::Attribute> a = s.GetAttribute(pos)) {
        if (std::find(seen.begin(), seen.end(), a->name) != seen.end())
            continue;
        seen.push_back(a->name);
        if (a->name == "http-equiv") {
            if (a->value == "content-type")
                gotPragma = true;
        } else if (a->name == "content") {
            const EncodingInfo* e = EncodingFromContent(a->value);
            if (e && !charset && !charsetFailed) {
                charset = e;
                needPragma = true;
            }
        } else if (a->name == "charset") {
            charset = GetEncoding(a->value);
            charsetFailed = charset == nullptr;
            needPragma = false;
        }
    }
    if (!needPragma || (*needPragma && !gotPragma) || !charset)
        return nullptr;
    return ForHtml(charset);
}

std::size_t FindFrom(std::string_view b, std::string_view what, std::size_t from) {
    const std::size_t at = b.find(what, from);
    if (at == std::string_view::npos)
        throw OutOfBytes{};
    return at;
}

const EncodingInfo* Loop(std::string_view b) {
    const Scanner s(b);
    for (std::size_t pos = 0; pos < b.size(); ++pos) {
        if (b[pos] != '<')
            continue;
        if (b.substr(pos, 4) == "<!--") {
            // To the '>' of the first "-->", whose dashes may be those of "<!--" itself.
            pos = FindFrom(b, "-->", pos + 2) + 2;
        } else if (StartsWithIgnoringCase(b, pos, "<meta") && pos + 5 < b.size() &&
                   (Space(static_cast<unsigned char>(b[pos + 5])) || b[pos + 5] == '/')) {
            pos += 5;
            if (const EncodingInfo* e = MetaTag(s, pos))
                return e;
        } else {
            std::size_t name = pos + 1;
            if (name < b.size() && b[name] == '/')
                ++name;
            const unsigned char c = name < b.size() ? static_cast<unsigned char>(b[name]) : 0;
            if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
                pos = name;
                while (!Space(s.At(pos)) && s.At(pos) != '>')
                    ++pos;
                while (s.GetAttribute(pos)) {
                }
            } else if (pos + 1 < b.size() &&
                       (b[pos + 1] == '!' || b[pos + 1] == '/' || b[pos + 1] == '?')) {
                pos = FindFrom(b, ">", pos + 1);
            }
        }
    }
    throw OutOfBytes{};
}

} // namespace

const EncodingInfo* EncodingFromContent(std::string_view s) {
    std::size_t pos = 0;
    for (;;) {
        std::size_t at = std::string_view::npos;
        for (std::size_t i = pos; i + 7 <= s.size(); ++i)
            if (StartsWithIgnoringCase(s, i, "charset")) {
                at = i;
                break;
            }
        if (at == std::string_view::npos)
            return nullptr;
        pos = at + 7;
        while (pos < s.size() && Space(static_cast<unsigned char>(s[pos])))
            ++pos;
        if (pos >= s.size() || s[pos] != '=')
            continue; // look again from just before that character
        ++pos;
        while (pos < s.size() && Space(static_cast<unsigned char>(s[pos])))
            ++pos;
        if (pos >= s.size())
            return nullptr;
        const char c = s[pos];
        if (c == '"' || c == '\'') {
            const std::size_t end = s.find(c, pos + 1);
            if (end == std::string_view::npos)
                return nullptr;
            return GetEncoding(s.substr(pos + 1, end - pos - 1));
        }
        std::size_t end = pos;
        while (end < s.size() && !Space(static_cast<unsigned char>(s[end])) && s[end] != ';')
            ++end;
        return GetEncoding(s.substr(pos, end - pos));
    }
}

const EncodingInfo* XmlDeclarationEncoding(std::string_view b) {
    if (b.substr(0, 5) != "<?xml")
        return nullptr;
    const std::size_t end = b.find('>');
    if (end == std::string_view::npos)
        return nullptr;
    std::size_t pos = 5;
    for (;; ++pos) {
        if (pos + 8 > end)
            return nullptr;
        if (StartsWithIgnoringCase(b, pos, "encoding"))
            break;
    }
    pos += 8;
    auto skipControls = [&] {
        while (pos < end && static_cast<unsigned char>(b[pos]) <= 0x20)
            ++pos;
    };
    skipControls();
    if (pos >= end || b[pos] != '=')
        return nullptr;
    ++pos;
    skipControls();
    if (pos >= end || (b[pos] != '"' && b[pos] != '\''))
        return nullptr;
    const char quote = b[pos++];
    const std::size_t close = b.find(quote, pos);
    if (close == std::string_view::npos || close > end)
        return nullptr;
    const std::string_view label = b.substr(pos, close - pos);
    if (std::any_of(label.begin(), label.end(), [](char c) { return static_cast<unsigned char>(c) <= 0x20; }))
        return nullptr;
    return ForHtml(GetEncoding(label));
}

Declaration PrescanDeclaration(std::string_view bytes) {
    using namespace std::string_view_literals;
    if (bytes.substr(0, 6) == "<\0?\0x\0"sv)
        return {DeclarationKind::Xml, FindEncoding("UTF-16LE")};
    if (bytes.substr(0, 6) == "\0<\0?\0x"sv)
        return {DeclarationKind::Xml, FindEncoding("UTF-16BE")};
    try {
        return {DeclarationKind::Meta, Loop(bytes)};
    } catch (const OutOfBytes&) {
        if (const EncodingInfo* e = XmlDeclarationEncoding(bytes))
            return {DeclarationKind::Xml, e};
        return {};
    }
}

} // namespace velto

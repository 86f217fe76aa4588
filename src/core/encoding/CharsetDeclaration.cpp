// Finding and rewriting a page's declaration of its encoding.
#include "core/encoding/CharsetDeclaration.h"

#include "core/encoding/Encoding.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace velto {

namespace {

// Declarations belong in the head; looking further would meet pages' own text.
constexpr std::size_t SearchLength = 64 * 1024;

bool Space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::size_t FindIgnoringCase(std::string_view s, std::string_view what, std::size_t from) {
    for (std::size_t i = from; i + what.size() <= s.size(); ++i)
        if (EqualsIgnoringCase(s.substr(i, what.size()), what))
            return i;
    return std::string_view::npos;
}

struct Attribute {
    std::string_view name;
    std::size_t valueStart = 0; // the value without its quotes
    std::size_t valueLength = 0;
};

// The attributes of the tag whose name ends at pos, up to its '>' (set in *end).
std::vector<Attribute> Attributes(std::string_view s, std::size_t pos, std::size_t* end) {
    std::vector<Attribute> list;
    while (pos < s.size() && s[pos] != '>') {
        if (Space(s[pos]) || s[pos] == '/') {
            ++pos;
            continue;
        }
        const std::size_t nameStart = pos;
        while (pos < s.size() && !Space(s[pos]) && s[pos] != '=' && s[pos] != '>' && s[pos] != '/')
            ++pos;
        Attribute a{s.substr(nameStart, pos - nameStart)};
        std::size_t look = pos;
        while (look < s.size() && Space(s[look]))
            ++look;
        if (look < s.size() && s[look] == '=') {
            pos = look + 1;
            while (pos < s.size() && Space(s[pos]))
                ++pos;
            if (pos < s.size() && (s[pos] == '"' || s[pos] == '\'')) {
                const char quote = s[pos];
                const std::size_t close = s.find(quote, pos + 1);
                const std::size_t stop = close == std::string_view::npos ? s.size() : close;
                a.valueStart = pos + 1;
                a.valueLength = stop - a.valueStart;
                pos = std::min(s.size(), stop + 1);
            } else {
                a.valueStart = pos;
                while (pos < s.size() && !Space(s[pos]) && s[pos] != '>')
                    ++pos;
                a.valueLength = pos - a.valueStart;
            }
        }
        if (a.name.empty())
            ++pos;
        list.push_back(a);
    }
    *end = pos;
    return list;
}

// The value after "charset=" inside a content attribute's value, as offsets in s.
std::optional<std::pair<std::size_t, std::size_t>> CharsetInContent(std::string_view s, const Attribute& content) {
    const std::string_view value = s.substr(content.valueStart, content.valueLength);
    std::size_t at = FindIgnoringCase(value, "charset", 0);
    while (at != std::string_view::npos) {
        std::size_t p = at + 7;
        while (p < value.size() && Space(value[p]))
            ++p;
        if (p < value.size() && value[p] == '=') {
            ++p;
            while (p < value.size() && Space(value[p]))
                ++p;
            if (p < value.size() && (value[p] == '"' || value[p] == '\''))
                ++p;
            std::size_t e = p;
            while (e < value.size() && !Space(value[e]) && value[e] != ';' && value[e] != '"' && value[e] != '\'')
                ++e;
            return std::make_pair(content.valueStart + p, e - p);
        }
        at = FindIgnoringCase(value, "charset", at + 7);
    }
    return std::nullopt;
}

std::optional<TextEdit> Replace(std::string_view s, std::size_t start, std::size_t length, std::string_view name) {
    const std::string_view old = s.substr(start, length);
    if (EqualsIgnoringCase(old, name) || (GetEncoding(old) && GetEncoding(old) == GetEncoding(name)))
        return std::nullopt;
    return TextEdit{start, length, std::string(name)};
}

} // namespace

std::optional<TextEdit> DeclarationEdit(std::string_view text, std::string_view name) {
    const std::string_view s = text.substr(0, SearchLength);
    // The XML declaration's encoding, when the page starts with one that names it.
    if (s.substr(0, 5) == "<?xml") {
        const std::size_t close = s.find("?>");
        const std::size_t enc = FindIgnoringCase(s.substr(0, close), "encoding", 5);
        if (enc != std::string_view::npos) {
            std::size_t p = enc + 8;
            while (p < close && Space(s[p]))
                ++p;
            if (p < close && s[p] == '=') {
                ++p;
                while (p < close && Space(s[p]))
                    ++p;
                if (p < close && (s[p] == '"' || s[p] == '\'')) {
                    const std::size_t end = s.find(s[p], p + 1);
                    if (end != std::string_view::npos && end < close)
                        return Replace(s, p + 1, end - p - 1, name);
                }
            }
        }
    }
    std::size_t head = std::string_view::npos;
    std::size_t headNameEnd = 0;
    for (std::size_t pos = s.find('<'); pos != std::string_view::npos; pos = s.find('<', pos + 1)) {
        if (s.substr(pos, 4) == "<!--") {
            const std::size_t close = s.find("-->", pos + 4);
            if (close == std::string_view::npos)
                break;
            pos = close + 2;
            continue;
        }
        std::size_t nameEnd = pos + 1;
        while (nameEnd < s.size() && std::isalnum(static_cast<unsigned char>(s[nameEnd])))
            ++nameEnd;
        const std::string_view tag = s.substr(pos + 1, nameEnd - pos - 1);
        if (EqualsIgnoringCase(tag, "body"))
            break;
        if (EqualsIgnoringCase(tag, "head") && head == std::string_view::npos) {
            head = pos;
            headNameEnd = nameEnd;
        }
        if (!EqualsIgnoringCase(tag, "meta"))
            continue;
        std::size_t end = 0;
        const std::vector<Attribute> attributes = Attributes(s, nameEnd, &end);
        const Attribute* content = nullptr;
        bool contentType = false;
        for (const Attribute& a : attributes) {
            if (EqualsIgnoringCase(a.name, "charset"))
                return Replace(s, a.valueStart, a.valueLength, name);
            if (EqualsIgnoringCase(a.name, "content"))
                content = &a;
            if (EqualsIgnoringCase(a.name, "http-equiv") &&
                EqualsIgnoringCase(s.substr(a.valueStart, a.valueLength), "content-type"))
                contentType = true;
        }
        if (contentType && content) {
            if (const auto spot = CharsetInContent(s, *content))
                return Replace(s, spot->first, spot->second, name);
            // "text/html" without a charset: one is added to the content.
            return TextEdit{content->valueStart + content->valueLength, 0, "; charset=" + std::string(name)};
        }
        pos = end;
    }
    if (head == std::string_view::npos)
        return std::nullopt;
    const std::size_t close = s.find('>', headNameEnd);
    if (close == std::string_view::npos)
        return std::nullopt;
    const bool upper = std::isupper(static_cast<unsigned char>(s[head + 1]));
    std::string meta = upper ? "<META CHARSET=\"" : "<meta charset=\"";
    meta += std::string(name) + "\">";
    // On a line of its own when the head's tag ends one.
    const std::size_t at = close + 1;
    if (at < s.size() && (s[at] == '\n' || s[at] == '\r')) {
        const std::size_t lineEnd = s[at] == '\r' && at + 1 < s.size() && s[at + 1] == '\n' ? 2 : 1;
        return TextEdit{at + lineEnd, 0, meta + std::string(s.substr(at, lineEnd))};
    }
    return TextEdit{at, 0, meta};
}

} // namespace velto

// The lexical rules of tags shared by the colouring, the tag parser and Strip Tags.
#include "core/tagassist/TagSyntax.h"

#include <cstring>

namespace velto {

bool IsTagOpener(std::string_view text, std::size_t pos) noexcept {
    if (text[pos] != '<')
        return false;
    if (pos + 1 >= text.size())
        return true;
    const auto next = static_cast<unsigned char>(text[pos + 1]);
    if (IsTagNameChar(next))
        return true;
    return next == '/' && pos + 2 < text.size() &&
           IsTagNameChar(static_cast<unsigned char>(text[pos + 2]));
}

std::optional<TagSpan> FindNextTag(std::string_view text, std::size_t from) noexcept {
    constexpr std::size_t none = std::string_view::npos;
    std::size_t candidate = none;
    const char* const data = text.data();
    const std::size_t size = text.size();
    std::size_t i = from;
    while (i < size) {
        if (candidate == none) {
            // Without a candidate only an opener matters; memchr skips the text between.
            const void* lt = std::memchr(data + i, '<', size - i);
            if (lt == nullptr)
                return std::nullopt;
            i = static_cast<std::size_t>(static_cast<const char*>(lt) - data);
        } else {
            while (i < size && data[i] != '<' && data[i] != '>')
                ++i;
            if (i == size)
                return std::nullopt;
            if (data[i] == '>')
                return TagSpan{candidate, i + 1};
        }
        // data[i] is '<'.
        if (i + 3 < size && data[i + 1] == '!' && data[i + 2] == '-' && data[i + 3] == '-') {
            const std::size_t close = text.find("-->", i);
            if (close == none)
                return std::nullopt;
            return TagSpan{i, close + 3};
        }
        if (IsTagOpener(text, i))
            candidate = i;
        ++i;
    }
    return std::nullopt;
}

std::string_view TagElementName(std::string_view tag) noexcept {
    std::size_t pos = 1;
    if (pos < tag.size() && tag[pos] == '/')
        ++pos;
    std::size_t end = pos;
    while (end < tag.size() && end - pos < MaxTagNameLength &&
           IsTagNameChar(static_cast<unsigned char>(tag[end])))
        ++end;
    return pos <= tag.size() ? tag.substr(pos, end - pos) : std::string_view();
}

std::string StripTags(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (auto tag = FindNextTag(text, pos)) {
        out.append(text, pos, tag->start - pos);
        pos = tag->end;
    }
    out.append(text, pos);
    return out;
}

} // namespace velto

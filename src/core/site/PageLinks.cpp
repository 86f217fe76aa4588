// The links of one page.
#include "core/site/PageLinks.h"

#include "core/encoding/Utf8Text.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/tagassist/MarkupScanner.h"

#include <algorithm>
#include <array>

namespace velto {

namespace {
char Lower(char c) noexcept {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
std::string Lowered(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), Lower);
    return out;
}
bool IsSpace(char c) noexcept {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// The attributes that hold URLs whatever the element, for elements the knowledge base
// does not know.
constexpr std::array<std::string_view, 9> CommonUrlAttributes{
    "href", "src", "action", "background", "data", "poster", "formaction", "cite", "longdesc"};

struct RawAttribute {
    std::string_view name;
    std::size_t valueOffset = 0; // in the page
    std::string_view value;      // as written, quotes off
    bool hasValue = false;
};

// The attributes of a start tag running from tagStart to tagEnd (past its '>').
template <class Visit>
void ForEachAttribute(std::string_view text, std::size_t from, std::size_t tagEnd, Visit&& visit) {
    std::size_t i = from;
    const std::size_t end = tagEnd > from && text[tagEnd - 1] == '>' ? tagEnd - 1 : tagEnd;
    while (i < end) {
        while (i < end && (IsSpace(text[i]) || text[i] == '/'))
            ++i;
        const std::size_t nameStart = i;
        while (i < end && !IsSpace(text[i]) && text[i] != '=' && text[i] != '/' && text[i] != '>')
            ++i;
        if (i == nameStart) {
            ++i;
            continue;
        }
        RawAttribute att;
        att.name = text.substr(nameStart, i - nameStart);
        std::size_t j = i;
        while (j < end && IsSpace(text[j]))
            ++j;
        if (j < end && text[j] == '=') {
            ++j;
            while (j < end && IsSpace(text[j]))
                ++j;
            att.hasValue = true;
            if (j < end && (text[j] == '"' || text[j] == '\'')) {
                const char quote = text[j];
                const std::size_t close = std::min(text.find(quote, j + 1), end);
                att.valueOffset = j + 1;
                att.value = text.substr(j + 1, close - j - 1);
                i = close + 1;
            } else {
                std::size_t k = j;
                while (k < end && !IsSpace(text[k]) && text[k] != '>')
                    ++k;
                att.valueOffset = j;
                att.value = text.substr(j, k - j);
                i = k;
            }
        }
        visit(att);
    }
}

// The URL candidates of a srcset value: "a.png 1x, b.png 2x".
void ExtractSourceSet(std::string_view value, std::size_t offset, std::string_view kind,
                      std::vector<PageLink>& out) {
    std::size_t i = 0;
    while (i < value.size()) {
        while (i < value.size() && (IsSpace(value[i]) || value[i] == ','))
            ++i;
        std::size_t end = i;
        while (end < value.size() && !IsSpace(value[end]))
            ++end;
        std::size_t urlEnd = end;
        while (urlEnd > i && value[urlEnd - 1] == ',')
            --urlEnd; // a URL ending in commas gives them to the list
        if (urlEnd > i)
            out.push_back({offset + i, urlEnd - i, std::string(kind),
                           DecodeAttributeValue(value.substr(i, urlEnd - i))});
        // The descriptors run to the next comma outside parentheses.
        int depth = 0;
        i = end;
        if (urlEnd < end)
            continue;
        while (i < value.size() && (value[i] != ',' || depth > 0)) {
            depth += value[i] == '(' ? 1 : value[i] == ')' ? -1 : 0;
            ++i;
        }
    }
}

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view word) noexcept {
    if (text.size() - at < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (Lower(text[at + i]) != word[i])
            return false;
    return true;
}

int HexValue(char c) noexcept {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = Lower(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

} // namespace

std::string DecodeAttributeValue(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '&') {
            out += raw[i];
            continue;
        }
        if (raw.substr(i, 5) == "&amp;") {
            out += '&';
            i += 4;
        } else if (i + 2 < raw.size() && raw[i + 1] == '#') {
            const bool hex = raw[i + 2] == 'x' || raw[i + 2] == 'X';
            std::size_t j = i + (hex ? 3 : 2);
            char32_t value = 0;
            const std::size_t digits = j;
            while (j < raw.size() &&
                   (hex ? HexValue(raw[j]) >= 0 : (raw[j] >= '0' && raw[j] <= '9')) &&
                   value < 0x110000) {
                value = value * (hex ? 16 : 10) +
                        static_cast<char32_t>(hex ? HexValue(raw[j]) : raw[j] - '0');
                ++j;
            }
            if (j == digits) {
                out += '&';
                continue;
            }
            // A reference to nothing a page may hold reads as U+FFFD, as browsers read it.
            const bool holdable = value != 0 && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
            AppendUtf8(out, holdable ? value : 0xFFFD);
            i = j < raw.size() && raw[j] == ';' ? j : j - 1;
        } else {
            out += '&';
        }
    }
    return out;
}

LinkAttributes::Kind LinkAttributes::KindOf(std::string_view element,
                                            std::string_view attribute) const {
    if (attribute == "style")
        return Kind::Style;
    if (attribute == "srcset" || attribute == "imagesrcset")
        return Kind::SourceSet;
    std::string key;
    key.reserve(element.size() + attribute.size() + 1);
    key.append(element).append(1, ' ').append(attribute);
    if (const auto hit = cache_.find(key); hit != cache_.end())
        return hit->second;
    Kind kind = Kind::None;
    const HtmlMetaElement* known = kb_ ? kb_->FindElement(element) : nullptr;
    const HtmlMetaAttBase* att = known ? known->FindAttribute(attribute) : nullptr;
    if (att)
        kind = att->IsUrlValued() ? Kind::Url : Kind::None;
    else if (std::find(CommonUrlAttributes.begin(), CommonUrlAttributes.end(), attribute) !=
             CommonUrlAttributes.end())
        kind = Kind::Url;
    cache_.emplace(std::move(key), kind);
    return kind;
}

void ExtractStyleLinks(std::string_view css, std::size_t offsetInPage, std::vector<PageLink>& out) {
    std::size_t i = 0;
    while (i < css.size()) {
        if (css[i] == '/' && i + 1 < css.size() && css[i + 1] == '*') {
            const std::size_t close = css.find("*/", i + 2);
            i = close == std::string_view::npos ? css.size() : close + 2;
            continue;
        }
        const bool url = StartsWithNoCase(css, i, "url(");
        const bool import = !url && StartsWithNoCase(css, i, "@import");
        if (!url && !import) {
            ++i;
            continue;
        }
        std::size_t j = i + (url ? 4 : 7);
        while (j < css.size() && IsSpace(css[j]))
            ++j;
        if (j >= css.size())
            break;
        std::size_t start = j, end = j;
        if (css[j] == '"' || css[j] == '\'') {
            start = j + 1;
            end = std::min(css.find(css[j], start), css.size());
            i = end + 1;
        } else if (url) {
            end = std::min(css.find(')', j), css.size());
            while (end > start && IsSpace(css[end - 1]))
                --end;
            i = end + 1;
        } else {
            i = j; // "@import url(...)": the url( is read next
            continue;
        }
        if (end > start)
            out.push_back({offsetInPage + start, end - start, "url()",
                           std::string(css.substr(start, end - start))});
    }
}

PageLinks ExtractPageLinks(std::string_view text, const LinkAttributes& attributes) {
    PageLinks page;
    MarkupScanner scanner(text);
    std::string_view rawElement;
    while (const auto item = scanner.Next()) {
        if (item->kind == MarkupItem::Kind::RawText) {
            if (rawElement == "style")
                ExtractStyleLinks(text.substr(item->start, item->end - item->start), item->start,
                                  page.links);
            continue;
        }
        if (item->kind != MarkupItem::Kind::StartTag)
            continue;
        const std::string element = Lowered(item->name);
        rawElement = element == "style" ? "style" : "";
        const std::size_t attsFrom = item->start + 1 + item->name.size();
        // A LINK with only a reverse relation (rev="made" and an author's address) names
        // no resource a browser fetches or follows.
        bool authorLink = false;
        if (element == "link") {
            bool rel = false, rev = false;
            ForEachAttribute(text, attsFrom, item->end, [&](const RawAttribute& att) {
                const std::string name = Lowered(att.name);
                rel = rel || name == "rel";
                rev = rev || name == "rev";
            });
            authorLink = rev && !rel;
        }
        ForEachAttribute(text, attsFrom, item->end, [&](const RawAttribute& att) {
            if (!att.hasValue)
                return;
            const std::string name = Lowered(att.name);
            if (name == "id" || (name == "name" && element == "a")) {
                page.ids.insert(DecodeAttributeValue(att.value));
                return;
            }
            if (element == "base" && name == "href") {
                if (page.base.empty())
                    page.base = DecodeAttributeValue(att.value);
                return;
            }
            if (authorLink && name == "href")
                return;
            switch (attributes.KindOf(element, name)) {
            case LinkAttributes::Kind::Url:
                page.links.push_back(
                    {att.valueOffset, att.value.size(), name, DecodeAttributeValue(att.value)});
                break;
            case LinkAttributes::Kind::SourceSet:
                ExtractSourceSet(att.value, att.valueOffset, name, page.links);
                break;
            case LinkAttributes::Kind::Style:
                ExtractStyleLinks(att.value, att.valueOffset, page.links);
                break;
            case LinkAttributes::Kind::None:
                break;
            }
        });
    }
    return page;
}

} // namespace velto

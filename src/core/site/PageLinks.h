// The links of one page: every URL in a URL-valued attribute (those the knowledge base
// gives a URL kind, with srcset lists and CSS url() in style blocks and style attributes),
// the page's BASE, and the ids a "#fragment" may name.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace velto {

class HtmlKnowledgeBase;

struct PageLink {
    std::size_t offset = 0; // of the URL as written, in the page's text
    std::size_t length = 0;
    std::string kind; // the attribute's name in lower case ("href", "srcset"), or "url()"
    std::string url;  // the value with character references decoded
};

struct PageLinks {
    std::vector<PageLink> links;
    std::string base; // the first BASE element's href, decoded; empty when there is none
    std::unordered_set<std::string> ids; // every id, and the names of A elements
};

// Which attributes hold URLs. The knowledge base answers for the elements and attributes
// it knows; others fall back on the attributes that hold URLs in every element.
class LinkAttributes {
public:
    enum class Kind { None, Url, SourceSet, Style };
    explicit LinkAttributes(const HtmlKnowledgeBase* kb = nullptr) : kb_(kb) {}
    // Names in lower case.
    [[nodiscard]] Kind KindOf(std::string_view element, std::string_view attribute) const;

private:
    const HtmlKnowledgeBase* kb_;
    mutable std::unordered_map<std::string, Kind> cache_;
};

[[nodiscard]] PageLinks ExtractPageLinks(std::string_view text, const LinkAttributes& attributes);

// The url() references of a style sheet or style attribute (and the strings of @import),
// offsets into css; kind "url()".
void ExtractStyleLinks(std::string_view css, std::size_t offsetInPage, std::vector<PageLink>& out);

// A value with its character references (&amp; &#38; &#x26;) decoded.
[[nodiscard]] std::string DecodeAttributeValue(std::string_view raw);

} // namespace velto

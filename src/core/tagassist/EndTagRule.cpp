// EndTagRule: the end-tag habits of elements.
#include "core/tagassist/EndTagRule.h"

#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/htmlkb/KindFlags.h"

#include <algorithm>
#include <initializer_list>
#include <span>

namespace velto {

namespace {
using Names = std::span<const std::string_view>;

constexpr std::string_view EmptyElements[] = {"area",  "base",  "basefont", "bgsound", "br",     "col",
                                 "embed", "frame", "hr",       "img",     "input",  "isindex",
                                 "keygen", "link", "meta",     "nextid",  "param",  "source",
                                 "spacer", "track", "wbr"};
constexpr std::string_view OptionalEndElements[] = {"body",  "colgroup", "dd",    "dt",    "head", "html",
                                       "li",    "optgroup", "option", "p",    "rb",   "rp",
                                       "rt",    "rtc",      "tbody", "td",    "tfoot", "th",
                                       "thead", "tr"};

bool OneOf(std::string_view name, Names names) noexcept {
    return std::any_of(names.begin(), names.end(),
                       [name](std::string_view n) { return ascii::EqualNoCase(name, n); });
}

// The block-level starts that end an open paragraph.
constexpr std::string_view ParagraphEnders[] = {
    "address", "article", "aside", "blockquote", "center", "details", "dir", "div", "dl",
    "fieldset", "figcaption", "figure", "footer", "form", "h1", "h2", "h3", "h4", "h5", "h6",
    "header", "hgroup", "hr", "main", "menu", "nav", "ol", "p", "pre", "section", "table", "ul"};
bool OneOf(std::string_view name, std::initializer_list<std::string_view> names) noexcept {
    return OneOf(name, Names(names.begin(), names.size()));
}
} // namespace

EndTag EndTagRule(const HtmlKnowledgeBase& kb, std::string_view name) noexcept {
    if (OneOf(name, EmptyElements))
        return EndTag::None;
    if (OneOf(name, OptionalEndElements))
        return EndTag::Optional;
    const HtmlMetaElement* element = kb.FindElement(name);
    if (!element)
        return EndTag::Required;
    const std::uint32_t flags = element->KindFlags();
    if (flags & ElementClass::Empty)
        return EndTag::None;
    if (flags & ElementClass::EndTagOptional)
        return EndTag::Optional;
    return EndTag::Required;
}

bool StartImpliesEnd(std::string_view open, std::string_view next) noexcept {
    const auto is = [](std::string_view a, std::string_view b) { return ascii::EqualNoCase(a, b); };
    if (is(open, next))
        return true;
    if (is(open, "p"))
        return OneOf(next, ParagraphEnders);
    if (OneOf(open, {"dt", "dd"}))
        return OneOf(next, {"dt", "dd"});
    if (OneOf(open, {"td", "th"}))
        return OneOf(next, {"td", "th", "tr", "tbody", "thead", "tfoot"});
    if (is(open, "tr"))
        return OneOf(next, {"tbody", "thead", "tfoot"});
    if (OneOf(open, {"thead", "tbody"}))
        return OneOf(next, {"tbody", "tfoot"});
    if (is(open, "option"))
        return is(next, "optgroup");
    if (OneOf(open, {"rb", "rt", "rp", "rtc"}))
        return OneOf(next, {"rb", "rt", "rp", "rtc"});
    return false;
}

} // namespace velto

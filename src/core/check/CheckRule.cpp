// The table of Check Page's rules.
#include "core/check/CheckRule.h"

namespace velto {

namespace {
using enum Rule;
constexpr Severity E = Severity::Error;
constexpr Severity W = Severity::Warning;
constexpr Severity I = Severity::Info;

constexpr std::array<RuleInfo, RuleCount> Table = {{
    {UnknownElement, "unknown-element", E, "Elements that no HTML version has"},
    {ElementVersion, "element-version", E,
     "Elements outside the selected HTML versions (obsolete ones)"},
    {UnknownAttribute, "unknown-attribute", E, "Attributes that the element does not have"},
    {AttributeVersion, "attribute-version", W, "Attributes outside the selected HTML versions"},
    {UnknownValue, "unknown-value", E, "Values that the attribute does not take"},
    {ValueVersion, "value-version", W, "Values outside the selected HTML versions"},
    {MissingAttribute, "missing-attribute", E, "Required attributes left out (such as IMG's ALT)"},
    {DuplicateAttribute, "duplicate-attribute", E, "An attribute given twice in one tag"},
    {UnquotedValue, "unquoted-value", E, "Attribute values that must be quoted"},
    {StrayEndTag, "stray-end-tag", E, "End tags with no open element"},
    {UnclosedElement, "unclosed-element", E, "Elements left open whose end tag is required"},
    {Misnested, "misnested", E, "Misnested elements, such as <b><i></b></i>"},
    {VoidEndTag, "void-end-tag", E, "End tags of empty elements, such as </br>"},
    {SelfClosingTag, "self-closing-tag", E, "\"/>\" on elements that are not empty"},
    {Context, "context", E, "Elements outside the element they belong in"},
    {BlockInInline, "block-in-inline", E,
     "Blocks inside text-level elements, such as a DIV in a SPAN"},
    {DuplicateId, "duplicate-id", E, "Id values given to two elements"},
    {MissingFragment, "missing-fragment", W, "Links to a #fragment that the page does not have"},
    {MissingFile, "missing-file", W, "Links and images naming a local file that does not exist"},
    {UnterminatedComment, "unterminated-comment", E, "Comments that never end"},
    {UnterminatedTag, "unterminated-tag", E, "Tags cut off by the end of the page"},
    {UnknownReference, "unknown-reference", E, "Unknown named character references"},
    {BareAmpersand, "bare-ampersand", W, "A bare & that a browser would read as a reference"},
    {MissingDoctype, "missing-doctype", I, "A page without a document type declaration"},
    {DoctypeVersion, "doctype-version", W, "A doctype of a version that is not selected"},
    {MissingTitle, "missing-title", I, "A page without a TITLE"},
    {MissingLang, "missing-lang", I, "A page whose HTML element has no LANG"},
    {TooManyProblems, "too-many-problems", I,
     "More problems than a list holds (the rest left out)"},
}};

// The table is in the order of the enumeration, so a rule is its own index.
constexpr bool InOrder() {
    for (std::size_t i = 0; i < Table.size(); ++i)
        if (static_cast<std::size_t>(Table[i].rule) != i)
            return false;
    return true;
}
static_assert(InOrder());
} // namespace

const std::array<RuleInfo, RuleCount>& Rules() noexcept {
    return Table;
}

const RuleInfo& InfoOf(Rule rule) noexcept {
    return Table[static_cast<std::size_t>(rule)];
}

std::optional<Rule> RuleById(std::string_view id) noexcept {
    for (const RuleInfo& r : Table)
        if (r.id == id)
            return r.rule;
    return std::nullopt;
}

std::string_view SeverityName(Severity severity) noexcept {
    switch (severity) {
    case Severity::Error:
        return "error";
    case Severity::Warning:
        return "warning";
    case Severity::Info:
        break;
    }
    return "info";
}

} // namespace velto

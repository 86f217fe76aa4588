// AttributeChecker: the attributes of start tags.
#include "core/check/AttributeChecker.h"

#include "core/check/AriaAttributes.h"
#include "core/check/ProblemList.h"
#include "core/check/VersionMessages.h"
#include "core/check/VocabularyCorrections.h"
#include "core/config/HtmlVer.h"
#include "core/htmlkb/AsciiCase.h"

#include <unordered_set>

namespace velto {

namespace {

bool StartsWithNoCase(std::string_view s, std::string_view prefix) noexcept {
    return s.size() > prefix.size() && ascii::EqualNoCase(s.substr(0, prefix.size()), prefix);
}

// What may stand in an unquoted value: under the living standard anything but blanks and
// " ' = < > `; before it, SGML's name characters only.
char ForbiddenUnquoted(std::string_view value, bool html5) noexcept {
    for (char c : value) {
        if (html5) {
            if (c == '"' || c == '\'' || c == '=' || c == '<' || c == '>' || c == '`')
                return c;
        } else if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                     c == '.' || c == '-' || c == '_' || c == ':')) {
            return c;
        }
    }
    return 0;
}

// Why an attribute must be given, in a few words, for the attributes authors leave out most.
std::string_view WhyRequired(std::string_view element, std::string_view attribute) noexcept {
    if (ascii::EqualNoCase(attribute, "ALT"))
        return element == "IMG"
                   ? ": a text for those who cannot see the image (ALT=\"\" for a decorative one)"
                   : ": a text for those who cannot see the image";
    if (ascii::EqualNoCase(attribute, "SRC"))
        return ": the address of the file it shows";
    if (ascii::EqualNoCase(attribute, "ACTION"))
        return ": the address the form is sent to";
    if (ascii::EqualNoCase(attribute, "TYPE"))
        return ": the language of its contents, such as text/javascript or text/css";
    return {};
}

std::string Upper(std::string_view s) {
    return ascii::ToUpper(s);
}

} // namespace

void AttributeChecker::Check(const ScannedToken& token,
                             const std::vector<ScannedAttribute>& attributes,
                             CheckVocabulary::Id id, bool foreign) {
    CheckSyntax(attributes);
    if (foreign || id == CheckVocabulary::None)
        return;
    const CheckVocabulary::ElementRule& element = vocabulary_.Element(id);
    // SVG and MathML roots take their own vocabulary's attributes.
    if (!element.known || element.structure.tag == Tag::Svg || element.structure.tag == Tag::Math)
        return;
    for (const ScannedAttribute& a : attributes)
        CheckKnown(element, a);
    if (element.allowed)
        CheckRequired(token, element, attributes);
}

void AttributeChecker::CheckSyntax(const std::vector<ScannedAttribute>& attributes) {
    // A tag of many attributes (a damaged file) is searched through a set, not pairwise.
    std::unordered_set<std::string> seen;
    const bool many = attributes.size() > 16;
    for (std::size_t i = 0; i < attributes.size(); ++i) {
        const ScannedAttribute& a = attributes[i];
        const std::string_view name = a.Name(text_);
        bool repeated = false;
        if (many) {
            repeated = !seen.insert(ascii::ToLower(name)).second;
        } else {
            for (std::size_t j = 0; j < i && !repeated; ++j)
                repeated = ascii::EqualNoCase(attributes[j].Name(text_), name);
        }
        if (repeated)
            problems_.Add(
                Rule::DuplicateAttribute, a.nameStart, a.valueEnd + (a.quote != 0 ? 1 : 0),
                Upper(name) +
                    " is given twice in this tag: browsers keep the first and drop this one");
        if (!a.hasValue || a.quote != 0 || !problems_.Wants(Rule::UnquotedValue))
            continue;
        const std::string_view value = a.Value(text_);
        if (value.empty()) {
            problems_.Add(Rule::UnquotedValue, a.nameStart, a.valueEnd,
                          Upper(name) + "= has no value: write " + Upper(name) +
                              "=\"\" for an empty one");
            continue;
        }
        const bool html5 = vocabulary_.IsHtml5();
        if (const char c = ForbiddenUnquoted(value, html5)) {
            std::string message = "The value of " + Upper(name) + " must be quoted: it holds '" +
                                  std::string(1, c) + "'";
            if (!html5)
                message +=
                    ", and only letters, digits, '.', '-', '_' and ':' may stand unquoted in " +
                    std::string(vocabulary_.StandardName(vocabulary_.Standard()));
            problems_.Add(Rule::UnquotedValue, a.nameStart, a.valueEnd, std::move(message));
        }
    }
}

void AttributeChecker::CheckKnown(const CheckVocabulary::ElementRule& element,
                                  const ScannedAttribute& a) {
    const std::string_view name = a.Name(text_);
    const std::size_t end = a.valueEnd + (a.quote != 0 ? 1 : 0);
    if (const CheckVocabulary::AttributeRule* rule = vocabulary_.FindAttribute(element, name)) {
        if (!rule->allowed) {
            if (element.allowed && problems_.Wants(Rule::AttributeVersion))
                problems_.Add(Rule::AttributeVersion, a.nameStart, end,
                              OutsideSelection(vocabulary_, Upper(name) + " of " + element.name,
                                               rule->versions, rule->advice));
            return;
        }
        CheckValue(element, *rule, a);
        return;
    }
    if (StartsWithNoCase(name, "on")) {
        if (const CheckVocabulary::AttributeRule* event = vocabulary_.FindEvent(name)) {
            if (!event->allowed && problems_.Wants(Rule::AttributeVersion))
                problems_.Add(Rule::AttributeVersion, a.nameStart, end,
                              OutsideSelection(vocabulary_, Upper(name), event->versions, {}));
            return;
        }
    }
    if (StartsWithNoCase(name, "aria-") && !IsAriaAttribute(name)) {
        problems_.Add(Rule::UnknownAttribute, a.nameStart, end,
                      Upper(name) +
                          " is not an attribute of WAI-ARIA, such as ARIA-LABEL or ARIA-HIDDEN");
        return;
    }
    if (StartsWithNoCase(name, "data-") || StartsWithNoCase(name, "aria-")) {
        if (!vocabulary_.IsAllowed(VersionBits::Html5) && problems_.Wants(Rule::AttributeVersion))
            problems_.Add(Rule::AttributeVersion, a.nameStart, end,
                          Upper(name) + " is not in " + vocabulary_.SelectionText() +
                              ": DATA- and ARIA- attributes came with HTML5");
        return;
    }
    if (IsRdfaAttribute(name) && vocabulary_.IsAllowed(VersionBits::Html5))
        return;
    // Attributes of XML that XHTML pages carry and HTML tolerates.
    if (ascii::EqualNoCase(name, "xmlns") || StartsWithNoCase(name, "xmlns:") ||
        StartsWithNoCase(name, "xml:"))
        return;
    if (!problems_.Wants(Rule::UnknownAttribute))
        return;
    const bool event = StartsWithNoCase(name, "on");
    std::string message =
        element.name + (event ? " has no event handler " : " has no attribute ") + Upper(name);
    if (vocabulary_.IsAllowed(VersionBits::Html5) && !event)
        message += " (for data of your own, name it data-" + ascii::ToLower(name) + ")";
    problems_.Add(Rule::UnknownAttribute, a.nameStart, end, std::move(message));
}

void AttributeChecker::CheckValue(const CheckVocabulary::ElementRule& element,
                                  const CheckVocabulary::AttributeRule& rule,
                                  const ScannedAttribute& a) {
    if (!rule.closed || !a.hasValue)
        return;
    std::string_view value = a.Value(text_);
    while (!value.empty() &&
           (value.front() == ' ' || value.front() == '\t' || value.front() == '\n'))
        value.remove_prefix(1);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t' || value.back() == '\n'))
        value.remove_suffix(1);
    if (value.empty())
        return;
    const std::string subject = Upper(a.Name(text_)) + "=" + std::string(value);
    if (const CheckVocabulary::ValueRule* v = rule.FindValue(value)) {
        if (!v->allowed && problems_.Wants(Rule::ValueVersion))
            problems_.Add(
                Rule::ValueVersion, a.valueStart, a.valueEnd,
                OutsideSelection(vocabulary_, subject + " on " + element.name, v->versions, {}));
        return;
    }
    if (!problems_.Wants(Rule::UnknownValue))
        return;
    std::string takes;
    std::size_t listed = 0;
    for (const CheckVocabulary::ValueRule& v : rule.values) {
        if (!v.allowed)
            continue;
        if (listed == 16) {
            takes += ", ...";
            break;
        }
        takes += (listed++ > 0 ? ", " : "") + v.name;
    }
    std::string message = "\"" + std::string(value) + "\" is not a value of " +
                          Upper(a.Name(text_)) + " on " + element.name;
    if (!takes.empty())
        message += ": it takes " + takes;
    problems_.Add(Rule::UnknownValue, a.valueStart, a.valueEnd, std::move(message));
}

void AttributeChecker::CheckRequired(const ScannedToken& token,
                                     const CheckVocabulary::ElementRule& element,
                                     const std::vector<ScannedAttribute>& attributes) {
    if (element.required.empty() || !problems_.Wants(Rule::MissingAttribute))
        return;
    for (CheckVocabulary::Id id : element.required) {
        const CheckVocabulary::AttributeRule& rule = vocabulary_.Attribute(id);
        bool given = false;
        for (const ScannedAttribute& a : attributes)
            given = given || ascii::EqualNoCase(a.Name(text_), rule.name);
        if (!given)
            problems_.Add(Rule::MissingAttribute, token.start, token.end,
                          element.name + " needs " + Upper(rule.name) +
                              std::string(WhyRequired(element.name, rule.name)));
    }
}

} // namespace velto

// The rules of Check Page: their ids, severities and the titles the Options dialog lists.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velto {

enum class Severity : std::uint8_t { Error, Warning, Info };

enum class Rule : std::uint8_t {
    UnknownElement,
    ElementVersion,
    UnknownAttribute,
    AttributeVersion,
    UnknownValue,
    ValueVersion,
    MissingAttribute,
    DuplicateAttribute,
    UnquotedValue,
    StrayEndTag,
    UnclosedElement,
    Misnested,
    VoidEndTag,
    SelfClosingTag,
    Context,
    BlockInInline,
    DuplicateId,
    MissingFragment,
    MissingFile,
    UnterminatedComment,
    UnterminatedTag,
    UnknownReference,
    BareAmpersand,
    MissingDoctype,
    DoctypeVersion,
    MissingTitle,
    MissingLang,
    TooManyProblems,
};

inline constexpr std::size_t RuleCount = static_cast<std::size_t>(Rule::TooManyProblems) + 1;

struct RuleInfo {
    Rule rule;
    std::string_view id; // as written in reports and settings: "unclosed-element"
    Severity severity;
    std::string_view title; // what the rule looks for, as the Options dialog lists it
};

// Every rule, in the order of the enumeration.
[[nodiscard]] const std::array<RuleInfo, RuleCount>& Rules() noexcept;
[[nodiscard]] const RuleInfo& InfoOf(Rule rule) noexcept;
[[nodiscard]] std::optional<Rule> RuleById(std::string_view id) noexcept;
[[nodiscard]] std::string_view SeverityName(Severity severity) noexcept;

} // namespace velto

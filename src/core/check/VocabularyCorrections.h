// Where Check Page departs from the knowledge base's records: which standards require an
// attribute, where an element may stand, and the usual cure for what a version dropped.
// The records serve the editor's menus; a validator needs a few of their facts put right.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace velto {

// The standard versions (HTML 2.0, 3.2, 4.0, HTML5) that require the attribute, for the
// attributes whose requirement the records do not give right; none for the others. An
// empty mask means no standard requires it.
[[nodiscard]] std::optional<std::uint32_t> RequiredIn(std::string_view element,
                                                      std::string_view attribute) noexcept;

// The elements (blank separated) one of which must enclose the element when the newest
// selected standard is `standard`; none when the record's own context holds.
[[nodiscard]] std::optional<std::string_view> ContextFor(std::string_view element,
                                                         std::uint32_t standard) noexcept;

// What to use instead of an element or attribute that a version dropped ("use CSS
// (text-align)"), or an empty text. Names as the knowledge base writes them.
[[nodiscard]] std::string_view ElementAdvice(std::string_view element) noexcept;
[[nodiscard]] std::string_view AttributeAdvice(std::string_view element,
                                               std::string_view attribute) noexcept;

} // namespace velto

namespace velto {

// What the DTDs of HTML 2.0, 3.2 and 4.01 have that the knowledge base's records lack:
// versions of elements, attributes (with their enumerated values, blank separated) and
// values of attributes the records have. Names as the knowledge base writes them.
struct SupplementEntry {
    std::string_view element;
    std::string_view attribute; // empty: the element itself
    std::string_view values;    // blank separated; empty: the attribute (or element) itself
    std::uint32_t versions;
};

[[nodiscard]] std::span<const SupplementEntry> StandardsSupplement() noexcept;

// Event handler attributes that browsers and validators of HTML5 take beyond those of the
// records: Pointer Events and Touch Events ("onpointerdown").
[[nodiscard]] std::span<const std::string_view> Html5ExtraEvents() noexcept;

// The attributes of RDFa Lite, which HTML5 pages carry on any element ("property").
[[nodiscard]] bool IsRdfaAttribute(std::string_view name) noexcept;

} // namespace velto

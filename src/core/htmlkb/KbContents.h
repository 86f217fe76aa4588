// The contents of the knowledge base: one builder function per group of elements, and
// the value sets that several attributes share.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace velto {

class HtmlTagEventHolder;
class KbBuilder;

void BuildHeadElements(KbBuilder& b);
void BuildBlockElements(KbBuilder& b);
void BuildTextStyleElements(KbBuilder& b);
void BuildImageAndListElements(KbBuilder& b);
void BuildTableElements(KbBuilder& b);
void BuildRuleAndQuoteElements(KbBuilder& b);
void BuildFormElements(KbBuilder& b);
void BuildObjectElements(KbBuilder& b);
void BuildFrameElements(KbBuilder& b);
void BuildAppletElements(KbBuilder& b);
void BuildSharedAttributes(KbBuilder& b);

// The elements that the living standard added, by kind, and its global attributes.
void BuildHtml5SectionElements(KbBuilder& b);
void BuildHtml5PhraseElements(KbBuilder& b);
void BuildHtml5MediaElements(KbBuilder& b);
void BuildHtml5FormElements(KbBuilder& b);
void BuildHtml5SharedAttributes(KbBuilder& b);

// What the living standard keeps of the older records, by plain name (an empty element
// name for the shared attributes). A value with an empty name is a typed-in entry.
[[nodiscard]] bool Html5KeepsElement(std::string_view element);
[[nodiscard]] bool Html5KeepsAttribute(std::string_view element, std::string_view attribute);
[[nodiscard]] bool Html5KeepsValue(std::string_view element, std::string_view attribute,
                                   std::string_view value);
// What the living standard adds to an element that it keeps: attributes (to the current
// element), and values (to the current attribute, of that element or shared).
void AddHtml5Attributes(KbBuilder& b, std::string_view element);
void AddHtml5Values(KbBuilder& b, std::string_view element, std::string_view attribute);
// The event handlers of an element under the living standard: those of every element,
// the events of group 1 that the element had (given as group1 bits) that it keeps, and
// on BODY those of the window.
void AddHtml5EventHandlers(HtmlTagEventHolder& holder, std::string_view element,
                           std::uint32_t group1);
// The refusal bit that an own attribute of this name sets in its element's shared select
// word, so that the global of the same name is not offered beside it; 0 for other names.
[[nodiscard]] std::uint32_t Html5GlobalRefusal(std::string_view attribute);

// What an alignment word means for the attribute that takes it.
enum class AlignSense {
    Block,  // text within its margins (LEFT, CENTER, RIGHT, JUSTIFY, CHAR, BLEEDLEFT...)
    Cell,   // content within a table cell, vertically (TOP, MIDDLE, CENTER, BOTTOM...)
    Object, // an embedded object in the line of text (LEFT, TEXTTOP, ABSMIDDLE...)
};

// Values added to the current attribute; each value's versions are those the value had
// in browsers and recommendations, narrowed to the attribute's own.
void AlignValues(KbBuilder& b, AlignSense sense, std::initializer_list<std::string_view> words);
void TargetValues(KbBuilder& b);
void CharsetValues(KbBuilder& b);
void LinkTypeValues(KbBuilder& b);
void ScriptLanguageValues(KbBuilder& b);
void MediaValues(KbBuilder& b);
void ScrollingValues(KbBuilder& b);
void FrameBorderValues(KbBuilder& b);
void FontSizeValues(KbBuilder& b);
void DirectionValues(KbBuilder& b);

// Attributes that several elements carry with the same texts.
void DataBindingAttributes(KbBuilder& b, bool withFormat, std::uint32_t versions = 0x40008);
void AccessKeyAttribute(KbBuilder& b, std::uint32_t versions = 0x40008);
void TabIndexAttribute(KbBuilder& b, std::uint32_t versions = 0x40008);
// The event holder of most text, list, heading and table-part elements: the mouse, key
// and help events of HTML 4.0.
void CommonEvents(KbBuilder& b);

} // namespace velto

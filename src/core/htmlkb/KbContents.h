// The contents of the knowledge base: one builder function per group of elements, and
// the value sets that several attributes share.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace velto {

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

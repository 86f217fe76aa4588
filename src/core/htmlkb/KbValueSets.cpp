// Value sets and attributes that several elements share: alignments, targets, character
// sets, link types, script languages, media, data binding.
#include "core/htmlkb/KbBuilder.h"
#include "core/htmlkb/KbContents.h"

#include <algorithm>
#include <span>
#include <stdexcept>

namespace velto {

namespace {

struct ValueText {
    std::string_view word;
    std::string_view nameText;
    std::string_view label;
    std::string_view menuText;
    std::uint32_t versions; // where the value existed, before narrowing to the attribute
    std::string_view description;
};

constexpr ValueText BlockAlign[] = {
    {"LEFT", "&LEFT", "&Left", "Flush &Left", 0x7030f, "Align to the left margin"},
    {"CENTER", "&CENTER", "&Centre", "&Centred", 0x7030f, "Centre between the margins"},
    {"RIGHT", "&RIGHT", "&Right", "Flush &Right", 0x7030f, "Align to the right margin"},
    {"JUSTIFY", "&JUSTIFY", "&Justify", "&Justified", 0x4000a,
     "Align to both margins, spreading out the words"},
    {"CHAR", "C&HAR", "C&haracter", "On C&haracter", 0xa,
     "Align on the character given by the CHAR attribute, such as a decimal point"},
    {"BLEEDLEFT", "BLEE&DLEFT", "Left Blee&d", "Bleed Into Left &Margin", 0x2,
     "Align flush with the left edge of the window, over the margin"},
    {"BLEEDRIGHT", "BLEEDRI&GHT", "Ri&ght Bleed", "Bleed Into Ri&ght Margin", 0x2,
     "Align flush with the right edge of the window, over the margin"},
};

constexpr ValueText CellAlign[] = {
    {"TOP", "&TOP", "&Top", "Align &Top", 0x7030f, "Align the content with the top"},
    {"MIDDLE", "&MIDDLE", "&Middle", "Align &Middle", 0x7030f, "Centre the content vertically"},
    {"CENTER", "&CENTER", "&Centre", "&Centre (browsers)", 0x70300,
     "Centre the content vertically, as the browsers spell it"},
    {"BOTTOM", "&BOTTOM", "&Bottom", "Align &Bottom", 0x7030f, "Align the content with the bottom"},
    {"BASELINE", "B&ASELINE", "B&aseline", "Align on B&aseline", 0x7030e,
     "Align the first line of text with that of the other cells in the row"},
};

constexpr ValueText ObjectAlign[] = {
    {"LEFT", "&LEFT", "&Left", "", 0x7030e, "Align object to left and flow text around it"},
    {"RIGHT", "&RIGHT", "&Right", "", 0x7030e, "Align object to right and flow text around it"},
    {"CENTER", "&CENTER", "&Centre", "", 0x60000, "Centre the object on its own line"},
    {"TOP", "&TOP", "&Top", "&Top of Object", 0x7030f,
     "Align object to top of tallest item in line"},
    {"TEXTTOP", "TEXTTO&P", "To&p of Text", "", 0x40300, "Align object to top of tallest text"},
    {"MIDDLE", "&MIDDLE", "&Middle", "&Middle of Object", 0x7030f,
     "Align text half way up the object"},
    {"ABSMIDDLE", "ABSM&IDDLE", "M&iddle (abs)", "", 0x40300,
     "Align object to middle of current line"},
    {"TEXTMIDDLE", "TE&XTMIDDLE", "Middle of Te&xt", "", 0x40000,
     "Align middle of object to middle of the text"},
    {"BASELINE", "B&ASELINE", "B&aseline", "", 0x40300,
     "Align bottom of object to baseline of current line"},
    {"BOTTOM", "&BOTTOM", "&Bottom", "&Bottom of Object", 0x7030f,
     "Align bottom of object to baseline of current line"},
    {"TEXTBOTTOM", "TEXTB&OTTOM", "B&ottom of Text", "", 0x40000,
     "Align bottom of object to lowest text in line"},
    {"ABSBOTTOM", "ABSB&OTTOM", "B&ottom (abs)", "", 0x40300,
     "Align bottom of object to bottom of current line"},
    {"ACCEPT", "A&CCEPT", "A&ccept", "", 0x8,
     "Media types the server accepts for a file upload (comma separated)"},
};

// The value's own versions within the attribute's; where they share none, the
// attribute's.
std::uint32_t Narrowed(std::uint32_t valueVersions, std::uint32_t attVersions) {
    const std::uint32_t both = valueVersions & attVersions;
    return both != 0 ? both : attVersions;
}

void AddFrom(KbBuilder& b, std::span<const ValueText> table,
             std::initializer_list<std::string_view> words) {
    const std::uint32_t att = b.AttVersions();
    for (std::string_view w : words) {
        const auto t = std::find_if(table.begin(), table.end(),
                                    [w](const ValueText& v) { return v.word == w; });
        if (t == table.end())
            throw std::logic_error("knowledge base: unknown alignment word");
        b.Val(t->nameText, t->label, t->menuText, Narrowed(t->versions, att), t->description);
    }
}

} // namespace

void AlignValues(KbBuilder& b, AlignSense sense, std::initializer_list<std::string_view> words) {
    switch (sense) {
    case AlignSense::Block:
        AddFrom(b, BlockAlign, words);
        break;
    case AlignSense::Cell:
        AddFrom(b, CellAlign, words);
        break;
    case AlignSense::Object:
        AddFrom(b, ObjectAlign, words);
        break;
    }
}

void TargetValues(KbBuilder& b) {
    const std::uint32_t v = b.AttVersions();
    b.Val("_&blank", "&Blank", "New &Blank Window", v,
          "Load link into a new \"blank\" unnamed window");
    b.Val("_&self", "&Self", "Window &Showing Link", v,
          "Load link into the window displaying this link");
    b.Val("_&parent", "&Parent", "&Parent Window", v,
          "Load link into parent of this document's window");
    b.Val("_&top", "&Top", "&Top Browser Window", v,
          "Load link into the top or outermost browser window");
    b.Other(v, "Other target value (such as a window name)");
}

void CharsetValues(KbBuilder& b) {
    const std::uint32_t v = b.AttVersions();
    b.Val("&UNKNOWN", "&Unknown", "", v, "The character encoding is not known");
    b.Val("US-&ASCII", "US &ASCII", "", v, "Seven-bit American standard characters");
    b.Val("ISO-8859-&1", "Western European (Latin-&1)", "", v,
          "Western European letters, the usual encoding of the web");
    b.Val("ISO-8859-&2", "Central European (Latin-&2)", "", v, "Central European letters");
    b.Val("ISO-8859-&3", "South European (Latin-&3)", "", v,
          "South European letters, such as Maltese and Esperanto");
    b.Val("ISO-8859-&4", "North European (Latin-&4)", "", v, "North European and Baltic letters");
    b.Val("ISO-8859-&5", "Cyrillic (&5)", "", v, "Cyrillic letters");
    b.Val("ISO-8859-&6", "Arabic (&6)", "", v, "Arabic letters");
    b.Val("ISO-8859-&7", "Greek (&7)", "", v, "Greek letters");
    b.Val("ISO-8859-&8", "Hebrew (&8)", "", v, "Hebrew letters");
    b.Val("ISO-8859-&9", "Turkish (Latin-5, &9)", "", v, "Turkish letters");
    b.Val("ISO-8859-1&0", "Nordic (Latin-6, 1&0)", "", v, "Nordic and Inuit letters");
    b.Other(v, "Other character encoding name");
}

void LinkTypeValues(KbBuilder& b) {
    const std::uint32_t v = b.AttVersions();
    b.Val("&CONTENTS", "&Contents", "Table of &Contents", v,
          "The linked document is a table of contents");
    b.Val("&INDEX", "&Index", "", v, "The linked document is an index");
    b.Val("&GLOSSARY", "&Glossary", "", v, "The linked document is a glossary of terms");
    b.Val("CO&PYRIGHT", "Co&pyright", "Co&pyright Statement", v,
          "The linked document is a copyright statement");
    b.Val("&NEXT", "&Next", "&Next Document", v, "The linked document is the next in a series");
    b.Val("P&REVIOUS", "P&revious", "P&revious Document", v,
          "The linked document is the previous in a series");
    b.Val("&START", "&Start", "&Start of Series", v,
          "The linked document is the first in a series");
    b.Val("&HELP", "&Help", "", v, "The linked document offers help");
    b.Val("&BOOKMARK", "&Bookmark", "", v, "The link leads to a key entry point in a document");
    b.Val("S&TYLESHEET", "S&tyle Sheet", "", Narrowed(0x6000a, v),
          "The linked document is a style sheet");
    b.Val("&ALTERNATIVE", "&Alternative", "&Alternative Version", Narrowed(0x4000a, v),
          "The linked document is another version of this one");
}

void ScriptLanguageValues(KbBuilder& b) {
    const std::uint32_t v = b.AttVersions();
    b.Val("&JavaScript", "&JavaScript", "", Narrowed(0x60300, v), "Scripts written in JavaScript");
    b.Val("&VBScript", "&VBScript", "", Narrowed(0x60000, v),
          "Scripts written in Visual Basic Script");
    b.Other(v, "Other scripting language name");
}

void MediaValues(KbBuilder& b) {
    const std::uint32_t v = b.AttVersions();
    b.Val("&SCREEN", "&Screen", "Computer &Screen", v, "Intended for computer screens");
    b.Val("&PRINT", "&Print", "&Printed Page", v, "Intended for printed pages and print preview");
    b.Val("PR&OJECTION", "Pr&ojection", "Pr&ojector", v, "Intended for projectors");
    b.Val("&BRAILLE", "&Braille", "&Braille Device", v,
          "Intended for Braille tactile feedback devices");
    b.Val("SP&EECH", "Sp&eech", "Sp&eech Synthesiser", v, "Intended for speech synthesisers");
    b.Val("&ALL", "&All", "&All Media", v, "Intended for every kind of device");
    b.Other(v, "Other unlisted media type");
}

void ScrollingValues(KbBuilder& b) {
    const std::uint32_t v = b.AttVersions();
    b.Val("&YES", "&Yes", "Always &Scroll", v, "Always show scroll bars");
    b.Val("&NO", "&No", "&Never Scroll", v, "Never show scroll bars");
    b.Val("&AUTO", "&Auto", "Scroll &As Needed", v, "Show scroll bars when the content needs them");
}

void FrameBorderValues(KbBuilder& b) {
    const std::uint32_t v = b.AttVersions();
    b.Val("&1", "&Yes (1)", "&Show Border", v, "Draw a border around the frame");
    b.Val("&0", "&No (0)", "&No Border", v, "Draw no border around the frame");
}

void FontSizeValues(KbBuilder& b) {
    const std::uint32_t v = b.AttVersions();
    b.Val("&1", "Size &1", "Size &1 (smallest)", v, "Font size 1, the smallest");
    b.Val("&2", "Size &2", "", v, "Font size 2");
    b.Val("&3", "Size &3", "Size &3 (normal)", v, "Font size 3, the normal size");
    b.Val("&4", "Size &4", "", v, "Font size 4");
    b.Val("&5", "Size &5", "", v, "Font size 5");
    b.Val("&6", "Size &6", "", v, "Font size 6");
    b.Val("&7", "Size &7", "Size &7 (largest)", v, "Font size 7, the largest");
}

void DirectionValues(KbBuilder& b) {
    const std::uint32_t v = b.AttVersions();
    b.Val("&LTR", "&Left To Right", "", v, "Text content rendered from left to right");
    b.Val("&RTL", "&Right To Left", "", v, "Text content rendered from right to left");
}

void DataBindingAttributes(KbBuilder& b, bool withFormat, std::uint32_t versions) {
    b.Att("DATA&SRC", "Data &Source", "", versions, AttKind::Text,
          "The source of data for data binding");
    b.Att("&DATAFLD", "&Data Column name", "", versions, AttKind::Text,
          "Name of the column in the set of tabular data");
    if (withFormat)
        b.Att("DATA&FORMATAS", "Data &Format", "Bound Data &Format", versions, AttKind::Text,
              "Whether bound data is shown as plain text or as HTML");
}

void AccessKeyAttribute(KbBuilder& b, std::uint32_t versions) {
    b.Att("ACCESS&KEY", "Access &Key", "&Keyboard Shortcut", versions, AttKind::Text,
          "Character key that moves the focus to this element");
}

void TabIndexAttribute(KbBuilder& b, std::uint32_t versions) {
    b.Att("TA&BINDEX", "Ta&b Order", "Ta&b Order Position", versions, AttKind::Number,
          "Position of the element in the order of moving the focus with the Tab key");
}

void CommonEvents(KbBuilder& b) {
    b.Events({{0x40008, 0x3000407f}});
}

} // namespace velto

// Contents: blocks, headings, line breaks, layout extensions and the anchor.
#include "core/htmlkb/KbBuilder.h"
#include "core/htmlkb/KbContents.h"

#include <array>

namespace velto {

using namespace AttKind;
using namespace ElementClass;

namespace {

struct Heading {
    std::string_view nameText, label, menuText, description;
};

constexpr std::array<Heading, 6> Headings = {{
    {"H&1\tCtrl+1", "Heading &1\tCtrl+1", "Heading Level &1 (big)\tCtrl+1",
     "A level 1 heading, the most important"},
    {"H&2\tCtrl+2", "Heading &2\tCtrl+2", "Heading Level &2\tCtrl+2", "A level 2 heading"},
    {"H&3\tCtrl+3", "Heading &3\tCtrl+3", "Heading Level &3\tCtrl+3", "A level 3 heading"},
    {"H&4\tCtrl+4", "Heading &4\tCtrl+4", "Heading Level &4\tCtrl+4", "A level 4 heading"},
    {"H&5\tCtrl+5", "Heading &5\tCtrl+5", "Heading Level &5\tCtrl+5", "A level 5 heading"},
    {"H&6\tCtrl+6", "Heading &6\tCtrl+6", "Heading Level &6 (small)\tCtrl+6",
     "A level 6 heading, the least important"},
}};

void TextAlign(KbBuilder& b, std::uint32_t versions, std::string_view description) {
    b.Att("&ALIGN", "&Alignment", "Text &Alignment", versions, TextEnum, description);
    AlignValues(b, AlignSense::Block, {"LEFT", "CENTER", "RIGHT", "JUSTIFY"});
}

void Anchor(KbBuilder& b) {
    b.SetAppearance(AppearanceClass::AnchorTag);
    b.Element("&A\tCtrl+L", "&Anchor\tCtrl+L", "Hyperlink &Anchor\tCtrl+L", 0x7030f, Container,
              "A hypertext link, or a named place in the document that links can lead to");
    b.Att("H&REF", "Hyperlink U&RI", "&Destination URI", 0x7030f, DocumentUrl,
          "Address (URL) of the link's destination");
    b.Att("&NAME", "&Name", "&Anchor Name", 0x7030f, Text,
          "Name of this place in the document, for links that lead here");
    b.Att("RE&L", "&Relationship", "Forward &Relationship", 0x4000f, List | TextEnum,
          "Relationship of the linked document to this one");
    LinkTypeValues(b);
    b.Att("RE&V", "Re&verse Relationship", "", 0x4000f, List | TextEnum,
          "Relationship of this document to the linked one");
    LinkTypeValues(b);
    b.Att("&METHODS", "&Methods", "HTTP &Methods", 0x3, TextList,
          "HTTP methods that the linked resource supports (space separated)");
    b.Att("&URN", "&Uniform Resource Name", "", 0x3, TextList,
          "Permanent, location-independent name of the linked resource");
    b.Att("&TARGET", "&Target", "&Target Window", 0x60308, TextEnum,
          "Name of a target window (or frame) to display the link");
    TargetValues(b);
    b.Att("&SHAPE", "&Shape", "Area &Shape", 0x4000a, TextEnum,
          "Shape of the link's area in a client-side image map");
    b.Val("&RECT", "&Rectangle", "", 0x4000a, "A rectangle: left, top, right, bottom");
    b.Val("&CIRC", "&Circle", "", 0x4000a, "A circle: centre x, centre y, radius");
    b.Val("&POLY", "&Polygon", "", 0x4000a, "A polygon: x and y of each corner in turn");
    b.Att("C&OORDS", "C&oordinates", "Area C&oordinates", 0x4000a, Text,
          "Coordinates of the area, in the order its shape needs (comma separated)");
    b.Att("LAN&GUAGE", "Script Lan&guage", "", 0x40000, TextEnum,
          "Scripting language of the link's event handlers");
    ScriptLanguageValues(b);
    AccessKeyAttribute(b);
    TabIndexAttribute(b);
    b.Att("&CHARSET", "&Character Set", "Linked &Character Encoding", 0x8, TextEnum,
          "Character encoding of the linked document");
    CharsetValues(b);
    b.Events(
        {{0x300, 0x30000024}, {0x200, 0x30000040}, {0x20000, 0x30000024}, {0x40008, 0x30007fff}});
}

} // namespace

void BuildBlockElements(KbBuilder& b) {
    b.SetAppearance(AppearanceClass::Body);
    b.Element("&DIV", "&Division", "Generic &Division", 0x6030e, Container,
              "A block of content, for alignment and styles");
    TextAlign(b, 0x6030e, "Horizontal alignment of the division's content");
    DataBindingAttributes(b, true);
    b.Events({{0x40008, 0x30007fff}});

    b.SetAppearance(AppearanceClass::StructureLayout);
    for (const Heading& h : Headings) {
        b.Element(h.nameText, h.label, h.menuText, 0x7030f, Container, h.description);
        TextAlign(b, 0x7030e, "Horizontal alignment of the heading");
        CommonEvents(b);
    }

    b.Element("&P\tCtrl+G", "&Paragraph\tCtrl+G", "Text &Paragraph\tCtrl+G", 0x7030f,
              EndTagOptional, "A paragraph of text");
    TextAlign(b, 0x7030e, "Horizontal alignment of the paragraph");
    b.Att("&WIDTH", "&Width", "Paragraph &Width", 0x2, Number,
          "Width of the paragraph (in pixels)");
    CommonEvents(b);

    b.Element("B&R\tCtrl+K", "Line B&reak\tCtrl+K", "", 0x7030f, Empty,
              "Ends the line and starts a new one");
    b.Select(0x102);
    b.Att("&CLEAR", "&Clear", "&Clear Floating Images", 0x7030e, TextEnum,
          "Continue below the images floating at the given margins");
    b.Val("&LEFT", "&Left", "Clear &Left Margin", 0x7030e,
          "Continue below images floating at the left margin");
    b.Val("&RIGHT", "&Right", "Clear &Right Margin", 0x7030e,
          "Continue below images floating at the right margin");
    b.Val("&ALL", "&All", "Clear &Both Margins", 0x7030e,
          "Continue below images floating at either margin");
    b.Val("&NONE", "&None", "Clear &Neither Margin", 0x4000a,
          "Break the line without moving below floating images");

    b.Element("BD&O", "&Bidirectional Override", "&Bidi Text Direction Override", 0x40008,
              Container, "Overrides the direction of the text it holds");
    // Its own LANG and required Dir stand in for the shared language group, which would
    // otherwise put a second LANG and DIR on its menus.
    b.Select(0x102);
    b.Att("LANG", "&Language", "", 0x40008, TextList,
          "Primary language of the contained text (no spaces)");
    b.Att("&Dir", "Text Di&rection", "", 0x40008, Required | TextEnum,
          "Direction in which the contained text is rendered");
    DirectionValues(b);

    b.Element("T&AB", "&Tab Stop", "&Tab Stop (draft)", 0x2, Container,
              "Moves to a tab stop, as proposed in HTML 3.0 drafts");

    b.Element("&MULTICOL", "&Multiple Columns", "&Multi-Column Text", 0x200, Container,
              "Sets the content in newspaper-style columns");
    b.Att("&COLS", "&Columns", "Number of &Columns", 0x200, Enumerated | RequiredNumber,
          "Number of columns");
    b.Val("&2", "&2 Columns", "", 0x200, "Two columns");
    b.Val("&3", "&3 Columns", "", 0x200, "Three columns");
    b.Val("&4", "&4 Columns", "", 0x200, "Four columns");
    b.Other(0x200, "Other number of columns", ValueFlags::OtherNumber);
    b.Att("&WIDTH", "&Width", "Column &Width", 0x200, Number,
          "Width of each column (in pixels or percent)");
    b.Att("&GUTTER", "&Gutter", "Column &Gutter", 0x200, Number,
          "Space between the columns (in pixels)");

    b.Element("SPA&CER", "&Spacer", "Blank &Space", 0x200, Empty,
              "Inserts blank space of a given size");
    b.Att("&TYPE", "&Type", "Space &Type", 0x200, TextEnum, "Kind of space to insert");
    b.Val("&horizontal", "&Horizontal", "&Horizontal Space", 0x200,
          "Space between words, as wide as SIZE");
    b.Val("&vertical", "&Vertical", "&Vertical Space", 0x200,
          "Space between lines, as high as SIZE");
    b.Val("&block", "&Block", "&Rectangular Block", 0x200,
          "A rectangle of space, like an invisible image");
    b.Att("&SIZE", "&Size", "Space &Size", 0x200, Number,
          "Width or height of horizontal or vertical space (in pixels)");
    b.Att("H&EIGHT", "H&eight", "Block H&eight", 0x200, Number,
          "Height of a block of space (in pixels)");
    b.Att("&WIDTH", "&Width", "Block &Width", 0x200, Number,
          "Width of a block of space (in pixels)");
    b.Att("&ALIGN", "&Alignment", "Block &Alignment", 0x200, TextEnum,
          "Alignment of a block of space, as for an image");
    AlignValues(b, AlignSense::Object, {"LEFT", "RIGHT", "TOP"});

    Anchor(b);
}

} // namespace velto

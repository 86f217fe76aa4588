// Contents: the horizontal rule, preformatted text, notes, quotations and edits.
#include "core/htmlkb/KbBuilder.h"
#include "core/htmlkb/KbContents.h"

namespace velto {

using namespace AttKind;
using namespace ElementClass;

namespace {

void SimpleAlign(KbBuilder& b, std::uint32_t versions, std::string_view description) {
    b.Att("&ALIGN", "&Alignment", "Text &Alignment", versions, TextEnum, description);
    AlignValues(b, AlignSense::Block, {"LEFT", "CENTER", "RIGHT"});
}

void Cite(KbBuilder& b, std::uint32_t versions, std::string_view description) {
    b.Att("&CITE", "&Citation URI", "&Source Document URI", versions, DocumentUrl, description);
}

void Edit(KbBuilder& b, std::string_view nameText, std::string_view label,
          std::string_view menuText, std::string_view description) {
    b.Element(nameText, label, menuText, 0x4000a, Container, description);
    Cite(b, 0x4000a, "Address (URL) of a document that explains the change");
    b.Att("&DATETIME", "&Date and Time", "Date and &Time of Change", 0x4000a, Date,
          "When the change was made (such as 1998-03-21T14:30:00Z)");
    CommonEvents(b);
}

} // namespace

void BuildRuleAndQuoteElements(KbBuilder& b) {
    b.SetAppearance(AppearanceClass::StructureLayout);
    b.Element("&HR", "Horizontal &Rule", "Horizontal &Rule (line)", 0x7030f, Empty,
              "A horizontal line across the page");
    b.Att("&ALIGN", "&Alignment", "Rule &Alignment", 0x7030e, TextEnum,
          "Position of a rule narrower than the page");
    AlignValues(b, AlignSense::Block, {"LEFT", "RIGHT", "CENTER"});
    b.Att("&NOSHADE", "&No Shade", "Solid Line (&No Shade)", 0x7030e, Flag,
          "Draw the rule as a solid line without a 3D shade");
    b.Att("&SIZE", "&Size", "Line &Thickness", 0x7030e, Number,
          "Thickness of the rule (in pixels)");
    b.Att("&WIDTH", "&Width", "Rule &Width", 0x7030e, Number,
          "Length of the rule (in pixels or percent of the page)");
    b.Att("&COLOR", "&Colour", "Rule &Colour", 0x70000, Colour, "Colour of the rule");
    CommonEvents(b);

    b.SetAppearance(AppearanceClass::Meaning);
    b.Element("P&RE", "P&reformatted Text", "", 0x7030f, Container,
              "Text shown in a monospaced font, with its spaces and line breaks kept");
    b.Att("&WIDTH", "&Width", "Line &Width", 0x7030f, Number,
          "Greatest number of characters on a line");
    CommonEvents(b);

    b.Element("&LISTING", "&Listing", "Program &Listing (obsolete)", 0x4007030d, Container,
              "Obsolete preformatted program listing; use PRE instead");
    SimpleAlign(b, 0x4007030d, "Horizontal alignment of the listing");
    CommonEvents(b);

    b.Element("PLAI&NTEXT", "Plai&n Text", "Plai&n Text to End (obsolete)", 0x4007030f, Container,
              "Obsolete: shows the rest of the file as plain text; use PRE instead");
    CommonEvents(b);

    b.Element("&XMP", "E&xample", "E&xample Text (obsolete)", 0x4007030d, Container,
              "Obsolete preformatted example; use PRE instead");
    SimpleAlign(b, 0x4007030d, "Horizontal alignment of the example");
    CommonEvents(b);

    b.Element("N&OTE", "N&ote", "N&ote or Warning", 0xf, Container,
              "An admonishment such as a note, caution or warning, as proposed in HTML 3.0");
    b.Element("&FN", "&Footnote", "&Footnote (draft)", 0xf, Container,
              "A footnote, as proposed in HTML 3.0 drafts");

    b.Element("&BLOCKQUOTE", "&Block Quotation", "&Quoted Block", 0x7030d, Container,
              "A long quotation, set off from the text as a block");
    Cite(b, 0x40008, "Address (URL) of the document from which the quotation comes");
    CommonEvents(b);

    b.Element("&Q", "&Quotation", "Short &Quotation", 0x4000a, Container,
              "A short quotation within the text");
    Cite(b, 0x4000a, "Address (URL) of the document from which the quotation comes");
    CommonEvents(b);

    b.Element("B&Q", "Block &Quote (draft)", "", 0x2, Container,
              "A long quotation, as the HTML 3.0 drafts named it");

    b.Element("A&DDRESS", "A&ddress", "Author's A&ddress", 0x7030f, Container,
              "Contact information for the author of the document");
    SimpleAlign(b, 0x2, "Horizontal alignment of the address");
    CommonEvents(b);

    Edit(b, "&INS", "&Inserted Text", "&Insertion", "Text inserted in a revision of the document");
    Edit(b, "D&EL", "D&eleted Text", "D&eletion", "Text deleted in a revision of the document");
}

} // namespace velto

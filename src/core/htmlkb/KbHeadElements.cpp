// Contents: the document head elements and BODY.
#include "core/htmlkb/KbBuilder.h"
#include "core/htmlkb/KbContents.h"

namespace velto {

using namespace AttKind;
using namespace ElementClass;

namespace {

void MetaNameValues(KbBuilder& b) {
    const std::uint32_t v = b.AttVersions();
    b.Val("&REFRESH", "&Refresh", "&Refresh or Redirect", v,
          "Reload the page, or load another, after the number of seconds in CONTENT");
    b.Val("&EXPIRES", "&Expires", "&Expiry Date", v,
          "Date and time after which the document is out of date");
    b.Val("&KEYWORDS", "&Keywords", "Search &Keywords", v,
          "Keywords for search engines (comma separated)");
    b.Val("REPL&Y-TO", "Repl&y To", "Repl&y Address", v,
          "E-mail address for replies to the author");
    b.Val("&PICS-LABEL", "&PICS Label", "Content Rating (&PICS)", v,
          "Content rating label for filtering software");
    b.Val("&CONTENT-TYPE", "&Content Type", "&Content Type and Charset", v,
          "Media type and character encoding of the document");
    b.Val("AUTHOR", "&Author", "Document &Author", v, "Name of the document's author");
    b.Other(v, "Other property name");
}

} // namespace

void BuildHeadElements(KbBuilder& b) {
    b.SetAppearance(AppearanceClass::Head);

    b.Element("!&DOCTYPE", "&Document Type", "&Document Type Declaration", 0xfffffff, Container,
              "Declares the HTML version to which the document conforms");
    b.Select(2);

    b.Element("HTM&L", "&Document Element", "HTML &Document", 0x7030f, Container,
              "The outermost element, which holds the whole document");
    b.Select(0x202);
    b.Att("&TITLE", "&Title", "Advisory &Title", 0x40000, Text,
          "Advisory title of the document, shown as a tooltip");

    b.Element("&HEAD", "&Head", "Document &Header", 0x7030f, EndTagOptional,
              "Holds the title and other information about the document");
    b.Select(0x202);
    b.Att("&PROFILE", "&Profile", "Meta Data &Profile", 0x8, List | DocumentUrl,
          "Locations of profiles that define the meta data properties (space separated)");

    b.Element("&TITLE", "&Title", "Document &Title", 0x7030f, Container,
              "The document's title, shown in the window caption and in bookmarks");
    b.Inside("HEAD");
    b.Select(0x202);
    b.Att("&TITLE", "&Title", "Advisory &Title", 0x40000, Text,
          "Advisory title of the element, shown as a tooltip");

    b.Element("&BASE", "&Base Address", "Document &Base URL", 0x7030f, Empty, "");
    b.Inside("HEAD");
    b.Select(2);
    b.Att("H&REF", "Hyperlink U&RI", "Destination U&RI", 0x7030f, Required | DocumentUrl,
          "Base address (URL) for relative paths within this document");
    b.Att("&TARGET", "&Target", "&Target Window", 0x60308, TextEnum,
          "Name of a target window (or frame) to display the link");
    TargetValues(b);

    b.Element("&META", "&Meta Information", "Document &Meta Information", 0x7030f, Empty,
              "A property of the document for browsers, servers and search engines");
    b.Inside("HEAD");
    b.Select(0x202);
    b.Att("&NAME", "&Name", "Property &Name", 0x7030f, TextEnum,
          "Name of the property whose value CONTENT gives");
    MetaNameValues(b);
    b.Att("&HTTP-EQUIV", "&HTTP Equivalent", "&HTTP Header Name", 0x7030f, TextEnum,
          "HTTP response header whose value CONTENT gives");
    MetaNameValues(b);
    b.Att("&CONTENT", "&Content", "Property &Value", 0x7030f, Text,
          "The value of the property named by NAME or HTTP-EQUIV");
    b.Att("&SCHEME", "&Scheme", "Value &Scheme", 0x8, TextEnum,
          "Scheme in which the property's value is to be read");
    b.Val("&DDS", "&Dewey Decimal", "&Dewey Decimal System", 0x8,
          "A class number of the Dewey Decimal System");
    b.Val("&ISBN", "&ISBN", "&International Standard Book Number", 0x8,
          "An International Standard Book Number");
    b.Other(0x8, "Other scheme name");

    b.Element("&ISINDEX", "Searchable &Index", "&Searchable Index Prompt", 0x7030f, Empty,
              "Marks the document as searchable and shows a one-line search field");
    b.Inside("HEAD");
    b.Select(0x302);
    b.Att("&PROMPT", "&Prompt", "Search &Prompt Text", 0x7030c, Text,
          "Message shown before the search field");
    b.Att("&ACTION", "&Action", "Search &Program URL", 0x70302, ProgramUrl,
          "URL of the program that handles the search query");

    b.Element("&LINK", "&Link", "Document &Relationship", 0x6000f, Empty,
              "Relationship between this document and another resource, such as a style sheet");
    b.Inside("HEAD");
    b.Att("H&REF", "Hyperlink U&RI", "&Linked Resource URI", 0x6000f, DocumentUrl,
          "Address (URL) of the linked resource");
    b.Att("&NAME", "&Name", "Link &Name", 0x3, Text, "Name of the link, for reference");
    b.Att("RE&L", "&Relationship", "Forward &Relationship", 0x6000f, List | TextEnum,
          "Relationship of the linked resource to this document");
    b.Val("&STYLESHEET", "&Style Sheet", "", 0x6000a,
          "The linked resource is a style sheet for this document");
    b.Other(0x6000f, "Other relationship (such as NEXT or CONTENTS)");
    b.Att("RE&V", "Re&verse Relationship", "", 0x6000f, TextList,
          "Relationship of this document to the linked resource");
    b.Att("&URN", "&Uniform Resource Name", "", 0x3, TextList,
          "Permanent, location-independent name of the linked resource");
    b.Att("&METHODS", "&Methods", "HTTP &Methods", 0x3, TextList,
          "HTTP methods that the linked resource supports (space separated)");
    b.Att("&TYPE", "&Type", "Content &Type", 0x60008, TextEnum,
          "Media type of the linked resource");
    b.Val("text/&css", "&CSS Style Sheet", "", 0x60008, "A cascading style sheet");
    b.Other(0x60008, "Other unlisted media type");
    b.Att("M&EDIA", "M&edia", "Target M&edia", 0x40008, TextEnum,
          "The media for which the linked resource is intended");
    MediaValues(b);

    b.Element("&NEXTID", "&Next Identifier", "&Next Identifier (obsolete)", 0x4000000b, Empty,
              "Obsolete hint for editors about the next free anchor name");
    b.Inside("HEAD");

    b.Element("&RANGE", "&Range", "Marked &Range (draft)", 0x2, Empty,
              "Marks a range of the document, as proposed in HTML 3.0 drafts");
    b.Inside("HEAD");

    b.Element("&STYLE", "&Style Sheet", "Embedded &Style Sheet", 0x6000e, Container,
              "Style rules for the document, in the style language that TYPE gives");
    b.Inside("HEAD");
    b.Select(0x202);
    b.Att("&TYPE", "&Type", "Style &Language", 0x60008, TextEnum,
          "Media type of the style sheet language");
    b.Val("text/&css", "&CSS Style Sheet", "", 0x60008, "Cascading style sheet rules");
    b.Other(0x60008, "Other unlisted media type");
    b.Att("M&EDIA", "M&edia", "Target M&edia", 0x40008, TextEnum,
          "The media for which the style rules are intended");
    MediaValues(b);
    b.Att("&TITLE", "&Title", "Style Sheet &Title", 0x40008, Text,
          "Title of the style sheet, for choosing among alternative style sheets");

    b.Element("&BODY", "Bo&dy", "Document Bo&dy", 0x7030f, EndTagOptional,
              "The content of the document, which the browser shows");
    b.Att("BAC&KGROUND", "Bac&kground Image", "Bac&kground Image URI", 0x7030c, ImageUrl,
          "Image tiled behind the page's content");
    b.Att("B&GCOLOR", "Back&ground Colour", "", 0x7030c, Colour, "Colour of the page's background");
    b.Att("&TEXT", "&Text Colour", "", 0x7030c, Colour, "Colour of the text");
    b.Att("&LINK", "&Link Colour", "&Unvisited Link Colour", 0x7030c, Colour,
          "Colour of links not yet visited");
    b.Att("&VLINK", "&Visited Link Colour", "", 0x7030c, Colour, "Colour of visited links");
    b.Att("&ALINK", "&Active Link Colour", "", 0x7030c, Colour,
          "Colour of a link while it is being clicked");
    b.Att("BGP&ROPERTIES", "Background P&roperties", "", 0x70000, TextEnum,
          "Whether the background image scrolls with the text");
    b.Val("&FIXED", "&Fixed", "&Fixed Watermark", 0x70000,
          "The background image stays in place while the text scrolls");
    b.Att("L&EFTMARGIN", "L&eft Margin", "", 0x70000, Number,
          "Margin at the left and right of the page (in pixels)");
    b.Att("T&OPMARGIN", "T&op Margin", "", 0x70000, Number,
          "Margin at the top and bottom of the page (in pixels)");
    b.Att("AL&IGN", "Al&ignment", "Text Al&ignment", 0x40000, TextEnum,
          "Horizontal alignment of the page's content");
    AlignValues(b, AlignSense::Block, {"LEFT", "CENTER", "RIGHT"});
    b.Att("&SCROLL", "&Scroll Bars", "", 0x40000, TextEnum, "Whether the page shows scroll bars");
    b.Val("&yes", "&Yes", "&Show Scroll Bars", 0x40000, "Show scroll bars");
    b.Val("&no", "&No", "&Hide Scroll Bars", 0x40000, "Hide the scroll bars");
    b.Events({{0x200, 0x30000c00}, {0x200, 0x50000018}, {0x40008, 0x3000ffff}});
}

} // namespace velto

// Contents: the image, the lists and the figures of the HTML 3.0 drafts.
#include "core/htmlkb/KbBuilder.h"
#include "core/htmlkb/KbContents.h"

namespace velto {

using namespace AttKind;
using namespace ElementClass;

namespace {

void Image(KbBuilder& b) {
    b.Element("I&MG\tCtrl+E", "I&mage\tCtrl+E", "", 0x7030f, Empty, "");
    b.Att("S&RC", "Image Sou&rce", "Image File U&RI", 0x7030f, Required | ImageUrl,
          "The URL which provides the image to be displayed, usually a graphics file");
    // Netscape's preview image: optional, whatever lists of its day said. Marked required, it
    // could not be removed in the properties dialog and was written into every new image.
    b.Att("&LOWSRC", "&Low Resolution Image", "", 0x70307, ImageUrl,
          "The URL of a low resolution image to display while loading SRC (specify before SRC)");
    b.Att("AL&T", "Alternative &Text", "&Text Only Description", 0x7030f, Text,
          "Description for use when content can't be displayed (e.g. while loading), or as a "
          "tooltip");
    b.Att("&ALIGN", "&Alignment To Baseline", "&Alignment", 0x7030f, TextEnum,
          "Align the image or surrounding text");
    b.Val("&LEFT", "&Left", "", 0x7030e, "Align image to left and flow text around it");
    b.Val("&RIGHT", "&Right", "", 0x7030e, "Align image to right and flow text around it");
    b.Val("&TOP", "&Top", "&Top of Image", 0x7030f, "Align image to top of tallest item in line");
    b.Val("TEXTTO&P", "To&p of Text", "", 0x40300, "Align image to top of tallest text");
    b.Val("&MIDDLE", "&Middle", "&Middle of Image", 0x7030f, "Align text half way up the image");
    b.Val("ABSM&IDDLE", "M&iddle (abs)", "", 0x40300, "Align image to middle of current line");
    b.Val("B&ASELINE", "B&aseline", "", 0x40300,
          "Align bottom of image to baseline of current line");
    b.Val("&BOTTOM", "&Bottom", "&Bottom of Image", 0x7030f,
          "Align bottom of image to baseline of current line");
    b.Val("ABSBOTTOM", "Bottom (abs)", "", 0x40300,
          "Align bottom of image to bottom of current line");
    b.Att("H&EIGHT", "H&eight", "", 0x7030e, Number, "The height of the displayed image in pixels");
    b.Att("&WIDTH", "Width", "", 0x7030e, Number, "The width of the displayed image in pixels");
    b.Att("&BORDER", "&Border", "", 0x7030c, Number, "Width of border around image");
    b.Att("&HSPACE", "&Horizontal Margin", "", 0x7030c, Number,
          "Margin to left and right of image (in pixels)");
    b.Att("&VSPACE", "&Vertical Margin", "", 0x7030c, Number,
          "Margin above and below the image (in pixels)");
    b.Att("&USEMAP", "&Use Map", "", 0x7030c, DataUrl, "Identifies a client side image map");
    b.Att("ISMA&P", "Image Ma&p", "", 0x7030f, Flag,
          "Toggle the setting which marks the image as an \"image map\"");
    b.Att("&CONTROLS", "&Controls", "", 0x70000, Flag, "Show controls under a video image");
    b.Att("&DYNSRC", "&Dynamic Source", "", 0x70000, VideoUrl,
          "Locator for video image or VRML world");
    b.Att("&LOOP", "&Loop", "", 0x70000, TextEnum,
          "Controls the number of times a video will play");
    b.Val("&INFINITE", "&Infinite", "", 0x70000, "Play repeatedly");
    b.Other(0x70000, "Play a specified number of times", ValueFlags::OtherNumber, "&Count...");
    b.Att("&START", "&Start", "", 0x70000, TextEnum, "Specify when to start playing");
    b.Val("&FILEOPEN", "On Opening &File", "", 0x70000, "Play as soon as file has been opened");
    b.Val("&MOUSEOVER", "On &Mouse Over", "", 0x70000,
          "Play whenever the mouse cursor is moved over");
    b.Val("FI&LEOPEN,MOUSEOVER", "On &Both", "", 0x70000,
          "Play on opening and also on mouse cursor");
    b.Att("&NAME", "&Name", "", 0x40000, Text,
          "Name for reference by other objects, scripts or elements");
    DataBindingAttributes(b, false);
    b.Att("&VRML", "&Vrml World", "", 0x40008, Text,
          "Embeds a VRML world (relies on Virtual Explorer plugin)");
    b.Events({{0x200, 0x5000000e}, {0x40008, 0x30007fff}, {0x40008, 0x30000007}});
}

void ListTypes(KbBuilder& b, bool numbers, bool bullets) {
    const std::uint32_t v = b.AttVersions();
    if (numbers) {
        b.Val("&A", "&Capital Letters", "&Capital Letters (A, B, C)", v,
              "Number the items with capital letters");
        b.Val("&a", "&Small Letters", "&Small Letters (a, b, c)", v,
              "Number the items with small letters");
        b.Val("&I", "Capital &Roman Numerals", "Capital &Roman (I, II, III)", v,
              "Number the items with capital Roman numerals");
        b.Val("&i", "Small R&oman Numerals", "Small R&oman (i, ii, iii)", v,
              "Number the items with small Roman numerals");
        b.Val("&1", "&Numbers", "&Numbers (1, 2, 3)", v, "Number the items with Arabic numerals");
    }
    if (bullets) {
        b.Val("&DISC", "&Disc", "Solid &Disc Bullet", v, "Mark the items with solid round bullets");
        b.Val("&CIRCLE", "&Circle", "Hollow &Circle Bullet", v,
              "Mark the items with hollow round bullets");
        b.Val("&SQUARE", "&Square", "&Square Bullet", v, "Mark the items with square bullets");
    }
}

void ListAlign(KbBuilder& b) {
    b.Att("&ALIGN", "&Alignment", "List &Alignment", 0x2, TextEnum,
          "Horizontal alignment of the list");
    AlignValues(b, AlignSense::Block, {"LEFT", "CENTER", "RIGHT"});
}

void Compact(KbBuilder& b) {
    b.Att("C&OMPACT", "C&ompact", "C&ompact Layout", 0x7030f, Flag,
          "Show the list with less space between its items");
}

} // namespace

void BuildImageAndListElements(KbBuilder& b) {
    b.SetAppearance(AppearanceClass::EmbedProgrammatic);
    Image(b);

    b.SetAppearance(AppearanceClass::List);
    b.Element("L&H", "List &Header", "List &Heading (draft)", 0x2, Container,
              "A heading for a list, as proposed in HTML 3.0 drafts");

    b.Element("&UL", "&Unordered List", "&Bulleted List", 0x7030f, Container,
              "A list whose items are marked with bullets");
    b.Att("&TYPE", "Bullet &Type", "", 0x4030c, TextEnum, "Shape of the bullets");
    b.Val("&DISC", "&Disc", "Solid &Disc Bullet", 0x4030c,
          "Mark the items with solid round bullets");
    b.Val("&SQUARE", "&Square", "&Square Bullet", 0x4030c, "Mark the items with square bullets");
    b.Val("&CIRCLE", "&Circle", "Hollow &Circle Bullet", 0x4030c,
          "Mark the items with hollow round bullets");
    ListAlign(b);
    b.Att("&SRC", "Bullet &Image", "Bullet &Image URI", 0x2, ImageUrl,
          "Image to use as the bullet of each item");
    Compact(b);
    CommonEvents(b);

    b.Element("&OL", "&Ordered List", "&Numbered List", 0x7030f, Container,
              "A list whose items are numbered");
    b.Att("&START", "&Start", "&Starting Number", 0x7030c, Number, "Number of the first item");
    b.Att("&TYPE", "Numbering &Type", "", 0x7030c, TextEnum, "Style of the item numbers");
    ListTypes(b, true, false);
    ListAlign(b);
    Compact(b);
    CommonEvents(b);

    b.Element("L&I\tCtrl+J", "List &Item\tCtrl+J", "", 0x7030f, EndTagOptional,
              "An item of a list");
    b.Att("&TYPE", "Marker &Type", "", 0x7030c, TextEnum,
          "Style of this item's number or bullet, and of those after it");
    ListTypes(b, true, true);
    b.Att("&VALUE", "&Value", "Item &Number", 0x7030c, Number,
          "Number of this item, from which the following items count on");
    ListAlign(b);
    CommonEvents(b);

    b.Element("&DL", "&Definition List", "&Glossary List", 0x7030f, Container,
              "A list of terms, each followed by its definition");
    ListAlign(b);
    Compact(b);
    CommonEvents(b);

    b.Element("D&T", "Defined &Term", "", 0x7030f, Empty, "A term in a definition list");
    b.Inside("DL");
    ListAlign(b);
    CommonEvents(b);

    b.Element("&DD", "&Definition", "Term &Definition", 0x7030f, Empty,
              "The definition of a term in a definition list");
    b.Inside("DL");
    ListAlign(b);
    CommonEvents(b);

    b.Element("D&IR", "D&irectory List", "", 0x7030f, Container,
              "A list of short items, such as file names");
    Compact(b);
    CommonEvents(b);

    b.Element("&MENU", "&Menu List", "", 0x7030f, Container, "A list of short choices");
    Compact(b);
    CommonEvents(b);

    b.SetAppearance(AppearanceClass::EmbedProgrammatic);
    b.Element("&FIG", "&Figure", "&Figure (draft)", 0x2, Container,
              "A figure with a caption and credits, as proposed in HTML 3.0 drafts");
    b.Element("&OVERLAY", "&Overlay", "Figure &Overlay (draft)", 0x2, Container,
              "An image laid over a figure, as proposed in HTML 3.0 drafts");
}

} // namespace velto

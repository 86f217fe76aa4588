// Contents: image maps, fonts, spans, sounds, comments, marquees, buttons and labels.
#include "core/htmlkb/KbBuilder.h"
#include "core/htmlkb/KbContents.h"

namespace velto {

using namespace AttKind;
using namespace ElementClass;

namespace {

void Loop(KbBuilder& b, std::string_view description) {
    b.Att("&LOOP", "&Loop", "", 0x70000, TextEnum, description);
    b.Val("&INFINITE", "&Infinite", "", 0x70000, "Play repeatedly");
    b.Other(0x70000, "Play a specified number of times", ValueFlags::OtherNumber, "&Count...");
}

void MapsAndFonts(KbBuilder& b) {
    b.SetAppearance(AppearanceClass::EmbedProgrammatic);
    b.Element("&MAP", "Image &Map", "Client-Side Image &Map", 0x7030c, Container,
              "A client-side image map: areas of an image that are links");
    b.Att("&NAME", "&Name", "&Map Name", 0x7030c, Text,
          "Name by which images refer to the map in USEMAP");
    b.Events({{0x40008, 0x300043ff}});

    b.Element("&AREA", "&Area", "Image Map &Area", 0x7030c, Empty,
              "One area of a client-side image map and its link");
    b.Inside("MAP");
    b.Att("AL&T", "Alternative &Text", "&Text Only Description", 0x7030c, Required | Text,
          "Description of the area's link for when images are not shown");
    TabIndexAttribute(b);
    b.Att("&SHAPE", "&Shape", "Area &Shape", 0x7030c, TextEnum, "Shape of the area");
    b.Val("&RECT", "&Rectangle", "", 0x7030c, "A rectangle: left, top, right, bottom");
    b.Val("&CIRC", "&Circle", "", 0x7030c, "A circle: centre x, centre y, radius");
    b.Val("&POLY", "&Polygon", "", 0x7030c, "A polygon: x and y of each corner in turn");
    b.Att("C&OORDS", "C&oordinates", "Area C&oordinates", 0x7030c, Text,
          "Coordinates of the area, in the order its shape needs (comma separated)");
    b.Att("H&REF", "Hyperlink U&RI", "&Destination URI", 0x7030c, DocumentUrl,
          "Address (URL) of the area's link");
    b.Att("NO&HREF", "No &Link", "&Area Without Link", 0x7030c, Flag, "The area leads nowhere");
    b.Att("TAR&GET", "Tar&get", "Tar&get Window", 0x60308, TextEnum,
          "Name of a target window (or frame) to display the link");
    TargetValues(b);
    b.Att("&NAME", "&Name", "", 0x40000, Text, "Name of the area, for scripts");
    b.Events({{0x200, 0x30000060}, {0x200, 0x30000018}, {0x40008, 0x30007fff}});

    b.SetAppearance(AppearanceClass::Style);
    b.Element("BASE&FONT", "Base &Font", "Document Base &Font", 0x70308, Container,
              "The font against which relative font sizes are measured");
    b.Att("&COLOR", "&Colour", "Text &Colour", 0x70008, Colour, "Colour of the text");
    b.Att("&NAME", "&Name", "Font &Name", 0x70308, Text, "Name of the font");
    b.Att("&FACE", "&Face", "Font &Face", 0x70008, Text,
          "Names of the fonts to use, in order of preference (comma separated)");
    b.Att("&SIZE", "&Size", "Base Font &Size", 0x70308, Required | TextEnum,
          "Size of the base font, from 1 to 7 (normally 3)");
    FontSizeValues(b);

    b.Element("S&PAN", "S&pan", "Generic &Span", 0x60008, Container,
              "A run of text within a line, for styles");
    DataBindingAttributes(b, true);
    CommonEvents(b);

    b.SetAppearance(AppearanceClass::EmbedProgrammatic);
    b.Element("B&GSOUND", "Back&ground Sound", "", 0x70008, Container,
              "A sound played while the page is shown");
    b.Att("&SRC", "Sound &Source", "Sound File &URI", 0x70000, SoundUrl,
          "Address (URL) of the sound file");
    Loop(b, "Controls the number of times the sound will play");

    b.SetAppearance(AppearanceClass::StructureLayout);
    b.Element("&CENTER", "&Centre", "&Centred Block", 0x7030c, Container,
              "Centres its content between the margins");
    CommonEvents(b);

    b.SetAppearance(AppearanceClass::Comment);
    b.Element("!&--", "&Comment", "HTML &Comment", 0xfffffff, Container,
              "A comment, which browsers do not show");
    b.Select(2);
    b.Element("C&OMMENT", "C&omment Element", "", 0x70008, Container,
              "A comment that Internet Explorer does not show");
    b.Select(2);
    b.Att("&TITLE", "&Title", "Comment &Title", 0x40000, Text, "Title of the comment");

    b.SetAppearance(AppearanceClass::Style);
    b.Element("F&ONT", "F&ont", "F&ont Change", 0x7030c, Container,
              "Text in another size, colour or face");
    b.Att("&COLOR", "&Colour", "Text &Colour", 0x7030c, Colour, "Colour of the text");
    b.Att("&FACE", "&Face", "Font &Face", 0x70308, Text,
          "Names of the fonts to use, in order of preference (comma separated)");
    b.Att("&SIZE", "&Size", "Font &Size", 0x7030c, TextEnum,
          "Size of the font, from 1 to 7, or relative to the base font (such as +1)");
    FontSizeValues(b);
    b.Other(0x7030c, "Size relative to the base font, such as +1 or -2", ValueFlags::OtherRelative,
            "&Relative...");
    CommonEvents(b);
}

void Marquee(KbBuilder& b) {
    b.SetAppearance(AppearanceClass::EmbedProgrammatic);
    b.Element("MAR&QUEE", "Mar&quee", "Scrolling Mar&quee", 0x70008, Container,
              "Text that scrolls across the page");
    const std::uint32_t v = 0x70000;
    b.Att("&ALIGN", "&Alignment", "&Alignment To Text", v, TextEnum,
          "Alignment of the marquee with the surrounding text");
    AlignValues(b, AlignSense::Object,
                {"LEFT", "RIGHT", "TOP", "TEXTTOP", "MIDDLE", "ABSMIDDLE", "BASELINE", "BOTTOM",
                 "ABSBOTTOM"});
    b.Att("&BEHAVIOR", "&Behaviour", "Scrolling &Behaviour", v, TextEnum, "How the text moves");
    b.Val("&SCROLL", "&Scroll", "&Scroll Across", v, "Scroll the text on and off repeatedly");
    b.Val("S&LIDE", "S&lide", "S&lide In and Stop", v, "Slide the text in and stop");
    b.Val("AL&TERNATE", "Al&ternate", "Bounce (al&ternate)", v,
          "Move the text back and forth between the sides");
    b.Att("B&GCOLOR", "Back&ground Colour", "", v, Colour, "Colour behind the marquee");
    b.Att("&DIRECTION", "&Direction", "Scrolling &Direction", v, TextEnum,
          "Direction in which the text moves");
    b.Val("&LEFT", "&Left", "Towards the &Left", v, "Move the text towards the left");
    b.Val("&RIGHT", "&Right", "Towards the &Right", v, "Move the text towards the right");
    b.Val("&UP", "&Up", "", 0x40000, "Move the text upwards");
    b.Val("&DOWN", "&Down", "", 0x40000, "Move the text downwards");
    b.Att("H&EIGHT", "H&eight", "", v, NumberOrPercent,
          "Height of the marquee (in pixels or percent)");
    b.Att("&WIDTH", "&Width", "", v, NumberOrPercent,
          "Width of the marquee (in pixels or percent)");
    b.Att("&HSPACE", "&Horizontal Margin", "", v, Number,
          "Margin to left and right of the marquee (in pixels)");
    b.Att("&VSPACE", "&Vertical Margin", "", v, Number,
          "Margin above and below the marquee (in pixels)");
    Loop(b, "Controls the number of times the text will scroll");
    b.Att("SCROLLA&MOUNT", "Scroll A&mount", "Step Si&ze", v, Number,
          "Distance the text moves at each step (in pixels)");
    b.Att("SCROLLDE&LAY", "Scroll De&lay", "Step De&lay", v, Number,
          "Time between steps (in milliseconds)");
    DataBindingAttributes(b, true, 0x40000);
    b.Events({{0x40008, 0x300073ff}, {0x40008, 0x500000e0}});
}

void ButtonAndLabel(KbBuilder& b) {
    b.Element("&BUTTON", "&Button", "Push &Button", 0x40008, Container,
              "A push button whose content is its face");
    b.Att("&NAME", "&Name", "Control &Name", 0x40008, Text,
          "Name under which the button's value is submitted");
    b.Att("&VALUE", "&Value", "Submitted &Value", 0x40008, Text,
          "Value submitted when the button is pressed");
    b.Att("&TYPE", "&Type", "Button &Type", 0x40008, TextEnum, "What the button does");
    b.Val("&BUTTON", "&Button", "Script &Button", 0x40008, "A push button for scripts");
    b.Val("&SUBMIT", "&Submit", "&Submit Form", 0x40008, "Submit the form");
    b.Val("&RESET", "&Reset", "&Reset Form", 0x40008,
          "Return the form's controls to their first values");
    b.Att("D&ISABLED", "D&isabled", "", 0x40008, Flag, "The button cannot be pressed");
    TabIndexAttribute(b);
    AccessKeyAttribute(b);
    b.Events({{0x40008, 0x30007c7f}});

    b.Element("&LABEL", "&Label", "Control &Label", 0x40008, Container,
              "A caption for a form control");
    b.Att("&FOR", "&For Control", "", 0x40008, Text, "ID of the control that the label names");
    b.Att("D&ISABLED", "D&isabled", "", 0x40000, Flag, "The label is shown disabled");
    AccessKeyAttribute(b);
    CommonEvents(b);
}

} // namespace

void BuildObjectElements(KbBuilder& b) {
    MapsAndFonts(b);
    Marquee(b);
    ButtonAndLabel(b);

    b.SetAppearance(AppearanceClass::StructureLayout);
    b.Element("&NOBR", "&No Break", "&No Line Breaks", 0x70308, Container,
              "Text that is kept on one line");
    b.Element("&WBR", "&Word Break", "Possible &Word Break", 0x70308, Empty,
              "A place where a line in NOBR text may break");
}

} // namespace velto

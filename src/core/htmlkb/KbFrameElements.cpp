// Contents: plug-ins, scripts, frames, applets and objects.
#include "core/htmlkb/KbBuilder.h"
#include "core/htmlkb/KbContents.h"

#include <string>

namespace velto {

using namespace AttKind;
using namespace ElementClass;

namespace {

void ObjectAlign(KbBuilder& b, std::uint32_t versions, std::string_view what,
                 std::initializer_list<std::string_view> words) {
    b.Att("&ALIGN", "&Alignment", "&Alignment To Text", versions, TextEnum,
          std::string("Alignment of the ").append(what).append(" with the surrounding text"));
    AlignValues(b, AlignSense::Object, words);
}

void Margins(KbBuilder& b, std::uint32_t versions, std::string_view what) {
    b.Att("&HSPACE", "&Horizontal Margin", "", versions, Number,
          std::string("Margin to left and right of the ").append(what).append(" (in pixels)"));
    b.Att("&VSPACE", "&Vertical Margin", "", versions, Number,
          std::string("Margin above and below the ").append(what).append(" (in pixels)"));
}

void Embed(KbBuilder& b) {
    b.Element("&EMBED", "&Embedded Object", "&Plug-In Object", 0x60308, Empty,
              "Content shown by a browser plug-in, such as a sound or a video");
    b.Att("&NAME", "&Name", "", 0x60300, Text, "Name of the object, for scripts");
    b.Att("&SRC", "&Source", "Plug-In Data &URI", 0x60308, Required | ProgramUrl,
          "Address (URL) of the data that the plug-in shows");
    b.Att("H&EIGHT", "H&eight", "", 0x60308, NumberOrPercent,
          "Height of the object (in pixels or percent)");
    b.Att("&WIDTH", "&Width", "", 0x60308, NumberOrPercent,
          "Width of the object (in pixels or percent)");
    ObjectAlign(b, 0x60300, "object",
                {"LEFT", "RIGHT", "TOP", "TEXTTOP", "MIDDLE", "ABSMIDDLE", "BASELINE", "BOTTOM",
                 "ABSBOTTOM"});
    b.Att("H&IDDEN", "H&idden", "H&idden Object", 0x60300, Flag,
          "The plug-in plays without being shown");
    b.Att("&PLUGINSPAGE", "&Plug-In Page", "&Plug-In Download Page", 0x200, DocumentUrl,
          "Address (URL) of a page from which to get the plug-in");
    b.Att("PALE&TTE", "Pale&tte", "Colour Pale&tte", 0x60300, Text,
          "Whether the plug-in's palette is in the foreground or the background");
    AccessKeyAttribute(b, 0x40000);
    b.Events({{0x40008, 0x30007fff}, {0x40008, 0x50000009}});
}

void Script(KbBuilder& b) {
    b.Element("SC&RIPT", "Sc&ript", "Client-Side Sc&ript", 0x6030c, Container,
              "A script that the browser runs");
    b.Att("&TYPE", "&Type", "Script &Type", 0x40008, TextEnum,
          "Media type of the scripting language");
    b.Val("text/&javascript", "&JavaScript", "", 0x40008, "Scripts written in JavaScript");
    b.Val("text/&vbscript", "&VBScript", "", 0x40008, "Scripts written in Visual Basic Script");
    b.Other(0x40008, "Other unlisted media type");
    b.Att("&LANGUAGE", "&Language", "Script &Language", 0x60300, TextEnum,
          "Scripting language of the script");
    ScriptLanguageValues(b);
    b.Att("&SRC", "&Source", "Script File &URI", 0x40208, ScriptUrl,
          "Address (URL) of a file holding the script");
    b.Att("&EVENT", "&Event", "Handled &Event", 0x40000, Text,
          "Event that the script handles, for the element given by FOR");
    b.Att("&FOR", "&For Element", "", 0x40000, Text,
          "ID of the element whose event the script handles");
    b.Att("&IN", "&In", "", 0x40000, Text, "Scope in which the script runs");
    b.Att("LI&BRARY", "Li&brary", "Script Li&brary", 0x6030c, Text,
          "Name of a script library that the script uses");

    b.Element("&NOSCRIPT", "&No Script", "&No Script Content", 0x40208, Container,
              "Content shown by browsers that do not run scripts");
    b.Select(2);
}

void Frames(KbBuilder& b) {
    b.Element("FRAME&SET", "Frame &Set", "&Frames Layout", 0x60308, Container,
              "Divides the window into frames, each showing a document");
    b.Select(2);
    b.Att("&ROWS", "&Rows", "Row &Heights", 0x60308, Text,
          "Heights of the rows of frames (pixels, percent or *, comma separated)");
    b.Att("&COLS", "&Columns", "Column &Widths", 0x60308, Text,
          "Widths of the columns of frames (pixels, percent or *, comma separated)");
    b.Att("&BORDER", "&Border", "&Border Width", 0x60200, Number,
          "Width of the borders between the frames (in pixels)");
    b.Att("FRAME&BORDER", "Frame &Border", "Show Frame &Borders", 0x60200, TextEnum,
          "Whether borders are drawn between the frames");
    FrameBorderValues(b);
    b.Att("FRAME&SPACING", "Frame &Spacing", "", 0x60000, Number,
          "Space between the frames (in pixels)");
    b.Att("BORDER&COLOR", "Border &Colour", "", 0x40200, Colour,
          "Colour of the borders between the frames");
    b.Events({{0x200, 0x30000c00}, {0x200, 0x50000018}, {0x40008, 0x30004c7f}});

    b.Element("&FRAME", "&Frame", "Frame &Window", 0x60308, Empty,
              "One frame of a frame set and the document it shows");
    b.Inside("FRAMESET");
    b.Select(2);
    b.Att("S&RC", "Sou&rce", "Frame Content U&RI", 0x60308, DataUrl,
          "Address (URL) of the document shown in the frame");
    b.Att("&NAME", "&Name", "Frame &Name", 0x60308, Text, "Name by which links target the frame");
    b.Att("&WIDTH", "&Width", "Frame &Width", 0x60308, Number, "Width of the frame (in pixels)");
    b.Att("H&EIGHT", "H&eight", "Frame H&eight", 0x60308, Number,
          "Height of the frame (in pixels)");
    b.Att("MARGIN&WIDTH", "Margin &Width", "", 0x60308, Number,
          "Margin at the left and right of the frame's content (in pixels)");
    b.Att("MARGIN&HEIGHT", "Margin &Height", "", 0x60308, Number,
          "Margin at the top and bottom of the frame's content (in pixels)");
    b.Att("SCRO&LLING", "Scro&lling", "Scro&ll Bars", 0x60308, TextEnum,
          "Whether the frame shows scroll bars");
    ScrollingValues(b);
    b.Att("NO&RESIZE", "No &Resize", "Fixed Si&ze", 0x60308, Flag,
          "The user cannot resize the frame");
    b.Att("FRAME&BORDER", "Frame &Border", "Show Frame &Border", 0x60208, TextEnum,
          "Whether a border is drawn around the frame");
    FrameBorderValues(b);
    b.Att("BORDER&COLOR", "Border &Colour", "", 0x40200, Colour,
          "Colour of the border around the frame");
    b.Events({{0x40008, 0x30000c00}, {0x40008, 0x50000018}});
}

void InlineFrame(KbBuilder& b) {
    b.Element("&IFRAME", "&Inline Frame", "Floating &Inline Frame", 0x60008, Container,
              "A frame within the text that shows another document");
    b.Att("S&RC", "Sou&rce", "Frame Content U&RI", 0x60008, DataUrl,
          "Address (URL) of the document shown in the frame");
    b.Att("&NAME", "&Name", "Frame &Name", 0x60008, Text, "Name by which links target the frame");
    b.Att("&WIDTH", "&Width", "Frame &Width", 0x60008, Number,
          "Width of the frame (in pixels or percent)");
    b.Att("H&EIGHT", "H&eight", "Frame H&eight", 0x60008, Number,
          "Height of the frame (in pixels or percent)");
    b.Att("FRAME&SPACING", "Frame &Spacing", "", 0x60000, Number,
          "Space around the frame (in pixels)");
    b.Att("MARGIN&WIDTH", "Margin &Width", "", 0x60008, Number,
          "Margin at the left and right of the frame's content (in pixels)");
    b.Att("MARGIN&HEIGHT", "Margin &Height", "", 0x60008, Number,
          "Margin at the top and bottom of the frame's content (in pixels)");
    Margins(b, 0x60000, "frame");
    b.Att("SCRO&LLING", "Scro&lling", "Scro&ll Bars", 0x60008, TextEnum,
          "Whether the frame shows scroll bars");
    ScrollingValues(b);
    b.Att("FRAME&BORDER", "Frame &Border", "Show Frame &Border", 0x60008, TextEnum,
          "Whether a border is drawn around the frame");
    FrameBorderValues(b);
    b.Att("BO&RDER", "Bo&rder", "Bo&rder Width", 0x40000, Number,
          "Width of the border around the frame (in pixels)");
    b.Att("BORDER&COLOR", "Border &Colour", "", 0x40000, Colour,
          "Colour of the border around the frame");
    ObjectAlign(b, 0x60008, "frame",
                {"LEFT", "RIGHT", "TOP", "TEXTTOP", "MIDDLE", "ABSMIDDLE", "BASELINE", "BOTTOM",
                 "ABSBOTTOM"});
    b.Events({{0x40008, 0x30000c00}});

    b.Element("NOFRA&MES", "No Fra&mes", "No Fra&mes Content", 0x60308, Container,
              "Content shown by browsers that do not show frames");
    b.Select(2);
}

} // namespace

void BuildFrameElements(KbBuilder& b) {
    b.SetAppearance(AppearanceClass::EmbedProgrammatic);
    Embed(b);
    Script(b);
    b.SetAppearance(AppearanceClass::StructureLayout);
    Frames(b);
    InlineFrame(b);
}

} // namespace velto

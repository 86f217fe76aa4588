// Contents: the table and its parts.
#include "core/htmlkb/KbBuilder.h"
#include "core/htmlkb/KbContents.h"

#include <string>

namespace velto {

using namespace AttKind;
using namespace ElementClass;

namespace {

constexpr std::uint32_t Explorer = 0x70000;

// The border colours of Internet Explorer.
void BorderColours(KbBuilder& b, std::string_view what) {
    b.Att("BORDER&COLOR", "Border &Colour", "", Explorer, Colour,
          std::string("Colour of the border around the ").append(what));
    b.Att("BORDERCOLOR&LIGHT", "&Light Border Colour", "", Explorer, Colour,
          std::string("Colour of the lit edges of the 3D border around the ").append(what));
    b.Att("BORDERCOLOR&DARK", "&Dark Border Colour", "", Explorer, Colour,
          std::string("Colour of the shaded edges of the 3D border around the ").append(what));
}

void Background(KbBuilder& b, std::string_view what, std::uint32_t colourVersions) {
    b.Att("BAC&KGROUND", "Bac&kground Image", "", 0x60000, ImageUrl,
          std::string("Image tiled behind the ").append(what));
    b.Att("B&GCOLOR", "Back&ground Colour", "", colourVersions, Colour,
          std::string("Colour behind the ").append(what));
}

void CellAlignment(KbBuilder& b, std::initializer_list<std::string_view> vertical) {
    b.Att("&ALIGN", "&Alignment", "Horizontal &Alignment", 0x7030e, TextEnum,
          "Horizontal alignment of the content of the cells");
    AlignValues(b, AlignSense::Block, {"LEFT", "CENTER", "RIGHT", "JUSTIFY", "CHAR"});
    b.Att("C&HAR", "Alignment C&haracter", "", 0xa, Text,
          "Character on which to align the cells' content, such as a decimal point");
    b.Att("&VALIGN", "&Vertical Alignment", "", 0x7030e, TextEnum,
          "Vertical alignment of the content of the cells");
    AlignValues(b, AlignSense::Cell, vertical);
}

void Cell(KbBuilder& b, bool header) {
    b.Att("&WIDTH", "&Width", "Cell &Width", 0x7030c, Number,
          "Width of the cell (in pixels or percent)");
    if (header)
        b.Att("H&EIGHT", "H&eight", "Cell H&eight", 0x7030c, Number,
              "Height of the cell (in pixels or percent)");
    b.Att("COL&SPAN", "Column &Span", "", 0x7030e, OptionalNumber,
          "Number of columns that the cell spans");
    b.Att("&ROWSPAN", "&Row Span", "", 0x7030e, OptionalNumber,
          "Number of rows that the cell spans");
    b.Att("&ALIGN", "&Alignment", "Horizontal &Alignment", 0x7030e, TextEnum,
          "Horizontal alignment of the cell's content");
    AlignValues(b, AlignSense::Block, {"LEFT", "CENTER", "RIGHT", "JUSTIFY", "CHAR"});
    b.Att("C&HAR", "Alignment C&haracter", "", 0xa, Text,
          "Character on which to align the cell's content, such as a decimal point");
    b.Att("&VALIGN", "&Vertical Alignment", "", 0x7030e, TextEnum,
          "Vertical alignment of the cell's content");
    if (header)
        AlignValues(b, AlignSense::Cell, {"TOP", "MIDDLE", "BOTTOM", "BASELINE"});
    else
        AlignValues(b, AlignSense::Cell, {"TOP", "CENTER", "BOTTOM", "BASELINE"});
    b.Att("&NOWRAP", "&No Wrap", "Do &Not Wrap Lines", 0x7030e, Flag,
          "Keep the cell's text on one line");
    Background(b, "cell", 0x70308);
    BorderColours(b, "cell");
    b.Att("A&XIS", "A&xis Name", "", 0xa, Text, "Abbreviated name of the cell, for speech");
    b.Att("AXE&S", "Axe&s", "Header Axe&s", 0x2, TextList,
          "Names of the header cells that apply to the cell (comma separated)");
    b.Events({{0x40008, 0x300073ff}});
}

void RowGroup(KbBuilder& b, std::string_view nameText, std::string_view label,
              std::string_view description) {
    b.Element(nameText, label, "", 0x60008, Container, description);
    b.Inside("TABLE");
    b.Att("&ALIGN", "&Alignment", "Horizontal &Alignment", 0x60008, TextEnum,
          "Horizontal alignment of the content of the group's cells");
    AlignValues(b, AlignSense::Block, {"LEFT", "CENTER", "RIGHT"});
    b.Att("&VALIGN", "&Vertical Alignment", "", 0x60008, TextEnum,
          "Vertical alignment of the content of the group's cells");
    AlignValues(b, AlignSense::Cell, {"TOP", "BOTTOM", "CENTER", "BASELINE"});
    b.Att("B&GCOLOR", "Back&ground Colour", "", 0x40000, Colour, "Colour behind the group's cells");
    CommonEvents(b);
}

void Column(KbBuilder& b, bool group) {
    const std::string_view which = group ? "each column of the group" : "the column";
    b.Att("&SPAN", "&Span", "Column &Span", 0x60008, OptionalNumber,
          group ? "Number of columns in the group" : "Number of columns that share these settings");
    b.Att("&WIDTH", "&Width", "Column &Width", 0x60008, Number,
          std::string("Width of ").append(which));
    b.Att("&ALIGN", "&Alignment", "Horizontal &Alignment", 0x60008, TextEnum,
          std::string("Horizontal alignment of the content of ").append(which));
    if (group)
        AlignValues(b, AlignSense::Block, {"LEFT", "CENTER", "RIGHT", "JUSTIFY", "CHAR"});
    else
        AlignValues(b, AlignSense::Block, {"LEFT", "CENTER", "RIGHT"});
    b.Att("C&HAR", "Alignment C&haracter", "", 0x8, Text,
          "Character on which to align the content, such as a decimal point");
    b.Att("CHAR&OFF", "Character &Offset", "", 0x8, TextEnum,
          "Offset of the alignment character within the cells");
    AlignValues(b, AlignSense::Cell, {"TOP", "CENTER", "BOTTOM", "BASELINE"});
    b.Att("&VALIGN", "&Vertical Alignment", "", 0x60008, TextEnum,
          std::string("Vertical alignment of the content of ").append(which));
    if (group)
        AlignValues(b, AlignSense::Cell, {"TOP", "MIDDLE", "BOTTOM", "BASELINE"});
    else
        AlignValues(b, AlignSense::Cell, {"TOP", "CENTER", "BOTTOM", "BASELINE"});
}

void TableFrame(KbBuilder& b) {
    b.Att("&FRAME", "&Frame", "Outer &Frame Sides", 0x6000a, TextEnum,
          "Which sides of the frame around the table are drawn");
    const std::uint32_t v = 0x6000a;
    b.Val("&VOID", "&None", "No Sides (&void)", v, "Draw no side of the frame");
    b.Val("&ABOVE", "&Above", "Top Side (&above)", v, "Draw the top side only");
    b.Val("&BELOW", "&Below", "Bottom Side (&below)", v, "Draw the bottom side only");
    b.Val("&HSIDES", "&Horizontal Sides", "", v, "Draw the top and bottom sides");
    b.Val("V&SIDES", "Vertical &Sides", "", v, "Draw the left and right sides");
    b.Val("&LHS", "&Left Side", "", v, "Draw the left-hand side only");
    b.Val("&RHS", "&Right Side", "", v, "Draw the right-hand side only");
    b.Val("B&OX", "All Sides (b&ox)", "", v, "Draw all four sides");
    b.Val("BO&RDER", "All Sides (bo&rder)", "", v, "Draw all four sides, as BORDER does",
          ValueFlags::AttributeName);
    b.Att("R&ULES", "R&ules", "Inner R&ules", 0x6000a, TextEnum,
          "Which rules between the cells are drawn");
    b.Val("&NONE", "&None", "&No Rules", v, "Draw no rules between the cells");
    b.Val("&GROUPS", "&Groups", "Between Row and Column &Groups", v,
          "Draw rules between row groups and column groups only", ValueFlags::AttributeName);
    b.Val("&ROWS", "&Rows", "Between &Rows", v, "Draw rules between the rows only");
    b.Val("&COLS", "&Columns", "Between &Columns", v, "Draw rules between the columns only");
    b.Val("&ALL", "&All", "&All Rules", v, "Draw rules between all rows and columns");
}

void Table(KbBuilder& b) {
    b.Element("&TABLE", "&Table", "&Table of Rows and Columns", 0x7030e, Container,
              "A table of cells in rows and columns");
    b.Att("&ALIGN", "&Alignment", "Table &Alignment", 0x7030e, TextEnum,
          "Position of the table between the margins, with text flowing around it");
    AlignValues(b, AlignSense::Block,
                {"BLEEDLEFT", "LEFT", "CENTER", "RIGHT", "BLEEDRIGHT", "JUSTIFY"});
    b.Att("&VALIGN", "&Vertical Alignment", "", Explorer, TextEnum,
          "Vertical alignment of the content of all cells");
    AlignValues(b, AlignSense::Cell, {"TOP", "BOTTOM", "MIDDLE", "BASELINE"});
    b.Att("C&LEAR", "C&lear", "C&lear Floating Images", 0x2, TextEnum,
          "Start the table below images floating at the given margins");
    b.Val("&NO", "&No", "Clear &Neither Margin", 0x2, "Start the table beside floating images");
    b.Val("&LEFT", "&Left", "Clear &Left Margin", 0x2, "Start below images at the left margin");
    b.Val("&RIGHT", "&Right", "Clear &Right Margin", 0x2, "Start below images at the right margin");
    b.Val("&ALL", "&All", "Clear &Both Margins", 0x2, "Start below images at either margin");
    b.Att("&WIDTH", "&Width", "Table &Width", 0x7030e, Number,
          "Width of the table (in pixels or percent of the window)");
    b.Att("H&EIGHT", "H&eight", "Table H&eight", 0x70300, Number,
          "Height of the table (in pixels or percent of the window)");
    b.Att("&BORDER", "&Border", "&Border Width", 0x7030e, OptionalNumber,
          "Width of the border around the table (in pixels); alone, a thin border");
    b.Att("CELL&SPACING", "Cell &Spacing", "", 0x7030c, Number,
          "Space between the cells (in pixels)");
    b.Att("CELL&PADDING", "Cell &Padding", "", 0x7030c, Number,
          "Space between the border and the content of each cell (in pixels)");
    Background(b, "table", 0x70208);
    BorderColours(b, "table");
    b.Att("C&OLS", "Number of C&olumns", "", 0x60002, Number,
          "Number of columns, so that the table can be drawn while it loads");
    TableFrame(b);
    b.Att("DATA&SRC", "Data &Source", "", 0x40008, Text, "The source of data for data binding");
    b.Att("&NOWRAP", "&No Wrap", "Do &Not Wrap Lines", 0x2, Flag,
          "Keep the text of the cells on one line");
    b.Events({{0x40008, 0x300073ff}});
}

} // namespace

void BuildTableElements(KbBuilder& b) {
    b.SetAppearance(AppearanceClass::Table);
    Table(b);

    b.Element("&CAPTION", "&Caption", "Table &Caption", 0x7030e, TablePart,
              "The caption of a table or figure");
    b.Inside("FIG TABLE");
    b.Att("&ALIGN", "&Alignment", "Caption &Position", 0x7030e, TextEnum,
          "Where the caption is placed relative to the table");
    b.Val("&TOP", "&Top", "&Above the Table", 0x7030e, "Place the caption above the table");
    b.Val("&BOTTOM", "&Bottom", "&Below the Table", 0x7030e, "Place the caption below the table");
    b.Val("&LEFT", "&Left", "At the &Left", 0x4000a, "Place the caption at the left of the table");
    b.Val("&RIGHT", "&Right", "At the &Right", 0x4000a,
          "Place the caption at the right of the table");
    b.Val("&CENTER", "&Centre", "&Centred", Explorer, "Centre the caption over the table");
    b.Att("&VALIGN", "&Vertical Position", "", Explorer, TextEnum,
          "Whether the caption is placed above or below the table");
    b.Val("&TOP", "&Top", "&Above the Table", Explorer, "Place the caption above the table");
    b.Val("&BOTTOM", "&Bottom", "&Below the Table", Explorer, "Place the caption below the table");
    CommonEvents(b);

    b.Element("T&R", "Table &Row", "", 0x7030e, TablePart, "A row of table cells");
    b.Inside("TABLE");
    CellAlignment(b, {"TOP", "CENTER", "BOTTOM", "BASELINE"});
    b.Att("H&EIGHT", "H&eight", "Row H&eight", 0x70300, Number, "Height of the row (in pixels)");
    b.Att("&NOWRAP", "&No Wrap", "Do &Not Wrap Lines", 0x70302, Flag,
          "Keep the text of the row's cells on one line");
    Background(b, "row", 0x70308);
    BorderColours(b, "row");
    CommonEvents(b);

    b.Element("T&H", "Table &Header Cell", "", 0x7030e, TablePart,
              "A header cell of a table, usually shown in bold and centred");
    b.Inside("TABLE");
    Cell(b, true);

    b.Element("T&D", "Table &Data Cell", "", 0x7030e, TablePart, "A data cell of a table");
    b.Inside("TABLE");
    Cell(b, false);

    RowGroup(b, "T&HEAD", "Table &Head", "The header rows of a table, repeated on each page");
    RowGroup(b, "T&BODY", "Table &Body", "A group of body rows of a table");
    RowGroup(b, "T&FOOT", "Table &Foot", "The footer rows of a table, repeated on each page");

    b.Element("COL&GROUP", "Column &Group", "", 0x60008, Container,
              "A group of table columns that share settings");
    b.Inside("TABLE");
    Column(b, true);

    b.Element("C&OL", "C&olumn", "Column &Properties", 0x60008, Empty,
              "Settings for one or more table columns");
    b.Inside("COLGROUP");
    Column(b, false);
    CommonEvents(b);
}

} // namespace velto

// The table of the HTML insert menus.
#include "core/tagassist/InsertMenuTable.h"

#include "core/menu/CommandIds.h"

#include <array>

namespace velto {

namespace {
using Row = InsertMenuRow;
using Kind = InsertMenuRow::Kind;
using Close = InsertMenuRow::Close;
constexpr std::uint32_t All = InsertMenuRow::AllVersions;

constexpr Row Make(Kind kind, std::uint32_t versions, std::string_view text = {},
                   Close close = Close::None, std::string_view closeText = {}) {
    Row r;
    r.kind = kind;
    r.versions = versions;
    r.text = text;
    r.close = close;
    r.closeText = closeText;
    return r;
}
constexpr Row Sub(std::string_view title, std::uint32_t versions = All) {
    return Make(Kind::Submenu, versions, title);
}
constexpr Row End() {
    return Make(Kind::End, All);
}
constexpr Row Sep(std::uint32_t versions) {
    return Make(Kind::Separator, versions);
}
constexpr Row Cmd(std::string_view text, int id, std::string_view prompt) {
    return Make(Kind::Command, All, text).Id(id).Prompt(prompt);
}
// An item with no closing part.
constexpr Row Open(std::uint32_t versions, std::string_view text) {
    return Make(Kind::Item, versions, text);
}
// An item whose closing part is present but empty.
constexpr Row Mark(std::uint32_t versions, std::string_view text) {
    return Make(Kind::Item, versions, text, Close::Empty);
}
// An item that wraps the selection.
constexpr Row Wrap(std::uint32_t versions, std::string_view text, std::string_view close) {
    return Make(Kind::Item, versions, text, Close::Text, close);
}

constexpr auto Rows = std::to_array<Row>({
    Sub("&Quick"),
        Cmd("Refresh Pre&view\tCtrl+R", CommandId::RefreshPreview, "Refresh the HTML preview in your web browser"),
        Wrap(0x7031F, "<A>", "</A>").Id(CommandId::InsertLink),
        Open(0x7031F, "<IMG>").Prompt("Insert an Image element around the selection or at the carat position"),
        Wrap(0x7031F, "<A><IMG>", "</A>").Label("Image Lin&k").Prompt("Insert an Image element wrapped by a Hypertext Link"),
        Mark(0x7031F, "<LI>").Id(CommandId::InsertListItem),
        Sep(0x7031F),
        Wrap(0x7031F, "<B>", "</B>").Prompt("Set bold text").Id(CommandId::InsertBold),
        Wrap(0x7031F, "<I>", "</I>").Prompt("Set italic text").Id(CommandId::InsertItalic),
        Wrap(0x7031F, "<U>", "</U>").Prompt("Set underlined text"),
        Sep(0x7031F),
        Mark(0x7031F, "<P>").Prompt("Insert paragraph start"),
        Mark(0x7031F, "<BR>").Prompt("Insert break line"),
        Mark(0x7031F, "<HR>").Prompt("Insert a horizontal rule"),
    End(),
    Sub("&Structure"),
        Sub("&Document Head"),
            Wrap(0x7031F, "<HTML>\r\n", "</HTML>\r\n"),
            Open(0x7031F, "<HEAD>\r\n"),
            Wrap(0x7031F, "<TITLE>", "</TITLE>"),
            Open(0x7031F, "<BASE>"),
            Open(0x7031F, "<META>"),
            Open(0x6001F, "<LINK>"),
            Open(0x6001E, "<STYLE>"),
            Open(0x7030F, "<ISINDEX>"),
            Open(0x7031F, "<BODY>"),
        End(),
        Sub("&Headings"),
            Wrap(0x7031F, "<H1>", "</H1>"),
            Wrap(0x7031F, "<H2>", "</H2>"),
            Wrap(0x7031F, "<H3>", "</H3>"),
            Wrap(0x7031F, "<H4>", "</H4>"),
            Wrap(0x7031F, "<H5>", "</H5>"),
            Wrap(0x7031F, "<H6>", "</H6>"),
        End(),
        Sub("Sectio&ns", 0x10),
            Wrap(0x10, "\r\n<HEADER>\r\n", "\r\n</HEADER>\r\n").Label("&Header").Prompt("Insert the introductory content of the page or of a section"),
            Wrap(0x10, "\r\n<NAV>\r\n", "\r\n</NAV>\r\n").Label("&Navigation").Prompt("Insert a section of navigation links"),
            Wrap(0x10, "\r\n<MAIN>\r\n", "\r\n</MAIN>\r\n").Label("&Main Content").Prompt("Insert the main content of the page"),
            Wrap(0x10, "\r\n<ARTICLE>\r\n", "\r\n</ARTICLE>\r\n").Label("&Article").Prompt("Insert a self-contained composition, such as a post or a story"),
            Wrap(0x10, "\r\n<SECTION>\r\n", "\r\n</SECTION>\r\n").Label("&Section").Prompt("Insert a thematic section, usually with a heading"),
            Wrap(0x10, "\r\n<ASIDE>\r\n", "\r\n</ASIDE>\r\n").Label("As&ide").Prompt("Insert content aside from the main flow, such as a sidebar"),
            Wrap(0x10, "\r\n<FOOTER>\r\n", "\r\n</FOOTER>\r\n").Label("&Footer").Prompt("Insert the footer of the page or of a section"),
            Sep(0x10),
            Wrap(0x10, "\r\n<HGROUP>\r\n", "\r\n</HGROUP>\r\n").Label("Heading &Group").Prompt("Group a heading with its subtitles"),
            Wrap(0x10, "\r\n<SEARCH>\r\n", "\r\n</SEARCH>\r\n").Label("Sea&rch").Prompt("Insert a search or filtering part of the page"),
            Wrap(0x10, "FIGURE\t\r\n<FIGURE>\r\n", "\r\n<FIGCAPTION>Replace_With_Your_Caption</FIGCAPTION>\r\n</FIGURE>\r\n")
                .Label("Fig&ure With Caption").Prompt("Insert a figure, such as a picture or a listing, with its caption"),
            Wrap(0x10, "DETAILS\t\r\n<DETAILS>\r\n<SUMMARY>Replace_With_Your_Summary</SUMMARY>\r\n", "\r\n</DETAILS>\r\n")
                .Label("&Details With Summary").Prompt("Insert a disclosure widget that shows its details on request"),
            Wrap(0x10, "\r\n<DIALOG>\r\n", "\r\n</DIALOG>\r\n").Label("Dia&log Box").Prompt("Insert a dialog box or other interactive window"),
        End(),
        Sub("Text La&yout"),
            Mark(0x7031F, "<P>"),
            Mark(0x7031F, "<BR>"),
            Mark(0x70308, "<NOBR>"),
            Mark(0x70318, "<WBR>"),
            Wrap(0x6031E, "<DIV>", "</DIV>"),
            Wrap(0x6030E, "<DIV ALIGN=\"CENTER\">", "</DIV>").Label("&Center Text").Prompt("Center text using <DIV>"),
            Wrap(0x7030C, "<CENTER>", "</CENTER>").Label("&Center Text (deprecated)").Prompt("Center text using <CENTER> (deprecated in HTML 4)"),
            Wrap(0x200, "<MULTICOL COLS=2>", "</MULTICOL>"),
            Mark(0x200, "<SPACER>"),
            Wrap(0x40018, "<BDO DIR=>", "</BDO>").Prompt("Override default language direction left-to-right or right-to-left"),
        End(),
        Sub("Text &Blocks"),
            Wrap(0x7031F, "<PRE>", "</PRE>"),
            Wrap(0x70301, "<XMP>", "</XMP>"),
            Wrap(0x70301, "<LISTING>", "</LISTING>"),
            Wrap(0x7031F, "<ADDRESS>", "</ADDRESS>"),
            Wrap(0x7031D, "<BLOCKQUOTE>", "</BLOCKQUOTE>"),
            Wrap(0x40018, "<Q>", "</Q>"),
            Wrap(0x7031F, "<!-- ", " -->").Label("&Comment <!-- -->").Prompt("Insert comment using <!-- --> (official)"),
            Wrap(0x70000, "<COMMENT>", "</COMMENT>").Label("&Comment <COMMENT>").Prompt("Insert comment using <COMMENT>"),
            Wrap(0x40018, "<INS>", "</INS>").Prompt("Identify text that has been inserted into the document"),
            Wrap(0x40018, "<DEL>", "</DEL>").Prompt("Identify text that has been removed from the document"),
        End(),
        Sep(0x60308),
        Wrap(0x60308, "\r\n<FRAMESET>\r\n", "</FRAMESET>\r\n").Label("New &Frame Set").Prompt("Partition page into frames"),
        Wrap(0x60308, "\r\n<NOFRAMES>\r\n", "</NOFRAMES>\r\n").Label("Non F&rames Content").Prompt("Include alternative content for non-frame browsers"),
        Wrap(0x60308, "FRAME\t  <FRAME>", "\r\n"),
        Wrap(0x60018, "\r\n<IFRAME>", "</IFRAME>\r\n").Prompt("Insert a floating frame"),
        Sep(0x7031F),
        Sub("New &List", 0x7031F),
            Wrap(0x7031F, "<UL>\r\n", "</UL>\r\n"),
            Wrap(0x7031F, "<OL>\r\n", "</OL>\r\n"),
            Wrap(0x7031F, "<DL>\r\n<DT>", "<DD>\r\n</DL>\r\n"),
        End(),
        Mark(0x7031F, "<LI>"),
        Mark(0x7031F, "<DT>"),
        Mark(0x7031F, "<DD>"),
    End(),
    Sub("For&matting"),
        Sub("&Typographic"),
            Wrap(0x7031F, "<B>", "</B>").Prompt("Renders bold text"),
            Wrap(0x7031F, "<I>", "</I>").Prompt("Renders italic text"),
            Wrap(0x7001B, "<U>", "</U>").Prompt("Renders underlined text"),
            Wrap(0x7030D, "<STRIKE>", "</STRIKE>").Label("Stri&keout <STRIKE>").Prompt("Renders strikeout text using <STRIKE>"),
            Wrap(0x7021A, "<S>", "</S>").Label("Stri&keout <S>").Prompt("Renders strikeout text using <S>"),
            Wrap(0x7030F, "<TT>", "</TT>").Prompt("Renders fixed pitch teletype text"),
        End(),
        Sub("&Fonts"),
            Mark(0x70308, "<BASEFONT>").Prompt("Define the base font"),
            Wrap(0x7030C, "<FONT>", "</FONT>").Prompt("Change the current font"),
            Wrap(0x6030C, "<BIG>", "</BIG>").Prompt("Large text"),
            Wrap(0x6031C, "<SMALL>", "</SMALL>").Prompt("Small text"),
            Wrap(0x6031C, "<SUP>", "</SUP>").Prompt("Superscript"),
            Wrap(0x6031C, "<SUB>", "</SUB>").Prompt("Subscript"),
        End(),
        Sub("&Content"),
            Wrap(0x7031F, "<EM>", "</EM>").Prompt("Indicates emphasis"),
            Wrap(0x7031F, "<STRONG>", "</STRONG>").Prompt("Indicates strong emphasis"),
            Wrap(0x7031F, "<CITE>", "</CITE>").Prompt("Cites a reference or other source"),
            Wrap(0x7001F, "<DFN>", "</DFN>").Prompt("Indicates that this is the defining instance of the enclosed term"),
            Wrap(0x7031F, "<CODE>", "</CODE>").Prompt("Designates a fragment of computer code"),
            Wrap(0x7031F, "<SAMP>", "</SAMP>").Prompt("Designates sample output from programs, scripts, etc."),
            Wrap(0x7031F, "<KBD>", "</KBD>").Prompt("Indicates text to be entered by the user"),
            Wrap(0x7031F, "<VAR>", "</VAR>").Prompt("Indicates an instance of a variable or program argument"),
            Wrap(0x40008, "<ACRONYM>", "</ACRONYM>").Prompt("Indicates an acronym (e.g., WWW, HTTP, URL, etc.)."),
            Wrap(0x40018, "<ABBR>", "</ABBR>").Label("A&bbreviation").Prompt("Indicates an abbreviation, with its expansion in TITLE"),
            Wrap(0x10, "<MARK>", "</MARK>").Label("&Marked Text").Prompt("Highlights text for reference, such as a search match"),
            Wrap(0x10, "<TIME DATETIME=\"\">", "</TIME>").Label("&Date or Time").Prompt("Marks a date or time, with its machine-readable form in DATETIME"),
            Wrap(0x10, "<DATA VALUE=\"\">", "</DATA>").Label("Machine-Readable &Value").Prompt("Gives content a machine-readable value"),
            Wrap(0x10, "<BDI>", "</BDI>").Label("&Isolated Direction").Prompt("Isolates text whose direction may differ, such as a user name"),
        End(),
        Wrap(0x60018, "<SPAN>", "</SPAN>").Prompt("Insert a style block"),
    End(),
    Sub("&Advanced"),
        Wrap(0x7031E, "\r\n<TABLE BORDER>\r\n", "\r\n</TABLE>\r\n").Label("New &Table"),
        Wrap(0x7031E, "<CAPTION>", "</CAPTION>"),
        Mark(0x7031E, "TR\t  <TR>"),
        Mark(0x7031E, "<TH>"),
        Mark(0x7031E, "<TD>"),
        Wrap(0x60018, "<THEAD>", "\r\n</THEAD>\r\n"),
        Wrap(0x60018, "<TBODY>", "\r\n</TBODY>\r\n"),
        Wrap(0x60018, "<TFOOT>", "\r\n</TFOOT>\r\n"),
        Wrap(0x60018, "<COLGROUP>\r\n", "\r\n</COLGROUP>\r\n"),
        Mark(0x60018, "COL\t  <COL>"),
        Sep(0x7031C),
        Sub("M&edia", 0x10),
            Wrap(0x10, "PICTURE\t\r\n<PICTURE>\r\n  <SOURCE SRCSET=\"\" MEDIA=\"(min-width: 800px)\">\r\n  <IMG SRC=\"\" ALT=\"\">\r\n", "</PICTURE>\r\n")
                .Label("&Picture With Sources").Prompt("Insert an image with other sources for other screens"),
            Wrap(0x10, "VIDEO\t\r\n<VIDEO CONTROLS WIDTH=\"640\" HEIGHT=\"360\">\r\n  <SOURCE SRC=\"\" TYPE=\"video/mp4\">\r\n  <TRACK KIND=\"captions\" SRC=\"\" SRCLANG=\"en\" LABEL=\"English\">\r\n", "</VIDEO>\r\n")
                .Label("&Video").Prompt("Insert a video with its source and captions"),
            Wrap(0x10, "AUDIO\t\r\n<AUDIO CONTROLS>\r\n  <SOURCE SRC=\"\" TYPE=\"audio/mpeg\">\r\n", "</AUDIO>\r\n")
                .Label("&Audio").Prompt("Insert a sound or music player with its source"),
            Open(0x10, "SOURCE\t<SOURCE SRC=\"\" TYPE=\"\">").Label("Media &Source").Prompt("Insert another source of a picture, video or audio"),
            Open(0x10, "TRACK\t<TRACK KIND=\"subtitles\" SRC=\"\" SRCLANG=\"\">").Label("&Text Track").Prompt("Insert subtitles, captions or chapters for a video"),
            Sep(0x10),
            Wrap(0x10, "<CANVAS WIDTH=\"300\" HEIGHT=\"150\">", "</CANVAS>").Label("&Canvas").Prompt("Insert a drawing surface for scripts"),
            Wrap(0x10, "SVG\t\r\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\" viewBox=\"0 0 100 100\">\r\n", "\r\n</svg>\r\n")
                .Label("S&VG Drawing").Prompt("Insert a drawing in SVG"),
            Wrap(0x10, "\r\n<TEMPLATE>\r\n", "\r\n</TEMPLATE>\r\n").Label("Te&mplate").Prompt("Insert content that scripts copy into the page"),
        End(),
        Sub("&Objects", 0x7031C),
            Wrap(0x60018, "\r\n<OBJECT>\r\n", "\r\n</OBJECT>"),
            Mark(0x60318, "<EMBED>"),
            Wrap(0x70008, "<MARQUEE>", "</MARQUEE>"),
            Mark(0x70008, "<BGSOUND>"),
            Wrap(0x6031C, "\r\n<SCRIPT>\r\n<!-- hide script from old browsers\r\n",
                 "\r\n// end hiding from old browsers -->\r\n</SCRIPT>"),
            Wrap(0x40218, "\r\n<NOSCRIPT>\r\n", "</NOSCRIPT>\r\n"),
            Wrap(0x40018, "\r\n<BUTTON>\r\n", "</BUTTON>\r\n"),
            Wrap(0x40018, "\r\n<LABEL>\r\n", "</LABEL>\r\n"),
            Sep(0x30C),
            Wrap(0x6030C, "\r\n<APPLET>\r\n", "</APPLET>"),
            Mark(0x6030C, "PARAM\t  <PARAM>\r\n"),
        End(),
        Sep(0x7031F),
        Wrap(0x7031F, "\r\n<FORM METHOD=POST ACTION=\"\">\r\n", "</FORM>\r\n").Label("New &Form").Prompt("Insert Form tags ready for field creation"),
        Wrap(0x40018, "FIELDSET\t<FIELDSET>\r\n<LEGEND>Replace_With_Your_Caption</LEGEND>\r\n", "\r\n</FIELDSET>\r\n")
            .Label("Field Se&t").Prompt("Groups a set of form fields under a shared caption"),
        Sub("I&nsert Field"),
            Open(0x7031F, "INPUT\t<P>Text Field: <INPUT TYPE=TEXT NAME=\"Text Field\" SIZE=25>\r\n")
                .Label("&Text Input").Prompt("Insert a text input field"),
            Wrap(0x7031F, "TEXTAREA\t<P>Text Area: <BR>\r\n<P><TEXTAREA ROWS=6 COLS=25 NAME=\"TextAreaName\">Initial Content", "</TEXTAREA>\r\n")
                .Label("&Multi-line Text Input").Prompt("Insert a multi line text input area"),
            Open(0x7031F, "INPUT\t<P>Password: <INPUT TYPE=PASSWORD NAME=\"Password\" SIZE=12>\r\n")
                .Label("&Password Input").Prompt("Insert a password input field"),
            Open(0x7031F, "INPUT\t<P><INPUT TYPE=CHECKBOX NAME=\"Checkbox Group\" VALUE=\"CheckboxValue\"> Checkbox\r\n")
                .Label("Chec&k Box").Prompt("Insert a checkbox"),
            Open(0x7031F, "INPUT\t<P><INPUT TYPE=RADIO NAME=\"Radio Button Group\" VALUE=\"RadioButtonValue\"> Radio Button\r\n")
                .Label("&Radio Button").Prompt("Insert a radio button"),
            Open(0x7031F, "INPUT\t<P><INPUT TYPE=HIDDEN NAME=\"Hidden Field\" VALUE=\"HiddenReturnValue\">\r\n")
                .Label("&Hidden Field").Prompt("Insert a hidden field"),
            Open(0x7031F, "INPUT\t<P><INPUT TYPE=SUBMIT NAME=\"ContributionSubmit\" VALUE=\"Submit\">\r\n")
                .Label("&Submit Button").Prompt("Insert a submit button"),
            Open(0x7031F, "INPUT\t<P><INPUT TYPE=IMAGE SRC=\"\" NAME=\"ContributionImageSubmit\" ALIGN=TOP>\r\n")
                .Label("&Graphic Submit Button").Prompt("Insert a submit button displayed using a specified image"),
            Open(0x7031F, "INPUT\t<P><INPUT TYPE=RESET VALUE=\"Reset\">\r\n")
                .Label("Reset Butto&n").Prompt("Insert a form reset button"),
            Sep(0x10),
            Open(0x10, "INPUT\t<P>E-mail: <INPUT TYPE=EMAIL NAME=\"E-mail\">\r\n")
                .Label("E-&mail Input").Prompt("Insert an e-mail address field"),
            Open(0x10, "INPUT\t<P>Web Address: <INPUT TYPE=URL NAME=\"WebAddress\">\r\n")
                .Label("&Web Address Input").Prompt("Insert a web address (URL) field"),
            Open(0x10, "INPUT\t<P>Telephone: <INPUT TYPE=TEL NAME=\"Telephone\">\r\n")
                .Label("Te&lephone Input").Prompt("Insert a telephone number field"),
            Open(0x10, "INPUT\t<P>Number: <INPUT TYPE=NUMBER NAME=\"Number\">\r\n")
                .Label("N&umber Input").Prompt("Insert a number field with a spin box"),
            Open(0x10, "INPUT\t<P>Range: <INPUT TYPE=RANGE NAME=\"Range\" MIN=\"0\" MAX=\"100\">\r\n")
                .Label("Ran&ge Slider").Prompt("Insert a slider for a number in a range"),
            Open(0x10, "INPUT\t<P>Date: <INPUT TYPE=DATE NAME=\"Date\">\r\n")
                .Label("&Date Input").Prompt("Insert a date field with a calendar"),
            Open(0x10, "INPUT\t<P>Month: <INPUT TYPE=MONTH NAME=\"Month\">\r\n")
                .Label("M&onth Input").Prompt("Insert a month and year field"),
            Open(0x10, "INPUT\t<P>Week: <INPUT TYPE=WEEK NAME=\"Week\">\r\n")
                .Label("W&eek Input").Prompt("Insert a week and year field"),
            Open(0x10, "INPUT\t<P>Time: <INPUT TYPE=TIME NAME=\"Time\">\r\n")
                .Label("T&ime Input").Prompt("Insert a time field"),
            Open(0x10, "INPUT\t<P>Date and Time: <INPUT TYPE=DATETIME-LOCAL NAME=\"DateandTime\">\r\n")
                .Label("Date &and Time Input").Prompt("Insert a local date and time field"),
            Open(0x10, "INPUT\t<P>Colour: <INPUT TYPE=COLOR NAME=\"Colour\">\r\n")
                .Label("&Colour Input").Prompt("Insert a colour field with a colour chooser"),
            Open(0x10, "INPUT\t<P>Search: <INPUT TYPE=SEARCH NAME=\"Search\">\r\n")
                .Label("Searc&h Field").Prompt("Insert a search field"),
            Wrap(0x10, "DATALIST\t<DATALIST ID=\"ListId\">\r\n  <OPTION VALUE=\"Suggestion\">\r\n", "</DATALIST>\r\n")
                .Label("Su&ggestions List").Prompt("Insert a list of suggested values for an input's LIST"),
            Wrap(0x10, "<OUTPUT NAME=\"result\">", "</OUTPUT>").Label("Calculation &Result").Prompt("Insert the result of a calculation in the form"),
            Open(0x10, "METER\t<METER VALUE=\"0.5\">50%</METER>").Label("Me&ter").Prompt("Insert a gauge of a value within a known range"),
            Open(0x10, "PROGRESS\t<PROGRESS VALUE=\"0\" MAX=\"100\"></PROGRESS>").Label("Pro&gress Bar").Prompt("Insert a bar showing the progress of a task"),
        End(),
        Wrap(0x7031F, "SELECT\t<P>Select From List: <BR>\r\n<P><SELECT SIZE=1 NAME=\"ListName\">\r\n"
                      "  <P><OPTION SELECTED VALUE=\"ReturnValue\">Initial Item</OPTION>\r\n"
                      "  <P><OPTION VALUE=\"ReturnValue\">Another Item</OPTION>\r\n", "</SELECT>\r\n")
            .Label("Drop Do&wn List Box").Prompt("Insert a drop down list box"),
        Wrap(0x7031F, "SELECT\t<P>Select From List: <BR>\r\n<P><SELECT SIZE=6 NAME=\"ListName\">\r\n"
                      "  <P><OPTION SELECTED VALUE=\"ReturnValue\">Initial Item</OPTION>\r\n"
                      "  <P><OPTION VALUE=\"ReturnValue\">Another Item</OPTION>\r\n", "</SELECT>\r\n")
            .Label("&Scrolling List Box").Prompt("Insert a scrolling list box"),
        Wrap(0x7031F, "OPTION\t  <P><OPTION VALUE=\"ReturnValue\">Option Text", "</OPTION>\r\n")
            .Label("List Bo&x Option").Prompt("Insert an option into a form list"),
        Sep(0x7031C),
        Wrap(0x7031C, "<MAP>\r\n", "</MAP>\r\n"),
        Mark(0x7031C, "AREA\t<AREA>\r\n"),
    End(),
});
} // namespace

std::span<const InsertMenuRow> InsertMenuTable() noexcept {
    return Rows;
}

} // namespace velto

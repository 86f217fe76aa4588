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
        Wrap(0x7030F, "<A>", "</A>").Id(CommandId::InsertLink),
        Open(0x7030F, "<IMG>").Prompt("Insert an Image element around the selection or at the carat position"),
        Wrap(0x7030F, "<A><IMG>", "</A>").Label("Image Lin&k").Prompt("Insert an Image element wrapped by a Hypertext Link"),
        Mark(0x7030F, "<LI>").Id(CommandId::InsertListItem),
        Sep(0x7030F),
        Wrap(0x7030F, "<B>", "</B>").Prompt("Set bold text").Id(CommandId::InsertBold),
        Wrap(0x7030F, "<I>", "</I>").Prompt("Set italic text").Id(CommandId::InsertItalic),
        Wrap(0x7030F, "<U>", "</U>").Prompt("Set underlined text"),
        Sep(0x7030F),
        Mark(0x7030F, "<P>").Prompt("Insert paragraph start"),
        Mark(0x7030F, "<BR>").Prompt("Insert break line"),
        Mark(0x7030F, "<HR>").Prompt("Insert a horizontal rule"),
    End(),
    Sub("&Structure"),
        Sub("&Document Head"),
            Wrap(0x7030F, "<HTML>\r\n", "</HTML>\r\n"),
            Open(0x7030F, "<HEAD>\r\n"),
            Wrap(0x7030F, "<TITLE>", "</TITLE>"),
            Open(0x7030F, "<BASE>"),
            Open(0x7030F, "<META>"),
            Open(0x6000F, "<LINK>"),
            Open(0x6000E, "<STYLE>"),
            Open(0x7030F, "<ISINDEX>"),
            Open(0x7030F, "<BODY>"),
        End(),
        Sub("&Headings"),
            Wrap(0x7030F, "<H1>", "</H1>"),
            Wrap(0x7030F, "<H2>", "</H2>"),
            Wrap(0x7030F, "<H3>", "</H3>"),
            Wrap(0x7030F, "<H4>", "</H4>"),
            Wrap(0x7030F, "<H5>", "</H5>"),
            Wrap(0x7030F, "<H6>", "</H6>"),
        End(),
        Sub("Text La&yout"),
            Mark(0x7030F, "<P>"),
            Mark(0x7030F, "<BR>"),
            Mark(0x70308, "<NOBR>"),
            Mark(0x70308, "<WBR>"),
            Wrap(0x6030E, "<DIV>", "</DIV>"),
            Wrap(0x6030E, "<DIV ALIGN=\"CENTER\">", "</DIV>").Label("&Center Text").Prompt("Center text using <DIV>"),
            Wrap(0x7030C, "<CENTER>", "</CENTER>").Label("&Center Text (deprecated)").Prompt("Center text using <CENTER> (deprecated in HTML 4)"),
            Wrap(0x200, "<MULTICOL COLS=2>", "</MULTICOL>"),
            Mark(0x200, "<SPACER>"),
            Wrap(0x40008, "<BDO DIR=>", "</BDO>").Prompt("Override default language direction left-to-right or right-to-left"),
        End(),
        Sub("Text &Blocks"),
            Wrap(0x7030F, "<PRE>", "</PRE>"),
            Wrap(0x70301, "<XMP>", "</XMP>"),
            Wrap(0x70301, "<LISTING>", "</LISTING>"),
            Wrap(0x7030F, "<ADDRESS>", "</ADDRESS>"),
            Wrap(0x7030D, "<BLOCKQUOTE>", "</BLOCKQUOTE>"),
            Wrap(0x40008, "<Q>", "</Q>"),
            Wrap(0x7030F, "<!-- ", " -->").Label("&Comment <!-- -->").Prompt("Insert comment using <!-- --> (official)"),
            Wrap(0x70000, "<COMMENT>", "</COMMENT>").Label("&Comment <COMMENT>").Prompt("Insert comment using <COMMENT>"),
            Wrap(0x40008, "<INS>", "</INS>").Prompt("Identify text that has been inserted into the document"),
            Wrap(0x40008, "<DEL>", "</DEL>").Prompt("Identify text that has been removed from the document"),
        End(),
        Sep(0x60308),
        Wrap(0x60308, "\r\n<FRAMESET>\r\n", "</FRAMESET>\r\n").Label("New &Frame Set").Prompt("Partition page into frames"),
        Wrap(0x60308, "\r\n<NOFRAMES>\r\n", "</NOFRAMES>\r\n").Label("Non F&rames Content").Prompt("Include alternative content for non-frame browsers"),
        Wrap(0x60308, "FRAME\t  <FRAME>", "\r\n"),
        Wrap(0x60008, "\r\n<IFRAME>", "</IFRAME>\r\n").Prompt("Insert a floating frame"),
        Sep(0x7030F),
        Sub("New &List", 0x7030F),
            Wrap(0x7030F, "<UL>\r\n", "</UL>\r\n"),
            Wrap(0x7030F, "<OL>\r\n", "</OL>\r\n"),
            Wrap(0x7030F, "<DL>\r\n<DT>", "<DD>\r\n</DL>\r\n"),
        End(),
        Mark(0x7030F, "<LI>"),
        Mark(0x7030F, "<DT>"),
        Mark(0x7030F, "<DD>"),
    End(),
    Sub("For&matting"),
        Sub("&Typographic"),
            Wrap(0x7030F, "<B>", "</B>").Prompt("Renders bold text"),
            Wrap(0x7030F, "<I>", "</I>").Prompt("Renders italic text"),
            Wrap(0x7000B, "<U>", "</U>").Prompt("Renders underlined text"),
            Wrap(0x7030D, "<STRIKE>", "</STRIKE>").Label("Stri&keout <STRIKE>").Prompt("Renders strikeout text using <STRIKE>"),
            Wrap(0x7020A, "<S>", "</S>").Label("Stri&keout <S>").Prompt("Renders strikeout text using <S>"),
            Wrap(0x7030F, "<TT>", "</TT>").Prompt("Renders fixed pitch teletype text"),
        End(),
        Sub("&Fonts"),
            Mark(0x70308, "<BASEFONT>").Prompt("Define the base font"),
            Wrap(0x7030C, "<FONT>", "</FONT>").Prompt("Change the current font"),
            Wrap(0x6030C, "<BIG>", "</BIG>").Prompt("Large text"),
            Wrap(0x6030C, "<SMALL>", "</SMALL>").Prompt("Small text"),
            Wrap(0x6030C, "<SUP>", "</SUP>").Prompt("Superscript"),
            Wrap(0x6030C, "<SUB>", "</SUB>").Prompt("Subscript"),
        End(),
        Sub("&Content"),
            Wrap(0x7030F, "<EM>", "</EM>").Prompt("Indicates emphasis"),
            Wrap(0x7030F, "<STRONG>", "</STRONG>").Prompt("Indicates strong emphasis"),
            Wrap(0x7030F, "<CITE>", "</CITE>").Prompt("Cites a reference or other source"),
            Wrap(0x7000F, "<DFN>", "</DFN>").Prompt("Indicates that this is the defining instance of the enclosed term"),
            Wrap(0x7030F, "<CODE>", "</CODE>").Prompt("Designates a fragment of computer code"),
            Wrap(0x7030F, "<SAMP>", "</SAMP>").Prompt("Designates sample output from programs, scripts, etc."),
            Wrap(0x7030F, "<KBD>", "</KBD>").Prompt("Indicates text to be entered by the user"),
            Wrap(0x7030F, "<VAR>", "</VAR>").Prompt("Indicates an instance of a variable or program argument"),
            Wrap(0x40008, "<ACRONYM>", "</ACRONYM>").Prompt("Indicates an acronym (e.g., WWW, HTTP, URL, etc.)."),
        End(),
        Wrap(0x60008, "<SPAN>", "</SPAN>").Prompt("Insert a style block"),
    End(),
    Sub("&Advanced"),
        Wrap(0x7030E, "\r\n<TABLE BORDER>\r\n", "\r\n</TABLE>\r\n").Label("New &Table"),
        Wrap(0x7030E, "<CAPTION>", "</CAPTION>"),
        Mark(0x7030E, "TR\t  <TR>"),
        Mark(0x7030E, "<TH>"),
        Mark(0x7030E, "<TD>"),
        Wrap(0x60008, "<THEAD>", "\r\n</THEAD>\r\n"),
        Wrap(0x60008, "<TBODY>", "\r\n</TBODY>\r\n"),
        Wrap(0x60008, "<TFOOT>", "\r\n</TFOOT>\r\n"),
        Wrap(0x60008, "<COLGROUP>\r\n", "\r\n</COLGROUP>\r\n"),
        Mark(0x60008, "COL\t  <COL>"),
        Sep(0x7030C),
        Sub("&Objects", 0x7030C),
            Wrap(0x60008, "\r\n<OBJECT>\r\n", "\r\n</OBJECT>"),
            Mark(0x60308, "<EMBED>"),
            Wrap(0x70008, "<MARQUEE>", "</MARQUEE>"),
            Mark(0x70008, "<BGSOUND>"),
            Wrap(0x6030C, "\r\n<SCRIPT>\r\n<!-- hide script from old browsers\r\n",
                 "\r\n// end hiding from old browsers -->\r\n</SCRIPT>"),
            Wrap(0x40208, "\r\n<NOSCRIPT>\r\n", "</NOSCRIPT>\r\n"),
            Wrap(0x40008, "\r\n<BUTTON>\r\n", "</BUTTON>\r\n"),
            Wrap(0x40008, "\r\n<LABEL>\r\n", "</LABEL>\r\n"),
            Sep(0x30C),
            Wrap(0x6030C, "\r\n<APPLET>\r\n", "</APPLET>"),
            Mark(0x6030C, "PARAM\t  <PARAM>\r\n"),
        End(),
        Sep(0x7030F),
        Wrap(0x7030F, "\r\n<FORM METHOD=POST ACTION=\"\">\r\n", "</FORM>\r\n").Label("New &Form").Prompt("Insert Form tags ready for field creation"),
        Wrap(0x40008, "FIELDSET\t<FIELDSET>\r\n<LEGEND>Replace_With_Your_Caption</LEGEND>\r\n", "\r\n</FIELDSET>\r\n")
            .Label("Field Se&t").Prompt("Groups a set of form fields under a shared caption"),
        Sub("I&nsert Field"),
            Open(0x7030F, "INPUT\t<P>Text Field: <INPUT TYPE=TEXT NAME=\"Text Field\" SIZE=25>\r\n")
                .Label("&Text Input").Prompt("Insert a text input field"),
            Wrap(0x7030F, "TEXTAREA\t<P>Text Area: <BR>\r\n<P><TEXTAREA ROWS=6 COLS=25 NAME=\"TextAreaName\">Initial Content", "</TEXTAREA>\r\n")
                .Label("&Multi-line Text Input").Prompt("Insert a multi line text input area"),
            Open(0x7030F, "INPUT\t<P>Password: <INPUT TYPE=PASSWORD NAME=\"Password\" SIZE=12>\r\n")
                .Label("&Password Input").Prompt("Insert a password input field"),
            Open(0x7030F, "INPUT\t<P><INPUT TYPE=CHECKBOX NAME=\"Checkbox Group\" VALUE=\"CheckboxValue\"> Checkbox\r\n")
                .Label("Chec&k Box").Prompt("Insert a checkbox"),
            Open(0x7030F, "INPUT\t<P><INPUT TYPE=RADIO NAME=\"Radio Button Group\" VALUE=\"RadioButtonValue\"> Radio Button\r\n")
                .Label("&Radio Button").Prompt("Insert a radio button"),
            Open(0x7030F, "INPUT\t<P><INPUT TYPE=HIDDEN NAME=\"Hidden Field\" VALUE=\"HiddenReturnValue\">\r\n")
                .Label("&Hidden Field").Prompt("Insert a hidden field"),
            Open(0x7030F, "INPUT\t<P><INPUT TYPE=SUBMIT NAME=\"ContributionSubmit\" VALUE=\"Submit\">\r\n")
                .Label("&Submit Button").Prompt("Insert a submit button"),
            Open(0x7030F, "INPUT\t<P><INPUT TYPE=IMAGE SRC=\"\" NAME=\"ContributionImageSubmit\" ALIGN=TOP>\r\n")
                .Label("&Graphic Submit Button").Prompt("Insert a submit button displayed using a specified image"),
            Open(0x7030F, "INPUT\t<P><INPUT TYPE=RESET VALUE=\"Reset\">\r\n")
                .Label("Reset Butto&n").Prompt("Insert a form reset button"),
        End(),
        Wrap(0x7030F, "SELECT\t<P>Select From List: <BR>\r\n<P><SELECT SIZE=1 NAME=\"ListName\">\r\n"
                      "  <P><OPTION SELECTED VALUE=\"ReturnValue\">Initial Item</OPTION>\r\n"
                      "  <P><OPTION VALUE=\"ReturnValue\">Another Item</OPTION>\r\n", "</SELECT>\r\n")
            .Label("Drop Do&wn List Box").Prompt("Insert a drop down list box"),
        Wrap(0x7030F, "SELECT\t<P>Select From List: <BR>\r\n<P><SELECT SIZE=6 NAME=\"ListName\">\r\n"
                      "  <P><OPTION SELECTED VALUE=\"ReturnValue\">Initial Item</OPTION>\r\n"
                      "  <P><OPTION VALUE=\"ReturnValue\">Another Item</OPTION>\r\n", "</SELECT>\r\n")
            .Label("&Scrolling List Box").Prompt("Insert a scrolling list box"),
        Wrap(0x7030F, "OPTION\t  <P><OPTION VALUE=\"ReturnValue\">Option Text", "</OPTION>\r\n")
            .Label("List Bo&x Option").Prompt("Insert an option into a form list"),
        Sep(0x7030C),
        Wrap(0x7030C, "<MAP>\r\n", "</MAP>\r\n"),
        Mark(0x7030C, "AREA\t<AREA>\r\n"),
    End(),
});
} // namespace

std::span<const InsertMenuRow> InsertMenuTable() noexcept {
    return Rows;
}

} // namespace velto

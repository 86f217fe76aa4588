// The texts and words given in full for BASE, IMG, the shared attributes and the other
// verbatim records.
#include "KbTestSupport.h"

#include "core/config/HtmlVer.h"

#include "core/htmlkb/HtmlTagEventHolder.h"

#include <vector>

using namespace velto;
using namespace velto::test;

namespace {

struct Row {
    std::string_view nameText, label, menuText;
    std::uint32_t versions, kindFlags;
    std::string_view description;
};

// An element's own attributes, each followed by its values, as rows.
std::vector<Row> RowsOf(const HtmlMetaElement& e) {
    std::vector<Row> rows;
    auto add = [&](const HtmlMeta& r) {
        if (r.Versions() == VersionBits::Html5)
            return; // added by the living standard, after the older tables
        rows.push_back(
            {r.NameText(), r.Label(), r.MenuText(), r.Versions(), r.KindFlags(), r.Description()});
    };
    for (const auto& a : e.OwnAttributes()) {
        if (a->IsEventHolder())
            continue;
        add(*a);
        for (const auto& v : a->Values())
            add(*v);
    }
    return rows;
}

void ExpectRows(const std::vector<Row>& got, const std::vector<Row>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE(want[i].label);
        EXPECT_EQ(got[i].nameText, want[i].nameText);
        EXPECT_EQ(got[i].label, want[i].label);
        EXPECT_EQ(got[i].menuText, want[i].menuText);
        // The tables are those of the older versions; which records the living standard
        // keeps is checked on its own.
        EXPECT_EQ(got[i].versions & ~VersionBits::Html5, want[i].versions & ~VersionBits::Html5);
        EXPECT_EQ(got[i].kindFlags, want[i].kindFlags);
        EXPECT_EQ(got[i].description, want[i].description);
    }
}

void ExpectTexts(const HtmlMeta& r, std::string_view nameText, std::string_view label,
                 std::string_view menuText) {
    SCOPED_TRACE(r.Name());
    EXPECT_EQ(r.NameText(), nameText);
    EXPECT_EQ(r.Label(), label);
    EXPECT_EQ(r.MenuText(), menuText);
}

} // namespace

using RecordTexts = KbTest;

TEST_F(RecordTexts, BaseInFull) {
    ExpectTexts(El("BASE"), "&BASE", "&Base Address", "Document &Base URL");
    EXPECT_EQ(El("BASE").Description(), "");
    // _self is the window that shows the link, _parent the one that holds its frame set.
    ExpectRows(
        RowsOf(El("BASE")),
        {
            {"H&REF", "Hyperlink U&RI", "Destination U&RI", 0x7030F, 0x800002,
             "Base address (URL) for relative paths within this document"},
            {"&TARGET", "&Target", "&Target Window", 0x60308, 0x1000016,
             "Name of a target window (or frame) to display the link"},
            {"_&blank", "&Blank", "New &Blank Window", 0x60308, 0x16,
             "Load link into a new \"blank\" unnamed window"},
            {"_&self", "&Self", "Window &Showing Link", 0x60308, 0x16,
             "Load link into the window displaying this link"},
            {"_&parent", "&Parent", "&Parent Window", 0x60308, 0x16,
             "Load link into parent of this document's window"},
            {"_&top", "&Top", "&Top Browser Window", 0x60308, 0x16,
             "Load link into the top or outermost browser window"},
            {"", "&Other...", "", 0x60308, 0x4000016, "Other target value (such as a window name)"},
        });
}

TEST_F(RecordTexts, ImgInFull) {
    ExpectTexts(El("IMG"), "I&MG\tCtrl+E", "I&mage\tCtrl+E", "");
    EXPECT_EQ(El("IMG").Description(), "");
    ExpectRows(
        RowsOf(El("IMG")),
        {
            {"S&RC", "Image Sou&rce", "Image File U&RI", 0x7030F, 0x800003,
             "The URL which provides the image to be displayed, usually a graphics file"},
            {"&LOWSRC", "&Low Resolution Image", "", 0x70307, 0x3,
             "The URL of a low resolution image to display while loading SRC (specify before "
             "SRC)"},
            {"AL&T", "Alternative &Text", "&Text Only Description", 0x7030F, 0x16,
             "Description for use when content can't be displayed (e.g. while loading), or as a "
             "tooltip"},
            {"&ALIGN", "&Alignment To Baseline", "&Alignment", 0x7030F, 0x1000016,
             "Align the image or surrounding text"},
            {"&LEFT", "&Left", "", 0x7030E, 0x16, "Align image to left and flow text around it"},
            {"&RIGHT", "&Right", "", 0x7030E, 0x16, "Align image to right and flow text around it"},
            {"&TOP", "&Top", "&Top of Image", 0x7030F, 0x16,
             "Align image to top of tallest item in line"},
            {"TEXTTO&P", "To&p of Text", "", 0x40300, 0x16, "Align image to top of tallest text"},
            {"&MIDDLE", "&Middle", "&Middle of Image", 0x7030F, 0x16,
             "Align text half way up the image"},
            {"ABSM&IDDLE", "M&iddle (abs)", "", 0x40300, 0x16,
             "Align image to middle of current line"},
            {"B&ASELINE", "B&aseline", "", 0x40300, 0x16,
             "Align bottom of image to baseline of current line"},
            {"&BOTTOM", "&Bottom", "&Bottom of Image", 0x7030F, 0x16,
             "Align bottom of image to baseline of current line"},
            {"ABSBOTTOM", "Bottom (abs)", "", 0x40300, 0x16,
             "Align bottom of image to bottom of current line"},
            {"H&EIGHT", "H&eight", "", 0x7030E, 0x15A,
             "The height of the displayed image in pixels"},
            {"&WIDTH", "Width", "", 0x7030E, 0x15A, "The width of the displayed image in pixels"},
            {"&BORDER", "&Border", "", 0x7030C, 0x15A, "Width of border around image"},
            {"&HSPACE", "&Horizontal Margin", "", 0x7030C, 0x15A,
             "Margin to left and right of image (in pixels)"},
            {"&VSPACE", "&Vertical Margin", "", 0x7030C, 0x15A,
             "Margin above and below the image (in pixels)"},
            {"&USEMAP", "&Use Map", "", 0x7030C, 0x214, "Identifies a client side image map"},
            {"ISMA&P", "Image Ma&p", "", 0x7030F, 0x15,
             "Toggle the setting which marks the image as an \"image map\""},
            {"&CONTROLS", "&Controls", "", 0x70000, 0x15, "Show controls under a video image"},
            {"&DYNSRC", "&Dynamic Source", "", 0x70000, 0x5,
             "Locator for video image or VRML world"},
            {"&LOOP", "&Loop", "", 0x70000, 0x1000016,
             "Controls the number of times a video will play"},
            {"&INFINITE", "&Infinite", "", 0x70000, 0x16, "Play repeatedly"},
            {"", "&Count...", "", 0x70000, 0x400015A, "Play a specified number of times"},
            {"&START", "&Start", "", 0x70000, 0x1000016, "Specify when to start playing"},
            {"&FILEOPEN", "On Opening &File", "", 0x70000, 0x16,
             "Play as soon as file has been opened"},
            {"&MOUSEOVER", "On &Mouse Over", "", 0x70000, 0x16,
             "Play whenever the mouse cursor is moved over"},
            {"FI&LEOPEN,MOUSEOVER", "On &Both", "", 0x70000, 0x16,
             "Play on opening and also on mouse cursor"},
            {"&NAME", "&Name", "", 0x40000, 0x16,
             "Name for reference by other objects, scripts or elements"},
            {"DATA&SRC", "Data &Source", "", 0x40008, 0x16, "The source of data for data binding"},
            {"&DATAFLD", "&Data Column name", "", 0x40008, 0x16,
             "Name of the column in the set of tabular data"},
            {"&VRML", "&Vrml World", "", 0x40008, 0x16,
             "Embeds a VRML world (relies on Virtual Explorer plugin)"},
        });
}

TEST_F(RecordTexts, SharedAttributesInOrder) {
    struct SharedRow {
        std::string_view name;
        Row row;
        std::uint32_t group;
    };
    const std::vector<SharedRow> want = {
        {"STYLE",
         {"&STYLE", "&Style", "Inline &Style", 0x6000C, 0x1C,
          "Style to apply to the scope of this element"},
         0x101},
        {"CLASS",
         {"CLASS", "&Class(es)", "", 0x4000A, 0x400016,
          "Name of one or more classes to which this element belongs (space separated)"},
         0x101},
        {"ID",
         {"&ID", "Target &Id or Name", "", 0x40008, 0x16,
          "Target for hypertext link or name from associated style sheet"},
         0x101},
        {"TITLE",
         {"&TITLE", "Advisory &Tooltip", "", 0x40008, 0x16,
          "A help description or tooltip for the content"},
         0x101},
        {"LANG",
         {"LANG", "&Language", "", 0x4000A, 0x400016,
          "Primary language of the contained text (no spaces)"},
         0x201},
        {"DIR",
         {"DI&R", "Text Di&rection", "", 0x40008, 0x1400016,
          "Default direction for directionally weak or neutral text in the element's content"},
         0x201},
    };
    // The globals of the living standard follow the six of HTML 4.0.
    ASSERT_GT(kb.SharedAttributes().size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        const HtmlMetaAttShared& s = *kb.SharedAttributes()[i];
        EXPECT_EQ(s.Name(), want[i].name);
        EXPECT_EQ(s.Group(), want[i].group);
        ExpectRows(
            {{s.NameText(), s.Label(), s.MenuText(), s.Versions(), s.KindFlags(), s.Description()}},
            {want[i].row});
        // DIR gains the living standard's "auto".
        EXPECT_EQ(s.Values().size(), want[i].name == "DIR" ? 3u : 0u);
    }
    ExpectTexts(Val("BDO", "Dir", "LTR"), "&LTR", "&Left To Right", "");
    const auto& dir = Shared("DIR").Values();
    ExpectTexts(*dir[0], "&LTR", "&Left To Right", "");
    EXPECT_EQ(dir[0]->Description(), "Text content rendered from left to right");
    ExpectTexts(*dir[1], "&RTL", "&Right To Left", "");
    EXPECT_EQ(dir[1]->Description(), "Text content rendered from right to left");
}

TEST_F(RecordTexts, VerbatimElementTextsAndKeyboardHints) {
    ExpectTexts(El("HTML"), "HTM&L", "&Document Element", "HTML &Document");
    EXPECT_EQ(El("HEAD").Label(), "&Head");
    EXPECT_EQ(El("HEAD").MenuText(), "Document &Header");
    EXPECT_EQ(El("TITLE").Label(), "&Title");
    EXPECT_EQ(El("TITLE").MenuText(), "Document &Title");
    EXPECT_EQ(El("BODY").Label(), "Bo&dy");
    EXPECT_EQ(El("BODY").MenuText(), "Document Bo&dy");
    EXPECT_EQ(El("H1").MenuText(), "Heading Level &1 (big)\tCtrl+1");
    EXPECT_EQ(El("H6").MenuText(), "Heading Level &6 (small)\tCtrl+6");
    for (char d = '2'; d <= '5'; ++d)
        EXPECT_EQ(El(std::string("H") + d).MenuText(),
                  std::string("Heading Level &") + d + "\tCtrl+" + d);
    for (char d = '1'; d <= '6'; ++d)
        EXPECT_EQ(El(std::string("H") + d).NameText(), std::string("H&") + d + "\tCtrl+" + d);
    EXPECT_EQ(El("P").NameText(), "&P\tCtrl+G");
    EXPECT_EQ(El("BR").NameText(), "B&R\tCtrl+K");
    EXPECT_EQ(El("A").NameText(), "&A\tCtrl+L");
    EXPECT_EQ(El("I").NameText(), "&I\tCtrl+I");
    EXPECT_EQ(El("B").NameText(), "&B\tCtrl+B");
    EXPECT_EQ(El("IMG").NameText(), "I&MG\tCtrl+E");
    EXPECT_EQ(El("LI").NameText(), "L&I\tCtrl+J");
}

TEST_F(RecordTexts, FlushRightAndTheTypedInEntries) {
    for (std::string_view e : {"BODY", "DIV", "H1", "H2", "H3", "H4", "H5", "H6"})
        EXPECT_EQ(Att(e, "ALIGN").Values()[2]->MenuText(), "Flush &Right") << e;

    // The typed-in entry: number words for counts, a relative size for FONT.
    auto other = [&](std::string_view e, std::string_view a) -> const HtmlMetaAttEnumVal& {
        return *Att(e, a).Values().back();
    };
    for (std::string_view e : {"IMG", "BGSOUND", "MARQUEE"}) {
        EXPECT_EQ(other(e, "LOOP").KindFlags(), 0x400015Au) << e;
        EXPECT_EQ(other(e, "LOOP").Label(), "&Count...") << e;
    }
    EXPECT_EQ(other("MULTICOL", "COLS").KindFlags(), 0x400015Au);
    EXPECT_EQ(other("FONT", "SIZE").KindFlags(), 0x400065Au);
    EXPECT_EQ(other("FONT", "SIZE").Label(), "&Relative...");
    EXPECT_EQ(other("LINK", "TYPE").Description(), "Other unlisted media type");
    EXPECT_EQ(other("A", "TARGET").Description(), "Other target value (such as a window name)");
}

TEST_F(RecordTexts, EventHolderTexts) {
    const HtmlTagEventHolder& h = *El("BODY").EventHolder();
    EXPECT_EQ(h.NameText(), "E&vent Handlers");
    EXPECT_EQ(h.Name(), "Event Handlers");
    EXPECT_EQ(h.Description(), "Specify scripting event handler(s) for this element");
    EXPECT_EQ(h.Versions(), 0xFFFFFFFu);
    EXPECT_EQ(h.KindFlags(), 0x10000016u);
}

// Where a caret stands for completion: names, values and references in tags and text, and
// nothing inside comments, scripts, style sheets or end tags; the text read stays bounded.
#include "CompletionTestSupport.h"

#include "core/colouring/CHtmlColourer.h"
#include "core/completion/KnownStart.h"

#include <gtest/gtest.h>

using namespace velto;
using Kind = CompletionContext::Kind;

namespace {
class ContextTest : public test::CompletionTest {};

// A text control that records the widest stretch read from it.
class RecordingControl final : public TextControl {
public:
    explicit RecordingControl(std::string text) : inner_(std::move(text)) {}
    int Length() const override { return inner_.Length(); }
    void GetTextRange(int first, int pastEnd, std::string& out) const override {
        widest = std::max(widest, std::min(pastEnd, Length()) - std::max(first, 0));
        inner_.GetTextRange(first, pastEnd, out);
    }
    void ReplaceRange(int first, int pastEnd, std::string_view text) override {
        inner_.ReplaceRange(first, pastEnd, text);
    }
    int LineCount() const override { return inner_.LineCount(); }
    int LineFromPosition(int pos) const override { return inner_.LineFromPosition(pos); }
    int LineStart(int line) const override { return inner_.LineStart(line); }
    std::string_view LineEnd() const override { return inner_.LineEnd(); }
    Selection GetSelection() const override { return inner_.GetSelection(); }
    void SetSelection(Selection s) override { inner_.SetSelection(s); }
    int FirstVisibleLine() const override { return 0; }
    Range VisibleRange() const override { return inner_.VisibleRange(); }
    void SetStyles(int first, std::span<const std::uint8_t> styles) override { inner_.SetStyles(first, styles); }

    mutable int widest = 0;

private:
    MemoryTextControl inner_;
};
} // namespace

TEST_F(ContextTest, ElementNamesAfterTheOpener) {
    CompletionContext c = At("<p>x <ta|");
    EXPECT_EQ(c.kind, Kind::Element);
    EXPECT_EQ(c.typed, "ta");
    EXPECT_EQ(c.from, 6);
    EXPECT_EQ(c.to, 8);
    EXPECT_FALSE(c.tagClosed);

    // The rest of the word after the caret is replaced too; a tag that stands is closed.
    c = At("<t|able border=1>");
    EXPECT_EQ(c.kind, Kind::Element);
    EXPECT_EQ(c.typed, "t");
    EXPECT_EQ(c.to, 6);
    EXPECT_TRUE(c.tagClosed);
    EXPECT_EQ(c.elementName, "table");

    c = At("text <|");
    EXPECT_EQ(c.kind, Kind::Element);
    EXPECT_EQ(c.typed, "");
    EXPECT_EQ(c.tagStart, 5);

    // An end tag, a declaration and a '<' that opens no tag give nothing.
    EXPECT_EQ(At("<b>x</b|").kind, Kind::None);
    EXPECT_TRUE(At("<b>x</b|").endTag);
    EXPECT_EQ(At("<!DOC|").kind, Kind::None);
    EXPECT_EQ(At("a < b|").kind, Kind::None);
}

TEST_F(ContextTest, AttributePlacesInAStartTag) {
    CompletionContext c = At("<img |>");
    EXPECT_EQ(c.kind, Kind::Attribute);
    EXPECT_EQ(c.typed, "");
    EXPECT_EQ(c.elementName, "img");
    EXPECT_EQ(c.tagText, "<img >");

    c = At("<img src=\"a.gif\" al|");
    EXPECT_EQ(c.kind, Kind::Attribute);
    EXPECT_EQ(c.typed, "al");
    EXPECT_FALSE(c.followedByValue);

    c = At("<img a|lt = \"x\">");
    EXPECT_EQ(c.kind, Kind::Attribute);
    EXPECT_EQ(c.typed, "a");
    EXPECT_EQ(c.to, 8);
    EXPECT_TRUE(c.followedByValue);

    // After a value and its blank, and between a quoted value and nothing.
    EXPECT_EQ(At("<td width=5 |").kind, Kind::Attribute);
    EXPECT_EQ(At("<td title=\"a b\" |>").kind, Kind::Attribute);
    // A '>' inside a quoted value does not end the tag.
    EXPECT_EQ(At("<a title=\"1 > 0\" |").kind, Kind::Attribute);
}

TEST_F(ContextTest, ValuesAfterTheirEqualsOrInsideTheirQuotes) {
    CompletionContext c = At("<p align=|>");
    EXPECT_EQ(c.kind, Kind::Value);
    EXPECT_EQ(c.attributeName, "align");
    EXPECT_EQ(c.quote, 0);
    EXPECT_EQ(c.valueFrom, 9);
    EXPECT_EQ(c.valueTo, 9);

    c = At("<p align=\"ce|nter\" class=x>");
    EXPECT_EQ(c.kind, Kind::Value);
    EXPECT_EQ(c.typed, "ce");
    EXPECT_EQ(c.quote, '"');
    EXPECT_EQ(c.valueFrom, 9);  // the opening quote
    EXPECT_EQ(c.valueTo, 17);   // past the closing quote
    EXPECT_EQ(c.to, 16);

    c = At("<img src = 'img/a|.gif'>");
    EXPECT_EQ(c.kind, Kind::Value);
    EXPECT_EQ(c.attributeName, "src");
    EXPECT_EQ(c.typed, "img/a");
    EXPECT_EQ(c.quote, '\'');

    c = At("<p align=ri|ght>");
    EXPECT_EQ(c.kind, Kind::Value);
    EXPECT_EQ(c.typed, "ri");
    EXPECT_EQ(c.valueTo, 14);

    // A value left open as the next tag begins ends at the caret's word.
    c = At("<img src=\"a|\n<p>");
    EXPECT_EQ(c.kind, Kind::Value);
    EXPECT_EQ(c.valueTo, 11);
}

TEST_F(ContextTest, ReferencesInTextAndValues) {
    CompletionContext c = At("caf&ea|");
    EXPECT_EQ(c.kind, Kind::Reference);
    EXPECT_EQ(c.typed, "ea");
    EXPECT_EQ(c.from, 4);

    c = At("<a href=\"x?a=1&am|p;b=2\">");
    EXPECT_EQ(c.kind, Kind::Reference);
    EXPECT_EQ(c.typed, "am");
    EXPECT_EQ(c.attributeName, "href");
    EXPECT_EQ(c.to, 18);

    EXPECT_EQ(At("&|").kind, Kind::Reference);
    // Not in a name inside a tag.
    EXPECT_NE(At("<a &b|").kind, Kind::Reference);
}

TEST_F(ContextTest, NothingInCommentsScriptsAndStyleSheets) {
    EXPECT_EQ(At("<!-- <ta|").kind, Kind::None);
    EXPECT_EQ(At("<!-- x --> <ta|").kind, Kind::Element);
    EXPECT_EQ(At("<script>if (a <b|").kind, Kind::None);
    EXPECT_EQ(At("<script>x = '&am|").kind, Kind::None);
    EXPECT_EQ(At("<style>p { font: <x|").kind, Kind::None);
    EXPECT_EQ(At("<style>p{}</style><p |").kind, Kind::Attribute);
    EXPECT_EQ(At("<SCRIPT type=\"text/javascript\">a<b;</SCRIPT> <b|").kind, Kind::Element);
    EXPECT_EQ(At("<!-- &am|").kind, Kind::None);
}

TEST_F(ContextTest, OpenElementsAroundANewTag) {
    CompletionContext c = At("<table><tr><td>a</td></tr>\n<|");
    EXPECT_EQ(c.open, (std::vector<std::string>{"table"}));
    EXPECT_EQ(c.previousSibling, "tr");
    EXPECT_TRUE(c.openKnown);

    // An item whose end tag is left out is ended by the next one.
    c = At("<ul><li>a<li>b <|");
    EXPECT_EQ(c.open, (std::vector<std::string>{"li", "ul"}));
    EXPECT_EQ(c.previousSibling, "");

    // Empty elements, comments and scripts hold nothing open.
    c = At("<div><br><img src=x><!-- <p> --><script>'<p>'</script><|");
    EXPECT_EQ(c.open, (std::vector<std::string>{"div"}));
}

TEST_F(ContextTest, ReadsABoundedStretchHoweverLongThePage) {
    std::string page = "<html><body>";
    while (page.size() < 4'000'000)
        page += "<p class=\"x\">Some text &amp; a <a href=\"b.htm\">link</a>.</p>\n";
    const std::size_t middle = page.size() / 2;
    page.insert(middle, "<ta");
    RecordingControl control(page);
    const CompletionContext c = finder.Find(control, static_cast<int>(middle + 3));
    EXPECT_EQ(c.kind, Kind::Element);
    EXPECT_LE(control.widest, ContextFinder::Reach + ContextFinder::TagReach);
}

TEST_F(ContextTest, AKnownStartSeesALongScriptOrComment) {
    // A script longer than the stretch read: without the colouring's checkpoints the
    // stretch is read as text, with them the caret is seen to be in the script.
    std::string page = "<p>a</p><script>\n";
    while (page.size() < 100'000)
        page += "if (a < b && c) { d = '<p>'; }\n";
    page += "x = a <b";
    MemoryTextControl control(page);
    const int caret = control.Length();
    EXPECT_EQ(finder.Find(control, caret).kind, Kind::Element);

    CHtmlColourer colourer(kb, ColourMode::Tags);
    colourer.ColourWholeControl(control);
    const KnownStart known = KnownStartBefore(colourer, caret);
    EXPECT_EQ(known.mode, KnownStart::Mode::Script);
    EXPECT_GE(known.pos, caret - ContextFinder::Reach);
    EXPECT_EQ(finder.Find(control, caret, known).kind, Kind::None);

    // After the script's end the same start lets the text be read as text.
    control.ReplaceRange(caret, caret, "</script>\n<ta");
    colourer.TextEdited(caret, caret, caret + 13);
    const KnownStart before = KnownStartBefore(colourer, caret + 13);
    EXPECT_EQ(finder.Find(control, caret + 13, before).kind, Kind::Element);

    // Comments too.
    std::string comment = "<!--\n" + std::string(100'000, 'x') + " <ta";
    MemoryTextControl commented(comment);
    CHtmlColourer other(kb, ColourMode::Tags);
    other.ColourWholeControl(commented);
    const int end = commented.Length();
    EXPECT_EQ(finder.Find(commented, end, KnownStartBefore(other, end)).kind, Kind::None);
}

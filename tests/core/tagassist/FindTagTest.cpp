// Finding the tag at the caret or the selection, its element, and writing it back.
#include "TagEdTestSupport.h"

using namespace velto;
using namespace velto::test;

using FindTag = TagEdTest;

TEST_F(FindTag, ReadAroundCaretTakesHalfTheWindowEachSide) {
    Load("0123456789", 0, 0);
    EXPECT_EQ(ed.ReadAroundCaret(5, 4).text, "34567");
    EXPECT_EQ(ed.ReadAroundCaret(5, 4).start, 3);
    EXPECT_EQ(ed.ReadAroundCaret(0, 4).text, "012");
    EXPECT_EQ(ed.ReadAroundCaret(6, 4).text, "45678");
    EXPECT_EQ(ed.ReadAroundCaret(7, 4).text, "56789"); // near the end: to the end
    EXPECT_EQ(ed.ReadAroundCaret(10, 5).text, "89");
    EXPECT_EQ(ed.ReadAroundCaret(-3, 4).text, "012"); // out of range carets are clamped
    EXPECT_EQ(ed.ReadAroundCaret(99, 4).text, "89");
    EXPECT_EQ(ed.ReadAroundCaret(5, -8).text, "5");
    Load("", 0, 0);
    EXPECT_EQ(ed.ReadAroundCaret(0, 4096).text, "");
}

TEST_F(FindTag, CaretInsideATagFindsItFromOpenerToFirstClose) {
    const std::string text = "a <B>b</B> c";
    EXPECT_EQ(TagAt(text, 3), "<B>");
    EXPECT_EQ(ed.First(), 2);
    EXPECT_EQ(ed.PastEnd(), 5);
    EXPECT_EQ(TagAt(text, 4), "<B>"); // just before the '>'
    EXPECT_EQ(TagAt(text, 2), "-");   // just before the opener
    EXPECT_EQ(TagAt(text, 5), "-");   // just after the '>'
    EXPECT_EQ(TagAt(text, 8), "</B>");
    EXPECT_EQ(TagAt(text, 0), "-");
    EXPECT_EQ(TagAt(text, 12), "-");
    EXPECT_EQ(TagAt("<B>", 3), "-");
    EXPECT_EQ(TagAt("", 0), "-");
    EXPECT_EQ(TagAt("<B>", 50), "-");
    EXPECT_FALSE(ed.HasTag());
}

TEST_F(FindTag, ScansStopAtOtherOpenersAndIgnoreQuotes) {
    EXPECT_EQ(TagAt("<A <B>", 2), "-");    // an opener before the '>'
    EXPECT_EQ(TagAt("x <A", 3), "-");      // never closed
    EXPECT_EQ(TagAt("1 < 2 > 3", 4), "-"); // "< " opens nothing
    EXPECT_EQ(TagAt("> x <I>", 6), "<I>");
    EXPECT_EQ(TagAt("<A TITLE=\"x>y\">", 3), "<A TITLE=\"x>");
    EXPECT_EQ(TagAt("<!-- a > b -->", 3), "<!-- a >");
    EXPECT_EQ(TagAt(std::string("\0<B\0>\0", 6), 3), std::string("<B\0>", 4));
}

TEST_F(FindTag, TagIsSearchedWithinTheWindowOnly) {
    const std::string near = "<P" + std::string(2047, ' ') + ">";
    EXPECT_EQ(TagAt(near, 2048), near); // the opener 2048 before the caret
    EXPECT_EQ(TagAt("<P" + std::string(2048, ' ') + ">", 2049), "-");
    EXPECT_EQ(TagAt(near, 1), near); // the '>' 2048 after the caret
    EXPECT_EQ(TagAt("<P" + std::string(2048, ' ') + ">", 1), "-");
    // A tag of ten megabytes is too long to be found from its middle.
    EXPECT_EQ(TagAt("<P " + std::string(10 << 20, 'x') + ">", 5 << 20), "-");
    // Selected whole, it is edited like any other.
    Load("<P " + std::string(10 << 20, '"') + " ALIGN=x>", 0, (10 << 20) + 12);
    ASSERT_TRUE(ed.FindTagAtCaret());
    ed.SetAttribute(Att("P", "ALIGN"), "RIGHT", true);
    ASSERT_TRUE(ed.WriteBack());
    EXPECT_EQ(control.Text().substr(control.Text().size() - 14), "\" ALIGN=RIGHT>");
}

TEST_F(FindTag, ElementNameAndLookup) {
    TagAt("x <img src=a>", 4);
    EXPECT_EQ(ed.ElementName(), "img");
    EXPECT_EQ(ed.Element(), &El("IMG"));
    EXPECT_FALSE(ed.IsEndTag());
    TagAt("</TABLE>", 3);
    EXPECT_TRUE(ed.IsEndTag());
    EXPECT_EQ(ed.Element(), &El("TABLE"));
    TagAt("<!-- note -->", 3);
    EXPECT_EQ(ed.Element(), kb.FindElement("!--"));
    TagAt("<" + std::string(100, 'x') + ">", 50);
    EXPECT_EQ(ed.ElementName(), std::string(72, 'x'));
    EXPECT_FALSE(ed.IsKnown());
    Select({"HTML v2.0"}); // TABLE came with 3.2
    TagAt("<TABLE>", 2);
    EXPECT_FALSE(ed.IsKnown());
    TagAt("<B>", 2);
    EXPECT_TRUE(ed.IsKnown());
}

TEST_F(FindTag, SelectionIsTheTagOrElseTheTagText) {
    Load("a <B>x</B>", 2, 5);
    ASSERT_TRUE(ed.FindTagAtCaret());
    EXPECT_EQ(ed.TagText(), "<B>");
    Load("a <B>x</B>", 10, 2); // reversed, wider than the tag
    ASSERT_TRUE(ed.FindTagAtCaret());
    EXPECT_EQ(ed.TagText(), "<B>x</B>");
    EXPECT_EQ(ed.PastEnd(), 10);
    Load("a <B>x", 3, 5); // part of a tag
    ASSERT_TRUE(ed.FindTagAtCaret());
    EXPECT_EQ(ed.TagText(), "B>");
    EXPECT_EQ(ed.Element(), &El("B"));
    Load("ab", 1, 90);
    ASSERT_TRUE(ed.FindTagAtCaret());
    EXPECT_EQ(ed.TagText(), "b");
}

TEST_F(FindTag, WriteBackReplacesTheRangeAndSelectsTheNewTag) {
    Load("a <IMG> b", 4, 4);
    ASSERT_TRUE(ed.FindTagAtCaret());
    ed.SetAttribute(Att("IMG", "SRC"), "x.gif", true);
    ed.ToggleFlag(Att("IMG", "ISMAP"));
    ASSERT_TRUE(ed.WriteBack());
    EXPECT_EQ(control.Text(), "a <IMG ISMAP SRC=\"x.gif\"> b");
    EXPECT_EQ(control.GetSelection(), (TextControl::Selection{2, 25}));
    // The selection is the tag, so the next request works on it.
    ASSERT_TRUE(ed.FindTagAtCaret());
    std::string value;
    EXPECT_TRUE(ed.GetAttributeValue("src", value));
    EXPECT_EQ(value, "x.gif");
    ed.ToggleFlag(Att("IMG", "ISMAP"));
    ed.SetAttribute(Att("IMG", "SRC"), {}, false);
    ASSERT_TRUE(ed.WriteBack());
    EXPECT_EQ(control.Text(), "a <IMG> b");
}

TEST_F(FindTag, WriteBackRefusesARangeTheDocumentNoLongerHas) {
    Load("xxxx <B>", 6, 6);
    ASSERT_TRUE(ed.FindTagAtCaret());
    control.ReplaceRange(0, 8, "y");
    EXPECT_FALSE(ed.WriteBack());
    EXPECT_EQ(control.Text(), "y");
    Load("", 0, 0);
    EXPECT_FALSE(ed.FindTagAtCaret());
    EXPECT_FALSE(ed.WriteBack());
}

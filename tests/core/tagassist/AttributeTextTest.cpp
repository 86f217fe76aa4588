// Finding an attribute in a tag text and writing it set, added or removed.
#include "TagEdTestSupport.h"

#include "core/htmlkb/HtmlMetaAttEnumVal.h"

using namespace velto;
using namespace velto::test;

using AttributeText = TagEdTest;

TEST(FindAttributeText, FillsTheFourParts) {
    EXPECT_EQ(Parts("HREF", "<A TITLE=\"HREF=x\" HREF=y>"), "<A TITLE=\"HREF=x\" |HREF=|y|>");
    EXPECT_EQ(Parts("SRC", "<IMG SRCX=1 SRC=2>"), "<IMG SRCX=1 |SRC=|2|>");
    EXPECT_EQ(Parts("ismap", "<IMG SRC=a ISMAP>"), "<IMG SRC=a |ISMAP||>");
    EXPECT_EQ(Parts("ISMAP", "<IMG ISMAP ALT=x>"), "<IMG |ISMAP|| ALT=x>");
    EXPECT_EQ(Parts("ALIGN", "<P align = 'left' >"), "<P |align = '|left| >");
    EXPECT_EQ(Parts("ALT", "<IMG ALT=\"\">"), "<IMG |ALT=\"||>");
    EXPECT_EQ(Parts("ALT", "<IMG ALT=a\tb>"), "<IMG |ALT=|a|\tb>");
    EXPECT_EQ(Parts("ALT", "<IMG ALT="), "<IMG |ALT=||");
    EXPECT_EQ(Parts("ALT", "<IMG ALT"), "<IMG |ALT||");
}

TEST(FindAttributeText, QuotesTheCloseAndTheElementNameHideNames) {
    EXPECT_EQ(Parts("HREF", "<A TITLE='HREF' NAME=\"x HREF\">"), "absent");
    EXPECT_EQ(Parts("HREF", "<A> HREF=x"), "absent");
    EXPECT_EQ(Parts("A", "<A HREF=x>"), "absent");
    EXPECT_EQ(Parts("TITLE", "<TITLE TITLE=t>"), "<TITLE |TITLE=|t|>");
    EXPECT_EQ(Parts("SRC", "<IMG DATA-SRC=x>"), "absent");
    EXPECT_EQ(Parts("", "<IMG SRC=x>"), "absent");
    EXPECT_EQ(Parts("SRC", ""), "absent");
    std::string before = "unchanged";
    EXPECT_TRUE(HtmlElementEd::FindAttributeText("SRC", "<IMG SRC=x>", &before));
    EXPECT_EQ(before, "<IMG ");
}

TEST(FindAttributeText, QuotedValueRunsToItsCloseOrElseToTheTagEnd) {
    EXPECT_EQ(Parts("TITLE", "<A TITLE=\"a>b\" HREF=c>"), "<A |TITLE=\"|a>b| HREF=c>");
    EXPECT_EQ(Parts("TITLE", "<A TITLE=\"a b>"), "<A |TITLE=\"|a b|>");
    EXPECT_EQ(Parts("HREF", "<A TITLE=\"a HREF=b>"), "absent");
}

TEST_F(AttributeText, SetRewritesTheValueAndKeepsTheRest) {
    EXPECT_EQ(Set("<A  HREF = 'x'  NAME=n>", "A", "HREF", "y.htm"), "<A  HREF=\"y.htm\"  NAME=n>");
    EXPECT_EQ(Set("<IMG ALT='a b'>", "IMG", "ALT", "c"), "<IMG ALT=\"c\">");
    const std::string center = Val("P", "ALIGN", "CENTER").GetNameForInsert();
    EXPECT_EQ(Set("<P ALIGN='left'>", "P", "ALIGN", center), "<P ALIGN=CENTER>");
    EXPECT_EQ(Set("<TABLE BORDER=2>", "TABLE", "BORDER", ""), "<TABLE BORDER>");
    EXPECT_EQ(Set("<TABLE>", "TABLE", "BORDER", ""), "<TABLE BORDER>");
    EXPECT_EQ(Set("<TABLE>", "TABLE", "BORDER", "1"), "<TABLE BORDER=\"1\">");
    EXPECT_EQ(Set("<IMG ISMAP=yes>", "IMG", "ISMAP", "ignored"), "<IMG ISMAP>");
    EXPECT_EQ(Set("<TITLE>", "TITLE", "TITLE", "t"), "<TITLE TITLE=\"t\">");
    // A bare name or unquoted value does not run into the word after it.
    EXPECT_EQ(Set("<P ALIGN=\"left\"CLASS=x>", "P", "ALIGN", center), "<P ALIGN=CENTER CLASS=x>");
    EXPECT_EQ(Set("<TD NOWRAP='1'ALIGN=x>", "TD", "NOWRAP", ""), "<TD NOWRAP ALIGN=x>");
    EXPECT_EQ(Set("<P ALIGN='left'CLASS=x>", "P", "ALIGN", "x y"), "<P ALIGN=\"x y\"CLASS=x>");
    EXPECT_EQ(Set(std::string("\0\x01", 2), "P", "ALIGN", "x"), std::string(" ALIGN=x \0\x01", 11));
}

TEST_F(AttributeText, NewAttributeGoesAfterTheTagName) {
    EXPECT_EQ(Set("<IMG>", "IMG", "SRC", "a.gif"), "<IMG SRC=\"a.gif\">");
    EXPECT_EQ(Set("<IMG\tALT=x>", "IMG", "SRC", "a.gif"), "<IMG SRC=\"a.gif\"\tALT=x>");
    EXPECT_EQ(Set("<IMG/>", "IMG", "ISMAP", ""), "<IMG ISMAP />");
    EXPECT_EQ(Set("<IMG/>", "IMG", "SRC", "a"), "<IMG SRC=\"a\"/>");
    EXPECT_EQ(Set("<IMG", "IMG", "ISMAP", ""), "<IMG ISMAP");
    editor.insertHtmlLowerCase = true;
    EXPECT_EQ(Set("<img>", "IMG", "SRC", "A.GIF"), "<img src=\"A.GIF\">");
}

TEST_F(AttributeText, ValuesThatCannotStandBareAreQuoted) {
    EXPECT_EQ(Set("<P>", "P", "ALIGN", "two words"), "<P ALIGN=\"two words\">");
    EXPECT_EQ(Set("<P>", "P", "ALIGN", ""), "<P ALIGN=\"\">");
    EXPECT_EQ(Set("<P>", "P", "ALIGN", "a>b"), "<P ALIGN=\"a>b\">");
    EXPECT_EQ(Set("<IMG>", "IMG", "ALT", "say \"hi\""), "<IMG ALT='say \"hi\"'>");
    EXPECT_EQ(Set("<IMG>", "IMG", "ALT", "it's \"x\""), "<IMG ALT=\"it's &quot;x&quot;\">");
}

TEST_F(AttributeText, RemoveDropsOneBlankBeforeAndAQuoteAfter) {
    EXPECT_EQ(Set("<IMG SRC=\"a.gif\" ALT=b>", "IMG", "SRC", "", false), "<IMG ALT=b>");
    EXPECT_EQ(Set("<IMG SRC=a  ISMAP>", "IMG", "ISMAP", "", false), "<IMG SRC=a >");
    EXPECT_EQ(Set("<A NAME\"x\">", "A", "NAME", "", false), "<Ax\">");
    EXPECT_EQ(Set("<IMG SRC=a>", "IMG", "ALT", "", false), "<IMG SRC=a>");
}

// Every attribute of every element, set into its bare tag, reads back and removes cleanly.
TEST_F(AttributeText, EveryAttributeRoundTrips) {
    for (const auto& e : kb.Elements()) {
        const std::string tag = "<" + e->GetNameForInsert() + ">";
        for (const HtmlMetaAttBase* a : e->GetAttributes(AttributeIteration::All)) {
            if (a->IsEventHolder())
                continue;
            const std::string set = HtmlElementEd::SetAttributeText(*a, tag, "v 1", true);
            SCOPED_TRACE(set);
            std::string before, namePart, value, after;
            ASSERT_TRUE(HtmlElementEd::FindAttributeText(a->Name(), set, &before, &namePart, &value,
                                                         &after));
            EXPECT_EQ(value, a->IsFlagAttribute() ? "" : "v 1");
            EXPECT_EQ(HtmlElementEd::SetAttributeText(*a, set, "v 1", true), set);
            EXPECT_EQ(HtmlElementEd::SetAttributeText(*a, set, "", false), tag);
        }
    }
}

// The data-, aria- and role attributes that pages of today carry on any element: found by
// their whole names, never mistaken for a known attribute, and kept by every rewrite.
TEST_F(AttributeText, ModernAttributeNamesAreFoundAndKept) {
    const std::string tag = "<A data-href=\"d\" aria-label='Go home' role=link data-x-y=1 HREF=old>";
    EXPECT_EQ(Parts("data-href", tag), "<A |data-href=\"|d| aria-label='Go home' role=link data-x-y=1 HREF=old>");
    EXPECT_EQ(Parts("ARIA-LABEL", tag), "<A data-href=\"d\" |aria-label='|Go home| role=link data-x-y=1 HREF=old>");
    EXPECT_EQ(Parts("role", tag), "<A data-href=\"d\" aria-label='Go home' |role=|link| data-x-y=1 HREF=old>");
    EXPECT_EQ(Parts("data-x", tag), "absent") << "a name is matched whole";
    EXPECT_EQ(Set(tag, "A", "HREF", "new.htm"),
              "<A data-href=\"d\" aria-label='Go home' role=link data-x-y=1 HREF=\"new.htm\">");
    EXPECT_EQ(Set(tag, "A", "HREF", "", false), "<A data-href=\"d\" aria-label='Go home' role=link data-x-y=1>");
}

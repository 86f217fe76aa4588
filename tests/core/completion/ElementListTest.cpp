// The element list: filtered by the version selection, ordered by how the name matches and
// by where the tag stands, written in the configured case with its end tag and required
// attributes.
#include "CompletionTestSupport.h"

#include <gtest/gtest.h>

using namespace velto;

namespace {
class ElementListTest : public test::CompletionTest {};
} // namespace

TEST_F(ElementListTest, VersionSelectionDecidesWhatIsOffered) {
    html.advancedAttsOnPopup = false;
    Select({"HTML v2.0"});
    std::vector<std::string> names = Texts("<|");
    EXPECT_TRUE(test::Contains(names, "ISINDEX"));
    EXPECT_TRUE(test::Contains(names, "TITLE"));
    EXPECT_FALSE(test::Contains(names, "FONT")); // HTML 3.2 brought it
    EXPECT_FALSE(test::Contains(names, "SECTION"));
    EXPECT_FALSE(test::Contains(names, "!--")); // no declarations
    EXPECT_FALSE(test::Contains(names, "!DOCTYPE"));

    Select({"HTML v3.2"});
    EXPECT_TRUE(test::Contains(Texts("<f|"), "FONT"));

    Select({"HTML5"});
    names = Texts("<|");
    EXPECT_FALSE(test::Contains(names, "FONT"));
    EXPECT_FALSE(test::Contains(names, "ISINDEX"));
    EXPECT_TRUE(test::Contains(names, "SECTION"));
    EXPECT_TRUE(test::Contains(names, "TABLE"));
}

TEST_F(ElementListTest, ElementsOutsideTheSelectionComeGreyedAfterTheOthers) {
    Select({"HTML5"});
    html.advancedAttsOnPopup = true;
    html.advancedAttsGreyed = true;
    std::vector<CompletionItem> items = Items("<f|");
    const CompletionItem* font = Find(items, "FONT");
    ASSERT_NE(font, nullptr);
    EXPECT_TRUE(font->greyed);
    EXPECT_NE(font->description.find("outside the selected versions"), std::string::npos);
    const CompletionItem* form = Find(items, "FORM");
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->greyed);
    EXPECT_LT(form, font); // every name of the selection first

    // Not greyed when the options say so, but still after the selection's own.
    html.advancedAttsGreyed = false;
    items = Items("<f|");
    ASSERT_NE(Find(items, "FONT"), nullptr);
    EXPECT_FALSE(Find(items, "FONT")->greyed);
}

TEST_F(ElementListTest, PrefixFirstThenContainingThenLetters) {
    const std::vector<std::string> names = Texts("<bo|");
    ASSERT_FALSE(names.empty());
    // Names beginning with "bo", then those holding it, then "b...o".
    EXPECT_LT(test::IndexOf(names, "BODY"), test::IndexOf(names, "TBODY"));
    EXPECT_LT(test::IndexOf(names, "BLOCKQUOTE"), names.size());
    EXPECT_LT(test::IndexOf(names, "TBODY"), test::IndexOf(names, "BLOCKQUOTE"));
    EXPECT_FALSE(test::Contains(names, "TABLE"));
    // Each item says what it is.
    const std::vector<CompletionItem> items = Items("<tabl|");
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items[0].text, "TABLE");
    EXPECT_EQ(items[0].kind, CompletionKind::Element);
    EXPECT_FALSE(items[0].description.empty());
}

TEST_F(ElementListTest, ContextOrderInsideTablesListsAndSelects) {
    // In a table, after a row: rows and the table's parts first.
    std::vector<std::string> names = Texts("<table>\n<tr><td>x</td></tr>\n<t|");
    ASSERT_GE(names.size(), 3u);
    EXPECT_EQ(names[0], "TR");
    EXPECT_LT(test::IndexOf(names, "TBODY"), test::IndexOf(names, "TABLE"));
    EXPECT_LT(test::IndexOf(names, "TD"), test::IndexOf(names, "TITLE"));
    // In a row: its cells first.
    names = Texts("<table><tr>\n<|");
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 2),
              (std::vector<std::string>{"TD", "TH"}));
    // In a cell whose end tag is left out, another cell still fits first.
    names = Texts("<table><tr><td>a\n<t|");
    EXPECT_EQ(names[0], "TD");
    // Outside any table the rows and cells go last among the matches.
    names = Texts("<body><p>x</p><t|");
    EXPECT_LT(test::IndexOf(names, "TABLE"), test::IndexOf(names, "TR"));
    EXPECT_LT(test::IndexOf(names, "TT"), test::IndexOf(names, "TD"));

    EXPECT_EQ(Texts("<form><select name=a>\n<|", 2), (std::vector<std::string>{"OPTION", "OPTGROUP"}));
    EXPECT_EQ(Texts("<form><select name=a>\n<o|", 1), std::vector<std::string>{"OPTION"});
    EXPECT_EQ(Texts("<ul>\n<|", 1), std::vector<std::string>{"LI"});
    EXPECT_EQ(Texts("<ol><li>one\n<l|", 1), std::vector<std::string>{"LI"});
    EXPECT_EQ(Texts("<dl><dt>a<|", 2), (std::vector<std::string>{"DT", "DD"}));
}

TEST_F(ElementListTest, WrittenInTheConfiguredCaseWithItsEndTag) {
    EXPECT_EQ(Choose("<p>x <tab|", "TABLE"), "<p>x <TABLE>|</TABLE>");
    editor.insertHtmlLowerCase = true;
    EXPECT_EQ(Choose("<p>x <TAB|", "table"), "<p>x <table>|</table>");
    // Empty elements have no end tag; those whose end tag may be left out get one only
    // when the option asks for it, as a typed '>' does.
    EXPECT_EQ(Choose("<b|", "br"), "<br>|");
    EXPECT_EQ(Choose("<table><tr><t|", "td"), "<table><tr><td>|");
    editor.autoCloseOptionalEndTags = true;
    EXPECT_EQ(Choose("<table><tr><t|", "td"), "<table><tr><td>|</td>");
    editor.autoCloseTags = false;
    EXPECT_EQ(Choose("<d|", "div"), "<div>|");
}

TEST_F(ElementListTest, RequiredAttributesAreWrittenWithTheCaretInTheFirst) {
    bool followed = false;
    EXPECT_EQ(Choose("<im|", "IMG", &followed), "<IMG SRC=\"|\">");
    EXPECT_TRUE(followed); // the file list comes next
    EXPECT_EQ(Choose("x\n<text|", "TEXTAREA", &followed),
              "x\n<TEXTAREA COLS=\"|\" ROWS=\"\" NAME=\"\"></TEXTAREA>");
    EXPECT_EQ(Choose("<for|\n</body>", "FORM"), "<FORM ACTION=\"|\"></FORM>\n</body>");
    editor.insertHtmlLowerCase = true;
    EXPECT_EQ(Choose("<IM|", "img"), "<img src=\"|\">");
    EXPECT_EQ(Choose("<ta|", "table", &followed), "<table>|</table>");
    EXPECT_FALSE(followed);
}

TEST_F(ElementListTest, InATagThatStandsOnlyTheNameChanges) {
    EXPECT_EQ(Choose("<t|d class=a>x</td>", "TH"), "<TH| class=a>x</td>");
    EXPECT_EQ(Choose("<d| class=\"a\"", "DIV"), "<DIV| class=\"a\"");
}

// The attribute list of a start tag: the element's own, the common ones and the event
// handlers of the selection, required first, present ones left out; and what choosing
// one writes.
#include "CompletionTestSupport.h"

#include <gtest/gtest.h>

using namespace velto;

namespace {
class AttributeListTest : public test::CompletionTest {};
} // namespace

TEST_F(AttributeListTest, RequiredFirstAndPresentOnesLeftOut) {
    std::vector<std::string> names = Texts("<TEXTAREA ROWS=4 |>");
    ASSERT_GE(names.size(), 3u);
    // COLS and NAME are required; ROWS is in the tag already.
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 2),
              (std::vector<std::string>{"COLS", "NAME"}));
    EXPECT_FALSE(test::Contains(names, "ROWS"));
    EXPECT_TRUE(test::Contains(names, "WRAP"));
    EXPECT_TRUE(test::Contains(names, "CLASS")); // a common attribute
    EXPECT_TRUE(test::Contains(names, "OnFocus")); // an event handler, after the attributes
    EXPECT_LT(test::IndexOf(names, "WRAP"), test::IndexOf(names, "OnFocus"));

    // What is typed at the caret is no attribute yet: ALT is still offered there, and an
    // attribute in quotes is no attribute at all.
    names = Texts("<img title=\"alt=1\" src=a.gif alt|>");
    EXPECT_EQ(names.front(), "ALT");
    EXPECT_FALSE(test::Contains(names, "SRC"));
    EXPECT_FALSE(test::Contains(names, "TITLE"));
}

TEST_F(AttributeListTest, FilteredByTheSelectionWithDescriptions) {
    html.advancedAttsOnPopup = false;
    Select({"HTML5"});
    std::vector<CompletionItem> items = Items("<img |");
    EXPECT_EQ(Find(items, "LOWSRC"), nullptr);
    EXPECT_EQ(Find(items, "ALIGN"), nullptr);
    ASSERT_NE(Find(items, "LOADING"), nullptr);
    const CompletionItem* alt = Find(items, "ALT");
    ASSERT_NE(alt, nullptr);
    EXPECT_EQ(alt->kind, CompletionKind::Attribute);
    EXPECT_NE(alt->description.find("Alternative Text"), std::string::npos);
    EXPECT_NE(alt->description.find("Description for use when content can't be displayed"),
              std::string::npos);

    html.advancedAttsOnPopup = true;
    items = Items("<img al|");
    const CompletionItem* align = Find(items, "ALIGN");
    ASSERT_NE(align, nullptr);
    EXPECT_TRUE(align->greyed);
    EXPECT_LT(Find(items, "ALT"), align);

    // An element the selection lacks offers nothing unless asked for.
    html.advancedAttsOnPopup = false;
    EXPECT_TRUE(Items("<font |").empty());
}

TEST_F(AttributeListTest, ChoosingWritesTheNameWithEmptyQuotes) {
    bool followed = false;
    EXPECT_EQ(Choose("<p |>", "ALIGN", &followed), "<p ALIGN=\"|\">");
    EXPECT_TRUE(followed); // the values come next
    EXPECT_EQ(Choose("<img src=a.gif is|>", "ISMAP", &followed), "<img src=a.gif ISMAP|>");
    EXPECT_FALSE(followed); // a flag has no value
    editor.insertHtmlLowerCase = true;
    EXPECT_EQ(Choose("<td c|>", "colspan"), "<td colspan=\"|\">");
    // A blank is put where none separates the new attribute from its neighbours.
    EXPECT_EQ(Choose("<td width=\"5\"|>", "nowrap"), "<td width=\"5\" nowrap|>");
    EXPECT_EQ(Choose("<td |class=a>", "nowrap"), "<td nowrap| class=a>");
    // Renaming an attribute that has its value keeps the value.
    EXPECT_EQ(Choose("<td wi|=\"5\">", "width", &followed), "<td width|=\"5\">");
    EXPECT_FALSE(followed);
    // Event handlers are written as the tag menu writes them.
    EXPECT_EQ(Choose("<td onc|>", "OnClick"), "<td OnClick=\"|\">");
}

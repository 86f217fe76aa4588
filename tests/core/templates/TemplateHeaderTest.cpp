// The menu header of template and snippet files.
#include "core/templates/TemplateHeader.h"

#include <gtest/gtest.h>

using namespace velto;

TEST(TemplateHeader, HeaderAndFollowingBlankLinesAreSkipped) {
    const std::string t = "<!--\nMENU: Short title\n-->\n\n  \t\n<HTML>\n";
    EXPECT_EQ(t.substr(TemplateBodyOffset(t)), "<HTML>\n");
    EXPECT_EQ(TemplateMenuText(t), "Short title");
}

TEST(TemplateHeader, CrLfLinesWork) {
    const std::string t = "<!-- header\r\nMENU:Page\r\nmore words\r\n -->\r\n\r\n<P>x</P>\r\n";
    EXPECT_EQ(t.substr(TemplateBodyOffset(t)), "<P>x</P>\r\n");
    EXPECT_EQ(TemplateMenuText(t), "Page");
}

TEST(TemplateHeader, CloseOnTheMenuLineSkipsToTheNextClose) {
    const std::string t = "<!--\nMENU: x -->\n<B>hidden</B>\n-->\nbody\n";
    EXPECT_EQ(t.substr(TemplateBodyOffset(t)), "body\n");
}

TEST(TemplateHeader, FilesWithoutAHeaderAreInsertedWhole) {
    EXPECT_EQ(TemplateBodyOffset("<HTML>\n<!--\nMENU: x\n-->\n"), 0u);
    EXPECT_EQ(TemplateBodyOffset("<!-- just a comment -->\n<P>\n"), 0u);
    EXPECT_EQ(TemplateBodyOffset(""), 0u);
    EXPECT_EQ(TemplateBodyOffset("<!--"), 0u);
    // A header that never closes hides nothing.
    EXPECT_EQ(TemplateBodyOffset("<!--\nMENU: x\n<P>text\n"), 0u);
    EXPECT_EQ(TemplateMenuText("<P>"), "");
}

TEST(TemplateHeader, HeaderOnlyFileInsertsNothing) {
    const std::string t = "<!--\nMENU: empty\n-->";
    EXPECT_EQ(TemplateBodyOffset(t), t.size());
}

// The tag-opener rule, the tag finder and Strip Tags.
#include "core/tagassist/TagSyntax.h"

#include <gtest/gtest.h>

using namespace velto;

TEST(TagSyntax, TagOpenerRule) {
    EXPECT_TRUE(IsTagOpener("<B>", 0));
    EXPECT_TRUE(IsTagOpener("</B>", 0));
    EXPECT_TRUE(IsTagOpener("<!DOCTYPE", 0));
    EXPECT_TRUE(IsTagOpener("<.x", 0));
    EXPECT_TRUE(IsTagOpener("<", 0)); // at the end of the text
    EXPECT_FALSE(IsTagOpener("< B>", 0));
    EXPECT_FALSE(IsTagOpener("</ B>", 0));
    EXPECT_FALSE(IsTagOpener("</", 0));
    EXPECT_FALSE(IsTagOpener("<=", 0));
    EXPECT_FALSE(IsTagOpener("<\xC3\xA9>", 0));
    EXPECT_FALSE(IsTagOpener("a", 0));
}

TEST(TagSyntax, FinderTakesTheLastOpenerBeforeTheClose) {
    EXPECT_EQ(FindNextTag("x <a <b> y", 0), (TagSpan{5, 8}));
    EXPECT_EQ(FindNextTag("a > b <i>", 0), (TagSpan{6, 9}));
    EXPECT_EQ(FindNextTag("<b>x</b>", 1), (TagSpan{4, 8}));
    EXPECT_FALSE(FindNextTag("< B> and >", 0));
    EXPECT_FALSE(FindNextTag("<unclosed", 0));
}

TEST(TagSyntax, CommentIsOneTagToTheFirstClose) {
    const std::string_view t = "<!-- a <B> b --> c -->";
    EXPECT_EQ(FindNextTag(t, 0), (TagSpan{0, 16}));
    EXPECT_FALSE(FindNextTag("x <!-- open <B>", 0));
    EXPECT_EQ(FindNextTag("<a <!-- c -->", 0), (TagSpan{3, 13}));
}

TEST(TagSyntax, ElementNameOfATag) {
    EXPECT_EQ(TagElementName("<B>"), "B");
    EXPECT_EQ(TagElementName("</TABLE>"), "TABLE");
    EXPECT_EQ(TagElementName("<a href=x>"), "a");
    EXPECT_EQ(TagElementName("<!-- x -->"), "!--");
    EXPECT_EQ(TagElementName("<" + std::string(100, 'x') + ">").size(), MaxTagNameLength);
}

TEST(StripTags, RemovesTagsAndKeepsText) {
    EXPECT_EQ(StripTags("a <B>bold</B> c"), "a bold c");
    EXPECT_EQ(StripTags("1 < 2 and 3 > 2"), "1 < 2 and 3 > 2");
    EXPECT_EQ(StripTags("x<!-- <i>note</i> -->y"), "xy");
    EXPECT_EQ(StripTags("keep <unclosed"), "keep <unclosed");
    EXPECT_EQ(StripTags("<P>\r\nline</P>\r\n"), "\r\nline\r\n");
    EXPECT_EQ(StripTags(""), "");
}

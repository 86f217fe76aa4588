// The end tags that typing ">" and "</" complete, and where they are not completed.
#include "core/tagassist/TagClosing.h"

#include "core/htmlkb/KbTestSupport.h"
#include "core/platform/MemoryTextControl.h"

#include <gtest/gtest.h>

using namespace velto;

namespace {
class TagClosingTest : public test::KbTest {
protected:
    // The text after typing the last character of `typed` at the end of `before`, with
    // `after` following the caret; the completion applied, "|" where the caret ends up.
    std::string Type(std::string before, char typed, std::string after = {}, bool closeOptional = false) {
        MemoryTextControl control(before + typed + after);
        const int at = static_cast<int>(before.size());
        const auto done = typed == '>' ? closing.AfterGreater(control, at, closeOptional)
                                       : closing.AfterSlash(control, at);
        std::string text = control.Text();
        int caret = at + 1;
        if (done) {
            text.insert(static_cast<std::size_t>(done->at), done->text);
            caret = done->caret;
        }
        return text.insert(static_cast<std::size_t>(caret), "|");
    }

    TagClosing closing{kb};
};
} // namespace

TEST_F(TagClosingTest, StartTagGetsItsEndTagInItsOwnCase) {
    EXPECT_EQ(Type("<b", '>'), "<b>|</b>");
    EXPECT_EQ(Type("<TABLE border=1", '>'), "<TABLE border=1>|</TABLE>");
    EXPECT_EQ(Type("x <Div class=\"a>b\"", '>', "y"), "x <Div class=\"a>b\">|</Div>y");
    EXPECT_EQ(Type("<my-widget", '>'), "<my-widget>|</my-widget>");
    EXPECT_EQ(Type("<script", '>'), "<script>|</script>");
    // Already closed right after the caret (the '>' retyped): nothing more.
    EXPECT_EQ(Type("<em", '>', "</EM>"), "<em>|</EM>");
}

TEST_F(TagClosingTest, EmptyAndOptionalEndTags) {
    for (bool closeOptional : {false, true}) {
        EXPECT_EQ(Type("<BR", '>', "", closeOptional), "<BR>|");
        EXPECT_EQ(Type("<img src=a.gif", '>', "", closeOptional), "<img src=a.gif>|");
        EXPECT_EQ(Type("<hr", '>', "", closeOptional), "<hr>|");
        EXPECT_EQ(Type("<input name=q", '>', "", closeOptional), "<input name=q>|");
        EXPECT_EQ(Type("<br/", '>', "", closeOptional), "<br/>|");
        EXPECT_EQ(Type("<b/", '>', "", closeOptional), "<b/>|");
    }
    EXPECT_EQ(Type("<P", '>'), "<P>|");
    EXPECT_EQ(Type("<li", '>'), "<li>|");
    EXPECT_EQ(Type("<P", '>', "", true), "<P>|</P>");
    EXPECT_EQ(Type("<li", '>', "", true), "<li>|</li>");
}

TEST_F(TagClosingTest, NothingInCommentsScriptsValuesOrText) {
    EXPECT_EQ(Type("<!-- <b", '>'), "<!-- <b>|");
    EXPECT_EQ(Type("<!-- x --> <b", '>'), "<!-- x --> <b>|</b>");
    EXPECT_EQ(Type("<a title=\"<b", '>'), "<a title=\"<b>|");
    EXPECT_EQ(Type("<a title='x", '>'), "<a title='x>|");
    EXPECT_EQ(Type("<script>document.write('<b", '>'), "<script>document.write('<b>|");
    EXPECT_EQ(Type("<style>p { } </style><b", '>'), "<style>p { } </style><b>|</b>");
    EXPECT_EQ(Type("</b", '>'), "</b>|");
    EXPECT_EQ(Type("<!DOCTYPE html", '>'), "<!DOCTYPE html>|");
    EXPECT_EQ(Type("a ", '>'), "a >|");
    EXPECT_EQ(Type("<b>x", '>'), "<b>x>|");
}

TEST_F(TagClosingTest, SlashCompletesTheInnermostOpenElement) {
    EXPECT_EQ(Type("<Table><tr><td>a<", '/'), "<Table><tr><td>a</td>|");
    EXPECT_EQ(Type("<ul><li>a</li><", '/'), "<ul><li>a</li></ul>|");
    EXPECT_EQ(Type("<b>x<br><", '/'), "<b>x<br></b>|");
    // An end tag being edited, or one with nothing to close, is left alone.
    EXPECT_EQ(Type("<b>x<", '/', "b>"), "<b>x</|b>");
    EXPECT_EQ(Type("x <", '/'), "x </|");
    EXPECT_EQ(Type("<b><!-- <", '/'), "<b><!-- </|");
    EXPECT_EQ(Type("<b><script>x = '<", '/'), "<b><script>x = '</|");
}

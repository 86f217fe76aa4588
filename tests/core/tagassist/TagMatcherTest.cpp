// Pairing start and end tags: nesting, optional end tags, comments, scripts and the bound.
#include "core/tagassist/TagMatcher.h"

#include "core/htmlkb/KbTestSupport.h"
#include "core/platform/MemoryTextControl.h"

#include <gtest/gtest.h>

using namespace velto;

namespace {
class TagMatcherTest : public test::KbTest {
protected:
    // The caret is where "|" stands (it is taken out). Gives the tag at the caret and its
    // partner as "tag=partner@offset", or "-" when there is none.
    std::string Pair(std::string marked) {
        const std::size_t caret = marked.find('|');
        marked.erase(caret, 1);
        MemoryTextControl control(marked);
        const auto pair = matcher.FindPair(control, static_cast<int>(caret));
        if (!pair)
            return "-";
        const auto cut = [&](TagRange r) {
            return marked.substr(static_cast<std::size_t>(r.first), static_cast<std::size_t>(r.pastEnd - r.first));
        };
        return cut(pair->tag) + "=" + cut(pair->partner) + "@" + std::to_string(pair->partner.first);
    }

    TagMatcher matcher{kb};
};
} // namespace

TEST_F(TagMatcherTest, PairsAcrossNestingBothWays) {
    EXPECT_EQ(Pair("<div>a<div>b</div>c</d|iv>"), "</div>=<div>@0");
    EXPECT_EQ(Pair("<d|iv>a<div>b</div>c</div>"), "<div>=</div>@19");
    EXPECT_EQ(Pair("<DIV>a<div>b</div>c</div|>"), "</div>=<DIV>@0");
    // The caret just before the '<' and just after the '>' is in the tag.
    EXPECT_EQ(Pair("x|<b>y</b>"), "<b>=</b>@5");
    EXPECT_EQ(Pair("<b>y</b>|"), "</b>=<b>@0");
    // Between two tags the one that starts there wins.
    EXPECT_EQ(Pair("<i><b>|</b></i>"), "</b>=<b>@3");
    // Attributes, quoted '>' included, belong to the tag.
    EXPECT_EQ(Pair("<a title=\"x>y\" h|ref=z>t</a>"), "<a title=\"x>y\" href=z>=</a>@23");
    EXPECT_EQ(Pair("<a title=\"x>y\">t</|a>"), "</a>=<a title=\"x>y\">@0");
}

TEST_F(TagMatcherTest, NoPartnerOutsideTagsOrForEmptyElements) {
    EXPECT_EQ(Pair("<b>te|xt</b>"), "-");
    EXPECT_EQ(Pair("a<b|r>b"), "-");
    EXPECT_EQ(Pair("<img src=x|>"), "-");
    EXPECT_EQ(Pair("<my-widget|/>"), "-");
    EXPECT_EQ(Pair("<b|>never closed"), "-");
    // A custom element pairs like any container.
    EXPECT_EQ(Pair("<my-w|idget><b></b></my-widget>"), "<my-widget>=</my-widget>@18");
}

TEST_F(TagMatcherTest, OptionalEndTagsAreTakenIntoAccount) {
    // A paragraph without its end tag is stepped over by the division's tags.
    EXPECT_EQ(Pair("<d|iv><p>one<p>two</div>"), "<div>=</div>@17");
    EXPECT_EQ(Pair("<div><p>one<p>two</di|v>"), "</div>=<div>@0");
    // ... and has no partner itself, ended by the next paragraph or the parent.
    EXPECT_EQ(Pair("<div><|p>one<p>two</p></div>"), "-");
    EXPECT_EQ(Pair("<div><p>one<p|>two</p></div>"), "<p>=</p>@17");
    EXPECT_EQ(Pair("<ul><l|i>a<li>b</ul>"), "-");
    EXPECT_EQ(Pair("<u|l><li>a<li>b</ul>"), "<ul>=</ul>@14");
    EXPECT_EQ(Pair("<tr><td>a<td>b</tr|>"), "</tr>=<tr>@0");
    // A nested list inside an item does not end it.
    EXPECT_EQ(Pair("<l|i>a<ul><li>b</li></ul></li>"), "<li>=</li>@24");
}

TEST_F(TagMatcherTest, CommentsAndScriptsHoldNoTags) {
    EXPECT_EQ(Pair("<d|iv><!-- </div> -->x</div>"), "<div>=</div>@21");
    EXPECT_EQ(Pair("<div><!-- <div> -->x</d|iv>"), "</div>=<div>@0");
    EXPECT_EQ(Pair("<div><!-- <b|> --></div>"), "-");
    EXPECT_EQ(Pair("<b|><script>if (a</b) x = '</b>';</script></b>"), "<b>=</b>@41");
    EXPECT_EQ(Pair("<b><script>x = '<b>';</script></b|>"), "</b>=<b>@0");
    EXPECT_EQ(Pair("<scr|ipt>x = '</b>';</script>"), "<script>=</script>@19");
    EXPECT_EQ(Pair("<script>x = '<b|>';</script>"), "-");
}

TEST_F(TagMatcherTest, SearchStopsAtTheLimit) {
    const std::string filler(TagMatcher::SearchLimit + 10, 'x');
    EXPECT_EQ(Pair("<d|iv>" + filler + "</div>"), "-");
    EXPECT_EQ(Pair("<div>" + filler + "</d|iv>"), "-");
    // Within it, the window grows as far as needed.
    const std::string near(TagMatcher::SearchLimit - 1000, 'x');
    EXPECT_EQ(Pair("<b>" + near + "</b|>"), "</b>=<b>@0");
}

TEST_F(TagMatcherTest, InnermostOpenElement) {
    const auto open = [&](std::string text) {
        MemoryTextControl control(text);
        const auto e = matcher.InnermostOpen(control, control.Length());
        return e ? e->name : "-";
    };
    EXPECT_EQ(open("<Table><tr><td>a</td></tr>"), "Table");
    EXPECT_EQ(open("<div><p>one<br><img src=x><b>two</b>"), "p");
    EXPECT_EQ(open("<ul><li>a<li>b</ul><p>x</p>"), "-");
    EXPECT_EQ(open("<em><!-- <b> --><script>'<i>'</script>"), "em");
}

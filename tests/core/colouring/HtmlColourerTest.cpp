// The colouring engine: tag classes, the tag finder's rules, the range search and what an
// edit recolours.
#include "ColouringTestSupport.h"

#include "core/htmlkb/ForeignVocabulary.h"
#include "core/tagassist/TagSyntax.h"

#include <gtest/gtest.h>

#include <random>

using namespace velto;
using namespace velto::test;

namespace {

using C = AppearanceClass;

class HtmlColourer : public ColouringTest {
protected:
    CHtmlColourer colourer{kb, ColourMode::Tags};

    // A control whose text is already coloured whole, as after a full colouring.
    MemoryTextControl Coloured(const std::string& text) {
        MemoryTextControl control(text);
        colourer.ColourWholeControl(control);
        control.ResetStyledCharacters();
        return control;
    }
    // Types text at pos and colours the edit as a view does.
    CHtmlColourer::Result Type(MemoryTextControl& control, int pos, std::string_view text) {
        control.ReplaceRange(pos, pos, text);
        const int end = pos + static_cast<int>(text.size());
        colourer.TextEdited(pos, pos, end);
        return colourer.ColourEdit(control, pos, end);
    }
    // Colours what the last edits left pending, as the background does.
    void Settle(MemoryTextControl& control) {
        while (!colourer.Complete())
            colourer.ColourNextChunk(control, 4096);
    }
};

TEST_F(HtmlColourer, TagsTakeTheirElementsClassAndTextStaysText) {
    const auto pieces = {Piece{"<P>", ClassOf("P")},
                         Piece{"Go ", C::Text},
                         Piece{"<A HREF=", ClassOf("A")},
                         Piece{"\"x\"", C::AttributeValue},
                         Piece{">", ClassOf("A")},
                         Piece{"here", C::Text},
                         Piece{"</a>", ClassOf("A")},
                         Piece{"\r\n", C::Text},
                         Piece{"<table>", ClassOf("TABLE")},
                         Piece{" ", C::Text},
                         Piece{"<Rubbish>", C::UnknownOrError}};
    EXPECT_EQ(Runs(WholeStyles(TextOf(pieces))), Runs(StylesOf(pieces)));
    // The classes differ, or this test could not tell them apart.
    EXPECT_NE(ClassOf("P"), ClassOf("A"));
    EXPECT_NE(ClassOf("A"), ClassOf("TABLE"));
}

TEST_F(HtmlColourer, ElementsOutsideTheVersionSelectionAreDisabled) {
    Select({"HTML v2.0"});
    int checked = 0;
    for (const auto& e : kb.Elements()) {
        if (kb.IsAllowed(e->Versions()) || e->Name().starts_with("!"))
            continue;
        const std::string tag = "<" + e->Name() + ">";
        EXPECT_EQ(Runs(WholeStyles(tag)), Runs(StylesOf({{tag, C::Disabled}}))) << tag;
        ++checked;
    }
    EXPECT_GT(checked, 10);
    EXPECT_EQ(WholeStyles("<B>")[0], static_cast<std::uint8_t>(ClassOf("B")));
}

TEST_F(HtmlColourer, CommentsAreOneTagToTheFirstClose) {
    const auto closed = {Piece{"x ", C::Text}, Piece{"<!-- a <B> b -->", ClassOf("!--")},
                         Piece{" -->", C::Text}};
    EXPECT_EQ(ClassOf("!--"), C::Comment);
    EXPECT_EQ(Runs(WholeStyles(TextOf(closed))), Runs(StylesOf(closed)));
    // Without the close, the rest of the page is inside the comment, as in a browser.
    const auto open = {Piece{"<I>", ClassOf("I")}, Piece{"x ", C::Text},
                       Piece{"<!-- a <B> b", C::Comment}};
    EXPECT_EQ(Runs(WholeStyles(TextOf(open))), Runs(StylesOf(open)));
}

TEST_F(HtmlColourer, OnlyTagOpenersStartTags) {
    const auto pieces = {Piece{"< B> a > b <a ", C::Text}, Piece{"<b>", ClassOf("B")},
                         Piece{" 1<=2 </ x> <\xC3\xA9> <", C::Text}};
    EXPECT_EQ(Runs(WholeStyles(TextOf(pieces))), Runs(StylesOf(pieces)));
}

TEST_F(HtmlColourer, PlainModeGivesEverythingTheTextClass) {
    const std::string text = "<P>a <B>b</B> <!-- c --><style>p{}</style>&amp;";
    MemoryTextControl control = Coloured(text);
    ASSERT_NE(Runs(control.Styles()), Runs(StylesOf({{text, C::Text}})));
    CHtmlColourer(kb, ColourMode::Plain).ColourWholeControl(control);
    EXPECT_EQ(Runs(control.Styles()), Runs(StylesOf({{text, C::Text}})));
}

TEST_F(HtmlColourer, TypingRecoloursFromTheCheckpointBeforeToTheOneAfter) {
    std::string page;
    for (int i = 0; page.size() < 100000; ++i)
        page += "<P>line " + std::to_string(i) + " <B>bold</B> and <I>more</I>\n";
    MemoryTextControl control = Coloured(page);
    const auto result = Type(control, 50000, "x");
    EXPECT_TRUE(colourer.Complete());
    EXPECT_LE(result.first, 50000);
    EXPECT_GE(result.first, 50000 - CHtmlColourer::CheckpointInterval - 100);
    EXPECT_LE(control.StyledCharacters(), 2 * CHtmlColourer::CheckpointInterval + 200);
    EXPECT_EQ(Runs(control.Styles()), Runs(WholeStyles(control.Text())));
}

TEST_F(HtmlColourer, AnEditThatChangesEverythingAfterItStopsAtTheBudget) {
    // An opened comment swallows the rest of the page: the edit colours its budget, the
    // rest is left pending for the background.
    std::string page;
    while (page.size() < 200000)
        page += "<P>text <B>bold</B>\n";
    MemoryTextControl control = Coloured(page);
    Type(control, 100, "<!--");
    EXPECT_FALSE(colourer.Complete());
    EXPECT_LE(control.StyledCharacters(), 100 + 4 + CHtmlColourer::EditBudget + 200);
    EXPECT_GT(colourer.FirstPending(), 100 + CHtmlColourer::EditBudget);
    Settle(control);
    EXPECT_EQ(Runs(control.Styles()), Runs(WholeStyles(control.Text())));
    EXPECT_EQ(control.Styles().back(), static_cast<std::uint8_t>(C::Comment));
}

TEST_F(HtmlColourer, TypingAfterATagRecoloursItAndTheTextToTheNext) {
    MemoryTextControl control = Coloured("</B>ab<I>");
    const auto result = Type(control, 4, "x");
    EXPECT_TRUE(result.applied);
    EXPECT_EQ(result.first, 0);
    EXPECT_GE(result.pastEnd, 7);
    EXPECT_EQ(Runs(control.Styles()), Runs(WholeStyles(control.Text())));
}

TEST_F(HtmlColourer, TypingInsideATagRecoloursTheWholeTag) {
    MemoryTextControl control = Coloured("a <B> c");
    Type(control, 4, "R"); // <BR>
    const auto pieces = {Piece{"a ", C::Text}, Piece{"<BR>", ClassOf("BR")}, Piece{" c", C::Text}};
    EXPECT_EQ(Runs(control.Styles()), Runs(StylesOf(pieces)));
    EXPECT_NE(ClassOf("BR"), ClassOf("B"));
    Type(control, 4, "x"); // <BxR>: no such element
    EXPECT_EQ(control.Styles()[2], static_cast<std::uint8_t>(C::UnknownOrError));
    EXPECT_EQ(control.Styles()[6], static_cast<std::uint8_t>(C::UnknownOrError));
}

TEST_F(HtmlColourer, TypingAnOpenerMakesATag) {
    MemoryTextControl control = Coloured("text P> more");
    Type(control, 5, "<");
    const auto pieces = {Piece{"text ", C::Text}, Piece{"<P>", ClassOf("P")},
                         Piece{" more", C::Text}};
    EXPECT_EQ(Runs(control.Styles()), Runs(StylesOf(pieces)));
}

TEST_F(HtmlColourer, OddRangesAndBytesAreSafeAndOnlyStylesChange) {
    std::string text("<B>\0\xFF<\x80>x<", 10);
    text += std::string(100, 'N') + "\x01>\r\n<I>";
    MemoryTextControl control(text);
    control.SetSelection({7, 3});
    control.SetVisibleLines(1, 1);
    for (auto [first, pastEnd] : {std::pair{-50, 5}, {5, 1}, {0, 100000}, {200, 300}, {-9, -1}}) {
        colourer.Restart(control);
        for (const auto& result : {colourer.ColourRange(control, first, pastEnd),
                                   colourer.ColourEdit(control, first, pastEnd)}) {
            EXPECT_LE(0, result.first);
            EXPECT_LE(result.first, result.pastEnd);
            EXPECT_LE(result.pastEnd, control.Length());
        }
    }
    colourer.ColourWholeControl(control);
    EXPECT_EQ(control.Text(), text);
    EXPECT_EQ(control.GetSelection(), (TextControl::Selection{7, 3}));
    EXPECT_EQ(control.FirstVisibleLine(), 1);
    // A name longer than any element's is read as far as names go, and is unknown.
    EXPECT_EQ(colourer.TagClass(text.substr(text.find('<', 6))), C::UnknownOrError);
    MemoryTextControl empty;
    EXPECT_EQ(colourer.ColourWholeControl(empty).pastEnd, 0);
    EXPECT_EQ(colourer.ColourRange(empty, 0, 0).pastEnd, 0);
}

// The tag finder, written out as the rule reads: walk forward; an opener becomes the
// candidate; "<!--" starts a comment to the first "-->"; a '>' closes the candidate.
std::optional<TagSpan> FindByTheRule(std::string_view text, std::size_t from) {
    std::optional<std::size_t> candidate;
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text.substr(i, 4) == "<!--") {
            const std::size_t close = text.find("-->", i);
            if (close == std::string_view::npos)
                return std::nullopt;
            return TagSpan{i, close + 3};
        }
        if (IsTagOpener(text, i))
            candidate = i;
        else if (text[i] == '>' && candidate)
            return TagSpan{*candidate, i + 1};
    }
    return std::nullopt;
}

TEST_F(HtmlColourer, TheFastTagFinderKeepsTheRule) {
    std::mt19937 rng(7);
    constexpr std::string_view alphabet = "<<>>/!-- aZ9.\n\x80";
    for (int round = 0; round < 20000; ++round) {
        std::string text(static_cast<std::size_t>(rng() % 24), ' ');
        for (char& c : text)
            c = alphabet[rng() % alphabet.size()];
        for (std::size_t from = 0; from <= text.size(); ++from)
            ASSERT_EQ(FindNextTag(text, from), FindByTheRule(text, from))
                << '"' << text << "\" from " << from;
    }
}

TEST_F(HtmlColourer, AChangedVersionSelectionReachesTheNextColouring) {
    MemoryTextControl control("<TABLE><TABLE>");
    colourer.ColourWholeControl(control);
    EXPECT_EQ(control.Styles()[0], static_cast<std::uint8_t>(ClassOf("TABLE")));
    Select({"HTML v2.0"}); // no tables there
    colourer.ColourWholeControl(control);
    EXPECT_EQ(control.Styles()[0], static_cast<std::uint8_t>(C::Disabled));
    EXPECT_EQ(control.Styles()[7], static_cast<std::uint8_t>(C::Disabled));
}

} // namespace

namespace {

using C = AppearanceClass;

class Html5Names : public ColouringTest {
protected:
    C ClassOfTag(const std::string& tag) {
        const std::vector<std::uint8_t> styles = WholeStyles(tag);
        return static_cast<C>(styles.at(1));
    }
};

TEST_F(Html5Names, CustomElementsAndEmbeddedVocabulariesUnderHtml5) {
    EXPECT_EQ(ClassOfTag("<my-widget class=x>"), C::StructureLayout);
    EXPECT_EQ(ClassOfTag("</my-widget>"), C::StructureLayout);
    EXPECT_EQ(ClassOfTag("<My-Widget>"), C::StructureLayout) << "the parser folds case";
    EXPECT_EQ(ClassOfTag("<x-1.2>"), C::StructureLayout);
    EXPECT_EQ(ClassOfTag("<mywidget>"), C::UnknownOrError) << "no hyphen";
    EXPECT_EQ(ClassOfTag("<1-widget>"), C::UnknownOrError) << "a digit first";
    EXPECT_FALSE(IsCustomElementName("font-face")) << "reserved by SVG";
    EXPECT_FALSE(IsCustomElementName("my widget"));
    EXPECT_TRUE(IsCustomElementName("emotion-\xF0\x9F\x98\x8D"));
    EXPECT_EQ(ClassOfTag("<path d=\"M0 0\">"), C::EmbedProgrammatic);
    EXPECT_EQ(ClassOfTag("<linearGradient id=g>"), C::EmbedProgrammatic);
    EXPECT_EQ(ClassOfTag("<feGaussianBlur>"), C::EmbedProgrammatic);
    EXPECT_EQ(ClassOfTag("<mrow>"), C::EmbedProgrammatic);
    EXPECT_EQ(ClassOfTag("<rubbish>"), C::UnknownOrError);

    // Without HTML5 in the selection they are as unknown as ever.
    Select({"HTML v4.0"});
    EXPECT_EQ(ClassOfTag("<my-widget>"), C::UnknownOrError);
    EXPECT_EQ(ClassOfTag("<path>"), C::UnknownOrError);
}

} // namespace

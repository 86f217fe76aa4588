// The whole-text colouring, which walks the control's own buffer and hands styles over in
// batches, against the chunks that the background colours, on a large page whose tags,
// comments, scripts and odd bytes fall across the batch and chunk boundaries.
#include "ColouringTestSupport.h"

#include "core/colouring/StyleBatch.h"
#include "core/fakes/TestFiles.h"

#include <gtest/gtest.h>

#include <random>

using namespace velto;
using namespace velto::test;

namespace {

// A control that cannot lend its text, so the colourer must copy it.
class CopyingControl final : public TextControl {
public:
    explicit CopyingControl(MemoryTextControl& inner) : inner_(inner) {}
    int Length() const override { return inner_.Length(); }
    void GetTextRange(int first, int pastEnd, std::string& out) const override {
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
    void SetSelection(Selection selection) override { inner_.SetSelection(selection); }
    int FirstVisibleLine() const override { return inner_.FirstVisibleLine(); }
    Range VisibleRange() const override { return inner_.VisibleRange(); }
    void SetStyles(int first, std::span<const std::uint8_t> styles) override {
        inner_.SetStyles(first, styles);
    }

private:
    MemoryTextControl& inner_;
};

// About 1.2 MB of markup made of pieces that exercise the tag finder: known, disabled and
// unknown elements, comments, stray '<' and '>', NUL and non-ASCII bytes, and one comment
// longer than a whole batch.
std::string LargePage() {
    const std::vector<std::string> pieces = {"<P>",
                                             "</P>",
                                             "text ",
                                             "<A HREF=\"x.html\">",
                                             "</a>",
                                             "<TABLE BORDER=1>",
                                             "<td>",
                                             "<!-- note -->",
                                             "<!-- <B>fake</B> -->",
                                             "a < b",
                                             "c > d",
                                             "<BLINK>",
                                             "<mywidget>",
                                             "<my-widget>",
                                             "<svg><path d=\"M0 0\"/></svg>",
                                             std::string("\0\xff\x80", 3),
                                             "caf\xc3\xa9 ",
                                             "\r\n",
                                             "\n",
                                             "<SCRIPT>if (a<b) x(/re/g, `t${1}`);</SCRIPT>",
                                             "<style>p { color: #fff } /* c */</style>",
                                             "&amp; &#233; &bogus; ",
                                             "<a onclick=\"f('x')\" style='margin: 0'>",
                                             "<",
                                             ">",
                                             "<!",
                                             "</>",
                                             "<IMG SRC=a.gif\nALT='x'>",
                                             "<font color=red>"};
    std::mt19937 rng(11);
    std::string page;
    while (page.size() < 600 * 1024)
        page += pieces[rng() % pieces.size()];
    page += "<!--" + std::string(StyleBatch::Capacity + 1000, '-') + " long -->";
    while (page.size() < 1200 * 1024)
        page += pieces[rng() % pieces.size()];
    return page + "<B"; // an unclosed tag at the very end
}

class WholeTextColouring : public ColouringTest {
protected:
    // The styles the background colouring gives the whole text, chunk by chunk.
    std::vector<std::uint8_t> RangeStyles(const std::string& text, ColourMode mode) const {
        MemoryTextControl control(text);
        CHtmlColourer colourer(kb, mode);
        colourer.Restart(control);
        while (!colourer.Complete())
            colourer.ColourNextChunk(control, 50000);
        return control.Styles();
    }

    // The whole-text colouring of PAGE, through a control that lends its text and one that
    // must copy it, gives the styles the range colouring gives.
    void ExpectBatchesMatchRanges(const std::string& page) const {
        for (ColourMode mode : {ColourMode::Tags, ColourMode::Plain}) {
            const std::vector<std::uint8_t> expected = RangeStyles(page, mode);
            MemoryTextControl lending(page);
            const CHtmlColourer::Result result =
                CHtmlColourer(kb, mode).ColourWholeControl(lending);
            EXPECT_EQ(result.first, 0);
            EXPECT_EQ(result.pastEnd, lending.Length());
            EXPECT_EQ(lending.StyledCharacters(), lending.Length());
            // Compared whole, then the first difference shown readably.
            if (lending.Styles() != expected) {
                const auto at = static_cast<std::size_t>(
                    std::mismatch(expected.begin(), expected.end(), lending.Styles().begin()).first -
                    expected.begin());
                const std::size_t from = at > 40 ? at - 40 : 0;
                ADD_FAILURE() << "first difference at " << at << ": expected "
                              << Runs(expected, from, at + 40) << "\n got "
                              << Runs(lending.Styles(), from, at + 40);
            }
            MemoryTextControl inner(page);
            CopyingControl copying(inner);
            CHtmlColourer(kb, mode).ColourWholeControl(copying);
            EXPECT_TRUE(inner.Styles() == expected) << "the copying path differs";
            EXPECT_EQ(inner.Text(), page);
        }
    }
};

TEST_F(WholeTextColouring, BatchesGiveTheRangeColouringsStylesEveryCharacterOnce) {
    ExpectBatchesMatchRanges(LargePage());
}

TEST_F(WholeTextColouring, BatchesGiveTheRangeColouringsStylesOnTheBenchmarkCorpus) {
    // Real-world markup, when the benchmark corpus has been built on this machine.
    const std::filesystem::path corpus = VELTO_SOURCE_DIR "/bench/corpus/corpus-1mb.html";
    if (!std::filesystem::exists(corpus))
        GTEST_SKIP() << "no benchmark corpus: scripts/make-corpus bench/corpus builds it";
    const std::string page = test::ReadFile(corpus);
    ASSERT_GT(page.size(), 1000000u);
    ExpectBatchesMatchRanges(page);
}

TEST_F(WholeTextColouring, OneColourerServesWholeTextsAndRangesInTurn) {
    // The whole-text colouring leaves no window behind that a later range colouring of a
    // changed text could mistake for its own.
    CHtmlColourer colourer(kb, ColourMode::Tags);
    MemoryTextControl control("<P>one</P> two <B>three</B>");
    colourer.ColourWholeControl(control);
    control.ReplaceRange(0, 3, "<I>");
    colourer.TextEdited(0, 3, 3);
    colourer.ColourEdit(control, 0, 3);
    EXPECT_EQ(control.Styles(), WholeStyles(control.Text()));
    MemoryTextControl shorter("<B>x");
    colourer.ColourWholeControl(shorter);
    EXPECT_EQ(shorter.Styles(), RangeStyles("<B>x", ColourMode::Tags));
}

} // namespace

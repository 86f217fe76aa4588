// The colouring schedule of a view: full colouring in idle chunks with the visible part
// first, edits coloured at once or queued, the idle round over several views, and random
// edit sequences that must end coloured as the whole text coloured at once.
#include "ColouringTestSupport.h"

#include "core/colouring/ColourSchedule.h"
#include "core/tagassist/TagSyntax.h"

#include <gtest/gtest.h>

#include <random>

using namespace velto;
using namespace velto::test;

namespace {

using C = AppearanceClass;

class Schedule : public ColouringTest {
protected:
    MemoryTextControl control;
    ColourSchedule schedule{control, kb, appearance, general};
    unsigned long tick = 1;

    // Opens a document: the text arrives uncoloured and the view becomes ready.
    void Open(const std::string& text) {
        control.ReplaceRange(0, control.Length(), text);
        schedule.ViewReady();
    }
    // Replaces [first, pastEnd) with text and reports the change as the view does.
    void Edit(int first, int pastEnd, std::string_view text) {
        control.ReplaceRange(first, pastEnd, text);
        schedule.TextChanged(first, first + static_cast<int>(text.size()));
    }
    // Runs idle ticks until the view is complete; returns the ticks that did work.
    int RunIdle() {
        int worked = 0;
        for (int guard = 0; !schedule.IsComplete(); ++guard) {
            if (guard > 50'000'000)
                throw std::runtime_error("the schedule never completes");
            worked += schedule.IdleStep(tick++).didWork ? 1 : 0;
        }
        return worked;
    }
    bool ColouredAsWhole() const { return control.Styles() == WholeStyles(control.Text()); }
};

// Lines of tags and text; line i holds "<B>i</B> <I>text</I>".
std::string Document(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += "<P><B>" + std::to_string(i) + "</B> <I>text</I>\n";
    return text;
}

TEST_F(Schedule, ViewStartColoursTheVisibleAreaFirstThenChunks) {
    general.viewScanChunk = 1000;
    control.SetVisibleLines(100, 10);
    Open(Document(300));
    EXPECT_FALSE(schedule.IsComplete());
    ASSERT_TRUE(schedule.PendingScan());
    EXPECT_EQ(schedule.PendingScan()->next, 0);

    EXPECT_FALSE(schedule.IdleStep(9).didWork);
    EXPECT_TRUE(schedule.IdleStep(10).didWork);
    const auto visible = control.VisibleRange();
    const auto whole = WholeStyles(control.Text());
    EXPECT_EQ(Runs(control.Styles(), visible.first, visible.pastEnd),
              Runs(whole, visible.first, visible.pastEnd));
    // Colouring the visible part colours what comes before it too (it is near); the scan
    // goes on after it.
    const int afterVisible = schedule.PendingScan()->next;
    EXPECT_GE(afterVisible, visible.pastEnd);
    EXPECT_LT(afterVisible, visible.pastEnd + 100);
    const auto uncoloured = [&] {
        return std::all_of(control.Styles().begin() + afterVisible,
                           control.Styles().begin() + afterVisible + 1000,
                           [](std::uint8_t s) { return s == 0; });
    };
    EXPECT_TRUE(uncoloured());
    EXPECT_FALSE(schedule.IdleStep(20).didWork);
    EXPECT_TRUE(schedule.IdleStep(250).didWork);
    EXPECT_GE(schedule.PendingScan()->next, afterVisible + 1000);
    EXPECT_LT(schedule.PendingScan()->next, afterVisible + 1100); // to the token past the chunk
    EXPECT_FALSE(uncoloured());
    EXPECT_EQ(Runs(control.Styles(), afterVisible, afterVisible + 1000),
              Runs(whole, afterVisible, afterVisible + 1000));

    const int chunks = (control.Length() + 999) / 1000;
    EXPECT_LE(RunIdle(), chunks);
    EXPECT_TRUE(ColouredAsWhole());
    EXPECT_FALSE(schedule.IdleStep(1000).didWork);
}

TEST_F(Schedule, PlainModeColoursNothingUntilAFullColouringClearsTags) {
    Open(Document(20));
    RunIdle();
    ASSERT_NE(control.Styles(), WholeStyles(control.Text(), ColourMode::Plain));

    appearance.enableNonTextStyles = 0;
    control.ResetStyledCharacters();
    Edit(0, 0, "<B>x</B>");
    EXPECT_EQ(control.StyledCharacters(), 0);
    schedule.RestartFullColouring();
    RunIdle();
    EXPECT_EQ(control.Styles(), WholeStyles(control.Text(), ColourMode::Plain));

    MemoryTextControl other;
    ColourSchedule plainView(other, kb, appearance, general);
    plainView.ViewReady();
    EXPECT_TRUE(plainView.IsComplete());
    EXPECT_FALSE(plainView.PendingScan());
}

TEST_F(Schedule, EditsBelowMaxColouringInsertAreColouredAtOnce) {
    ASSERT_EQ(general.maxColouringInsert, 5000);
    Open(Document(400));
    RunIdle();
    // Inserted at 10, the range starts at 9: 4998 characters give a range of 4999.
    const std::string block = std::string(4998 - 7, 'x') + "<TABLE>";
    Edit(10, 10, block);
    EXPECT_TRUE(schedule.IsComplete());
    EXPECT_TRUE(ColouredAsWhole());

    Edit(10, 10, block + "y"); // a range of 5000: queued, visible part first
    EXPECT_FALSE(ColouredAsWhole());
    ASSERT_TRUE(schedule.PendingScan());
    EXPECT_EQ(schedule.PendingScan()->next, 10);
    EXPECT_FALSE(schedule.VisibleAreaColoured());
    RunIdle();
    EXPECT_TRUE(ColouredAsWhole());
}

TEST_F(Schedule, AQueuedEditOutsideTheVisibleAreaLeavesItColoured) {
    control.SetVisibleLines(0, 10);
    Open(Document(1000));
    RunIdle();
    const int end = control.Length();
    Edit(end, end, std::string(6000, 'z') + "<HR>");
    EXPECT_TRUE(schedule.VisibleAreaColoured());
    ASSERT_TRUE(schedule.PendingScan());
    EXPECT_EQ(schedule.PendingScan()->next, end); // the scan starts at the edit
    RunIdle();
    EXPECT_TRUE(ColouredAsWhole());
}

TEST_F(Schedule, ScrollingAndGoToLineColourTheNewlyShownLinesFirst) {
    Open(Document(50));
    RunIdle();
    schedule.Scrolled(); // nothing pending: nothing to do
    EXPECT_TRUE(schedule.IsComplete());
    schedule.VisibleAreaUncoloured(); // Go To Line, always
    EXPECT_FALSE(schedule.IsComplete());
    EXPECT_TRUE(schedule.IdleStep(30).didWork);
    EXPECT_TRUE(schedule.IsComplete());

    schedule.RestartFullColouring();
    schedule.IdleStep(10);
    ASSERT_TRUE(schedule.VisibleAreaColoured());
    schedule.Scrolled(); // while the scan is pending
    EXPECT_FALSE(schedule.VisibleAreaColoured());
}

TEST_F(Schedule, DeletingAnOpenerReturnsTheRestOfTheTagToText) {
    // After a blank or a line break the deleted '<' leaves nothing in the one character
    // before the change that hints at a tag.
    for (const std::string before : {"a ", "a\n", ""}) {
        Open(before + "<B>c");
        RunIdle();
        const int pos = static_cast<int>(before.size());
        Edit(pos, pos + 1, "");
        EXPECT_EQ(Runs(control.Styles()), Runs(StylesOf({{before + "B>c", C::Text}})))
            << "after '" << before << "'";
    }
}

TEST_F(Schedule, TheScanFollowsTextThatMovesUnderIt) {
    general.viewScanChunk = 100;
    control.SetVisibleLines(0, 2);
    Open(Document(60));
    for (int i = 0; i < 5; ++i)
        schedule.IdleStep(250 * (i + 1));
    const int next = schedule.PendingScan()->next;
    ASSERT_GT(next, 300);
    Edit(50, 250, ""); // coloured at once, and the uncoloured text moves back
    EXPECT_EQ(schedule.PendingScan()->next, next - 200);
    RunIdle();
    EXPECT_TRUE(ColouredAsWhole());
    Open(Document(60));
    for (int i = 0; i < 5; ++i)
        schedule.IdleStep(250 * (i + 1));
    const int before = schedule.PendingScan()->next;
    general.maxColouringInsert = 10;
    Edit(before + 20, before + 20, std::string(30, 'q')); // beyond it and queued
    EXPECT_EQ(schedule.PendingScan()->next, before);
    RunIdle();
    EXPECT_TRUE(ColouredAsWhole());
}

TEST_F(Schedule, AnIdleTickGoesToTheActiveViewFirstThenToTheOthers) {
    MemoryTextControl texts[2];
    ColourSchedule a(texts[0], kb, appearance, general);
    ColourSchedule b(texts[1], kb, appearance, general);
    ColourSchedule* views[] = {&schedule, &a, &b};
    Open(Document(5));
    for (MemoryTextControl& t : texts)
        t.ReplaceRange(0, 0, Document(5));
    a.ViewReady();

    // The active view works; the others wait.
    auto r = OfferIdleTick(&schedule, views, 10);
    EXPECT_TRUE(r.didWork);
    EXPECT_TRUE(schedule.VisibleAreaColoured());
    EXPECT_FALSE(a.VisibleAreaColoured());
    EXPECT_FALSE(r.complete);
    // The active view has nothing for this tick: the next view takes it.
    r = OfferIdleTick(&schedule, views, 20);
    EXPECT_TRUE(r.didWork);
    EXPECT_TRUE(a.VisibleAreaColoured());
    // A view that is not ready asks for nothing and does nothing.
    while (schedule.WantsIdle() || a.WantsIdle())
        OfferIdleTick(&schedule, views, tick++);
    EXPECT_FALSE(b.IsReady());
    r = OfferIdleTick(&schedule, views, 250);
    EXPECT_FALSE(r.didWork);
    EXPECT_TRUE(r.complete);
    EXPECT_EQ(texts[1].StyledCharacters(), 0);
    EXPECT_EQ(texts[0].Styles(), WholeStyles(texts[0].Text()));
}

TEST_F(Schedule, TypingInsideACommentThatHoldsTagsKeepsItAComment) {
    // Once typed text between "foo" and "bar" took the "Text" colour, and a line break
    // turned the inner "</P>" into a live tag, until the whole page was coloured again.
    Open("<P>a</P>\n<!-- <P>foo bar</P> -->\n<B>b</B>");
    RunIdle();
    const int between = static_cast<int>(control.Text().find(" bar"));
    Edit(between, between, "x");
    EXPECT_TRUE(schedule.IsComplete());
    EXPECT_TRUE(ColouredAsWhole());
    Edit(between, between, "\n");
    EXPECT_TRUE(ColouredAsWhole());
    const std::size_t inner = control.Text().find("</P> -->");
    EXPECT_EQ(control.Styles()[inner], static_cast<std::uint8_t>(C::Comment));

    Open("<!-- <P>one</P> two -->");
    RunIdle();
    Edit(13, 13, "\n");
    EXPECT_EQ(Runs(control.Styles()), Runs(StylesOf({{control.Text(), C::Comment}})));
}

TEST_F(Schedule, TypingDeepInsideALongCommentOrTagKeepsItsColour) {
    // More than the old 512-character search away from the comment's start and end.
    const std::string filler(3000, 'w');
    Open("<P>x</P><!-- " + filler + " <B> -->" + "<A HREF=\"" + filler + "\">y</A>");
    RunIdle();
    for (const std::string_view marker : {"<!-- ", "<A HREF=\""}) {
        const int deep = static_cast<int>(control.Text().find(marker)) + 1500;
        Edit(deep, deep, "typed");
        EXPECT_TRUE(schedule.IsComplete()) << marker;
        EXPECT_TRUE(ColouredAsWhole()) << marker;
        Edit(deep, deep + 5, ""); // and Undo takes it out again
        EXPECT_TRUE(ColouredAsWhole()) << marker;
    }
}

TEST_F(Schedule, FarPlacesAreGuessedUntilTheBackgroundGetsThere) {
    // A long page just opened, its end shown and typed at: coloured from the line it is
    // on, as if it began the page, and settled when the background arrives.
    std::string page = "<script>\n";
    while (page.size() < 3 * CHtmlColourer::GuessDistance)
        page += "x = \"<b>\" + f(1); // <i>\n";
    page += "</script>\n<P>end</P>\n";
    Open(page);
    control.SetVisibleLines(control.LineCount() - 3, 3);
    EXPECT_TRUE(schedule.IdleStep(10).didWork);
    const int end = control.Length();
    EXPECT_EQ(control.Styles()[end - 5], static_cast<std::uint8_t>(ClassOf("P")));
    Edit(end, end, "<B>x</B>");
    EXPECT_EQ(control.Styles()[end], static_cast<std::uint8_t>(ClassOf("B")));
    ASSERT_TRUE(schedule.PendingScan());
    EXPECT_LT(schedule.PendingScan()->next, CHtmlColourer::GuessDistance);
    RunIdle();
    EXPECT_TRUE(ColouredAsWhole());
}

TEST_F(Schedule, AKeystrokeInALongScriptColoursOnlyAroundIt) {
    std::string script = "<script>\n";
    while (script.size() < 200000)
        script += "var s = \"</b>\" + `${a}` /* c */; x = y / 2; // z\n";
    Open(script + "</script><P>after</P>");
    RunIdle();
    const int middle = 100000;
    control.ResetStyledCharacters();
    Edit(middle, middle, "q");
    EXPECT_TRUE(schedule.IsComplete());
    EXPECT_LE(control.StyledCharacters(), 3 * CHtmlColourer::CheckpointInterval);
    EXPECT_TRUE(ColouredAsWhole());
    // An opened comment reaches to the script's end: the budget, then the background.
    control.ResetStyledCharacters();
    Edit(middle, middle, "/*");
    EXPECT_LE(control.StyledCharacters(), CHtmlColourer::EditBudget + CHtmlColourer::CheckpointInterval + 100);
    RunIdle();
    EXPECT_TRUE(ColouredAsWhole());
}

// Random documents and edits: ordinary text and whole tags inserted anywhere, ordinary text
// and whole tags deleted, scrolling and idle ticks in between. However the edits fall,
// once the schedule is complete the styles are those of colouring the final text at once.
class RandomEdits : public Schedule {
protected:
    std::mt19937 rng;

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    std::string Words(int maxLength) {
        static constexpr std::string_view chars = "abc XYZ 019 .-!=\"'/&;\n\r\t";
        std::string w(static_cast<std::size_t>(Below(maxLength) + 1), ' ');
        for (char& c : w)
            c = chars[static_cast<std::size_t>(Below(static_cast<int>(chars.size())))];
        return w;
    }
    std::string Tag() {
        static constexpr std::string_view names[] = {"B",        "TABLE", "a",  "Rubbish", "td",
                                                     "!DOCTYPE", "FORM",  "h1", "X-1",     "img"};
        std::string tag = Below(3) == 0 ? "</" : "<";
        tag += names[static_cast<std::size_t>(Below(std::size(names)))];
        if (Below(2) == 0)
            tag += " " + Words(Below(4) == 0 ? 400 : 20);
        return tag + ">";
    }
    // The shapes that are hard to colour a piece at a time: comments holding tags, tags
    // and comments longer than the checkpoints are apart, style sheets and scripts with
    // comments and strings of their own, attribute values and references, and all of
    // them unterminated now and then.
    std::string Hard() {
        static constexpr std::string_view shapes[] = {
            "<!-- <P>a</P> b -->",
            "<!-- x",
            "-->",
            "<style>p { color: #fff; content: \"}\" } /* <b> */</style>",
            "<style>a{b:c",
            "<script>var s = \"</b>\"; /* <i> */ x = /re/g; y = a / 2; // <p>\n</script>",
            "<script>`t ${ {a: `${1}`} }`",
            "<script type=\"application/json\">{\"a\": [1]}</script>",
            "</script>",
            "<a href=\"x?a=1&amp;b\" onclick='f(\"y\")' style=\"margin: 0\">",
            "&amp; &#233; &bogus; &copy",
            "\"", "'", "/*", "*/", "`", "${", "}", "<!--", "-->", "</style>", "<script>"};
        std::string piece(shapes[static_cast<std::size_t>(Below(std::size(shapes)))]);
        if (Below(6) == 0) // longer than a checkpoint's reach
            piece.insert(piece.size() / 2, std::string(static_cast<std::size_t>(5000 + Below(4000)), Below(2) == 0 ? 'w' : ' '));
        return piece;
    }
    std::string Pieces(int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            const int kind = Below(hard ? 3 : 2);
            text += kind == 0 ? Tag() : kind == 1 ? Words(30) : Hard();
        }
        return text;
    }
    bool hard = false;
    // A span to delete: a whole tag, or ordinary text holding no '<' or '>'.
    std::pair<int, int> Deletable() {
        const std::string& text = control.Text();
        const int from = Below(control.Length());
        if (Below(2) == 0)
            if (auto tag = FindNextTag(text, static_cast<std::size_t>(from)))
                return {static_cast<int>(tag->start), static_cast<int>(tag->end)};
        int end = from;
        while (end < control.Length() && end - from < 40 && text[end] != '<' && text[end] != '>')
            ++end;
        return {from, end};
    }
    void Step() {
        const int length = control.Length();
        switch (Below(8)) {
        case 0:
        case 1:
            Edit(Below(length + 1), -1, Words(12));
            break;
        case 2:
        case 3:
            Edit(Below(length + 1), -1, Below(5) == 0 ? Pieces(4) : hard && Below(2) == 0 ? Hard() : Tag());
            break;
        case 4:
        case 5: {
            const auto [first, pastEnd] = Deletable();
            Edit(first, pastEnd, "");
            break;
        }
        case 6:
            control.SetVisibleLines(Below(control.LineCount()), 1 + Below(20));
            schedule.Scrolled();
            break;
        default:
            for (int n = Below(600); n > 0; --n)
                schedule.IdleStep(tick++);
        }
    }
    void Edit(int first, int pastEnd, std::string_view text) {
        Schedule::Edit(first, pastEnd < 0 ? first : pastEnd, text);
    }
};

TEST_F(RandomEdits, EndColouredAsTheWholeText) {
    for (unsigned seed = 1; seed <= 80; ++seed) {
        rng.seed(seed);
        hard = seed > 40; // edits piling up unsettled, then the background
        general.maxColouringInsert = seed % 2 == 0 ? 5000 : 40; // small ones queue often
        general.viewScanChunk = 50 + Below(400);
        control.SetVisibleLines(0, 10);
        Open(Pieces(20 + Below(100)));
        for (int i = 0; i < 10; ++i)
            schedule.IdleStep(tick++);
        std::string history;
        for (int step = 0; step < 150; ++step)
            Step();
        RunIdle();
        ASSERT_EQ(Runs(control.Styles()), Runs(WholeStyles(control.Text())))
            << "seed " << seed << ", text:\n"
            << control.Text();
    }
}

// The hard shapes: after every single edit, once the schedule is complete, the styles are
// those of the whole text; most edits need no background at all.
TEST_F(RandomEdits, EveryEditOfTheHardShapesEndsColouredAsTheWholeText) {
    hard = true;
    int settledAtOnce = 0;
    int edits = 0;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        rng.seed(seed);
        general.viewScanChunk = seed % 3 == 0 ? 100 + Below(1000) : 4096;
        general.maxColouringInsert = seed % 2 == 0 ? 5000 : 40; // small ones queue often
        control.SetVisibleLines(0, 10);
        Open(Pieces(20 + Below(40)));
        RunIdle();
        for (int step = 0; step < 120; ++step) {
            const std::string before = control.Text();
            Step();
            if (control.Text() == before)
                continue;
            ++edits;
            settledAtOnce += schedule.Colourer().Complete() ? 1 : 0;
            RunIdle();
            ASSERT_EQ(Runs(control.Styles()), Runs(WholeStyles(control.Text())))
                << "seed " << seed << ", step " << step << ", text:\n"
                << control.Text();
        }
    }
    EXPECT_GT(settledAtOnce, edits / 3);
}

// Any bytes, comments and cut tags included, any deletion: the schedule completes and
// every style is a class.
TEST_F(RandomEdits, ArbitraryBytesAndCutsAreSafe) {
    for (unsigned seed = 1; seed <= 10; ++seed) {
        rng.seed(seed);
        general.maxColouringInsert = 30;
        Open(Pieces(30));
        for (int step = 0; step < 300; ++step) {
            std::string bytes(static_cast<std::size_t>(Below(40)), '\0');
            for (char& c : bytes)
                c = Below(4) == 0 ? "<!-->"[Below(5)] : static_cast<char>(Below(256));
            const int first = Below(control.Length() + 1);
            Edit(first, std::min(control.Length(), first + Below(60)), bytes);
            if (Below(10) == 0)
                RunIdle();
        }
        RunIdle();
        ASSERT_EQ(control.Styles().size(), control.Text().size());
        for (std::uint8_t style : control.Styles())
            ASSERT_LT(style, AppearanceClassCount);
    }
}

} // namespace

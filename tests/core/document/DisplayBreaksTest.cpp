// Long lines shown broken: the positions mapped between the shown text and the document,
// the breaks kept in step with edits of the shown text, and where the breaks are planned.
#include "core/document/DisplayBreakPlanner.h"
#include "core/document/DisplayBreaks.h"

#include <gtest/gtest.h>

#include <random>

using namespace velto;

namespace {
// The shown text: the document with a break's byte before each offset (ascending).
std::string Shown(std::string_view document, const std::vector<int>& offsets) {
    std::string shown;
    std::size_t from = 0;
    for (const int at : offsets) {
        shown.append(document.substr(from, static_cast<std::size_t>(at) - from));
        shown.push_back(DisplayBreaks::Byte);
        from = static_cast<std::size_t>(at);
    }
    shown.append(document.substr(from));
    return shown;
}

// The shown positions of breaks put before these document offsets.
std::vector<int> ShownPositions(const std::vector<int>& offsets) {
    std::vector<int> shown;
    for (std::size_t i = 0; i < offsets.size(); ++i)
        shown.push_back(offsets[i] + static_cast<int>(i));
    return shown;
}

DisplayBreaks BreaksAt(const std::vector<int>& offsets) {
    DisplayBreaks breaks;
    const std::vector<int> shown = ShownPositions(offsets);
    breaks.Add(shown);
    return breaks;
}

std::string DocumentOf(const DisplayBreaks& breaks, const std::string& shown) {
    std::string out;
    breaks.AppendDocumentText(0, shown, out);
    return out;
}

// A minified page: tags and text with no line end, n bytes or a little more.
std::string MinifiedPage(std::size_t n) {
    std::string page;
    int i = 0;
    while (page.size() < n) {
        page += "<div class=\"c" + std::to_string(i % 7) + "\"><p>Some words, <b>bold</b> ones";
        page += (i % 3 == 0 ? " and more words of a longer sentence</p>" : "</p>");
        page += "</div>";
        ++i;
    }
    return page;
}
} // namespace

TEST(DisplayBreaks, PositionsMapBothWaysAroundEachBreak) {
    const std::string document = "abcdefghij";
    // Two breaks at the same place (the text between them deleted) and one at the end.
    const std::vector<int> offsets = {3, 3, 7, 10};
    const DisplayBreaks breaks = BreaksAt(offsets);
    const std::string shown = Shown(document, offsets);
    ASSERT_EQ(shown, "abc\n\ndefg\nhij\n");

    for (int p = 0; p <= static_cast<int>(document.size()); ++p) {
        const int after = breaks.ToShown(p, DisplayBreaks::Side::After);
        const int before = breaks.ToShown(p, DisplayBreaks::Side::Before);
        EXPECT_LE(before, after);
        EXPECT_EQ(breaks.ToDocument(after), p);
        EXPECT_EQ(breaks.ToDocument(before), p);
        if (p < static_cast<int>(document.size())) {
            EXPECT_EQ(shown[static_cast<std::size_t>(after)], document[static_cast<std::size_t>(p)]) << p;
        }
        // Everything between the two sides is breaks.
        for (int s = before; s < after; ++s)
            EXPECT_TRUE(breaks.IsBreak(s));
    }
    EXPECT_EQ(breaks.ToShown(3, DisplayBreaks::Side::Before), 3);
    EXPECT_EQ(breaks.ToShown(3, DisplayBreaks::Side::After), 5);
    EXPECT_EQ(breaks.ToShown(10, DisplayBreaks::Side::Before), 13);
    EXPECT_EQ(breaks.ToShown(10, DisplayBreaks::Side::After), 14);
}

TEST(DisplayBreaks, DocumentRangesKeepTheBreaksAtTheirEnds) {
    const std::vector<int> offsets = {4, 8};
    const DisplayBreaks breaks = BreaksAt(offsets);
    const std::string shown = Shown("0123456789ab", offsets);
    // [4, 8) is one whole shown line, without the breaks either side.
    const auto range = breaks.ToShown(4, 8);
    EXPECT_EQ(shown.substr(static_cast<std::size_t>(range.first), static_cast<std::size_t>(range.pastEnd - range.first)), "4567");
    const auto empty = breaks.ToShown(8, 8);
    EXPECT_EQ(empty.first, empty.pastEnd);
    EXPECT_EQ(shown[static_cast<std::size_t>(empty.first)], '8');
    EXPECT_EQ(breaks.CountIn(0, static_cast<int>(shown.size())), 2);
    EXPECT_EQ(breaks.CountIn(range.first, range.pastEnd), 0);
}

TEST(DisplayBreaks, DocumentTextLeavesOutEveryBreakOfAnyStretch) {
    const std::string document = MinifiedPage(20000);
    const std::vector<int> offsets = DisplayBreakPlanner::PlanWhole(document);
    ASSERT_FALSE(offsets.empty());
    const DisplayBreaks breaks = BreaksAt(offsets);
    const std::string shown = Shown(document, offsets);
    EXPECT_EQ(DocumentOf(breaks, shown), document);

    std::mt19937 random(7);
    std::uniform_int_distribution<int> position(0, static_cast<int>(shown.size()));
    for (int i = 0; i < 200; ++i) {
        int a = position(random);
        int b = position(random);
        if (a > b)
            std::swap(a, b);
        std::string out;
        breaks.AppendDocumentText(a, std::string_view(shown).substr(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a)), out);
        const int docA = breaks.ToDocument(a);
        const int docB = breaks.ToDocument(b);
        EXPECT_EQ(out, document.substr(static_cast<std::size_t>(docA), static_cast<std::size_t>(docB - docA)));
        std::size_t pieces = 0;
        breaks.ForEachPiece(a, b, [&](int first, int pastEnd) {
            pieces += static_cast<std::size_t>(pastEnd - first);
            EXPECT_EQ(shown.find(DisplayBreaks::Byte, static_cast<std::size_t>(first)) >= static_cast<std::size_t>(pastEnd), true);
        });
        EXPECT_EQ(pieces, out.size());
    }
}

// The shown text edited at random, as the control would be: the breaks stay on the bytes
// that are breaks, and the document text follows the edits of its own bytes.
TEST(DisplayBreaks, EditsOfTheShownTextMoveAndDropTheBreaks) {
    std::string document = MinifiedPage(6000);
    std::vector<int> offsets = DisplayBreakPlanner::PlanWhole(document);
    DisplayBreaks breaks = BreaksAt(offsets);
    std::string shown = Shown(document, offsets);
    std::vector<bool> isBreak(shown.size(), false);
    for (const int p : breaks.Positions())
        isBreak[static_cast<std::size_t>(p)] = true;

    std::mt19937 random(11);
    for (int step = 0; step < 400; ++step) {
        std::uniform_int_distribution<int> position(0, static_cast<int>(shown.size()));
        const int at = position(random);
        if (step % 2 == 0) {
            const std::string text = step % 4 == 0 ? "x" : "<i>\n</i>";
            breaks.Inserted(at, static_cast<int>(text.size()));
            shown.insert(static_cast<std::size_t>(at), text);
            isBreak.insert(isBreak.begin() + at, text.size(), false);
        } else {
            const int length = std::min(static_cast<int>(shown.size()) - at, step % 3 == 0 ? 300 : 1);
            breaks.Deleted(at, length);
            shown.erase(static_cast<std::size_t>(at), static_cast<std::size_t>(length));
            isBreak.erase(isBreak.begin() + at, isBreak.begin() + at + length);
        }
        std::vector<int> expected;
        std::string expectedDocument;
        for (std::size_t i = 0; i < shown.size(); ++i) {
            if (isBreak[i])
                expected.push_back(static_cast<int>(i));
            else
                expectedDocument.push_back(shown[i]);
        }
        ASSERT_EQ(std::vector<int>(breaks.Positions().begin(), breaks.Positions().end()), expected) << step;
        ASSERT_EQ(DocumentOf(breaks, shown), expectedDocument) << step;
    }
}

TEST(DisplayBreaks, ShownTextHoldsABreakBeforeEachOffset) {
    const std::string text = MinifiedPage(9000);
    const std::vector<int> offsets = DisplayBreakPlanner::PlanWhole(text);
    const std::string shown = ShownText(text, offsets);
    EXPECT_EQ(shown, Shown(text, offsets));
    const std::vector<int> positions = ShownBreakPositions(offsets, 5);
    ASSERT_EQ(positions.size(), offsets.size());
    for (const int p : positions)
        EXPECT_EQ(shown[static_cast<std::size_t>(p - 5)], DisplayBreaks::Byte);
    EXPECT_EQ(DocumentOf(BreaksAt(offsets), shown), text);
}

TEST(DisplayBreaks, BreaksPutInMoveTheLaterOnes) {
    DisplayBreaks breaks = BreaksAt({10, 20}); // at shown 10 and 21
    // New breaks before the bytes at shown 4, 14 and 17, and one before the old break at 21.
    const std::vector<int> before = {4, 14, 17, 21};
    breaks.InsertedBefore(before);
    EXPECT_EQ(std::vector<int>(breaks.Positions().begin(), breaks.Positions().end()),
              (std::vector<int>{4, 11, 15, 19, 24, 25}));
    EXPECT_EQ(breaks.ToDocument(26), 20);
}

TEST(DisplayBreakPlanner, OrdinaryTextIsShownAsItIs) {
    std::string page;
    for (int i = 0; i < 500; ++i)
        page += "<tr><td>row " + std::to_string(i) + "</td><td>" + std::string(static_cast<std::size_t>(i % 300), 'w') + "</td></tr>\r\n";
    page += std::string(4096, 'z'); // a last line of exactly the limit, unended
    EXPECT_TRUE(DisplayBreakPlanner::PlanWhole(page).empty());
}

TEST(DisplayBreakPlanner, LongLinesBreakAfterTagsBlanksOrAnywhere) {
    const DisplayLineLimits limits;
    const std::string tags = MinifiedPage(50000);
    const std::string words = [] {
        std::string s;
        while (s.size() < 30000)
            s += "word ";
        return s;
    }();
    const std::string letters(30000, 'a');
    const std::string text = "<p>short line</p>\n" + tags + "\r\n" + words + "\n" + letters;
    const std::vector<int> offsets = DisplayBreakPlanner::PlanWhole(text);
    const std::string shown = Shown(text, offsets);

    const std::size_t tagsEnd = 18 + tags.size();
    const std::size_t wordsEnd = tagsEnd + 2 + words.size();
    int previous = 0;
    for (const int at : offsets) {
        const auto a = static_cast<std::size_t>(at);
        ASSERT_GT(a, 18u) << "the short first line is left alone";
        const char before = text[a - 1];
        if (a < tagsEnd) {
            EXPECT_EQ(before, '>') << at;
        } else if (a < wordsEnd) {
            EXPECT_EQ(before, ' ') << at;
        }
        // Never next to a line end, so no shown line is empty.
        EXPECT_NE(text[a], '\n');
        EXPECT_NE(text[a], '\r');
        EXPECT_GE(at - previous, limits.afterTag);
        previous = at;
    }
    // No shown line is longer than the most a shown line holds.
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i <= shown.size(); ++i) {
        if (i == shown.size() || shown[i] == '\n' || shown[i] == '\r') {
            EXPECT_LE(i - lineStart, static_cast<std::size_t>(limits.most)) << lineStart;
            lineStart = i + 1;
        }
    }
}

TEST(DisplayBreakPlanner, NoBreakSplitsAUtf8Character) {
    // "é" is two bytes, "€" three: the forced breaks fall inside them unless held back.
    std::string text;
    while (text.size() < 20000)
        text += "\xC3\xA9\xE2\x82\xAC";
    const std::vector<int> offsets = DisplayBreakPlanner::PlanWhole(text);
    ASSERT_FALSE(offsets.empty());
    for (const int at : offsets)
        EXPECT_NE(static_cast<unsigned char>(text[static_cast<std::size_t>(at)]) & 0xC0, 0x80) << at;
}

TEST(DisplayBreakPlanner, PiecesOfAnySizeGiveTheBreaksOfTheWholeText) {
    const std::string text = "<html>\n" + MinifiedPage(30000) + "\n<p>x</p>\r\n" + std::string(5000, 'q') + "\r" +
                             std::string(100, 'y') + "\n" + MinifiedPage(9000);
    const std::vector<int> whole = DisplayBreakPlanner::PlanWhole(text);
    std::mt19937 random(3);
    for (int round = 0; round < 20; ++round) {
        std::uniform_int_distribution<std::size_t> pieceSize(1, round < 10 ? 64 : 9000);
        DisplayBreakPlanner planner;
        std::vector<int> found;
        std::string pending;
        std::size_t pendingAt = 0; // where pending starts in the text
        std::size_t next = 0;
        while (true) {
            const std::size_t take = std::min(pieceSize(random), text.size() - next);
            pending += text.substr(next, take);
            next += take;
            const bool last = next == text.size();
            std::vector<int> offsets;
            const std::size_t planned = planner.Plan(pending, last, offsets);
            for (const int o : offsets)
                found.push_back(static_cast<int>(pendingAt) + o);
            ASSERT_LE(pending.size() - planned, static_cast<std::size_t>(planner.Limits().longLine));
            pending.erase(0, planned);
            pendingAt += planned;
            if (last) {
                EXPECT_TRUE(pending.empty());
                break;
            }
        }
        EXPECT_EQ(found, whole) << "round " << round;
    }
}

// The custom colours: their stored form, loading and saving, and the list operations of
// the colour chooser's "User" page.
#include "core/colours/CCustomColours.h"
#include "core/platform/MemoryProfile.h"

#include <gtest/gtest.h>

#include <string>

using namespace velto;

namespace {
constexpr const char* Section = CCustomColours::Section;
constexpr ColourRef Red = 0x0000FF;
constexpr ColourRef Blue = 0xFF0000;
constexpr ColourRef White = 0xFFFFFF;

CCustomColours Make(std::initializer_list<CustomColourEntry> entries) {
    CCustomColours colours;
    colours.SetActiveCount(static_cast<int>(entries.size()));
    int i = 0;
    for (const CustomColourEntry& e : entries)
        colours.Entry(i++) = e;
    return colours;
}

std::string Names(const CCustomColours& colours) {
    std::string out;
    for (int i = 0; i < colours.ActiveCount(); ++i)
        out += (i ? "," : "") + colours.Entry(i).name;
    return out;
}

CCustomColours Loaded(const MemoryProfile& profile) {
    CCustomColours colours;
    colours.Load(profile);
    return colours;
}
} // namespace

TEST(CustomColours, SaveWritesCountAndRawColoursAndLoadReadsThemBack) {
    const CCustomColours saved = Make({{"My Red", Red}, {"Sky", Blue}, {"Black", 0}});
    MemoryProfile profile;
    ASSERT_TRUE(saved.Save(profile));
    EXPECT_EQ(profile.GetInt(Section, "Number Active", -1), 3);
    // The raw 0x00BBGGRR word: red is "ff", blue "ff0000".
    EXPECT_EQ(profile.GetString(Section, "Colour 0", ""), "\"My Red\",ff");
    EXPECT_EQ(profile.GetString(Section, "Colour 1", ""), "\"Sky\",ff0000");
    EXPECT_EQ(profile.GetString(Section, "Colour 2", ""), "\"Black\",0");
    EXPECT_EQ(Loaded(profile), saved);
}

TEST(CustomColours, QuotesAndBackslashesAreEscapedAndResolved) {
    CCustomColours saved = Make({{"a\"b\\c", Blue}});
    MemoryProfile profile;
    ASSERT_TRUE(saved.Save(profile));
    EXPECT_EQ(profile.GetString(Section, "Colour 0", ""), R"("a\"b\\c",ff0000)");
    // Read back, the escapes resolve to the same name, which is then cut at its first
    // forbidden character, as every name read or set is.
    const CCustomColours loaded = Loaded(profile);
    EXPECT_EQ(loaded.Entry(0).name, "a");
    EXPECT_EQ(loaded.Entry(0).colour, Blue);

    // An escaped quote does not end the name: the comma after it is part of the name and
    // the colour is the field after the closing quote.
    CustomColourEntry entry;
    CCustomColours::ParseEntry(R"("a\",ff",ff0000)", entry);
    EXPECT_EQ(entry.name, "a");
    EXPECT_EQ(entry.colour, Blue);
}

TEST(CustomColours, StoredEntriesAreReadFieldByField) {
    CustomColourEntry entry;
    CCustomColours::ParseEntry("\"My Red\",ff", entry);
    EXPECT_EQ(entry, (CustomColourEntry{"My Red", Red}));

    // A name is cut at its first forbidden character.
    CCustomColours::ParseEntry("\"Sea~Gre'en\",578b2e", entry);
    EXPECT_EQ(entry, (CustomColourEntry{"Sea", 0x578b2e}));

    // An unreadable or missing part leaves that part as it was.
    const CustomColourEntry before{"Kept", 0x123456};
    for (const char* text : {"\"Kept\",zz", "\"Kept\",12zz", "\"Kept\",", "\"Kept\"",
                             "\"Kept\",123456789", "\"Kept\",ffffffff", "\"Kept\",1000000"}) {
        SCOPED_TRACE(text);
        entry = {"Other", 0x123456};
        CCustomColours::ParseEntry(text, entry);
        EXPECT_EQ(entry, before);
    }
    for (const char* text : {"Unquoted,80", "\"Unclosed,80"}) {
        SCOPED_TRACE(text);
        entry = before;
        CCustomColours::ParseEntry(text, entry);
        EXPECT_EQ(entry.name, "Kept");
    }
    entry = before;
    CCustomColours::ParseEntry("Unquoted,80", entry);
    EXPECT_EQ(entry.colour, 0x80u);
}

TEST(CustomColours, LoadKeepsTheCountOnlyWithinRange) {
    for (int stored : {65, -1, 1000}) {
        SCOPED_TRACE(stored);
        MemoryProfile profile;
        profile.WriteInt(Section, "Number Active", stored);
        profile.WriteString(Section, "Colour 0", "\"My Red\",ff");
        EXPECT_EQ(Loaded(profile).ActiveCount(), 0);
    }
    MemoryProfile profile;
    profile.WriteInt(Section, "Number Active", CCustomColours::MaxCount);
    profile.WriteString(Section, "Colour 63", "\"Last\",ff");
    const CCustomColours loaded = Loaded(profile);
    ASSERT_EQ(loaded.ActiveCount(), 64);
    EXPECT_EQ(loaded.Entry(63), (CustomColourEntry{"Last", Red}));
    // Entries with nothing stored are new ones.
    EXPECT_EQ(loaded.Entry(0), CustomColourEntry{});
    EXPECT_EQ(loaded.Entry(0).name, "<no name>");
    EXPECT_EQ(loaded.Entry(0).colour, White);
}

TEST(CustomColours, SaveReportsAFailedWrite) {
    MemoryProfile profile;
    profile.FailWritesAfter(1);
    EXPECT_FALSE(Make({{"One", 1}, {"Two", 2}}).Save(profile));
}

TEST(CustomColours, ActiveCountAndNames) {
    CCustomColours colours = Make({{"One", 1}, {"Two", 2}, {"Three", 3}});
    colours.SetActiveCount(1);
    EXPECT_EQ(colours.ActiveCount(), 1);
    colours.SetActiveCount(CCustomColours::MaxCount + 1);
    colours.SetActiveCount(-1);
    EXPECT_EQ(colours.ActiveCount(), 1);
    // Raised again, the entries beyond come back; those never made start new.
    colours.SetActiveCount(4);
    EXPECT_EQ(Names(colours), "One,Two,Three,<no name>");
    EXPECT_EQ(colours.Entry(2).colour, 3u);
    EXPECT_EQ(colours.Entry(3).colour, White);

    colours.SetName(0, "Dark, Blue");
    EXPECT_EQ(colours.Entry(0).name, "Dark");
    colours.SetName(1, "");
    EXPECT_EQ(colours.Entry(1).name, "");

    EXPECT_EQ(CCustomColours::ForbiddenCharIn("Plain name"), std::nullopt);
    EXPECT_EQ(CCustomColours::ForbiddenCharIn("a^b,c"), '^');
    for (char c : std::string(",\"'~^\\"))
        EXPECT_EQ(CCustomColours::ForbiddenCharIn(std::string("x") + c), c);
}

TEST(CustomColours, ListOperationsAnswerTheNewSelection) {
    CCustomColours colours;
    EXPECT_EQ(colours.Add(-1), 0);
    colours.Entry(0).name = "A";
    EXPECT_EQ(colours.Add(-1), 1); // at the end
    colours.Entry(1).name = "C";
    EXPECT_EQ(colours.Add(0), 1); // after the selected one
    EXPECT_EQ(Names(colours), "A,<no name>,C");
    colours.SetName(1, "B");

    EXPECT_EQ(colours.MoveUp(0), 0);   // the first stays
    EXPECT_EQ(colours.MoveDown(2), 2); // the last stays
    EXPECT_EQ(Names(colours), "A,B,C");
    EXPECT_EQ(colours.MoveUp(2), 1);
    EXPECT_EQ(Names(colours), "A,C,B");
    EXPECT_EQ(colours.MoveDown(0), 1);
    EXPECT_EQ(Names(colours), "C,A,B");
    EXPECT_EQ(colours.MoveUp(-1), -1);
    EXPECT_EQ(colours.MoveDown(-1), -1);

    EXPECT_EQ(colours.Remove(2), 1); // the last removed: the new last
    EXPECT_EQ(Names(colours), "C,A");
    EXPECT_EQ(colours.Remove(0), 0); // the one that moved up into its place
    EXPECT_EQ(Names(colours), "A");
    EXPECT_EQ(colours.Remove(-1), -1);
    EXPECT_EQ(colours.Remove(0), -1);
    EXPECT_EQ(colours.ActiveCount(), 0);

    while (colours.ActiveCount() < CCustomColours::MaxCount)
        colours.Add(colours.ActiveCount() - 1);
    EXPECT_EQ(colours.Add(5), 5); // full: nothing added, the selection stays
    EXPECT_EQ(colours.ActiveCount(), CCustomColours::MaxCount);
}

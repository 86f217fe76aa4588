// The named-colour table and the conversions between colours and text.
#include "core/colours/ColourText.h"
#include "core/colours/NamedColours.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

using namespace velto;

namespace {
std::string Upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}
std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}
} // namespace

TEST(NamedColours, TableOrderAndInvariantsOverEveryRecord) {
    const auto table = NamedColours();
    ASSERT_EQ(table.size(), 16u);
    // Colour menus list the colours in this order.
    const char* order[] = {"White", "Silver", "Gray", "Black",   "Red",    "Yellow",
                           "Lime",  "Blue",   "Aqua", "Fuchsia", "Maroon", "Olive",
                           "Green", "Navy",   "Teal", "Purple"};
    std::set<std::string> names;
    std::set<ColourRef> colours;
    std::set<int> indexes;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const NamedColour& c = table[i];
        SCOPED_TRACE(std::string(c.name));
        EXPECT_EQ(c.name, order[i]);
        EXPECT_TRUE(names.insert(Lower(c.name)).second);
        EXPECT_TRUE(colours.insert(c.colour).second);
        EXPECT_TRUE(indexes.insert(c.index).second);
        EXPECT_EQ(c.colour & 0xFF000000u, 0u);
        // The sixteen are the colours whose components are 0, 128 or 255 (and silver).
        for (const int part : {RedOf(c.colour), GreenOf(c.colour), BlueOf(c.colour)})
            EXPECT_TRUE(part == 0 || part == 128 || part == 255 || c.name == "Silver");
        // Every way to and from text agrees with the table.
        EXPECT_EQ(ColourFromText(c.name), c.colour);
        EXPECT_EQ(ColourFromText(Upper(c.name)), c.colour);
        EXPECT_EQ(ColourFromText(Lower(c.name)), c.colour);
        EXPECT_EQ(ColourOfName(Lower(c.name)), c.colour);
        EXPECT_EQ(ColourName(c.colour), c.name);
        EXPECT_EQ(TextFromColour(c.colour, true), c.name);
        EXPECT_EQ(ColourFromText(TextFromColour(c.colour, false), false), c.colour);
    }
    EXPECT_EQ(ColourName(MakeColour(1, 2, 3)), "");
    EXPECT_EQ(ColourOfName("Grey"), NoColour);
}

TEST(ColourText, NamesAndHexadecimalForms) {
    const ColourRef navy = MakeColour(0, 0, 128);
    const ColourRef red = MakeColour(255, 0, 0);
    for (const char* text : {"navy", "NAVY", "Navy"})
        EXPECT_EQ(ColourFromText(text), navy) << text;
    for (const char* text : {"#FF0000", "ff0000", "0xff0000", "#0XFF0000", " ff0000", "#  ff0000",
                             "#ff0000 trailing", "#+ff0000"})
        EXPECT_EQ(ColourFromText(text), red) << text;
    EXPECT_EQ(ColourFromText("#12zz"), MakeColour(0, 0, 18)); // reading stops at the first z
    EXPECT_EQ(ColourFromText("#1234567"), NoColour);          // more than 24 bits
    EXPECT_EQ(ColourFromText("#0000000000ff"), MakeColour(0, 0, 255)); // the value counts
    EXPECT_EQ(ColourFromText("#"), NoColour);
    EXPECT_EQ(ColourFromText(""), NoColour);
    EXPECT_EQ(ColourFromText("##ff0000"), NoColour); // one '#' only, and only at the start
    EXPECT_EQ(ColourFromText(" #ff0000"), NoColour);
    EXPECT_EQ(ColourFromText("Grey"), NoColour);          // not a name, and not hexadecimal
    EXPECT_EQ(ColourFromText("-ff"), NoColour);           // negative: far beyond 24 bits
    EXPECT_EQ(ColourFromText("0x"), MakeColour(0, 0, 0)); // the '0' is the number
    // With names not allowed a name is read as hexadecimal ("Black" fails at 'l').
    EXPECT_EQ(ColourFromText("navy", false), NoColour);
    EXPECT_EQ(ColourFromText("Black", false), MakeColour(0, 0, 0xB));
    EXPECT_EQ(ColourFromText(std::string_view("#ff\0", 4)), MakeColour(0, 0, 255));
}

TEST(ColourText, WritingColours) {
    EXPECT_EQ(TextFromColour(MakeColour(0, 128, 0), true), "Green");
    EXPECT_EQ(TextFromColour(MakeColour(0, 128, 0), false), "#008000");
    EXPECT_EQ(TextFromColour(MakeColour(1, 2, 3), true), "#010203");
    EXPECT_EQ(TextFromColour(MakeColour(1, 2, 3), false), "#010203");
    EXPECT_EQ(TextFromColour(MakeColour(0xAB, 0xCD, 0xEF), false), "#abcdef");
    EXPECT_EQ(TextFromColour(NoColour, true), "");
}

TEST(ColourText, EveryWrittenColourReadsBack) {
    for (int r = 0; r < 256; r += 15)
        for (int g = 0; g < 256; g += 17)
            for (int b = 0; b < 256; b += 51) {
                const ColourRef c =
                    MakeColour(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                               static_cast<std::uint8_t>(b));
                EXPECT_EQ(ColourFromText(TextFromColour(c, true)), c);
                EXPECT_EQ(ColourFromText(TextFromColour(c, false), false), c);
            }
}

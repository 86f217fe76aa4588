// The named character references: the whole list of the living standard, sorted for its
// lookups, with those of HTML 4.01 and those a browser reads without ';' marked.
#include "core/htmlkb/CharacterReferences.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velto {
namespace {

TEST(CharacterReferences, TheListIsWholeSortedAndMarked) {
    const auto all = CharacterReferences();
    EXPECT_EQ(all.size(), 2125u);
    EXPECT_TRUE(std::is_sorted(
        all.begin(), all.end(),
        [](const CharacterReference& a, const CharacterReference& b) { return a.name < b.name; }));
    const auto count = [&](std::uint8_t flag) {
        return std::count_if(all.begin(), all.end(),
                             [flag](const CharacterReference& r) { return (r.flags & flag) != 0; });
    };
    EXPECT_EQ(count(CharacterReferenceFlags::Html4), 252);
    EXPECT_EQ(count(CharacterReferenceFlags::Legacy), 106);
}

TEST(CharacterReferences, LookupsKeepLetterCase) {
    ASSERT_NE(FindCharacterReference("eacute"), nullptr);
    EXPECT_EQ(FindCharacterReference("eacute")->first, U'\u00e9');
    EXPECT_EQ(FindCharacterReference("Eacute")->first, U'\u00c9');
    EXPECT_EQ(FindCharacterReference("EACUTE"), nullptr);
    EXPECT_EQ(FindCharacterReference("amp;"), nullptr);
    // Two characters for one name.
    ASSERT_NE(FindCharacterReference("NotEqualTilde"), nullptr);
    EXPECT_NE(FindCharacterReference("NotEqualTilde")->second, 0u);
}

TEST(CharacterReferences, TheLongestNameABrowserReadsWithoutSemicolon) {
    ASSERT_NE(LongestLegacyReference("copy2024"), nullptr);
    EXPECT_EQ(LongestLegacyReference("copy2024")->name, "copy");
    EXPECT_EQ(LongestLegacyReference("notin")->name, "not"); // "notin" needs its ';'
    EXPECT_EQ(LongestLegacyReference("frobnicate"), nullptr);
    EXPECT_EQ(LongestLegacyReference("ltx")->name, "lt");
}

} // namespace
} // namespace velto

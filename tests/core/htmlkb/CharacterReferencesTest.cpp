// The named character references: the table's order and lookups, and the sets that each
// HTML version defined.
#include "core/htmlkb/CharacterReferences.h"
#include "core/config/HtmlVer.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace velto;

namespace {

std::size_t CountWith(std::uint32_t version) {
    return static_cast<std::size_t>(std::count_if(
        CharacterReferences.begin(), CharacterReferences.end(),
        [version](const CharacterReference& r) { return (r.versions & version) != 0; }));
}

TEST(CharacterReferences, SortedUniqueAndEveryNameFound) {
    for (std::size_t i = 1; i < CharacterReferences.size(); ++i)
        ASSERT_LT(CharacterReferences[i - 1].name, CharacterReferences[i].name);
    std::size_t longest = 0;
    for (const CharacterReference& r : CharacterReferences) {
        ASSERT_EQ(FindCharacterReference(r.name), &r) << r.name;
        EXPECT_NE(r.first, 0u) << r.name;
        EXPECT_TRUE(r.versions & VersionBits::Html5) << r.name << ": HTML5 defines them all";
        longest = std::max(longest, r.name.size());
    }
    EXPECT_EQ(longest, MaxCharacterReferenceName);
    EXPECT_EQ(FindCharacterReference("bogus"), nullptr);
    EXPECT_EQ(FindCharacterReference("AMP;"), nullptr);
    EXPECT_EQ(FindCharacterReference(""), nullptr);
    EXPECT_EQ(FindCharacterReference("amp")->first, U'&');
    EXPECT_NE(FindCharacterReference("Auml"), FindCharacterReference("auml")) << "case counts";
}

TEST(CharacterReferences, CodePointsAsTheStandardGivesThem) {
    EXPECT_EQ(FindCharacterReference("euro")->first, 0x20ACu);
    EXPECT_EQ(FindCharacterReference("nbsp")->first, 0xA0u);
    EXPECT_EQ(FindCharacterReference("hellip")->first, 0x2026u);
    EXPECT_EQ(FindCharacterReference("lang")->first, 0x27E8u) << "HTML5's angle bracket";
    const CharacterReference* two = FindCharacterReference("NotEqualTilde");
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(two->first, 0x2242u);
    EXPECT_EQ(two->second, 0x338u);
    EXPECT_EQ(FindCharacterReference("amp")->second, 0u);
}

TEST(CharacterReferences, TheSetsOfEachVersion) {
    // HTML 2.0: the Latin-1 letters and the four of markup; 3.2: all of Latin-1; 4.0 its
    // 252 with symbols and the special ones; everything later is HTML5's alone.
    EXPECT_EQ(CountWith(VersionBits::Html20), 62u + 4u);
    EXPECT_EQ(CountWith(VersionBits::Html32), 96u + 4u);
    EXPECT_EQ(CountWith(VersionBits::Html40), 252u);
    EXPECT_EQ(CountWith(VersionBits::Html5), CharacterReferences.size());
    for (const CharacterReference& r : CharacterReferences) {
        if (r.versions & VersionBits::Html20) {
            EXPECT_TRUE(r.versions & VersionBits::Html32) << r.name;
            EXPECT_TRUE(r.first >= 0xC0 || r.name == "amp" || r.name == "lt" || r.name == "gt" ||
                        r.name == "quot")
                << r.name;
        }
        if (r.versions & VersionBits::Html32) {
            EXPECT_TRUE(r.versions & VersionBits::Html40) << r.name;
        }
        // The names that work without a ';' are the old Latin-1 ones (and upper-case
        // forms of four of them).
        if (r.withoutSemicolon) {
            EXPECT_TRUE((r.versions & VersionBits::Html32) || r.name == "AMP" || r.name == "COPY" ||
                        r.name == "GT" || r.name == "LT" || r.name == "QUOT" || r.name == "REG")
                << r.name;
        }
    }
    EXPECT_FALSE(FindCharacterReference("apos")->versions & VersionBits::Html40);
    EXPECT_FALSE(FindCharacterReference("euro")->versions & VersionBits::Html32);
    EXPECT_FALSE(FindCharacterReference("nbsp")->versions & VersionBits::Html20);
    EXPECT_TRUE(FindCharacterReference("eacute")->versions & VersionBits::Html20);
}

} // namespace

TEST(CharacterReferences, TheNameToWriteIsOneTheSelectedVersionsKnow) {
    const auto only = [](std::uint32_t selected) {
        return [selected](std::uint32_t versions) { return (versions & selected) != 0; };
    };
    const auto all = [](std::uint32_t) { return true; };
    EXPECT_EQ(PreferredReferenceName(U'\u00E9', all), "eacute");
    EXPECT_EQ(PreferredReferenceName(U'&', all), "amp"); // not "AMP"
    EXPECT_EQ(PreferredReferenceName(U'\u20AC', all), "euro");
    EXPECT_EQ(PreferredReferenceName(U'\u20AC', only(VersionBits::Html20)), "");
    EXPECT_EQ(PreferredReferenceName(U'\u20AC', only(VersionBits::Html40)), "euro");
    EXPECT_EQ(PreferredReferenceName(U'\u00E9', only(VersionBits::Html20)), "eacute");
    EXPECT_EQ(PreferredReferenceName(U'x', all), "");
}

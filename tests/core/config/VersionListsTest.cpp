// The Options dialog's two version lists.
#include "core/config/HtmlConfig.h"
#include "core/config/VersionLists.h"

#include <gtest/gtest.h>

using namespace velto;

TEST(VersionLists, AddAndRemoveFollowTheStatesWithAllTagsWinning) {
    CHtmlConfig config;
    for (HtmlVer& v : config.versions)
        v.state = 0;
    std::vector<HtmlVer>& versions = config.versions;
    ASSERT_GE(versions.size(), 4u);
    VersionList all(versions, VersionState::AnyOf);
    VersionList common(versions, VersionState::AllOf);
    EXPECT_TRUE(all.Entries().empty());
    EXPECT_EQ(all.Addable().size(), versions.size());

    all.Add(0);
    all.Add(2);
    common.Add(1);
    EXPECT_EQ(all.Entries(), (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(common.Names(), std::vector<std::string>{versions[1].name});
    // A version with all its tags enabled cannot also join the common-tags list...
    for (std::size_t i : common.Addable())
        EXPECT_TRUE(i != 0 && i != 2 && i != 1);
    common.Add(0);
    EXPECT_EQ(versions[0].state, VersionState::AnyOf);
    // ...but a common-tags version moves over when all its tags are enabled.
    all.Add(1);
    EXPECT_EQ(versions[1].state, VersionState::AnyOf);
    EXPECT_TRUE(common.Entries().empty());

    // Removal selects the same row, or the last one when the list got shorter.
    EXPECT_EQ(all.Remove(0), 0u);
    EXPECT_EQ(all.Entries(), (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(all.Remove(1), 0u);
    EXPECT_EQ(all.Remove(0), std::nullopt);
    EXPECT_TRUE(all.CanAdd());
    EXPECT_EQ(all.Remove(5), std::nullopt);
}

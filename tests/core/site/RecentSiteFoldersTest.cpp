// The recent site folders: most recent first, each once, a bounded list, kept in the
// settings with whether one was open.
#include "core/site/RecentSiteFolders.h"
#include "core/platform/MemoryProfile.h"

#include <gtest/gtest.h>

namespace velto {
namespace {

TEST(RecentSiteFolders, MostRecentFirstEachOnceAndKept) {
    RecentSiteFolders recent;
    for (int i = 0; i < 8; ++i)
        recent.Open("/sites/s" + std::to_string(i));
    recent.Open("/sites/s3/");
    ASSERT_EQ(recent.Folders().size(), RecentSiteFolders::MaxFolders);
    EXPECT_EQ(recent.Folders()[0], "/sites/s3");
    EXPECT_EQ(recent.Folders()[1], "/sites/s7");
    EXPECT_EQ(std::count(recent.Folders().begin(), recent.Folders().end(), "/sites/s3"), 1);
    MemoryProfile profile;
    ASSERT_TRUE(recent.Save(profile));
    RecentSiteFolders again;
    again.Load(profile);
    EXPECT_EQ(again.Folders(), recent.Folders());
    EXPECT_EQ(again.Current(), "/sites/s3");
    again.Close();
    again.Save(profile);
    RecentSiteFolders closed;
    closed.Load(profile);
    EXPECT_EQ(closed.Current(), "");
    EXPECT_EQ(closed.Folders().size(), RecentSiteFolders::MaxFolders);
}

} // namespace
} // namespace velto

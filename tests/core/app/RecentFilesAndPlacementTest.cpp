// Recent files (order, limit, profile, shortened names) and the placement restore rules.
#include "core/app/CRecentFileList.h"
#include "core/app/MainWindowPlacement.h"
#include "core/platform/MemoryProfile.h"

#include <gtest/gtest.h>

namespace velto {
namespace {

TEST(RecentFileList, MostRecentFirstWithoutDuplicatesUpToCapacity) {
    CRecentFileList list(3, 80);
    for (const char* p : {"/a", "/b", "/c", "/b", "/d"})
        list.Add(p);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/d", "/b", "/c"}));
    list.Remove(1);
    list.Remove(7);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/d", "/c"}));
    CRecentFileList none(0, 80);
    none.Add("/a");
    EXPECT_TRUE(none.Entries().empty());
}

TEST(RecentFileList, RoundTripsThroughTheProfile) {
    MemoryProfile profile;
    CRecentFileList list(4, 80);
    list.Add("/one.html");
    list.Add("/two.html");
    ASSERT_TRUE(list.WriteList(profile));
    CRecentFileList again(4, 80);
    again.ReadList(profile);
    EXPECT_EQ(again.Entries(), list.Entries());
    // A shorter list reads only its own number of entries.
    CRecentFileList shorter(1, 80);
    shorter.ReadList(profile);
    EXPECT_EQ(shorter.Entries(), std::vector<std::string>{"/two.html"});
}

TEST(RecentFileList, DisplayLengthIsTheLargerOfWidthAndThirty) {
    EXPECT_EQ(CRecentFileList(8, 10).DisplayLength(), 30u);
    EXPECT_EQ(CRecentFileList(8, 80).DisplayLength(), 80u);
    CRecentFileList list(8, 10);
    const std::string longPath = "/home/user/projects/website/pages/section/index.html";
    list.Add(longPath);
    const std::string shown = list.DisplayName(0);
    EXPECT_LE(shown.size(), 30u);
    EXPECT_EQ(shown, "/.../pages/section/index.html");
}

TEST(AbbreviateName, KeepsRootEllipsisAndTheLastComponents) {
    EXPECT_EQ(AbbreviateName("/a/b.html", 30, true), "/a/b.html");
    EXPECT_EQ(AbbreviateName("/aaaa/bbbb/cccc/file.html", 20, true), "/.../cccc/file.html");
    EXPECT_EQ(AbbreviateName("C:\\aaaa\\bbbb\\cccc\\file.html", 22, true),
              "C:\\...\\cccc\\file.html");
    // Not even the name fits.
    const std::string longName(40, 'n');
    EXPECT_EQ(AbbreviateName("/dir/" + longName, 30, true), longName);
    EXPECT_EQ(AbbreviateName("/dir/" + longName, 30, false), "");
    // Every result within the limit keeps the file name at its end.
    const std::string path = "/usr/share/doc/velto/examples/tables/frames/page.html";
    for (std::size_t limit = 9; limit < path.size() + 2; ++limit) {
        const std::string shown = AbbreviateName(path, limit, true);
        EXPECT_LE(shown.size(), std::max(limit, std::string("page.html").size())) << limit;
        EXPECT_TRUE(shown.ends_with("page.html")) << limit;
    }
}

const std::vector<PlacementRect> OneScreen = {{0, 0, 1600, 1000}};

TEST(Placement, FewerThanTenNumbersGiveTheDefault) {
    EXPECT_FALSE(PlanPlacementRestore("", false, OneScreen));
    EXPECT_FALSE(PlanPlacementRestore("0,1,0,0,0,0,10,10,800", false, OneScreen));
    EXPECT_FALSE(PlanPlacementRestore("0,1,0,0,0,0,10,10,800,x", false, OneScreen));
}

TEST(Placement, SavedRectangleAndShowCommandAreRestored) {
    WPlacementObj saved;
    saved.showCommand = WPlacementObj::Maximised;
    saved.left = 10, saved.top = 20, saved.right = 810, saved.bottom = 620;
    const auto plan = PlanPlacementRestore(saved.Format(), false, OneScreen);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->showCommand, WPlacementObj::Maximised);
    EXPECT_EQ(plan->normal, (PlacementRect{10, 20, 810, 620}));
}

TEST(Placement, MinimisedComesBackNormalUnlessStartedMinimised) {
    const std::string saved = "0,2,0,0,0,0,10,20,810,620";
    EXPECT_EQ(PlanPlacementRestore(saved, false, OneScreen)->showCommand, WPlacementObj::Normal);
    EXPECT_EQ(PlanPlacementRestore(saved, true, OneScreen)->showCommand, WPlacementObj::Minimised);
    EXPECT_EQ(PlanPlacementRestore("0,3,0,0,0,0,10,20,810,620", true, OneScreen)->showCommand,
              WPlacementObj::Minimised);
}

TEST(Placement, HiddenOrUnknownShowCommandComesBackNormal) {
    for (const char* saved : {"0,0,0,0,0,0,10,20,810,620", "0,9,0,0,0,0,10,20,810,620"})
        EXPECT_EQ(PlanPlacementRestore(saved, false, OneScreen)->showCommand,
                  WPlacementObj::Normal);
}

TEST(Placement, OffScreenOrTinyRectanglesAreMadeUsable) {
    const auto away = PlanPlacementRestore("0,1,0,0,0,0,5000,5000,5800,5600", false, OneScreen);
    ASSERT_TRUE(away);
    EXPECT_EQ(away->normal, (PlacementRect{800, 400, 1600, 1000}));
    const auto tiny = PlanPlacementRestore("0,1,0,0,0,0,100,100,90,90", false, OneScreen);
    ASSERT_TRUE(tiny);
    EXPECT_EQ(tiny->normal.Width(), MinimumRestoredSize);
    EXPECT_EQ(tiny->normal.Height(), MinimumRestoredSize);
    EXPECT_FALSE(
        PlanPlacementRestore("0,1,0,0,0,0,-2147483648,0,2147483647,600", false, OneScreen));
    // A window too large for the screen is made to fit it.
    const auto huge = PlanPlacementRestore("0,1,0,0,0,0,-4000,-10,6000,2000", false, OneScreen);
    ASSERT_TRUE(huge);
    EXPECT_EQ(huge->normal, (PlacementRect{0, 0, 1600, 1000}));
    // Without screen facts the rectangle is kept as it is.
    EXPECT_EQ(PlanPlacementRestore("0,1,0,0,0,0,5000,5000,5800,5600", false, {})->normal,
              (PlacementRect{5000, 5000, 5800, 5600}));
}

TEST(Placement, AWindowWhoseTitleBarOrMostOfItIsOffTheScreensComesBack) {
    const std::vector<PlacementRect> twoScreens = {{0, 0, 1600, 1000}, {1600, 0, 3520, 1080}};
    // Title bar above the top of the screen, the rest showing: moved down, same size.
    const auto aboveTop = PlanPlacementRestore("0,1,0,0,0,0,100,-200,900,700", false, twoScreens);
    ASSERT_TRUE(aboveTop);
    EXPECT_EQ(aboveTop->normal, (PlacementRect{100, 0, 900, 900}));
    // Only a sliver on the right screen's right edge: moved fully onto it.
    const auto sliver = PlanPlacementRestore("0,1,0,0,0,0,3480,100,4280,700", false, twoScreens);
    ASSERT_TRUE(sliver);
    EXPECT_EQ(sliver->normal, (PlacementRect{2720, 100, 3520, 700}));
    // Across both screens, all of it shown: left where it is.
    const auto across = PlanPlacementRestore("0,1,0,0,0,0,1200,100,2000,700", false, twoScreens);
    ASSERT_TRUE(across);
    EXPECT_EQ(across->normal, (PlacementRect{1200, 100, 2000, 700}));
    // Below the first screen, in the gap beside the taller second one: onto the nearest.
    const auto gap = PlanPlacementRestore("0,1,0,0,0,0,1000,1040,1400,1400", false, twoScreens);
    ASSERT_TRUE(gap);
    EXPECT_EQ(gap->normal, (PlacementRect{1000, 640, 1400, 1000}));
}

} // namespace
} // namespace velto

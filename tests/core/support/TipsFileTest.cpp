// The tips file: skipped lines, joined lines, going round, positions, finding the file.
#include "core/fakes/TestFiles.h"
#include "core/support/TipsFile.h"

#include <gtest/gtest.h>

using namespace velto;
using namespace velto::test;

TEST(TipsFile, TipsInOrderWithJoinedLinesAndGoingRound) {
    TempDir dir;
    const auto path = dir.Write("tips.txt", "; a comment\n\n First\tis skipped\nOne tip.\r\n"
                                            "Three^\nlines^\njoined.\n\tindented: skipped\nLast tip.");
    CTipsFile tips;
    ASSERT_TRUE(tips.Open(path.string()));
    EXPECT_EQ(tips.NextTip(), "One tip.");
    const std::int64_t second = tips.Position();
    EXPECT_EQ(tips.NextTip(), "Three\nlines\njoined.");
    EXPECT_EQ(tips.NextTip(), "Last tip.");
    EXPECT_EQ(tips.NextTip(), "One tip."); // after the last, the first again
    // A stored position resumes there; one past the end starts over.
    ASSERT_TRUE(tips.Seek(second));
    EXPECT_EQ(tips.NextTip(), "Three\nlines\njoined.");
    ASSERT_TRUE(tips.Seek(1 << 20));
    EXPECT_EQ(tips.NextTip(), "One tip.");
}

TEST(TipsFile, LongLinesAndEmptyFiles) {
    TempDir dir;
    const auto path = dir.Write("long.txt", std::string(1500, 'x') + "\nNext.\n");
    CTipsFile tips;
    ASSERT_TRUE(tips.Open(path.string()));
    EXPECT_EQ(tips.NextTip()->size(), CTipsFile::MaxTip);
    EXPECT_EQ(tips.NextTip(), "Next.");
    ASSERT_TRUE(tips.Open(dir.Write("none.txt", "; only\n\n comments\n").string()));
    EXPECT_FALSE(tips.NextTip());
    EXPECT_FALSE(CTipsFile().NextTip());
}

TEST(TipsFile, TheFirstCandidateThatOpensWins) {
    TempDir dir;
    const auto here = dir.Write("here/tips.txt", "A.\n");
    const auto data = dir.Write("data/tips.txt", "B.\n");
    EXPECT_EQ(CTipsFile::Find({"", (dir.Path() / "gone.txt").string(), here.string(), data.string()}),
              here.string());
    EXPECT_FALSE(CTipsFile::Find({(dir.Path() / "here").string()})); // a folder is no file
    const std::string stamp = CTipsFile::TimeStamp(data.string());
    EXPECT_EQ(stamp.size(), 24u) << stamp;
    EXPECT_EQ(stamp[3], ' ');
    EXPECT_TRUE(CTipsFile::TimeStamp((dir.Path() / "gone").string()).empty());
}

#include "core/fakes/RecordingPrompter.h"
#include "core/platform/MemoryProfile.h"
#include "core/support/CTipOfTheDay.h"

TEST(TipOfTheDay, SuccessiveRunsShowSuccessiveTipsAndAnEditStartsOver) {
    TempDir dir;
    const std::string path = dir.Write("tips.txt", "One.\nTwo^\nlines^\nhere.\nThree.\n").string();
    MemoryProfile settings;
    RecordingPrompter prompter;
    const auto run = [&] {
        CTipOfTheDay tips(settings, prompter, {path}, dir.Path().string());
        return tips.Tip();
    };
    EXPECT_EQ(run(), "One.");
    EXPECT_EQ(run(), "Two\nlines\nhere.");
    EXPECT_EQ(run(), "Three.");
    EXPECT_EQ(run(), "One."); // the last is followed by the first
    EXPECT_EQ(settings.GetString("Tip", "LastTipsFile", ""), path);
    EXPECT_EQ(settings.GetString("Tip", "TimeStamp", "").size(), 24u);
    // An edited file (another modification time) starts from its first tip.
    settings.WriteString("Tip", "TimeStamp", "Thu Jan  1 00:00:00 1970");
    EXPECT_EQ(run(), "One.");
    EXPECT_TRUE(prompter.messages.empty());

    // Unticking the box stores StartUp 1.
    {
        CTipOfTheDay tips(settings, prompter, {path}, dir.Path().string());
        EXPECT_TRUE(tips.ShowAtStartUp());
        tips.Next();
        EXPECT_EQ(tips.Tip(), "Three.");
        tips.Finish(false);
    }
    EXPECT_EQ(settings.GetInt("Tip", "StartUp", 0), 1);
    EXPECT_FALSE(CTipOfTheDay::ShowsAtStartUp(settings));
}

TEST(TipOfTheDay, NoTipsFileIsReported) {
    TempDir dir;
    MemoryProfile settings;
    RecordingPrompter prompter;
    CTipOfTheDay tips(settings, prompter, {(dir.Path() / "tips.txt").string()}, "/opt/velto");
    EXPECT_FALSE(tips.HasTips());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], "Error loading Tips file: tips.txt\n\nThis file should normally be in the\n"
                                    "same directory as the application,\nin /opt/velto");
}

// The live preview pane's rules (when it refreshes, its title, its settings) and the files
// it shows: names, folders, the anchor at the caret and the clean-up registration.
#include "core/fakes/RecordingPrompter.h"
#include "core/fakes/TestFiles.h"
#include "core/platform/MemoryProfile.h"
#include "core/platform/MemoryTextControl.h"
#include "core/preview/CCleanupList.h"
#include "core/preview/LivePreviewRules.h"
#include "core/preview/LivePreviewWriter.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

using namespace velto;
using namespace velto::test;
namespace fs = std::filesystem;

TEST(LivePreviewRules, EditsRefreshOnlyUpToTwoMegabytesWhileSaveAndCommandAlwaysDo) {
    constexpr std::size_t limit = 2u << 20;
    EXPECT_TRUE(LivePreviewRefreshes(LivePreviewCause::Edit, 0));
    EXPECT_TRUE(LivePreviewRefreshes(LivePreviewCause::Edit, limit));
    EXPECT_FALSE(LivePreviewRefreshes(LivePreviewCause::Edit, limit + 1));
    EXPECT_TRUE(LivePreviewRefreshes(LivePreviewCause::Save, 10u << 20));
    EXPECT_TRUE(LivePreviewRefreshes(LivePreviewCause::Command, 10u << 20));

    EXPECT_EQ(LivePreviewTitle("page.html", 100), "Live Preview - page.html");
    const std::string large = LivePreviewTitle("big.html", limit + 1);
    EXPECT_EQ(large.rfind("Live Preview - big.html (", 0), 0u) << large;
    EXPECT_NE(large.find("Ctrl+R"), std::string::npos);
    EXPECT_EQ(LivePreviewTitle("", 0), "Live Preview");
}

TEST(LivePreviewRules, SettingsStartOffAndComeBackAsSaved) {
    MemoryProfile profile;
    LivePreviewSettings settings;
    settings.Load(profile);
    EXPECT_FALSE(settings.shown || settings.followCaret || settings.allowRemoteContent);

    settings.shown = true;
    settings.allowRemoteContent = true;
    ASSERT_TRUE(settings.Save(profile));
    LivePreviewSettings again;
    again.Load(profile);
    EXPECT_TRUE(again.shown);
    EXPECT_FALSE(again.followCaret);
    EXPECT_TRUE(again.allowRemoteContent);
    // Any non-zero number set by hand counts as on.
    profile.WriteInt(LivePreviewSettings::Section, "Follow Caret", 7);
    again.Load(profile);
    EXPECT_TRUE(again.followCaret);
}

TEST(LivePreviewWriter, WritesBesideTheDocumentUnderRotatingNamesRegisteredForCleanUp) {
    TempDir dir;
    const fs::path page = dir.Write("site/page.html", "x");
    MemoryProfile profile;
    RecordingPrompter prompter;
    CCleanupList cleanup(profile, prompter);
    cleanup.Load(); // as at start-up
    LivePreviewWriter writer(cleanup);
    const std::string text = "<HTML>\r\n<IMG SRC=\"a.gif\">\0\xff\r\n</HTML>";
    MemoryTextControl control(std::string(text.data(), text.size()));
    std::string error;

    std::vector<std::string> names;
    for (int i = 0; i < 4; ++i) {
        const auto written = writer.Write(control, page.string(), (dir.Path() / "untitled").string(), false, error);
        ASSERT_TRUE(written) << error;
        EXPECT_EQ(fs::path(written->path).parent_path(), page.parent_path());
        EXPECT_EQ(written->url, "file://" + written->path);
        EXPECT_EQ(ReadFile(written->path), std::string(text.data(), text.size()));
        names.push_back(fs::path(written->path).filename().string());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"~veltolp0.htm", "~veltolp1.htm", "~veltolp2.htm", "~veltolp0.htm"}));
    ASSERT_EQ(cleanup.Paths().size(), 3u);
    EXPECT_EQ(profile.GetString("Cleanup Files", "Tmp3", ""), (page.parent_path() / "~veltolp2.htm").string());
    EXPECT_EQ(ReadFile(page), "x");
    cleanup.CleanUp();
    EXPECT_FALSE(fs::exists(page.parent_path() / "~veltolp0.htm"));

    // An untitled document goes to the folder given for it, made when missing.
    const auto untitled = writer.Write(control, "", (dir.Path() / "untitled/deeper").string(), false, error);
    ASSERT_TRUE(untitled) << error;
    EXPECT_EQ(fs::path(untitled->path).parent_path(), dir.Path() / "untitled/deeper");
}

TEST(LivePreviewWriter, TheAnchorGoesBeforeTheCaretsLineOutsideTags) {
    TempDir dir;
    MemoryProfile profile;
    RecordingPrompter prompter;
    CCleanupList cleanup(profile, prompter);
    LivePreviewWriter writer(cleanup);
    MemoryTextControl control("<P>one</P>\n<IMG\nSRC=\"a.gif\">\n<P>three</P>\n");
    std::string error;

    control.SetSelection({control.LineStart(3) + 2, control.LineStart(3) + 2});
    auto written = writer.Write(control, "", dir.Path().string(), true, error);
    ASSERT_TRUE(written) << error;
    EXPECT_EQ(ReadFile(written->path), "<P>one</P>\n<IMG\nSRC=\"a.gif\">\n<A NAME=\"_quorbm+0\"><P>three</P>\n");
    // The caret inside a tag that began a line earlier: the anchor goes before the tag.
    control.SetSelection({control.LineStart(2), control.LineStart(2)});
    written = writer.Write(control, "", dir.Path().string(), true, error);
    ASSERT_TRUE(written) << error;
    EXPECT_EQ(ReadFile(written->path), "<P>one</P>\n<A NAME=\"_quorbm+0\"><IMG\nSRC=\"a.gif\">\n<P>three</P>\n");
    // Without Follow Caret the page is the document's bytes alone.
    written = writer.Write(control, "", dir.Path().string(), false, error);
    ASSERT_TRUE(written) << error;
    EXPECT_EQ(ReadFile(written->path), control.Text());
}

TEST(LivePreviewWriter, NeverReplacesTheDocumentAndFallsBackWhenItsFolderRefuses) {
    TempDir dir;
    MemoryProfile profile;
    RecordingPrompter prompter;
    CCleanupList cleanup(profile, prompter);
    LivePreviewWriter writer(cleanup);
    MemoryTextControl control("<P>new</P>");
    std::string error;

    const fs::path named = dir.Write("~veltolp0.htm", "the document");
    const auto written = writer.Write(control, named.string(), (dir.Path() / "tmp").string(), false, error);
    ASSERT_TRUE(written) << error;
    EXPECT_NE(written->path, named.string());
    EXPECT_EQ(ReadFile(named), "the document");

    // A folder that cannot be written: the file goes to the other folder, its relative
    // addresses sent back to the document's folder. (root may write anywhere.)
    const fs::path locked = dir.Path() / "locked";
    fs::create_directory(locked);
    const fs::path page = dir.Write("locked/page.html", "x");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    if (access(locked.c_str(), W_OK) != 0) {
        const auto fallback = writer.Write(control, page.string(), (dir.Path() / "tmp").string(), false, error);
        ASSERT_TRUE(fallback) << error;
        EXPECT_EQ(fs::path(fallback->path).parent_path(), dir.Path() / "tmp");
        EXPECT_EQ(ReadFile(fallback->path), "<BASE HREF=\"file://" + locked.string() + "/\">\n<P>new</P>");
    }
    fs::permissions(locked, fs::perms::owner_all);
}

// Preview files (names, addresses, the scroll anchor, contents), the clean-up list, and
// Refresh Preview and web addresses handed to a scripted browser.
#include "core/config/GeneralConfig.h"
#include "core/fakes/RecordingPrompter.h"
#include "core/fakes/TestFiles.h"
#include "core/platform/MemoryProfile.h"
#include "core/platform/MemoryTextControl.h"
#include "core/preview/CCleanupList.h"
#include "core/preview/CPreviewConfig.h"
#include "core/preview/CPreviewDriver.h"
#include "core/preview/PreviewFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

#include <unistd.h>

using namespace std::string_literals;

using namespace velto;
using namespace velto::test;
namespace fs = std::filesystem;

namespace {
int AnchorLine(MemoryTextControl& control, int firstVisible) {
    return FindAnchorLine(
        control.Text(), firstVisible,
        [&](int l) { return static_cast<std::size_t>(control.LineStart(l)); },
        [&](std::size_t p) { return control.LineFromPosition(static_cast<int>(p)); });
}

class ScriptedBrowser final : public BrowserPort {
public:
    std::optional<std::string> FindProgram(const std::string& word) const override {
        if (installed.count(word))
            return "/usr/bin/" + word;
        return std::nullopt;
    }
    bool Start(const std::string& program, const std::vector<std::string>& arguments) override {
        std::string call = program;
        for (const std::string& a : arguments)
            call += " " + a;
        calls.push_back(call);
        return startFailures-- <= 0;
    }
    bool OpenWithDesktop(const std::string& url) override {
        calls.push_back("desktop " + url);
        return desktopRefusals-- <= 0;
    }
    void KeepEditorInFront(int startDelayMs) override { calls.push_back("front after " + std::to_string(startDelayMs)); }

    std::set<std::string> installed{"chromium"};
    int startFailures = 0;
    int desktopRefusals = 0;
    std::vector<std::string> calls;
};
} // namespace

TEST(PreviewFile, AddressesCarryEveryPathAndLeaveWebAddressesAlone) {
    EXPECT_EQ(BrowserUrl("/home/a/my page.html"), "file:///home/a/my%20page.html");
    EXPECT_EQ(BrowserUrl("/web/C#/50%/a?.htm"), "file:///web/C%23/50%25/a%3F.htm");
    EXPECT_EQ(BrowserUrl("/w/\"q\"<>\xC3\xA9.htm"), "file:///w/%22q%22%3C%3E%C3%A9.htm");
    EXPECT_EQ(BrowserUrl("/w/a-b_c.~(1)+x,y;z=@:!$&'*.htm"),
              "file:///w/a-b_c.~(1)+x,y;z=@:!$&'*.htm");
    EXPECT_EQ(BrowserUrl("https://validator.w3.org/"), "https://validator.w3.org/");
    EXPECT_EQ(BrowserUrl("file:///tmp/x.htm"), "file:///tmp/x.htm");
}

TEST(PreviewFile, NamesRotateWithinTheClampedCount) {
    EXPECT_EQ(FormatPreviewName("~veltopv%d.htm", 7), "~veltopv7.htm");
    EXPECT_EQ(FormatPreviewName("%s-%d-%d-100%%.htm", 3), "%s-3-%d-100%.htm");
    EXPECT_EQ(FormatPreviewName("fixed.htm", 3), "fixed.htm");

    const auto names = [](int count, int calls) {
        PreviewCounter counter;
        std::set<int> seen;
        for (int i = 0; i < calls; ++i)
            seen.insert(counter.Next(count));
        return seen;
    };
    EXPECT_EQ(names(0, 5), std::set<int>{0});
    EXPECT_EQ(names(500, 1000).size(), 100u);
    EXPECT_EQ(*names(500, 1000).rbegin(), 99);
    PreviewCounter counter;
    std::vector<int> order;
    for (int i = 0; i < 12; ++i)
        order.push_back(counter.Next(10));
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1}));
}

TEST(PreviewFile, TheAnchorMovesUpOutOfTagsAndOpenLinks) {
    MemoryTextControl control("<HTML>\n"                // 0
                              "<IMG SRC=\"a.gif\"\n"    // 1
                              "  ALT=\"x\"\n"           // 2
                              "  WIDTH=3>text\n"        // 3
                              "<A HREF=\"b.htm\">see\n" // 4
                              "more</A>\n"              // 5
                              "after\n"                 // 6
                              "<ABBR TITLE=\"t\">\n"    // 7
                              "in abbr\n"               // 8
                              ">lonely\n");             // 9
    EXPECT_EQ(AnchorLine(control, 0), 0);
    EXPECT_EQ(AnchorLine(control, 2), 1); // inside the IMG tag begun on line 1
    EXPECT_EQ(AnchorLine(control, 3), 1);
    EXPECT_EQ(AnchorLine(control, 5), 4); // inside the open A element
    EXPECT_EQ(AnchorLine(control, 6), 6); // the A element is closed
    EXPECT_EQ(AnchorLine(control, 8), 8); // ABBR is not A
    EXPECT_EQ(AnchorLine(control, 9), 9); // a '>' that ends no tag

    // The anchor goes before the line's text; the bytes stay as they were.
    const std::string text = "a\r\nb\0c\r\n"s;
    PreviewContents contents;
    contents.anchorAt = 3;
    std::ostringstream out;
    ASSERT_TRUE(WritePreviewFile(out, text, contents));
    EXPECT_EQ(out.str(), "a\r\n<A NAME=\"_quorbm+0\">b\0c\r\n"s);
}

TEST(PreviewFile, BaseElementAndDefaultTitleWhenTheProfileAsks) {
    PreviewContents contents;
    contents.baseElement = true;
    contents.defaultTitle = true;
    contents.folder = "/srv/my site";
    std::ostringstream out;
    WritePreviewFile(out, "<TITLE>Mine</TITLE>\n", contents);
    EXPECT_EQ(
        out.str(),
        "<BASE HREF=\"file:///srv/my%20site/\">\n<TITLE>Mine</TITLE>\n<TITLE>Untitled</TITLE>\n");
}

TEST(CleanupList, OnlyThePreviewFilesThisProgramWroteAreDeleted) {
    TempDir dir;
    MemoryProfile settings;
    RecordingPrompter prompter;
    const std::string userPage = dir.Write("important.html", "the user's page").string();
    const std::string preview = dir.Write("~veltopv0.htm", "p").string();
    const std::string live = dir.Write("~veltolp2.htm", "p").string();
    const std::string folder = (dir.Path() / "~veltopv1.htm").string();
    std::filesystem::create_directory(folder);
    const std::string link = (dir.Path() / "~veltopv2.htm").string();
    std::filesystem::create_symlink(userPage, link);
    const std::vector<std::string> listed{userPage, folder, link, preview, "~veltopv3.htm", live};
    for (std::size_t i = 0; i < listed.size(); ++i)
        settings.WriteString("Cleanup Files", "Tmp" + std::to_string(i + 1), listed[i]);

    CCleanupList list(settings, prompter);
    list.Load();
    EXPECT_FALSE(fs::exists(preview));
    EXPECT_FALSE(fs::exists(live));
    EXPECT_EQ(ReadFile(userPage), "the user's page");
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(prompter.messages.empty());
    // What was not ours is dropped from the list, not kept for another try.
    EXPECT_TRUE(list.Paths().empty());
    for (std::size_t n = 1; n <= listed.size(); ++n)
        EXPECT_EQ(settings.GetString("Cleanup Files", "Tmp" + std::to_string(n), "unset"), "") << n;
}

TEST(CleanupList, ThePreviewNamesOfTheSettingsPatternAreOursToo) {
    TempDir dir;
    MemoryProfile settings;
    RecordingPrompter prompter;
    settings.WriteString("Settings", "PreviewTmpFile", "preview-%d.html");
    const std::string custom = dir.Write("preview-7.html", "p").string();
    const std::string other = dir.Write("preview-x.html", "p").string();
    settings.WriteString("Cleanup Files", "Tmp1", custom);
    settings.WriteString("Cleanup Files", "Tmp2", other);
    CCleanupList list(settings, prompter);
    list.Load();
    EXPECT_FALSE(fs::exists(custom));
    EXPECT_TRUE(fs::exists(other));
}

TEST(CleanupList, APreviewFileThatWillNotGoIsReportedAndKept) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may delete in a folder without write permission";
    TempDir dir;
    MemoryProfile settings;
    RecordingPrompter prompter;
    const std::string stuck = dir.Write("locked/~veltopv4.htm", "p").string();
    fs::permissions(dir.Path() / "locked", fs::perms::owner_read | fs::perms::owner_exec,
                    fs::perm_options::replace);
    settings.WriteString("Cleanup Files", "Tmp1", stuck);
    CCleanupList list(settings, prompter);
    list.Load();
    fs::permissions(dir.Path() / "locked", fs::perms::owner_all, fs::perm_options::replace);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], "Unable to remove temporary file.\n\n" + stuck);
    EXPECT_EQ(list.Paths(), std::vector<std::string>{stuck});
    EXPECT_EQ(settings.GetString("Cleanup Files", "Tmp1", ""), stuck);
}

TEST(CleanupList, RegisteredOnceAndRewrittenAfterCleaning) {
    TempDir dir;
    MemoryProfile settings;
    RecordingPrompter prompter;
    const std::string gone = dir.Write("~veltopv5.htm", "x").string();
    settings.WriteString("Cleanup Files", "Tmp1", gone);
    settings.WriteString("Cleanup Files", "Tmp2", "<empty>");
    settings.WriteString("Cleanup Files", "Tmp3", (dir.Path() / "~veltopv6.htm").string());
    settings.WriteString("Cleanup Files", "Tmp5", "after the end: never read");
    CCleanupList list(settings, prompter);
    list.Load();
    EXPECT_FALSE(fs::exists(gone));
    for (const char* key : {"Tmp1", "Tmp2", "Tmp3"})
        EXPECT_EQ(settings.GetString("Cleanup Files", key, "unset"), "") << key;

    const std::string preview = dir.Write("~veltopv0.htm", "p").string();
    list.Register(preview);
    list.Register(preview);
    EXPECT_EQ(list.Paths().size(), 1u);
    EXPECT_EQ(settings.GetString("Cleanup Files", "Tmp1", ""), preview);
    list.CleanUp();
    EXPECT_FALSE(fs::exists(preview));
    EXPECT_TRUE(list.Paths().empty());
    EXPECT_EQ(settings.GetString("Cleanup Files", "Tmp1", "unset"), "");
}

class PreviewDriverTest : public ::testing::Test {
protected:
    TempDir dir;
    MemoryProfile settings;
    RecordingPrompter prompter;
    CGeneralConfig general;
    PreviewerProfiles profiles;
    CCleanupList cleanup{settings, prompter};
    ScriptedBrowser browser;

    void SetUp() override {
        profiles.Initialise(settings, [](const std::string&) { return false; });
        cleanup.Load();
    }
    void Use(const char* name) {
        profiles.Select(PreviewerProfiles::FindByName(profiles.List(), name));
    }
    CPreviewDriver Driver() {
        return CPreviewDriver(profiles, cleanup, general, settings, prompter, browser);
    }
};

TEST_F(PreviewDriverTest, ThePreviewFileGoesBesideTheDocumentAndItsAddressToTheBrowser) {
    general.scrollPreview = 1;
    Use("Chromium");
    const std::string doc = dir.Write("my site/page one.html", "<P>\n<B>x</B>\n").string();
    MemoryTextControl control("<P>\n<B>x</B>\n");
    control.SetVisibleLines(1, 10);
    CPreviewDriver driver = Driver();
    ASSERT_TRUE(driver.Preview(control, doc));
    const std::string preview = (dir.Path() / "my site/~veltopv0.htm").string();
    EXPECT_EQ(ReadFile(preview), "<P>\n<A NAME=\"_quorbm+0\"><B>x</B>\n");
    EXPECT_EQ(ReadFile(doc), "<P>\n<B>x</B>\n");
    EXPECT_EQ(browser.calls,
              std::vector<std::string>{"/usr/bin/chromium " + BrowserUrl(preview) + "#_quorbm+0"});
    EXPECT_NE(browser.calls[0].find("my%20site/~veltopv0.htm#"), std::string::npos);
    EXPECT_EQ(cleanup.Paths(), std::vector<std::string>{preview});
    EXPECT_TRUE(prompter.messages.empty());

    // Without scrolling, or with a profile that takes no fragment, the address has none.
    ASSERT_TRUE(profiles.List().size() > 2);
    PreviewerList edited = profiles.List();
    edited[2].ProvideFragment = false;
    edited[2].NeedDefaultTitle = true;
    profiles.Apply(edited, settings);
    browser.calls.clear();
    ASSERT_TRUE(driver.Preview(control, doc));
    const std::string second = (dir.Path() / "my site/~veltopv1.htm").string();
    EXPECT_EQ(browser.calls, std::vector<std::string>{"/usr/bin/chromium " + BrowserUrl(second)});
    EXPECT_EQ(ReadFile(second), "<P>\n<A NAME=\"_quorbm+0\"><B>x</B>\n<TITLE>Untitled</TITLE>\n");
}

TEST_F(PreviewDriverTest, LinksStandingWherePreviewFilesGoAreReplacedNotWrittenThrough) {
    Use("Chromium");
    const std::string doc = dir.Write("page.html", "<P>new</P>").string();
    const fs::path secret = dir.Write("secret.html", "keep me");
    fs::create_symlink(secret, dir.Path() / "~veltopv0.htm");
    fs::create_hard_link(secret, dir.Path() / "~veltopv1.htm");
    MemoryTextControl control("<P>new</P>");
    CPreviewDriver driver = Driver();
    ASSERT_TRUE(driver.Preview(control, doc));
    ASSERT_TRUE(driver.Preview(control, doc));
    EXPECT_EQ(ReadFile(secret), "keep me");
    for (const char* name : {"~veltopv0.htm", "~veltopv1.htm"}) {
        EXPECT_FALSE(fs::is_symlink(dir.Path() / name)) << name;
        EXPECT_EQ(ReadFile(dir.Path() / name), "<P>new</P>") << name;
    }
}

TEST_F(PreviewDriverTest, AnUntitledDocumentPreviewsFromTheCurrentFolder) {
    const fs::path before = fs::current_path();
    fs::current_path(dir.Path());
    MemoryTextControl control("<HTML></HTML>");
    CPreviewDriver driver = Driver();
    const std::optional<std::string> url = driver.WritePreview(control, "");
    fs::current_path(before);
    ASSERT_TRUE(url);
    EXPECT_EQ(*url, BrowserUrl((fs::canonical(dir.Path()) / "~veltopv0.htm").string()));
    EXPECT_EQ(ReadFile(dir.Path() / "~veltopv0.htm"), "<HTML></HTML>");
}

TEST_F(PreviewDriverTest, FailuresAreReportedAndTheDocumentLeftAlone) {
    // An unwritable folder.
    MemoryTextControl control("<P>");
    CPreviewDriver driver = Driver();
    EXPECT_FALSE(driver.Preview(control, "/proc/no-such-folder/page.html"));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(
        prompter.messages[0].rfind(
            "Failed to generate intermediate preview file.\n\n/proc/no-such-folder/~veltopv0.htm: ",
            0),
        0u);
    EXPECT_TRUE(browser.calls.empty());

    // A document that is itself named like the preview file is not written over.
    const std::string only = dir.Write("~veltopv0.htm", "mine").string();
    general.numberOfPreviewFiles = 1;
    CPreviewDriver single = Driver();
    EXPECT_FALSE(single.WritePreview(control, only));
    EXPECT_EQ(ReadFile(only), "mine");
    const std::string own = dir.Write("~veltopv1.htm", "mine").string();
    general.numberOfPreviewFiles = 10;
    CPreviewDriver rotating = Driver();
    // The counter then stands at 1, the document's own name.
    EXPECT_EQ(rotating.NextPreviewPath(own), (dir.Path() / "~veltopv0.htm").string());
    const std::optional<std::string> url = rotating.WritePreview(control, own);
    ASSERT_TRUE(url);
    EXPECT_EQ(ReadFile(own), "mine");
    EXPECT_EQ(ReadFile(dir.Path() / "~veltopv2.htm"), "<P>");
}

TEST_F(PreviewDriverTest, BrowsersThatCannotBeReachedAreAskedAboutAgain) {
    CPreviewDriver driver = Driver();
    // The desktop's browser refuses once; Yes tries again.
    browser.desktopRefusals = 1;
    prompter.answers = {true};
    EXPECT_TRUE(driver.OpenUrl("https://html.spec.whatwg.org/"));
    EXPECT_EQ(browser.calls, (std::vector<std::string>{"desktop https://html.spec.whatwg.org/",
                                                       "desktop https://html.spec.whatwg.org/"}));
    EXPECT_EQ(
        prompter.questions.back(),
        "Failed to establish connection with HTML preview application.\n\nPress YES to try again.");

    // A program that is not installed.
    Use("Epiphany");
    browser.calls.clear();
    EXPECT_FALSE(driver.OpenUrl("https://validator.w3.org/"));
    EXPECT_EQ(prompter.messages.back(),
              "HTML previewer application not found: epiphany-browser\n\nYou can use "
              "the Options dialog to specify the previewer application's location.");
    EXPECT_TRUE(browser.calls.empty());

    // A program that will not start: Yes starts again, No gives up; the return to the
    // front, after the start-up delay, is asked for either way and nothing waits.
    PreviewerList edited = profiles.List();
    edited[2].Previewer = "chromium --no-sandbox --app=%u";
    edited[2].DelayOnAppStart = 300;
    profiles.Select(&edited[2]);
    profiles.SetKeepInFront(true);
    profiles.Apply(edited, settings);
    browser.startFailures = 2;
    prompter.answers = {true, false};
    EXPECT_FALSE(driver.OpenUrl("https://x.test/"));
    const std::string start = "/usr/bin/chromium --no-sandbox --app=https://x.test/";
    EXPECT_EQ(browser.calls, (std::vector<std::string>{start, start, "front after 300"}));
    // The desktop's browser has no start-up delay of its own; without the option nothing
    // comes back in front.
    profiles.Select(&profiles.List()[0]);
    browser.calls.clear();
    EXPECT_TRUE(driver.OpenUrl("https://x.test/"));
    EXPECT_EQ(browser.calls, (std::vector<std::string>{"desktop https://x.test/", "front after 0"}));
    profiles.SetKeepInFront(false);
    browser.calls.clear();
    EXPECT_TRUE(driver.OpenUrl("https://x.test/"));
    EXPECT_EQ(browser.calls, std::vector<std::string>{"desktop https://x.test/"});
    EXPECT_EQ(prompter.questions.back(), "Failed to start preview application: chromium "
                                         "--no-sandbox --app=%u\n\nPress YES to try again.");
}

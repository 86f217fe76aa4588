// Previewer profiles, and the command lines and program lookup of the browsers.
#include "core/fakes/RecordingPrompter.h"
#include "core/fakes/TestFiles.h"
#include "core/platform/MemoryProfile.h"
#include "core/preview/CPreviewConfig.h"
#include "core/preview/CommandLine.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace velto;
using namespace velto::test;

namespace {
const ProgramSearch NothingInstalled = [](const std::string&) { return false; };
}

TEST(PreviewerProfiles, WithNothingStoredTheDesktopBrowserIsCurrent) {
    MemoryProfile settings;
    PreviewerProfiles profiles;
    profiles.Initialise(settings, NothingInstalled);
    ASSERT_EQ(profiles.List().size(), 5u);
    const char* names[] = {"Default Browser", "Firefox", "Chromium", "Google Chrome", "Epiphany"};
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(profiles.List()[i].Profile, names[i]);
    ASSERT_TRUE(profiles.Current());
    EXPECT_EQ(profiles.Current()->Profile, "Default Browser");
    EXPECT_TRUE(profiles.Current()->UsesDesktopBrowser());
    EXPECT_FALSE(profiles.KeepInFront());
    EXPECT_EQ(profiles.List()[1].Previewer, "firefox");
    for (const CPreviewConfig& p : profiles.List())
        EXPECT_TRUE(!p.NeedBaseURL && !p.NeedDefaultTitle && p.WindowActivateSelf && p.ProvideFragment &&
                    p.DelayOnAppStart == 0);
    // Where only the extended-support Firefox is installed, that is the one started.
    PreviewerList esr = BuiltInPreviewers([](const std::string& p) { return p == "firefox-esr"; });
    EXPECT_EQ(esr[1].Previewer, "firefox-esr");
}

TEST(PreviewerProfiles, StoredSettingsChangeOnlyTheirProfile) {
    MemoryProfile settings;
    settings.WriteString("Settings", "HTML Previewer", "cHROMIUM");
    settings.WriteInt("Settings", "Keep Velto In Front", 1);
    settings.WriteString("Chromium", "Previewer", "chromium --incognito");
    settings.WriteInt("Chromium", "DelayOnAppStart", 250);
    PreviewerProfiles profiles;
    profiles.Initialise(settings, NothingInstalled);
    ASSERT_TRUE(profiles.Current());
    EXPECT_EQ(profiles.Current()->Profile, "Chromium");
    EXPECT_EQ(profiles.SelectedName(), "Chromium");
    EXPECT_EQ(profiles.Current()->Previewer, "chromium --incognito");
    EXPECT_EQ(profiles.Current()->DelayOnAppStart, 250);
    EXPECT_TRUE(profiles.KeepInFront());
    EXPECT_EQ(profiles.List()[3].Previewer, "google-chrome");
    EXPECT_EQ(profiles.BuiltIn()[2].Previewer, "chromium");
    EXPECT_EQ(PreviewerProfiles::ChoiceIndex(profiles.List(), "google CHROME"), 3u);
    EXPECT_EQ(PreviewerProfiles::ChoiceIndex(profiles.List(), "Netscape v1"), 0u);

    // An unknown selection falls back to the first profile.
    settings.WriteString("Settings", "HTML Previewer", "Netscape v3");
    profiles.LoadSelection(settings);
    EXPECT_EQ(profiles.Current()->Profile, "Default Browser");

    // Apply writes the selection and every profile's two settings, nothing else.
    PreviewerList edited = profiles.List();
    edited[4].Previewer = "/opt/epiphany/bin/epiphany";
    profiles.Select(&edited[4]);
    profiles.SetKeepInFront(false);
    profiles.Apply(edited, settings);
    EXPECT_EQ(settings.GetString("Settings", "HTML Previewer", ""), "Epiphany");
    EXPECT_EQ(settings.GetInt("Settings", "Keep Velto In Front", 1), 0);
    EXPECT_EQ(settings.GetString("Epiphany", "Previewer", ""), "/opt/epiphany/bin/epiphany");
    EXPECT_EQ(settings.GetString("Default Browser", "Previewer", "unset"), "");
    EXPECT_EQ(profiles.Current()->Previewer, "/opt/epiphany/bin/epiphany");
}

TEST(PreviewerProfiles, NamesMustNotBeEmptyPaddedOrTheEmptyMarker) {
    RecordingPrompter prompter;
    for (const char* bad : {"", " Firefox", "Firefox\t", "<empty>", "<EMPTY>", "\n"})
        EXPECT_FALSE(IsValidProfileName(bad)) << '[' << bad << ']';
    EXPECT_TRUE(IsValidProfileName("My Browser"));
    EXPECT_FALSE(IsValidProfileName(" x", &prompter));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0],
              "\" x\" is not a valid profile name.\n\nProfile names must not start or end with a space.");
}

TEST(CommandLine, WordsSplitAsAShellSplitsThem) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitCommandLine("  chromium --no-sandbox   --user-data-dir=/tmp/x "),
              (V{"chromium", "--no-sandbox", "--user-data-dir=/tmp/x"}));
    EXPECT_EQ(SplitCommandLine(R"("/opt/My Browser/run" 'a b' c\ d "q\"uote" 'it\s')"),
              (V{"/opt/My Browser/run", "a b", "c d", "q\"uote", "it\\s"}));
    EXPECT_EQ(SplitCommandLine(R"(x "unclosed arg)"), (V{"x", "unclosed arg"}));
    EXPECT_EQ(SplitCommandLine(R"(a""b '')"), (V{"ab", ""}));
    EXPECT_TRUE(SplitCommandLine(" \t").empty());

    EXPECT_EQ(WithAddress({"--new-tab"}, "file:///a.htm"), (V{"--new-tab", "file:///a.htm"}));
    EXPECT_EQ(WithAddress({"--url=%u", "-x"}, "file:///a.htm"), (V{"--url=file:///a.htm", "-x"}));
}

TEST(CommandLine, ProgramsAreFoundAsGivenOrOnTheSearchPath) {
    TempDir dir;
    const auto tool = dir.Write("bin/browser", "#!/bin/sh\n");
    std::filesystem::permissions(tool, std::filesystem::perms::owner_all);
    dir.Write("bin/notes", "not a program");
    const std::string path = "/nonexistent:" + (dir.Path() / "bin").string();
    EXPECT_EQ(FindProgram("browser", path), tool.string());
    EXPECT_EQ(FindProgram(tool.string(), ""), tool.string());
    EXPECT_FALSE(FindProgram("notes", path));
    EXPECT_FALSE(FindProgram("bin", dir.Path().string())); // a folder is no program
    EXPECT_FALSE(FindProgram("missing", path));
    EXPECT_FALSE(FindProgram("", path));
}

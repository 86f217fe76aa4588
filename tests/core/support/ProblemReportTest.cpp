// The problem report: its multi-line settings, the report text made from fixed facts,
// the readers of this system's files, and saving with the file name proposals.
#include "core/fakes/RecordingPrompter.h"
#include "core/fakes/ScriptedChooser.h"
#include "core/fakes/TestFiles.h"
#include "core/platform/MemoryProfile.h"
#include "core/support/CProblemReport.h"
#include "core/support/LinuxFacts.h"
#include "core/support/MultiLineSetting.h"
#include "core/support/ReportText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

using namespace velto;
using namespace velto::test;
namespace fs = std::filesystem;

namespace {

constexpr std::string_view Section = "Problem Report";

std::string Key(const MemoryProfile& p, const std::string& key) {
    return p.GetString(Section, key, "<absent>");
}

TEST(MultiLineSetting, StoresOneKeyPerLineAndEmptiesWhatALongerTextLeft) {
    MemoryProfile p;
    ASSERT_TRUE(WriteMultiLine(p, Section, "PostalAddress", "1 High Street\r\nLittle Marsh\r\nKent"));
    EXPECT_EQ(Key(p, "PostalAddress00"), "1 High Street");
    EXPECT_EQ(Key(p, "PostalAddress02"), "Kent");
    EXPECT_EQ(Key(p, "PostalAddress03"), "$$MlPdOnE$$");
    EXPECT_EQ(ReadMultiLine(p, Section, "PostalAddress"), "1 High Street\r\nLittle Marsh\r\nKent");

    ASSERT_TRUE(WriteMultiLine(p, Section, "PostalAddress", "PO Box 7"));
    EXPECT_EQ(Key(p, "PostalAddress01"), "$$MlPdOnE$$");
    EXPECT_EQ(Key(p, "PostalAddress02"), "");
    EXPECT_EQ(Key(p, "PostalAddress03"), "");
    EXPECT_FALSE(p.Has(Section, "PostalAddress04"));
    EXPECT_EQ(ReadMultiLine(p, Section, "PostalAddress"), "PO Box 7");

    // Lines typed with "\n" alone, empty lines and a final line end all come back.
    ASSERT_TRUE(WriteMultiLine(p, Section, "D", "one\n\nthree\n"));
    EXPECT_EQ(ReadMultiLine(p, Section, "D"), "one\r\n\r\nthree\r\n");
    // Without a marker the text ends at the first missing key.
    p.WriteString(Section, "X00", "alone");
    EXPECT_EQ(ReadMultiLine(p, Section, "X"), "alone");
    EXPECT_EQ(ReadMultiLine(p, Section, "Nothing"), "");
}

TEST(MultiLineSetting, LongLinesAreSplitAtCharactersAndComeBackWhole) {
    MemoryProfile p;
    // 126 ASCII bytes then "é" (2 bytes) straddles the piece boundary.
    const std::string line = std::string(126, 'a') + "\xC3\xA9" + std::string(300, 'b');
    ASSERT_TRUE(WriteMultiLine(p, Section, "D", line + "\r\nnext"));
    for (int i = 0; i < 4; ++i) {
        char key[8];
        std::snprintf(key, sizeof key, "D%02d", i);
        const std::string piece = Key(p, key);
        EXPECT_LE(piece.size(), MultiLineMaxLength) << key;
        EXPECT_NE(static_cast<unsigned char>(piece.back()) & 0xC0, 0x80u) << "split inside a character";
    }
    EXPECT_EQ(ReadMultiLine(p, Section, "D"), line + "\r\nnext");

    // A line of exactly the key length takes one key.
    ASSERT_TRUE(WriteMultiLine(p, Section, "E", std::string(128, 'c')));
    EXPECT_EQ(Key(p, "E01"), "$$MlPdOnE$$");

    // A text too long for 500 keys keeps what fits, the marker in the last key.
    std::string many;
    for (int i = 0; i < 600; ++i)
        many += "line " + std::to_string(i) + "\n";
    ASSERT_TRUE(WriteMultiLine(p, Section, "M", many));
    EXPECT_EQ(Key(p, "M499"), "$$MlPdOnE$$");
    EXPECT_FALSE(p.Has(Section, "M500"));
    EXPECT_EQ(Key(p, "M498"), "line 498");
}

TEST(ReportText, HeadingsSizesAndBootTimes) {
    EXPECT_EQ(ReportHeading(2, "User Details"),
              std::string(28, '=') + " User Details " + std::string(28, '=') + "\r\n");
    // " END OF REPORT " leaves 63 of 78: the odd one goes to the right.
    EXPECT_EQ(ReportHeading(1, "END OF REPORT"),
              std::string(31, '#') + " END OF REPORT " + std::string(32, '#') + "\r\n");
    EXPECT_EQ(ReportHeading(3, "x").size(), 62u);
    EXPECT_EQ(ReportHeading(3, std::string(70, 'y')), " " + std::string(70, 'y') + " \r\n");

    EXPECT_EQ(ReportSize(2047), "2047 bytes");
    EXPECT_EQ(ReportSize(2048), "2K");
    EXPECT_EQ(ReportSize(2 * 1024 * 1024 - 1), "2047K");
    EXPECT_EQ(ReportSize(std::uint64_t{16} << 30), "16384M");

    EXPECT_EQ(LastBootText(25 * 60), "1 day(s) ago");
    EXPECT_EQ(LastBootText(60), "1 hour(s) ago");
    EXPECT_EQ(LastBootText(59), "59 minute(s) ago");
}

SystemFacts FixedFacts() {
    SystemFacts f;
    f.productVersion = "1.2.3";
    f.now = 0;
    f.platform = "Debian GNU/Linux 12 (bookworm), Linux 6.1.0 x86_64";
    f.platformDetail = "#1 SMP Debian";
    f.processor = "Test CPU (2 processors)";
    constexpr std::uint64_t G = std::uint64_t{1} << 30;
    f.memory = MemoryFacts{25, 8 * G, 6 * G, 0, 0, 12 * G, 9 * G};
    f.uptimeMinutes = 1500;
    f.heapFree = 4096;
    f.drives = {{"/", std::uint64_t{10} << 20, std::uint64_t{40} << 20, "local fixed disk"},
                {"/mnt/share", std::nullopt, std::nullopt, "network drive"}};
    f.executable = "/usr/bin/velto";
    f.qtPlatform = "xcb";
    f.qtVersion = "6.4.2 (built with 6.4.2)";
    f.qscintillaVersion = "2.13.3";
    f.displayServer = "X11 (DISPLAY=:0)";
    f.desktop = "XFCE (session xfce)";
    f.settingsPath = "/home/u/.config/Kestrova/Velto.conf";
    f.settingsSize = 5000;
    f.fonts = {"Editor text: \"Courier New\" 10 pt, shown as \"DejaVu Sans Mono\" 10 pt", "Window: \"Cantarell\" 11 pt"};
    f.settingsFile = IncludedFile{"Velto.conf", "/home/u/.config/Kestrova", std::string("[General]\n"),
                                  ReportDetail::Concise};
    f.includedFiles = {{"Crash Log", "", std::nullopt, ReportDetail::Concise},
                       {"os-release", "/etc", std::string("NAME=Debian"), ReportDetail::Standard},
                       {"version", "/proc", std::string("Linux version 6\n"), ReportDetail::Standard}};
    return f;
}

TEST(ReportText, SectionsInOrderWithAlignedLabels) {
    ReportContact c;
    c.title = "Dr";
    c.firstName = "Ada";
    c.postalAddress = "1 Lane\nTown";
    c.description = "It beeps.\nTwice.";
    c.detail = ReportDetail::Concise;
    const std::string r = BuildReport(c, FixedFacts(), "/tmp/prep01.txt");

    const std::string inOrder[] = {
        std::string(23, '#') + " Velto Problem Report (Concise) " + std::string(23, '#') + "\r\n",
        "File       : /tmp/prep01.txt\r\n",
        "Product    : Velto 1.2.3\r\n",
        "Platform   : Debian GNU/Linux 12 (bookworm), Linux 6.1.0 x86_64\r\n           : #1 SMP Debian\r\n",
        "Processor  : Test CPU (2 processors)\r\n",
        " User Details ", "Title      : Dr\r\nFirst Name : Ada\r\nLast Name  : \r\nAddress    : \r\n1 Lane\r\nTown\r\n",
        "Telephone  : \r\nFax        : \r\nEmail      : \r\n",
        " Problem Description ", "It beeps.\r\nTwice.\r\n",
        " System Summary ", "Memory Status {\r\n    Use        : 25% in use\r\n    Phys Total : 8192M\r\n",
        "    Virt Avail : 9216M\r\n}\r\n", "Last Boot  : 1 day(s) ago\r\n", "Global Heap: 4K free\r\n",
        "Drives     :\r\n/         : 10M free of 40M total" + std::string(15, ' ') + "(local fixed disk)\r\n",
        "/mnt/share: " + std::string(35, ' ') + " (network drive)\r\n",
        " Installation Summary ", "Executable : /usr/bin/velto\r\n",
        " Contents of file Velto.conf ", "Path       : /home/u/.config/Kestrova/Velto.conf\r\n[General]\n",
        " Contents of file Crash Log ", "Path       : Crash Log\r\n*** FAILED TO OPEN FILE FOR READ ***\r\n",
        " END OF REPORT ",
    };
    std::size_t at = 0;
    for (std::string_view part : inOrder) {
        const std::size_t found = r.find(part, at);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: " << part << "\n" << r;
        at = found + part.size();
    }
    EXPECT_EQ(r.substr(r.size() - 2), "\r\n");
    EXPECT_EQ(r.find("os-release"), std::string::npos) << "a concise report includes no system files";
    EXPECT_EQ(r.find("Qt Platform"), std::string::npos);
    // Every line ends in CR LF outside the files copied in.
    const std::string before = r.substr(0, r.find("[General]"));
    for (std::size_t i = before.find('\n'); i != std::string::npos; i = before.find('\n', i + 1))
        ASSERT_EQ(before[i - 1], '\r') << "at " << i;

    c.detail = ReportDetail::Detailed;
    const std::string detailed = BuildReport(c, FixedFacts(), "/tmp/prep01.txt");
    EXPECT_NE(detailed.find("(Detailed) "), std::string::npos);
    // What a maintainer asks first on Linux, in one block after the executable.
    EXPECT_NE(detailed.find("Executable : /usr/bin/velto\r\n"
                            "Qt Platform: xcb\r\n"
                            "Qt         : 6.4.2 (built with 6.4.2)\r\n"
                            "QScintilla : 2.13.3\r\n"
                            "WebEngine  : not loaded in this run\r\n"
                            "Display    : X11 (DISPLAY=:0)\r\n"
                            "Desktop    : XFCE (session xfce)\r\n"
                            "Settings   : /home/u/.config/Kestrova/Velto.conf (4K)\r\n"
                            "Fonts      : Editor text: \"Courier New\" 10 pt, shown as \"DejaVu Sans Mono\" 10 pt\r\n"
                            "           : Window: \"Cantarell\" 11 pt\r\n"),
              std::string::npos)
        << detailed;
    SystemFacts loaded = FixedFacts();
    loaded.webEngineVersion = "6.4.2 (Chromium 90.0.4430.228)";
    loaded.settingsPath.clear();
    const std::string withEngine = BuildReport(c, loaded, "/tmp/prep01.txt");
    EXPECT_NE(withEngine.find("WebEngine  : 6.4.2 (Chromium 90.0.4430.228)\r\n"), std::string::npos);
    EXPECT_NE(withEngine.find("Settings   : kept in memory only\r\n"), std::string::npos);
    EXPECT_EQ(r.find("QScintilla"), std::string::npos) << "only a detailed report has them";
    // A file without a final line end still leaves the next heading its own line.
    EXPECT_NE(detailed.find("Path       : /etc/os-release\r\nNAME=Debian\r\n---"), std::string::npos);
    EXPECT_NE(detailed.find("Path       : /proc/version\r\nLinux version 6\n"), std::string::npos);
}

TEST(LinuxFacts, ReadsTheSystemFilesTexts) {
    EXPECT_EQ(OsReleaseName("NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n"),
              "Debian GNU/Linux 12 (bookworm)");
    EXPECT_EQ(OsReleaseName("NAME='Arch \\\"Linux\\\"'\nVERSION=rolling\n"), "Arch \"Linux\" rolling");
    EXPECT_EQ(OsReleaseName(""), "");

    EXPECT_EQ(ProcessorName("processor\t: 0\nmodel name\t: AMD EPYC 7B13\nprocessor\t: 1\nmodel name\t: AMD EPYC 7B13\n"),
              "AMD EPYC 7B13 (2 processors)");
    EXPECT_EQ(ProcessorName("processor\t: 0\nHardware\t: BCM2835\n"), "BCM2835");
    EXPECT_EQ(ProcessorName("garbage\n\x01\x02"), "");

    const auto m = ParseMemInfo("MemTotal:       1000 kB\nMemFree:         100 kB\nMemAvailable:    250 kB\n"
                                "SwapTotal:       400 kB\nSwapFree:        300 kB\nCommitLimit:     900 kB\n"
                                "Committed_AS:   1200 kB\n");
    ASSERT_TRUE(m);
    EXPECT_EQ(m->usePercent, 75u);
    EXPECT_EQ(m->physTotal, 1000u * 1024);
    EXPECT_EQ(m->physAvail, 250u * 1024);
    EXPECT_EQ(m->swapAvail, 300u * 1024);
    EXPECT_EQ(m->commitAvail, 0u) << "over-committed: nothing left, not a wrapped number";
    EXPECT_FALSE(ParseMemInfo("MemFree: 5 kB\n"));
    EXPECT_FALSE(ParseMemInfo("MemTotal: 0 kB\n"));

    EXPECT_EQ(ParseUptimeMinutes("90061.53 170000.10\n"), std::optional<std::uint64_t>(1501));
    EXPECT_FALSE(ParseUptimeMinutes("nonsense"));
}

TEST(LinuxFacts, ListsRealFileSystemsOnceEach) {
    const std::string mounts = "proc /proc proc rw 0 0\n"
                               "/dev/sda1 / ext4 rw 0 0\n"
                               "tmpfs /run tmpfs rw 0 0\n"
                               "/dev/sdb1 /media/My\\040Stick vfat rw 0 0\n"
                               "server:/x /net nfs4 rw 0 0\n"
                               "/dev/sr0 /cdrom iso9660 ro 0 0\n"
                               "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
                               "/dev/sdc1 / btrfs rw 0 0\n"
                               "short line\n";
    const auto removable = [](std::string_view device) { return device == "/dev/sdb1"; };
    const std::vector<DriveFacts> d = ParseMounts(mounts, +removable);
    ASSERT_EQ(d.size(), 5u);
    EXPECT_EQ(d[0].mountPoint, "/");
    EXPECT_EQ(d[0].kind, "local fixed disk");
    EXPECT_EQ(d[1].kind, "RAM disk");
    EXPECT_EQ(d[2].mountPoint, "/media/My Stick");
    EXPECT_EQ(d[2].kind, "local removable disk");
    EXPECT_EQ(d[3].kind, "network drive");
    EXPECT_EQ(d[4].kind, "CDROM drive");
    EXPECT_EQ(DriveKind("weirdfs", "/dev/sdz", false), "unknown");
}

class ProblemReportSave : public ::testing::Test {
protected:
    class FixedSource final : public ReportFactsSource {
    public:
        SystemFacts Gather() override { return FixedFacts(); }
    };
    MemoryProfile settings;
    ScriptedChooser chooser;
    RecordingPrompter prompter;
    FixedSource facts;
    TempDir dir;
    ReportContact contact{"Ms", "Bo", "Lee", "2 Road\r\nCity", "01", "02", "bo@example.org", "Crash", ReportDetail::Standard};
};

TEST_F(ProblemReportSave, ProposesNumberedNamesInTheLastFolder) {
    CProblemReport report(settings);
    chooser.answers = {(dir.Path() / "prep01.txt").string()};
    ASSERT_EQ(report.Save(contact, chooser, prompter, facts), CProblemReport::Outcome::Saved);
    ASSERT_EQ(chooser.requests.size(), 1u);
    EXPECT_EQ(chooser.requests[0].title, "Choose A Report File Name");
    EXPECT_EQ(chooser.requests[0].fileName, "prep01.txt");
    EXPECT_TRUE(chooser.requests[0].save);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{ReportSavedMessage});
    const std::string written = ReadFile(dir.Path() / "prep01.txt");
    EXPECT_NE(written.find("File       : " + (dir.Path() / "prep01.txt").string() + "\r\n"), std::string::npos);
    EXPECT_NE(written.find("Contents of file os-release"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.Path() / "prep01.txt.tmp"));

    // The fields come back in the next session, with the folder and the next number.
    const ReportContact loaded = CProblemReport(settings).Load();
    EXPECT_EQ(loaded.email, "bo@example.org");
    EXPECT_EQ(loaded.postalAddress, "2 Road\r\nCity");
    EXPECT_EQ(loaded.description, "Crash");
    EXPECT_EQ(report.ProposedName(), "prep02.txt");
    EXPECT_EQ(report.LastFolder(), dir.Path().string());

    settings.WriteInt(Section, "NextReport", 9999);
    chooser.answers = {(dir.Path() / "last.txt").string()};
    ASSERT_EQ(report.Save(contact, chooser, prompter, facts), CProblemReport::Outcome::Saved);
    EXPECT_EQ(chooser.requests.back().fileName, "prep9999.txt");
    EXPECT_EQ(chooser.requests.back().initialFolder, dir.Path().string());
    EXPECT_EQ(report.ProposedName(), "prep01.txt");
    settings.WriteInt(Section, "NextReport", 10000);
    EXPECT_EQ(report.ProposedName(), "prep01.txt");
    settings.WriteInt(Section, "NextReport", -4);
    EXPECT_EQ(report.ProposedName(), "prep01.txt");
}

TEST_F(ProblemReportSave, FailuresKeepTheDialogAndStoreNothing) {
    CProblemReport report(settings);
    // Cancelled: nothing written, nothing stored.
    EXPECT_EQ(report.Save(contact, chooser, prompter, facts), CProblemReport::Outcome::Cancelled);
    EXPECT_EQ(settings.Size(), 0u);

    // A folder that does not exist: the report cannot be opened; the dialog stays.
    chooser.answers = {(dir.Path() / "missing" / "r.txt").string()};
    EXPECT_EQ(report.Save(contact, chooser, prompter, facts), CProblemReport::Outcome::CannotOpen);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{CannotOpenReportMessage});
    EXPECT_EQ(settings.Size(), 0u);

    // A write that fails (here the name is a folder) asks for another name.
    fs::create_directory(dir.Path() / "taken.txt");
    prompter.messages.clear();
    chooser.answers = {(dir.Path() / "taken.txt").string(), (dir.Path() / "ok.txt").string()};
    EXPECT_EQ(report.Save(contact, chooser, prompter, facts), CProblemReport::Outcome::Saved);
    EXPECT_EQ(prompter.messages, (std::vector<std::string>{ReportSaveFailedMessage, ReportSavedMessage}));
    EXPECT_EQ(chooser.requests.back().fileName, "taken.txt");
    EXPECT_TRUE(fs::is_directory(dir.Path() / "taken.txt"));
    EXPECT_FALSE(fs::exists(dir.Path() / "taken.txt.tmp"));
    EXPECT_TRUE(fs::exists(dir.Path() / "ok.txt"));
}

TEST(LinuxFacts, GathersThisMachine) {
    TempDir dir;
    dir.Write("Crash Log", "boom\n");
    FactsRequest request;
    request.productVersion = "9.9";
    request.executable = "/x/velto";
    request.settingsPath = (dir.Path() / "Velto.conf").string();
    request.qtPlatform = "offscreen";
    request.currentFolder = dir.Path().string();
    const SystemFacts f = GatherSystemFacts(request);
    EXPECT_EQ(f.settingsPath, request.settingsPath);
    EXPECT_FALSE(f.settingsSize) << "no settings file written yet";
    EXPECT_FALSE(f.platform.empty());
    EXPECT_FALSE(f.processor.empty());
    ASSERT_TRUE(f.memory) << "every Linux has /proc/meminfo";
    EXPECT_GT(f.memory->physTotal, 0u);
    EXPECT_FALSE(f.drives.empty());
    ASSERT_TRUE(f.settingsFile);
    EXPECT_FALSE(f.settingsFile->bytes) << "no settings file written yet";
    ASSERT_FALSE(f.includedFiles.empty());
    EXPECT_EQ(f.includedFiles[0].name, "Crash Log");
    EXPECT_EQ(f.includedFiles[0].bytes, std::optional<std::string>("boom\n"));
    dir.Write("Velto.conf", "[Settings]\nx=1\n");
    EXPECT_EQ(GatherSystemFacts(request).settingsSize, std::optional<std::uint64_t>(15));
}

} // namespace

TEST(LinuxFacts, NamesTheDisplayServerAndTheDesktop) {
    static std::map<std::string, std::string> env;
    const EnvironmentLookup lookup = [](const char* name) -> std::optional<std::string> {
        const auto it = env.find(name);
        return it == env.end() ? std::nullopt : std::optional<std::string>(it->second);
    };
    env = {{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "x11"}, {"XDG_CURRENT_DESKTOP", "XFCE"}, {"DESKTOP_SESSION", "xfce"}};
    EXPECT_EQ(DisplayServerText("xcb", lookup), "X11 (DISPLAY=:0)");
    EXPECT_EQ(DesktopText(lookup), "XFCE (session xfce)");
    // An X11 program in a Wayland session goes through XWayland, where windows activate
    // differently: the report says so.
    env = {{"DISPLAY", ":1"}, {"WAYLAND_DISPLAY", "wayland-1"}, {"XDG_CURRENT_DESKTOP", "GNOME"}};
    EXPECT_EQ(DisplayServerText("xcb", lookup), "X11 through XWayland (DISPLAY=:1, Wayland session)");
    EXPECT_EQ(DisplayServerText("wayland", lookup), "Wayland (WAYLAND_DISPLAY=wayland-1)");
    EXPECT_EQ(DisplayServerText("wayland-egl", lookup), "Wayland (WAYLAND_DISPLAY=wayland-1)");
    EXPECT_EQ(DesktopText(lookup), "GNOME");
    EXPECT_EQ(DisplayServerText("", lookup), "not in use; the session has Wayland (WAYLAND_DISPLAY=wayland-1)");
    env = {{"XDG_SESSION_TYPE", "tty"}};
    EXPECT_EQ(DisplayServerText("offscreen", lookup), "none (offscreen plug-in, session tty)");
    EXPECT_EQ(DisplayServerText("", lookup), "none");
    EXPECT_EQ(DesktopText(lookup), "unknown");
    env = {{"DESKTOP_SESSION", "openbox"}};
    EXPECT_EQ(DesktopText(lookup), "unknown (session openbox)");
}

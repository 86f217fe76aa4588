// The command line: parameters, flags, print-to, the whole-line rule, the raw line's
// splitting and joining, and the hand-over execute string.
#include "core/app/CBetterCmdLineInfo.h"
#include "core/app/HandOverCommand.h"
#include "core/app/RawCommandLine.h"

#include <gtest/gtest.h>

#include <set>

namespace velto {
namespace {

using Files = std::vector<std::string>;

// Parses a raw line with the given existing files, as a start does.
CBetterCmdLineInfo Parse(const std::string& raw, std::set<std::string> existing = {}) {
    CBetterCmdLineInfo info([existing](const std::string& p) { return existing.count(p) > 0; }, raw);
    ParseRawCommandLine(raw, info);
    return info;
}

TEST(CommandLine, EmptyLineMeansNewWithSplash) {
    const CBetterCmdLineInfo info = Parse("");
    EXPECT_EQ(info.shellCommand, CBetterCmdLineInfo::FileNew);
    EXPECT_TRUE(info.files.empty());
    EXPECT_TRUE(info.showSplash);
}

TEST(CommandLine, SeveralFilesAreAllKeptInOrderAndNewBecomesOpen) {
    const CBetterCmdLineInfo info = Parse("a.html b.html c.html", {"a.html", "b.html", "c.html"});
    EXPECT_EQ(info.files, (Files{"a.html", "b.html", "c.html"}));
    EXPECT_EQ(info.fileName, "a.html");
    EXPECT_EQ(info.shellCommand, CBetterCmdLineInfo::FileOpen);
    EXPECT_FALSE(info.wholeLineTaken);
}

TEST(CommandLine, AbsolutePathIsAFileNotAFlag) {
    const CBetterCmdLineInfo info = Parse("/tmp/x.html", {"/tmp/x.html"});
    EXPECT_EQ(info.files, Files{"/tmp/x.html"});
    EXPECT_EQ(info.shellCommand, CBetterCmdLineInfo::FileOpen);
}

TEST(CommandLine, FlagsAreCaseSensitive) {
    EXPECT_EQ(Parse("-p a.html").shellCommand, CBetterCmdLineInfo::FilePrint);
    EXPECT_EQ(Parse("-P a.html").shellCommand, CBetterCmdLineInfo::FileOpen);
    EXPECT_EQ(Parse("-PT a.html").shellCommand, CBetterCmdLineInfo::FileOpen);
    EXPECT_EQ(Parse("-DDE").shellCommand, CBetterCmdLineInfo::FileNew);
    const CBetterCmdLineInfo dde = Parse("-dde");
    EXPECT_EQ(dde.shellCommand, CBetterCmdLineInfo::FileDDE);
    EXPECT_FALSE(dde.userControl);
    EXPECT_FALSE(Parse("-embedding").runEmbedded);
    const CBetterCmdLineInfo embedded = Parse("-Embedding");
    EXPECT_TRUE(embedded.runEmbedded);
    EXPECT_FALSE(embedded.showSplash);
    const CBetterCmdLineInfo automated = Parse("-Automation");
    EXPECT_TRUE(automated.runAutomated);
    EXPECT_FALSE(automated.showSplash);
    EXPECT_TRUE(Parse("--help").wantsHelp);
    EXPECT_TRUE(Parse("--version").wantsVersion);
    EXPECT_FALSE(Parse("-help").wantsHelp);
}

TEST(CommandLine, PrintToFillsPrinterDriverPortInOrder) {
    const CBetterCmdLineInfo info = Parse("-pt page.html Laser lpdriver lp0 extra", {"page.html"});
    EXPECT_EQ(info.shellCommand, CBetterCmdLineInfo::FilePrintTo);
    EXPECT_EQ(info.fileName, "page.html");
    EXPECT_EQ(info.files, Files{"page.html"});
    EXPECT_EQ(info.printerName, "Laser");
    EXPECT_EQ(info.driverName, "lpdriver");
    EXPECT_EQ(info.portName, "lp0");
}

TEST(CommandLine, QuotesAreRemovedFromFileNames) {
    const CBetterCmdLineInfo info = Parse(R"("my page.html" "x\"y.html")", {"my page.html"});
    EXPECT_EQ(info.files, (Files{"my page.html", "x\"y.html"}));
}

TEST(CommandLine, UnquotedNameWithBlankIsTakenFromTheWholeLine) {
    const CBetterCmdLineInfo info = Parse("-p my page.html", {"my page.html"});
    EXPECT_TRUE(info.wholeLineTaken);
    EXPECT_EQ(info.files, Files{"my page.html"});
    EXPECT_EQ(info.fileName, "my page.html");
    EXPECT_EQ(info.shellCommand, CBetterCmdLineInfo::FilePrint);
}

TEST(CommandLine, WholeLineIsNotTakenWhenTheFirstWordExistsOrIsQuoted) {
    // The first word alone names a file: the words stay separate.
    const CBetterCmdLineInfo exists = Parse("my page.html", {"my", "page.html", "my page.html"});
    EXPECT_EQ(exists.files, (Files{"my", "page.html"}));
    // A quoted first file is never looked for on the raw line.
    const CBetterCmdLineInfo quoted = Parse(R"("my" page.html)", {"my page.html"});
    EXPECT_FALSE(quoted.wholeLineTaken);
    EXPECT_EQ(quoted.files, (Files{"my", "page.html"}));
    // Neither alone nor together a file: all words are kept for the opening to report.
    const CBetterCmdLineInfo missing = Parse("no such.html");
    EXPECT_EQ(missing.files, (Files{"no", "such.html"}));
}

TEST(CommandLine, EmptyFileNamesAreNotKept) {
    EXPECT_TRUE(Parse(R"("")").files.empty());
    EXPECT_EQ(Parse(R"("" a.html)", {"a.html"}).files, Files{"a.html"});
}

TEST(RawCommandLine, SplitsFlagsQuotedAndPlainTokens) {
    const std::vector<CmdLineToken> tokens =
        SplitRawCommandLine("  -pt \"a b\\\"c\",x.html , y.html,,z  -Embedding");
    const std::vector<CmdLineToken> expected = {
        {"pt", true}, {"\"a b\"c\"", false}, {"x.html", false}, {"y.html", false},
        {"", false},  {"z", false},          {"Embedding", true}};
    EXPECT_EQ(tokens, expected);
}

TEST(RawCommandLine, UnclosedQuoteRunsToTheEnd) {
    const std::vector<CmdLineToken> tokens = SplitRawCommandLine("\"abc def\\");
    ASSERT_EQ(tokens.size(), 1u);
    EXPECT_EQ(tokens[0].text, "\"abc def\\");
}

TEST(RawCommandLine, JoinedArgumentsSplitBackToTheSameFiles) {
    const std::vector<std::vector<std::string>> cases = {
        {"/tmp/x.html"},
        {"/tmp/my page.html", "b,c.html", "q\"uote.html", "back\\slash.html", "tail\\"},
        {"-pt", "/tmp/p.html", "Laser Jet"},
    };
    for (const auto& args : cases) {
        const std::string raw = JoinArguments(args);
        CBetterCmdLineInfo info([](const std::string&) { return true; }, raw);
        ParseRawCommandLine(raw, info);
        std::vector<std::string> back = info.files;
        if (!info.printerName.empty())
            back.push_back(info.printerName);
        std::vector<std::string> plain;
        for (const std::string& a : args)
            if (a.front() != '-')
                plain.push_back(a);
        EXPECT_EQ(back, plain) << raw;
    }
}

TEST(HandOverCommand, FormatsAndExtractsTheCommandLine) {
    const std::string line = R"(-p "a b.html" c.html)";
    const std::string command = FormatHandOverCommand(line);
    EXPECT_EQ(command, "[veltoCommandLine(\"" + line + "\")]");
    EXPECT_EQ(HandOverCommandLine(command), line);
    EXPECT_EQ(HandOverCommandLine(FormatHandOverCommand("")), "");
}

TEST(HandOverCommand, RejectsOtherAndTruncatedCommands) {
    EXPECT_FALSE(HandOverCommandLine("[VeltoCommandLine(\"a\")]"));
    EXPECT_FALSE(HandOverCommandLine("[veltoCommandLine(\""));
    EXPECT_FALSE(HandOverCommandLine("[veltoCommandLine(\"x)"));
    EXPECT_FALSE(HandOverCommandLine(""));
    EXPECT_EQ(ShellOpenFile("[open(\"/tmp/a.html\")]"), "/tmp/a.html");
    EXPECT_FALSE(ShellOpenFile("[open(\""));
    EXPECT_FALSE(ShellOpenFile("[print(\"/tmp/a.html\")]"));
}

} // namespace
} // namespace velto

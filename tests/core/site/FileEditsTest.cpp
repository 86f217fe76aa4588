// Replace in Files and renames that keep links working: the planned changes, and files
// written back with every other byte, their line ends and their encoding kept.
#include "core/fakes/TestFiles.h"
#include "core/site/RenamePlan.h"
#include "core/site/ReplaceInFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace velto {
namespace {

using test::ReadFile;
using test::TempDir;

TextSearch Compiled(SearchOptions options) {
    std::string error;
    auto search = TextSearch::Compile(options, error);
    EXPECT_TRUE(search) << error;
    return std::move(*search);
}

TEST(ReplaceInFiles, KeepsBytesLineEndsAndEncodingAndSkipsUntickedMatches) {
    TempDir dir;
    // windows-1252, CR LF and a lone CR, a NUL-free byte that is not UTF-8 (0x93).
    const auto old = dir.Write("old.html", std::string("<p>\x93"
                                                       "Caf\xE9\x94 footer\r\nfooter\rend footer"));
    const auto utf = dir.Write("sub/utf.html", "\xEF\xBB\xBF<p>footer é</p>\n");
    const TextSearch search = Compiled({"footer"});
    std::vector<FileEdits> plan =
        PlanReplaceInFiles(dir.Path().string(), search, "Fußzeile", IncludePatterns());
    ASSERT_EQ(plan.size(), 2u);
    ASSERT_EQ(plan[1].path, old.string());
    ASSERT_EQ(plan[1].edits.size(), 3u);
    EXPECT_EQ(plan[1].edits[2].line, 3);
    EXPECT_EQ(plan[1].edits[2].original, "footer");
    plan[1].edits[1].enabled = false;
    const WriteSummary summary = WriteFileEdits(plan);
    EXPECT_TRUE(summary.failures.empty());
    EXPECT_EQ(summary.files, 2u);
    EXPECT_EQ(summary.edits, 3u);
    EXPECT_EQ(ReadFile(old), std::string("<p>\x93"
                                         "Caf\xE9\x94 Fu\xDF"
                                         "zeile\r\nfooter\rend Fu\xDF"
                                         "zeile"));
    EXPECT_EQ(ReadFile(utf), "\xEF\xBB\xBF<p>Fußzeile é</p>\n");
}

TEST(ReplaceInFiles, GroupsAndFilesThatCannotBeWritten) {
    TempDir dir;
    const auto page = dir.Write("a.html", "<b>one</b> <b>two</b>");
    const auto latin = dir.Write("b.html", std::string("caf\xE9 <b>x</b>"));
    std::vector<FileEdits> plan =
        PlanReplaceInFiles(dir.Path().string(), Compiled({"<b>(\\w+)</b>", true}),
                           "<strong>$1</strong>€€", IncludePatterns());
    ASSERT_EQ(plan.size(), 2u);
    plan[1].edits.clear(); // b.html is checked separately below
    EXPECT_TRUE(WriteFileEdits(plan).failures.empty());
    EXPECT_EQ(ReadFile(page), "<strong>one</strong>€€ <strong>two</strong>€€");
    // windows-1252 holds €, but not a character outside it; the file stays as it was.
    std::vector<FileEdits> greek =
        PlanReplaceInFiles(dir.Path().string(), Compiled({"x"}), "λ", IncludePatterns("b.html"));
    const WriteSummary summary = WriteFileEdits(greek);
    ASSERT_EQ(summary.failures.size(), 1u);
    EXPECT_NE(summary.failures[0].find("windows-1252"), std::string::npos);
    EXPECT_EQ(ReadFile(latin), std::string("caf\xE9 <b>x</b>"));
    // A file changed after the changes were listed is not written.
    std::vector<FileEdits> stale =
        PlanReplaceInFiles(dir.Path().string(), Compiled({"one"}), "1", IncludePatterns("a.html"));
    dir.Write("a.html", "<strong>one</strong> changed");
    EXPECT_EQ(WriteFileEdits(stale).failures.size(), 1u);
}

TEST(ReplaceInFiles, PlacesEachChangeInItsShownLineAndReportsFilesDone) {
    TempDir dir;
    // A minified page: its line is shown as a piece around each match.
    std::string longLine = "<p>" + std::string(3000, 'x') + " footer " + std::string(3000, 'y');
    dir.Write("a.html", "<p>footer</p>\n" + longLine + "\n  <i>footer</i>");
    dir.Write("b.html", "nothing here");
    dir.Write("c.html", "caf\xE9 footer");
    std::vector<std::pair<std::size_t, std::size_t>> calls;
    const std::vector<FileEdits> plan = PlanReplaceInFiles(
        dir.Path().string(), Compiled({"footer"}), "f", IncludePatterns(), nullptr,
        [&](std::size_t done, std::size_t total) { calls.emplace_back(done, total); });
    EXPECT_EQ(calls, (std::vector<std::pair<std::size_t, std::size_t>>{{0, 3}, {1, 3}, {2, 3}}));
    ASSERT_EQ(plan.size(), 2u);
    std::size_t seen = 0;
    for (const FileEdits& file : plan)
        for (const TextEdit& edit : file.edits) {
            ASSERT_LE(edit.matchInLine + edit.original.size(), edit.lineText.size());
            EXPECT_EQ(edit.lineText.substr(edit.matchInLine, edit.original.size()), "footer");
            ++seen;
        }
    EXPECT_EQ(seen, 4u);
    EXPECT_LT(plan[0].edits[1].lineText.size(), longLine.size());
    EXPECT_EQ(plan[0].edits[2].matchInLine, 5u);

    dir.Write("sub/page.html", "<p>see <a href=\"../c.html\">c</a></p>");
    const RenamePlan rename = PlanRename(dir.Path().string(), (dir.Path() / "c.html").string(),
                                         (dir.Path() / "d.html").string(), LinkAttributes());
    ASSERT_EQ(rename.edits.size(), 1u);
    const TextEdit& link = rename.edits[0].edits.at(0);
    EXPECT_EQ(link.lineText.substr(link.matchInLine, link.original.size()), "../c.html");
    // A page open in the editor is planned from its text there.
    const std::string edited = "<a href=\"../a.html\">a</a> <a href=\"../c.html\">c</a>";
    const std::string pagePath = (dir.Path() / "sub/page.html").string();
    const RenamePlan fromEditor = PlanRename(
        dir.Path().string(), (dir.Path() / "c.html").string(), (dir.Path() / "d.html").string(),
        LinkAttributes(), [&](const std::string& path) {
            return path == pagePath ? &edited : nullptr;
        });
    ASSERT_EQ(fromEditor.edits.size(), 1u);
    ASSERT_EQ(fromEditor.edits[0].edits.size(), 1u);
    EXPECT_EQ(fromEditor.edits[0].edits[0].offset, edited.find("../c.html"));
}

TEST(RenamePlan, RewritesLinksToAMovedFileAndInsideAMovedPage) {
    TempDir dir;
    const std::string root = dir.Path().string();
    dir.Write("index.html", "<a href=\"docs/guide.html#s2\">g</a><img src=\"img/logo.png\">");
    dir.Write("docs/other.html",
              "<a href='guide.html'>g</a><a href=\"/docs/guide.html?x\">abs</a>");
    dir.Write("docs/guide.html",
              "<img src=\"../img/logo.png\"><a href=\"other.html\">o</a>"
              "<a href=\"#s2\">self</a><a href=\"http://x.org/\">r</a><a href=missing.html>m</a>");
    dir.Write("img/logo.png", "PNG");
    dir.Write("based.html", "<base href=\"docs/\"><a href=\"guide.html\">g</a>");
    const LinkAttributes attributes;
    const RenamePlan plan =
        PlanRename(root, root + "/docs/guide.html", root + "/manual/user guide.html", attributes);
    EXPECT_EQ(plan.skippedPages, std::vector<std::string>{root + "/based.html"});
    WriteSummary summary;
    std::string error;
    ASSERT_TRUE(ApplyRename(plan, summary, error)) << error;
    EXPECT_TRUE(summary.failures.empty());
    EXPECT_EQ(ReadFile(dir.Path() / "index.html"),
              "<a href=\"manual/user%20guide.html#s2\">g</a><img src=\"img/logo.png\">");
    EXPECT_EQ(ReadFile(dir.Path() / "docs/other.html"),
              "<a href='../manual/user%20guide.html'>g</a><a "
              "href=\"/manual/user%20guide.html?x\">abs</a>");
    EXPECT_EQ(ReadFile(dir.Path() / "manual/user guide.html"),
              "<img src=\"../img/logo.png\"><a href=\"../docs/other.html\">o</a>"
              "<a href=\"#s2\">self</a><a href=\"http://x.org/\">r</a><a href=missing.html>m</a>");
}

TEST(RenamePlan, MovingAFolderKeepsLinksWithinItAndNeverReplacesAFile) {
    TempDir dir;
    const std::string root = dir.Path().string();
    dir.Write("index.html", "<link href=\"css/site.css\" rel=stylesheet><a href=\"css/\">c</a>");
    dir.Write("css/site.css", "p {}");
    dir.Write("css/demo.html", "<link href=\"site.css\"><a href=\"../index.html\">home</a>");
    dir.Write("taken/x", "");
    const LinkAttributes attributes;
    RenamePlan clash = PlanRename(root, root + "/css", root + "/taken", attributes);
    WriteSummary summary;
    std::string error;
    EXPECT_FALSE(ApplyRename(clash, summary, error));
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "css/site.css"));
    const RenamePlan plan = PlanRename(root, root + "/css", root + "/style/v2", attributes);
    std::filesystem::create_directory(dir.Path() / "style");
    ASSERT_TRUE(ApplyRename(plan, summary, error)) << error;
    EXPECT_EQ(ReadFile(dir.Path() / "index.html"),
              "<link href=\"style/v2/site.css\" rel=stylesheet><a href=\"style/v2/\">c</a>");
    EXPECT_EQ(ReadFile(dir.Path() / "style/v2/demo.html"),
              "<link href=\"site.css\"><a href=\"../../index.html\">home</a>");
}

} // namespace
} // namespace velto

// Find in Files: the tree order, the search options, pages in their own encodings, binary
// files skipped, and positions counted as the editor counts them.
#include "core/site/FindInFiles.h"
#include "core/fakes/TestFiles.h"
#include "core/site/SitePage.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace velto {
namespace {

using test::TempDir;

std::vector<std::string> Names(const std::vector<SiteEntry>& entries) {
    std::vector<std::string> names;
    for (const SiteEntry& e : entries)
        names.push_back(e.name);
    return names;
}

TEST(SiteFolder, FoldersFirstThenFilesByNameWithoutCaseHiddenLeftOut) {
    TempDir dir;
    dir.Write("b.html", "");
    dir.Write("A.png", "");
    dir.Write("c.css", "");
    dir.Write(".hidden", "");
    dir.Write("Zeta/x.html", "");
    dir.Write("alpha/y.html", "");
    dir.Write(".git/config", "");
    const auto entries = ReadSiteFolder(dir.Path().string());
    EXPECT_EQ(Names(entries),
              (std::vector<std::string>{"alpha", "Zeta", "A.png", "b.html", "c.css"}));
    EXPECT_EQ(entries[2].kind, SiteFileKind::Image);
    EXPECT_EQ(entries[3].kind, SiteFileKind::Page);
    EXPECT_EQ(entries[4].kind, SiteFileKind::StyleSheet);
    EXPECT_TRUE(ReadSiteFolder((dir.Path() / "missing").string()).empty());
}

TEST(SiteFolder, CollectsMatchingFilesInTreeOrderWithoutFollowingFolderLinks) {
    TempDir dir;
    dir.Write("b.HTML", "");
    dir.Write("a.txt", "");
    dir.Write("sub/c.htm", "");
    std::filesystem::create_directory_symlink(dir.Path(), dir.Path() / "loop");
    const auto pages = CollectSiteFiles(dir.Path().string(), IncludePatterns());
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0], (dir.Path() / "sub/c.htm").string());
    EXPECT_EQ(pages[1], (dir.Path() / "b.HTML").string());
    EXPECT_EQ(CollectSiteFiles(dir.Path().string(), IncludePatterns("*.txt, *.htm")).size(), 2u);
}

struct Found {
    std::vector<FileMatches> files;
    FindProgress totals;
};

Found Find(const TempDir& dir, SearchOptions options,
           std::string_view include = IncludePatterns::DefaultList()) {
    std::string error;
    const auto search = TextSearch::Compile(options, error);
    EXPECT_TRUE(search) << error;
    Found found;
    found.totals = FindInFiles(*search, IncludePatterns(include))
                       .Run(dir.Path().string(),
                            [&](FileMatches&& m) { found.files.push_back(std::move(m)); });
    return found;
}

TEST(FindInFiles, TextCaseAndWholeWordOptions) {
    TempDir dir;
    dir.Write("a.html", "<p>Footer footer FOOTERS</p>\n");
    auto any = Find(dir, {"footer"});
    ASSERT_EQ(any.files.size(), 1u);
    EXPECT_EQ(any.files[0].matches.size(), 3u);
    EXPECT_EQ(Find(dir, {"footer", false, true}).files[0].matches.size(), 1u);
    const auto words = Find(dir, {"footer", false, false, true});
    ASSERT_EQ(words.files[0].matches.size(), 2u);
    EXPECT_EQ(words.files[0].matches[1].column, 11);
    EXPECT_EQ(words.files[0].matches[0].lineText, "<p>Footer footer FOOTERS</p>");
    // Regular expression syntax is plain text unless asked for.
    EXPECT_TRUE(Find(dir, {"foot.r"}).files.empty());
    EXPECT_EQ(Find(dir, {"foot.r", true}).files[0].matches.size(), 3u);
}

TEST(FindInFiles, RegularExpressionsWithLinesAndBadPatterns) {
    TempDir dir;
    dir.Write("a.html", "one\r\ntwo 22\rthree 333\n");
    const auto found = Find(dir, {"^t\\w+ \\d+$", true});
    ASSERT_EQ(found.files.size(), 1u);
    const auto& m = found.files[0].matches;
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].line, 2);
    EXPECT_EQ(m[0].lineText, "two 22");
    EXPECT_EQ(m[1].line, 3); // a lone CR ends a line too
    EXPECT_EQ(m[1].lineText, "three 333");
    std::string error;
    EXPECT_FALSE(TextSearch::Compile({"(unclosed", true}, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(TextSearch::Compile({"", false}, error));
}

TEST(FindInFiles, PagesInTheirOwnEncodingBinaryFilesSkipped) {
    TempDir dir;
    // "Café €" in windows-1252, undeclared.
    dir.Write("old.html", std::string("<p>Caf\xE9 \x80</p>"));
    dir.Write("utf.html", "<p>Café</p>");
    dir.Write("image.html", std::string("GIF89a\0\0caf\xC3\xA9", 14));
    const auto found = Find(dir, {"CAFÉ"});
    ASSERT_EQ(found.files.size(), 2u);
    EXPECT_EQ(found.files[0].path, (dir.Path() / "old.html").string());
    EXPECT_EQ(found.files[0].encoding, "windows-1252");
    EXPECT_EQ(found.files[0].matches[0].lineText, "<p>Café €</p>");
    EXPECT_EQ(found.totals.binarySkipped, 1u);
    EXPECT_EQ(found.totals.filesDone, 3u);
    // Columns count characters; offsets are those of the UTF-8 text.
    const auto euro = Find(dir, {"€"});
    EXPECT_EQ(euro.files[0].matches[0].column, 9);
    EXPECT_EQ(euro.files[0].matches[0].offset, 9u);
}

TEST(FindInFiles, OnlyTheIncludedFilesAndAStopEndsTheRun) {
    TempDir dir;
    dir.Write("a.html", "x");
    dir.Write("b.css", "x");
    EXPECT_EQ(Find(dir, {"x"}).files.size(), 1u);
    EXPECT_EQ(Find(dir, {"x"}, "*.css").files.size(), 1u);
    EXPECT_EQ(Find(dir, {"x"}, "*").files.size(), 2u);
    std::string error;
    const auto search = TextSearch::Compile({"x"}, error);
    std::atomic<bool> stop{true};
    const FindProgress stopped =
        FindInFiles(*search, IncludePatterns("*")).Run(dir.Path().string(), {}, {}, &stop);
    EXPECT_EQ(stopped.filesDone, 0u);
}

TEST(LineCounter, LongLinesGiveAPieceAroundTheMatch) {
    std::string text(100000, 'a');
    text.replace(60000, 6, "needle");
    LineCounter lines(text);
    EXPECT_EQ(lines.At(60000).column, 60001);
    const std::string_view piece = lines.LineAround(60000, 400);
    EXPECT_LE(piece.size(), 400u);
    EXPECT_NE(piece.find("needle"), std::string_view::npos);
}

} // namespace
} // namespace velto

// Folder menus: what a folder gives, in which order, with which ids and texts, the limits
// and the overflow entry, and the prompts of the four menus.
#include "core/config/GeneralConfig.h"
#include "core/fakes/TestFiles.h"
#include "core/templates/CFileTreeMenu.h"
#include "core/templates/CFileTreeScanner.h"
#include "core/templates/FolderMenus.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using namespace velto;
using namespace velto::test;

namespace {
// The menu one entry a line: "ID TEXT", indented by submenu.
void Lines(const MenuModel& menu, int depth, std::ostringstream& out) {
    for (const MenuItem& item : menu.Items()) {
        out << std::string(static_cast<std::size_t>(depth) * 2, ' ') << item.id << ' ' << item.text << '\n';
        if (item.IsSubmenu())
            Lines(item.submenu, depth + 1, out);
    }
}
} // namespace

class FileTreeMenuTest : public ::testing::Test {
protected:
    TempDir dir;
    CFileTreeMenu menu{2000, 2199};

    void File(const std::string& relative, std::string_view bytes = "") { dir.Write(relative, bytes); }
    void Folder(const std::string& relative) { std::filesystem::create_directories(dir.Path() / relative); }
    std::string Built(std::initializer_list<const char*> excluded = {}) {
        CFileTreeScanner scanner;
        scanner.AddIncludePattern("*.htt");
        for (const char* x : excluded)
            scanner.AddExcludedName(x);
        menu.Build(scanner, dir.Path().string());
        std::ostringstream out;
        Lines(menu.Menu(), 0, out);
        return out.str();
    }
};

TEST_F(FileTreeMenuTest, FilesAndFoldersMixedInCaseInsensitiveOrderEachNameOnce) {
    File("Apple.htt");
    File("b/inner.htt");
    File("Cherry.htt");
    File("apple.HTT");
    File("notes.txt");
    File(".hidden.htt");
    EXPECT_EQ(Built(), "2000 &Apple\n2001 &b\n  2002 &inner\n2003 &Cherry\n");
    EXPECT_EQ(menu.PathFor(2002), (dir.Path() / "b" / "inner.htt").string());
    EXPECT_EQ(menu.Item(2001)->kind, CFTItem::Folder);
    EXPECT_FALSE(menu.Owns(2004));
}

TEST_F(FileTreeMenuTest, FoldersWithoutMatchingFilesGiveTheirIdsBack) {
    File("a.htt");
    File("b/readme.txt");
    Folder("c/d");
    File("e.htt");
    EXPECT_EQ(Built(), "2000 &a\n2001 &e\n");
    // Excluded by name, without regard to case.
    File("snippets/s.htt");
    EXPECT_EQ(Built({"Snippets"}), "2000 &a\n2001 &e\n");
}

TEST_F(FileTreeMenuTest, ItemLimitEndsWithTheOverflowEntryForItsFolder) {
    for (int i = 0; i < 20; ++i)
        File("t" + std::to_string(100 + i) + ".htt");
    menu.SetLimits(3, 15);
    menu.SetOverflow(true, "&More Templates...", "Browse for the template you want to use");
    menu.SetMnemonics(true, "M");
    const std::string built = Built();
    EXPECT_EQ(std::count(built.begin(), built.end(), '\n'), 16);
    EXPECT_NE(built.find("2015 &More Templates...\n"), std::string::npos);
    EXPECT_EQ(menu.Item(2015)->kind, CFTItem::Overflow);
    EXPECT_EQ(menu.PathFor(2015), dir.Path().string());
    std::string prompt;
    ASSERT_TRUE(menu.PromptFor(2015, prompt));
    EXPECT_EQ(prompt, "Browse for the template you want to use");
    // Without an overflow entry, exactly the limit.
    menu.SetOverflow(false);
    const std::string plain = Built();
    EXPECT_EQ(std::count(plain.begin(), plain.end(), '\n'), 15);
}

TEST_F(FileTreeMenuTest, TooDeepAFolderEndsItsParentWithTheOverflowEntry) {
    File("one/two/three/deep.htt");
    File("one/two/shallow.htt");
    // The folder itself is level 1: "three" would be level 4.
    menu.SetLimits(3, 10);
    EXPECT_EQ(Built(), "2000 &one\n  2001 &two\n    2002 &shallow\n    2003 More...\n");
    EXPECT_EQ(menu.PathFor(2003), (dir.Path() / "one" / "two").string());
}

TEST_F(FileTreeMenuTest, IdsStopAtTheEndOfTheRange) {
    for (int i = 0; i < 5; ++i)
        File("f" + std::to_string(i) + ".htt");
    CFileTreeMenu small(2000, 2002);
    CFileTreeScanner scanner;
    scanner.AddIncludePattern("*.htt");
    small.Build(scanner, dir.Path().string());
    EXPECT_EQ(small.Menu().Items().size(), 3u);
    EXPECT_FALSE(small.Owns(2003));
}

TEST_F(FileTreeMenuTest, MnemonicsSkipTakenAndReservedCharacters) {
    std::string used = "M";
    EXPECT_EQ(CFileTreeMenu::MnemonicText("Main page", used), "M&ain page");
    EXPECT_EQ(CFileTreeMenu::MnemonicText("Apple", used), "A&pple");
    EXPECT_EQ(CFileTreeMenu::MnemonicText("Tom & Jerry", used), "&Tom && Jerry");
    EXPECT_EQ(CFileTreeMenu::MnemonicText("--", used), "--");
    EXPECT_EQ(CFileTreeMenu::TitleOf("page.v2.htt", false), "page.v2");
    EXPECT_EQ(CFileTreeMenu::TitleOf("page.v2", true), "page.v2");
}

TEST_F(FileTreeMenuTest, PatternsMatchWithoutRegardToCase) {
    EXPECT_TRUE(CFileTreeScanner::MatchesPattern("*.htt", "A.HTT"));
    EXPECT_TRUE(CFileTreeScanner::MatchesPattern("*.mnu", "x.y.mnu"));
    EXPECT_FALSE(CFileTreeScanner::MatchesPattern("*.htt", "a.htm"));
    EXPECT_FALSE(CFileTreeScanner::MatchesPattern("*.htt", "a.htt.bak"));
    EXPECT_TRUE(CFileTreeScanner::MatchesPattern("a?c*", "abcdef"));
}

TEST_F(FileTreeMenuTest, MissingFolderGivesAnEmptyMenu) {
    CFileTreeScanner scanner;
    scanner.AddIncludePattern("*.htt");
    menu.Build(scanner, (dir.Path() / "none").string());
    EXPECT_TRUE(menu.Menu().Empty());
}

TEST_F(FileTreeMenuTest, PromptsFromTheFilesOrTheKindsPhrases) {
    File("Templates/Page.htt", "<!--\r\nMENU: A plain page\r\n-->\r\n<HTML>");
    File("Templates/Bare.htt", "<HTML>");
    File("Templates/Snippets/Foot.htt", "<!--\nMENU:   Copyright footer\n-->\n");
    File("On The Web/W3C.mnu", "MENU The W3C home page\nURL https://www.w3.org/\n");
    File("HTML References/Old.mnu", "HTML index.htm\n");
    const std::string data = dir.Path().string();
    CGeneralConfig settings;

    CFileTreeMenu templates = MakeFolderMenu(FolderMenuKind::Templates, settings);
    BuildFolderMenu(templates, FolderMenuKind::Templates, data);
    std::ostringstream out;
    Lines(templates.Menu(), 0, out);
    EXPECT_EQ(out.str(), "2000 &Bare\n2001 &Page\n"); // no Snippets folder
    std::string prompt;
    templates.PromptFor(2000, prompt);
    EXPECT_EQ(prompt, "Create a new document using the Bare template");
    templates.PromptFor(2001, prompt);
    EXPECT_EQ(prompt, "A plain page");

    CFileTreeMenu snippets = MakeFolderMenu(FolderMenuKind::Snippets, settings);
    BuildFolderMenu(snippets, FolderMenuKind::Snippets, data);
    ASSERT_TRUE(snippets.PromptFor(2200, prompt));
    EXPECT_EQ(prompt, "Copyright footer");

    CFileTreeMenu web = MakeFolderMenu(FolderMenuKind::OnTheWeb, settings);
    BuildFolderMenu(web, FolderMenuKind::OnTheWeb, data);
    ASSERT_TRUE(web.PromptFor(2500, prompt));
    EXPECT_EQ(prompt, "The W3C home page");

    CFileTreeMenu references = MakeFolderMenu(FolderMenuKind::References, settings);
    BuildFolderMenu(references, FolderMenuKind::References, data);
    ASSERT_TRUE(references.PromptFor(2400, prompt));
    EXPECT_EQ(prompt, "View Old HTML reference");
    EXPECT_EQ(FolderEntryPrompt(FolderMenuKind::Snippets, data + "/none.htt", "none"),
              "Insert the none HTML snippet");
    EXPECT_EQ(FolderEntryPrompt(FolderMenuKind::OnTheWeb, data + "/none.mnu", "none"), "Visit none");
}

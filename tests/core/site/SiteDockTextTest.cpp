// What the Site dock writes and checks itself: the text a dragged file drops into a page,
// the names typed for new pages, folders and renames, and its context menu on each target.
#include "core/config/EditorConfig.h"
#include "core/fakes/TestFiles.h"
#include "core/site/SiteDockMenu.h"
#include "core/site/SiteDropText.h"
#include "core/site/SiteNewName.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>

namespace velto {
namespace {

using test::TempDir;

std::string Be32(std::uint32_t v) {
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
            static_cast<char>(v)};
}

std::string Png(std::uint32_t width, std::uint32_t height) {
    return std::string("\x89PNG\r\n\x1A\n", 8) + Be32(13) + "IHDR" + Be32(width) + Be32(height) +
           std::string("\x08\x02\x00\x00\x00", 5) + Be32(0);
}

std::string Caret(const SiteDropText& drop) {
    return drop.text.substr(0, drop.caret) + "|" + drop.text.substr(drop.caret);
}

TEST(SiteDropText, ImageGetsItsSizeAndAUrlFromThePagesFolder) {
    TempDir dir;
    const std::string image = dir.Write("img/logo & more.png", Png(120, 45)).string();
    const std::string page = (dir.Path() / "docs" / "guide.html").string();
    CEditorConfig editor;
    EXPECT_EQ(Caret(MakeSiteDropText(image, page, editor)),
              "<IMG SRC=\"../img/logo &amp; more.png\" WIDTH=\"120\" HEIGHT=\"45\" ALT=\"\">|");
    editor.insertHtmlLowerCase = true;
    EXPECT_EQ(Caret(MakeSiteDropText(image, (dir.Path() / "index.html").string(), editor)),
              "<img src=\"img/logo &amp; more.png\" width=\"120\" height=\"45\" alt=\"\">|");
    // Without image sizes, or with an image whose size cannot be read, none is written.
    editor.autoSetImageSize = false;
    EXPECT_EQ(MakeSiteDropText(image, page, editor).text,
              "<img src=\"../img/logo &amp; more.png\" alt=\"\">");
    editor.autoSetImageSize = true;
    const std::string broken = dir.Write("img/broken.gif", "GIF8").string();
    EXPECT_EQ(MakeSiteDropText(broken, page, editor).text,
              "<img src=\"../img/broken.gif\" alt=\"\">");
}

TEST(SiteDropText, PageLinksWithTheCaretBetweenTheTags) {
    TempDir dir;
    const std::string target = dir.Write("About Us/Team.HTML", "<p>team</p>").string();
    const std::string style = dir.Write("site.css", "p{}").string();
    const std::string page = (dir.Path() / "index.html").string();
    CEditorConfig editor;
    EXPECT_EQ(Caret(MakeSiteDropText(target, page, editor)),
              "<A HREF=\"About Us/Team.HTML\">|</A>");
    // Any other file is linked the same way.
    EXPECT_EQ(Caret(MakeSiteDropText(style, (dir.Path() / "a/b/p.html").string(), editor)),
              "<A HREF=\"../../site.css\">|</A>");
    // A page never saved has no folder: the absolute file URL.
    EXPECT_EQ(MakeSiteDropText(target, "", editor).text,
              "<A HREF=\"file://" + target + "\"></A>");
    // Relative paths turned off give the absolute URL too; lowered paths lower the URL only.
    editor.insertRelativeFilePaths = false;
    EXPECT_EQ(MakeSiteDropText(style, page, editor).text, "<A HREF=\"file://" + style + "\"></A>");
    editor.insertRelativeFilePaths = true;
    editor.insertInsertPathsLowerCase = true;
    EXPECT_EQ(MakeSiteDropText(target, page, editor).text, "<A HREF=\"about us/team.html\"></A>");
}

TEST(SiteNewName, RefusesNamesThatCannotBeMadeAndAddsThePageExtension) {
    TempDir dir;
    dir.Write("index.html", "");
    const std::string folder = dir.Path().string();
    EXPECT_EQ(NewNameProblem(folder, "about.html"), "");
    EXPECT_NE(NewNameProblem(folder, ""), "");
    EXPECT_NE(NewNameProblem(folder, "a/b.html").find("'/'"), std::string::npos);
    EXPECT_NE(NewNameProblem(folder, "index.html").find("already exists"), std::string::npos);
    EXPECT_NE(NewNameProblem(folder, ".."), "");
    EXPECT_NE(NewNameProblem(folder, std::string("a\nb", 3)), "");
    EXPECT_NE(NewNameProblem(folder, std::string(256, 'x')), "");
    EXPECT_EQ(TrimmedName("  news page \t"), "news page");
    EXPECT_EQ(TrimmedName("   "), "");

    EXPECT_EQ(PageFileName("about"), "about.html");
    EXPECT_EQ(PageFileName("about."), "about.html");
    EXPECT_EQ(PageFileName("about.htm"), "about.htm");
    EXPECT_EQ(PageFileName("notes.txt"), "notes.txt");
    EXPECT_EQ(PageFileName(".draft"), ".draft.html");
}

TEST(SiteDockMenu, TheSiteFolderItselfCannotBeRenamedOrDeleted) {
    for (SiteMenuTarget target :
         {SiteMenuTarget::SiteFolder, SiteMenuTarget::Folder, SiteMenuTarget::File}) {
        const MenuModel menu = SiteDockMenu(target);
        const bool own = target != SiteMenuTarget::SiteFolder;
        ASSERT_TRUE(menu.Find(SiteDockCommand::Rename));
        EXPECT_EQ(menu.Find(SiteDockCommand::Rename)->enabled, own);
        EXPECT_EQ(menu.Find(SiteDockCommand::Delete)->enabled, own);
        EXPECT_TRUE(menu.Find(SiteDockCommand::NewPage)->enabled);
        EXPECT_TRUE(menu.Find(SiteDockCommand::CopyPath)->enabled);
    }
    // Every item has a mnemonic, and no two share one.
    std::string keys;
    const MenuModel menu = SiteDockMenu(SiteMenuTarget::File);
    for (const MenuItem& item : menu.Items()) {
        if (item.IsSeparator())
            continue;
        const std::size_t amp = item.text.find('&');
        ASSERT_NE(amp, std::string::npos) << item.text;
        const char key = static_cast<char>(std::tolower(static_cast<unsigned char>(item.text[amp + 1])));
        EXPECT_EQ(keys.find(key), std::string::npos) << item.text;
        keys += key;
    }
}

} // namespace
} // namespace velto

// Value lists: enumerated values with their labels and how they are written, colours with
// their swatches, files beside the document filtered by the attribute's kind, and the
// named character references of the selected versions.
#include "CompletionTestSupport.h"

#include "core/colours/CCustomColours.h"
#include "core/colours/ColourRef.h"
#include "core/fakes/TestFiles.h"

#include <gtest/gtest.h>

using namespace velto;

namespace {
class ValueListTest : public test::CompletionTest {};
} // namespace

TEST_F(ValueListTest, EnumeratedValuesInTheirOrderWrittenAsTheTagEditingWritesThem) {
    std::vector<CompletionItem> items = Items("<p align=|>");
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].text, "LEFT");
    EXPECT_EQ(items[2].text, "RIGHT");
    EXPECT_EQ(items[0].kind, CompletionKind::Value);
    EXPECT_FALSE(items[0].description.empty());
    // The "Other..." entry asks for a value; it is no value to complete.
    for (const CompletionItem& item : Items("<a target=|"))
        EXPECT_FALSE(item.text.empty());
    EXPECT_EQ(Texts("<a target=\"_b|\""), std::vector<std::string>{"_blank"});

    // An enumerated value goes in without quotes, whatever quotes were typed.
    EXPECT_EQ(Choose("<p align=\"ce|\">", "CENTER"), "<p align=CENTER|>");
    EXPECT_EQ(Choose("<p align=|>", "RIGHT"), "<p align=RIGHT|>");
    EXPECT_EQ(Choose("<p align='j|ft' class=x>", "JUSTIFY"), "<p align=JUSTIFY| class=x>");
    // Values keep the case they are stored in.
    editor.insertHtmlLowerCase = true;
    EXPECT_EQ(Choose("<link type=|", "text/css"), "<link type=text/css|");
    // A free value has no list.
    EXPECT_TRUE(Items("<img alt=\"|\"").empty());
}

TEST_F(ValueListTest, ValuesOutsideTheSelection) {
    html.advancedAttsOnPopup = false;
    Select({"HTML v3.2"});
    // TEXTTOP is the browsers' own.
    std::vector<std::string> values = Texts("<img align=|");
    EXPECT_TRUE(test::Contains(values, "MIDDLE"));
    EXPECT_FALSE(test::Contains(values, "TEXTTOP"));
    html.advancedAttsOnPopup = true;
    const std::vector<CompletionItem> items = Items("<img align=|");
    ASSERT_NE(Find(items, "TEXTTOP"), nullptr);
    EXPECT_TRUE(Find(items, "TEXTTOP")->greyed);
}

TEST_F(ValueListTest, ColourNamesAndCustomColoursWithSwatches) {
    CCustomColours custom;
    custom.SetActiveCount(1);
    custom.Entry(0) = {"Brand", MakeColour(0x12, 0x34, 0x56)};
    sources.customColours = &custom;
    std::vector<CompletionItem> items = Items("<body bgcolor=\"|\"");
    ASSERT_EQ(items.size(), 17u);
    EXPECT_EQ(items[0].text, "White");
    EXPECT_EQ(items[0].kind, CompletionKind::Colour);
    EXPECT_EQ(items[0].swatch, MakeColour(255, 255, 255));
    EXPECT_EQ(items[0].description, "#ffffff");
    EXPECT_EQ(items[16].text, "#123456");
    EXPECT_EQ(items[16].swatch, MakeColour(0x12, 0x34, 0x56));
    EXPECT_EQ(items[16].description, "Custom colour Brand");
    // Matched by name and by value; written in quotes as the tag editing writes colours.
    EXPECT_EQ(Texts("<font color=na|"), std::vector<std::string>{"Navy"});
    EXPECT_EQ(Texts("<font color=\"#1|\""), std::vector<std::string>{"#123456"});
    EXPECT_EQ(Choose("<font color=na|>", "Navy"), "<font color=\"Navy\"|>");
    // Without names the values are written as numbers, the names beside them.
    editor.insertHtmlColourNames = false;
    items = Items("<font color=na|");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].text, "#000080");
    EXPECT_EQ(items[0].description, "Navy");
}

TEST_F(ValueListTest, FilesBesideTheDocumentFilteredByTheAttributesKind) {
    test::TempDir dir;
    dir.Write("logo.gif", "GIF89a");
    dir.Write("Photo.JPG", "x");
    dir.Write("notes.txt", "x");
    dir.Write("page.htm", "x");
    dir.Write(".hidden.gif", "x");
    dir.Write("img/inner one.png", "x");
    dir.Write("img/deeper/x.gif", "x");
    sources.documentFolder = dir.Path().string() + "/";

    // Images for an image's source: folders first, then the images, by name.
    EXPECT_EQ(Texts("<img src=\"|\">"), (std::vector<std::string>{"img/", "logo.gif", "Photo.JPG"}));
    // Pages for a link, and any file for a form's action.
    EXPECT_EQ(Texts("<a href=\"|\">"), (std::vector<std::string>{"img/", "page.htm"}));
    EXPECT_EQ(Texts("<form action=|>").size(), 5u);
    // Inside a folder, matched by the name typed after its '/'.
    EXPECT_EQ(Texts("<img src=\"img/|\""), (std::vector<std::string>{"deeper/", "inner one.png"}));
    EXPECT_EQ(Texts("<img src=\"img/in|\""), std::vector<std::string>{"inner one.png"});
    const std::vector<CompletionItem> items = Items("<img src=\"lo|\"");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].kind, CompletionKind::File);
    EXPECT_EQ(items[0].description, "6 bytes");
    // Nothing for other sites, the site's root, or a document without a folder.
    EXPECT_TRUE(Items("<img src=\"http://x/|\"").empty());
    EXPECT_TRUE(Items("<img src=\"/|\"").empty());
    EXPECT_TRUE(Items("<img src=\"nowhere/|\"").empty());
    sources.documentFolder.clear();
    EXPECT_TRUE(Items("<img src=\"|\"").empty());
}

TEST_F(ValueListTest, ChoosingAFolderEntersItAndAFileEndsTheValue) {
    test::TempDir dir;
    dir.Write("img/inner one.png", "x");
    sources.documentFolder = dir.Path().string() + "/";
    bool followed = false;
    EXPECT_EQ(Choose("<img src=\"i|\">", "img/", &followed), "<img src=\"img/|\">");
    EXPECT_TRUE(followed);
    EXPECT_EQ(Choose("<img src=\"img/|\">", "inner one.png", &followed), "<img src=\"img/inner%20one.png\"|>");
    EXPECT_FALSE(followed);
    // From nothing after the '=', the quotes come with the value.
    EXPECT_EQ(Choose("<img src=|>", "img/"), "<img src=\"img/|\">");
    // Lowered when the option asks for it.
    editor.insertInsertPathsLowerCase = true;
    dir.Write("Big.GIF", "x");
    EXPECT_EQ(Choose("<img src=\"B|\">", "Big.GIF"), "<img src=\"big.gif\"|>");
}

TEST_F(ValueListTest, ReferencesOfTheSelectedVersions) {
    Select({"HTML v2.0"});
    std::vector<std::string> names = Texts("&|");
    EXPECT_TRUE(test::Contains(names, "&eacute;"));
    EXPECT_TRUE(test::Contains(names, "&amp;"));
    EXPECT_FALSE(test::Contains(names, "&nbsp;")); // HTML 3.2 added the rest of Latin-1
    EXPECT_FALSE(test::Contains(names, "&alpha;"));
    Select({"HTML v3.2"});
    EXPECT_TRUE(test::Contains(Texts("&nb|"), "&nbsp;"));
    EXPECT_FALSE(test::Contains(Texts("&al|"), "&alpha;"));
    Select({"HTML v4.0"});
    EXPECT_TRUE(test::Contains(Texts("&al|"), "&alpha;"));
    EXPECT_FALSE(test::Contains(Texts("&Ab|"), "&Abreve;"));
    Select({"HTML5"});
    const std::size_t all = Texts("&|").size();
    EXPECT_GT(all, 2000u);
    EXPECT_TRUE(test::Contains(Texts("&Ab|"), "&Abreve;"));

    // The same case first, each with the character it stands for.
    const std::vector<CompletionItem> items = Items("x &Auml|");
    ASSERT_GE(items.size(), 2u);
    EXPECT_EQ(items[0].text, "&Auml;");
    EXPECT_EQ(items[1].text, "&auml;");
    EXPECT_EQ(items[0].kind, CompletionKind::Reference);
    EXPECT_EQ(items[0].glyph, "\xC3\x84");
    EXPECT_EQ(items[0].description, "\xC3\x84  U+00C4");
    EXPECT_EQ(Find(Items("&nbs|"), "&nbsp;")->description, "U+00A0");

    EXPECT_EQ(Choose("caf&ea|", "&eacute;"), "caf&eacute;|");
    EXPECT_EQ(Choose("<a href=\"?a&am|p;b\">", "&amp;"), "<a href=\"?a&amp;|b\">");
    // Not in scripts of event handlers or in style declarations.
    EXPECT_TRUE(Items("<a onclick=\"a&am|").empty());
}

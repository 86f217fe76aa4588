// The file dialog filter list and the default extension; the transfer failure texts.
#include "core/document/FileFilters.h"
#include "core/document/TransferMessages.h"

#include <gtest/gtest.h>

using namespace velto;

TEST(FileFilters, FixedListThenDocumentTypesThenAllFiles) {
    const auto f = DialogFilters();
    ASSERT_EQ(f.size(), 11u);
    EXPECT_EQ(f[0].display, "All HTML Files (*.htm;*.html;*.htt;*.sht;*.shtml;*.html-ssi)");
    EXPECT_EQ(f[0].pattern, "*.htm;*.html;*.htt;*.sht;*.shtml;*.html-ssi");
    EXPECT_EQ(f[6].display, "HTML-SSI Files (*.html-ssi)");
    EXPECT_EQ(f[7].display, "All Files (*.*)");
    EXPECT_EQ(f[8], (FileFilter{"HTML Files (*.htm)", "*.htm"}));
    EXPECT_EQ(f[9], (FileFilter{"HTML Template Files (*.htp)", "*.htp"}));
    EXPECT_EQ(f[10], (FileFilter{"All Files (*.*)", "*.*"}));

    const auto one = DialogFilters(&DocumentTypes()[1]);
    ASSERT_EQ(one.size(), 10u);
    EXPECT_EQ(one[8].pattern, "*.htp");
}

TEST(FileFilters, FilterTextIsReadInPairs) {
    const auto f = ParseFilterText("HTML Files (*.htm;*.html)|*.htm;*.html|Text Files(*.txt)|*.txt|"
                                   "HTML Templates (*.htt)|*.htt|All Files (*.*)|*.*||");
    ASSERT_EQ(f.size(), 4u);
    EXPECT_EQ(f[0], (FileFilter{"HTML Files (*.htm;*.html)", "*.htm;*.html"}));
    EXPECT_EQ(f[1], (FileFilter{"Text Files(*.txt)", "*.txt"}));
    EXPECT_EQ(f[3], (FileFilter{"All Files (*.*)", "*.*"}));
    EXPECT_TRUE(ParseFilterText("").empty());
    EXPECT_EQ(ParseFilterText("Odd|*.x").size(), 1u); // no terminator
}

TEST(FileFilters, NameWithoutExtensionGetsHtml) {
    EXPECT_EQ(WithDefaultExtension("/home/u/page"), "/home/u/page.html");
    EXPECT_EQ(WithDefaultExtension("/home/u/page.htm"), "/home/u/page.htm");
    EXPECT_EQ(WithDefaultExtension("/home/u.v/page"), "/home/u.v/page.html");
    EXPECT_EQ(WithDefaultExtension("/home/u/"), "/home/u/");
}

TEST(TransferMessages, PrefixThenAsMuchDescriptionAsFitsIn512Bytes) {
    EXPECT_EQ(TransferMessage(TransferPrefix::LoadFile, "No such file"),
              "Error while loading file.\n\nNo such file");
    const std::string longText(1000, 'x');
    EXPECT_EQ(TransferMessage(TransferPrefix::SaveFile, longText).size(), 511u);
    // A two-byte character that would straddle the limit is left out whole.
    std::string accents;
    for (int i = 0; i < 300; ++i)
        accents += "\xC3\xA9";
    const std::string m = TransferMessage(TransferPrefix::SaveFile, accents);
    EXPECT_LE(m.size(), 511u);
    EXPECT_EQ((m.size() - TransferPrefix::SaveFile.size()) % 2, 0u);
}

TEST(TransferMessages, EachFailureKindHasItsText) {
    EXPECT_EQ(LoadFailureMessage(TransferFailure::Memory, "bad_alloc"),
              "Failed to allocate memory while loading file.\n\nbad_alloc");
    EXPECT_EQ(LoadFailureMessage(TransferFailure::Other, "x"), "Unknown failure while loading file");
    EXPECT_EQ(InsertFailureMessage(TransferFailure::File, "Permission denied"),
              "Error while inserting file.\n\nPermission denied");
    EXPECT_EQ(InsertFailureMessage(TransferFailure::Memory, "x"), "Unknown failure while inserting file.");
    EXPECT_EQ(SaveFailureMessage(TransferFailure::Other, "x"), "Unknown failure while saving file.");
    EXPECT_EQ(SaveFailureMessage(TransferFailure::None, "x"), "");
}

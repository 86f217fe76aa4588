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

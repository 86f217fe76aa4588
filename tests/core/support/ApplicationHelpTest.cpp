// The application help page: menu texts without their mnemonics and keys, every command
// listed under its menu, and nothing in a name able to break the page.
#include "core/support/ApplicationHelp.h"

#include <gtest/gtest.h>

using namespace velto;

TEST(ApplicationHelp, MenuTextsLoseTheirMnemonicsAndKeys) {
    EXPECT_EQ(PlainMenuText("Cu&t\tCtrl+X"), "Cut");
    EXPECT_EQ(PlainMenuText("Save && &Close"), "Save & Close");
    EXPECT_EQ(PlainMenuText("&Context Tag Lookup\tF5"), "Context Tag Lookup");
    EXPECT_EQ(PlainMenuText("Trailing &"), "Trailing &");
    EXPECT_EQ(PlainMenuText("Odd&\tF9"), "Odd");
    EXPECT_EQ(PlainMenuText(""), "");
}

TEST(ApplicationHelp, ThePageListsEveryCommandUnderItsMenuEscaped) {
    const std::vector<HelpMenu> menus = {
        {"File",
         {{"New", "Ctrl+N", "Create a new document"},
          {"Open...", "Ctrl+O", "Open an existing document"}}},
        {"Empty", {}},
        {"Help",
         {{"Context Tag Lookup", "F5", "HTML Context Help for the tag at the cursor"},
          {"<Script> & \"more\"", "", "Breaks <B>nothing</B>"}}}};
    const std::string page = ApplicationHelpPage(
        "1.2.3", menus, {{"Templates", "/home/u/.local/share/Kestrova/Velto/Templates"}});
    EXPECT_EQ(page.rfind("<HTML><HEAD><TITLE>Velto Help</TITLE>", 0), 0u);
    EXPECT_NE(page.find("<H1>Velto 1.2.3</H1>"), std::string::npos);
    const std::size_t file = page.find("<H3>File</H3>");
    const std::size_t help = page.find("<H3>Help</H3>");
    ASSERT_NE(file, std::string::npos);
    ASSERT_NE(help, std::string::npos);
    EXPECT_LT(file,
              page.find("<B>Open...</B></TD><TD>Ctrl+O</TD><TD>Open an existing document</TD>"));
    EXPECT_LT(help, page.find("<B>Context Tag Lookup</B></TD><TD>F5</TD>"));
    EXPECT_EQ(page.find("<H3>Empty</H3>"), std::string::npos)
        << "a menu without commands is left out";
    EXPECT_NE(page.find("&lt;Script&gt; &amp; &quot;more&quot;"), std::string::npos);
    EXPECT_NE(page.find("Breaks &lt;B&gt;nothing&lt;/B&gt;"), std::string::npos);
    EXPECT_EQ(page.find("<Script>"), std::string::npos);
    EXPECT_NE(
        page.find("<B>Templates</B></TD><TD>/home/u/.local/share/Kestrova/Velto/Templates</TD>"),
        std::string::npos);
    EXPECT_EQ(page.substr(page.size() - 15), "</BODY></HTML>\n");
}

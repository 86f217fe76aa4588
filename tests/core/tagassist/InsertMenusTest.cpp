// The HTML insert menus: what the table gives for a version selection, the labels, ids and
// prompts, and what the commands insert where.
#include "TagEdTestSupport.h"

#include "core/htmlkb/HtmlMetaElement.h"
#include "core/tagassist/CHtmlInsertMenus.h"
#include "core/tagassist/InsertMenuTable.h"

#include <set>

using namespace velto;
using namespace velto::test;

namespace {
std::vector<std::string> Titles(const MenuModel& menu) {
    std::vector<std::string> titles;
    for (const MenuItem& item : menu.Items())
        titles.push_back(item.text);
    return titles;
}

// Every command of a menu, submenus included, in menu order.
void CommandsOf(const MenuModel& menu, std::vector<const MenuItem*>& out) {
    for (const MenuItem& item : menu.Items()) {
        if (item.IsSubmenu())
            CommandsOf(item.submenu, out);
        else if (!item.IsSeparator())
            out.push_back(&item);
    }
}
} // namespace

class InsertMenusTest : public TagEdTest {
protected:
    CHtmlInsertMenus menus;

    void Build() { menus.Build(kb); }
    // The text after running the command with the selection anchor..caret.
    std::string Run(std::string text, int anchor, int caret, int id) {
        Load(std::move(text), anchor, caret);
        EXPECT_TRUE(menus.Execute(id, control));
        return control.Text();
    }
    // What the items of the Quick menu insert, in order.
    std::vector<std::string> QuickInserts() {
        std::vector<std::string> quick;
        for (const MenuItem& item : menus.Menus().Items()[0].submenu.Items())
            if (const CHtmlMenuCmd* cmd = menus.Find(item.id))
                quick.push_back(cmd->insertText);
        return quick;
    }
    int IdOf(std::string_view label) {
        const MenuItem* item = ByText(menus.Menus(), label);
        EXPECT_NE(item, nullptr) << label;
        return item ? item->id : 0;
    }
};

TEST_F(InsertMenusTest, TableSubmenusAreBalanced) {
    int depth = 0;
    for (const InsertMenuRow& row : InsertMenuTable()) {
        if (row.kind == InsertMenuRow::Kind::Submenu)
            ++depth;
        else if (row.kind == InsertMenuRow::Kind::End)
            --depth;
        ASSERT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
}

TEST_F(InsertMenusTest, FourMenusInOrderWithTheFixedIds) {
    Build();
    EXPECT_EQ(Titles(menus.Menus()),
              (std::vector<std::string>{"&Quick", "&Structure", "For&matting", "&Advanced"}));
    const MenuModel& quick = menus.Menus().Items()[0].submenu;
    const MenuItem& refresh = quick.Items()[0];
    EXPECT_EQ(refresh.id, 32783);
    EXPECT_TRUE(refresh.windowCommand);
    EXPECT_EQ(refresh.text, "Refresh Pre&view\tCtrl+R");
    EXPECT_EQ(refresh.prompt, "Refresh the HTML preview in your web browser");
    EXPECT_EQ(quick.Items()[1].id, 1203); // A
    EXPECT_EQ(quick.Items()[4].id, 1202); // LI
    EXPECT_EQ(quick.Items()[6].id, 1200); // B
    EXPECT_EQ(quick.Items()[7].id, 1201); // I
    // The rest count up from 1050 in menu order, each id once.
    std::vector<const MenuItem*> all;
    CommandsOf(menus.Menus(), all);
    std::set<int> ids;
    int expected = CHtmlInsertMenus::FirstAutomaticId;
    for (const MenuItem* item : all) {
        EXPECT_TRUE(ids.insert(item->id).second) << item->id;
        if (item->id < 1200) {
            EXPECT_EQ(item->id, expected++) << item->text;
        }
    }
    EXPECT_EQ(menus.Commands().size(), all.size() - 1); // all but Refresh Preview
}

// For every single version, the menus hold exactly the table's items that the version
// admits and that have a label of their own or an allowed element, in table order.
TEST_F(InsertMenusTest, BuiltItemsFollowTheTableForEveryVersion) {
    int dropped = 0;
    for (const HtmlVer& version : CHtmlConfig().versions) {
        Select({version.name});
        Build();
        std::vector<std::string> expected;
        for (const InsertMenuRow& row : InsertMenuTable()) {
            if (row.kind != InsertMenuRow::Kind::Item || !kb.IsAllowed(row.versions))
                continue;
            std::string_view text = row.text;
            std::string_view named = text.substr(std::min(text.find('<'), text.size()));
            if (const std::size_t tab = text.find('\t'); tab != std::string_view::npos) {
                named = text.substr(0, tab);
                text = text.substr(tab + 1);
            }
            if (row.label.empty() && !kb.FindAllowedElement(HtmlElementEd::NameOfTag(named))) {
                ++dropped;
                continue;
            }
            expected.emplace_back(text);
        }
        std::vector<std::string> built;
        for (const CHtmlMenuCmd& cmd : menus.Commands())
            built.push_back(cmd.insertText);
        EXPECT_EQ(built, expected) << version.name;
    }
    // Some row admitted by its own mask names an element the version lacks.
    EXPECT_GT(dropped, 0);
}

TEST_F(InsertMenusTest, OnlyHtml20LeavesFramesAndObjectsOut) {
    Select({"HTML v2.0"});
    Build();
    for (const char* gone : {"New &Frame Set", "Non F&rames Content", "Floating &Inline Frame",
                             "&Objects", "Push &Button", "Control &Label"})
        EXPECT_EQ(ByText(menus.Menus(), gone), nullptr) << gone;
    EXPECT_EQ(QuickInserts(), (std::vector<std::string>{"<A>", "<IMG>", "<A><IMG>", "<LI>", "<B>", "<I>",
                                                        "<U>", "<P>", "<BR>", "<HR>"}));
}

// The real table never rejects a submenu whose rows it admits, so a small one shows the
// rule: the rows go into the menu around it.
TEST_F(InsertMenusTest, RejectedSubmenuGivesItsRowsToTheMenuAround) {
    using Row = InsertMenuRow;
    const auto row = [](Row::Kind kind, std::uint32_t versions, std::string_view text) {
        Row r;
        r.kind = kind;
        r.versions = versions;
        r.text = text;
        return r;
    };
    const Row table[] = {
        row(Row::Kind::Submenu, Row::AllVersions, "&Top"),
        row(Row::Kind::Separator, Row::AllVersions, {}),
        row(Row::Kind::Item, Row::AllVersions, "<B>"),
        row(Row::Kind::Submenu, 0, "&Rejected"),
        row(Row::Kind::Item, Row::AllVersions, "<I>"),
        row(Row::Kind::Separator, Row::AllVersions, {}),
        row(Row::Kind::End, 0, {}),
        row(Row::Kind::Submenu, Row::AllVersions, "&Empty"),
        row(Row::Kind::Item, Row::AllVersions, "<NOSUCH>"),
        row(Row::Kind::End, 0, {}),
        row(Row::Kind::Separator, Row::AllVersions, {}),
        row(Row::Kind::End, 0, {}),
    };
    menus.Build(kb, table);
    ASSERT_EQ(menus.Menus().Items().size(), 1u);
    const MenuModel& top = menus.Menus().Items()[0].submenu;
    // No separator first or last, no empty submenu, and I where its submenu would be.
    ASSERT_EQ(top.Items().size(), 2u);
    EXPECT_EQ(menus.Find(top.Items()[0].id)->insertText, "<B>");
    EXPECT_EQ(menus.Find(top.Items()[1].id)->insertText, "<I>");
}

TEST_F(InsertMenusTest, LabelsAndPromptsComeFromTheRowOrTheElement) {
    html.userNameType = 2;
    Build();
    EXPECT_EQ(menus.Find(1200)->label, "&Bold Text\tCtrl+B");
    EXPECT_EQ(menus.Find(IdOf("Image Lin&k"))->prompt, "Insert an Image element wrapped by a Hypertext Link");
    std::string prompt;
    ASSERT_TRUE(menus.GetPrompt(IdOf("Document &Header"), prompt)); // no close text
    EXPECT_EQ(prompt, "Insert Document Header element at the carat position");
    ASSERT_TRUE(menus.GetPrompt(IdOf("Table &Data Cell"), prompt)); // an empty close text
    EXPECT_EQ(prompt, "Insert Table Data Cell element around the selection or at the carat position");
    ASSERT_TRUE(menus.GetPrompt(1200, prompt));
    EXPECT_EQ(prompt, "Set bold text");
    EXPECT_FALSE(menus.GetPrompt(32783, prompt)); // the window's command answers for itself
    EXPECT_FALSE(menus.GetPrompt(999, prompt));

    // The terminology of HTML tags names the items by their tags.
    html.userNameType = 0;
    Build();
    EXPECT_EQ(menus.Find(1200)->label, "&B\tCtrl+B");
    EXPECT_NE(ByText(menus.Menus(), "H&1\tCtrl+1"), nullptr);
}

TEST_F(InsertMenusTest, RebuildingStartsAfresh) {
    Build();
    const std::size_t count = menus.Commands().size();
    Build();
    EXPECT_EQ(menus.Commands().size(), count);
    EXPECT_EQ(menus.Menus().Items().size(), 4u);
    Select({"HTML v2.0"});
    Build();
    EXPECT_LT(menus.Commands().size(), count);
    EXPECT_EQ(menus.Find(IdOf("&Bulleted List"))->insertText, "<UL>\r\n");
}

TEST_F(InsertMenusTest, WrapsTheSelectionAndLeavesTheCaretAfterIt) {
    Build();
    EXPECT_EQ(Run("a bold b", 2, 6, 1200), "a <B>bold</B> b");
    EXPECT_EQ(control.GetSelection(), (TextControl::Selection{13, 13}));
    // A selection made backwards is the same selection.
    EXPECT_EQ(Run("a bold b", 6, 2, 1201), "a <I>bold</I> b");
    editor.insertHtmlLowerCase = true;
    EXPECT_EQ(Run("a bold b", 2, 6, 1200), "a <b>bold</b> b");
    EXPECT_EQ(Run("x", 0, 1, IdOf("New &Form")), "\n<form method=post action=\"\">\nx</form>\n");
}

TEST_F(InsertMenusTest, WithoutASelectionTheCaretGoesInside) {
    Build();
    EXPECT_EQ(Run("ab", 1, 1, 1203), "a<A></A>b");
    EXPECT_EQ(control.GetSelection(), (TextControl::Selection{4, 4}));
    // With nothing to close, after the text.
    EXPECT_EQ(Run("ab", 1, 1, IdOf("Document &Header")), "a<HEAD>\nb");
    EXPECT_EQ(control.GetSelection(), (TextControl::Selection{8, 8}));
}

TEST_F(InsertMenusTest, ItemsWithoutACloseTextKeepTheSelection) {
    Build();
    // An empty close text wraps: the caret goes past the selection.
    EXPECT_EQ(Run("one", 0, 3, 1202), "<LI>one");
    EXPECT_EQ(control.GetSelection(), (TextControl::Selection{7, 7}));
    // No close text: the text goes in before the selected text, which stays.
    EXPECT_EQ(Run("one", 0, 3, IdOf("I&mage\tCtrl+E")), "<IMG>one");
    EXPECT_EQ(control.GetSelection(), (TextControl::Selection{5, 5}));
}

TEST_F(InsertMenusTest, LineBreaksFollowTheDocument) {
    Build();
    const int list = IdOf("&Bulleted List");
    EXPECT_EQ(Run("a\nb", 2, 3, list), "a\n<UL>\nb</UL>\n");
    EXPECT_EQ(Run("a\r\nb", 3, 4, list), "a\r\n<UL>\r\nb</UL>\r\n");
    EXPECT_EQ(Run("a\rb", 2, 3, list), "a\r<UL>\rb</UL>\r");
    EXPECT_EQ(Run("", 0, 0, list), "<UL>\n</UL>\n");
    EXPECT_FALSE(menus.Execute(32783, control));
    EXPECT_FALSE(menus.Execute(1500, control));
}

// Menus as data: building, finding items in submenus, and the printed form the command
// line tools share.
#include "core/menu/MenuModel.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace velto;

namespace {
MenuModel Sample() {
    MenuModel m;
    m.AddCommand(1500, "&Open a.html", "Open URL for editing");
    m.AddSeparator();
    MenuModel& align = m.AddSubmenu("&Alignment", 1502, "Choose a setting");
    align.AddCommand(1503, "&Left").checked = true;
    align.AddCommand(1504, "&Right");
    align.AddSeparator();
    align.AddCommand(1505, "&Remove");
    m.AddCommand(1506, "&Properties...").enabled = false;
    return m;
}
} // namespace

TEST(MenuModel, PrintsOneItemALineIndentedBySubmenu) {
    std::ostringstream out;
    Sample().Print(out);
    EXPECT_EQ(out.str(), "1500\t&Open a.html\n"
                         "-\n"
                         "1502\t&Alignment\n"
                         "  1503\t&Left [x]\n"
                         "  1504\t&Right\n"
                         "  -\n"
                         "  1505\t&Remove\n"
                         "1506\t&Properties...\n");
}

TEST(MenuModel, FindsItemsInSubmenusButNeverSeparators) {
    MenuModel m = Sample();
    ASSERT_TRUE(m.Find(1505));
    EXPECT_EQ(m.Find(1505)->text, "&Remove");
    EXPECT_TRUE(m.Find(1502)->IsSubmenu());
    EXPECT_FALSE(m.Find(1506)->enabled);
    EXPECT_EQ(m.Find(0), nullptr); // the separators carry id 0
    EXPECT_EQ(m.Find(9999), nullptr);
    ASSERT_TRUE(m.Submenu("&Alignment"));
    EXPECT_EQ(m.Submenu("&Alignment")->Items().size(), 4u);
    EXPECT_EQ(m.Submenu("Alignment"), nullptr); // the text is compared exactly
}

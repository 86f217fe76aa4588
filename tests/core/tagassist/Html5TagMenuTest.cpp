// The tag menu on pages of the living standard: a video's attributes, the ARIA roles of
// every element, and the data- and aria- attributes that the tag editor reads and keeps.
#include "TagEdTestSupport.h"

#include "core/colours/CCustomColours.h"
#include "core/fakes/ScriptedAssistant.h"
#include "core/htmlkb/HtmlMetaAttShared.h"
#include "core/tagassist/HMAttPopup.h"

#include <algorithm>

using namespace velto;
using namespace velto::test;

namespace {

class Html5TagMenu : public TagEdTest {
protected:
    CCustomColours customs;
    ScriptedAssistant assistant;

    Html5TagMenu() { html.userNameType = 0; } // the HTML names, as the tags show them

    MenuModel Menu(std::string text, int pos) {
        Load(std::move(text), pos, pos);
        EXPECT_TRUE(ed.FindTagAtCaret());
        MenuModel menu;
        Popup().BuildMenu(menu);
        return menu;
    }
    HMAttPopup Popup() { return HMAttPopup(kb, ed, {&customs, "/nonexistent/", false}); }
    std::string Run(int id) {
        Popup().Execute(id, assistant);
        std::string text;
        control.GetTextRange(0, control.Length(), text);
        return text;
    }
};

} // namespace

TEST_F(Html5TagMenu, VideoOffersItsAttributesWithThoseItHasTicked) {
    Select({"HTML5"});
    const MenuModel menu = Menu("<video controls src=v.mp4>", 3);
    for (const auto& a : El("VIDEO").OwnAttributes()) {
        if (a->IsEventHolder())
            continue;
        const MenuItem* item = ByText(menu, a->NameText());
        ASSERT_TRUE(item) << a->Name();
        EXPECT_TRUE(item->enabled) << a->Name();
    }
    EXPECT_TRUE(ByText(menu, "&CONTROLS")->checked);
    EXPECT_FALSE(ByText(menu, "&AUTOPLAY")->checked);
    // PRELOAD's values are offered as a submenu, and choosing one sets it.
    const MenuItem* metadata = ByText(menu, "&metadata");
    ASSERT_TRUE(metadata);
    const std::string text = Run(metadata->id);
    EXPECT_NE(text.find("PRELOAD=metadata"), std::string::npos) << text;
    EXPECT_EQ(text.find("src=v.mp4"), text.find("src=")) << "the other attributes stay";
    // The media events are there too.
    EXPECT_TRUE(ByText(menu, "OnTimeUpdate"));
}

TEST_F(Html5TagMenu, RoleWithItsValuesOnAnyElement) {
    Select({"HTML5"});
    for (const char* tag : {"<div>", "<p>", "<section>", "<span id=s>", "<td>"}) {
        const MenuModel menu = Menu(tag, 1);
        const MenuItem* common = ByText(menu, "Common Attrib&utes");
        ASSERT_TRUE(common && common->IsSubmenu()) << tag;
        const MenuItem* role = ByText(common->submenu, "ROLE");
        ASSERT_TRUE(role && role->IsSubmenu()) << tag;
        EXPECT_TRUE(ByText(role->submenu, "&navigation")) << tag;
        // Every role and the typed-in entry, before the separator and Remove.
        EXPECT_GE(role->submenu.Items().size(), Shared("ROLE").Values().size()) << tag;
    }
    const MenuModel menu = Menu("<nav>", 1);
    const std::string text = Run(ByText(menu, "&navigation")->id);
    EXPECT_NE(text.find("ROLE=navigation"), std::string::npos) << text;
    // Under HTML 4.0 alone, role is not one of its attributes.
    Select({"HTML v4.0"});
    const MenuModel html4 = Menu("<div>", 1);
    const MenuItem* common = ByText(html4, "Common Attrib&utes");
    ASSERT_TRUE(common);
    const MenuItem* role = ByText(common->submenu, "ROLE");
    EXPECT_TRUE(role == nullptr || !role->enabled);
}

TEST_F(Html5TagMenu, DataAndAriaAttributesAreReadAndKeptWhenOthersChange) {
    const std::string tag = "<button data-count=\"3\" aria-pressed=false type=button>";
    Load(tag, 2, 2);
    ASSERT_TRUE(ed.FindTagAtCaret());
    std::string value;
    EXPECT_TRUE(ed.GetAttributeValue("data-count", value));
    EXPECT_EQ(value, "3");
    EXPECT_TRUE(ed.GetAttributeValue("ARIA-PRESSED", value));
    EXPECT_EQ(value, "false");
    EXPECT_FALSE(ed.GetAttributeValue("data", value)) << "a prefix is not the attribute";
    // Setting a known attribute leaves them as they were.
    const std::string changed = Set(tag, "BUTTON", "TYPE", "submit");
    EXPECT_NE(changed.find("data-count=\"3\" aria-pressed=false"), std::string::npos) << changed;
}

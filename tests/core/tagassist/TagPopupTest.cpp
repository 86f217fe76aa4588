// The right-click menu of a tag: what it offers, in which order and with which ids, its
// check marks and prompts, and what its commands do to the tag.
#include "TagEdTestSupport.h"

#include "core/colours/CCustomColours.h"
#include "core/fakes/ScriptedAssistant.h"
#include "core/fakes/TestFiles.h"
#include "core/tagassist/AttributeValueRules.h"
#include "core/tagassist/HMAttPopup.h"
#include "core/tagassist/HtmlVerPopup.h"

#include <filesystem>
#include <sstream>

using namespace velto;
using namespace velto::test;

namespace {
// A GIF header of the given size.
std::string Gif(int width, int height) {
    std::string bytes = "GIF89a";
    bytes += static_cast<char>(width & 0xFF);
    bytes += static_cast<char>(width >> 8);
    bytes += static_cast<char>(height & 0xFF);
    bytes += static_cast<char>(height >> 8);
    return bytes + std::string("\0\0\0;", 4);
}

std::string Printed(const MenuModel& menu) {
    std::ostringstream out;
    menu.Print(out);
    return out.str();
}

} // namespace

class TagPopupTest : public TagEdTest {
protected:
    TempDir dir;
    CCustomColours customs;
    ScriptedAssistant assistant;

    // The menu for the tag around pos of text (a document in dir).
    MenuModel Menu(std::string text, int pos) {
        Load(std::move(text), pos, pos);
        EXPECT_TRUE(ed.FindTagAtCaret());
        MenuModel menu;
        Popup().BuildMenu(menu);
        return menu;
    }
    HMAttPopup Popup() { return HMAttPopup(kb, ed, {&customs, dir.Path().string() + "/", false}); }
    std::string Run(int id) {
        Popup().Execute(id, assistant);
        std::string text;
        control.GetTextRange(0, control.Length(), text);
        return text;
    }
    int IdOf(const MenuModel& menu, std::string_view text) {
        const MenuItem* item = ByText(menu, text);
        EXPECT_TRUE(item) << text;
        return item ? item->id : -1;
    }
};

TEST_F(TagPopupTest, ImageWithAnExistingGifOpensItThenSetsTheSizeFromIt) {
    dir.Write("a.gif", Gif(32, 16));
    const MenuModel menu = Menu("<IMG SRC=\"a.gif\" ISMAP>", 3);
    ASSERT_GE(menu.Items().size(), 3u);
    EXPECT_EQ(menu.Items()[0].id, 1500);
    EXPECT_EQ(menu.Items()[0].text, "&Open a.gif");
    EXPECT_EQ(menu.Items()[1].id, 1501);
    EXPECT_EQ(menu.Items()[1].text, "Set Si&ze From a.gif");
    EXPECT_TRUE(menu.Items()[2].IsSeparator());
    const std::string gif = (dir.Path() / "a.gif").string();
    EXPECT_EQ(Popup().GetPrompt(1501), "Set tag size attributes from file " + gif + " (WIDTH=32 HEIGHT=16)");
    EXPECT_EQ(Popup().GetPrompt(1500), "&Open URL for editing using external application");

    EXPECT_EQ(Run(1501), "<IMG WIDTH=\"32\" HEIGHT=\"16\" SRC=\"a.gif\" ISMAP>");
    // The whole new tag is selected, so the next request works on it.
    EXPECT_EQ(control.GetSelection(), (TextControl::Selection{0, control.Length()}));
    Run(1500);
    EXPECT_EQ(assistant.handedToDesktop, std::vector<std::string>{gif});
}

TEST_F(TagPopupTest, TheLinkedFileIsNamedByItsFileNameNotByTheUrlText) {
    dir.Write("pics/my pic & more.gif", Gif(4, 4));
    const std::string url = "file://" + (dir.Path() / "pics/my%20pic%20&%20more.gif").string();
    const MenuModel menu = Menu("<IMG SRC=\"" + url + "\">", 3);
    ASSERT_GE(menu.Items().size(), 2u);
    EXPECT_EQ(menu.Items()[0].text, "&Open my pic && more.gif");
    EXPECT_EQ(menu.Items()[1].text, "Set Si&ze From my pic && more.gif");
    const MenuModel relative = Menu("<IMG SRC=\"pics/my%20pic%20%26%20more.gif?v=2\">", 3);
    ASSERT_GE(relative.Items().size(), 2u);
    EXPECT_EQ(relative.Items()[0].text, "&Open my pic && more.gif");
}

TEST_F(TagPopupTest, LinkedFilesOfTheEditorsOwnTypesOpenAsDocumentsCreatedWhenMissing) {
    dir.Write("there.html", "<P>");
    MenuModel menu = Menu("<A HREF=\"there.html#part\">", 2);
    EXPECT_EQ(menu.Items()[0].text, "&Open there.html");
    EXPECT_EQ(Popup().GetPrompt(1500), "&Open URL for editing");
    Run(1500);
    EXPECT_EQ(assistant.opened.back(), (dir.Path() / "there.html").string());

    menu = Menu("<A HREF=\"new%20page.html\">", 2);
    EXPECT_EQ(menu.Items()[0].text, "&Create new page.html"); // the file's name, not the URL's
    EXPECT_EQ(Popup().GetPrompt(1500), "&Create new file for URL");
    Run(1500);
    EXPECT_TRUE(std::filesystem::is_regular_file(dir.Path() / "new page.html"));

    assistant.openSucceeds = false;
    Run(1500);
    EXPECT_EQ(assistant.messages.back(), "Unable to open file " + (dir.Path() / "new page.html").string());

    // A missing file of another type, a web address and a bare fragment give no item.
    for (const char* tag : {"<A HREF=\"gone.pdf\">", "<A HREF=\"http://example.com/a.html\">", "<A HREF=\"#top\">"}) {
        menu = Menu(tag, 2);
        EXPECT_TRUE(menu.Items()[0].IsSeparator()) << tag;
    }
}

TEST_F(TagPopupTest, DesktopFailuresAreReportedInTheirOwnWords) {
    dir.Write("song.mid", "MThd");
    Menu("<A HREF=\"song.mid\">", 2);
    const std::string path = (dir.Path() / "song.mid").string();
    assistant.desktop = TagAssistant::DesktopOpen::NoApplication;
    Run(1500);
    assistant.desktop = TagAssistant::DesktopOpen::Failed;
    Run(1500);
    ASSERT_EQ(assistant.messages.size(), 2u);
    EXPECT_EQ(assistant.messages[0], "No application is associated with the file type for " + path);
    EXPECT_EQ(assistant.messages[1], "Failed to start external application to open " + path +
                                         "\n\nTry closing other applications before retrying.");
}

TEST_F(TagPopupTest, BodyOffersColourAndAlignmentSubmenus) {
    html.userNameType = 0; // the HTML names, as the tags show them
    const MenuModel menu = Menu("<BODY BGCOLOR=navy>", 2);
    const MenuItem* bg = ByText(menu, "B&GCOLOR");
    ASSERT_TRUE(bg && bg->IsSubmenu());
    const auto& colours = bg->submenu.Items();
    ASSERT_EQ(colours.size(), 19u); // sixteen names, a separator, the palette and Remove
    EXPECT_EQ(colours[0].text, "White");
    EXPECT_EQ(colours[0].swatch, std::optional<ColourRef>(0xFFFFFF));
    EXPECT_TRUE(colours[13].checked); // Navy, read from the tag in any case
    EXPECT_EQ(std::count_if(colours.begin(), colours.end(), [](const MenuItem& i) { return i.checked; }), 1);
    EXPECT_TRUE(colours[16].IsSeparator());
    EXPECT_EQ(colours[17].text, "&Palette...");
    EXPECT_EQ(colours[18].text, "&Remove");
    EXPECT_EQ(Popup().GetPrompt(colours[13].id), "Select colour \"Navy\"");
    EXPECT_EQ(Popup().GetPrompt(colours[17].id), "Choose colours from the standard and custom colour palettes");

    const MenuItem* align = ByText(menu, "AL&IGN");
    ASSERT_TRUE(align && align->IsSubmenu());
    std::vector<std::string> texts;
    for (const MenuItem& i : align->submenu.Items())
        texts.push_back(i.IsSeparator() ? "-" : i.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"&LEFT", "&CENTER", "&RIGHT", "-", "&Remove"}));
    // BODY's ALIGN is Internet Explorer 4.0 only: outside the selection, listed and greyed.
    EXPECT_FALSE(align->enabled);
}

TEST_F(TagPopupTest, ColourCommandsWriteTheConfiguredFormat) {
    const MenuModel menu = Menu("<BODY BGCOLOR=navy>", 2);
    const MenuItem* bg = ByText(menu, "Back&ground Colour");
    ASSERT_TRUE(bg);
    EXPECT_EQ(Run(bg->submenu.Items()[12].id), "<BODY BGCOLOR=\"Green\">");
    editor.insertHtmlColourNames = false;
    Menu(control.Length() ? "<BODY BGCOLOR=navy>" : "", 2);
    EXPECT_EQ(Run(bg->submenu.Items()[12].id), "<BODY BGCOLOR=\"#008000\">");
    // The palette starts on the tag's colour.
    assistant.colours.push_back(0x563412);
    EXPECT_EQ(Run(bg->submenu.Items()[17].id), "<BODY BGCOLOR=\"#123456\">");
    EXPECT_EQ(assistant.colourAskedWith.back(), 0x008000u);
    EXPECT_EQ(Run(bg->submenu.Items()[18].id), "<BODY>");
}

TEST_F(TagPopupTest, CustomColoursComeFirstWhenTheUserHasSome) {
    customs.SetActiveCount(2);
    customs.SetName(0, "Sea & Sky");
    customs.Entry(0).colour = 0x804000;
    customs.SetName(1, ""); // unnamed entries are left out
    customColours = true;
    const MenuModel menu = Menu("<BODY BGCOLOR=\"#004080\">", 2);
    const MenuItem* bg = ByText(menu, "Back&ground Colour");
    ASSERT_TRUE(bg);
    const auto& items = bg->submenu.Items();
    EXPECT_EQ(items[0].text, "Sea && Sky");
    EXPECT_TRUE(items[0].checked);
    EXPECT_TRUE(items[1].IsSeparator());
    EXPECT_EQ(items[2].text, "White");

    html.vgaColoursOnMenu = false;
    const MenuModel vgaOff = Menu("<BODY BGCOLOR=\"#004080\">", 2);
    const MenuItem* only = ByText(vgaOff, "Back&ground Colour");
    ASSERT_TRUE(only);
    EXPECT_EQ(only->submenu.Items().size(), 4u); // the custom colour, a separator, palette, Remove
}

TEST_F(TagPopupTest, IdsAreTheSameForEveryRequestOnTheSameTag) {
    const std::string first = Printed(Menu("<TABLE BORDER=2 ALIGN=left>", 3));
    const std::string second = Printed(Menu("<TABLE BORDER=2 ALIGN=left>", 3));
    EXPECT_EQ(first, second);
    // The prompt and execute walks give the same ids as the build.
    const MenuModel menu = Menu("<TABLE BORDER=2 ALIGN=left>", 3);
    const int center = IdOf(menu, "&Centred");
    EXPECT_EQ(Popup().GetPrompt(center), ByText(menu, "&Centred")->prompt);
    EXPECT_EQ(Run(center), "<TABLE BORDER=2 ALIGN=CENTER>");
}

TEST_F(TagPopupTest, BaseHasAnEmptyCommonAttributesSubmenu) {
    const MenuModel menu = Menu("<BASE HREF=\"x.html\">", 2);
    const MenuItem* common = ByText(menu, "Common Attrib&utes");
    ASSERT_TRUE(common);
    EXPECT_TRUE(common->IsSubmenu());
    EXPECT_TRUE(common->submenu.Empty());
}

TEST_F(TagPopupTest, ElementsOutsideTheSelectionAndEndTagsOfferNothing) {
    Select({"HTML v2.0"});
    EXPECT_TRUE(Menu("<MARQUEE LOOP=2>", 3).Empty());
    Select({"HTML v4.0"});
    EXPECT_TRUE(Menu("<P>x</P>", 5).Empty()); // attributes have no place in an end tag
    EXPECT_FALSE(Menu("<P>x</P>", 1).Empty());
}

TEST_F(TagPopupTest, AdvancedAttributesFollowTheirOptions) {
    Select({"HTML v2.0"});
    MenuModel menu = Menu("<IMG SRC=a.gif>", 2);
    const MenuItem* border = ByText(menu, "&Border"); // not in HTML 2.0
    ASSERT_TRUE(border);
    EXPECT_FALSE(border->enabled);
    EXPECT_TRUE(ByText(menu, "&Text Only Description")->enabled);
    const int borderId = border->id;
    const int ismapId = IdOf(menu, "Image Ma&p");

    html.advancedAttsGreyed = false;
    EXPECT_TRUE(ByText(Menu("<IMG SRC=a.gif>", 2), "&Border")->enabled);

    html.advancedAttsOnPopup = false;
    menu = Menu("<IMG SRC=a.gif>", 2);
    EXPECT_EQ(ByText(menu, "&Border"), nullptr);
    // Hidden items keep their ids, so the others do not move.
    EXPECT_EQ(IdOf(menu, "Image Ma&p"), ismapId);
    // A hidden command cannot be run by its id either.
    assistant.values.push_back({"2"});
    EXPECT_EQ(Run(borderId), "<IMG SRC=a.gif>");
}

TEST_F(TagPopupTest, ValuesAreSetChangedAndRemoved) {
    MenuModel menu = Menu("<P ALIGN='left'>", 1);
    const MenuItem* left = ByText(menu, "Flush &Left");
    ASSERT_TRUE(left);
    EXPECT_TRUE(left->checked);
    EXPECT_EQ(Run(IdOf(menu, "Flush &Right")), "<P ALIGN=RIGHT>");
    menu = Menu(std::string("<P ALIGN=RIGHT>"), 1);
    const MenuItem* align = ByText(menu, "Text &Alignment");
    ASSERT_TRUE(align);
    const int remove = align->submenu.Items().back().id;
    EXPECT_EQ(Popup().GetPrompt(remove), "Remove the Text Alignment attribute");
    EXPECT_EQ(Run(remove), "<P>");
    // Removing what the tag does not have changes nothing.
    EXPECT_FALSE(Popup().Execute(remove, assistant));
}

TEST_F(TagPopupTest, OtherAsksForAValueAndFreeTextIsQuoted) {
    MenuModel menu = Menu("<A HREF=x TARGET=_top>", 2);
    assistant.values.push_back({"frame1"});
    EXPECT_EQ(Run(IdOf(menu, "&Other...")), "<A HREF=x TARGET=frame1>");
    EXPECT_EQ(assistant.asked.back().value, "_top");
    EXPECT_TRUE(assistant.asked.back().present);
    // What the value dialog refuses for an enumerated attribute, and takes for a free one.
    EXPECT_EQ(RefuseTypedValue(Att("A", "TARGET"), "two words"), std::optional<std::string>(NoBlanksInValue));
    EXPECT_EQ(RefuseTypedValue(Att("A", "TARGET"), "one\tmore"), std::optional<std::string>(NoBlanksInValue));
    EXPECT_FALSE(RefuseTypedValue(Att("IMG", "ALT"), "two words"));
    // ROLE's own prompt asks for several roles: a list of words is taken, and quoted.
    const HtmlMetaAttBase* roleAttribute = nullptr;
    El("DIV").ForEachAttribute(AttributeIteration::All, [&](const HtmlMetaAttBase& a) {
        if (a.Name() == "ROLE")
            roleAttribute = &a;
        return roleAttribute == nullptr;
    });
    ASSERT_TRUE(roleAttribute);
    EXPECT_FALSE(RefuseTypedValue(*roleAttribute, "navigation search"));
    menu = Menu("<DIV>", 2);
    MenuModel roles;
    Popup().BuildAttributeMenu(*roleAttribute, roles);
    assistant.values.push_back({"navigation search"});
    EXPECT_EQ(Run(IdOf(roles, "&Other...")), "<DIV ROLE=\"navigation search\">");
    menu = Menu("<IMG SRC=a.gif>", 2);
    assistant.values.push_back({"two words"});
    EXPECT_EQ(Run(IdOf(menu, "&Text Only Description")), "<IMG ALT=\"two words\" SRC=a.gif>");
    // The dialog's remove box takes the attribute out; Cancel leaves the tag.
    assistant.values.push_back({"", true});
    EXPECT_EQ(Run(IdOf(menu, "&Text Only Description")), "<IMG SRC=a.gif>");
    EXPECT_EQ(Run(IdOf(menu, "&Text Only Description")), "<IMG SRC=a.gif>");
}

TEST_F(TagPopupTest, AnImageValueSetsTheSizeWhenAskedOrAlways) {
    dir.Write("b.gif", Gif(7, 9));
    editor.autoSetImageSize = false;
    MenuModel menu = Menu("<IMG>", 2);
    assistant.values.push_back({"b.gif"});
    EXPECT_EQ(Run(IdOf(menu, "Image File U&RI")), "<IMG SRC=\"b.gif\">");
    menu = Menu("<IMG>", 2);
    assistant.values.push_back({"b.gif", false, true});
    EXPECT_EQ(Run(IdOf(menu, "Image File U&RI")), "<IMG WIDTH=\"7\" HEIGHT=\"9\" SRC=\"b.gif\">");
    editor.autoSetImageSize = true;
    menu = Menu("<IMG>", 2);
    assistant.values.push_back({"b.gif"});
    EXPECT_EQ(Run(IdOf(menu, "Image File U&RI")), "<IMG WIDTH=\"7\" HEIGHT=\"9\" SRC=\"b.gif\">");
    // A file that is there but is no image is reported; the value stays set.
    dir.Write("c.gif", "not an image");
    menu = Menu("<IMG>", 2);
    assistant.values.push_back({"c.gif"});
    EXPECT_EQ(Run(IdOf(menu, "Image File U&RI")), "<IMG SRC=\"c.gif\">");
    EXPECT_EQ(assistant.messages.back(), "Unable to obtain size information for image: " +
                                             (dir.Path() / "c.gif").string() + "\n\nSize information not set.");
}

TEST_F(TagPopupTest, FlagsToggleAndShowWhetherTheTagHasThem) {
    MenuModel menu = Menu("<IMG SRC=a.gif ISMAP>", 2);
    EXPECT_TRUE(ByText(menu, "Image Ma&p")->checked);
    EXPECT_EQ(Run(IdOf(menu, "Image Ma&p")), "<IMG SRC=a.gif>");
    menu = Menu("<IMG SRC=a.gif>", 2);
    EXPECT_FALSE(ByText(menu, "Image Ma&p")->checked);
    EXPECT_EQ(Run(IdOf(menu, "Image Ma&p")), "<IMG ISMAP SRC=a.gif>");
}

TEST_F(TagPopupTest, EventHandlersAreCheckedFromTheTagAndTypedThroughTheValueDialog) {
    Select({"Netscape Navigator 3.0"});
    MenuModel menu = Menu("<BODY onFocus=\"f()\" OnBlur=\"\">", 2);
    const MenuItem* events = ByText(menu, "E&vent Handlers");
    ASSERT_TRUE(events);
    std::vector<std::string> names;
    for (const MenuItem& i : events->submenu.Items())
        names.push_back(i.text + (i.checked ? " [x]" : ""));
    // A handler with an empty value is not checked.
    // The knowledge base reads BODY's hex 18 as OnLoad and OnUnload.
    EXPECT_EQ(names, (std::vector<std::string>{"OnFocus [x]", "OnBlur", "OnLoad", "OnUnload"}));
    EXPECT_EQ(Popup().GetPrompt(IdOf(menu, "OnFocus")), "Handle gain of input focus");
    assistant.values.push_back({"g(1)"});
    EXPECT_EQ(Run(IdOf(menu, "OnLoad")), "<BODY OnLoad=\"g(1)\" onFocus=\"f()\" OnBlur=\"\">");
    EXPECT_EQ(assistant.asked.back().attribute->Name(), "OnLoad");
    EXPECT_FALSE(assistant.asked.back().present);
}

TEST_F(TagPopupTest, ClickHandlersAreTheNamesBrowsersRun) {
    // A page's own onclick is the click event; a handler named otherwise would never run.
    Select({"HTML v4.0"});
    MenuModel menu = Menu("<A HREF=x onclick=\"go()\">", 2);
    const MenuItem* events = ByText(menu, "E&vent Handlers");
    ASSERT_TRUE(events);
    const MenuItem* click = ByText(events->submenu, "OnClick");
    ASSERT_TRUE(click);
    EXPECT_TRUE(click->checked);
    ASSERT_TRUE(ByText(events->submenu, "OnDblClick"));
    assistant.values.push_back({"zoom()"});
    EXPECT_EQ(Run(IdOf(menu, "OnDblClick")), "<A OnDblClick=\"zoom()\" HREF=x onclick=\"go()\">");
}

TEST_F(TagPopupTest, PromptsComeFromDescriptionsOrTheFixedPhrases) {
    const MenuModel menu = Menu("<HR SIZE=2>", 2);
    EXPECT_EQ(Popup().GetPrompt(IdOf(menu, "&Properties...")), "Edit element attribute properties");
    EXPECT_FALSE(ByText(menu, "&Properties...")->enabled); // until the dialog exists
    EXPECT_TRUE(Popup().IsPropertiesCommand(IdOf(menu, "&Properties...")));
    EXPECT_EQ(Popup().GetPrompt(99999), "");
    // Every item of the menu has a prompt.
    std::function<void(const MenuModel&)> check = [&](const MenuModel& m) {
        for (const MenuItem& i : m.Items()) {
            if (i.IsSeparator())
                continue;
            EXPECT_FALSE(i.prompt.empty()) << i.text;
            check(i.submenu);
        }
    };
    check(menu);
}

TEST_F(TagPopupTest, OneAttributesMenuKeepsTheIdsOfTheWholeMenu) {
    const MenuModel whole = Menu("<P ALIGN=left>", 1);
    MenuModel one;
    Popup().BuildAttributeMenu(Att("P", "ALIGN"), one);
    ASSERT_FALSE(one.Empty());
    EXPECT_EQ(one.Items()[0].text, "Flush &Left");
    EXPECT_EQ(one.Items()[0].id, IdOf(whole, "Flush &Left"));
    EXPECT_TRUE(one.Items()[0].checked);
    EXPECT_EQ(one.Items().back().text, "&Remove");
}

TEST(HtmlVerPopup, ListsAndChecksVersionsByTheirStates) {
    CHtmlConfig config;
    config.versions[1].state = VersionState::AllOf;
    config.versions[2].state = 0;
    MenuModel all;
    HtmlVerPopup(config.versions, VersionState::AnyOf, true, false, 3000).BuildMenu(all);
    ASSERT_EQ(all.Items().size(), config.versions.size());
    EXPECT_EQ(all.Items()[0].text, "HTML v2.0");
    EXPECT_TRUE(all.Items()[0].checked);
    EXPECT_FALSE(all.Items()[1].checked);
    EXPECT_FALSE(all.Items()[2].checked);

    // Filtered, not in the "any of" set: only those listed, each checked, ids kept.
    MenuModel outside;
    const HtmlVerPopup popup(config.versions, VersionState::AnyOf, false, true, 3000);
    popup.BuildMenu(outside);
    ASSERT_EQ(outside.Items().size(), 2u);
    EXPECT_EQ(outside.Items()[0].id, 3001);
    EXPECT_EQ(outside.Items()[1].id, 3002);
    EXPECT_TRUE(outside.Items()[1].checked);
    EXPECT_EQ(popup.Execute(3002), std::optional<std::size_t>(2));
    EXPECT_EQ(popup.Execute(3000), std::nullopt); // not listed
    EXPECT_EQ(popup.Execute(2999), std::nullopt);
}

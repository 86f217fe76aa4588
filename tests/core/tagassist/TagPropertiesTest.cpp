// The tag properties model: the rows and their value texts, the title, and edits that
// change the tag held and reach the document only when applied.
#include "TagEdTestSupport.h"

#include "core/fakes/ScriptedAssistant.h"
#include "core/htmlkb/HtmlMetaAttBase.h"
#include "core/htmlkb/HtmlMetaElement.h"
#include "core/tagassist/TagProperties.h"

#include <algorithm>
#include <cctype>
#include <memory>

using namespace velto;
using namespace velto::test;

class TagPropertiesTest : public TagEdTest {
protected:
    std::unique_ptr<TagProperties> props;
    ScriptedAssistant assistant;

    void Open(std::string text) {
        const int inTag = static_cast<int>(text.find('<')) + 1;
        Load(std::move(text), inTag, inTag);
        ASSERT_TRUE(ed.FindTagAtCaret());
        props = std::make_unique<TagProperties>(kb, ed, TagPopupContext{});
    }
    const TagProperties::Row& RowOf(std::string_view name, bool codes = true) {
        static std::vector<TagProperties::Row> rows;
        rows = props->Rows(codes);
        for (const auto& r : rows)
            if (r.attribute->Name() == name)
                return r;
        throw std::out_of_range("no row " + std::string(name));
    }
};

TEST_F(TagPropertiesTest, RowsOfAnImageTag) {
    Open("<IMG SRC=a.gif ISMAP>");
    const std::vector<TagProperties::Row> rows = props->Rows(true);
    // The shared attributes come first, then every one of IMG's own.
    std::vector<const HtmlMetaAttBase*> expected;
    El("IMG").ForEachAttribute(AttributeIteration::All, [&](const HtmlMetaAttBase& a) {
        expected.push_back(&a);
        return true;
    });
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].attribute, expected[i]);
    EXPECT_EQ(RowOf("SRC").value, "\"a.gif\"");
    EXPECT_EQ(RowOf("ISMAP").value, TagProperties::PresentNoValue);
    for (const auto& r : rows)
        if (r.attribute->Name() != "SRC" && r.attribute->Name() != "ISMAP" && !r.attribute->IsEventHolder()) {
            EXPECT_EQ(r.value, "") << r.attribute->Name();
        }
    // With HTML codes, the written name and then the popup name; without, the popup name.
    EXPECT_EQ(RowOf("SRC").name, "SRC");
    EXPECT_EQ(RowOf("SRC").second, "Image File URI");
    EXPECT_EQ(RowOf("SRC", false).name, "Image File URI");
    EXPECT_EQ(RowOf("SRC", false).second, "");
    EXPECT_EQ(TagProperties::Purpose(Att("IMG", "SRC")),
              "Purpose: The URL which provides the image to be displayed, usually a graphics file");
}

TEST_F(TagPropertiesTest, EventHandlersAreOneRowEditedFromTheEventsSubmenu) {
    const auto lower = [](std::string text) {
        std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
        return text;
    };
    Open("<IMG SRC=a.gif onclick=\"go()\" onmouseover=''>");
    const std::vector<TagProperties::Row> rows = props->Rows(true);
    const auto holder = std::find_if(rows.begin(), rows.end(),
                                     [](const TagProperties::Row& r) { return r.attribute->IsEventHolder(); });
    ASSERT_NE(holder, rows.end());
    EXPECT_EQ(holder->name, "Event Handlers");
    EXPECT_EQ(lower(holder->value), "onclick"); // an empty handler is none
    ASSERT_TRUE(TagProperties::EditsBySubmenu(*holder->attribute));

    const MenuModel events = props->Submenu(*holder->attribute);
    const MenuItem* other = nullptr;
    for (const MenuItem& item : events.Items()) {
        EXPECT_EQ(item.checked, lower(item.text) == "onclick") << item.text;
        if (!other && !item.checked && lower(item.text) != "onmouseover")
            other = &item;
    }
    ASSERT_TRUE(other);
    const std::string name = other->text;
    assistant.values.push_back({"ready()"});
    ASSERT_TRUE(props->RunSubmenuCommand(other->id, assistant));
    EXPECT_NE(props->TagText().find("=\"ready()\""), std::string::npos) << props->TagText();
    const std::string listed = lower(RowOf(holder->attribute->Name()).value);
    EXPECT_TRUE(listed == "onclick, " + lower(name) || listed == lower(name) + ", onclick") << listed;
}

TEST_F(TagPropertiesTest, ValuesAsTheTagWritesThem) {
    Open("<IMG ALIGN=left ALT='two words'>");
    EXPECT_EQ(RowOf("ALIGN").value, "left");
    EXPECT_EQ(RowOf("ALT").value, "\"two words\"");
    Open("<TABLE BORDER>");
    EXPECT_EQ(RowOf("BORDER").value, TagProperties::PresentNoValue);
}

TEST_F(TagPropertiesTest, TitleFollowsTheTerminology) {
    Open("<IMG>");
    html.userNameType = 0;
    EXPECT_EQ(props->Title(), "IMG - " + El("IMG").GetName(NameMode::Descriptive) + " Attributes");
    html.userNameType = 2;
    EXPECT_EQ(props->Title(), El("IMG").GetPopupName() + " Attributes <IMG>");
    editor.insertHtmlLowerCase = true;
    EXPECT_EQ(props->Title(), El("IMG").GetPopupName() + " Attributes <img>");
}

TEST_F(TagPropertiesTest, EditsChangeTheTagHeldUntilApplied) {
    Open("a <IMG SRC=a.gif ISMAP> b");
    EXPECT_FALSE(TagProperties::EditsBySubmenu(Att("IMG", "ISMAP")));
    ASSERT_TRUE(props->Edit(Att("IMG", "ISMAP"), assistant));
    EXPECT_EQ(RowOf("ISMAP").value, "");
    assistant.values.push_back({"a picture"});
    ASSERT_TRUE(props->Edit(Att("IMG", "ALT"), assistant));
    EXPECT_EQ(RowOf("ALT").value, "\"a picture\"");
    // An enumerated attribute: its values as the tag menu offers them, one chosen.
    ASSERT_TRUE(TagProperties::EditsBySubmenu(Att("IMG", "ALIGN")));
    const MenuModel values = props->Submenu(Att("IMG", "ALIGN"));
    const MenuItem* middle = nullptr;
    for (const MenuItem& item : values.Items())
        if (item.text == Val("IMG", "ALIGN", "MIDDLE").GetPopupText())
            middle = &item;
    ASSERT_NE(middle, nullptr);
    ASSERT_TRUE(props->RunSubmenuCommand(middle->id, assistant));
    EXPECT_EQ(RowOf("ALIGN").value, "MIDDLE");
    // Nothing reached the document yet.
    EXPECT_EQ(control.Text(), "a <IMG SRC=a.gif ISMAP> b");
    EXPECT_TRUE(props->Changed());
    ASSERT_TRUE(props->Apply());
    EXPECT_EQ(control.Text(), "a " + props->TagText() + " b");
    EXPECT_EQ(props->TagText(), "<IMG ALIGN=MIDDLE ALT=\"a picture\" SRC=a.gif>");
}

TEST_F(TagPropertiesTest, CancelledValueAndUnchangedTagWriteNothing) {
    Open("<IMG SRC=a.gif>");
    EXPECT_FALSE(props->Edit(Att("IMG", "ALT"), assistant)); // the dialog was cancelled
    EXPECT_EQ(assistant.asked.size(), 1u);
    EXPECT_FALSE(props->Changed());
    EXPECT_FALSE(props->Apply());
    EXPECT_EQ(control.Text(), "<IMG SRC=a.gif>");
}

TEST_F(TagPropertiesTest, AttributesOutsideTheVersionsFollowTheOptions) {
    Select({"HTML v2.0"});
    Open("<IMG>");
    html.advancedAttsOnPopup = true;
    html.advancedAttsGreyed = true;
    EXPECT_FALSE(RowOf("VSPACE").enabled); // 7030C: not in HTML 2.0
    EXPECT_TRUE(RowOf("SRC").enabled);
    EXPECT_FALSE(props->Edit(Att("IMG", "VSPACE"), assistant));
    html.advancedAttsOnPopup = false;
    EXPECT_THROW(RowOf("VSPACE"), std::out_of_range);
}

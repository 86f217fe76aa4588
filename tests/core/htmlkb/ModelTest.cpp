// Names, texts by terminology, the insert case rule and the predicates of the records.
#include "KbTestSupport.h"

#include "core/htmlkb/HtmlTagEventHolder.h"
#include "core/htmlkb/KindFlags.h"

using namespace velto;
using namespace velto::test;

using Model = KbTest;

TEST(PlainNames, StopAtTheTabAndDropTheFirstAmpersand) {
    EXPECT_EQ(PlainName("H&1\tCtrl+1"), "H1");
    EXPECT_EQ(PlainName("_&blank"), "_blank");
    EXPECT_EQ(PlainName("HTM&L"), "HTML");
    EXPECT_EQ(PlainName("Fish && &Chips"), "Fish & &Chips");
    EXPECT_EQ(PlainName("&&"), "&");
    EXPECT_EQ(PlainName(""), "");
    EXPECT_EQ(PlainName("\tCtrl+1"), "");
    const std::string longText(400, 'x');
    EXPECT_EQ(PlainName(longText), std::string(MaxPlainName, 'x'));
    EXPECT_EQ(PlainName("&" + longText).size(), MaxPlainName);
}

TEST_F(Model, TextsFallBackFromMenuTextToLabelToNameText) {
    const HtmlMetaElement& img = El("IMG");
    EXPECT_EQ(img.GetTextForMode(NameMode::HtmlTag), "I&MG\tCtrl+E");
    EXPECT_EQ(img.GetTextForMode(NameMode::HtmlTerm), "I&mage\tCtrl+E");
    EXPECT_EQ(img.GetTextForMode(NameMode::Descriptive), "I&mage\tCtrl+E");
    EXPECT_EQ(img.GetName(NameMode::HtmlTag), "IMG");
    EXPECT_EQ(img.GetName(NameMode::HtmlTerm), "Image");
    EXPECT_EQ(El("H1").GetName(NameMode::Descriptive), "Heading Level 1 (big)");

    const HtmlMetaAttEnumVal& other = *Att("BASE", "TARGET").Values().back();
    EXPECT_EQ(other.GetTextForMode(NameMode::HtmlTag), "");
    EXPECT_EQ(other.GetTextForMode(NameMode::HtmlTerm), "&Other...");
    EXPECT_EQ(other.GetName(NameMode::Descriptive), "Other...");

    const HtmlTagEventHolder& events = *El("BODY").EventHolder();
    EXPECT_EQ(events.GetTextForMode(NameMode::HtmlTerm), "E&vent Handlers");
    EXPECT_EQ(events.GetTextForMode(NameMode::Descriptive), "E&vent Handlers");
}

TEST_F(Model, PopupTextsFollowTheUsersTerminology) {
    const HtmlMetaAttBase& src = Att("IMG", "SRC");
    html.userNameType = 0;
    EXPECT_EQ(src.GetPopupText(), "S&RC");
    EXPECT_EQ(src.GetPopupName(), "SRC");
    html.userNameType = 1;
    EXPECT_EQ(src.GetPopupText(), "Image Sou&rce");
    EXPECT_EQ(src.GetPopupName(), "Image Source");
    html.userNameType = 2;
    EXPECT_EQ(src.GetPopupText(), "Image File U&RI");
    EXPECT_EQ(src.GetPopupName(), "Image File URI");
    // A value the options never store reads as the default, descriptive.
    for (int odd : {3, -1, 1000}) {
        html.userNameType = odd;
        EXPECT_EQ(src.GetPopupName(), "Image File URI") << odd;
    }
}

TEST_F(Model, InsertCaseFollowsTheOptionExceptForValuesAndHandlers) {
    const HtmlMetaAttEnumVal& blank = Val("BASE", "TARGET", "_blank");
    const HtmlMetaAttEnumVal& css = Val("STYLE", "TYPE", "text/css");
    const HtmlMetaAttEnumVal& small = Val("OL", "TYPE", "a");
    const HtmlMetaAttEnumVal& vbscript = Val("SCRIPT", "LANGUAGE", "VBScript");
    auto handler = kb.MakeEventAttribute(*kb.EventClubs().FindEvent("OnMouseDown"));
    for (bool lower : {false, true}) {
        editor.insertHtmlLowerCase = lower;
        SCOPED_TRACE(lower);
        EXPECT_EQ(El("body").GetNameForInsert(), lower ? "body" : "BODY");
        EXPECT_EQ(El("IMG").GetNameForInsert(), lower ? "img" : "IMG"); // empty element
        EXPECT_EQ(El("TD").GetNameForInsert(), lower ? "td" : "TD");    // table part
        EXPECT_EQ(Att("A", "HREF").GetNameForInsert(), lower ? "href" : "HREF");
        EXPECT_EQ(Att("TABLE", "BGCOLOR").GetNameForInsert(), lower ? "bgcolor" : "BGCOLOR");
        EXPECT_EQ(Shared("CLASS").GetNameForInsert(), lower ? "class" : "CLASS");
        // Stored in mixed case, written like every other attribute name.
        EXPECT_EQ(Att("BDO", "Dir").GetNameForInsert(), lower ? "dir" : "DIR");
        EXPECT_EQ(Att("APPLET", "Object").GetNameForInsert(), lower ? "object" : "OBJECT");
        EXPECT_EQ(blank.GetNameForInsert(), "_blank");
        EXPECT_EQ(css.GetNameForInsert(), "text/css");
        EXPECT_EQ(small.GetNameForInsert(), "a");
        EXPECT_EQ(vbscript.GetNameForInsert(), "VBScript");
        EXPECT_EQ(handler->GetNameForInsert(), "OnMouseDown");
    }
}

TEST_F(Model, AttributePredicates) {
    EXPECT_TRUE(Att("A", "REL").IsListValue());
    EXPECT_TRUE(Shared("CLASS").IsListValue());
    EXPECT_FALSE(Att("A", "HREF").IsListValue());
    EXPECT_TRUE(Att("BASE", "HREF").IsRequired());
    EXPECT_FALSE(Att("A", "HREF").IsRequired());
    EXPECT_TRUE(Att("BASE", "TARGET").HasEnumValues());
    EXPECT_FALSE(Att("BASE", "TARGET").HasFreeValue());
    EXPECT_TRUE(Att("BASE", "HREF").HasFreeValue());
    EXPECT_TRUE(Att("TABLE", "BORDER").IsValueOptional());
    EXPECT_FALSE(Att("IMG", "BORDER").IsValueOptional());
    EXPECT_TRUE(Att("IMG", "ISMAP").IsFlagAttribute());
    EXPECT_FALSE(Att("IMG", "ALT").IsFlagAttribute());
    EXPECT_TRUE(Att("IMG", "SRC").IsImageValued());
    EXPECT_TRUE(Att("BODY", "BACKGROUND").IsImageValued());
    EXPECT_FALSE(Att("A", "HREF").IsImageValued());
    EXPECT_TRUE(Att("FORM", "ACTION").IsUrlValued());
    EXPECT_TRUE(Att("FRAME", "SRC").IsUrlValued());
    EXPECT_FALSE(Att("IMG", "ALT").IsUrlValued());
    EXPECT_FALSE(Att("BODY", "BGCOLOR").IsUrlValued());
    EXPECT_TRUE(Shared("ID").IsShared());
    EXPECT_FALSE(Att("A", "NAME").IsShared());
    for (const HtmlMeta* r : {static_cast<const HtmlMeta*>(&El("A")),
                              static_cast<const HtmlMeta*>(&Att("A", "HREF"))}) {
        EXPECT_FALSE(r->IsEnumValue());
        EXPECT_FALSE(r->IsManualEntryValue());
        EXPECT_FALSE(r->IsOfferedValue());
        EXPECT_FALSE(r->IsEventHolder());
    }
    EXPECT_FALSE(El("BASE").IsRequired());
    EXPECT_FALSE(El("BASE").HasEnumValues());
    EXPECT_FALSE(El("IMG").IsImageValued());
}

TEST_F(Model, ValueAndHolderPredicates) {
    const HtmlMetaAttEnumVal& blank = Val("BASE", "TARGET", "_blank");
    const HtmlMetaAttEnumVal& other = *Att("BASE", "TARGET").Values().back();
    const HtmlMetaAttEnumVal& border = Val("TABLE", "FRAME", "BORDER");
    EXPECT_TRUE(blank.IsEnumValue());
    EXPECT_FALSE(blank.IsManualEntryValue());
    EXPECT_TRUE(other.IsManualEntryValue());
    EXPECT_TRUE(border.IsAlsoAttributeName());
    EXPECT_TRUE(Val("TABLE", "RULES", "GROUPS").IsAlsoAttributeName());
    EXPECT_FALSE(blank.IsAlsoAttributeName());
    EXPECT_FALSE(blank.HasEnumValues());

    EXPECT_TRUE(blank.IsOfferedValue());
    EXPECT_TRUE(other.IsOfferedValue());
    EXPECT_FALSE(border.IsOfferedValue()) << "an attribute name is never offered as a value";
    Select({"HTML v2.0"});
    EXPECT_FALSE(blank.IsOfferedValue()) << "TARGET came after HTML 2.0";

    const HtmlTagEventHolder& holder = *El("A").EventHolder();
    EXPECT_TRUE(holder.IsEventHolder());
    EXPECT_TRUE(holder.HasEnumValues());
    EXPECT_FALSE(holder.HasFreeValue());
    EXPECT_FALSE(holder.IsUrlValued());
    EXPECT_EQ(El("A").OwnAttributes().back().get(), &holder);
}

TEST_F(Model, ColoursOnMenuFollowTheColourSettings) {
    const HtmlMetaAttBase& bgcolor = Att("BODY", "BGCOLOR");
    EXPECT_TRUE(bgcolor.IsColourOnMenu());
    EXPECT_FALSE(Att("BODY", "BACKGROUND").IsColourOnMenu());
    html.vgaColoursOnMenu = false;
    EXPECT_FALSE(bgcolor.IsColourOnMenu()) << "no custom colours yet";
    customColours = true;
    EXPECT_TRUE(bgcolor.IsColourOnMenu());
    html.userColoursOnMenu = false;
    EXPECT_FALSE(bgcolor.IsColourOnMenu());

    // Without a colour chooser to ask, nobody has custom colours.
    CHtmlConfig h;
    h.vgaColoursOnMenu = false;
    const CEditorConfig e;
    const HtmlKnowledgeBase plain(h, e);
    const auto& a = plain.FindElement("FONT")->OwnAttributes().front();
    ASSERT_EQ(a->Name(), "COLOR");
    EXPECT_FALSE(a->IsColourOnMenu());
}

TEST_F(Model, EventAttributeIsATemporaryScriptHandler) {
    const HtmlTagEvent& onBlur = *kb.EventClubs().FindEvent("OnBlur");
    const std::uint32_t serial = kb.NextSerial();
    auto a = kb.MakeEventAttribute(onBlur);
    EXPECT_EQ(a->Name(), "OnBlur");
    EXPECT_EQ(a->Label(), "OnBlur");
    EXPECT_EQ(a->Description(), "Handle loss of input focus");
    EXPECT_EQ(a->Kind(), AttKind::ScriptHandlerKind);
    EXPECT_EQ(a->Versions(), 0u);
    EXPECT_EQ(a->Serial(), serial + 1);
    EXPECT_TRUE(a->HasFreeValue());
    EXPECT_FALSE(a->IsUrlValued());
}

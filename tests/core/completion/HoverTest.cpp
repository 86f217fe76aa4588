// The tooltips of names and values in tags.
#include "CompletionTestSupport.h"

#include "core/completion/HoverHelp.h"

#include <gtest/gtest.h>

using namespace velto;

namespace {
class HoverTest : public test::CompletionTest {
protected:
    // The tooltip with the pointer on the character after the '|'.
    std::string Tip(const std::string& text) { return hover.TextAt(control, Load(text)); }

    HoverHelp hover{kb};
};
} // namespace

TEST_F(HoverTest, ElementsWithTheirVersionsAndBrowsers) {
    // A label that only repeats the name ("Table") is left out.
    const HtmlMetaElement& table = El("TABLE");
    EXPECT_EQ(Tip("<p><T|ABLE border=1>"),
              "TABLE element\n" + table.Description() +
              "\n"
              "Versions: HTML 3.0 drafts, HTML v3.2, HTML v4.0, HTML5\n"
              "Browsers: Netscape Navigator 2.0, Netscape Navigator 3.0, Internet Explorer 2.0, "
              "Internet Explorer 3.0, Internet Explorer 4.0\n"
              "F5: HTML reference");
    // The end tag and the name's first letter show the same.
    EXPECT_EQ(Tip("<table></tab|le>"), Tip("<|table>"));
    const std::string font = Tip("<|font size=2>");
    EXPECT_NE(font.find("\nObsolete in HTML5\n"), std::string::npos);
    EXPECT_EQ(font.find("Outside the selected versions"), std::string::npos);
    Select({"HTML5"});
    EXPECT_NE(Tip("<|font size=2>").find("\nOutside the selected versions\nF5: HTML reference"),
              std::string::npos);
    EXPECT_EQ(Tip("<|section>").find("Obsolete"), std::string::npos);
}

TEST_F(HoverTest, AttributesEventsAndValues) {
    const std::string padding = Tip("<table cellpad|ding=2>");
    EXPECT_EQ(padding.substr(0, padding.find('\n')),
              "CELLPADDING attribute \u2014 " + PlainName(Att("TABLE", "CELLPADDING").Label()));
    EXPECT_NE(padding.find("\nObsolete in HTML5\n"), std::string::npos);
    EXPECT_EQ(padding.substr(padding.rfind('\n') + 1), "F5: HTML reference");

    EXPECT_EQ(Tip("<td onc|lick=\"go()\">"),
              "OnClick event handler\nHandle mouse button click on element\nF5: HTML reference");

    const std::string centre = Tip("<p align=cen|ter>");
    EXPECT_EQ(centre.substr(0, centre.find('\n')),
              "CENTER value of ALIGN \u2014 " + PlainName(Val("P", "ALIGN", "CENTER").Label()));
    EXPECT_EQ(Tip("<link type=\"text/c|ss\">").substr(0, 22), "text/css value of TYPE");
}

TEST_F(HoverTest, NothingOutsideNamesTheKnowledgeBaseKnows) {
    EXPECT_EQ(Tip("the ta|ble"), "");
    EXPECT_EQ(Tip("<table border=|2>"), "");    // a free value
    EXPECT_EQ(Tip("<table |  border=2>"), "");  // a blank
    EXPECT_EQ(Tip("<nosuch|thing>"), "");
    EXPECT_EQ(Tip("<table nosuch|=1>"), "");
    EXPECT_EQ(Tip("<!-- <ta|ble> -->"), "");
    EXPECT_EQ(Tip("<script>'<ta|ble>'</script>"), "");
}

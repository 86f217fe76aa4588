// A page of the living standard through the colouring engine: every element it added,
// its global, data- and aria- attributes, under the default selection and under older ones.
#include "ColouringTestSupport.h"

#include "core/config/HtmlVer.h"
#include "core/htmlkb/AsciiCase.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace velto;
using namespace velto::test;

namespace {

using C = AppearanceClass;

// The elements that the living standard added, as a page uses them.
const char* const NewElements[] = {
    "ARTICLE", "ASIDE",    "AUDIO",   "BDI",        "CANVAS",  "DATA",    "DATALIST",
    "DETAILS", "DIALOG",   "FIGCAPTION", "FIGURE",  "FOOTER",  "HEADER",  "HGROUP",
    "MAIN",    "MARK",     "METER",   "NAV",        "OUTPUT",  "PICTURE", "PROGRESS",
    "RP",      "RT",       "RUBY",    "SEARCH",     "SECTION", "SLOT",    "SOURCE",
    "SUMMARY", "TEMPLATE", "TIME",    "TRACK",      "VIDEO",   "SVG",     "MATH",
    "ABBR",    "OPTGROUP"};

// The page, written in lower case as modern pages are.
std::string ModernPage() {
    std::string page = "<!DOCTYPE html>\n<html lang=en>\n<head>\n<meta charset=utf-8>\n"
                       "<title>T</title>\n<link rel=preload as=font href=f.woff2 crossorigin>\n"
                       "<script type=module async src=m.js integrity=sha384-x></script>\n"
                       "</head>\n<body>\n";
    for (const char* name : NewElements) {
        std::string tag = ascii::ToLower(name);
        page += "<" + tag + " id=e-" + tag +
                " data-kind=\"x\" aria-label=\"L\" role=region hidden inert "
                "contenteditable=true draggable=false spellcheck=true translate=no "
                "popover=auto itemscope itemprop=p tabindex=0 accesskey=k>x</" +
                tag + ">\n";
    }
    page += "<input type=email required placeholder=\"a@b\" list=l autocomplete=email>\n"
            "<img src=a.png srcset=\"a.png 1x, b.png 2x\" sizes=50vw loading=lazy alt=\"\">\n"
            "<svg viewBox=\"0 0 10 10\"><g><path d=\"M0 0\"/><circle r=1/></g></svg>\n"
            "<math><mrow><mi>x</mi></mrow></math>\n<my-widget>w</my-widget>\n"
            "</body>\n</html>\n";
    return page;
}

std::size_t CountOf(const std::vector<std::uint8_t>& styles, C c) {
    return static_cast<std::size_t>(
        std::count(styles.begin(), styles.end(), static_cast<std::uint8_t>(c)));
}

class Html5Page : public ColouringTest {
protected:
    C ClassOfTag(const std::string& tag) const {
        return static_cast<C>(WholeStyles(tag).at(0));
    }
};

} // namespace

TEST_F(Html5Page, ColouredWithoutErrorsUnderTheDefaultSelection) {
    const std::string page = ModernPage();
    const std::vector<std::uint8_t> styles = WholeStyles(page);
    EXPECT_EQ(CountOf(styles, C::UnknownOrError), 0u) << Runs(styles);
    EXPECT_EQ(CountOf(styles, C::Disabled), 0u) << Runs(styles);
    // Every new element takes its own class, and text stays text.
    for (const char* name : NewElements) {
        const std::string open = "<" + ascii::ToLower(name);
        const std::size_t at = page.find(open + " ");
        ASSERT_NE(at, std::string::npos) << name;
        EXPECT_EQ(styles[at], static_cast<std::uint8_t>(ClassOf(name))) << name;
        EXPECT_EQ(styles[page.find(">x<", at) + 1], static_cast<std::uint8_t>(C::Text)) << name;
    }
    EXPECT_EQ(ClassOfTag("<!DOCTYPE html>"), ClassOf("!DOCTYPE"));
    EXPECT_EQ(ClassOf("!DOCTYPE"), C::Head);
}

TEST_F(Html5Page, OnlyHtml40MarksTheElementsItLacked) {
    Select({"HTML v4.0"});
    const std::string page = ModernPage();
    const std::vector<std::uint8_t> styles = WholeStyles(page);
    std::size_t marked = 0;
    for (const char* name : NewElements) {
        const std::size_t at = page.find("<" + ascii::ToLower(name) + " ");
        const bool inHtml40 = (El(name).Versions() & VersionBits::Html40) != 0;
        EXPECT_EQ(styles[at], static_cast<std::uint8_t>(inHtml40 ? ClassOf(name) : C::Disabled))
            << name;
        marked += inHtml40 ? 0 : 1;
    }
    EXPECT_EQ(marked, std::size(NewElements) - 2) << "all but ABBR and OPTGROUP";
    // Without the living standard, custom elements and SVG's own are unknown.
    EXPECT_EQ(ClassOfTag("<my-widget>"), C::UnknownOrError);
    EXPECT_EQ(ClassOfTag("<circle r=1>"), C::UnknownOrError);
}

TEST_F(Html5Page, CustomElementNamesNeedAHyphen) {
    EXPECT_EQ(ClassOfTag("<my-widget>"), C::StructureLayout);
    EXPECT_EQ(ClassOfTag("<mywidget>"), C::UnknownOrError);
    EXPECT_EQ(ClassOfTag("<path d=\"M0 0\">"), C::EmbedProgrammatic);
}

TEST_F(Html5Page, ObsoleteElementsAreMarkedWithOnlyHtml5) {
    const char* const obsolete[] = {"FONT",     "CENTER",  "FRAMESET", "FRAME",   "NOFRAMES",
                                    "APPLET",   "ACRONYM", "BASEFONT", "BIG",     "DIR",
                                    "ISINDEX",  "LISTING", "MARQUEE",  "MULTICOL", "NOBR",
                                    "PLAINTEXT", "SPACER", "STRIKE",   "TT",      "XMP",
                                    "PARAM",    "BGSOUND", "COMMENT"};
    for (const char* name : obsolete)
        EXPECT_EQ(ClassOfTag(std::string("<") + name + ">"), ClassOf(name)) << name;
    Select({"HTML5"});
    for (const char* name : obsolete)
        EXPECT_EQ(ClassOfTag(std::string("<") + name + ">"), C::Disabled) << name;
    // What the standard keeps stays as it was.
    for (const char* kept : {"P", "A", "TABLE", "INPUT", "B", "I", "SMALL", "EMBED", "MENU"})
        EXPECT_EQ(ClassOfTag(std::string("<") + kept + ">"), ClassOf(kept)) << kept;
    EXPECT_EQ(ClassOfTag("<!DOCTYPE html>"), C::Head);
}

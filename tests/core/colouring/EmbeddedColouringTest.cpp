// What lies inside a page: style sheets, scripts, attribute values and character
// references, each construct on a small page and the hard cases beside it.
#include "ColouringTestSupport.h"

#include <gtest/gtest.h>

using namespace velto;
using namespace velto::test;

namespace {

using C = AppearanceClass;

class Embedded : public ColouringTest {
protected:
    // The page made of the pieces, coloured whole, must give each piece its class.
    void ExpectRuns(std::initializer_list<Piece> pieces) const {
        EXPECT_EQ(Runs(WholeStyles(TextOf(pieces))), Runs(StylesOf(pieces))) << TextOf(pieces);
    }
    // The classes of the characters of `part` where it first occurs in `page`.
    std::string RunsOf(const std::string& page, std::string_view part) const {
        const std::size_t at = page.find(part);
        EXPECT_NE(at, std::string::npos) << part;
        const std::vector<std::uint8_t> styles = WholeStyles(page);
        return Runs(std::vector<std::uint8_t>(styles.begin() + static_cast<std::ptrdiff_t>(at),
                                              styles.begin() +
                                                  static_cast<std::ptrdiff_t>(at + part.size())));
    }
    C Style() const { return ClassOf("STYLE"); }
    C Script() const { return ClassOf("SCRIPT"); }
};

TEST_F(Embedded, StyleSheetsByConstruct) {
    ExpectRuns({{"<style>", Style()},
                {"/* <b>x</b> */", C::CssComment},
                {"\n", C::Text},
                {"p.note", C::CssSelector},
                {" ", C::Text},
                {"a:hover", C::CssSelector},
                {" { ", C::Text},
                {"color", C::CssProperty},
                {": ", C::Text},
                {"#A0b", C::CssColour},
                {"; ", C::Text},
                {"margin", C::CssProperty},
                {": ", C::Text},
                {"-1.5em", C::CssNumber},
                {" ", C::Text},
                {"10%", C::CssNumber},
                {" ", C::Text},
                {"!important", C::CssKeyword},
                {"; ", C::Text},
                {"border", C::CssProperty},
                {": ", C::Text},
                {"solid", C::CssValue},
                {" ", C::Text},
                {"rgb(1, 2%, 3)", C::CssColour},
                {"; ", C::Text},
                {"content", C::CssProperty},
                {": ", C::Text},
                {"\"a \\\" } b\"", C::CssString}, // an escaped quote and a brace inside
                {"; ", C::Text},
                {"background", C::CssProperty},
                {": ", C::Text},
                {"url(", C::CssValue},
                {"a.png", C::CssString},
                {") }\n", C::Text},
                {"@media", C::CssKeyword},
                {" ", C::Text},
                {"print", C::CssValue},
                {" { ", C::Text},
                {"h1", C::CssSelector},
                {" { ", C::Text},
                {"width", C::CssProperty},
                {": ", C::Text},
                {"2px", C::CssNumber},
                {" } }\n", C::Text},
                {"@font-face", C::CssKeyword},
                {" { ", C::Text},
                {"src", C::CssProperty},
                {": ", C::Text},
                {"local", C::CssValue},
                {"(", C::Text},
                {"x", C::CssValue},
                {") }", C::Text},
                {"</style>", Style()}});
}

TEST_F(Embedded, ScriptsByConstruct) {
    ExpectRuns(
        {{"<script>", Script()}, {"var", C::ScriptKeyword},
         {" ", C::Text},         {"url", C::ScriptIdentifier},
         {" = ", C::Text},       {"\"http://x\"", C::ScriptString}, // a "//" inside a string
         {", ", C::Text},        {"n", C::ScriptIdentifier},
         {" = ", C::Text},       {"0x1F", C::ScriptNumber},
         {" + ", C::Text},       {"1.5e-3", C::ScriptNumber},
         {"; ", C::Text},        {"/* <b> */", C::ScriptComment},
         {" ", C::Text},         {"// <i>", C::ScriptComment},
         {"\n", C::Text},        {"promise", C::ScriptIdentifier},
         {".", C::Text},         {"catch", C::ScriptIdentifier}, // a property, not the keyword
         {"(", C::Text},         {"'it''s'", C::ScriptString},
         {");", C::Text},        {"</script>", Script()}});
}

TEST_F(Embedded, RegularExpressionsAreToldFromDivision) {
    ExpectRuns({{"<script>", Script()},
                {"x", C::ScriptIdentifier},
                {" = ", C::Text},
                {"/a\\/[/]b/gi", C::ScriptRegex}, // after '=': a regular expression
                {"; ", C::Text},
                {"y", C::ScriptIdentifier},
                {" = (", C::Text},
                {"a", C::ScriptIdentifier},
                {") / ", C::Text}, // after ')': division
                {"2", C::ScriptNumber},
                {" / ", C::Text},
                {"b", C::ScriptIdentifier},
                {"; ", C::Text},
                {"return", C::ScriptKeyword},
                {" ", C::Text},
                {"/re/", C::ScriptRegex}, // after a keyword that ends nothing
                {";", C::Text},
                {"</script>", Script()}});
}

TEST_F(Embedded, TemplateLiteralsNest) {
    ExpectRuns({{"<script type=", Script()},
                {"\"module\"", C::AttributeValue},
                {">", Script()},
                {"`a ", C::ScriptString},
                {"${", C::ScriptKeyword},
                {" {", C::Text},
                {"b", C::ScriptIdentifier},
                {": ", C::Text},
                {"`c ", C::ScriptString},
                {"${", C::ScriptKeyword},
                {"1", C::ScriptNumber},
                {"}", C::ScriptKeyword},
                {"`", C::ScriptString},
                {"}.", C::Text},
                {"b", C::ScriptIdentifier},
                {" ", C::Text},
                {"}", C::ScriptKeyword},
                {" // not a comment`", C::ScriptString},
                {"</script>", Script()}});
}

TEST_F(Embedded, AnEndTagInAStringStillEndsTheScript) {
    ExpectRuns({{"<script>", Script()},
                {"s", C::ScriptIdentifier},
                {" = ", C::Text},
                {"\"", C::ScriptString},
                {"</SCRIPT >", Script()},
                {"\"; ", C::Text}, // the page again
                {"<b>", ClassOf("B")},
                {"</script>", Script()}});
}

TEST_F(Embedded, ScriptTypesDecideTheLanguage) {
    const std::string json =
        "<script type=\"application/ld+json\">{\"a\": [1, true, /x/]}</script>";
    EXPECT_EQ(RunsOf(json, "\"a\": [1, true, /x/]"), Runs(StylesOf({{"\"a\"", C::ScriptString},
                                                                    {": [", C::Text},
                                                                    {"1", C::ScriptNumber},
                                                                    {", ", C::Text},
                                                                    {"true", C::ScriptKeyword},
                                                                    {", /", C::Text},
                                                                    {"x", C::ScriptIdentifier},
                                                                    {"/]", C::Text}})));
    const std::string other = "<script type=text/template><b>x</b> // y</script>";
    EXPECT_EQ(RunsOf(other, "<b>x</b> // y"), Runs(StylesOf({{"<b>x</b> // y", C::Text}})));
    for (const char* type :
         {"text/javascript", "TEXT/JAVASCRIPT ", "application/ecmascript", "module", ""}) {
        const std::string page = std::string("<script type='") + type + "'>if (x) y()</script>";
        EXPECT_EQ(RunsOf(page, "if"), Runs(StylesOf({{"if", C::ScriptKeyword}}))) << type;
    }
    // Nothing in a script or style sheet is a tag, nor takes a tag's class.
    const std::string page = "<style>p { content: '<b>' }</style><script>a<b && c>d</script><b>";
    EXPECT_EQ(RunsOf(page, "<b>'"), Runs(StylesOf({{"<b>'", C::CssString}})));
    EXPECT_EQ(RunsOf(page, "a<b && c>d"), Runs(StylesOf({{"a", C::ScriptIdentifier},
                                                         {"<", C::Text},
                                                         {"b", C::ScriptIdentifier},
                                                         {" && ", C::Text},
                                                         {"c", C::ScriptIdentifier},
                                                         {">", C::Text},
                                                         {"d", C::ScriptIdentifier}})));
    EXPECT_EQ(WholeStyles(page).back(), static_cast<std::uint8_t>(ClassOf("B")));
}

TEST_F(Embedded, AttributeValuesAndTheirLanguages) {
    const C a = ClassOf("A");
    ExpectRuns({{"<A HREF=", a},
                {"\"x > y.html?a=1", C::AttributeValue}, // a '>' inside quotes
                {"&amp;", C::CharacterReference},
                {"b=2\"", C::AttributeValue},
                {" TARGET=", a},
                {"_top", C::AttributeValue},
                {" onclick=", a},
                {"'", C::AttributeValue},
                {"go", C::ScriptIdentifier},
                {"(", C::Text},
                {"\"x\"", C::ScriptString},
                {"); ", C::Text},
                {"return", C::ScriptKeyword},
                {" ", C::Text},
                {"false", C::ScriptKeyword},
                {"'", C::AttributeValue},
                {" style=", a},
                {"\"", C::AttributeValue},
                {"color", C::CssProperty},
                {": ", C::Text},
                {"red", C::CssValue},
                {"\"", C::AttributeValue},
                {" download>", a},
                {"text", C::Text},
                {"</A>", a}});
    // The reference inside the value is one of its own.
    EXPECT_EQ(RunsOf("<a href=\"?a=1&amp;b=2\">", "1&amp;b"),
              Runs(StylesOf({{"1", C::AttributeValue},
                             {"&amp;", C::CharacterReference},
                             {"b", C::AttributeValue}})));
    // A quote that never closes ends at the first '>' after it.
    const std::string open = "<img alt=\"a> text <b>";
    EXPECT_EQ(RunsOf(open, "\"a"), Runs(StylesOf({{"\"a", C::AttributeValue}})));
    EXPECT_EQ(RunsOf(open, " text "), Runs(StylesOf({{" text ", C::Text}})));
}

TEST_F(Embedded, CharacterReferences) {
    ExpectRuns({{"&amp;", C::CharacterReference},
                {" ", C::Text},
                {"&#233;", C::CharacterReference},
                {" ", C::Text},
                {"&#x20AC;", C::CharacterReference},
                {" ", C::Text},
                {"&bogus;", C::UnknownOrError},
                {" ", C::Text},
                {"&#0;", C::UnknownOrError},
                {" ", C::Text},
                {"&#x110000;", C::UnknownOrError},
                {" ", C::Text},
                {"&copy", C::CharacterReference}, // an old name, without ';'
                {" &hellip & &; &#; AT&T", C::Text}});
    // A name of a version outside the selection is disabled.
    Select({"HTML v3.2"});
    ExpectRuns({{"&eacute;", C::CharacterReference},
                {" ", C::Text},
                {"&hellip;", C::Disabled},
                {" ", C::Text},
                {"&apos;", C::Disabled}});
    // In a value an old name before '=' is part of an address.
    EXPECT_EQ(RunsOf("<a href=\"x?a=1&copy=2\">", "&copy=2"),
              Runs(StylesOf({{"&copy=2", C::AttributeValue}})));
}

TEST_F(Embedded, CommentsAreNeverSearchedForTags) {
    ExpectRuns({{"<!-- <P>foo</P> <script>x</script> ", C::Comment},
                {"-->", C::Comment},
                {" ", C::Text},
                {"<B>", ClassOf("B")}});
    // "<!-->" is a whole comment, and a comment need not start with a blank.
    ExpectRuns({{"<!-->", C::Comment}, {"x", C::Text}, {"<!--y-->", C::Comment}});
}

} // namespace

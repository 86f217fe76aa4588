// The problems of a page in the GNU format and as JSON, with lines and columns as people
// count them.
#include "CheckTestSupport.h"
#include "core/check/ProblemFormat.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velto::test {
namespace {

Problem Make(Rule rule, std::size_t start, std::size_t end, std::string message) {
    Problem p;
    p.rule = rule;
    p.severity = InfoOf(rule).severity;
    p.start = start;
    p.end = end;
    p.message = std::move(message);
    return p;
}

TEST(LineIndex, LinesEndAtLfCrLfAndCrAndColumnsCountCharacters) {
    const std::string text = "ab\r\ncd\ref\n\xc3\xa9t\xc3\xa9<x>";
    const LineIndex lines(text);
    EXPECT_EQ(lines.At(0).line, 1u);
    EXPECT_EQ(lines.At(4).line, 2u);
    EXPECT_EQ(lines.At(7).line, 3u);
    EXPECT_EQ(lines.At(10).line, 4u);
    // "été<x>": the '<' is the fourth character though the seventh byte.
    const std::size_t lt = text.find('<');
    EXPECT_EQ(lines.At(lt).column, 4u);
    EXPECT_EQ(lines.LastOf(lt, lt + 3).column, 6u);
    // The last character of a range ending in a two-byte character.
    EXPECT_EQ(lines.LastOf(10, 12).column, 1u);
}

TEST(LineIndex, BytesThatAreNoUtf8CountOneCharacterEach) {
    // A page kept as raw bytes: windows-1252 "\xa9 \xb0" (a copyright sign and a degree
    // sign, bytes that UTF-8 uses only inside a character), then a stray lead byte.
    const std::string text = "\xa9\xb0<b>\xe9<i>";
    const LineIndex lines(text);
    EXPECT_EQ(lines.At(text.find('<')).column, 3u);
    EXPECT_EQ(lines.At(text.find("<i>")).column, 7u);
    EXPECT_EQ(lines.LastOf(0, 2).column, 2u);
    EXPECT_EQ(lines.LastOf(text.find('b') + 2, text.find("<i>")).column, 6u);
}

TEST(Formats, GnuLinesWithRelatedNotes) {
    const std::string text = "<p>\n  <span>x</div>";
    Problem p = Make(Rule::UnclosedElement, 6, 12, "SPAN is never closed");
    p.relatedStart = 13;
    p.relatedEnd = 19;
    p.relatedNote = "closed here";
    std::ostringstream out;
    WriteGnu(out, "page.html", text, {p, Make(Rule::MissingTitle, 0, 3, "no\ntitle")});
    EXPECT_EQ(out.str(), "page.html:2.3-2.8: error: SPAN is never closed [unclosed-element]\n"
                         "page.html:2.10-2.15: note: closed here [unclosed-element]\n"
                         "page.html:1.1-1.3: info: no title [missing-title]\n");
}

TEST(Formats, JsonEscapesAndReplacesBytesThatAreNotUtf8) {
    std::ostringstream out;
    WriteJsonString(out, "a\"b\\c\n\t\x01 \xc3\xa9 \xff end");
    EXPECT_EQ(out.str(), "\"a\\\"b\\\\c\\n\\t\\u0001 \xc3\xa9 \\ufffd end\"");
    std::ostringstream file;
    WriteJson(file, "p.html", "windows-1252", "x\n<b>", {Make(Rule::UnknownElement, 2, 5, "B?")});
    EXPECT_EQ(file.str(),
              "{\"file\": \"p.html\", \"encoding\": \"windows-1252\", \"problems\": [\n"
              "  {\"rule\": \"unknown-element\", \"severity\": \"error\", \"message\": \"B?\", "
              "\"start\": {\"line\": 2, \"column\": 1, \"offset\": 2}, "
              "\"end\": {\"line\": 2, \"column\": 3, \"offset\": 5}}\n]}");
}

} // namespace
} // namespace velto::test

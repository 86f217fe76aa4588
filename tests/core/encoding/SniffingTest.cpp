// Which encoding a page is read in, and why: byte order marks, the prescan of the page's
// declaration, the label table, UTF-8 by its bytes, and the fallback.
#include "core/encoding/PageDecoding.h"

#include <gtest/gtest.h>

#include <string>

using namespace velto;
using namespace std::string_literals;

namespace {

struct Case {
    const char* what;
    std::string bytes;
    const char* encoding;
    EncodingRule rule;
};

Sniffed Sniff(const std::string& bytes) {
    return SniffEncoding(bytes, Windows1252Encoding());
}

std::string Padding(std::size_t n) {
    return "<!-- " + std::string(n, 'x') + " -->";
}

} // namespace

TEST(Sniffing, FollowsTheOrderOfTheStandard) {
    const Case cases[] = {
        {"UTF-8 BOM over a declaration", "\xEF\xBB\xBF<meta charset=koi8-r>"s, "UTF-8", EncodingRule::Bom},
        {"UTF-16LE BOM", "\xFF\xFE<\0p\0"s, "UTF-16LE", EncodingRule::Bom},
        {"UTF-16BE BOM", "\xFE\xFF\0<\0p"s, "UTF-16BE", EncodingRule::Bom},
        {"meta charset", "<head><meta charset=\"windows-1251\">", "windows-1251", EncodingRule::Meta},
        {"http-equiv first",
         "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=iso-8859-2\">",
         "ISO-8859-2", EncodingRule::Meta},
        {"content first", "<meta content='text/html;charset=KOI8-R' http-equiv=content-type>",
         "KOI8-R", EncodingRule::Meta},
        {"unquoted", "<meta charset=shift_jis>", "Shift_JIS", EncodingRule::Meta},
        {"single-quoted", "<meta charset='euc-jp'>", "EUC-JP", EncodingRule::Meta},
        {"latin1 is windows-1252", "<meta charset=latin1>\xE9", "windows-1252", EncodingRule::Meta},
        {"ISO_8859-1 is windows-1252", "<meta charset=ISO_8859-1>", "windows-1252", EncodingRule::Meta},
        {"us-ascii is windows-1252", "<meta charset=us-ascii>", "windows-1252", EncodingRule::Meta},
        {"a declared UTF-16 is UTF-8", "<meta charset=utf-16>", "UTF-8", EncodingRule::Meta},
        {"x-user-defined is windows-1252", "<meta charset=x-user-defined>", "windows-1252", EncodingRule::Meta},
        {"labels are trimmed", "<meta charset=\" \tGBK \">", "GBK", EncodingRule::Meta},
        {"xml declaration", "<?xml version=\"1.0\" encoding='ISO-8859-15'?><html>", "ISO-8859-15", EncodingRule::Xml},
        {"meta beats xml", "<?xml version=\"1.0\" encoding=\"big5\"?><meta charset=gbk>", "GBK", EncodingRule::Meta},
        {"UTF-16LE xml without a BOM", "<\0?\0x\0m\0l\0"s, "UTF-16LE", EncodingRule::Xml},
        {"valid UTF-8", "<p>caf\xC3\xA9", "UTF-8", EncodingRule::Utf8},
        {"plain ASCII", "<p>plain", "UTF-8", EncodingRule::Utf8},
        {"not UTF-8", "<p>caf\xE9", "windows-1252", EncodingRule::Fallback},
        {"unknown label", "<meta charset=klingon>caf\xE9", "windows-1252", EncodingRule::Fallback},
        {"declaration in a comment", "<!-- <meta charset=koi8-r> --><p>\xE9", "windows-1252", EncodingRule::Fallback},
        {"the comment <!--> ends at once", "<!--><meta charset=koi8-r>", "KOI8-R", EncodingRule::Meta},
        {"declaration inside another tag's value", "<a title='<meta charset=koi8-r>'>\xE9", "windows-1252",
         EncodingRule::Fallback},
        {"content without http-equiv", "<meta content=\"text/html; charset=koi8-r\">\xE9", "windows-1252",
         EncodingRule::Fallback},
        {"first charset attribute wins", "<meta charset=koi8-r charset=gbk>", "KOI8-R", EncodingRule::Meta},
        {"meta after 1024 bytes", Padding(1030) + "<meta charset=koi8-r>\xE9", "windows-1252",
         EncodingRule::Fallback},
        {"meta before 1024 bytes", Padding(900) + "<meta charset=koi8-r>", "KOI8-R", EncodingRule::Meta},
    };
    for (const Case& c : cases) {
        const Sniffed s = Sniff(c.bytes);
        ASSERT_NE(s.encoding, nullptr) << c.what;
        EXPECT_EQ(s.encoding->name, c.encoding) << c.what;
        EXPECT_EQ(s.rule, c.rule) << c.what;
    }
}

TEST(Sniffing, TheFallbackIsTheUsersChoice) {
    const Sniffed s = SniffEncoding("<p>\xCF\xF0\xE8", *FindEncoding("windows-1251"));
    EXPECT_EQ(s.encoding->name, "windows-1251");
    EXPECT_EQ(s.rule, EncodingRule::Fallback);
}

TEST(Sniffing, RefusedLabelsGiveTheReplacementEncoding) {
    const Sniffed s = Sniff("<meta charset=iso-2022-kr>");
    ASSERT_NE(s.encoding, nullptr);
    EXPECT_EQ(s.encoding->kind, EncodingKind::Replacement);
    EXPECT_EQ(FindEncoding("iso-2022-kr"), nullptr); // never chosen by name
}

TEST(Labels, MatchWithoutRegardToAsciiCaseOnly) {
    EXPECT_EQ(GetEncoding("LATIN1"), &Windows1252Encoding());
    EXPECT_EQ(GetEncoding("\n utf8 \f"), &Utf8Encoding());
    EXPECT_EQ(GetEncoding("utf-8x"), nullptr);
    EXPECT_EQ(GetEncoding("latın1"), nullptr); // a dotless i is no ASCII i
    EXPECT_EQ(GetEncoding(""), nullptr);
    // Every encoding is known by its own name, and names are unique.
    for (const EncodingInfo& e : Encodings()) {
        EXPECT_EQ(FindEncoding(e.name), &e) << e.name;
        EXPECT_NE(GetEncoding(e.name), nullptr) << e.name;
    }
}

TEST(Prescan, ContentValuesAsTheStandardExtractsThem) {
    EXPECT_EQ(EncodingFromContent("text/html; charset=koi8-r")->name, "KOI8-R");
    EXPECT_EQ(EncodingFromContent("text/html; CHARSET = \"gbk\"")->name, "GBK");
    EXPECT_EQ(EncodingFromContent("charsetx; charset=big5;x")->name, "Big5");
    EXPECT_EQ(EncodingFromContent("text/html; charset=\"gbk"), nullptr); // unmatched quote
    EXPECT_EQ(EncodingFromContent("text/html"), nullptr);
}

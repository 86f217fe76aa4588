// Converting pages: every byte of every single-byte encoding and back, the Unicode and
// multi-byte encodings checked both ways, and characters an encoding cannot hold.
#include "core/encoding/CharacterReferenceText.h"
#include "core/encoding/Codec.h"
#include "core/encoding/PageDecoding.h"
#include "core/encoding/SingleByteTable.h"
#include "core/encoding/Utf8Text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace velto;
using namespace std::string_literals;

namespace {
std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    return bytes;
}

const EncodingInfo& Enc(const char* name) {
    const EncodingInfo* e = FindEncoding(name);
    EXPECT_NE(e, nullptr) << name;
    return *e;
}
} // namespace

TEST(SingleByte, EveryByteOfEveryEncodingReadsAsACharacterAndIsWrittenBack) {
    const std::string bytes = AllBytes();
    int tested = 0;
    for (const EncodingInfo& e : Encodings()) {
        if (e.kind != EncodingKind::SingleByte)
            continue;
        ++tested;
        const SingleByteTable* table = SingleByteTable::For(e);
        ASSERT_NE(table, nullptr) << e.name;
        std::set<char32_t> seen;
        for (int b = 0; b < 256; ++b)
            EXPECT_TRUE(seen.insert(table->Character(static_cast<unsigned char>(b))).second)
                << e.name << " byte " << b << " shares its character";
        const std::optional<std::string> text = DecodeToUtf8(bytes, e);
        ASSERT_TRUE(text) << e.name;
        EXPECT_TRUE(IsValidUtf8(*text)) << e.name;
        const EncodeResult back = EncodeFromUtf8(*text, e);
        EXPECT_TRUE(back.ok) << e.name;
        EXPECT_EQ(back.bytes, bytes) << e.name;
        // Opening a page of all 256 bytes in the encoding keeps it as text, not raw.
        const DecodedPage page = DecodePageAs(bytes, e);
        EXPECT_FALSE(page.encoding.raw) << e.name;
    }
    EXPECT_EQ(tested, 29); // windows-874 and 1250-1258, ISO-8859-2 to 16 and 8-I, KOI8, macs, 866, user-defined
}

TEST(SingleByte, CharactersAreThoseOfTheStandard) {
    const SingleByteTable& w1252 = *SingleByteTable::For(Windows1252Encoding());
    EXPECT_EQ(w1252.Character(0x80), U'\u20AC');
    EXPECT_EQ(w1252.Character(0x93), U'\u201C');
    EXPECT_EQ(w1252.Character(0xE9), U'\u00E9');
    // Bytes the code page leaves out read as the C1 controls of the same number.
    for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(w1252.Character(b), static_cast<char32_t>(b));
    EXPECT_EQ(SingleByteTable::For(Enc("ISO-8859-16"))->Character(0xA4), U'\u20AC');
    EXPECT_EQ(SingleByteTable::For(Enc("KOI8-R"))->Character(0xC1), U'\u0430');
    EXPECT_EQ(SingleByteTable::For(Enc("x-user-defined"))->Character(0x80), U'\uF780');
    // A byte with no character anywhere keeps a private one of its own.
    EXPECT_EQ(SingleByteTable::For(Enc("ISO-8859-3"))->Character(0xA5), UnmappedByteBase + 0xA5);
}

TEST(Unicode, Utf16PagesWithAByteOrderMarkGoBothWays) {
    const std::string le = "\xFF\xFE<\0p\0>\0\xE9\0\x3D\xD8\x00\xDE"s; // <p>é and an emoji
    const DecodedPage page = DecodePage(le, Windows1252Encoding());
    EXPECT_EQ(page.encoding.encoding->name, "UTF-16LE");
    EXPECT_TRUE(page.encoding.bom);
    EXPECT_FALSE(page.encoding.raw);
    EXPECT_EQ(page.Text(le), "<p>\xC3\xA9\xF0\x9F\x98\x80");
    const EncodeResult back = EncodeFromUtf8(page.Text(le), *page.encoding.encoding);
    EXPECT_EQ(std::string(ByteOrderMark(*page.encoding.encoding)) + back.bytes, le);

    const std::string lone = "\xFF\xFE<\0\x00\xD8p\0"s; // a lone surrogate
    EXPECT_TRUE(DecodePage(lone, Windows1252Encoding()).encoding.raw);
}

TEST(MultiByte, PagesThatGiveTheirBytesBackAreText) {
    const std::string sjis = "<meta charset=shift_jis><p>\x93\xFA\x96\x7B\x8C\xEA \xB1\xB2"; // 日本語 ｱｲ
    DecodedPage page = DecodePage(sjis, Windows1252Encoding());
    EXPECT_EQ(page.encoding.encoding->name, "Shift_JIS");
    ASSERT_FALSE(page.encoding.raw);
    EXPECT_EQ(page.Text(sjis), "<meta charset=shift_jis><p>\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xEF\xBD\xB1\xEF\xBD\xB2");
    EXPECT_EQ(EncodeFromUtf8(page.Text(sjis), *page.encoding.encoding).bytes, sjis);

    const std::string jis = "<meta charset=iso-2022-jp>\x1B$B$3$s\x1B(B!"; // こん in ISO-2022-JP
    page = DecodePage(jis, Windows1252Encoding());
    ASSERT_FALSE(page.encoding.raw);
    EXPECT_EQ(EncodeFromUtf8(page.Text(jis), *page.encoding.encoding).bytes, jis);

    for (const char* name : {"EUC-JP", "GBK", "gb18030", "Big5", "EUC-KR"}) {
        const EncodeResult bytes = EncodeFromUtf8("<p>\xE4\xB8\xAD a", Enc(name)); // 中
        ASSERT_TRUE(bytes.ok) << name;
        const DecodedPage p = DecodePageAs(bytes.bytes, Enc(name));
        EXPECT_FALSE(p.encoding.raw) << name;
        EXPECT_EQ(p.Text(bytes.bytes), "<p>\xE4\xB8\xAD a") << name;
    }
}

TEST(MultiByte, PagesNotValidInTheirEncodingStayRawBytes) {
    const std::string truncated = "<meta charset=shift_jis><p>\x93"; // half a character
    const DecodedPage page = DecodePage(truncated, Windows1252Encoding());
    EXPECT_TRUE(page.encoding.raw);
    EXPECT_EQ(page.raw, RawReason::Invalid);
    EXPECT_EQ(page.Text(truncated), truncated);
}

TEST(Utf8, AStrayLatin1ByteInADeclaredUtf8PageKeepsTheBytesRaw) {
    const std::string bytes = "<meta charset=utf-8><p>Caf\xE9 \xC3\xA9";
    const DecodedPage page = DecodePage(bytes, Windows1252Encoding());
    EXPECT_TRUE(page.encoding.raw);
    EXPECT_EQ(page.conflict, DeclarationConflict::NotUtf8);
    EXPECT_EQ(page.Text(bytes), bytes);
    EXPECT_NE(DecodingNotice(page, Windows1252Encoding()).find("not valid UTF-8"), std::string::npos);
}

TEST(Utf8, ADeclaredLegacyPageHoldingUtf8IsNoticed) {
    const std::string bytes = "<meta charset=windows-1252><p>Caf\xC3\xA9";
    const DecodedPage page = DecodePage(bytes, Windows1252Encoding());
    EXPECT_FALSE(page.encoding.raw);
    EXPECT_EQ(page.conflict, DeclarationConflict::IsUtf8);
    EXPECT_EQ(page.Text(bytes), "<meta charset=windows-1252><p>Caf\xC3\x83\xC2\xA9"); // as a browser shows it
    EXPECT_EQ(DecodePage("<meta charset=windows-1252><p>plain", Windows1252Encoding()).conflict,
              DeclarationConflict::None);
}

TEST(Utf8, Validation) {
    EXPECT_TRUE(IsValidUtf8("plain \xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"));
    for (const std::string& bad : {"\xC0\xAF"s, "\xED\xA0\x80"s, "\xF4\x90\x80\x80"s, "\xE2\x82"s, "\x80"s,
                                  std::string(40, 'a') + "\xFF"})
        EXPECT_FALSE(IsValidUtf8(bad));
}

TEST(Encoding, TypedLettersGoBackAsTheEncodingsOwnBytes) {
    const EncodeResult r = EncodeFromUtf8("caf\xC3\xA9 \xE2\x82\xAC", Windows1252Encoding());
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.bytes, "caf\xE9 \x80");
}

TEST(Encoding, CharactersTheEncodingCannotHoldAreCountedNeverQuestionMarks) {
    const std::string text = "a\n\xE2\x80\x9C ok \xE2\x9C\x93 \xCE\xB1 \xF0\x9F\x98\x80"; // “ ✓ α 😀
    EncodeResult r = EncodeFromUtf8(text, Windows1252Encoding());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.unencodable.count, 3u);
    EXPECT_EQ(r.unencodable.first, U'\u2713');
    EXPECT_EQ(LineOfOffset(text, r.unencodable.firstOffset), 2u);
    EXPECT_EQ(r.bytes.find('?'), std::string::npos);

    const ReferenceWriter numeric = MakeReferenceWriter();
    r = EncodeFromUtf8(text, Windows1252Encoding(), &numeric);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.bytes, "a\n\x93 ok &#10003; &#945; &#128512;");

    const ReferenceWriter named = MakeReferenceWriter([](char32_t c) -> std::string_view {
        return c == U'\u03B1' ? "alpha" : "";
    });
    EXPECT_EQ(EncodeFromUtf8(text, Windows1252Encoding(), &named).bytes, "a\n\x93 ok &#10003; &alpha; &#128512;");

    // Through ICU too, where a stateful encoding's shifts stay right around a reference.
    r = EncodeFromUtf8("\xE3\x81\x93\xE2\x9C\x93\xE3\x82\x93", Enc("ISO-2022-JP"), &numeric); // こ✓ん
    EXPECT_EQ(r.unencodable.count, 1u);
    EXPECT_EQ(r.unencodable.firstOffset, 3u);
    EXPECT_EQ(r.bytes, "\x1B$B$3\x1B(B&#10003;\x1B$B$s\x1B(B");
    r = EncodeFromUtf8("\xE2\x9C\x93", Enc("Shift_JIS"));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.unencodable.first, U'\u2713');
}

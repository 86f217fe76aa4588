// Rewriting a page's declaration of its encoding, or adding one after <head>.
#include "core/encoding/CharsetDeclaration.h"
#include "core/encoding/PageDecoding.h"

#include <gtest/gtest.h>

using namespace velto;

namespace {
std::string Applied(const std::string& page, const char* name) {
    const std::optional<TextEdit> edit = DeclarationEdit(page, name);
    if (!edit)
        return page;
    std::string out = page;
    out.replace(edit->offset, edit->length, edit->text);
    return out;
}
} // namespace

TEST(Declaration, IsRewrittenWhereverThePageKeepsIt) {
    EXPECT_EQ(Applied("<head><meta charset=\"windows-1252\"><title>", "UTF-8"),
              "<head><meta charset=\"UTF-8\"><title>");
    EXPECT_EQ(Applied("<HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=iso-8859-1\">", "UTF-8"),
              "<HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">");
    EXPECT_EQ(Applied("<meta content='text/html' http-equiv=content-type>", "koi8-r"),
              "<meta content='text/html; charset=koi8-r' http-equiv=content-type>");
    EXPECT_EQ(Applied("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<html>", "UTF-8"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<html>");
    EXPECT_EQ(Applied("<!-- <meta charset=big5> --><head><meta charset=gbk>", "UTF-8"),
              "<!-- <meta charset=big5> --><head><meta charset=UTF-8>");
}

TEST(Declaration, IsAddedAfterTheHeadInItsLetterCase) {
    EXPECT_EQ(Applied("<HTML><HEAD>\n<TITLE>x</TITLE>", "UTF-8"),
              "<HTML><HEAD>\n<META CHARSET=\"UTF-8\">\n<TITLE>x</TITLE>");
    EXPECT_EQ(Applied("<html><head lang=en><title>", "windows-1252"),
              "<html><head lang=en><meta charset=\"windows-1252\"><title>");
    // No head, or a head only in the body's text: nothing is added.
    EXPECT_FALSE(DeclarationEdit("<P>just text", "UTF-8"));
    EXPECT_FALSE(DeclarationEdit("<body><p>a <head> in text", "UTF-8"));
}

TEST(Declaration, ThatAlreadyMatchesIsLeftAlone) {
    EXPECT_FALSE(DeclarationEdit("<meta charset=utf-8>", "UTF-8"));
    EXPECT_FALSE(DeclarationEdit("<meta charset=latin1>", "windows-1252"));
}

TEST(Declaration, RewrittenPagesSniffAsTheNewEncoding) {
    const std::string page = Applied("<html><head><title>t</title>", "KOI8-R");
    EXPECT_EQ(SniffEncoding(page, Windows1252Encoding()).encoding->name, "KOI8-R");
}

TEST(EncodingField, NamesTheEncodingWithItsMarksAndReadsBack) {
    for (const char* field : {"windows-1252", "UTF-16LE bom", "UTF-8 raw", "Shift_JIS bom raw"}) {
        const std::optional<DocumentEncoding> e = ParseEncodingField(field);
        ASSERT_TRUE(e) << field;
        EXPECT_EQ(EncodingField(*e), field);
    }
    EXPECT_FALSE(ParseEncodingField(""));
    EXPECT_FALSE(ParseEncodingField("klingon bom"));
    EXPECT_EQ(NewDocumentEncoding("nonsense").encoding, &Utf8Encoding());
    EXPECT_TRUE(NewDocumentEncoding("utf-16").bom); // UTF-16 needs its mark to be read back
}

// The recovery file format: texts come back byte for byte, and every kind of damage is
// refused rather than taken for a text.
#include "core/recovery/Crc32.h"
#include "core/recovery/RecoveryRecord.h"

#include <gtest/gtest.h>

using namespace velto;

namespace {
using namespace std::string_literals;

// NUL, invalid UTF-8, lone CR and CRLF line ends, a header-like line inside the text.
const std::string Awkward = "<p>a\0b\r\xff\xfe\xc3(\r\n\n\nlength 3\ncrc32 00000000\n\n</p>\r"s;

RecoveryRecord Record(std::string path, std::string text) {
    RecoveryRecord r;
    r.path = std::move(path);
    r.title = r.path.empty() ? "Velto2" : "page.html";
    r.savedAt = 1765100000;
    r.text = std::move(text);
    return r;
}

std::string FileOf(const RecoveryRecord& r) {
    return RecoveryHeader(r, r.text) + r.text;
}
} // namespace

TEST(Crc32, KnownCheckValuesAndPieces) {
    EXPECT_EQ(Crc32(0, ""), 0u);
    EXPECT_EQ(Crc32(0, "123456789"), 0xCBF43926u);
    // The eight-byte steps and the byte steps agree, whatever the split.
    const std::string long_ = "The quick brown fox jumps over the lazy dog";
    EXPECT_EQ(Crc32(0, long_), 0x414FA339u);
    for (std::size_t split = 0; split <= long_.size(); ++split)
        EXPECT_EQ(Crc32(Crc32(0, long_.substr(0, split)), long_.substr(split)), 0x414FA339u) << split;
}

TEST(RecoveryRecord, RoundTripKeepsEveryByteAndField) {
    const std::vector<RecoveryRecord> records = {
        Record("/home/u/site/page.html", Awkward),
        Record("", Awkward), // untitled
        Record("/tmp/odd %41 name\nwith line\tend\x7f.html", "x"),
        Record("/tmp/empty.html", ""),
    };
    for (const RecoveryRecord& r : records) {
        const RecoveryParse parsed = ParseRecovery(FileOf(r));
        ASSERT_TRUE(parsed.record) << parsed.problem;
        EXPECT_EQ(parsed.record->path, r.path);
        EXPECT_EQ(parsed.record->Untitled(), r.path.empty());
        EXPECT_EQ(parsed.record->title, r.title);
        EXPECT_EQ(parsed.record->savedAt, r.savedAt);
        EXPECT_EQ(parsed.record->text, r.text);
    }
}

TEST(RecoveryRecord, DamagedFilesAreRefused) {
    const std::string whole = FileOf(Record("/home/u/page.html", Awkward));
    const std::size_t textStart = whole.size() - Awkward.size();
    struct Case {
        const char* what;
        std::string bytes;
    };
    std::vector<Case> cases = {
        {"empty", ""},
        {"other file", "<html>\n\n</html>"},
        {"header only, cut", whole.substr(0, textStart / 2)},
        {"text cut short", whole.substr(0, whole.size() - 1)},
        {"text missing", whole.substr(0, textStart)},
        {"runs on", whole + "x"},
    };
    // One flipped bit anywhere after the first line: in the path, the time, the length,
    // the checksum or the text.
    for (std::size_t at : {std::size_t(26), whole.find("time ") + 6, whole.find("length ") + 7,
                           whole.find("crc32 ") + 7, textStart, whole.size() - 1}) {
        std::string flipped = whole;
        flipped[at] = static_cast<char>(flipped[at] ^ 0x01);
        cases.push_back({"flipped", flipped});
    }
    for (const Case& c : cases) {
        const RecoveryParse parsed = ParseRecovery(c.bytes);
        EXPECT_FALSE(parsed.record) << c.what;
        EXPECT_FALSE(parsed.problem.empty()) << c.what;
    }
    EXPECT_NE(ParseRecovery(whole.substr(0, whole.size() - 1)).problem.find("cut short"), std::string::npos);
}

// The encoding comes back with the text, and files from before encodings were kept still
// read (without one); a changed encoding line fails the checksum like any other field.
TEST(RecoveryRecord, KeepsTheEncodingOfTheText) {
    RecoveryRecord r = Record("/site/old.html", "caf\xC3\xA9");
    r.encoding = "UTF-16LE bom";
    const std::string file = FileOf(r);
    const RecoveryParse parsed = ParseRecovery(file);
    ASSERT_TRUE(parsed.record) << parsed.problem;
    EXPECT_EQ(parsed.record->encoding, "UTF-16LE bom");
    EXPECT_EQ(parsed.record->text, r.text);

    std::string changed = file;
    changed.replace(changed.find("UTF-16LE"), 8, "KOI8-R  ");
    EXPECT_FALSE(ParseRecovery(changed).record);

    const RecoveryRecord older = Record("/site/old.html", "caf\xE9");
    const std::string olderFile = FileOf(older);
    EXPECT_EQ(olderFile.find("encoding"), std::string::npos);
    ASSERT_TRUE(ParseRecovery(olderFile).record);
    EXPECT_EQ(ParseRecovery(olderFile).record->encoding, "");
}

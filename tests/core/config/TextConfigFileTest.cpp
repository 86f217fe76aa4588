// CTextConfigFile: comments, trimming, keys and values, forward-only search, odd files.
#include "core/config/TextConfigFile.h"

#include "core/fakes/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace velto;
using velto::test::TempDir;

namespace {
// Opens a reader on a file holding the given bytes.
struct ConfigFixture {
    explicit ConfigFixture(std::string_view bytes) {
        path = dir.Write("menu.txt", bytes).string();
        EXPECT_TRUE(reader.Open(path));
    }
    TempDir dir;
    std::string path;
    CTextConfigFile reader;
};
} // namespace

TEST(TextConfigFile, KeysAndValuesWithCommentsTabsAndBlanks) {
    ConfigFixture f("; a whole-line comment\r\n"
                    "\r\n"
                    "KEY value ; note\r\n"
                    "\tKEY   a b  \n"
                    "   \t  \n"
                    "ALONE\n"
                    "URL http://example.com/a;b\n"
                    "last line without end");
    std::string key, value;
    ASSERT_TRUE(f.reader.ReadKey(&key, &value));
    EXPECT_EQ(key, "KEY");
    EXPECT_EQ(value, "value");
    EXPECT_EQ(f.reader.CurrentLine(), "KEY value");
    ASSERT_TRUE(f.reader.ReadKey(&key, &value));
    EXPECT_EQ(key, "KEY");
    EXPECT_EQ(value, "a b");
    ASSERT_TRUE(f.reader.ReadKey(&key, &value));
    EXPECT_EQ(key, "ALONE");
    EXPECT_EQ(value, "");
    ASSERT_TRUE(f.reader.ReadKey(&key, &value));
    EXPECT_EQ(value, "http://example.com/a"); // a value cannot hold the comment marker
    std::string line;
    ASSERT_TRUE(f.reader.ReadLine(&line));
    EXPECT_EQ(line, "last line without end");
    line = "unchanged";
    EXPECT_FALSE(f.reader.ReadLine(&line));
    EXPECT_EQ(line, "unchanged");
    EXPECT_FALSE(f.reader.ReadKey(&key, &value));
}

TEST(TextConfigFile, FindKeyIsExactAndForwardOnly) {
    ConfigFixture f("HTML first.htm\nhtml lower\nMENU Tools\nHTML second.htm ; two\nEND\n");
    std::string value, line;
    EXPECT_FALSE(f.reader.FindKey("", &value));
    ASSERT_TRUE(f.reader.FindKey("MENU", &value, &line));
    EXPECT_EQ(value, "Tools");
    EXPECT_EQ(line, "MENU Tools");
    // Keys are compared exactly: "html" is not "HTML", and the HTML above MENU is behind us.
    ASSERT_TRUE(f.reader.FindKey("HTML", &value, &line));
    EXPECT_EQ(value, "second.htm");
    EXPECT_EQ(line, "HTML second.htm");
    EXPECT_FALSE(f.reader.FindKey("MENU", &value));
    // Opening again starts from the top.
    ASSERT_TRUE(f.reader.Open(f.path));
    ASSERT_TRUE(f.reader.FindKey("MENU", &value));
    EXPECT_EQ(value, "Tools");
    // A key is the whole first word: "HT" does not match "HTML".
    EXPECT_FALSE(f.reader.FindKey("HT", &value));
}

TEST(TextConfigFile, EmptyLinesWhenNotSkipped) {
    ConfigFixture f("\n; only a comment\nKEY v\n");
    f.reader.SetSkipEmptyLines(false);
    std::string line = "x";
    ASSERT_TRUE(f.reader.ReadLine(&line));
    EXPECT_EQ(line, "");
    std::string key = "x", value;
    ASSERT_TRUE(f.reader.ReadKey(&key, &value));
    EXPECT_EQ(key, ""); // the comment line is empty once its comment is gone
    ASSERT_TRUE(f.reader.Open(f.path));
    ASSERT_TRUE(f.reader.ReadNextKey(&key, &value));
    EXPECT_EQ(key, "KEY");
    EXPECT_EQ(value, "v");
    EXPECT_FALSE(f.reader.ReadNextKey(&key, &value));
    EXPECT_EQ(key, "");
}

TEST(TextConfigFile, NoFileNoOutOrNoSuchPath) {
    CTextConfigFile reader;
    std::string line = "kept";
    EXPECT_FALSE(reader.ReadLine(&line));
    EXPECT_EQ(line, "kept");
    TempDir dir;
    EXPECT_FALSE(reader.Open((dir.Path() / "missing.txt").string()));
    EXPECT_FALSE(reader.Open(dir.Path().string())); // a folder is not a file
    const std::string pipe = (dir.Path() / "pipe").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(reader.Open(pipe)); // refused, rather than waiting for a writer
    ConfigFixture f("KEY v\n");
    EXPECT_FALSE(f.reader.ReadLine(nullptr));
    ASSERT_TRUE(f.reader.ReadLine(&line)); // the failed call above read nothing
    EXPECT_EQ(line, "KEY v");
    f.reader.Close();
    EXPECT_EQ(f.reader.CurrentLine(), "");
    EXPECT_FALSE(f.reader.ReadLine(&line));
}

TEST(TextConfigFile, BinaryBytesAndOverlongLines) {
    std::string bytes = "BIN \x01\x80\xff";
    bytes += '\0';
    bytes += "x\r\n";
    bytes += "LONG " + std::string(CTextConfigFile::MaxLineLength + 100, 'a') + " tail\n";
    bytes += "NEXT after\r\r\n";
    ConfigFixture f(bytes);
    std::string key, value;
    ASSERT_TRUE(f.reader.ReadKey(&key, &value));
    EXPECT_EQ(key, "BIN");
    EXPECT_EQ(value, std::string("\x01\x80\xff\0x", 5));
    ASSERT_TRUE(f.reader.ReadKey(&key, &value));
    EXPECT_EQ(key, "LONG");
    EXPECT_EQ(f.reader.CurrentLine().size(), CTextConfigFile::MaxLineLength);
    // The rest of the long line is dropped, not read as a line of its own.
    ASSERT_TRUE(f.reader.ReadKey(&key, &value));
    EXPECT_EQ(key, "NEXT");
    EXPECT_EQ(value, "after");
}

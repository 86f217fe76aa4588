// File URLs, local paths, relative paths and the URL inserted for pasted text.
#include "core/assist/InsertableUrl.h"
#include "core/assist/FileUrl.h"

#include <gtest/gtest.h>

using namespace velto;

TEST(FileUrl, DrivePathsNativePathsAndServerUrls) {
    EXPECT_EQ(FileUrl("C:\\web\\a.htm"), "file:///C|/web/a.htm");
    EXPECT_EQ(FileUrl("c|/web/a.htm"), "file:///c|/web/a.htm");
    EXPECT_EQ(FileUrl("/home/u/web/a.htm"), "file:///home/u/web/a.htm");
    EXPECT_EQ(FileUrl("file:C:\\x.gif"), "file:///C|/x.gif");
    EXPECT_EQ(FileUrl("file:///C|/x.gif"), "file:///C|/x.gif");
    EXPECT_EQ(FileUrl("file:///home/u/x.gif"), "file:///home/u/x.gif");
    EXPECT_EQ(FileUrl("http://example.com/a\\b"), "http://example.com/a/b");
    EXPECT_EQ(FileUrl("http://example.com/a.htm"), "http://example.com/a.htm");
    EXPECT_EQ(FileUrl("img\\b.gif"), "img/b.gif");
    EXPECT_EQ(FileUrl(""), "");
}

TEST(FileUrl, LocalPathUndoesFileUrl) {
    for (const char* path : {"C:\\web\\a.htm", "/home/u/web/a.htm", "D:\\x.gif", "/a b/c;d.htm"}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(LocalPath(FileUrl(path)), path);
    }
    EXPECT_EQ(LocalPath("file:///C|/web/a.htm"), "C:\\web\\a.htm");
    EXPECT_EQ(LocalPath("FILE:C:/web/a.htm"), "C:\\web\\a.htm");
    EXPECT_EQ(LocalPath("C|/web/a.htm"), "C:\\web\\a.htm");
    EXPECT_EQ(LocalPath("file:a.htm"), "a.htm");
    EXPECT_EQ(LocalPath("/home/u/a.htm"), "/home/u/a.htm");
    EXPECT_EQ(LocalPath("http://example.com/a"), "http://example.com/a");
}

TEST(InsertableUrl, PrefixesAddressesAndLocalFiles) {
    EXPECT_TRUE(HasUrlPrefix("HTTP://EXAMPLE.COM"));
    EXPECT_TRUE(HasUrlPrefix("News:comp.lang"));
    EXPECT_FALSE(HasUrlPrefix("gopher://x"));
    EXPECT_FALSE(HasUrlPrefix("http"));

    EXPECT_TRUE(IsEmailAddress("jo@example.com"));
    EXPECT_FALSE(IsEmailAddress("Jo Bloggs <jo@example.com>"));
    EXPECT_FALSE(IsEmailAddress("jo@example.com\r\n"));
    EXPECT_FALSE(IsEmailAddress("example.com"));
    for (const char c : NonEmailChars)
        EXPECT_FALSE(IsEmailAddress(std::string("a") + c + "b@c")) << c;

    EXPECT_TRUE(IsLocalFile("C:\\web\\a.gif"));
    EXPECT_TRUE(IsLocalFile("C|/web/a.gif"));
    EXPECT_TRUE(IsLocalFile("/home/u/a.gif"));
    EXPECT_TRUE(IsLocalFile("file:///home/u/a.gif"));
    EXPECT_FALSE(IsLocalFile("http://example.com/a.gif"));
    EXPECT_FALSE(IsLocalFile("C:\\a:b"));
    EXPECT_FALSE(IsLocalFile(""));
    for (const char c : NonFileNameChars.substr(1)) {
        EXPECT_FALSE(IsLocalFile(std::string("C:\\a") + c)) << c;
        EXPECT_FALSE(IsLocalFile(std::string("/a") + c)) << c;
    }
}

TEST(InsertableUrl, RelativePaths) {
    EXPECT_EQ(RelativePath("C:\\web\\", "C:\\web\\img\\b.gif"), "img\\b.gif");
    EXPECT_EQ(RelativePath("C:\\web", "C:\\other\\c.gif"), "..\\other\\c.gif");
    EXPECT_EQ(RelativePath("C:\\web\\", "c:\\WEB\\b.gif"), "b.gif"); // names ignore case
    EXPECT_EQ(RelativePath("C:\\web\\", "C:\\webby\\b.gif"), "..\\webby\\b.gif");
    EXPECT_EQ(RelativePath("C:\\web\\a\\b\\", "C:\\web\\x.gif"), "..\\..\\x.gif");
    EXPECT_EQ(RelativePath("C:\\web\\", "D:\\x.gif"), "");
    EXPECT_EQ(RelativePath("C:\\web\\", "\\x.gif"), "");
    EXPECT_EQ(RelativePath("", "C:\\x.gif"), "");
    EXPECT_EQ(RelativePath("/home/u/web/", "/home/u/web/img/b.gif"), "img/b.gif");
    EXPECT_EQ(RelativePath("/home/u/web", "/home/u/other/c.gif"), "../other/c.gif");
    EXPECT_EQ(RelativePath("/home/u/web/", "/"), "../../../");
    // Native names are case-sensitive: Web and web are different folders.
    EXPECT_EQ(RelativePath("/home/u/Web/", "/home/u/web/b.gif"), "../web/b.gif");
    EXPECT_EQ(RelativePath("/home/u/web/", "img/b.gif"), ""); // not absolute
    EXPECT_EQ(RelativePath("/home/u/web/", "C:\\b.gif"), ""); // not the same style
}

TEST(InsertableUrl, DocumentFolders) {
    EXPECT_EQ(DocumentFolder("C:\\web\\a.htm", "/cwd"), "C:\\web\\");
    EXPECT_EQ(DocumentFolder("/home/u/web/a.htm", "/cwd"), "/home/u/web/");
    EXPECT_EQ(DocumentFolder("", "/cwd"), "/cwd/"); // untitled: the current folder
    EXPECT_EQ(DocumentFolder("a.htm", "/cwd/"), "/cwd/");
    EXPECT_FALSE(DocumentFolder("").empty());
    EXPECT_EQ(DocumentFolder("").back(), '/');
}

TEST(InsertableUrl, PastedTextBecomesTheInsertedUrl) {
    const std::string win = DocumentFolder("C:\\web\\a.htm", "");
    EXPECT_EQ(MakeInsertableUrl("C:\\web\\img\\b.gif", win, true), "img/b.gif");
    EXPECT_EQ(MakeInsertableUrl("C:\\other\\c.gif", win, true), "../other/c.gif");
    EXPECT_EQ(MakeInsertableUrl("D:\\x.gif", win, true), "file:///D|/x.gif");
    EXPECT_EQ(MakeInsertableUrl("file:///C|/web/img/b.gif", win, true), "img/b.gif");
    EXPECT_EQ(MakeInsertableUrl("C:\\web\\img\\b.gif", win, false), "file:///C|/web/img/b.gif");

    const std::string home = DocumentFolder("/home/u/web/a.htm", "");
    EXPECT_EQ(MakeInsertableUrl("/home/u/web/img/b.gif", home, true), "img/b.gif");
    EXPECT_EQ(MakeInsertableUrl("/home/u/other/c.gif", home, true), "../other/c.gif");
    EXPECT_EQ(MakeInsertableUrl("file:///home/u/web/a.htm", home, true), "a.htm");
    EXPECT_EQ(MakeInsertableUrl("/home/u/web/a.htm", "", true), "file:///home/u/web/a.htm");

    EXPECT_EQ(MakeInsertableUrl("jo@example.com", home, true), "mailto:jo@example.com");
    EXPECT_EQ(MakeInsertableUrl("Jo Bloggs <jo@example.com>", home, true),
              "Jo Bloggs <jo@example.com>");
    EXPECT_EQ(MakeInsertableUrl("mailto:jo@example.com", home, true), "mailto:jo@example.com");
    EXPECT_EQ(MakeInsertableUrl("HTTP://Example.com/A.htm", home, true),
              "HTTP://Example.com/A.htm");
    EXPECT_EQ(MakeInsertableUrl("news:comp.infosystems", home, true), "news:comp.infosystems");
}

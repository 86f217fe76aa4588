// Paste URL: clipboard text or one copied file made into a URL, into the tag's URL
// attribute or in place of the selection.
#include "TagEdTestSupport.h"

#include "core/assist/InsertableUrl.h"
#include "core/fakes/ScriptedAssistant.h"
#include "core/fakes/TestFiles.h"
#include "core/tagassist/PasteUrl.h"

using namespace velto;
using namespace velto::test;

class PasteUrlTest : public TagEdTest {
protected:
    ScriptedAssistant assistant;
    std::string folder = "/srv/site/";

    std::string Paste(std::string text, int anchor, int caret, ClipboardContents clipboard) {
        Load(std::move(text), anchor, caret);
        PasteUrl(clipboard, ed, folder, assistant);
        std::string out;
        control.GetTextRange(0, control.Length(), out);
        return out;
    }
    std::string PasteText(std::string text, int caret, std::string clip) {
        return Paste(std::move(text), caret, caret, {std::move(clip), {}});
    }
};

TEST_F(PasteUrlTest, AddressesAndWebUrlsIntoTheFirstUrlAttribute) {
    EXPECT_EQ(PasteText("<A>", 1, "jo@example.com"), "<A HREF=\"mailto:jo@example.com\">");
    // With a display name it is no bare address, and goes in as it is.
    EXPECT_EQ(PasteText("<A>", 1, "Jo Bloggs <jo@example.com>"), "<A HREF=\"Jo Bloggs <jo@example.com>\">");
    EXPECT_EQ(PasteText("<A HREF=old.html NAME=x>", 1, "HTTP://Example.com/Page.HTML"),
              "<A HREF=\"HTTP://Example.com/Page.HTML\" NAME=x>");
    EXPECT_EQ(PasteText("<A>", 1, "mailto:x@y.z"), "<A HREF=\"mailto:x@y.z\">");
    EXPECT_TRUE(assistant.messages.empty());
    // The rewritten tag is selected.
    EXPECT_EQ(control.GetSelection(), (TextControl::Selection{0, control.Length()}));
}

TEST_F(PasteUrlTest, CopiedFilesBecomePathsRelativeToTheDocument) {
    EXPECT_EQ(Paste("<IMG>", 2, 2, {{}, {"/srv/site/img/b.gif"}}), "<IMG SRC=\"img/b.gif\">");
    EXPECT_EQ(Paste("<IMG>", 2, 2, {{}, {"/srv/other/c.gif"}}), "<IMG SRC=\"../other/c.gif\">");
    // Text naming a local file is treated the same way.
    EXPECT_EQ(PasteText("<A>", 1, "/srv/site/docs/Read Me.html"), "<A HREF=\"docs/Read Me.html\">");
    editor.insertRelativeFilePaths = false;
    EXPECT_EQ(Paste("<IMG>", 2, 2, {{}, {"/srv/site/img/b.gif"}}), "<IMG SRC=\"file:///srv/site/img/b.gif\">");
}

TEST_F(PasteUrlTest, FilePathsKeepTheirCaseUnlessTheUserAsksOtherwise) {
    EXPECT_EQ(Paste("<IMG>", 2, 2, {{}, {"/srv/site/Img/Logo.GIF"}}), "<IMG SRC=\"Img/Logo.GIF\">");
    editor.insertInsertPathsLowerCase = true;
    folder = "/srv/site/img/";
    EXPECT_EQ(Paste("<IMG>", 2, 2, {{}, {"/srv/site/Img/Logo.GIF"}}), "<IMG SRC=\"logo.gif\">");
}

TEST_F(PasteUrlTest, UntitledDocumentsReadPathsAgainstTheCurrentFolder) {
    folder = DocumentFolder("", "/home/u/work");
    EXPECT_EQ(folder, "/home/u/work/");
    EXPECT_EQ(Paste("<IMG>", 2, 2, {{}, {"/home/u/work/pics/p.png"}}), "<IMG SRC=\"pics/p.png\">");
}

TEST_F(PasteUrlTest, SeveralFilesAreRefused) {
    EXPECT_EQ(Paste("<IMG>", 2, 2, {{}, {"/a.gif", "/b.gif"}}), "<IMG>");
    EXPECT_EQ(assistant.messages, std::vector<std::string>{"Can't to paste more than one file into a URL"});
    // Text on the clipboard wins over copied files.
    EXPECT_EQ(Paste("<IMG>", 2, 2, {"x.gif", {"/a.gif", "/b.gif"}}), "<IMG SRC=\"x.gif\">");
}

TEST_F(PasteUrlTest, ElementsWithoutAUrlAttributeAreRefused) {
    EXPECT_EQ(PasteText("<B>bold</B>", 1, "http://x.y/"), "<B>bold</B>");
    EXPECT_EQ(PasteText("<NOSUCH>", 2, "http://x.y/"), "<NOSUCH>");
    ASSERT_EQ(assistant.messages.size(), 2u);
    EXPECT_EQ(assistant.messages[0], "Can't paste a URL into this HTML element.\n\nB elements do not have a URL attribute.");
    EXPECT_EQ(assistant.messages[1], "Can't paste a URL into this HTML element.");
    // An end tag, even of an element with a URL attribute, takes none.
    EXPECT_EQ(PasteText("<A HREF=x>a</A>", 13, "http://x.y/"), "<A HREF=x>a</A>");
    ASSERT_EQ(assistant.messages.size(), 3u);
    EXPECT_EQ(assistant.messages[2], "Can't paste a URL into this HTML element.\n\n"
                                     "An end tag takes no attributes: put the caret in the start tag.");
}

TEST_F(PasteUrlTest, OutsideATagTheUrlReplacesTheSelection) {
    EXPECT_EQ(Paste("see here now", 4, 8, {"jo@example.com", {}}), "see mailto:jo@example.com now");
    EXPECT_EQ(control.GetSelection(), (TextControl::Selection{25, 25}));
    // Nothing on the clipboard: nothing happens.
    EXPECT_EQ(Paste("see here", 4, 8, {}), "see here");
    EXPECT_TRUE(assistant.messages.empty());
}

TEST_F(PasteUrlTest, ImagesGetTheirSizeWithAutoSetImageSize) {
    TempDir dir;
    std::string gif = "GIF87a";
    gif += std::string("\x05\x00\x06\x00\x00\x00\x00;", 8);
    dir.Write("s.gif", gif);
    folder = dir.Path().string() + "/";
    EXPECT_EQ(PasteText("<IMG>", 2, "s.gif"), "<IMG WIDTH=\"5\" HEIGHT=\"6\" SRC=\"s.gif\">");
    editor.autoSetImageSize = false;
    EXPECT_EQ(PasteText("<IMG>", 2, "s.gif"), "<IMG SRC=\"s.gif\">");
}

TEST_F(PasteUrlTest, AtMost4096CharactersAreTaken) {
    const std::string url = "http://x.y/" + std::string(5000, 'a');
    Load("", 0, 0);
    const std::string taken = UrlToPaste({url, {}}, folder, true, false, assistant);
    EXPECT_EQ(taken.size(), 4096u);
    // Characters, not bytes: a two-byte letter counts once and is never cut.
    const std::string wide = std::string(4095, 'a') + "\xC3\xA9" + "bc";
    EXPECT_EQ(UrlToPaste({wide, {}}, folder, true, false, assistant), std::string(4095, 'a') + "\xC3\xA9");
}

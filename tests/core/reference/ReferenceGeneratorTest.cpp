// The generated HTML reference read back as the help reads it: the description file, the
// index files with their headers and entry lines, the anchors in the pages, the grouping,
// repeatable output, and failures to write.
#include "core/reference/ReferenceGenerator.h"
#include "core/platform/MemoryProfile.h"
#include "core/reference/CHtmlHelpRefMgr.h"
#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/fakes/TestFiles.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/reference/ReferenceGroups.h"
#include "core/reference/ReferenceText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

using namespace velto;
using namespace velto::test;
namespace fs = std::filesystem;

namespace {

const std::string Name(GeneratedReferenceName);

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(s.substr(first, s.find_last_not_of(" \t") - first + 1));
}

struct Entry {
    int cls = 0, primary = 0, secondary = 0;
    std::string name, anchor, title;
    std::vector<std::string> keywords;
    std::string file; // the index file's stem
};

struct Index {
    std::vector<std::pair<std::string, std::string>> header;
    std::vector<Entry> entries;
    std::vector<std::string> problems;
};

// A plain reading of an index file: whole-line comments skipped, header keys up to
// KEYSINDEXSTART, then comma-separated entries whose seventh part holds the keywords.
Index ReadIndex(const fs::path& file) {
    Index index;
    bool inHeader = true;
    for (const std::string& raw : Lines(ReadFile(file))) {
        const std::string line = Trim(raw);
        if (line.empty() || line[0] == ';')
            continue;
        if (line.find(';') != std::string::npos)
            index.problems.push_back("';' in: " + line);
        if (inHeader) {
            const auto space = line.find(' ');
            const std::string key = line.substr(0, space);
            index.header.emplace_back(key,
                                      space == std::string::npos ? "" : Trim(line.substr(space)));
            inHeader = key != "KEYSINDEXSTART";
            continue;
        }
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (int i = 0; i < 6; ++i) {
            const auto comma = line.find(',', start);
            if (comma == std::string::npos) {
                index.problems.push_back("too few fields: " + line);
                break;
            }
            fields.push_back(Trim(line.substr(start, comma - start)));
            start = comma + 1;
        }
        if (fields.size() != 6)
            continue;
        Entry e;
        try {
            e.cls = std::stoi(fields[0]);
            e.primary = std::stoi(fields[1]);
            e.secondary = std::stoi(fields[2]);
        } catch (const std::exception&) {
            index.problems.push_back("not a number: " + line);
            continue;
        }
        e.name = fields[3];
        e.anchor = fields[4];
        e.title = fields[5];
        std::istringstream words(line.substr(start));
        for (std::string w; words >> w;)
            e.keywords.push_back(w);
        e.file = file.stem().string();
        index.entries.push_back(std::move(e));
    }
    return index;
}

class ReferenceGeneratorTest : public ::testing::Test {
protected:
    CHtmlConfig html;
    CEditorConfig editor;
    HtmlKnowledgeBase kb{html, editor};
    TempDir dir;

    fs::path Out() const { return dir.Path() / "HTML References"; }
    fs::path Pages() const { return Out() / Name; }

    void SetUp() override {
        std::string error;
        ASSERT_TRUE(GenerateReference(kb, Out().string(), error)) << error;
    }

    std::vector<fs::path> IndexFiles() const {
        std::vector<fs::path> files;
        for (const auto& e : fs::directory_iterator(Pages()))
            if (e.path().extension() == ".hhi")
                files.push_back(e.path());
        std::sort(files.begin(), files.end());
        return files;
    }
    std::vector<Entry> AllEntries() const {
        std::vector<Entry> all;
        for (const fs::path& f : IndexFiles()) {
            Index index = ReadIndex(f);
            all.insert(all.end(), index.entries.begin(), index.entries.end());
        }
        return all;
    }
    // The part of a page from an element's anchor to the next topic.
    std::string Topic(const std::string& page, const std::string& anchor) const {
        const std::string text = ReadFile(Pages() / page);
        const auto at = text.find("<A NAME=\"" + anchor + "\">");
        if (at == std::string::npos)
            return {};
        return text.substr(at, text.find("<H2>", at) - at);
    }
};

TEST_F(ReferenceGeneratorTest, DescriptionFileNamesTheReferenceItsFolderAndItsClass) {
    std::vector<std::string> keys;
    for (const std::string& line : Lines(ReadFile(Out() / (Name + ".cfg"))))
        if (!line.empty() && line[0] != ';')
            keys.push_back(line);
    EXPECT_EQ(keys,
              (std::vector<std::string>{"HTMLREF " + Name, "BASE " + Name, "ISDEFAULTFOR 1"}));
    EXPECT_TRUE(fs::is_directory(Pages()));
    EXPECT_NE(ReadFile(Out() / "loading.htm").find("Loading..."), std::string::npos);
}

TEST_F(ReferenceGeneratorTest, EveryIndexHasTheHeaderOfTheReferenceAndSoundEntryLines) {
    const auto files = IndexFiles();
    ASSERT_EQ(files.size(), ReferenceGroups().size() + 3); // introduction, attributes, common
    for (const fs::path& f : files) {
        SCOPED_TRACE(f.filename().string());
        const Index index = ReadIndex(f);
        EXPECT_TRUE(index.problems.empty()) << index.problems.front();
        ASSERT_EQ(index.header.size(), 3u);
        EXPECT_EQ(index.header[0], std::make_pair(std::string("HTMLREF"), Name));
        EXPECT_EQ(index.header[1].first, "SECTION");
        EXPECT_FALSE(index.header[1].second.empty());
        EXPECT_EQ(index.header[2].first, "KEYSINDEXSTART");
        EXPECT_TRUE(fs::is_regular_file(fs::path(f).replace_extension(".htm")));
        for (const Entry& e : index.entries) {
            EXPECT_EQ(e.cls, 1) << e.name;
            EXPECT_NE(e.primary != 0, e.secondary != 0) << e.name;
            EXPECT_FALSE(e.name.empty());
            EXPECT_FALSE(e.anchor.empty()) << e.name;
            EXPECT_FALSE(e.title.empty()) << e.name;
            EXPECT_FALSE(e.keywords.empty()) << e.name;
            // The reader ignores keywords without lower case that do not begin with "<".
            for (const std::string& k : e.keywords)
                EXPECT_TRUE(k[0] == '<' || k != ascii::ToUpper(k) || k == ascii::ToLower(k)) << k;
        }
    }
}

TEST_F(ReferenceGeneratorTest, EveryElementHasExactlyOnePrimaryTopicUnderItsOwnName) {
    std::map<std::string, std::vector<Entry>> primaries;
    for (const Entry& e : AllEntries())
        if (e.primary != 0)
            primaries[ascii::ToUpper(e.name)].push_back(e);
    for (const auto& element : kb.Elements()) {
        const std::string& name = element->Name();
        SCOPED_TRACE(name);
        const auto& found = primaries[ascii::ToUpper(name)];
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].name, name);
        EXPECT_EQ(found[0].secondary, 0);
        const std::string lower = ascii::ToLower(name);
        EXPECT_NE(std::find(found[0].keywords.begin(), found[0].keywords.end(), lower),
                  found[0].keywords.end());
        EXPECT_NE(std::find(found[0].keywords.begin(), found[0].keywords.end(), "<" + lower + ">"),
                  found[0].keywords.end());
    }
    // Besides the elements only the introduction is a first choice.
    EXPECT_EQ(primaries.size(), kb.Elements().size() + 1);
    ASSERT_EQ(primaries["__INTRODUCTION"].size(), 1u);
    const Entry& intro = primaries["__INTRODUCTION"][0];
    EXPECT_EQ(intro.name, std::string(IntroductionKeyword));
    EXPECT_EQ(intro.file, "introduction");
}

TEST_F(ReferenceGeneratorTest, EveryAnchorOfAnIndexIsNamedInItsPage) {
    for (const fs::path& f : IndexFiles()) {
        const std::string page = ReadFile(fs::path(f).replace_extension(".htm"));
        for (const Entry& e : ReadIndex(f).entries)
            EXPECT_NE(page.find("<A NAME=\"" + e.anchor + "\">"), std::string::npos)
                << f.filename() << ": " << e.anchor;
    }
}

TEST_F(ReferenceGeneratorTest, AttributeNamesAreFoundAsSecondChoicesUnlessAnElementHasTheName) {
    std::map<std::string, int> secondaries;
    for (const Entry& e : AllEntries())
        if (e.secondary != 0)
            ++secondaries[ascii::ToUpper(e.name)];
    std::vector<std::string> names;
    for (const auto& element : kb.Elements())
        for (const auto& a : element->OwnAttributes())
            if (!a->IsEventHolder())
                names.push_back(a->Name());
    for (const HtmlMetaAttShared* s : kb.SharedAttributes())
        names.push_back(s->Name());
    for (const std::string& name : names) {
        const bool element = kb.FindElement(name) != nullptr;
        // Index files are read in name order, so a second choice named like an element
        // would answer before the element's own topic in a later file.
        EXPECT_EQ(secondaries[ascii::ToUpper(name)], element ? 0 : 1) << name;
    }
    EXPECT_EQ(secondaries["TITLE"], 0);
    EXPECT_EQ(secondaries["ALIGN"], 1);
    EXPECT_EQ(secondaries["CLASS"], 1);
    EXPECT_EQ(secondaries["ONMOUSEOVER"], 1);
}

TEST_F(ReferenceGeneratorTest, ElementsAreOnTheirSubjectsPages) {
    std::map<std::string, std::string> fileOf;
    for (const Entry& e : AllEntries())
        if (e.primary != 0)
            fileOf[e.name] = e.file;
    const std::map<std::string, std::string> expected = {
        {"TITLE", "structure"},
        {"!--", "structure"},
        {"H1", "text"},
        {"S", "text"},
        {"SPAN", "text"},
        {"LI", "lists"},
        {"TD", "tables"},
        {"BUTTON", "forms"},
        {"OPTION", "forms"},
        {"FRAME", "frames"},
        {"IFRAME", "frames"},
        {"IMG", "objects"},
        {"PARAM", "objects"},
        {"MARQUEE", "extensions"},
        {"EMBED", "objects"}, // the living standard took it in: no longer a browser's own
        {"MULTICOL", "extensions"},
        {"COMMENT", "extensions"},
    };
    for (const auto& [name, file] : expected)
        EXPECT_EQ(fileOf[name], file) << name;
    // Every group page has elements.
    for (const ReferenceGroup& g : ReferenceGroups())
        EXPECT_NE(std::count_if(fileOf.begin(), fileOf.end(),
                                [&](const auto& p) { return p.second == g.stem; }),
                  0)
            << g.stem;
}

TEST(ReferenceGroups, BrowserExtensionsAreElementsBrowsersHadBeforeTheRecommendations) {
    EXPECT_TRUE(IsBrowserExtension(0x200));    // Navigator 3.0 alone
    EXPECT_TRUE(IsBrowserExtension(0x70008));  // Explorer 2.0 first, HTML 4.0 later
    EXPECT_FALSE(IsBrowserExtension(0x60008)); // HTML 4.0 with Explorer 3.0 and 4.0
    EXPECT_FALSE(IsBrowserExtension(0x2));     // an HTML 3.0 draft, no browser
    EXPECT_FALSE(IsBrowserExtension(0x7020a)); // in the drafts before the browsers
    EXPECT_FALSE(IsBrowserExtension(0x7030f)); // HTML 2.0
    EXPECT_FALSE(IsBrowserExtension(0xfffffff));
    EXPECT_FALSE(IsBrowserExtension(0x60318)); // a browser's element the living standard took up
}

TEST_F(ReferenceGeneratorTest, TopicsShowAttributesValuesSharedAttributesAndEvents) {
    const std::string base = Topic("structure.htm", "el-base");
    ASSERT_FALSE(base.empty());
    EXPECT_NE(base.find("<A NAME=\"el-base.href\"><B>HREF</B></A>"), std::string::npos);
    EXPECT_NE(base.find("<B>required</B>"), std::string::npos);
    EXPECT_NE(base.find("<CODE>_blank</CODE>"), std::string::npos);
    // Texts are escaped: the description of _blank quotes its word.
    EXPECT_NE(base.find("&quot;blank&quot;"), std::string::npos);
    EXPECT_EQ(base.find("\"blank\""), std::string::npos);
    EXPECT_NE(base.find("Shared attributes:</B> none"), std::string::npos);

    const std::string a = Topic("text.htm", "el-a");
    EXPECT_NE(a.find("OnMouseOver"), std::string::npos);
    EXPECT_NE(a.find("common.htm#sh-style"), std::string::npos);
    EXPECT_NE(a.find("HREF=\"#top\""), std::string::npos);

    const std::string comment = Topic("structure.htm", "el-_21--");
    EXPECT_NE(comment.find("&lt;!-- ... --&gt;"), std::string::npos);
    EXPECT_NE(comment.find("every version"), std::string::npos);
    EXPECT_NE(Topic("text.htm", "el-listing").find("obsolete"), std::string::npos);
}

TEST_F(ReferenceGeneratorTest, IntroductionAndGroupPagesLinkToEachOther) {
    const std::string intro = ReadFile(Pages() / "introduction.htm");
    EXPECT_EQ(intro.rfind("<!DOCTYPE HTML PUBLIC", 0), 0u);
    for (const ReferenceGroup& g : ReferenceGroups()) {
        const std::string page = std::string(g.stem) + ".htm";
        EXPECT_NE(intro.find("<A HREF=\"" + page + "\">"), std::string::npos) << page;
        EXPECT_NE(ReadFile(Pages() / page).find("<A HREF=\"introduction.htm\">"), std::string::npos)
            << page;
    }
    for (const char* page : {"attributes.htm", "common.htm"})
        EXPECT_NE(intro.find(std::string("<A HREF=\"") + page + "\">"), std::string::npos);
}

TEST_F(ReferenceGeneratorTest, SameKnowledgeBaseGivesTheSameBytes) {
    CHtmlConfig otherHtml;
    const CEditorConfig otherEditor;
    const HtmlKnowledgeBase other(otherHtml, otherEditor);
    const TempDir second;
    std::string error;
    ASSERT_TRUE(GenerateReference(other, second.Path().string(), error)) << error;
    std::size_t compared = 0;
    for (const auto& e : fs::recursive_directory_iterator(Out())) {
        if (!e.is_regular_file() || e.path().extension() == ".mnu")
            continue;
        const fs::path twin = second.Path() / fs::relative(e.path(), Out());
        ASSERT_TRUE(fs::exists(twin)) << twin;
        EXPECT_EQ(ReadFile(e.path()), ReadFile(twin)) << twin;
        ++compared;
    }
    EXPECT_EQ(compared, MakeReferenceFiles(kb).size());
}

TEST_F(ReferenceGeneratorTest, AFolderThatCannotBeMadeFailsWithAMessage) {
    const fs::path file = dir.Write("not-a-folder", "x");
    std::string error;
    EXPECT_FALSE(GenerateReference(kb, (file / "refs").string(), error));
    EXPECT_NE(error.find("not-a-folder"), std::string::npos) << error;
    error.clear();
    EXPECT_FALSE(GenerateReference(kb, "", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadFile(file), "x");
}

TEST_F(ReferenceGeneratorTest, ALaterRunRemovesStaleIndexesOfItsOwnFolderOnly) {
    dir.Write("HTML References/" + Name + "/old.hhi", "HTMLREF " + Name + "\n");
    dir.Write("HTML References/" + Name + "/old.htm", "<HTML>");
    dir.Write("HTML References/" + Name + "/notes.txt", "mine");
    dir.Write("HTML References/Other/other.hhi", "HTMLREF Other\n");
    std::string error;
    ASSERT_TRUE(GenerateReference(kb, Out().string(), error)) << error;
    EXPECT_FALSE(fs::exists(Pages() / "old.hhi"));
    EXPECT_FALSE(fs::exists(Pages() / "old.htm"));
    EXPECT_TRUE(fs::exists(Pages() / "notes.txt"));
    EXPECT_TRUE(fs::exists(Out() / "Other" / "other.hhi"));
    EXPECT_FALSE(fs::exists(Pages() / "tables.htm.tmp"));
}

TEST_F(ReferenceGeneratorTest, ShippedReferenceMenusOpenGeneratedPages) {
    // As the build does: the shipped menus are copied, the reference is made beside them.
    const fs::path shipped = fs::path(VELTO_SOURCE_DIR) / "data/HTML References";
    fs::copy(shipped, Out(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    std::size_t menus = 0;
    for (const auto& e : fs::recursive_directory_iterator(shipped)) {
        if (e.path().extension() != ".mnu")
            continue;
        ++menus;
        std::string page;
        for (const std::string& line : Lines(ReadFile(e.path())))
            if (line.rfind("HTML ", 0) == 0)
                page = Trim(line.substr(5));
        const fs::path folder = Out() / fs::relative(e.path().parent_path(), shipped);
        EXPECT_TRUE(fs::is_regular_file(folder / page)) << e.path() << " -> " << page;
    }
    EXPECT_EQ(menus, ReferenceGroups().size() + 3);
}

TEST(ReferenceText, IndexFieldsLoseWhatTheReaderWouldCut) {
    EXPECT_EQ(reftext::IndexField(" a, b;\tc  "), "a b c");
    EXPECT_EQ(reftext::IndexTitle("Width of the border (in pixels); alone, a thin one"),
              "Width of the border (in pixels)");
    EXPECT_EQ(reftext::Escape("<a href=\"x\">&</a>"),
              "&lt;a href=&quot;x&quot;&gt;&amp;&lt;/a&gt;");
    EXPECT_EQ(reftext::Slug("!--"), "_21--");
    EXPECT_EQ(reftext::Slug("ACCEPT-CHARSET"), "accept-charset");
    EXPECT_EQ(reftext::VersionNames(0x40000204),
              (std::vector<std::string>{"HTML 3.2", "Navigator 3.0", "obsolete"}));
    EXPECT_EQ(reftext::VersionBadges(0), "<SPAN CLASS=\"old\">none listed</SPAN>");
    EXPECT_EQ(reftext::VersionBadges(0x10), "<SPAN CLASS=\"ver\">HTML5</SPAN>");
    EXPECT_EQ(reftext::VersionBadges(0x7031d),
              "<SPAN CLASS=\"ver\">HTML 2.0, 3.2, 4.0</SPAN> &nbsp; <SPAN CLASS=\"ver\">HTML5</SPAN> &nbsp; "
              "<SPAN CLASS=\"ver\">Navigator 2.0, 3.0</SPAN> &nbsp; "
              "<SPAN CLASS=\"ver\">Internet Explorer 2.0, 3.0, 4.0</SPAN>");
}

} // namespace

// The generated set read back as the editor reads it: every index accepted, every element
// answered by its own topic, attributes and the introduction found.
TEST_F(ReferenceGeneratorTest, TheEditorsReaderFindsEveryElement) {
    MemoryProfile settings;
    CQuorHtmlHelpRefMgr mgr(settings, Out().string());
    mgr.Start();
    ASSERT_EQ(mgr.References().size(), 1u);
    CHtmlHelpRef& ref = *mgr.References()[0];
    EXPECT_EQ(ref.Name(), std::string(Name));
    EXPECT_TRUE(ref.IsDefaultFor(1));
    mgr.BuildIndex(ref);
    EXPECT_EQ(ref.Files().size(), IndexFiles().size());
    for (const auto& element : kb.Elements()) {
        const std::string name(element->Name());
        const std::optional<CHtmlHelpRef::Answer> answer = ref.Lookup(name, 1);
        ASSERT_TRUE(answer) << name;
        EXPECT_TRUE(ascii::EqualNoCase(answer->entry->name, name)) << name;
        EXPECT_NE(answer->entry->primary, 0) << name;
        EXPECT_NE(ReadFile(answer->file->Page()).find("NAME=\"" + answer->entry->anchor + "\""), std::string::npos)
            << name;
    }
    EXPECT_TRUE(mgr.Lookup(1, "border"));
    EXPECT_TRUE(mgr.Lookup(1, "onmousedown"));
    ASSERT_TRUE(mgr.Introduction(1));
    EXPECT_NE(mgr.Introduction(1)->page.find("introduction"), std::string::npos);
    EXPECT_EQ(mgr.LoadingPagePath(), (Out() / "loading.htm").string());
    EXPECT_TRUE(fs::exists(mgr.LoadingPagePath()));
}

// Reference sets on disk: description and index files, the keyword index and lookups,
// and the manager's choice of reference and its messages.
#include "core/fakes/TestFiles.h"
#include "core/platform/MemoryProfile.h"
#include "core/reference/CHtmlHelpRef.h"
#include "core/reference/CHtmlHelpRefMgr.h"

#include <gtest/gtest.h>

using namespace velto;
using namespace velto::test;

namespace {
// A reference "name" in folder/sub with one page per index given.
void WriteReference(const TempDir& dir, const std::string& cfg, const std::string& name,
                    const std::vector<std::pair<std::string, std::string>>& pages, int defaultFor = -2) {
    std::string description = "HTMLREF " + name + "\nBASE .\\" + cfg + " pages\n";
    if (defaultFor != -2)
        description += "ISDEFAULTFOR " + std::to_string(defaultFor) + "\n";
    dir.Write(cfg + ".cfg", description);
    for (const auto& [page, index] : pages) {
        dir.Write(cfg + " pages/" + page + ".htm", "<HTML></HTML>");
        dir.Write(cfg + " pages/" + page + ".hhi", index);
    }
}
} // namespace

TEST(HelpRefEntry, FieldsArePresentEmptyOrMissing) {
    auto e = ParseEntryLine("1, 1, 0, TABLE, tbl, The TABLE element, <TABLE> tables HTML 3.2  Tables");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->cls, 1);
    EXPECT_EQ(e->primary, 1);
    EXPECT_EQ(e->name, "TABLE");
    EXPECT_EQ(e->anchor, "tbl");
    EXPECT_EQ(e->title, "The TABLE element");
    EXPECT_EQ(e->keywords, (std::vector<std::string>{"<TABLE>", "tables", "HTML", "3.2", "Tables"}));
    // An empty name and an empty title are present; keywords are optional.
    e = ParseEntryLine("0,0,0,,a1,,kw");
    ASSERT_TRUE(e);
    EXPECT_TRUE(e->name.empty() && e->title.empty());
    EXPECT_EQ(e->keywords, std::vector<std::string>{"kw"});
    ASSERT_TRUE(ParseEntryLine("0,0,0,n,a1,Title"));
    EXPECT_TRUE(ParseEntryLine("0,0,0,n,a1,Title")->keywords.empty());
    EXPECT_FALSE(ParseEntryLine("0,0,0,,a1,"));         // nothing where the title starts
    EXPECT_FALSE(ParseEntryLine("0,0,0,,a1"));          // no title
    EXPECT_FALSE(ParseEntryLine("0,0,0,name"));         // no anchor
    EXPECT_FALSE(ParseEntryLine("-1,1,0,A,a,Anchor"));  // class -1
    EXPECT_FALSE(ParseEntryLine("1,x,0,A,a,Anchor"));   // not a number
    EXPECT_FALSE(ParseEntryLine(",1,0,A,a,Anchor"));
    EXPECT_FALSE(ParseEntryLine(""));
}

TEST(HelpRef, IndexFilesNameTheirReferenceExactly) {
    TempDir dir;
    WriteReference(dir, "ref", "Elements",
                   {{"tables", "HTMLREF Elements\nSECTION Tables\nKEYSINDEXSTART\n"
                               "1, 1, 0, TABLE, tbl, The TABLE element, <TABLE> tables HTML\n"
                               "1, 0, 0, , misc, Untitled topic, table\n"
                               "-1, 1, 0, TR, tr, Rows, rows\n"
                               "bad line\n"},
                    {"wrongcase", "HTMLREF elements\nKEYSINDEXSTART\n1,1,0,TD,td,Cells\n"},
                    {"noheader", "SECTION Lost\nKEYSINDEXSTART\n1,1,0,TH,th,Headers\n"}});
    dir.Write("ref pages/orphan.hhi", "HTMLREF Elements\n1,1,0,CAPTION,cap,Captions\n"); // no page
    CHtmlHelpRef ref;
    ASSERT_TRUE(ref.Load((dir.Path() / "ref.cfg").string()));
    EXPECT_EQ(ref.Name(), "Elements");
    EXPECT_EQ(ref.Base(), (dir.Path() / "ref pages").string());
    EXPECT_FALSE(ref.IndexBuilt());
    int dk = 0;
    ref.BuildIndex(dk);
    ASSERT_EQ(ref.Files().size(), 1u);
    const CHtmlHelpRefFile& file = *ref.Files()[0];
    EXPECT_EQ(file.Section(), "Tables");
    EXPECT_EQ(file.Page(), (dir.Path() / "ref pages/tables.htm").string());
    ASSERT_EQ(file.Entries().size(), 2u); // class -1 and the bad line dropped
    EXPECT_EQ(file.Entries()[1]->name, "dk0");
    EXPECT_EQ(dk, 1);

    auto answer = ref.Lookup("Table", 1);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->entry->anchor, "tbl");
    // "html" was no keyword (no lower-case letters); "tables" was.
    EXPECT_FALSE(ref.Lookup("html", 1));
    CHtmlHelpRefFile& lookups = *ref.Files()[0];
    EXPECT_TRUE(lookups.Lookup("tables", 1));
    EXPECT_EQ(lookups.MatchCount(), 1u);
    // The unnamed topic is listed under its keyword but never answers for the word.
    EXPECT_TRUE(lookups.Lookup("table", 1));
    EXPECT_EQ(lookups.MatchCount(), 3u); // TABLE by name and by <TABLE>, and the unnamed topic
    EXPECT_EQ(lookups.FirstPrimary(1)->anchor, "tbl");
    EXPECT_FALSE(lookups.FirstSecondary(1));
    EXPECT_FALSE(ref.Lookup("td", 1)); // its file named the reference in the wrong case
    EXPECT_FALSE(ref.Lookup("caption", 1));
    EXPECT_FALSE(ref.Lookup("table", 2)); // no topic of that class
}

TEST(HelpRef, TheFirstFileWinsAndSecondaryChoicesComeAfterPrimaryOnes) {
    TempDir dir;
    WriteReference(dir, "ref", "R",
                   {{"a", "HTMLREF R\nKEYSINDEXSTART\n1,0,1,ALIGN,align-a,ALIGN in a\n1,1,0,B,b-a,B in a\n"},
                    {"b", "HTMLREF R\nKEYSINDEXSTART\n1,1,0,B,b-b,B in b\n1,0,1,ALIGN,align-b,ALIGN in b\n"}});
    CHtmlHelpRef ref;
    ASSERT_TRUE(ref.Load((dir.Path() / "ref.cfg").string()));
    int dk = 0;
    ref.BuildIndex(dk);
    EXPECT_EQ(ref.Lookup("b", 1)->entry->anchor, "b-a");
    EXPECT_EQ(ref.Lookup("align", -1)->entry->anchor, "align-a");
}

TEST(HelpRef, DescriptionsNeedANameAndAFolder) {
    TempDir dir;
    dir.Write("base-only.cfg", "BASE pages\n");
    dir.Write("name-only.cfg", "HTMLREF Lonely\n");
    dir.Write("stops.cfg", "HTMLREF Early\nISDEFAULTFOR\nBASE pages\n"); // an empty value ends reading
    CHtmlHelpRef ref;
    EXPECT_FALSE(ref.Load((dir.Path() / "base-only.cfg").string()));
    EXPECT_FALSE(ref.Load((dir.Path() / "name-only.cfg").string()));
    EXPECT_FALSE(ref.Load((dir.Path() / "stops.cfg").string()));
    EXPECT_FALSE(ref.Load((dir.Path() / "missing.cfg").string()));
    EXPECT_FALSE(ref.IsValid());
    const auto page = dir.Write("one.htm", "<P>");
    EXPECT_TRUE(ref.InitSinglePage("One", page.string()));
    EXPECT_TRUE(ref.IsValid());
    EXPECT_FALSE(ref.InitSinglePage("", page.string()));
}

TEST(HelpRefMgr, DefaultsByNameThenMarkThenFirstAndTheMessages) {
    TempDir dir;
    WriteReference(dir, "a", "Alpha", {{"p", "HTMLREF Alpha\nKEYSINDEXSTART\n1,1,0,P,p,Paragraphs\n"}});
    WriteReference(dir, "b", "Beta",
                   {{"p", "HTMLREF Beta\nKEYSINDEXSTART\n1,1,0,P,bp,Paragraphs\n"
                          "1,1,0,__introduction,intro,Introduction\n"}},
                   1);
    MemoryProfile settings;
    settings.WriteString("Velto HTML Help", "CurrentFolder", dir.Path().string());
    settings.WriteString("Velto HTML Help", "Default For Class 1", "alpha"); // wrong case: not found
    CQuorHtmlHelpRefMgr mgr(settings, "/nowhere");
    std::vector<std::string> statuses;
    mgr.status = [&statuses](const std::string& s) { statuses.push_back(s); };
    mgr.Start();
    ASSERT_EQ(mgr.References().size(), 2u);
    EXPECT_EQ(mgr.ReferenceForClass(1, false)->Name(), "Beta"); // marked default for class 1
    EXPECT_EQ(mgr.ReferenceForClass(0, false)->Name(), "Alpha"); // the first of all
    EXPECT_EQ(mgr.ReferenceForClass(7, false)->Name(), "Alpha");

    auto topic = mgr.Lookup(1, "p");
    ASSERT_TRUE(topic);
    EXPECT_EQ(topic->anchor, "bp");
    EXPECT_EQ(statuses, (std::vector<std::string>{"Creating help index for Beta HTML reference...", ""}));
    mgr.Lookup(1, "p");
    mgr.Lookup(1, "table");
    EXPECT_EQ(statuses.size(), 2u); // the index is built once
    EXPECT_EQ(mgr.Introduction(1)->anchor, "intro");
    EXPECT_FALSE(mgr.Introduction(0));

    mgr.SetDefaultName(1, "Alpha");
    EXPECT_EQ(mgr.Lookup(1, "p")->anchor, "p");
    mgr.SaveSettings();
    EXPECT_EQ(settings.GetString("Velto HTML Help", "Default For Class 1", ""), "Alpha");
    EXPECT_EQ(mgr.LoadingPagePath(), dir.Path().string() + "/loading.htm");

    EXPECT_EQ(ContextHelpUnavailable("BLINK", mgr.ReferenceForClass(1, false)),
              "HTML Context Help for <BLINK> is not available in Alpha.\n\n"
              "See the Help menu for alternative HTML reference information.");
    CQuorHtmlHelpRefMgr empty(settings, "/nowhere");
    settings.WriteString("Velto HTML Help", "CurrentFolder", "");
    empty.Start();
    EXPECT_EQ(empty.Folder(), "/nowhere");
    EXPECT_FALSE(empty.Lookup(1, "p"));
    EXPECT_EQ(ContextHelpUnavailable("P", empty.ReferenceForClass(1, false)),
              "HTML Context Help for <P> is not available.\n\n"
              "See the Help menu for alternative HTML reference information.");
}

TEST(HelpRefMgr, PagesOfEverySetAreFoundAndEveryIndexBuildIsAnnounced) {
    TempDir dir;
    WriteReference(dir, "a", "Alpha",
                   {{"p", "HTMLREF Alpha\nSECTION Text\nKEYSINDEXSTART\n1,1,0,__introduction,top,Introduction\n"}}, 1);
    WriteReference(dir, "b", "Beta", {{"t", "HTMLREF Beta\nSECTION Tables\nKEYSINDEXSTART\n1,1,0,TABLE,tbl,Tables\n"}});
    dir.Write("b pages/unlisted.htm", "<HTML></HTML>");
    MemoryProfile settings;
    settings.WriteString("Velto HTML Help", "CurrentFolder", dir.Path().string());
    CQuorHtmlHelpRefMgr mgr(settings, "/nowhere");
    std::vector<std::string> statuses;
    mgr.status = [&statuses](const std::string& s) { statuses.push_back(s); };
    mgr.Start();

    // Home's first use builds the index as a lookup does, and says so.
    ASSERT_TRUE(mgr.Introduction(1));
    EXPECT_EQ(statuses, (std::vector<std::string>{"Creating help index for Alpha HTML reference...", ""}));

    // A page of the other set, reached through a path that names its folder differently.
    const auto place = mgr.FindPage((dir.Path() / "b pages/../b pages/t.htm").string());
    ASSERT_TRUE(place);
    EXPECT_EQ(place->reference->Name(), "Beta");
    EXPECT_EQ(place->file->Section(), "Tables");
    EXPECT_EQ(statuses.size(), 4u);
    EXPECT_EQ(statuses[2], "Creating help index for Beta HTML reference...");
    EXPECT_TRUE(mgr.FindPage((dir.Path() / "a pages/p.htm").string()));
    EXPECT_EQ(statuses.size(), 4u); // both indexes were built already
    EXPECT_FALSE(mgr.FindPage((dir.Path() / "b pages/unlisted.htm").string()));
    EXPECT_FALSE(mgr.FindPage((dir.Path() / "elsewhere.htm").string()));

    // The window's choice of reference writes its own key and nothing else.
    mgr.SetDefaultName(1, "Beta");
    mgr.SaveDefaultName(1);
    EXPECT_EQ(settings.GetString("Velto HTML Help", "Default For Class 1", ""), "Beta");
    EXPECT_FALSE(settings.Has("Velto HTML Help", "Default For Class 0"));
    EXPECT_EQ(settings.GetString("Velto HTML Help", "CurrentFolder", ""), dir.Path().string());
}

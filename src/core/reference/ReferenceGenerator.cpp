// The reference set's files: description, pages and their index files, and writing them.
#include "core/reference/ReferenceGenerator.h"

#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/platform/ReplaceFile.h"
#include "core/reference/ReferenceGroups.h"
#include "core/reference/ReferenceModel.h"
#include "core/reference/ReferencePages.h"
#include "core/reference/ReferenceText.h"

#include <filesystem>
#include <set>

namespace velto {

namespace fs = std::filesystem;

namespace {

// The class of element topics, which context help looks up.
constexpr int TagLookupClass = 1;

struct IndexEntry {
    int primary = 0;
    int secondary = 0;
    std::string name;
    std::string anchor;
    std::string title;
    std::vector<std::string> keywords;
};

// One index file: the header the reader checks, then a line per topic, every field made
// safe for a reader that cuts at ',' and ';'.
std::string IndexText(std::string_view page, std::string_view section,
                      const std::vector<IndexEntry>& entries) {
    std::string out = "; Topics of " + std::string(page) + " in the " +
                      std::string(GeneratedReferenceName) + ", made from Velto's knowledge base\n";
    out += "HTMLREF " + std::string(GeneratedReferenceName) + "\n";
    out += "SECTION " + reftext::IndexField(section) + "\n";
    out += "KEYSINDEXSTART\n";
    for (const IndexEntry& e : entries) {
        out += std::to_string(TagLookupClass) + ", " + std::to_string(e.primary) + ", " +
               std::to_string(e.secondary) + ", " + reftext::IndexField(e.name) + ", " +
               reftext::IndexField(e.anchor) + ", " + reftext::IndexField(e.title) + ",";
        for (const std::string& k : e.keywords) {
            const std::string word = reftext::IndexField(k);
            // A keyword is one word: what is left of one with blanks in it is dropped.
            if (!word.empty() && word.find(' ') == std::string::npos)
                out += " " + word;
        }
        out += "\n";
    }
    return out;
}

std::string TopicTitle(std::string_view name, const HtmlMeta& record) {
    std::string about = reftext::IndexTitle(record.Description());
    if (about.empty())
        about = reftext::IndexTitle(record.GetName(NameMode::Descriptive));
    std::string title = reftext::IndexField(name);
    if (!about.empty() && !ascii::EqualNoCase(about, title))
        title += " - " + about;
    return title;
}

std::vector<IndexEntry> GroupEntries(const ReferenceModel& model, std::size_t group) {
    std::vector<IndexEntry> entries;
    for (const ElementTopic* t : model.TopicsOfGroup(group)) {
        const std::string& name = t->element->Name();
        entries.push_back(IndexEntry{1,
                                     0,
                                     name,
                                     t->anchor,
                                     TopicTitle(name, *t->element),
                                     {ascii::ToLower(name), "<" + ascii::ToLower(name) + ">"}});
    }
    return entries;
}

// An attribute name is found as a second choice, except where an element has the same
// name: the index files are read in name order, and a second choice in an earlier file
// would answer before the element's first choice in a later one.
bool AnswersForAttribute(const ReferenceModel& model, const AttributeRow& row) {
    return !row.name.empty() && model.TopicNamed(row.name) == nullptr;
}

std::vector<IndexEntry> AttributeEntries(const ReferenceModel& model) {
    std::vector<IndexEntry> entries;
    for (const auto& [key, row] : model.AttributeRows())
        if (!row.sharedOnly && AnswersForAttribute(model, row))
            entries.push_back(
                IndexEntry{0, 1, row.name, row.anchor, row.name + " attribute", {key}});
    return entries;
}

// Attributes that only the shared list has are answered by their full description on the
// common page; so are the events.
std::vector<IndexEntry> CommonEntries(const ReferenceModel& model) {
    std::vector<IndexEntry> entries;
    for (const HtmlMetaAttShared* s : model.Kb().SharedAttributes()) {
        const AttributeRow* row = model.RowNamed(s->Name());
        if (row && row->sharedOnly && AnswersForAttribute(model, *row) && row->name == s->Name())
            entries.push_back(IndexEntry{0,
                                         1,
                                         s->Name(),
                                         model.SharedAnchor(*s),
                                         TopicTitle(s->Name() + " attribute", *s),
                                         {ascii::ToLower(s->Name())}});
    }
    for (const EventTopic& ev : model.Events()) {
        std::string title = ev.event->name + " event";
        const std::string about = reftext::IndexTitle(ev.event->description);
        if (!about.empty())
            title += " - " + about;
        entries.push_back(
            IndexEntry{0, 1, ev.event->name, ev.anchor, title, {ascii::ToLower(ev.event->name)}});
    }
    return entries;
}

std::string DescriptionFile() {
    const std::string name(GeneratedReferenceName);
    return "; " + name +
           ": Velto's HTML context help, made from its knowledge base\n"
           "HTMLREF " +
           name + "\nBASE " + name + "\nISDEFAULTFOR " + std::to_string(TagLookupClass) +
           "\n";
}

} // namespace

std::vector<ReferenceFile> MakeReferenceFiles(const HtmlKnowledgeBase& kb) {
    const ReferenceModel model(kb);
    const std::string folder = std::string(GeneratedReferenceName) + "/";
    std::vector<ReferenceFile> files;
    files.push_back({std::string(GeneratedReferenceName) + ".cfg", DescriptionFile()});
    files.push_back({std::string(ReferenceLoadingPage), refpages::LoadingPage()});

    const auto add = [&](std::string_view stem, std::string page, std::string_view section,
                         const std::vector<IndexEntry>& entries) {
        const std::string pageName = std::string(stem) + ".htm";
        files.push_back({folder + pageName, std::move(page)});
        files.push_back(
            {folder + std::string(stem) + ".hhi", IndexText(pageName, section, entries)});
    };
    add(ReferencePage::Introduction, refpages::IntroductionPage(model), "Introduction",
        {IndexEntry{1,
                    0,
                    std::string(IntroductionKeyword),
                    "top",
                    std::string(GeneratedReferenceName) + " - Introduction",
                    {std::string(IntroductionKeyword), "introduction"}}});
    const auto groups = ReferenceGroups();
    for (std::size_t g = 0; g < groups.size(); ++g)
        add(groups[g].stem, refpages::GroupPage(model, g), groups[g].title, GroupEntries(model, g));
    add(ReferencePage::Attributes, refpages::AttributesPage(model), "Attribute Index",
        AttributeEntries(model));
    add(ReferencePage::Common, refpages::CommonPage(model), "Shared Attributes and Events",
        CommonEntries(model));
    return files;
}

bool WriteReferenceFiles(const std::vector<ReferenceFile>& files, const std::string& outDir,
                         std::string& error) {
    if (outDir.empty()) {
        error = "No output folder given";
        return false;
    }
    const fs::path root(outDir);
    std::set<fs::path> written;
    for (const ReferenceFile& file : files) {
        const fs::path target = root / file.path;
        std::error_code ec;
        fs::create_directories(target.parent_path(), ec);
        if (ec) {
            error = "Cannot make the folder " + target.parent_path().string() + ": " + ec.message();
            return false;
        }
        if (ReplaceFileContents(target.string(), file.bytes, error) != ReplaceResult::Written)
            return false;
        written.insert(target.lexically_normal());
    }

    // Leftovers of an earlier set in the reference's own folder; nothing else is touched.
    const fs::path folder = root / GeneratedReferenceName;
    std::error_code ec;
    std::vector<fs::path> stale;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& p = it->path();
        const std::string ext = ascii::ToLower(p.extension().string());
        if ((ext == ".htm" || ext == ".hhi" || ext == ".tmp") && it->is_regular_file() &&
            written.count(p.lexically_normal()) == 0)
            stale.push_back(p);
    }
    for (const fs::path& p : stale) {
        fs::remove(p, ec);
        if (ec) {
            error = "Cannot remove the old file " + p.string() + ": " + ec.message();
            return false;
        }
    }
    return true;
}

bool GenerateReference(const HtmlKnowledgeBase& kb, const std::string& outDir, std::string& error) {
    return WriteReferenceFiles(MakeReferenceFiles(kb), outDir, error);
}

} // namespace velto

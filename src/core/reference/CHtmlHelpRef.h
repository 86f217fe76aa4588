// HTML reference sets: a description file (.cfg) naming the set and the folder of its
// pages, and beside each page an index file (.hhi) listing its topics with their anchors,
// titles and keywords. The index is read on first use and answers keyword lookups.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velto {

class CHtmlHelpRef;
class CHtmlHelpRefFile;

// One topic of a page.
struct CHhrfEntry {
    int cls = 0;        // the class of lookups it answers; never -1
    int primary = 0;    // the first choice for its own name
    int secondary = 0;  // a second choice for its own name
    std::string name;   // a generated "dk<n>" when the index leaves it empty
    std::string anchor;
    std::string title;
    std::vector<std::string> keywords;
    const CHtmlHelpRefFile* owner = nullptr;
};

// One index file with its page.
class CHtmlHelpRefFile {
public:
    // Index positions are 16-bit: a page lists at most this many topics.
    static constexpr std::size_t MaxEntries = 0xFFFF;

    explicit CHtmlHelpRefFile(const CHtmlHelpRef& owner) : owner_(owner) {}
    CHtmlHelpRefFile(const CHtmlHelpRefFile&) = delete;
    CHtmlHelpRefFile& operator=(const CHtmlHelpRefFile&) = delete;

    // Reads X.hhi for the page X.htm (or X.html); false when there is no page or the
    // header does not name the owning reference. dkCounter numbers the unnamed topics.
    bool Load(const std::string& indexPath, int& dkCounter);

    // Makes the keyword's topics the current matches; found when some match is of the
    // class (-1: any).
    bool Lookup(std::string_view keyword, int cls);
    // The first current match of the class named like the keyword (ignoring case) that is
    // a primary (or secondary) choice.
    const CHhrfEntry* FirstPrimary(int cls);
    const CHhrfEntry* FirstSecondary(int cls);
    [[nodiscard]] std::size_t MatchCount() const noexcept { return matches_ ? matches_->size() : 0; }
    [[nodiscard]] const CHhrfEntry* MatchAt(std::size_t i) const;

    [[nodiscard]] const CHtmlHelpRef& Owner() const noexcept { return owner_; }
    [[nodiscard]] const std::string& Page() const noexcept { return page_; }
    [[nodiscard]] const std::string& Section() const noexcept { return section_; }
    [[nodiscard]] const std::vector<std::unique_ptr<CHhrfEntry>>& Entries() const noexcept { return entries_; }

private:
    void AddEntry(std::unique_ptr<CHhrfEntry> entry, int& dkCounter);
    void AddKey(std::string_view key, std::uint16_t position);
    const CHhrfEntry* FirstWith(int cls, int CHhrfEntry::*choice);

    const CHtmlHelpRef& owner_;
    std::string page_;
    std::string section_;
    std::unordered_map<std::string, std::vector<std::uint16_t>> index_;
    std::vector<std::unique_ptr<CHhrfEntry>> entries_;
    const std::vector<std::uint16_t>* matches_ = nullptr;
    std::string keyword_;
    int class_ = -1;
};

// One entry line of an index file; nothing when the line is rejected (a number missing or
// not a number, class -1, no anchor or no title).
[[nodiscard]] std::optional<CHhrfEntry> ParseEntryLine(std::string_view line);

class CHtmlHelpRef {
public:
    struct Answer {
        const CHtmlHelpRefFile* file;
        const CHhrfEntry* entry;
    };

    // Reads a description file; true when it names the reference and its folder.
    bool Load(const std::string& descriptionPath);
    // A reference of one page; true when the name is not empty and the page exists.
    bool InitSinglePage(const std::string& name, const std::string& pagePath);

    [[nodiscard]] bool IsValid() const noexcept { return indexed_ || singlePage_; }
    [[nodiscard]] bool IsIndexed() const noexcept { return indexed_; }
    [[nodiscard]] bool IsDefaultFor(int cls) const noexcept { return defaultFor_ == cls; }
    [[nodiscard]] const std::string& Name() const noexcept { return name_; }
    [[nodiscard]] const std::string& Base() const noexcept { return base_; }
    [[nodiscard]] const std::string& PagePath() const noexcept { return pagePath_; }
    [[nodiscard]] bool IndexBuilt() const noexcept { return indexBuilt_; }
    [[nodiscard]] const std::vector<std::unique_ptr<CHtmlHelpRefFile>>& Files() const noexcept { return files_; }

    // Reads every index file of the pages' folder, once.
    void BuildIndex(int& dkCounter);
    // The primary topic for the keyword in the first file that has one, else the first
    // secondary one.
    std::optional<Answer> Lookup(std::string_view keyword, int cls);

private:
    void Clear();

    bool indexBuilt_ = false;
    std::string name_;
    std::string base_;
    std::string pagePath_;
    int defaultFor_ = -2;
    bool indexed_ = false;
    bool singlePage_ = false;
    std::vector<std::unique_ptr<CHtmlHelpRefFile>> files_;
};

} // namespace velto

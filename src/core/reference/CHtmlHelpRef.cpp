// HTML reference sets and their index.
#include "core/reference/CHtmlHelpRef.h"

#include "core/config/TextConfigFile.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/templates/CFileTreeScanner.h"
#include "core/templates/CTemplates.h"

#include <charconv>
#include <filesystem>

namespace velto {

namespace fs = std::filesystem;

namespace {
std::string_view Trimmed(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t\r\n\v\f");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = s.find_last_not_of(" \t\r\n\v\f");
    return s.substr(first, last - first + 1);
}

std::optional<int> Number(std::string_view field) {
    int value = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (ec != std::errc() || end != field.data() + field.size() || field.empty())
        return std::nullopt;
    return value;
}

bool IsFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

// A keyword without lower-case letters ("HTML", "3.2") names a version, not a topic.
bool IsIndexedKeyword(std::string_view keyword) {
    if (keyword.empty() || keyword.front() == '<')
        return true;
    for (char c : keyword)
        if (c >= 'a' && c <= 'z')
            return true;
    return false;
}
} // namespace

std::optional<CHhrfEntry> ParseEntryLine(std::string_view line) {
    // Each field runs to the next comma; the title ends at one, and the rest is keywords.
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    for (int i = 0; i < 6; ++i) {
        if (pos >= line.size())
            break; // nothing of the line remains where the field would start
        const std::size_t comma = line.find(',', pos);
        const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
        fields.push_back(Trimmed(line.substr(pos, end - pos)));
        pos = comma == std::string_view::npos ? line.size() + 1 : comma + 1;
    }
    if (fields.size() < 6)
        return std::nullopt;
    const std::optional<int> cls = Number(fields[0]), primary = Number(fields[1]), secondary = Number(fields[2]);
    if (!cls || !primary || !secondary || *cls == -1)
        return std::nullopt;
    CHhrfEntry entry;
    entry.cls = *cls;
    entry.primary = *primary;
    entry.secondary = *secondary;
    entry.name = fields[3];
    entry.anchor = fields[4];
    entry.title = fields[5];
    if (pos < line.size()) {
        std::string_view rest = line.substr(pos);
        while (!rest.empty()) {
            const std::size_t start = rest.find_first_not_of(" \t");
            if (start == std::string_view::npos)
                break;
            rest.remove_prefix(start);
            const std::size_t end = rest.find_first_of(" \t");
            entry.keywords.emplace_back(rest.substr(0, end));
            rest = end == std::string_view::npos ? std::string_view() : rest.substr(end);
        }
    }
    return entry;
}

bool CHtmlHelpRefFile::Load(const std::string& indexPath, int& dkCounter) {
    const fs::path stem = fs::path(indexPath).replace_extension();
    if (IsFile(stem.string() + ".htm"))
        page_ = stem.string() + ".htm";
    else if (IsFile(stem.string() + ".html"))
        page_ = stem.string() + ".html";
    else
        return false;
    CTextConfigFile file;
    if (!file.Open(indexPath))
        return false;
    bool matched = false;
    std::string key, value;
    while (file.ReadKey(&key, &value) && !value.empty() && key != "KEYSINDEXSTART") {
        if (key == "HTMLREF") {
            if (value != owner_.Name())
                return false;
            matched = true;
        } else if (key == "SECTION") {
            section_ = value;
        }
    }
    if (!matched)
        return false;
    std::string line;
    while (file.ReadLine(&line))
        if (std::optional<CHhrfEntry> entry = ParseEntryLine(line))
            AddEntry(std::make_unique<CHhrfEntry>(std::move(*entry)), dkCounter);
    return true;
}

void CHtmlHelpRefFile::AddKey(std::string_view key, std::uint16_t position) {
    index_[ascii::ToLower(key)].push_back(position);
}

void CHtmlHelpRefFile::AddEntry(std::unique_ptr<CHhrfEntry> entry, int& dkCounter) {
    if (entries_.size() >= MaxEntries)
        return;
    const auto position = static_cast<std::uint16_t>(entries_.size());
    entry->owner = this;
    if (entry->name.empty()) {
        do
            entry->name = "dk" + std::to_string(dkCounter++);
        while (index_.count(entry->name));
    }
    AddKey(entry->name, position);
    for (const std::string& keyword : entry->keywords) {
        if (!IsIndexedKeyword(keyword))
            continue;
        if (keyword.size() > 2 && keyword.front() == '<' && keyword.back() == '>')
            AddKey(std::string_view(keyword).substr(1, keyword.size() - 2), position);
        else
            AddKey(keyword, position);
    }
    entries_.push_back(std::move(entry));
}

bool CHtmlHelpRefFile::Lookup(std::string_view keyword, int cls) {
    keyword_ = keyword;
    class_ = cls;
    const auto it = index_.find(ascii::ToLower(keyword));
    matches_ = it == index_.end() ? nullptr : &it->second;
    if (!matches_)
        return false;
    if (cls == -1)
        return true;
    for (std::uint16_t p : *matches_)
        if (entries_[p]->cls == cls)
            return true;
    return false;
}

const CHhrfEntry* CHtmlHelpRefFile::FirstWith(int cls, int CHhrfEntry::*choice) {
    if (!matches_)
        return nullptr;
    for (std::uint16_t p : *matches_) {
        const CHhrfEntry& e = *entries_[p];
        if ((cls == -1 || e.cls == cls) && e.*choice != 0 && ascii::EqualNoCase(e.name, keyword_))
            return &e;
    }
    return nullptr;
}

const CHhrfEntry* CHtmlHelpRefFile::FirstPrimary(int cls) {
    return FirstWith(cls, &CHhrfEntry::primary);
}

const CHhrfEntry* CHtmlHelpRefFile::FirstSecondary(int cls) {
    return FirstWith(cls, &CHhrfEntry::secondary);
}

const CHhrfEntry* CHtmlHelpRefFile::MatchAt(std::size_t i) const {
    return matches_ && i < matches_->size() ? entries_[(*matches_)[i]].get() : nullptr;
}

void CHtmlHelpRef::Clear() {
    *this = CHtmlHelpRef();
}

bool CHtmlHelpRef::Load(const std::string& descriptionPath) {
    Clear();
    CTextConfigFile file;
    if (!file.Open(descriptionPath))
        return false;
    const std::string folder = fs::path(descriptionPath).parent_path().string();
    bool haveName = false, haveBase = false;
    std::string key, value;
    while (file.ReadKey(&key, &value) && !value.empty()) {
        if (key == "HTMLREF") {
            name_ = value;
            haveName = true;
        } else if (key == "BASE") {
            // Sets written on other systems may name sub-folders with backslashes.
            for (char& c : value)
                if (c == '\\')
                    c = '/';
            base_ = JoinFolder(folder, value);
            haveBase = true;
        } else if (key == "ISDEFAULTFOR") {
            if (std::optional<int> n = Number(value))
                defaultFor_ = *n;
        }
    }
    indexed_ = haveName && haveBase;
    return indexed_;
}

bool CHtmlHelpRef::InitSinglePage(const std::string& name, const std::string& pagePath) {
    Clear();
    if (name.empty() || !IsFile(pagePath))
        return false;
    name_ = name;
    pagePath_ = pagePath;
    singlePage_ = true;
    return true;
}

void CHtmlHelpRef::BuildIndex(int& dkCounter) {
    if (indexBuilt_ || !indexed_)
        return;
    CFileTreeScanner scanner;
    scanner.AddIncludePattern("*.hhi");
    scanner.Scan(base_);
    for (const CFindFileInfo& found : scanner.Entries()) {
        if (found.folder)
            continue;
        auto file = std::make_unique<CHtmlHelpRefFile>(*this);
        if (file->Load(found.path, dkCounter))
            files_.push_back(std::move(file));
    }
    indexBuilt_ = true;
}

std::optional<CHtmlHelpRef::Answer> CHtmlHelpRef::Lookup(std::string_view keyword, int cls) {
    for (const auto& file : files_) {
        if (!file->Lookup(keyword, cls))
            continue;
        const CHhrfEntry* entry = file->FirstPrimary(cls);
        if (!entry)
            entry = file->FirstSecondary(cls);
        if (entry)
            return Answer{file.get(), entry};
    }
    return std::nullopt;
}

} // namespace velto

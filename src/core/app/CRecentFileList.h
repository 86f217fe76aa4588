// The recently used files: most recent first, kept in the profile, shown shortened.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

class Profile;

class CRecentFileList {
public:
    static constexpr const char* Section = "Recent File List";
    // The list's own display limit; a larger configured width raises it.
    static constexpr int BuiltInDisplayLength = 30;

    // size: how many files the list keeps ("MruFiles"); entryWidth: the configured display
    // width ("MruEntryWidth").
    CRecentFileList(int size, int entryWidth);

    [[nodiscard]] std::size_t Capacity() const noexcept { return capacity_; }
    [[nodiscard]] std::size_t DisplayLength() const noexcept { return displayLength_; }
    [[nodiscard]] const std::vector<std::string>& Entries() const noexcept { return entries_; }

    // Puts the path first; an equal entry moves up rather than appearing twice.
    void Add(const std::string& path);
    void Remove(std::size_t index);

    // The entry as a menu shows it: shortened to the display length.
    [[nodiscard]] std::string DisplayName(std::size_t index) const;

    // Keys "File1", "File2", ... of the section; empty and missing values are skipped.
    void ReadList(const Profile& profile);
    bool WriteList(Profile& profile) const;

private:
    std::size_t capacity_;
    std::size_t displayLength_;
    std::vector<std::string> entries_;
};

// A path shortened to at most maxLength characters: the leading root, "...", then as many
// of the last components as fit ("/.../docs/page.html"). When not even the file name fits,
// the file name alone (atLeastName) or nothing.
[[nodiscard]] std::string AbbreviateName(std::string_view path, std::size_t maxLength,
                                         bool atLeastName);

} // namespace velto

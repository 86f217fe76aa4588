// CCustomColours: the user's named colours, kept in the settings ("Custom Colours") and
// offered on the colour menus and the colour chooser's "User" page.
#pragma once

#include "core/colours/ColourRef.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

class Profile;

struct CustomColourEntry {
    static constexpr std::string_view NewName = "<no name>";
    std::string name{NewName};
    ColourRef colour = 0x00FFFFFF; // white
    bool operator==(const CustomColourEntry&) const = default;
};

class CCustomColours {
public:
    static constexpr const char* Section = "Custom Colours";
    static constexpr int MaxCount = 64;
    static constexpr int MinCount = 0;
    // A name may hold none of these: comma, double quote, single quote, tilde, caret and
    // backslash.
    static constexpr std::string_view ForbiddenChars = ",\"'~^\\";

    // "Number Active" (kept only when within 0..64), then "Colour N" for each active entry:
    // a quoted name with backslash escapes, a comma and the raw colour in hexadecimal. A
    // missing or unreadable part leaves that part of the entry as it was.
    void Load(const Profile& profile, std::string_view section = Section);
    bool Save(Profile& profile, std::string_view section = Section) const;

    [[nodiscard]] int ActiveCount() const noexcept { return active_; }
    // Ignored outside MinCount..MaxCount. Entries beyond a lowered count are kept and come
    // back when it is raised again; entries never made start white and "<no name>".
    void SetActiveCount(int count);
    [[nodiscard]] const CustomColourEntry& Entry(int index) const { return entries_.at(index); }
    [[nodiscard]] CustomColourEntry& Entry(int index) { return entries_.at(index); }
    // The name cut at its first forbidden character.
    void SetName(int index, std::string_view name);

    // The "User" page's list operations on the active entries; each answers the index of
    // the entry selected afterwards (-1: none).
    int Add(int selected);       // a new entry after selected (at the end for -1)
    int Remove(int selected);    // the one now at that place, or the last
    int MoveUp(int selected);    // swaps with the one above, when there is one
    int MoveDown(int selected);  // swaps with the one below, when there is one

    // The first forbidden character of a name, if any.
    [[nodiscard]] static std::optional<char> ForbiddenCharIn(std::string_view name) noexcept;
    // The stored form of an entry and its reading ("\"My Red\",ff").
    [[nodiscard]] static std::string FormatEntry(const CustomColourEntry& entry);
    static void ParseEntry(std::string_view text, CustomColourEntry& entry);

    bool operator==(const CCustomColours& other) const;

private:
    int active_ = 0;
    std::vector<CustomColourEntry> entries_;
};

} // namespace velto

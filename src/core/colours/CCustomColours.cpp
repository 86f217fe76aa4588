// CCustomColours: the user's named colours.
#include "core/colours/CCustomColours.h"

#include "core/platform/Profile.h"

#include <algorithm>
#include <charconv>

namespace velto {

namespace {
std::string KeyOf(int index) {
    return "Colour " + std::to_string(index);
}

// The name cut before its first forbidden character.
std::string CutName(std::string_view name) {
    return std::string(name.substr(0, std::min(name.find_first_of(CCustomColours::ForbiddenChars),
                                               name.size())));
}
} // namespace

std::optional<char> CCustomColours::ForbiddenCharIn(std::string_view name) noexcept {
    const std::size_t at = name.find_first_of(ForbiddenChars);
    return at == std::string_view::npos ? std::nullopt : std::optional<char>(name[at]);
}

void CCustomColours::SetActiveCount(int count) {
    if (count < MinCount || count > MaxCount)
        return;
    if (static_cast<std::size_t>(count) > entries_.size())
        entries_.resize(static_cast<std::size_t>(count));
    active_ = count;
}

void CCustomColours::SetName(int index, std::string_view name) {
    Entry(index).name = CutName(name);
}

std::string CCustomColours::FormatEntry(const CustomColourEntry& entry) {
    std::string out = "\"";
    for (char c : entry.name) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    char hex[16];
    const auto end = std::to_chars(hex, hex + sizeof hex, entry.colour, 16).ptr;
    return out + "\"," + std::string(hex, end);
}

void CCustomColours::ParseEntry(std::string_view text, CustomColourEntry& entry) {
    std::size_t pos = 0;
    // The first field: a quoted name, backslash escaping the character after it.
    if (pos < text.size() && text[pos] == '"') {
        std::string name;
        bool closed = false;
        for (++pos; pos < text.size(); ++pos) {
            char c = text[pos];
            if (c == '\\' && pos + 1 < text.size()) {
                c = text[++pos];
            } else if (c == '"') {
                closed = true;
                ++pos;
                break;
            }
            name += c;
        }
        if (closed)
            entry.name = CutName(name);
    }
    const std::size_t comma = text.find(',', pos);
    if (comma == std::string_view::npos)
        return;
    // The second field: the colour as one hexadecimal number, blanks around it allowed.
    // Only a real colour is taken: a wider number (NoColour among them) would later be
    // written into documents as an empty value.
    std::string_view field = text.substr(comma + 1);
    while (!field.empty() && (field.front() == ' ' || field.front() == '\t'))
        field.remove_prefix(1);
    while (!field.empty() && (field.back() == ' ' || field.back() == '\t'))
        field.remove_suffix(1);
    if (field.size() > 2 && field[0] == '0' && (field[1] == 'x' || field[1] == 'X'))
        field.remove_prefix(2);
    ColourRef colour = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), colour, 16);
    if (error == std::errc() && end == field.data() + field.size() && !field.empty() &&
        colour <= 0xFFFFFF)
        entry.colour = colour;
}

void CCustomColours::Load(const Profile& profile, std::string_view section) {
    SetActiveCount(profile.GetInt(section, "Number Active", 0));
    for (int i = 0; i < active_; ++i) {
        const std::string value = profile.GetString(section, KeyOf(i), "");
        if (!value.empty())
            ParseEntry(value, entries_[static_cast<std::size_t>(i)]);
    }
}

bool CCustomColours::Save(Profile& profile, std::string_view section) const {
    bool ok = profile.WriteInt(section, "Number Active", active_);
    for (int i = 0; i < active_; ++i)
        ok = profile.WriteString(section, KeyOf(i), FormatEntry(entries_[static_cast<std::size_t>(i)])) && ok;
    return ok;
}

int CCustomColours::Add(int selected) {
    if (active_ >= MaxCount)
        return selected;
    const int at = selected < 0 || selected >= active_ ? active_ : selected + 1;
    entries_.resize(static_cast<std::size_t>(active_)); // what lay beyond the count is dropped
    entries_.insert(entries_.begin() + at, CustomColourEntry{});
    ++active_;
    return at;
}

int CCustomColours::Remove(int selected) {
    if (selected < 0 || selected >= active_)
        return -1;
    entries_.erase(entries_.begin() + selected);
    --active_;
    return active_ == 0 ? -1 : std::min(selected, active_ - 1);
}

int CCustomColours::MoveUp(int selected) {
    if (selected <= 0 || selected >= active_)
        return selected;
    std::swap(entries_[static_cast<std::size_t>(selected)], entries_[static_cast<std::size_t>(selected - 1)]);
    return selected - 1;
}

int CCustomColours::MoveDown(int selected) {
    if (selected < 0 || selected + 1 >= active_)
        return selected;
    std::swap(entries_[static_cast<std::size_t>(selected)], entries_[static_cast<std::size_t>(selected + 1)]);
    return selected + 1;
}

bool CCustomColours::operator==(const CCustomColours& other) const {
    return active_ == other.active_ &&
           std::equal(entries_.begin(), entries_.begin() + active_, other.entries_.begin());
}

} // namespace velto

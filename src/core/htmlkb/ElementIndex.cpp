// ElementIndex: FNV-1a hashing of upper-cased names with linear probing.
#include "core/htmlkb/ElementIndex.h"

#include "core/htmlkb/AsciiCase.h"

#include <bit>

namespace velto {

std::uint32_t ElementIndex::Hash(std::string_view upperName) noexcept {
    std::uint32_t h = 2166136261u;
    for (char c : upperName) {
        h ^= static_cast<unsigned char>(c);
        h *= 16777619u;
    }
    return h;
}

void ElementIndex::Build(const std::vector<std::string_view>& names) {
    keys_.clear();
    keys_.reserve(names.size());
    for (std::string_view n : names)
        keys_.push_back(ascii::ToUpper(n));
    slots_.assign(std::bit_ceil(std::max<std::size_t>(16, names.size() * 2)), Slot{});
    const std::size_t mask = slots_.size() - 1;
    for (std::uint32_t pos = 0; pos < keys_.size(); ++pos) {
        if (keys_[pos].size() > MaxNameLength || Find(keys_[pos]) != None)
            continue;
        const std::uint32_t h = Hash(keys_[pos]);
        std::size_t i = h & mask;
        while (slots_[i].position != None)
            i = (i + 1) & mask;
        slots_[i] = Slot{h, pos};
    }
}

std::uint32_t ElementIndex::Find(std::string_view name) const noexcept {
    if (name.size() > MaxNameLength || slots_.empty())
        return None;
    char buffer[MaxNameLength];
    for (std::size_t i = 0; i < name.size(); ++i)
        buffer[i] = ascii::Upper(name[i]);
    const std::string_view upper(buffer, name.size());
    const std::uint32_t h = Hash(upper);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = h & mask;; i = (i + 1) & mask) {
        const Slot& s = slots_[i];
        if (s.position == None)
            return None;
        if (s.hash == h && keys_[s.position] == upper)
            return s.position;
    }
}

} // namespace velto

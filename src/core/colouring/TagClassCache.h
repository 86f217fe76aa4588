// TagClassCache: the appearance class of recently met element names, for one colouring.
#pragma once

#include "core/htmlkb/AppearanceClasses.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace velto {

// Real pages use a few dozen element names over and over; remembering the class of each
// name as written saves the case-folding lookup for nearly every tag. Entries hold only
// within one colouring (Clear starts a new one), since the version selection may change
// between colourings.
class TagClassCache {
public:
    static constexpr std::size_t MaxName = 15;

    void Clear() noexcept {
        if (++generation_ == 0) { // wrapped: forget the old generations for good
            entries_.fill(Entry{});
            generation_ = 1;
        }
    }

    // The class stored for this name, or false.
    [[nodiscard]] bool Find(std::string_view name, AppearanceClass& found) const noexcept {
        if (name.size() > MaxName)
            return false;
        const Entry& e = entries_[Slot(name)];
        if (e.generation != generation_ || e.length != name.size() ||
            std::memcmp(e.name, name.data(), name.size()) != 0)
            return false;
        found = e.appearance;
        return true;
    }

    void Store(std::string_view name, AppearanceClass appearance) noexcept {
        if (name.size() > MaxName)
            return;
        Entry& e = entries_[Slot(name)];
        e.generation = generation_;
        e.length = static_cast<std::uint8_t>(name.size());
        e.appearance = appearance;
        std::memcpy(e.name, name.data(), name.size());
    }

private:
    struct Entry {
        std::uint32_t generation = 0;
        std::uint8_t length = 0;
        AppearanceClass appearance = AppearanceClass::Text;
        char name[MaxName] = {};
    };
    static constexpr std::size_t Size = 256;

    static std::size_t Slot(std::string_view name) noexcept {
        std::uint32_t h = 2166136261u;
        for (char c : name)
            h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
        return (h ^ (h >> 16)) & (Size - 1);
    }

    std::array<Entry, Size> entries_{};
    std::uint32_t generation_ = 1;
};

} // namespace velto

// One selectable HTML version or browser, and the bits of the version masks.
#pragma once

#include <cstdint>
#include <string>

namespace velto {

// Version mask bits: which HTML versions and browsers support a knowledge base record.
namespace VersionBits {
constexpr std::uint32_t Html20 = 0x1;
constexpr std::uint32_t Html30Draft = 0x2; // no selectable version carries it
constexpr std::uint32_t Html32 = 0x4;
constexpr std::uint32_t Html40 = 0x8;
constexpr std::uint32_t Html5 = 0x10; // the WHATWG living standard
constexpr std::uint32_t Navigator20 = 0x100;
constexpr std::uint32_t Navigator30 = 0x200;
constexpr std::uint32_t Explorer20 = 0x10000;
constexpr std::uint32_t Explorer30 = 0x20000;
constexpr std::uint32_t Explorer40 = 0x40000; // no selectable version carries it
constexpr std::uint32_t Obsolete = 0x40000000;
constexpr std::uint32_t Every = 0xfffffff;
} // namespace VersionBits

// State bits of a selectable version.
namespace VersionState {
constexpr std::uint32_t AllOf = 1; // every record must carry this version
constexpr std::uint32_t AnyOf = 2; // a record carrying this version is enough
} // namespace VersionState

struct HtmlVer {
    std::string name;
    std::uint32_t mask = 0;
    std::uint32_t state = VersionState::AnyOf;

    HtmlVer(std::string versionName, std::uint32_t versionMask, std::uint32_t initialState)
        : name(std::move(versionName)), mask(versionMask), state(Normalised(initialState)) {}

    // A version is never in both sets: when both bits are set only "any of" stays.
    static constexpr std::uint32_t Normalised(std::uint32_t s) {
        return (s & (VersionState::AllOf | VersionState::AnyOf)) ==
                       (VersionState::AllOf | VersionState::AnyOf)
                   ? VersionState::AnyOf
                   : s;
    }
};

} // namespace velto

// The two version lists of the Options dialog: the versions whose tags are all enabled
// ("any of") and the versions whose common tags are added ("all of").
#pragma once

#include "core/config/HtmlVer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velto {

class VersionList {
public:
    // bit is VersionState::AnyOf or VersionState::AllOf.
    VersionList(std::vector<HtmlVer>& versions, std::uint32_t bit) : versions_(versions), bit_(bit) {}

    // The versions listed, by their index among all versions.
    [[nodiscard]] std::vector<std::size_t> Entries() const;
    [[nodiscard]] std::vector<std::string> Names() const;
    // The versions that adding would put in this list. A version enabled for all its tags
    // is never also in the common-tags list (that state wins), so only versions in
    // neither list can join the common-tags list.
    [[nodiscard]] std::vector<std::size_t> Addable() const;
    [[nodiscard]] bool CanAdd() const { return !Addable().empty(); }
    void Add(std::size_t version);
    // Takes the entry at row out; the row to select afterwards (the same position, or the
    // last entry when the list got shorter), or nothing when the list is empty.
    std::optional<std::size_t> Remove(std::size_t row);

private:
    std::vector<HtmlVer>& versions_;
    std::uint32_t bit_;
};

} // namespace velto

// HtmlVerPopup: a menu of the selectable HTML versions and browsers, each checked when its
// state matches a mask, from which the caller takes the chosen version.
#pragma once

#include "core/config/HtmlVer.h"
#include "core/menu/MenuModel.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace velto {

class HtmlVerPopup {
public:
    // With matchSet a version matches when its state shares a bit with stateMask, without
    // it when it shares none. With filter only the matching versions are listed (each
    // checked); without it all are, the matching ones checked. Items take ids from firstId.
    HtmlVerPopup(const std::vector<HtmlVer>& versions, std::uint32_t stateMask, bool matchSet,
                 bool filter, int firstId);

    void BuildMenu(MenuModel& menu) const;
    // The version an id stands for (its index in the list), or nothing.
    [[nodiscard]] std::optional<std::size_t> Execute(int id) const;
    [[nodiscard]] bool Matches(const HtmlVer& version) const noexcept;

private:
    const std::vector<HtmlVer>& versions_;
    std::uint32_t stateMask_;
    bool matchSet_;
    bool filter_;
    int firstId_;
};

} // namespace velto

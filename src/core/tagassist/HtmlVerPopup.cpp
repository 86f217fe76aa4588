// HtmlVerPopup: a menu of the selectable HTML versions and browsers.
#include "core/tagassist/HtmlVerPopup.h"

namespace velto {

HtmlVerPopup::HtmlVerPopup(const std::vector<HtmlVer>& versions, std::uint32_t stateMask,
                           bool matchSet, bool filter, int firstId)
    : versions_(versions), stateMask_(stateMask), matchSet_(matchSet), filter_(filter),
      firstId_(firstId) {}

bool HtmlVerPopup::Matches(const HtmlVer& version) const noexcept {
    const bool shares = (version.state & stateMask_) != 0;
    return matchSet_ ? shares : !shares;
}

void HtmlVerPopup::BuildMenu(MenuModel& menu) const {
    // Every version keeps its own id, listed or not, so an id names the same version in
    // both modes.
    for (std::size_t i = 0; i < versions_.size(); ++i) {
        const bool match = Matches(versions_[i]);
        if (filter_ && !match)
            continue;
        std::string text;
        for (char c : versions_[i].name) {
            if (c == '&')
                text += '&';
            text += c;
        }
        MenuItem& item = menu.AddCommand(firstId_ + static_cast<int>(i), std::move(text),
                                         "Choose " + versions_[i].name);
        item.checked = match;
    }
}

std::optional<std::size_t> HtmlVerPopup::Execute(int id) const {
    const int index = id - firstId_;
    if (index < 0 || static_cast<std::size_t>(index) >= versions_.size())
        return std::nullopt;
    if (filter_ && !Matches(versions_[static_cast<std::size_t>(index)]))
        return std::nullopt;
    return static_cast<std::size_t>(index);
}

} // namespace velto

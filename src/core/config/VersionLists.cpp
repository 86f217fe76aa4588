// The two version lists of the Options dialog.
#include "core/config/VersionLists.h"

namespace velto {

std::vector<std::size_t> VersionList::Entries() const {
    std::vector<std::size_t> listed;
    for (std::size_t i = 0; i < versions_.size(); ++i)
        if (versions_[i].state & bit_)
            listed.push_back(i);
    return listed;
}

std::vector<std::string> VersionList::Names() const {
    std::vector<std::string> names;
    for (std::size_t i : Entries())
        names.push_back(versions_[i].name);
    return names;
}

std::vector<std::size_t> VersionList::Addable() const {
    std::vector<std::size_t> addable;
    for (std::size_t i = 0; i < versions_.size(); ++i) {
        const std::uint32_t state = versions_[i].state;
        if (HtmlVer::Normalised(state | bit_) != state)
            addable.push_back(i);
    }
    return addable;
}

void VersionList::Add(std::size_t version) {
    if (version < versions_.size())
        versions_[version].state = HtmlVer::Normalised(versions_[version].state | bit_);
}

std::optional<std::size_t> VersionList::Remove(std::size_t row) {
    const std::vector<std::size_t> listed = Entries();
    if (row < listed.size())
        versions_[listed[row]].state &= ~bit_;
    const std::size_t left = Entries().size();
    if (left == 0)
        return std::nullopt;
    return row < left ? row : left - 1;
}

} // namespace velto

// The settings of Check Page.
#include "core/check/CheckSettings.h"

#include "core/platform/Profile.h"

#include <string>

namespace velto {

namespace {
constexpr const char* CheckPagesKey = "CheckPages";
// The ids of the rules switched off, separated by commas.
constexpr const char* DisabledKey = "DisabledRules";
} // namespace

void CheckSettings::Load(const Profile& profile) {
    const CheckSettings defaults;
    checkPages = profile.GetInt(Section, CheckPagesKey, defaults.checkPages ? 1 : 0) != 0;
    disabled_.reset();
    const std::string list = profile.GetString(Section, DisabledKey, "");
    std::size_t start = 0;
    while (start < list.size()) {
        std::size_t comma = list.find(',', start);
        if (comma == std::string::npos)
            comma = list.size();
        std::string_view id(list.data() + start, comma - start);
        while (!id.empty() && id.front() == ' ')
            id.remove_prefix(1);
        while (!id.empty() && id.back() == ' ')
            id.remove_suffix(1);
        if (const auto rule = RuleById(id))
            SetEnabled(*rule, false);
        start = comma + 1;
    }
}

bool CheckSettings::Save(Profile& profile) const {
    std::string list;
    for (const RuleInfo& r : Rules()) {
        if (IsEnabled(r.rule))
            continue;
        if (!list.empty())
            list += ',';
        list += r.id;
    }
    return profile.WriteInt(Section, CheckPagesKey, checkPages ? 1 : 0) &&
           profile.WriteString(Section, DisabledKey, list);
}

} // namespace velto

// The settings of Check Page, section "Check Page": whether pages are checked as they are
// edited, and the rules switched off.
#pragma once

#include "core/check/CheckRule.h"

#include <bitset>

namespace velto {

class Profile;

class CheckSettings {
public:
    static constexpr const char* Section = "Check Page";

    // Open pages are checked when opened and again after each pause in typing.
    bool checkPages = true;

    [[nodiscard]] bool IsEnabled(Rule rule) const noexcept {
        return !disabled_.test(static_cast<std::size_t>(rule));
    }
    void SetEnabled(Rule rule, bool enabled) noexcept {
        disabled_.set(static_cast<std::size_t>(rule), !enabled);
    }

    // Missing keys keep the defaults (every rule on); unknown rule ids in the list are
    // skipped, so a list written by a later version loads.
    void Load(const Profile& profile);
    bool Save(Profile& profile) const;

    bool operator==(const CheckSettings&) const = default;

private:
    std::bitset<RuleCount> disabled_;
};

} // namespace velto

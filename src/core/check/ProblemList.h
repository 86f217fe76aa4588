// ProblemList: where the checks put what they find, leaving out the rules switched off.
#pragma once

#include "core/check/CheckSettings.h"
#include "core/check/Problem.h"

#include <string>
#include <vector>

namespace velto {

class ProblemList {
public:
    // A damaged or foreign file can give a problem every few bytes: beyond this many the
    // rest are left out, and a last note says so.
    static constexpr std::size_t MaxProblems = 100000;

    // Without settings every rule reports.
    explicit ProblemList(const CheckSettings* settings = nullptr) noexcept : settings_(settings) {}

    // Whether the rule reports at all: a check skips building a message it would not keep.
    [[nodiscard]] bool Wants(Rule rule) const noexcept {
        return settings_ == nullptr || settings_->IsEnabled(rule);
    }
    // Adds a problem with the rule's severity; none when the rule is switched off. The
    // pointer holds until the next Add.
    Problem* Add(Rule rule, std::size_t start, std::size_t end, std::string message);
    // The problems in the order of their places in the text.
    [[nodiscard]] std::vector<Problem> TakeSorted();

private:
    const CheckSettings* settings_;
    std::vector<Problem> problems_;
    bool full_ = false;
    std::size_t firstLeftOut_ = 0;
};

} // namespace velto

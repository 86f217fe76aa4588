// The tip of the day's state: which tip comes next across runs, whether tips show at
// start-up, and the tips file found; the dialog shows what it gives.
#pragma once

#include "core/support/TipsFile.h"

#include <string>
#include <vector>

namespace velto {

class Profile;
class Prompter;

class CTipOfTheDay {
public:
    // Finds the tips file (the one last found, then each candidate), starts over when the
    // file changed since the position was stored, and reads the first tip. A missing file
    // or a failed seek is reported through prompter.
    CTipOfTheDay(Profile& settings, Prompter& prompter, const std::vector<std::string>& candidates,
                 const std::string& programFolder);
    // Stores where the next tip starts.
    ~CTipOfTheDay();
    CTipOfTheDay(const CTipOfTheDay&) = delete;
    CTipOfTheDay& operator=(const CTipOfTheDay&) = delete;

    [[nodiscard]] static bool ShowsAtStartUp(const Profile& settings);
    [[nodiscard]] bool ShowAtStartUp() const noexcept { return showAtStartUp_; }
    [[nodiscard]] bool HasTips() const noexcept { return hasTips_; }
    [[nodiscard]] const std::string& Tip() const noexcept { return tip_; }
    void Next();
    // OK: whether tips show at start-up from now on.
    void Finish(bool showAtStartUp);

private:
    Profile& settings_;
    CTipsFile file_;
    std::string tip_;
    bool showAtStartUp_ = true;
    bool hasTips_ = false;
};

} // namespace velto

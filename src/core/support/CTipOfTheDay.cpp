// The tip of the day's state.
#include "core/support/CTipOfTheDay.h"

#include "core/platform/Profile.h"
#include "core/platform/Prompter.h"

namespace velto {

namespace {
constexpr const char* Section = "Tip";
}

bool CTipOfTheDay::ShowsAtStartUp(const Profile& settings) {
    return settings.GetInt(Section, "StartUp", 0) == 0;
}

CTipOfTheDay::CTipOfTheDay(Profile& settings, Prompter& prompter, const std::vector<std::string>& candidates,
                           const std::string& programFolder)
    : settings_(settings), showAtStartUp_(ShowsAtStartUp(settings)) {
    std::vector<std::string> search{settings.GetString(Section, "LastTipsFile", "")};
    search.insert(search.end(), candidates.begin(), candidates.end());
    const std::optional<std::string> path = CTipsFile::Find(search);
    if (!path || !file_.Open(*path)) {
        prompter.Message("Error loading Tips file: tips.txt\n\nThis file should normally be in the\nsame "
                         "directory as the application,\nin " + programFolder,
                         Prompter::Kind::Warning);
        return;
    }
    settings.WriteString(Section, "LastTipsFile", *path);
    std::int64_t position = settings.GetInt(Section, "FilePos", 0);
    // An edited tips file starts over from its first tip.
    const std::string stamp = CTipsFile::TimeStamp(*path);
    if (stamp != settings.GetString(Section, "TimeStamp", "")) {
        position = 0;
        settings.WriteString(Section, "TimeStamp", stamp);
    }
    if (!file_.Seek(position)) {
        prompter.Message("Trouble reading the tips file", Prompter::Kind::Warning);
        return;
    }
    Next();
}

CTipOfTheDay::~CTipOfTheDay() {
    if (file_.IsOpen())
        settings_.WriteInt(Section, "FilePos", static_cast<std::int32_t>(file_.Position()));
}

void CTipOfTheDay::Next() {
    const std::optional<std::string> tip = file_.NextTip();
    hasTips_ = tip.has_value();
    tip_ = tip.value_or(std::string());
}

void CTipOfTheDay::Finish(bool showAtStartUp) {
    showAtStartUp_ = showAtStartUp;
    settings_.WriteInt(Section, "StartUp", showAtStartUp ? 0 : 1);
}

} // namespace velto

// Previewer profiles.
#include "core/preview/CPreviewConfig.h"

#include "core/htmlkb/AsciiCase.h"
#include "core/platform/Profile.h"
#include "core/platform/Prompter.h"

namespace velto {

namespace {
constexpr const char* Settings = "Settings";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

void CPreviewConfig::LoadSettings(const velto::Profile& settings) {
    Previewer = settings.GetString(Profile, "Previewer", Previewer);
    DelayOnAppStart = settings.GetInt(Profile, "DelayOnAppStart", DelayOnAppStart);
}

bool CPreviewConfig::SaveSettings(velto::Profile& settings) const {
    return settings.WriteString(Profile, "Previewer", Previewer) &&
           settings.WriteInt(Profile, "DelayOnAppStart", DelayOnAppStart);
}

PreviewerList BuiltInPreviewers(const ProgramSearch& onPath) {
    const auto browser = [](std::string name, std::string program) {
        CPreviewConfig p;
        p.Profile = std::move(name);
        p.Previewer = std::move(program);
        return p;
    };
    const bool esrOnly = onPath && !onPath("firefox") && onPath("firefox-esr");
    return {browser("Default Browser", ""), browser("Firefox", esrOnly ? "firefox-esr" : "firefox"),
            browser("Chromium", "chromium"), browser("Google Chrome", "google-chrome"),
            browser("Epiphany", "epiphany-browser")};
}

std::string KeepInFrontPrompt(bool programsMayRaiseThemselves) {
    const std::string what = "After a preview, bring Velto's window back in front of the browser's once that has "
                             "come up (within a few seconds, or the previewer's start-up delay).";
    if (programsMayRaiseThemselves)
        return what;
    return what + " On this desktop (Wayland) the desktop decides: it may only show Velto as wanting attention "
                  "and leave the browser in front.";
}

bool IsValidProfileName(std::string_view name, Prompter* report) {
    const bool valid = !name.empty() && !IsBlank(name.front()) && !IsBlank(name.back()) &&
                       !ascii::EqualNoCase(name, "<empty>");
    if (!valid && report)
        report->Message("\"" + std::string(name) +
                            "\" is not a valid profile name.\n\nProfile names must not start or end with a space.",
                        Prompter::Kind::Warning);
    return valid;
}

void PreviewerProfiles::Initialise(velto::Profile& settings, const ProgramSearch& onPath) {
    builtIn_ = BuiltInPreviewers(onPath);
    LoadSelection(settings);
    list_.clear();
    for (const CPreviewConfig& p : builtIn_) {
        list_.push_back(p);
        list_.back().LoadSettings(settings);
    }
}

void PreviewerProfiles::Release() {
    list_.clear();
    builtIn_.clear();
}

const CPreviewConfig* PreviewerProfiles::Current() const {
    if (const CPreviewConfig* named = FindByName(list_, selectedName_))
        return named;
    return list_.empty() ? nullptr : &list_.front();
}

std::string PreviewerProfiles::SelectedName() const {
    const CPreviewConfig* current = Current();
    return current ? current->Profile : std::string();
}

void PreviewerProfiles::Select(const CPreviewConfig* profile) {
    selectedName_ = profile ? profile->Profile : std::string();
}

void PreviewerProfiles::LoadSelection(const velto::Profile& settings) {
    selectedName_ = settings.GetString(Settings, "HTML Previewer", "");
    keepInFront_ = settings.GetInt(Settings, "Keep Velto In Front", 0) != 0;
}

void PreviewerProfiles::SaveSelection(velto::Profile& settings) const {
    settings.WriteString(Settings, "HTML Previewer", selectedName_);
    settings.WriteInt(Settings, "Keep Velto In Front", keepInFront_ ? 1 : 0);
}

void PreviewerProfiles::Apply(const PreviewerList& edited, velto::Profile& settings) {
    list_ = edited;
    SaveSelection(settings);
    for (const CPreviewConfig& p : list_)
        p.SaveSettings(settings);
}

const CPreviewConfig* PreviewerProfiles::FindByName(const PreviewerList& list, std::string_view name) {
    for (const CPreviewConfig& p : list)
        if (ascii::EqualNoCase(p.Profile, name))
            return &p;
    return nullptr;
}

std::size_t PreviewerProfiles::ChoiceIndex(const PreviewerList& list, std::string_view name) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (ascii::EqualNoCase(list[i].Profile, name))
            return i;
    return 0;
}

} // namespace velto

// Previewer profiles: the browsers Velto can show a document in, the one chosen, and
// whether Velto's window comes back in front after a preview.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

class Profile;
class Prompter;

// One browser. An empty Previewer means the desktop's own browser for HTML pages;
// otherwise it is a command line, the preview's address added as its last argument (or
// put in place of "%u").
struct CPreviewConfig {
    std::string Profile;
    std::string Previewer;
    bool NeedBaseURL = false;      // the preview file begins with a BASE element
    bool NeedDefaultTitle = false; // the preview file ends with a default TITLE element
    bool WindowActivateSelf = true; // the browser raises its own window
    bool ProvideFragment = true;   // the browser takes a "#" fragment on a file address
    int DelayOnAppStart = 0;       // milliseconds to wait after starting the browser

    [[nodiscard]] bool UsesDesktopBrowser() const noexcept { return Previewer.empty(); }
    // "Previewer" and "DelayOnAppStart" of the section named after the profile, the
    // current values as defaults.
    void LoadSettings(const velto::Profile& settings);
    bool SaveSettings(velto::Profile& settings) const;
};

using PreviewerList = std::vector<CPreviewConfig>;

// Whether a program name is found on the search path.
using ProgramSearch = std::function<bool(const std::string& program)>;

// The browsers of this platform, in order: the desktop's default, Firefox, Chromium,
// Google Chrome, Epiphany. Firefox runs as "firefox-esr" where only that is installed.
[[nodiscard]] PreviewerList BuiltInPreviewers(const ProgramSearch& onPath);

// The prompt of the "Velto In Front Of Browser" option: what it does on a window system
// where a program may bring its own window back in front (X11), or where the desktop
// decides (Wayland).
[[nodiscard]] std::string KeepInFrontPrompt(bool programsMayRaiseThemselves);

// Not empty, no white space at either end, and not "<empty>" in any case. An invalid name
// is reported through report when one is given.
bool IsValidProfileName(std::string_view name, Prompter* report = nullptr);

class PreviewerProfiles {
public:
    // The built-in list, the selection, then the user's list as copies of the built-in
    // profiles, each with its own stored settings.
    void Initialise(velto::Profile& settings, const ProgramSearch& onPath);
    void Release();

    [[nodiscard]] const PreviewerList& BuiltIn() const noexcept { return builtIn_; }
    [[nodiscard]] const PreviewerList& List() const noexcept { return list_; }

    // The profile named by the selection (without regard to case), else the first one;
    // nullptr only for an empty list.
    [[nodiscard]] const CPreviewConfig* Current() const;
    [[nodiscard]] std::string SelectedName() const;
    void Select(const CPreviewConfig* profile);
    [[nodiscard]] bool KeepInFront() const noexcept { return keepInFront_; }
    void SetKeepInFront(bool keep) noexcept { keepInFront_ = keep; }

    // "HTML Previewer" and "Keep Velto In Front" of "Settings".
    void LoadSelection(const velto::Profile& settings);
    void SaveSelection(velto::Profile& settings) const;
    // The Options dialog's OK: the edited list replaces the user's, and the selection and
    // every profile's settings are written.
    void Apply(const PreviewerList& edited, velto::Profile& settings);

    [[nodiscard]] static const CPreviewConfig* FindByName(const PreviewerList& list, std::string_view name);
    // The entry a choice box of the list's names selects for name: the first equal to it
    // without regard to case, else the first.
    [[nodiscard]] static std::size_t ChoiceIndex(const PreviewerList& list, std::string_view name);

private:
    PreviewerList builtIn_;
    PreviewerList list_;
    std::string selectedName_;
    bool keepInFront_ = false;
};

} // namespace velto

// The templates' settings and file dialogs.
#include "core/templates/CTemplates.h"

#include "core/document/FileFilters.h"
#include "core/platform/FileChooser.h"
#include "core/platform/Profile.h"

#include <filesystem>

namespace velto {

namespace {
constexpr std::string_view Section = "Templates";

struct ModeSetup {
    std::string_view title;
    bool save;
};
constexpr ModeSetup Modes[] = {
    {"Choose Template for New Document", false},
    {"Save Document As Template", true},
    {"Choose Default Template", false},
    {"Choose Template", false},
};

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return {};
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}
} // namespace

std::string JoinFolder(std::string_view folder, std::string_view name) {
    if (name.substr(0, 2) == "./")
        name.remove_prefix(2);
    std::string joined(folder);
    if (!joined.empty() && joined.back() != '/')
        joined += '/';
    joined += name;
    return joined;
}

CTemplates::CTemplates(Profile& profile, std::string templatesFolder)
    : profile_(profile), templatesFolder_(std::move(templatesFolder)) {
    Load();
}

void CTemplates::Load() {
    currentFolder_ = profile_.GetString(Section, "CurrentFolder", "");
    if (currentFolder_.empty() && useDefaults_)
        currentFolder_ = templatesFolder_;
    defaultTemplate_ = profile_.GetString(Section, "DefaultTemplate", "");
    if (defaultTemplate_.empty())
        defaultTemplate_ = JoinFolder(currentFolder_, DefaultTemplateName);
}

void CTemplates::Save() {
    profile_.WriteString(Section, "CurrentFolder", currentFolder_);
    profile_.WriteString(Section, "DefaultTemplate", defaultTemplate_);
}

std::string CTemplates::SnippetsFolder() const {
    return JoinFolder(templatesFolder_, "Snippets");
}

void CTemplates::SetCurrentFolder(std::string folder) {
    currentFolder_ = std::move(folder);
    Save();
}

void CTemplates::SetDefaultTemplate(std::string path) {
    defaultTemplate_ = std::move(path);
    Save();
}

std::string_view CTemplates::DefaultTitle(Mode mode) noexcept {
    return Modes[mode].title;
}

std::optional<std::string> CTemplates::ChooseFile(FileChooser& chooser, Mode mode, std::string_view filter,
                                                  std::string_view defaultExtension, std::string fileName,
                                                  std::string title, std::string initialFolder) {
    FileDialogRequest request;
    request.title = title.empty() ? std::string(Modes[mode].title) : std::move(title);
    request.save = Modes[mode].save;
    request.mustExist = !request.save;
    request.overwritePrompt = request.save;
    request.keepWorkingFolder = noChangeDir_;
    request.filter = filter;
    request.defaultExtension = defaultExtension;
    request.fileName = std::move(fileName);
    request.initialFolder = initialFolder.empty() ? currentFolder_ : std::move(initialFolder);
    std::optional<std::string> chosen = chooser.ChooseFile(request);
    if (!chosen || chosen->empty())
        return std::nullopt;
    // A typed name without an extension means the template of that name; an existing
    // file of exactly that name is still taken as it is.
    const std::string extended = WithDefaultExtension(*chosen, defaultExtension);
    if (request.save || !Exists(*chosen))
        *chosen = extended;
    SetCurrentFolder(FolderOf(*chosen));
    return chosen;
}

} // namespace velto

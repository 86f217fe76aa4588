// CTemplates: the template folder last used in a file dialog, the default template of
// File New, and the file dialogs of the template and snippet commands.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velto {

class FileChooser;
class Profile;

inline constexpr std::string_view TemplatesFilter =
    "HTML Templates (*.htt)|*.htt|HTML Files (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*||";
inline constexpr std::string_view SnippetsFilter =
    "HTML Snippets (*.htt)|*.htt|HTML Templates (*.htt)|*.htt|HTML Files (*.htm;*.html)|*.htm;*.html|"
    "All Files (*.*)|*.*||";
inline constexpr std::string_view TemplateExtension = "htt";

class CTemplates {
public:
    // The file dialog modes.
    enum Mode { ChooseForNew = 0, SaveAsTemplate = 1, ChooseDefault = 2, ChooseTemplate = 3 };
    static constexpr std::string_view DefaultTemplateName = "Default.htt";

    // templatesFolder holds the templates, with the snippets in its "Snippets" folder.
    CTemplates(Profile& profile, std::string templatesFolder);

    // Reads "CurrentFolder" and "DefaultTemplate" and fills in their defaults.
    void Load();
    void Save();

    [[nodiscard]] const std::string& TemplatesFolder() const noexcept { return templatesFolder_; }
    [[nodiscard]] std::string SnippetsFolder() const;
    [[nodiscard]] std::string DefaultTemplatePath() const { return defaultTemplate_; }
    [[nodiscard]] std::string CurrentFolder() const { return currentFolder_; }
    void SetCurrentFolder(std::string folder);
    void SetDefaultTemplate(std::string path);

    // Runs the mode's file dialog (its own title when title is empty; the current folder
    // when initialFolder is empty). On OK the folder of the choice becomes the current
    // folder (saved at once) and the path is returned; a typed name without an extension
    // gets the default one.
    std::optional<std::string> ChooseFile(FileChooser& chooser, Mode mode, std::string_view filter,
                                          std::string_view defaultExtension, std::string fileName,
                                          std::string title = {}, std::string initialFolder = {});

    [[nodiscard]] static std::string_view DefaultTitle(Mode mode) noexcept;

private:
    Profile& profile_;
    std::string templatesFolder_;
    std::string currentFolder_;
    std::string defaultTemplate_;
    // An empty current folder is replaced by the templates folder.
    bool useDefaults_ = true;
    // The dialogs leave the process's current folder alone.
    bool noChangeDir_ = true;
};

// A folder and a name joined with one '/', a leading "./" of the name dropped.
[[nodiscard]] std::string JoinFolder(std::string_view folder, std::string_view name);

} // namespace velto

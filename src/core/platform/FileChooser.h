// The file dialogs the core asks the platform to run.
#pragma once

#include <optional>
#include <string>

namespace velto {

struct FileDialogRequest {
    std::string title;
    bool save = false;            // a save dialog; else an open dialog
    bool mustExist = false;       // open: only an existing file is accepted
    bool overwritePrompt = false; // save: an existing file is confirmed first
    bool keepWorkingFolder = true; // the process's current folder is left alone
    std::string filter;           // "display|pattern|...||"
    std::string defaultExtension; // given to a typed name that has none ("htt")
    std::string fileName;         // proposed name
    std::string initialFolder;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen path, or nothing when the user cancelled.
    [[nodiscard]] virtual std::optional<std::string> ChooseFile(const FileDialogRequest& request) = 0;
};

} // namespace velto

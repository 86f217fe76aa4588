// A FileChooser that records the dialogs asked for and answers from a script.
#pragma once

#include "core/platform/FileChooser.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace velto::test {

class ScriptedChooser final : public FileChooser {
public:
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override {
        requests.push_back(request);
        if (answers.empty())
            return std::nullopt;
        std::optional<std::string> a = answers.front();
        answers.pop_front();
        return a;
    }
    std::vector<FileDialogRequest> requests;
    std::deque<std::optional<std::string>> answers; // cancelled when empty
};

} // namespace velto::test

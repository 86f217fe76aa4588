// User prompts the core asks the platform to show: messages and yes/no questions.
#pragma once

#include <string>
#include <vector>

namespace velto {

class Prompter {
public:
    enum class Kind { Information, Warning, Error };
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter() = default;
    // A modal message box with the given text.
    virtual void Message(const std::string& text, Kind kind) = 0;
    // A modal Yes/No question; true for Yes.
    [[nodiscard]] virtual bool AskYesNo(const std::string& text) = 0;
    // A modal Yes/No/Cancel question (save changes before closing?).
    [[nodiscard]] virtual Answer AskYesNoCancel(const std::string& text) = 0;
    // A modal question with buttons of its own (the last one cancels); the index of the
    // one chosen. Where a platform has no such box, the first three are asked as Yes, No
    // and Cancel.
    [[nodiscard]] virtual std::size_t AskChoice(const std::string& text, const std::vector<std::string>& choices) {
        switch (AskYesNoCancel(text)) {
        case Answer::Yes:
            return 0;
        case Answer::No:
            return choices.size() > 2 ? 1 : choices.size() - 1;
        case Answer::Cancel:
            break;
        }
        return choices.empty() ? 0 : choices.size() - 1;
    }
};

} // namespace velto

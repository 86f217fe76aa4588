// User prompts the core asks the platform to show: messages and yes/no questions.
#pragma once

#include <string>

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
};

} // namespace velto

// A Prompter that records what it was asked and answers from a script.
#pragma once

#include "core/platform/Prompter.h"

#include <deque>
#include <string>
#include <vector>

namespace velto::test {

class RecordingPrompter final : public Prompter {
public:
    void Message(const std::string& text, Kind) override { messages.push_back(text); }
    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty())
            return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }

    Answer AskYesNoCancel(const std::string& text) override {
        questions.push_back(text);
        if (threeWayAnswers.empty())
            return Answer::Cancel;
        const Answer a = threeWayAnswers.front();
        threeWayAnswers.pop_front();
        return a;
    }

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<bool> answers; // answered in order; No when empty
    std::deque<Answer> threeWayAnswers; // answered in order; Cancel when empty
};

} // namespace velto::test

// Prompts shown as Qt message boxes.
#pragma once

#include "core/platform/Prompter.h"

class QWidget;

namespace velto {

class QtPrompter final : public Prompter {
public:
    // Boxes are owned by the given window (or the active window when none).
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Message(const std::string& text, Kind kind) override;
    bool AskYesNo(const std::string& text) override;
    Answer AskYesNoCancel(const std::string& text) override;
    std::size_t AskChoice(const std::string& text, const std::vector<std::string>& choices) override;

private:
    QWidget* Owner() const;
    QWidget* parent_;
};

} // namespace velto

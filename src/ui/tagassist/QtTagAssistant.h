// The tag assistance's dialogs and messages in the main window.
#pragma once

#include "core/tagassist/TagAssistant.h"

#include <QPointer>
#include <QWidget>

namespace velto {

class CQuorApp;

class QtTagAssistant final : public TagAssistant {
public:
    QtTagAssistant(CQuorApp& app, QWidget* parent) : app_(app), parent_(parent) {}

    std::optional<ValueAnswer> AskValue(const ValueRequest& request) override;
    std::optional<ColourRef> ChooseColour(ColourRef current) override;
    void Message(const std::string& text) override;
    bool OpenDocument(const std::string& path) override;
    DesktopOpen OpenWithDesktop(const std::string& path) override;

private:
    CQuorApp& app_;
    QPointer<QWidget> parent_;
};

} // namespace velto

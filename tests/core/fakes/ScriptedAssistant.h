// A TagAssistant that answers its dialogs from a script and records what it was asked.
#pragma once

#include "core/tagassist/TagAssistant.h"

#include <deque>
#include <string>
#include <vector>

namespace velto::test {

class ScriptedAssistant final : public TagAssistant {
public:
    std::optional<ValueAnswer> AskValue(const ValueRequest& request) override {
        asked.push_back(request);
        if (values.empty())
            return std::nullopt;
        ValueAnswer a = values.front();
        values.pop_front();
        return a;
    }
    std::optional<ColourRef> ChooseColour(ColourRef current) override {
        colourAskedWith.push_back(current);
        if (colours.empty())
            return std::nullopt;
        const ColourRef c = colours.front();
        colours.pop_front();
        return c;
    }
    void Message(const std::string& text) override { messages.push_back(text); }
    bool OpenDocument(const std::string& path) override {
        opened.push_back(path);
        return openSucceeds;
    }
    DesktopOpen OpenWithDesktop(const std::string& path) override {
        handedToDesktop.push_back(path);
        return desktop;
    }

    std::deque<ValueAnswer> values;  // answered in order; Cancel when empty
    std::deque<ColourRef> colours;   // answered in order; Cancel when empty
    bool openSucceeds = true;
    DesktopOpen desktop = DesktopOpen::Opened;

    struct Asked {
        const HtmlMetaAttBase* attribute;
        std::string value;
        bool present;
        std::string documentFolder;
        Asked(const ValueRequest& r)
            : attribute(r.attribute), value(r.value), present(r.present), documentFolder(r.documentFolder) {}
    };
    std::vector<Asked> asked;
    std::vector<ColourRef> colourAskedWith;
    std::vector<std::string> messages;
    std::vector<std::string> opened;
    std::vector<std::string> handedToDesktop;
};

} // namespace velto::test

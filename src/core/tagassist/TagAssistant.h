// What the tag assistance asks of the window: the attribute value dialog, the colour
// chooser, messages, and opening a linked file in the editor or with the desktop.
#pragma once

#include "core/colours/ColourRef.h"

#include <optional>
#include <string>

namespace velto {

class HtmlMetaAttBase;

class TagAssistant {
public:
    virtual ~TagAssistant() = default;

    // The attribute value dialog for one attribute of a tag.
    struct ValueRequest {
        const HtmlMetaAttBase* attribute = nullptr;
        std::string value;          // the tag's current value
        bool present = false;       // whether the tag has the attribute
        std::string documentFolder; // what a chosen file is made relative to
    };
    struct ValueAnswer {
        std::string value;
        bool remove = false;       // the user asked to take the attribute out
        bool setImageSize = false; // the user asked for HEIGHT and WIDTH from the image
    };
    // Nothing when the user cancels.
    virtual std::optional<ValueAnswer> AskValue(const ValueRequest& request) = 0;
    // The colour chooser, starting on current (NoColour: none yet); nothing on Cancel.
    virtual std::optional<ColourRef> ChooseColour(ColourRef current) = 0;
    virtual void Message(const std::string& text) = 0;
    // Opens a file of the editor's own types as a document; false when it cannot.
    virtual bool OpenDocument(const std::string& path) = 0;
    // Hands a file to the desktop's default application for its type.
    enum class DesktopOpen { Opened, NoApplication, Failed };
    virtual DesktopOpen OpenWithDesktop(const std::string& path) = 0;
};

} // namespace velto

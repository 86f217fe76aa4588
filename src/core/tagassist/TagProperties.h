// The tag properties dialog's model: every attribute the tag's element offers with the
// value the tag gives it, and the edits, which change the tag held and reach the document
// only when the dialog is accepted.
#pragma once

#include "core/menu/MenuModel.h"
#include "core/tagassist/HMAttPopup.h"

#include <optional>
#include <string>
#include <vector>

namespace velto {

class HtmlElementEd;
class HtmlKnowledgeBase;
class HtmlMetaAttBase;
class HtmlTagEventHolder;
class TagAssistant;

class TagProperties {
public:
    static constexpr const char* PresentNoValue = "(attribute present, no value)";

    // tag must hold a start tag of a known element (HtmlElementEd::FindTagAtCaret).
    TagProperties(HtmlKnowledgeBase& kb, HtmlElementEd& tag, TagPopupContext context);

    // "IMG - Inline Image Attributes" with the terminology of HTML tags, otherwise
    // "Inline Image Attributes <IMG>".
    [[nodiscard]] std::string Title() const;

    struct Row {
        const HtmlMetaAttBase* attribute = nullptr;
        std::string name;   // the written name with HTML codes shown, else the popup name
        std::string second; // the popup name with HTML codes shown, else empty
        std::string value;
        bool enabled = true; // outside the version selection and greyed: not editable
    };
    // The shared attributes first, then the element's own; its event handlers are one
    // row, "Event Handlers", whose value names the handlers the tag has and which is
    // edited from the events submenu of the tag menu.
    [[nodiscard]] std::vector<Row> Rows(bool showHtmlCodes) const;
    [[nodiscard]] std::string ValueText(const HtmlMetaAttBase& attribute) const;
    // "Purpose: %s" with the description, or empty.
    [[nodiscard]] static std::string Purpose(const HtmlMetaAttBase& attribute);

    // An enumerated or colour attribute is edited from its submenu of the tag menu.
    [[nodiscard]] static bool EditsBySubmenu(const HtmlMetaAttBase& attribute);
    [[nodiscard]] MenuModel Submenu(const HtmlMetaAttBase& attribute);
    bool RunSubmenuCommand(int id, TagAssistant& assistant);
    // Any other attribute: a flag toggles, a value is asked for. False when nothing changed.
    bool Edit(const HtmlMetaAttBase& attribute, TagAssistant& assistant);

    // Whether the edits changed the tag, and the tag as it stands now.
    [[nodiscard]] bool Changed() const;
    [[nodiscard]] const std::string& TagText() const;
    // Writes the edited tag into the document; false when there was nothing to write.
    bool Apply();

private:
    [[nodiscard]] std::optional<Row> EventRow(const HtmlTagEventHolder& holder) const;

    HtmlKnowledgeBase& kb_;
    HtmlElementEd& tag_;
    HMAttPopup popup_;
    std::string original_;
};

} // namespace velto

// HMAttPopup: the right-click menu of the tag under the caret. One walk over the knowledge
// base builds the menu (with its check marks and enabled states), finds the prompt of a
// command and executes it, handing out command ids from 1500 in walk order, so an id
// stays the same as long as the tag and the settings do.
#pragma once

#include "core/menu/MenuModel.h"

#include <functional>
#include <string>

namespace velto {

class CCustomColours;
class HtmlElementEd;
class HtmlKnowledgeBase;
class HtmlMeta;
class HtmlMetaAttBase;
class HtmlMetaElement;
class TagAssistant;
struct HtmlTagEvent;

// What the walk needs besides the tag: the user's custom colours and where the document is.
struct TagPopupContext {
    const CCustomColours* customColours = nullptr;
    std::string documentFolder; // with a trailing separator; linked files are read against it
    // Whether "&Properties..." can open the tag properties dialog.
    bool propertiesDialog = false;
};

class HMAttPopup {
public:
    static constexpr int FirstId = 1500;
    // Request flag bits: put an attribute's values straight into the menu given instead of
    // a submenu; do not write the tag back after executing.
    static constexpr unsigned ValuesInPlace = 1;
    static constexpr unsigned NoWriteBack = 2;

    // tag must hold the tag found at the caret (HtmlElementEd::FindTagAtCaret); kb makes
    // the temporary attribute of an event handler.
    HMAttPopup(HtmlKnowledgeBase& kb, HtmlElementEd& tag, TagPopupContext context);

    // Appends the tag's items to menu. Nothing is added when the tag names no element
    // the version selection allows, or is an end tag.
    void BuildMenu(MenuModel& menu);
    // The status-bar prompt of a command; empty when the walk has no such id.
    [[nodiscard]] std::string GetPrompt(int id);
    // Runs a command, asking the assistant for what it needs; the tag is written back
    // (unless NoWriteBack) when it changed. False when the id is not the walk's, the user
    // cancelled, or the command failed (the assistant was told why).
    bool Execute(int id, TagAssistant& assistant, unsigned flags = 0);
    // Whether the id is "&Properties...".
    [[nodiscard]] bool IsPropertiesCommand(int id);
    // The walk for one attribute alone (the properties dialog's edit button): its values
    // or colours as a menu, with the same ids a whole walk gives them.
    void BuildAttributeMenu(const HtmlMetaAttBase& attribute, MenuModel& menu);

    // The prompt texts where a record has no description of its own.
    static constexpr const char* RemovePrompt = "Remove the %s attribute";
    static constexpr const char* ChoosePrompt = "Choose a setting for the %s attribute";
    static constexpr const char* EditPrompt = "Edit the %s attribute";
    static constexpr const char* ValuePrompt = "Set the attribute value to %s";
    static constexpr const char* ManualPrompt = "Manually set a %s";

private:
    enum class Action { Build, Prompt, Execute };
    struct Request;
    // Where the items being walked go: the menu (on a build), and whether they are shown
    // and can be chosen.
    struct Scope {
        MenuModel* menu = nullptr;
        bool visible = true;
        bool enabled = true;
    };
    struct ItemSpec;

    void Walk(Request& r, Scope top);
    void WalkUrlItems(Request& r, Scope scope);
    void WalkElement(Request& r, const HtmlMetaElement& element, Scope scope);
    bool WalkAttribute(Request& r, const HtmlMetaAttBase& attribute, Scope scope);
    void WalkColours(Request& r, const HtmlMetaAttBase& attribute, Scope scope);
    void WalkValues(Request& r, const HtmlMetaAttBase& attribute, Scope scope);
    void WalkEvents(Request& r, const HtmlMetaElement& element, Scope scope);
    void WalkRemove(Request& r, const HtmlMetaAttBase& attribute, Scope scope);
    // Where an attribute's own items go: its submenu, or with ValuesInPlace the menu that
    // a build for that attribute alone fills.
    Scope ItemsScope(Request& r, const HtmlMetaAttBase& attribute, Scope scope, ItemSpec submenu);
    // Visits one item: its id is taken; a build adds it, a prompt or an execute of its id
    // answers and ends the walk. A submenu's model comes back for its items (on a build).
    MenuModel* Visit(Request& r, Scope scope, ItemSpec item);
    static void Separator(Request& r, Scope scope);

    // The attribute assistance the commands share.
    bool AskAndSet(Request& r, const HtmlMetaAttBase& attribute);
    bool ChooseAndSetColour(Request& r, const HtmlMetaAttBase& attribute);
    bool SetImageSizeFrom(Request& r, const std::string& path, bool reportFailure);
    [[nodiscard]] const HtmlMetaAttBase* FirstUrlAttribute() const;
    [[nodiscard]] std::string CurrentValue(const HtmlMetaAttBase& attribute) const;
    [[nodiscard]] bool Has(const std::string& name) const;
    // Whether a record of the selection's versions is listed, and whether it can be chosen
    // (attributes and values outside the selection follow "AdvancedAttsOnPopup" and
    // "AdvancedAttsGreyed").
    [[nodiscard]] bool Shown(const HtmlMeta& record, bool* enabled) const;

    HtmlKnowledgeBase& kb_;
    HtmlElementEd& tag_;
    TagPopupContext context_;
};

} // namespace velto

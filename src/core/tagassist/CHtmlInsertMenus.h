// The HTML insert menus: built from the insert menu table for the version selection, with
// labels and prompts from the knowledge base, and their commands run on a text control.
#pragma once

#include "core/menu/MenuModel.h"

#include <span>
#include <string>
#include <vector>

namespace velto {

class HtmlKnowledgeBase;
class HtmlMetaElement;
struct InsertMenuRow;
class TextControl;

// One insertion command of the menus.
struct CHtmlMenuCmd {
    int commandId = 0;
    std::string insertText;
    std::string closeText;
    // Whether the row has a closing part (closeText may still be empty).
    bool hasClose = false;
    std::string label;
    std::string prompt; // the row's own; empty when it has none
    const HtmlMetaElement* element = nullptr;
};

class CHtmlInsertMenus {
public:
    static constexpr int FirstAutomaticId = 1050;
    static constexpr const char* AroundPrompt =
        "Insert %s element around the selection or at the carat position";
    static constexpr const char* AtCaretPrompt = "Insert %s element at the carat position";

    // Forgets the commands of the last build and walks the table again for the knowledge
    // base's version selection. The knowledge base must outlive the commands.
    void Build(const HtmlKnowledgeBase& kb);
    void Build(const HtmlKnowledgeBase& kb, std::span<const InsertMenuRow> table);
    // Forgets the menus and their commands.
    void Clear();

    // The menus as built: the top-level submenus are the menus of the menu bar; the window's
    // own commands among the items are marked as such.
    [[nodiscard]] const MenuModel& Menus() const noexcept { return menus_; }
    [[nodiscard]] const std::vector<CHtmlMenuCmd>& Commands() const noexcept { return commands_; }
    [[nodiscard]] const CHtmlMenuCmd* Find(int commandId) const noexcept;

    // Inserts the command's texts around the control's selection, in lower case when the
    // editor options ask for it and with the document's own line ends. False when the id
    // is not one of the menus' commands.
    bool Execute(int commandId, TextControl& control) const;
    // The status-bar prompt of a command; false when the id is not one of the menus'.
    bool GetPrompt(int commandId, std::string& text) const;

private:
    static void GetPromptOf(const CHtmlMenuCmd& cmd, std::string& text);

    const HtmlKnowledgeBase* kb_ = nullptr;
    MenuModel menus_;
    std::vector<CHtmlMenuCmd> commands_;
};

} // namespace velto

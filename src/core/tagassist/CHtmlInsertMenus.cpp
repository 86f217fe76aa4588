// The HTML insert menus.
#include "core/tagassist/CHtmlInsertMenus.h"

#include "core/config/EditorConfig.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/htmlkb/HtmlMetaElement.h"
#include "core/platform/LineEnds.h"
#include "core/platform/TextControl.h"
#include "core/tagassist/HtmlElementEd.h"
#include "core/tagassist/InsertAround.h"
#include "core/tagassist/InsertMenuTable.h"

#include <algorithm>

namespace velto {

namespace {
using Row = InsertMenuRow;

// A submenu being filled. One the version selection rejects is not shown: its rows go into
// the nearest shown menu around it.
struct Level {
    MenuItem item;
    bool shown = true;
};

MenuModel& Target(std::vector<Level>& stack) {
    for (auto it = stack.rbegin(); it != stack.rend(); ++it)
        if (it->shown)
            return it->item.submenu;
    return stack.front().item.submenu;
}

// Separators only between items: none first, none doubled, none last.
void AddSeparator(MenuModel& menu) {
    if (!menu.Empty() && !menu.Items().back().IsSeparator())
        menu.AddSeparator();
}

void DropTrailingSeparator(MenuModel& menu) {
    if (!menu.Empty() && menu.Items().back().IsSeparator())
        menu.Items().pop_back();
}

// printf's "%s" filled once.
std::string Format(std::string_view pattern, std::string_view value) {
    const std::size_t at = pattern.find("%s");
    return std::string(pattern.substr(0, at)) + std::string(value) + std::string(pattern.substr(at + 2));
}
} // namespace

void CHtmlInsertMenus::Clear() {
    menus_ = MenuModel();
    commands_.clear();
    kb_ = nullptr;
}

void CHtmlInsertMenus::Build(const HtmlKnowledgeBase& kb) {
    Build(kb, InsertMenuTable());
}

void CHtmlInsertMenus::Build(const HtmlKnowledgeBase& kb, std::span<const InsertMenuRow> table) {
    Clear();
    kb_ = &kb;
    int nextId = FirstAutomaticId;
    std::vector<Level> stack(1);
    for (const Row& row : table) {
        const bool allowed = kb.IsAllowed(row.versions);
        switch (row.kind) {
        case Row::Kind::Submenu: {
            Level level;
            level.item.kind = MenuItem::Kind::Submenu;
            level.item.text = row.text;
            level.shown = allowed;
            stack.push_back(std::move(level));
            break;
        }
        case Row::Kind::End: {
            if (stack.size() < 2)
                break;
            Level done = std::move(stack.back());
            stack.pop_back();
            DropTrailingSeparator(done.item.submenu);
            // A menu left with nothing in it would only open onto nothing.
            if (done.shown && !done.item.submenu.Empty())
                Target(stack).Add(std::move(done.item));
            break;
        }
        case Row::Kind::Separator:
            if (allowed)
                AddSeparator(Target(stack));
            break;
        case Row::Kind::Command:
            if (allowed) {
                MenuItem& item = Target(stack).AddCommand(row.id, std::string(row.text), std::string(row.prompt));
                item.windowCommand = true;
            }
            break;
        case Row::Kind::Item: {
            if (!allowed)
                break;
            // "ELEMENT\ttext" names its element; otherwise the tag at the first '<' does.
            std::string_view text = row.text;
            std::string_view named = text;
            if (const std::size_t tab = text.find('\t'); tab != std::string_view::npos) {
                named = text.substr(0, tab);
                text = text.substr(tab + 1);
            } else if (const std::size_t lt = text.find('<'); lt != std::string_view::npos) {
                named = text.substr(lt);
            }
            CHtmlMenuCmd cmd;
            cmd.element = kb.FindAllowedElement(HtmlElementEd::NameOfTag(named));
            cmd.label = !row.label.empty() ? std::string(row.label)
                        : cmd.element     ? cmd.element->GetPopupText()
                                          : std::string();
            if (cmd.label.empty())
                break;
            cmd.commandId = row.id != 0 ? row.id : nextId++;
            cmd.insertText = text;
            cmd.closeText = row.closeText;
            cmd.hasClose = row.close != Row::Close::None;
            cmd.prompt = row.prompt;
            std::string prompt;
            GetPromptOf(cmd, prompt);
            Target(stack).AddCommand(cmd.commandId, cmd.label, std::move(prompt));
            commands_.push_back(std::move(cmd));
            break;
        }
        }
    }
    menus_ = std::move(stack.front().item.submenu);
}

const CHtmlMenuCmd* CHtmlInsertMenus::Find(int commandId) const noexcept {
    const auto it = std::find_if(commands_.begin(), commands_.end(),
                                 [commandId](const CHtmlMenuCmd& c) { return c.commandId == commandId; });
    return it == commands_.end() ? nullptr : &*it;
}

bool CHtmlInsertMenus::Execute(int commandId, TextControl& control) const {
    const CHtmlMenuCmd* cmd = Find(commandId);
    if (!cmd || !kb_)
        return false;
    std::string open = cmd->insertText;
    std::string close = cmd->closeText;
    if (kb_->EditorConfig().insertHtmlLowerCase) {
        open = ascii::ToLower(open);
        close = ascii::ToLower(close);
    }
    const std::string_view lineEnd = control.LineEnd();
    InsertAroundSelection(control, WithLineEnds(open, lineEnd), WithLineEnds(close, lineEnd), cmd->hasClose);
    return true;
}

bool CHtmlInsertMenus::GetPrompt(int commandId, std::string& text) const {
    const CHtmlMenuCmd* cmd = Find(commandId);
    if (!cmd)
        return false;
    GetPromptOf(*cmd, text);
    return true;
}

void CHtmlInsertMenus::GetPromptOf(const CHtmlMenuCmd& cmd, std::string& text) {
    if (!cmd.prompt.empty())
        text = cmd.prompt;
    else if (cmd.element)
        text = Format(cmd.hasClose ? AroundPrompt : AtCaretPrompt, cmd.element->GetName(NameMode::Descriptive));
    else
        text.clear();
}

} // namespace velto

// The four folder menus together: built from the user's folders, asked in turn for a
// command and for the status-bar prompt of an id.
#pragma once

#include "core/templates/CFileTreeMenu.h"
#include "core/templates/FolderMenus.h"

#include <array>
#include <optional>
#include <string>

namespace velto {

class CGeneralConfig;
class CTemplateCommands;

class FolderMenuSet {
public:
    static constexpr std::array<FolderMenuKind, 4> Kinds = {
        FolderMenuKind::Templates, FolderMenuKind::Snippets, FolderMenuKind::References,
        FolderMenuKind::OnTheWeb};

    // The menus take their limits from the settings now; their folders lie below folder.
    FolderMenuSet(const CGeneralConfig& settings, std::string folder);

    void Build(FolderMenuKind kind);
    void BuildAll();

    [[nodiscard]] const CFileTreeMenu& Menu(FolderMenuKind kind) const;
    // What the window shows: the menu's entries and, for the templates and snippets
    // menus, their command for browsing anywhere.
    [[nodiscard]] MenuModel Shown(FolderMenuKind kind) const;

    // The menu whose entry the id is.
    [[nodiscard]] std::optional<FolderMenuKind> OwnerOf(int id) const;
    // Carries out an entry's command; false when the id is none of the entries.
    bool OnCmdMsg(int id, CTemplateCommands& commands) const;
    [[nodiscard]] std::optional<std::string> PromptFor(int id) const;

private:
    std::string folder_;
    std::array<CFileTreeMenu, 4> menus_;
};

} // namespace velto

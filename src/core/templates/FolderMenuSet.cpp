// The four folder menus together.
#include "core/templates/FolderMenuSet.h"

#include "core/menu/CommandIds.h"
#include "core/templates/TemplateCommands.h"

namespace velto {

namespace {
std::size_t IndexOf(FolderMenuKind kind) {
    return static_cast<std::size_t>(kind);
}
} // namespace

FolderMenuSet::FolderMenuSet(const CGeneralConfig& settings, std::string folder)
    : folder_(std::move(folder)),
      menus_{MakeFolderMenu(FolderMenuKind::Templates, settings),
             MakeFolderMenu(FolderMenuKind::Snippets, settings),
             MakeFolderMenu(FolderMenuKind::References, settings),
             MakeFolderMenu(FolderMenuKind::OnTheWeb, settings)} {}

void FolderMenuSet::Build(FolderMenuKind kind) {
    BuildFolderMenu(menus_[IndexOf(kind)], kind, folder_);
}

void FolderMenuSet::BuildAll() {
    for (FolderMenuKind kind : Kinds)
        Build(kind);
}

const CFileTreeMenu& FolderMenuSet::Menu(FolderMenuKind kind) const {
    return menus_[IndexOf(kind)];
}

MenuModel FolderMenuSet::Shown(FolderMenuKind kind) const {
    MenuModel shown = Menu(kind).Menu();
    // A template or snippet kept anywhere else is still reachable, also when a full folder
    // ends the menu with its own overflow entry (which browses that folder only).
    if (kind == FolderMenuKind::Templates || kind == FolderMenuKind::Snippets) {
        if (!shown.Empty())
            shown.AddSeparator();
        const bool templates = kind == FolderMenuKind::Templates;
        shown.AddCommand(templates ? CommandId::FileNewFromTemplate : CommandId::EditInsertSnippet,
                         templates ? "Other Template..." : "Other Snippet...", SetupOf(kind).overflowPrompt);
    }
    return shown;
}

std::optional<FolderMenuKind> FolderMenuSet::OwnerOf(int id) const {
    for (FolderMenuKind kind : Kinds)
        if (Menu(kind).Owns(id))
            return kind;
    return std::nullopt;
}

bool FolderMenuSet::OnCmdMsg(int id, CTemplateCommands& commands) const {
    const std::optional<FolderMenuKind> kind = OwnerOf(id);
    if (!kind)
        return false;
    const CFileTreeMenu& menu = Menu(*kind);
    commands.OnEntryChosen(*kind, menu.PathFor(id), menu.Item(id)->kind);
    return true;
}

std::optional<std::string> FolderMenuSet::PromptFor(int id) const {
    const std::optional<FolderMenuKind> kind = OwnerOf(id);
    std::string text;
    if (!kind || !Menu(*kind).PromptFor(id, text))
        return std::nullopt;
    return text;
}

} // namespace velto

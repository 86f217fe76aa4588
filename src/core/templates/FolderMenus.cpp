// The four folder menus.
#include "core/templates/FolderMenus.h"

#include "core/config/GeneralConfig.h"
#include "core/config/TextConfigFile.h"
#include "core/templates/CFileTreeScanner.h"

#include <filesystem>
#include <fstream>

namespace velto {

namespace {
constexpr FolderMenuSetup Setups[] = {
    {2000, 2199, "Templates", "*.htt", "Snippets", "&More Templates...",
     "Browse for the template you want to use", "M"},
    {2200, 2399, "Templates/Snippets", "*.htt", "", "&More Snippets...",
     "Browse for the snippet you want to insert", "M"},
    {2400, 2499, "HTML References", "*.mnu", "", "", "", ""},
    {2500, 2699, "On The Web", "*.mnu", "", "", "", ""},
};

} // namespace

std::optional<std::string> ReadMenuFileKey(const std::string& path, std::string_view key) {
    CTextConfigFile file;
    if (!file.Open(path))
        return std::nullopt;
    std::string value;
    if (!file.FindKey(key, &value) || value.empty())
        return std::nullopt;
    return value;
}

const FolderMenuSetup& SetupOf(FolderMenuKind kind) noexcept {
    return Setups[static_cast<int>(kind)];
}

CFileTreeMenu MakeFolderMenu(FolderMenuKind kind, const CGeneralConfig& settings) {
    const FolderMenuSetup& setup = SetupOf(kind);
    CFileTreeMenu menu(setup.firstId, setup.lastId);
    switch (kind) {
    case FolderMenuKind::Templates:
        menu.SetLimits(settings.templateMenuMaxDepth, settings.templateMenuMaxItems);
        break;
    case FolderMenuKind::Snippets:
        menu.SetLimits(settings.snippetsMenuMaxDepth, settings.snippetsMenuMaxItems);
        break;
    default:
        menu.SetLimits(10, 30);
        break;
    }
    const bool overflow = *setup.overflowText != '\0';
    if (overflow)
        menu.SetOverflow(true, setup.overflowText, setup.overflowPrompt);
    else
        menu.SetOverflow(false);
    menu.SetMnemonics(true, setup.reserved);
    menu.SetPromptCallback([kind](const std::string& path, const std::string& name, std::string& prompt) {
        prompt = FolderEntryPrompt(kind, path, name);
        return true;
    });
    return menu;
}

void BuildFolderMenu(CFileTreeMenu& menu, FolderMenuKind kind, const std::string& dataFolder) {
    const FolderMenuSetup& setup = SetupOf(kind);
    CFileTreeScanner scanner;
    scanner.AddIncludePattern(setup.pattern);
    if (*setup.excluded != '\0')
        scanner.AddExcludedName(setup.excluded);
    menu.Build(scanner, (std::filesystem::path(dataFolder) / setup.folder).string());
}

std::string FolderEntryPrompt(FolderMenuKind kind, const std::string& path, const std::string& name) {
    std::error_code ec;
    const bool file = std::filesystem::is_regular_file(path, ec);
    switch (kind) {
    case FolderMenuKind::Templates:
        if (auto text = file ? ReadTaggedLine(path, "MENU:") : std::nullopt)
            return *text;
        return "Create a new document using the " + name + " template";
    case FolderMenuKind::Snippets:
        if (auto text = file ? ReadTaggedLine(path, "MENU:") : std::nullopt)
            return *text;
        return "Insert the " + name + " HTML snippet";
    case FolderMenuKind::References:
        if (auto text = file ? ReadMenuFileKey(path, "MENU") : std::nullopt)
            return *text;
        return "View " + name + " HTML reference";
    case FolderMenuKind::OnTheWeb:
        if (auto text = file ? ReadMenuFileKey(path, "MENU") : std::nullopt)
            return *text;
        return "Visit " + name;
    }
    return {};
}

std::optional<std::string> ReadTaggedLine(const std::string& path, std::string_view key) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    constexpr std::streamsize Limit = 64 * 1024;
    std::string head(static_cast<std::size_t>(Limit), '\0');
    in.read(head.data(), Limit);
    head.resize(static_cast<std::size_t>(in.gcount()));
    std::size_t start = 0;
    while (start < head.size()) {
        std::size_t end = head.find('\n', start);
        if (end == std::string::npos)
            end = head.size();
        std::string_view line(head.data() + start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.substr(0, key.size()) == key) {
            std::string_view rest = line.substr(key.size());
            const std::size_t text = rest.find_first_not_of(" \t");
            if (text != std::string_view::npos)
                return std::string(rest.substr(text));
        }
        start = end + 1;
    }
    return std::nullopt;
}

} // namespace velto

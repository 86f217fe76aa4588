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

WebEntryAddress ClassifyWebEntryAddress(std::string_view url) {
    const auto isAlpha = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    const auto isSchemeChar = [&](char c) {
        return isAlpha(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
    };
    // Blanks and control characters have no place in an address: the browser or the
    // desktop would read them as something else.
    for (char c : url)
        if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7f)
            return WebEntryAddress::Refused;
    std::size_t colon = 0;
    while (colon < url.size() && isSchemeChar(url[colon]))
        ++colon;
    if (colon == 0 || colon == url.size() || url[colon] != ':' || !isAlpha(url[0]))
        return WebEntryAddress::Refused;
    std::string scheme(url.substr(0, colon));
    for (char& c : scheme)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    const std::string_view rest = url.substr(colon + 1);
    if ((scheme == "http" || scheme == "https") && rest.size() > 2 && rest.substr(0, 2) == "//")
        return WebEntryAddress::WebPage;
    if (scheme == "mailto" && !rest.empty())
        return WebEntryAddress::MailAddress;
    return WebEntryAddress::Refused;
}

std::string RefusedWebEntryMessage(const std::string& menuFile, const std::string& url) {
    const std::filesystem::path file(menuFile);
    return "The On The Web entry \"" + file.stem().string() + "\" has an address Velto does not open:\n\n" + url +
           "\n\nThis menu opens web pages (http: and https:) in your browser and mail addresses (mailto:) in "
           "your mail program. To change the address, edit the URL line of:\n\n" + menuFile;
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

// The four folder menus: templates, snippets, HTML references and On The Web; their id
// ranges, folders, patterns, limits and texts, and the prompts of their entries.
#pragma once

#include "core/templates/CFileTreeMenu.h"

#include <optional>
#include <string>

namespace velto {

class CGeneralConfig;

enum class FolderMenuKind { Templates, Snippets, References, OnTheWeb };

struct FolderMenuSetup {
    int firstId;
    int lastId;
    const char* folder;    // below the data folder
    const char* pattern;   // the files offered
    const char* excluded;  // a sub-folder left out, or empty
    const char* overflowText;   // empty: no overflow entry
    const char* overflowPrompt;
    const char* reserved;  // mnemonic characters the entries may not take
};

[[nodiscard]] const FolderMenuSetup& SetupOf(FolderMenuKind kind) noexcept;

// A menu set up as its kind asks, with the limits of the settings for the templates and
// snippets menus; not built yet.
[[nodiscard]] CFileTreeMenu MakeFolderMenu(FolderMenuKind kind, const CGeneralConfig& settings);

// Builds the menu from its folder below dataFolder, listing the pattern's files and every
// sub-folder but the excluded one.
void BuildFolderMenu(CFileTreeMenu& menu, FolderMenuKind kind, const std::string& dataFolder);

// The status-bar prompt of an entry: the file's own menu text, else the kind's phrase
// with the name shown.
[[nodiscard]] std::string FolderEntryPrompt(FolderMenuKind kind, const std::string& path,
                                            const std::string& displayName);

// The first line of a file that begins with key and has text after it, that text with its
// leading white space removed. Only the first 64 KB are read: headers stand at the top.
[[nodiscard]] std::optional<std::string> ReadTaggedLine(const std::string& path, std::string_view key);

// The non-empty value of a key of a menu description file (.mnu): "MENU", "HTML", "URL".
[[nodiscard]] std::optional<std::string> ReadMenuFileKey(const std::string& path, std::string_view key);

// What an On The Web entry's address may open: web pages go to the browser, mail addresses
// to the desktop's mail program (which only starts a message); anything else (local files,
// programs, scripts, other schemes) is refused, since a menu file can come from anywhere.
enum class WebEntryAddress { WebPage, MailAddress, Refused };
[[nodiscard]] WebEntryAddress ClassifyWebEntryAddress(std::string_view url);
// What the user is told about a refused address: the entry, the address and the file.
[[nodiscard]] std::string RefusedWebEntryMessage(const std::string& menuFile, const std::string& url);

} // namespace velto

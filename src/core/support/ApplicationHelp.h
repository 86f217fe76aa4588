// The application help page F1 shows: how Velto is used, every command of its menus with
// its keys and prompt, and where the user's own files live. Made from the running
// window's menus, so it never lists a key the editor does not have.
#pragma once

#include <string>
#include <vector>

namespace velto {

struct HelpCommand {
    std::string text;   // as the menu shows it, without its mnemonic
    std::string keys;   // empty: none
    std::string prompt; // the status-bar prompt
};

struct HelpMenu {
    std::string title;
    std::vector<HelpCommand> commands;
};

struct HelpFolder {
    std::string what;
    std::string path;
};

// A whole HTML page, its texts escaped.
[[nodiscard]] std::string ApplicationHelpPage(const std::string& version,
                                              const std::vector<HelpMenu>& menus,
                                              const std::vector<HelpFolder>& folders);

// A menu text without its mnemonic ("&&" stays one "&") and without a key after a tab.
[[nodiscard]] std::string PlainMenuText(const std::string& text);

} // namespace velto

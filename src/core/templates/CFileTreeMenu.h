// CFileTreeMenu: a menu mirroring a folder: matching files as entries, sub-folders as
// submenus down to a depth limit, an item limit per level with an overflow entry, each
// entry with a command id from the menu's own range.
#pragma once

#include "core/menu/MenuModel.h"

#include <functional>
#include <string>
#include <vector>

namespace velto {

class CFileTreeScanner;

// One entry of the menu, by command id.
struct CFTItem {
    enum Kind { Folder = 0, File = 1, Overflow = 2 };
    std::string folder; // the folder that holds the entry; the overflow entry's own folder
    std::string name;   // the file's or sub-folder's name; empty for the overflow entry
    std::string prompt;
    Kind kind = File;
};

class CFileTreeMenu {
public:
    // The status-bar prompt of an entry, from its path and the name it shows; an entry is
    // listed only when this answers true.
    using PromptCallback =
        std::function<bool(const std::string& path, const std::string& displayName, std::string& prompt)>;

    CFileTreeMenu(int firstId, int lastId) : firstId_(firstId), lastId_(lastId), nextId_(firstId) {}

    void SetLimits(int maxDepth, int maxItems) {
        maxDepth_ = maxDepth;
        maxItems_ = maxItems;
    }
    void SetOverflow(bool enabled, std::string text = "More...",
                     std::string prompt = "Choose from full directory contents") {
        overflow_ = enabled;
        overflowText_ = std::move(text);
        overflowPrompt_ = std::move(prompt);
    }
    // Whether entries get a mnemonic, and the characters they may not take (the overflow
    // entry's, say).
    void SetMnemonics(bool assign, std::string reserved) {
        assignMnemonics_ = assign;
        reserved_ = std::move(reserved);
    }
    void SetPromptCallback(PromptCallback callback) { prompt_ = std::move(callback); }

    // Forgets the last build and fills the menu from the scanner's folder (scanned here).
    // Ids run from the first id up and stop at the last: entries beyond it are not listed.
    bool Build(CFileTreeScanner& scanner, const std::string& folder);

    // The menu as built: entries carry their ids, texts with mnemonics and prompts;
    // folders are submenus with the id of their entry.
    [[nodiscard]] const MenuModel& Menu() const noexcept { return menu_; }
    [[nodiscard]] int FirstId() const noexcept { return firstId_; }
    [[nodiscard]] int LastId() const noexcept { return lastId_; }
    // Whether the id is one of the entries built.
    [[nodiscard]] bool Owns(int id) const noexcept { return id >= firstId_ && id < nextId_; }
    [[nodiscard]] const CFTItem* Item(int id) const noexcept;
    // The folder joined with the name; the overflow entry's folder for the overflow entry.
    [[nodiscard]] std::string PathFor(int id) const;
    bool PromptFor(int id, std::string& text) const;

    // The text of an entry: its title with a mnemonic before the first letter or digit that
    // used (and the reserved characters) do not have yet, which then joins used; "&" in
    // the name is doubled so that it shows.
    [[nodiscard]] static std::string MnemonicText(std::string_view title, std::string& used);
    // A file's title: its name without the extension.
    [[nodiscard]] static std::string TitleOf(const std::string& name, bool folder);

private:
    int BuildLevel(CFileTreeScanner& scanner, const std::string& folder, MenuModel& menu);
    [[nodiscard]] bool IdsLeft() const noexcept { return nextId_ <= lastId_; }

    int firstId_;
    int lastId_;
    int nextId_;
    int depth_ = 0;
    int maxDepth_ = 3;
    int maxItems_ = 10;
    bool overflow_ = true;
    std::string overflowText_ = "More...";
    std::string overflowPrompt_ = "Choose from full directory contents";
    std::string reserved_;
    bool assignMnemonics_ = true;
    PromptCallback prompt_;
    std::vector<CFTItem> items_; // by id minus the first id
    MenuModel menu_;
};

} // namespace velto

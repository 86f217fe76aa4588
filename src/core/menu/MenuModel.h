// A menu as plain data: commands with their ids, texts, prompts and states, separators
// and submenus. The assistants build these in the core; the window renders them and
// routes the chosen id back.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

struct MenuItem;

class MenuModel {
public:
    MenuItem& AddCommand(int id, std::string text = {}, std::string prompt = {});
    void AddSeparator();
    // A new submenu; the reference is valid until the next item is added to this menu.
    MenuModel& AddSubmenu(std::string text, int id = 0, std::string prompt = {});
    MenuItem& Add(MenuItem item);

    [[nodiscard]] const std::vector<MenuItem>& Items() const noexcept { return items_; }
    [[nodiscard]] std::vector<MenuItem>& Items() noexcept { return items_; }
    [[nodiscard]] bool Empty() const noexcept;
    // The item with this id anywhere in the menu (submenus included), or nullptr.
    [[nodiscard]] const MenuItem* Find(int id) const noexcept;
    [[nodiscard]] MenuItem* Find(int id) noexcept;
    // The submenu at the top level whose text is exactly text, or nullptr.
    [[nodiscard]] MenuModel* Submenu(std::string_view text) noexcept;

    // One item a line, indented by two blanks per submenu level: "ID<TAB>TEXT", " [x]"
    // after a checked item, "-" for a separator.
    void Print(std::ostream& out, int depth = 0) const;

private:
    std::vector<MenuItem> items_;
};

struct MenuItem {
    enum class Kind { Command, Separator, Submenu };

    Kind kind = Kind::Command;
    // A command's id; a submenu may carry the id reserved for it, a separator has 0.
    int id = 0;
    // With one "&" mnemonic, and a key after a tab ("Cu&t\tCtrl+X"). Empty for an item of
    // a command the window knows by its id alone.
    std::string text;
    std::string prompt; // shown on the status bar while the pointer is on the item
    bool enabled = true;
    bool checked = false;
    // A command of the window's own standing in this menu: the window shows it with its
    // own action, and the text and prompt here are what that reads.
    bool windowCommand = false;
    // A colour (0x00BBGGRR) drawn beside the text.
    std::optional<std::uint32_t> swatch;
    MenuModel submenu; // a submenu's items

    [[nodiscard]] bool IsSeparator() const noexcept { return kind == Kind::Separator; }
    [[nodiscard]] bool IsSubmenu() const noexcept { return kind == Kind::Submenu; }
};

inline bool MenuModel::Empty() const noexcept {
    return items_.empty();
}

} // namespace velto

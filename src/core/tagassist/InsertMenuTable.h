// The table the HTML insert menus are built from: their submenus, separators and items in
// menu order, each with the HTML versions it belongs to.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace velto {

struct InsertMenuRow {
    enum class Kind : std::uint8_t {
        Submenu,    // opens a submenu titled text
        End,        // closes the submenu opened last
        Separator,
        Item,       // inserts text (and close text around the selection)
        Command,    // a command of the window's own, shown here under text
    };
    // What goes after the selection: nothing, nothing but counted as a closing part (so the
    // prompt says "around the selection"), or closeText.
    enum class Close : std::uint8_t { None, Empty, Text };

    static constexpr std::uint32_t AllVersions = 0xFFFFFFF;

    Kind kind = Kind::Item;
    std::uint32_t versions = AllVersions;
    // An item's opening text, "ELEMENT\ttext" when it names its element; a submenu's or a
    // command's menu text. "\r\n" stands for a line break in the document's own line ends.
    std::string_view text;
    Close close = Close::None;
    std::string_view closeText;
    std::string_view label;  // an item's menu text; empty: the element's popup text
    std::string_view prompt; // empty: made from the element
    int id = 0;              // a fixed command id; 0: the next one from 1050

    // The rows are written as Wrap(...).Label(...).Prompt(...) in the table.
    [[nodiscard]] constexpr InsertMenuRow Label(std::string_view l) const {
        InsertMenuRow r = *this;
        r.label = l;
        return r;
    }
    [[nodiscard]] constexpr InsertMenuRow Prompt(std::string_view p) const {
        InsertMenuRow r = *this;
        r.prompt = p;
        return r;
    }
    [[nodiscard]] constexpr InsertMenuRow Id(int i) const {
        InsertMenuRow r = *this;
        r.id = i;
        return r;
    }
};

// Every row in menu order; the top-level submenus are the menus of the menu bar.
[[nodiscard]] std::span<const InsertMenuRow> InsertMenuTable() noexcept;

} // namespace velto

// The file type filters a URL-valued attribute's file dialog offers, by value kind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace velto {

// One filter of the table.
struct UrlFilterRow {
    std::string_view filter;      // description with its patterns: "GIF Images (*.gif)"
    int kind;                     // the value kind it is listed for; 0 closes every list
    int preselectedFor;           // the value kind whose list it opens, preselected; 0 none
    std::uint32_t kindMask;       // several kinds: listed when one of these bits is set
    std::uint32_t preselectMask;  // several kinds: preselected when one of these bits is set
    std::string_view buttonLabel; // the browse button's text while this row is preselected
};

// Value kinds: the low six bits of an attribute's value flags.
inline constexpr std::uint32_t ValueKindBits = 0x3F;
inline constexpr int AnyFileKind = 1;
inline constexpr int SeveralKinds = 20; // the allowed kinds are mask bits of the flags

// Every row, in table order.
[[nodiscard]] std::span<const UrlFilterRow> UrlFilterRows() noexcept;

// What the file dialog of one attribute offers.
struct UrlFileDialogFilters {
    std::vector<const UrlFilterRow*> rows; // in the order offered
    std::size_t preselected = 0;           // position in rows
    std::string_view buttonLabel;
};

// The filters for an attribute's value flags: for one kind its preselected row, its own
// rows and "All Files (*.*)"; for several kinds each shared row whose mask bit is set, then
// "All Files (*.*)", preselecting the first row whose preselection mask meets the flags.
[[nodiscard]] UrlFileDialogFilters FiltersForUrlValue(std::uint32_t valueFlags);

} // namespace velto

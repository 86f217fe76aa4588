// The filters every Open and Save As dialog lists, and the default extension.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velto {

struct FileFilter {
    std::string display; // "HTM Files (*.htm)"
    std::string pattern; // "*.htm;*.html"
    bool operator==(const FileFilter&) const = default;
};

// A registered document type: its filter name and extension (".htm").
struct DocumentType {
    std::string filterName;
    std::string extension;
};

// The eight fixed filters, in order.
const std::vector<FileFilter>& FixedFileFilters();
// The two document types, in registration order.
const std::vector<DocumentType>& DocumentTypes();
inline constexpr std::string_view DefaultExtension = "html";

// Every filter of a file dialog: the fixed ones, then the given type's own filter (or the
// filters of all document types, each once), then the all-files entry.
std::vector<FileFilter> DialogFilters(const DocumentType* onlyType = nullptr);

// Reads a filter text of "display|pattern|" pairs ending in "||", as the file dialogs of
// templates, snippets and Insert File give them.
std::vector<FileFilter> ParseFilterText(std::string_view text);

// A typed name without an extension gets the default one: "page" -> "page.html".
std::string WithDefaultExtension(std::string path, std::string_view extension = DefaultExtension);

} // namespace velto

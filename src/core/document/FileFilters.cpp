// The filters every Open and Save As dialog lists, and the default extension.
#include "core/document/FileFilters.h"

#include <algorithm>

namespace velto {

const std::vector<FileFilter>& FixedFileFilters() {
    static const std::vector<FileFilter> filters = {
        {"All HTML Files (*.htm;*.html;*.htt;*.sht;*.shtml;*.html-ssi)",
         "*.htm;*.html;*.htt;*.sht;*.shtml;*.html-ssi"},
        {"HTM Files (*.htm)", "*.htm"},
        {"HTML Files (*.html)", "*.html"},
        {"HTML Templates (*.htt)", "*.htt"},
        {"SHT SSI Files (*.sht)", "*.sht"},
        {"SHTML SSI HTML Files (*.shtml)", "*.shtml"},
        {"HTML-SSI Files (*.html-ssi)", "*.html-ssi"},
        {"All Files (*.*)", "*.*"},
    };
    return filters;
}

const std::vector<DocumentType>& DocumentTypes() {
    static const std::vector<DocumentType> types = {
        {"HTML Files (*.htm)", ".htm"},
        {"HTML Template Files (*.htp)", ".htp"},
    };
    return types;
}

std::vector<FileFilter> DialogFilters(const DocumentType* onlyType) {
    std::vector<FileFilter> out = FixedFileFilters();
    auto addType = [&](const DocumentType& t) {
        if (t.filterName.empty() || t.extension.empty())
            return;
        FileFilter f{t.filterName, "*" + t.extension};
        if (std::find(out.begin() + static_cast<long>(FixedFileFilters().size()), out.end(), f) ==
            out.end())
            out.push_back(std::move(f));
    };
    if (onlyType)
        addType(*onlyType);
    else
        for (const DocumentType& t : DocumentTypes())
            addType(t);
    out.push_back({"All Files (*.*)", "*.*"});
    return out;
}

std::vector<FileFilter> ParseFilterText(std::string_view text) {
    std::vector<FileFilter> out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t bar = text.find('|', pos);
        if (bar == std::string_view::npos || bar == pos)
            break; // the closing "||" (or a malformed tail)
        const std::size_t next = text.find('|', bar + 1);
        const std::size_t patternEnd = next == std::string_view::npos ? text.size() : next;
        out.push_back({std::string(text.substr(pos, bar - pos)),
                       std::string(text.substr(bar + 1, patternEnd - bar - 1))});
        pos = patternEnd + 1;
    }
    return out;
}

std::string WithDefaultExtension(std::string path, std::string_view extension) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (nameStart < path.size() && path.find('.', nameStart) == std::string::npos &&
        !extension.empty()) {
        path += '.';
        path += extension;
    }
    return path;
}

} // namespace velto

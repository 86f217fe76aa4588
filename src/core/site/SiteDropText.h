// The text a file dragged from the Site dock puts into a page: a link to a page or any
// other file, an image element with the image's size, its URL written relative to the
// page's own folder as the URL assistance writes it.
#pragma once

#include <cstddef>
#include <string>

namespace velto {

class CEditorConfig;

struct SiteDropText {
    std::string text;
    std::size_t caret = 0; // where the caret goes, in bytes from the start of text
};

// documentPath: the page the file is dropped on, empty for a page never saved (which gets
// the file's absolute "file:" URL). Element and attribute names take the case the editor
// inserts tags in; an image's size is read from its file when the editor sets image sizes,
// and left out when it cannot be read.
[[nodiscard]] SiteDropText MakeSiteDropText(const std::string& file, const std::string& documentPath,
                                            const CEditorConfig& editor);

} // namespace velto

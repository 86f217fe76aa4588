// The files the live preview pane shows.
#include "core/preview/LivePreviewWriter.h"

#include "core/platform/TextControl.h"
#include "core/preview/CCleanupList.h"
#include "core/preview/LivePreviewRules.h"

#include <filesystem>

namespace velto {

namespace fs = std::filesystem;

int CaretAnchorLine(const TextControl& control, std::string_view text) {
    return FindAnchorLine(
        text, control.LineFromPosition(control.GetSelection().caret),
        [&control](int l) { return static_cast<std::size_t>(control.LineStart(l)); },
        [&control](std::size_t pos) { return control.LineFromPosition(static_cast<int>(pos)); });
}

std::optional<LivePreviewWriter::Written>
LivePreviewWriter::Write(const TextControl& control, const std::string& documentPath,
                         const std::string& untitledFolder, bool anchorAtCaret,
                         std::string& error, const DocumentEncoding* encoding) {
    control.GetTextRange(0, control.Length(), text_);
    PreviewContents contents;
    contents.encoding = encoding;
    if (anchorAtCaret) {
        const int line = CaretAnchorLine(control, text_);
        if (line >= 0)
            contents.anchorAt = static_cast<std::size_t>(control.LineStart(line));
    }
    const std::string documentFolder =
        documentPath.empty() ? std::string() : fs::path(documentPath).parent_path().string();
    std::optional<std::string> path;
    if (!documentFolder.empty())
        path = WriteIn(documentFolder, documentPath, contents, error);
    if (!path) {
        // A read-only site folder still previews: relative addresses go back to it
        // through the base element.
        if (!documentFolder.empty()) {
            contents.baseElement = true;
            contents.folder = documentFolder;
        }
        std::error_code ec;
        fs::create_directories(untitledFolder, ec);
        std::string second;
        path = WriteIn(untitledFolder, documentPath, contents, second);
        if (!path) {
            error = error.empty() ? second : error + "; " + second;
            return std::nullopt;
        }
    }
    error.clear();
    return Written{*path, BrowserUrl(*path)};
}

std::optional<std::string> LivePreviewWriter::WriteIn(const std::string& folder,
                                                      const std::string& documentPath,
                                                      const PreviewContents& contents,
                                                      std::string& error) {
    std::string path;
    // A document itself named like one of the pane's files is never written over.
    for (int tries = 0;; ++tries) {
        if (tries >= LivePreviewFileCount) {
            error = path + ": the preview file would replace the document itself";
            return std::nullopt;
        }
        path = (fs::path(folder) /
                FormatPreviewName(LivePreviewFilePattern, counter_.Next(LivePreviewFileCount)))
                   .string();
        std::error_code ec;
        if (documentPath.empty() ||
            !(path == documentPath || fs::equivalent(path, documentPath, ec)))
            break;
    }
    if (!WritePreviewFile(path, text_, contents, error))
        return std::nullopt;
    cleanup_.Register(path);
    return path;
}

} // namespace velto

// The files the live preview pane shows: the document's text beside the document under
// the pane's own rotating names, registered for clean-up like the browser preview's.
#pragma once

#include "core/preview/PreviewFile.h"

#include <optional>
#include <string>

namespace velto {

class CCleanupList;
class TextControl;

// The line before which the pane's scroll anchor goes: the caret's line, moved up out of
// a tag or an A element it starts inside, as the browser preview's anchor is.
[[nodiscard]] int CaretAnchorLine(const TextControl& control, std::string_view text);

class LivePreviewWriter {
public:
    explicit LivePreviewWriter(CCleanupList& cleanup) : cleanup_(cleanup) {}

    struct Written {
        std::string path;
        std::string url; // without a fragment; the pane scrolls itself
    };

    // Writes the document's bytes to the pane's next file in the document's folder, so
    // that relative images, style sheets and scripts resolve as on the site; an untitled
    // document, or one whose folder refuses the file, is written to untitledFolder
    // (made when missing), the latter with a base element pointing back at its folder.
    // With anchorAtCaret the scroll anchor goes before the caret's line. On failure gives
    // nothing and the reason in error; the document is never touched. The file is in the
    // document's encoding when one is given.
    std::optional<Written> Write(const TextControl& control, const std::string& documentPath,
                                 const std::string& untitledFolder, bool anchorAtCaret, std::string& error,
                                 const DocumentEncoding* encoding = nullptr);

private:
    std::optional<std::string> WriteIn(const std::string& folder, const std::string& documentPath,
                                       const PreviewContents& contents, std::string& error);

    CCleanupList& cleanup_;
    PreviewCounter counter_;
    std::string text_; // the document's bytes, kept between refreshes to save allocations
};

} // namespace velto

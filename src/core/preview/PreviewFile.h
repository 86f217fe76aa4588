// The intermediate preview file: its name beside the document, its address, the scroll
// anchor at the editing position, and its contents.
#pragma once

#include <cstddef>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

struct DocumentEncoding;

// The scroll anchor the preview file carries: <A NAME="_quorbm+0">.
inline constexpr std::string_view ScrollAnchorName = "_quorbm+0";
inline constexpr std::string_view ScrollAnchor = "<A NAME=\"_quorbm+0\">";

// The address of a file as a browser is handed it: an absolute path becomes a file: URL with the
// characters a URL path cannot carry (blank, '#', '%', '?', quotes, controls, bytes from
// 0x80) percent-encoded; a text that already has a scheme ("http:", "file:") is kept as
// it is.
[[nodiscard]] std::string BrowserUrl(std::string_view text);

// The pattern with its first "%d" replaced by the number and "%%" read as '%'; any other
// '%' stays as it is (the pattern is the user's, never a format string).
[[nodiscard]] std::string FormatPreviewName(std::string_view pattern, int number);

// The rotating numbers of the preview files, shared by all documents.
class PreviewCounter {
public:
    // The number to use now; the next call gives the one after, back to 0 past count - 1
    // (count clamped to 1..100).
    int Next(int count) noexcept;

private:
    int next_ = 0;
};

// The line before which the scroll anchor goes: from the first visible line up, out of a
// tag that began on an earlier line and out of an open A element. -1 when there is none.
// lineStart gives a line's first offset, lineOf the line of an offset.
[[nodiscard]] int FindAnchorLine(std::string_view text, int firstVisibleLine,
                                 const std::function<std::size_t(int)>& lineStart,
                                 const std::function<int(std::size_t)>& lineOf);

struct PreviewContents {
    bool baseElement = false;  // begin with <BASE HREF="folder/">
    bool defaultTitle = false; // end with <TITLE>Untitled</TITLE>
    std::string folder;        // the preview file's folder, for the base element
    std::size_t anchorAt = std::string_view::npos; // where the scroll anchor goes, if any
    // The document's encoding: the file is written in it, as the page declares, so the
    // browser reads it so; characters it cannot hold go as numeric references. Null (or
    // a page kept raw): the bytes as they are.
    const DocumentEncoding* encoding = nullptr;
};

inline constexpr std::string_view DefaultTitle = "<TITLE>Untitled</TITLE>\n";

// The preview file's bytes: the document's bytes unchanged, with the base element, the
// scroll anchor and the default title where asked. The pieces point into text and into
// head, which receives the base element.
[[nodiscard]] std::vector<std::string_view>
PreviewFilePieces(std::string_view text, const PreviewContents& contents, std::string& head);
// Writes them to a stream; false when the stream fails.
bool WritePreviewFile(std::ostream& out, std::string_view text, const PreviewContents& contents);
// Writes them to path as a new file that replaces whatever stands there: a link or a
// file with other names is replaced, never written through, and a failure (a full disk)
// leaves no half-written file. On failure error says why, with the path.
bool WritePreviewFile(const std::string& path, std::string_view text,
                      const PreviewContents& contents, std::string& error);

} // namespace velto

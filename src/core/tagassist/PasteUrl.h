// Paste URL: what the clipboard holds (text, or one copied file) made into a URL and put
// into the URL attribute of the tag at the caret, or in place of the selection.
#pragma once

#include <string>
#include <vector>

namespace velto {

class HtmlElementEd;
class TagAssistant;

struct ClipboardContents {
    std::string text;                // the clipboard's text, if any
    std::vector<std::string> files;  // local paths of copied files, when there is no text
};

inline constexpr std::size_t MaxPastedUrlCharacters = 4096;

// The URL as Paste URL inserts it: the text (up to 4096 characters) or the one copied file
// made insertable for a document in documentFolder. Nothing to paste gives an empty text;
// several files are refused with the message given to the assistant.
std::string UrlToPaste(const ClipboardContents& clipboard, const std::string& documentFolder,
                       bool relativePaths, bool lowerCasePaths, TagAssistant& assistant,
                       bool* refused = nullptr);

// The command: inside a tag the element's first URL attribute gets the URL (and an image
// its size, with autoSetImageSize), written back as one change; outside a tag the URL
// replaces the selection. False when nothing changed (the assistant was told why when
// there was a reason).
bool PasteUrl(const ClipboardContents& clipboard, HtmlElementEd& tag, const std::string& documentFolder,
              TagAssistant& assistant);

} // namespace velto

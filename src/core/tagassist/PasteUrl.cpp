// Paste URL: the clipboard made into a URL for the tag at the caret or the selection.
#include "core/tagassist/PasteUrl.h"

#include "core/assist/ImageSize.h"
#include "core/assist/InsertableUrl.h"
#include "core/assist/LinkedFile.h"
#include "core/config/EditorConfig.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/htmlkb/HtmlMetaElement.h"
#include "core/platform/TextControl.h"
#include "core/tagassist/HtmlElementEd.h"
#include "core/tagassist/TagAssistant.h"
#include "core/tagassist/TagSyntax.h"

#include <filesystem>
#include <system_error>

namespace velto {

namespace {
// The first count characters of a UTF-8 text (bytes that are not UTF-8 count as one each).
std::string FirstCharacters(const std::string& text, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < count && pos < text.size(); ++n) {
        ++pos;
        while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80)
            ++pos;
    }
    return text.substr(0, pos);
}

const HtmlMetaAttBase* FirstUrlAttribute(const HtmlMetaElement& element) {
    const HtmlMetaAttBase* found = nullptr;
    element.ForEachAttribute(AttributeIteration::All, [&found](const HtmlMetaAttBase& a) {
        if (a.IsUrlValued() && !a.IsEventHolder())
            found = &a;
        return found == nullptr;
    });
    return found;
}

void SetImageSize(HtmlElementEd& tag, const std::string& path) {
    const ImageSizeResult image = ImageSize(path);
    if (!image.ok)
        return;
    for (const auto& [name, pixels] : {std::pair{"height", image.height}, std::pair{"width", image.width}})
        if (const HtmlMetaAttBase* a = tag.Element()->FindAttribute(name))
            tag.SetAttribute(*a, std::to_string(pixels), true);
}
} // namespace

std::string UrlToPaste(const ClipboardContents& clipboard, const std::string& documentFolder,
                       bool relativePaths, bool lowerCasePaths, TagAssistant& assistant, bool* refused) {
    if (refused)
        *refused = false;
    std::string text = FirstCharacters(clipboard.text, MaxPastedUrlCharacters);
    if (text.empty()) {
        if (clipboard.files.size() > 1) {
            assistant.Message("Can't to paste more than one file into a URL");
            if (refused)
                *refused = true;
            return {};
        }
        if (clipboard.files.empty())
            return {};
        text = clipboard.files.front();
        if (lowerCasePaths)
            text = ascii::ToLower(text);
    }
    return MakeInsertableUrl(text, documentFolder, relativePaths);
}

bool PasteUrl(const ClipboardContents& clipboard, HtmlElementEd& tag, const std::string& documentFolder,
              TagAssistant& assistant) {
    TextControl& control = tag.Control();
    const CEditorConfig& editor = tag.KnowledgeBase().EditorConfig();
    const std::string url = UrlToPaste(clipboard, documentFolder, editor.insertRelativeFilePaths,
                                       editor.insertInsertPathsLowerCase, assistant);
    if (url.empty())
        return false;
    // A selection that is not a tag is text to replace, whatever the tag finder makes of it.
    const bool inTag = tag.FindTagAtCaret() && tag.TagText().size() >= 2 &&
                       IsTagOpener(tag.TagText(), 0) && tag.TagText().back() == '>';
    if (!inTag) {
        const TextControl::Selection selection = control.GetSelection();
        control.ReplaceRange(selection.Start(), selection.End(), url);
        const int caret = selection.Start() + static_cast<int>(url.size());
        control.SetSelection({caret, caret});
        return true;
    }
    const HtmlMetaElement* element = tag.IsEndTag() ? nullptr : tag.Element();
    const HtmlMetaAttBase* attribute = element ? FirstUrlAttribute(*element) : nullptr;
    if (!attribute) {
        std::string message = "Can't paste a URL into this HTML element.";
        if (tag.IsEndTag())
            message += "\n\nAn end tag takes no attributes: put the caret in the start tag.";
        else if (tag.Element())
            message += "\n\n" + tag.Element()->Name() + " elements do not have a URL attribute.";
        assistant.Message(message);
        return false;
    }
    tag.SetAttribute(*attribute, url, true);
    if (attribute->IsImageValued() && editor.autoSetImageSize) {
        const std::optional<std::string> path = LinkedLocalFile(url, documentFolder);
        std::error_code ec;
        if (path && std::filesystem::is_regular_file(*path, ec))
            SetImageSize(tag, *path);
    }
    return tag.WriteBack();
}

} // namespace velto

// The text a file dragged from the Site dock puts into a page.
#include "core/site/SiteDropText.h"

#include "core/assist/ImageSize.h"
#include "core/assist/InsertableUrl.h"
#include "core/config/EditorConfig.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/site/SiteFolder.h"

namespace velto {

namespace {
// A URL inside a double-quoted attribute value.
std::string AttributeValue(std::string_view url) {
    std::string out;
    for (char c : url) {
        if (c == '&')
            out += "&amp;";
        else if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

std::string FileName(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}
} // namespace

SiteDropText MakeSiteDropText(const std::string& file, const std::string& documentPath,
                              const CEditorConfig& editor) {
    const bool lower = editor.insertHtmlLowerCase;
    auto name = [lower](std::string_view upper) {
        return lower ? ascii::ToLower(upper) : std::string(upper);
    };
    const std::string folder = documentPath.empty() ? std::string() : DocumentFolder(documentPath);
    // The URL is lowered once made: lowering the path first would hide the folder the page
    // and the file share.
    std::string url = MakeInsertableUrl(file, folder, editor.insertRelativeFilePaths);
    if (editor.insertInsertPathsLowerCase)
        url = ascii::ToLower(url);
    url = AttributeValue(url);

    SiteDropText drop;
    if (SiteFileKindOf(FileName(file)) == SiteFileKind::Image) {
        drop.text = "<" + name("IMG") + " " + name("SRC") + "=\"" + url + "\"";
        if (editor.autoSetImageSize) {
            const ImageSizeResult size = ImageSize(file);
            if (size.ok)
                drop.text += " " + name("WIDTH") + "=\"" + std::to_string(size.width) + "\" " +
                             name("HEIGHT") + "=\"" + std::to_string(size.height) + "\"";
        }
        drop.text += " " + name("ALT") + "=\"\">";
        drop.caret = drop.text.size();
        return drop;
    }
    drop.text = "<" + name("A") + " " + name("HREF") + "=\"" + url + "\">";
    drop.caret = drop.text.size();
    drop.text += "</" + name("A") + ">";
    return drop;
}

} // namespace velto

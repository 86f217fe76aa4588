// Refresh Preview and the opening of web addresses.
#include "core/preview/CPreviewDriver.h"

#include "core/config/GeneralConfig.h"
#include "core/platform/Profile.h"
#include "core/platform/Prompter.h"
#include "core/platform/TextControl.h"
#include "core/preview/CCleanupList.h"
#include "core/preview/CPreviewConfig.h"
#include "core/preview/CommandLine.h"

#include <filesystem>

namespace velto {

namespace fs = std::filesystem;

std::optional<std::string> BrowserPort::FindProgram(const std::string& word) const {
    return velto::FindProgram(word);
}

namespace {
std::string FolderOf(const std::string& documentPath) {
    if (documentPath.empty()) {
        std::error_code ec;
        return fs::current_path(ec).string();
    }
    return fs::path(documentPath).parent_path().string();
}

bool SameFile(const std::string& a, const std::string& b) {
    if (b.empty())
        return false;
    std::error_code ec;
    return a == b || fs::equivalent(a, b, ec);
}
} // namespace

std::string CPreviewDriver::NextPreviewPath(const std::string& documentPath) {
    std::string folder = FolderOf(documentPath);
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    const std::string pattern =
        profile_.GetString(CGeneralConfig::Section, "PreviewTmpFile", settings_.previewTmpFile);
    return folder + FormatPreviewName(pattern, counter_.Next(settings_.numberOfPreviewFiles));
}

void CPreviewDriver::ReportFileFailure(const std::string& description) {
    prompter_.Message("Failed to generate intermediate preview file.\n\n" + description,
                      Prompter::Kind::Warning);
}

std::optional<std::string> CPreviewDriver::WritePreview(const TextControl& control,
                                                        const std::string& documentPath,
                                                        const DocumentEncoding* encoding) {
    const CPreviewConfig* current = profiles_.Current();
    if (!current) {
        prompter_.Message(
            "You have not selected an HTML previewer application.\n\nYou can do this in the "
            "\"Previewer\" section of the Options dialog.",
            Prompter::Kind::Information);
        return std::nullopt;
    }
    std::string path = NextPreviewPath(documentPath);
    // A document that is itself named like a preview file is never written over.
    for (int tries = 1; SameFile(path, documentPath); ++tries) {
        if (tries >= settings_.numberOfPreviewFiles) {
            ReportFileFailure(path + ": the preview file would replace the document itself");
            return std::nullopt;
        }
        path = NextPreviewPath(documentPath);
    }
    const bool scroll = settings_.scrollPreview != 0;
    control.GetTextRange(0, control.Length(), text_);
    PreviewContents contents;
    contents.encoding = encoding;
    contents.baseElement = current->NeedBaseURL;
    contents.defaultTitle = current->NeedDefaultTitle;
    contents.folder = fs::path(path).parent_path().string();
    if (scroll) {
        const int line = FindAnchorLine(
            text_, control.FirstVisibleLine(),
            [&control](int l) { return static_cast<std::size_t>(control.LineStart(l)); },
            [&control](std::size_t pos) {
                return control.LineFromPosition(static_cast<int>(pos));
            });
        if (line >= 0)
            contents.anchorAt = static_cast<std::size_t>(control.LineStart(line));
    }
    std::string error;
    if (!WritePreviewFile(path, text_, contents, error)) {
        ReportFileFailure(error);
        return std::nullopt;
    }
    cleanup_.Register(path);
    std::string url = BrowserUrl(path);
    if (current->ProvideFragment && scroll)
        url += "#" + std::string(ScrollAnchorName);
    return url;
}

bool CPreviewDriver::Preview(const TextControl& control, const std::string& documentPath,
                             const DocumentEncoding* encoding) {
    const std::optional<std::string> url = WritePreview(control, documentPath, encoding);
    return url && OpenUrl(*url);
}

bool CPreviewDriver::OpenUrl(const std::string& url) {
    const CPreviewConfig* current = profiles_.Current();
    if (!current)
        return false;
    bool opened = false;
    if (current->UsesDesktopBrowser()) {
        while (!(opened = browser_.OpenWithDesktop(url)))
            if (!prompter_.AskYesNo(
                    "Failed to establish connection with HTML preview application.\n\n"
                    "Press YES to try again."))
                break;
    } else {
        opened = OpenWithCommand(*current, url);
    }
    // Raised at once, the editor would go behind the browser's window as soon as that
    // comes up: the port waits for it (or for the profile's start-up delay).
    if (profiles_.KeepInFront())
        browser_.KeepEditorInFront(current->UsesDesktopBrowser() ? 0 : current->DelayOnAppStart);
    return opened;
}

bool CPreviewDriver::OpenWithCommand(const CPreviewConfig& profile, const std::string& url) {
    std::vector<std::string> words = SplitCommandLine(profile.Previewer);
    const std::optional<std::string> program =
        words.empty() ? std::nullopt : browser_.FindProgram(words.front());
    if (!program) {
        prompter_.Message("HTML previewer application not found: " + profile.Previewer +
                              "\n\nYou can use the Options dialog to specify the previewer "
                              "application's location.",
                          Prompter::Kind::Warning);
        return false;
    }
    words.erase(words.begin());
    const std::vector<std::string> arguments = WithAddress(std::move(words), url);
    bool started = false;
    while (!(started = browser_.Start(*program, arguments)))
        if (!prompter_.AskYesNo("Failed to start preview application: " + profile.Previewer +
                                "\n\nPress YES to try again."))
            break;
    return started;
}

} // namespace velto

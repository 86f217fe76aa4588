// Refresh Preview and the opening of web addresses: the preview file written beside the
// document and its address handed to the browser of the current previewer profile.
#pragma once

#include "core/preview/PreviewFile.h"

#include <optional>
#include <string>
#include <vector>

namespace velto {

class CCleanupList;
struct DocumentEncoding;
class CGeneralConfig;
class PreviewerProfiles;
class Profile;
class Prompter;
class TextControl;
struct CPreviewConfig;

// What the driver asks of the platform to reach a browser.
class BrowserPort {
public:
    virtual ~BrowserPort() = default;
    // The program a command line's first word names, or nothing.
    [[nodiscard]] virtual std::optional<std::string> FindProgram(const std::string& word) const;
    // Starts the program without waiting for it; false when it could not be started.
    virtual bool Start(const std::string& program, const std::vector<std::string>& arguments) = 0;
    // Hands the address to the desktop's own browser; false when that is refused.
    virtual bool OpenWithDesktop(const std::string& url) = 0;
    // Puts the editor's main window back in front once the browser's window has come up
    // and taken the front: when another program's window takes it within a few seconds,
    // or startDelayMs (a slow browser's start-up time, 0: none), and at the end of that
    // delay. Never waits: the editor goes on working meanwhile.
    virtual void KeepEditorInFront(int startDelayMs) = 0;
};

class CPreviewDriver {
public:
    // settings gives "Scroll Preview" and "Number Of Preview Files" as read at start-up;
    // "PreviewTmpFile" is read from profile at every preview.
    CPreviewDriver(PreviewerProfiles& profiles, CCleanupList& cleanup, const CGeneralConfig& settings,
                   const Profile& profile, Prompter& prompter, BrowserPort& browser)
        : profiles_(profiles), cleanup_(cleanup), settings_(settings), profile_(profile),
          prompter_(prompter), browser_(browser) {}

    // Refresh Preview of a document (documentPath empty for an untitled one, previewed
    // from the current folder). False when nothing was handed to a browser; the document
    // is never changed.
    // The file is written in the document's encoding when one is given.
    bool Preview(const TextControl& control, const std::string& documentPath,
                 const DocumentEncoding* encoding = nullptr);
    // Opens an address (a web page, or a preview file's) in the current profile's browser.
    bool OpenUrl(const std::string& url);

    // Writes the preview file without handing it over; the address to open, or nothing
    // after a reported failure.
    std::optional<std::string> WritePreview(const TextControl& control, const std::string& documentPath,
                                            const DocumentEncoding* encoding = nullptr);
    // The path of the next preview file for a document.
    [[nodiscard]] std::string NextPreviewPath(const std::string& documentPath);

private:
    bool OpenWithCommand(const CPreviewConfig& profile, const std::string& url);
    void ReportFileFailure(const std::string& description);

    PreviewerProfiles& profiles_;
    CCleanupList& cleanup_;
    const CGeneralConfig& settings_;
    const Profile& profile_;
    Prompter& prompter_;
    BrowserPort& browser_;
    PreviewCounter counter_;
    std::string text_; // the document's bytes, kept between previews to save allocations
};

} // namespace velto

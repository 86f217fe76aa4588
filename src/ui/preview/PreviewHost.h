// The previewer profiles, the preview files' clean-up list and the preview driver of the
// running editor.
#pragma once

#include "core/preview/CCleanupList.h"
#include "core/preview/CPreviewConfig.h"
#include "core/preview/CPreviewDriver.h"
#include "ui/preview/QtBrowserPort.h"

#include <string>

namespace velto {

class CQuorApp;
class CQuorView;

class PreviewHost {
public:
    // Loads the profiles (start-up); the clean-up list is loaded separately.
    explicit PreviewHost(CQuorApp& app);

    [[nodiscard]] PreviewerProfiles& Profiles() { return profiles_; }
    [[nodiscard]] CCleanupList& Cleanup() { return cleanup_; }
    [[nodiscard]] CPreviewDriver& Driver() { return driver_; }
    [[nodiscard]] QtBrowserPort& Browser() { return browser_; }

    // The built-in profiles again when the list is empty.
    void SetUpDefaults();
    // Refresh Preview of a view's document, with the wait cursor shown meanwhile.
    bool Preview(CQuorView& view);
    bool OpenUrl(const std::string& url);

private:
    CQuorApp& app_;
    PreviewerProfiles profiles_;
    CCleanupList cleanup_;
    QtBrowserPort browser_;
    CPreviewDriver driver_;
};

} // namespace velto

// When the live preview pane refreshes, and its title and settings.
#include "core/preview/LivePreviewRules.h"

#include "core/platform/Profile.h"

namespace velto {

bool LivePreviewRefreshes(LivePreviewCause cause, std::size_t documentBytes) noexcept {
    return cause != LivePreviewCause::Edit || documentBytes <= LivePreviewLargeDocument;
}

std::string LivePreviewTitle(std::string_view documentTitle, std::size_t documentBytes) {
    if (documentTitle.empty())
        return "Live Preview";
    std::string title = "Live Preview - " + std::string(documentTitle);
    if (!LivePreviewRefreshes(LivePreviewCause::Edit, documentBytes))
        title += " (large document: refreshed on Ctrl+R or when saved)";
    return title;
}

void LivePreviewSettings::Load(const Profile& profile) {
    shown = profile.GetInt(Section, "Shown", 0) != 0;
    followCaret = profile.GetInt(Section, "Follow Caret", 0) != 0;
    allowRemoteContent = profile.GetInt(Section, "Allow Remote Content", 0) != 0;
}

bool LivePreviewSettings::Save(Profile& profile) const {
    bool ok = profile.WriteInt(Section, "Shown", shown ? 1 : 0);
    ok = profile.WriteInt(Section, "Follow Caret", followCaret ? 1 : 0) && ok;
    return profile.WriteInt(Section, "Allow Remote Content", allowRemoteContent ? 1 : 0) && ok;
}

} // namespace velto

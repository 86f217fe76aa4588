// When the live preview pane refreshes, what its title says, the settings it keeps and the
// names of the files it shows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velto {

class Profile;

// How long after the last change the pane refreshes: typing runs on undisturbed, and the
// page is rewritten once a pause comes.
inline constexpr int LivePreviewDelayMs = 300;
// Above this size a document is rewritten only when the user asks (Refresh Preview) or
// saves, so a keystroke never pays for writing megabytes.
inline constexpr std::size_t LivePreviewLargeDocument = 2u << 20;
// The pane's own files, rotating so a page still loading is never written over; the
// browser preview's names stay separate, so neither replaces a file the other shows.
inline constexpr std::string_view LivePreviewFilePattern = "~veltolp%d.htm";
inline constexpr int LivePreviewFileCount = 3;

enum class LivePreviewCause {
    Edit,     // the text changed and the pause after it has passed
    Save,     // the document was saved
    Command,  // Refresh Preview, or the pane shown or switched to the document
};

// Whether the pane is rewritten for this cause with the document at this size.
[[nodiscard]] bool LivePreviewRefreshes(LivePreviewCause cause, std::size_t documentBytes) noexcept;

// "Live Preview - page.html", with a note when edits do not refresh it; "Live Preview"
// without a document.
[[nodiscard]] std::string LivePreviewTitle(std::string_view documentTitle, std::size_t documentBytes);

// Section "Live Preview": the pane's check items and whether it was shown at exit.
struct LivePreviewSettings {
    static constexpr const char* Section = "Live Preview";

    bool shown = false;
    bool followCaret = false;
    // Pages in the pane reach only local files unless this is on.
    bool allowRemoteContent = false;

    void Load(const Profile& profile);
    bool Save(Profile& profile) const;
};

} // namespace velto

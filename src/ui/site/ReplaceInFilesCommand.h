// Replace in Files in the window: the dialog, the changes listed on a worker thread (open
// documents planned from their current text), the preview, the changes made and the
// summary of what was changed and what could not be.
#pragma once

#include "core/site/FileEdits.h"
#include "core/site/TextSearch.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace velto {

class CMainFrame;
class CQuorDocManager;

struct ReplaceRequest {
    SearchOptions options;
    std::string replacement;
    std::string folder;
    std::string include; // the file name patterns
};

// Every change the request makes below its folder, listed on a worker thread behind a
// dialog with a progress bar and Stop; a page open in the editor is planned from its text
// in the view, not from its file. Nothing when stopped or when the search does not compile.
[[nodiscard]] std::optional<std::vector<FileEdits>>
PlanReplaceInSite(QWidget* parent, CQuorDocManager& docs, const ReplaceRequest& request);

// The whole command: folder and text are where the dialog starts.
void RunReplaceInFiles(CMainFrame& frame, const QString& folder, const QString& text);

} // namespace velto

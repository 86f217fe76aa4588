// The preview of the running editor.
#include "ui/preview/PreviewHost.h"

#include "core/preview/CommandLine.h"
#include "ui/app/CQuorApp.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorView.h"
#include "ui/document/ScintillaTextControl.h"

#include <QGuiApplication>

namespace velto {

namespace {
bool OnPath(const std::string& program) {
    return FindProgram(program).has_value();
}
} // namespace

PreviewHost::PreviewHost(CQuorApp& app)
    : app_(app), cleanup_(app.GetProfile(), app.GetPrompter()), browser_([&app] { return app.MainWindow(); }),
      driver_(profiles_, cleanup_, app.General(), app.GetProfile(), app.GetPrompter(), browser_) {
    profiles_.Initialise(app.GetProfile(), OnPath);
}

void PreviewHost::SetUpDefaults() {
    if (profiles_.List().empty())
        profiles_.Initialise(app_.GetProfile(), OnPath);
}

bool PreviewHost::Preview(CQuorView& view) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = driver_.Preview(view.Control(), view.GetDocument()->PathName().toStdString(), &view.Encoding());
    QGuiApplication::restoreOverrideCursor();
    return ok;
}

bool PreviewHost::OpenUrl(const std::string& url) {
    return driver_.OpenUrl(url);
}

} // namespace velto

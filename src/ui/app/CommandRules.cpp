// The enabled rules and handlers that the subsystems' commands share.
#include "ui/app/CommandRules.h"

#include "ui/app/CMainFrame.h"
#include "ui/document/CQuorView.h"

#include <QMdiArea>

namespace velto {

std::function<bool()> WhenView(CMainFrame& frame) {
    return [&frame] { return frame.ActiveView() != nullptr; };
}

std::function<bool()> WhenSelection(CMainFrame& frame) {
    return [&frame] {
        const CQuorView* view = frame.ActiveView();
        return view && view->HasSelectedText();
    };
}

std::function<bool()> WhenDocuments(CMainFrame& frame) {
    return [&frame] { return !frame.MdiArea()->subWindowList().isEmpty(); };
}

std::function<void()> OnView(CMainFrame& frame, void (CQuorView::*command)()) {
    return [&frame, command] {
        if (CQuorView* view = frame.ActiveView())
            (view->*command)();
    };
}

} // namespace velto

// Find, Replace and Find Next in the active view.
#include "ui/document/FindCommands.h"

#include "ui/app/CMainFrame.h"
#include "ui/document/CQuorView.h"

#include <QApplication>

namespace velto {

FindCommands::FindCommands(CMainFrame& frame) : QObject(&frame), frame_(frame) {}

void FindCommands::ShowFind(bool replace) {
    CQuorView* view = frame_.ActiveView();
    if (!view)
        return;
    if (dialog_)
        dialog_->close();
    dialog_ = new FindReplaceDlg(replace, last_, &frame_);
    dialog_->activeView = [this] { return frame_.ActiveView(); };
    // A one-line selection is what the user wants to find.
    QString initial;
    if (view->HasSelectedText()) {
        const QByteArray selected = view->TextRange(view->SelectionStart(), view->SelectionEnd());
        if (!selected.contains('\n') && !selected.contains('\r'))
            initial = QString::fromUtf8(selected);
    }
    dialog_->Start(initial);
}

void FindCommands::FindNext() {
    CQuorView* view = frame_.ActiveView();
    if (!view)
        return;
    if (last_.findWhat.isEmpty()) {
        ShowFind(false);
        return;
    }
    if (!view->FindNext(last_))
        QApplication::beep();
}

} // namespace velto

// Find, Replace and Find Next in the active view: the modeless dialog and the last search.
#pragma once

#include "ui/document/FindReplaceDlg.h"

#include <QObject>
#include <QPointer>

namespace velto {

class CMainFrame;

class FindCommands : public QObject {
    Q_OBJECT
public:
    // Lives as long as the frame.
    explicit FindCommands(CMainFrame& frame);

    // Opens the Find (or Replace) dialog, starting from a one-line selection.
    void ShowFind(bool replace);
    // Repeats the last search; the Find dialog when there was none.
    void FindNext();

private:
    CMainFrame& frame_;
    QPointer<FindReplaceDlg> dialog_;
    SearchRequest last_;
};

} // namespace velto

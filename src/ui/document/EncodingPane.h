// The status bar pane that names the active document's encoding (and "BOM" where its
// file has one) and opens the menu of Reopen with Encoding and Save with Encoding.
#pragma once

#include <QPointer>
#include <QToolButton>

namespace velto {

class CMainFrame;
class CQuorView;

class EncodingPane : public QToolButton {
    Q_OBJECT
public:
    // Puts itself on the frame's status bar and follows the active document.
    explicit EncodingPane(CMainFrame& frame);

    // Brings the text up to date with the active view.
    void Refresh();

private:
    void Follow();
    void FillMenu();

    CMainFrame& frame_;
    QPointer<CQuorView> view_;
};

} // namespace velto

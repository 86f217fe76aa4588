// The MDI child window of a document: holds its view and asks before closing.
#pragma once

#include <QMdiSubWindow>

namespace velto {

class CQuorDoc;
class CQuorView;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    // The frame owns the view (in its widget, below the encoding bar) and the document (a
    // child object).
    CChildFrame(CQuorDoc* doc, CQuorView* view, QWidget* parent = nullptr);

    [[nodiscard]] CQuorDoc* Document() const { return doc_; }
    [[nodiscard]] CQuorView* View() const { return view_; }
    // Closes after the caller has already asked about saving.
    void CloseWithoutAsking();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    CQuorDoc* doc_;
    CQuorView* view_;
    bool asked_ = false;
};

} // namespace velto

// ProblemsDock: the "Problems" window, docked by default below the documents, listing the
// active document's problems; a click selects a problem's text in the document.
#pragma once

#include <QDockWidget>

class QTreeView;

namespace velto {

class CheckHost;
class CMainFrame;
class ProblemsModel;

class ProblemsDock final : public QDockWidget {
    Q_OBJECT
public:
    ProblemsDock(CMainFrame& frame, CheckHost& host);

    [[nodiscard]] QTreeView* List() const { return list_; }
    [[nodiscard]] ProblemsModel* Model() const { return model_; }
    // Selects row's problem in its document; with focus, the document takes the keyboard.
    void Go(int row, bool focus);

private:
    void ShowActive();
    void UpdateTitle();

    CMainFrame& frame_;
    CheckHost& host_;
    QTreeView* list_;
    ProblemsModel* model_;
};

} // namespace velto

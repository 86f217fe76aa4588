// ProblemsDock: the list of the active document's problems.
#include "ui/check/ProblemsDock.h"

#include "core/check/ProblemNavigation.h"
#include "ui/app/CMainFrame.h"
#include "ui/check/CheckHost.h"
#include "ui/check/ProblemsModel.h"
#include "ui/check/ViewChecks.h"
#include "ui/document/CQuorView.h"

#include <QHeaderView>
#include <QTreeView>

namespace velto {

ProblemsDock::ProblemsDock(CMainFrame& frame, CheckHost& host)
    : QDockWidget(tr("Problems"), &frame), frame_(frame), host_(host), list_(new QTreeView(this)),
      model_(new ProblemsModel(this)) {
    setObjectName(QStringLiteral("ProblemsDock")); // the saved layout finds it by name
    list_->setModel(model_);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(ProblemsModel::MessageColumn, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(ProblemsModel::SeverityColumn,
                                          QHeaderView::ResizeToContents);
    list_->header()->setSectionResizeMode(ProblemsModel::LineColumn, QHeaderView::ResizeToContents);
    list_->header()->setSectionResizeMode(ProblemsModel::RuleColumn, QHeaderView::ResizeToContents);
    setWidget(list_);
    connect(list_, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { Go(index.row(), false); });
    connect(list_, &QTreeView::activated, this,
            [this](const QModelIndex& index) { Go(index.row(), true); });
    connect(&host_, &CheckHost::ActiveChanged, this, &ProblemsDock::ShowActive);
    connect(&host_, &CheckHost::ProblemsChanged, this, [this](CQuorView* view) {
        if (view == frame_.ActiveView())
            ShowActive();
    });
    ShowActive();
}

void ProblemsDock::ShowActive() {
    model_->Show(host_.ActiveChecks());
    UpdateTitle();
}

void ProblemsDock::UpdateTitle() {
    ViewChecks* checks = model_->Shown();
    if (checks == nullptr || !checks->Checked()) {
        setWindowTitle(tr("Problems"));
        return;
    }
    setWindowTitle(tr("Problems (%1)")
                       .arg(QString::fromStdString(CountsText(CountProblems(checks->Problems())))));
}

void ProblemsDock::Go(int row, bool focus) {
    ViewChecks* checks = model_->Shown();
    if (checks == nullptr || row < 0)
        return;
    checks->Select(static_cast<std::size_t>(row));
    const std::vector<Problem>& problems = checks->Problems();
    if (static_cast<std::size_t>(row) < problems.size())
        frame_.ShowPrompt(QString::fromStdString(problems[static_cast<std::size_t>(row)].message));
    if (focus)
        checks->View().setFocus();
}

} // namespace velto

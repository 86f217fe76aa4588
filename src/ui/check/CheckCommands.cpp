// The commands of Check Page.
#include "ui/check/CheckCommands.h"

#include "core/check/ProblemNavigation.h"
#include "core/menu/CommandIds.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/CommandTable.h"
#include "ui/check/CheckHost.h"
#include "ui/check/ProblemsDock.h"
#include "ui/check/ViewChecks.h"
#include "ui/document/CQuorView.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>

namespace velto {

namespace {

void Step(CMainFrame& frame, CheckHost& host, bool forward) {
    ViewChecks* checks = host.ActiveChecks();
    if (checks == nullptr)
        return;
    const std::vector<Problem>& problems = checks->Problems();
    CQuorView& view = checks->View();
    const auto start = static_cast<std::size_t>(view.SelectionStart());
    const auto end = static_cast<std::size_t>(view.SelectionEnd());
    const std::optional<std::size_t> next =
        StepProblem(problems, start, end, checks->lastVisited, forward);
    if (!next) {
        frame.ShowPrompt(QString::fromStdString(CountsText({})));
        return;
    }
    checks->Select(*next);
    frame.ShowPrompt(QString::fromStdString(problems[*next].message));
}

// The active document's counts on the status bar, beside the lock panes.
void AddCountsPane(CMainFrame& frame, CheckHost& host) {
    auto* pane = new QLabel(frame.statusBar());
    pane->setObjectName(QStringLiteral("ProblemCounts"));
    frame.statusBar()->addPermanentWidget(pane);
    const auto update = [&frame, &host, pane] {
        ViewChecks* checks = host.ActiveChecks();
        pane->setText(checks != nullptr && checks->Checked()
                          ? QString::fromStdString(CountsText(CountProblems(checks->Problems())))
                          : QString());
    };
    QObject::connect(&host, &CheckHost::ActiveChanged, pane, update);
    QObject::connect(&host, &CheckHost::ProblemsChanged, pane, [&frame, update](CQuorView* view) {
        if (view == frame.ActiveView())
            update();
    });
}

} // namespace

void RegisterCheckCommands(CommandTable& t, CMainFrame& frame) {
    auto* host = new CheckHost(frame);
    auto* dock = new ProblemsDock(frame, *host);
    frame.addDockWidget(Qt::BottomDockWidgetArea, dock);
    dock->hide(); // the saved layout shows it again
    AddCountsPane(frame, *host);

    t.Add({CommandId::ToggleProblems,
           "&Problems",
           "Show or hide the list of the active document's problems",
           {},
           [dock] {
               if (dock->isVisible()) {
                   dock->hide();
               } else {
                   dock->show();
                   dock->raise();
               }
           },
           [dock] { return dock->toggleViewAction()->isChecked(); }});
    const auto active = [host] { return host->ActiveChecks() != nullptr; };
    t.Add({CommandId::NextProblem, "&Next Problem\tF8",
           "Select the next problem Check Page found in the document", active,
           [&frame, host] { Step(frame, *host, true); }});
    t.Add({CommandId::PreviousProblem, "Pre&vious Problem\tShift+F8",
           "Select the previous problem Check Page found in the document", active,
           [&frame, host] { Step(frame, *host, false); }});
    QObject::connect(dock->toggleViewAction(), &QAction::toggled, &frame,
                     &CMainFrame::UpdateCommands);
}

} // namespace velto

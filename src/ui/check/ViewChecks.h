// ViewChecks: the problems of one view's page: when it is checked, the problems of its last
// check carried through the edits made since, the underlines in the view and their tooltips.
#pragma once

#include "core/check/CheckWorker.h"
#include "core/check/EditLog.h"
#include "core/check/Problem.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velto {

class CheckHost;
class CQuorView;

class ViewChecks : public QObject {
    Q_OBJECT
public:
    // The underlines of errors, warnings and notes (the tag-pair marks use 9, struck-out
    // text 8).
    static constexpr int ErrorIndicator = 20;
    static constexpr int WarningIndicator = 21;
    static constexpr int InfoIndicator = 22;

    ViewChecks(CheckHost& host, CQuorView& view, std::uint64_t id);
    ~ViewChecks() override;

    [[nodiscard]] CQuorView& View() const noexcept { return view_; }
    [[nodiscard]] std::uint64_t Id() const noexcept { return id_; }
    // The problems at their places in the view's text as it is now, in order.
    [[nodiscard]] const std::vector<Problem>& Problems();
    // Whether a check of the page has come back yet.
    [[nodiscard]] bool Checked() const noexcept { return checked_; }

    // Checks the page after `delayMs`, or at once.
    void Schedule(int delayMs);
    void CheckNow();
    // A check came back; those of an older text than the last one handed over are dropped.
    void Receive(CheckWorker::Result result);
    // No problems and no underlines (checking switched off).
    void Clear();

    // The problem last gone to with F8 or the dock, if it is still the one selected.
    std::optional<std::size_t> lastVisited;
    // Selects problem `index` in the view and scrolls to it.
    void Select(std::size_t index);

Q_SIGNALS:
    void ProblemsChanged();

protected:
    // Tooltips: the messages of the problems under the pointer.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnModified(int position, int length, bool inserting);
    // The problems of the last text handed over, carried through the edits since.
    void Place(std::vector<Problem> problems);
    void Draw();
    void SetUpIndicators();

    CheckHost& host_;
    CQuorView& view_;
    std::uint64_t id_;
    QTimer timer_;
    std::uint64_t generation_ = 0; // counts the edits
    std::uint64_t submitted_ = 0;  // the generation last handed to the worker
    EditLog sinceSubmit_;          // edits since that text was taken
    EditLog sinceResult_;          // edits since problems_ were placed
    std::vector<Problem> problems_;
    bool checked_ = false;
    std::string spare_; // the memory of the last text checked, for the next
    bool inFlight_ = false;      // a text is with the worker
    bool checkWhenBack_ = false; // and the page is to be checked again when it is back
};

} // namespace velto

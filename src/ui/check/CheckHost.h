// CheckHost: Check Page in the editor. Every open page is checked when it opens and again
// half a second after typing stops, on the worker's thread with a copy of its text; the
// results come back here and go to the page's view (underlines), the Problems dock and the
// status bar. A change of the version selection or of the rules checks every page again.
#pragma once

#include "core/check/CheckSettings.h"
#include "core/check/CheckVocabulary.h"
#include "core/check/CheckWorker.h"

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <map>
#include <memory>

namespace velto {

class CMainFrame;
class CQuorDoc;
class CQuorView;
class ViewChecks;

class CheckHost : public QObject {
    Q_OBJECT
public:
    // How long after the last change a page is checked again.
    static constexpr int PauseMs = 500;

    explicit CheckHost(CMainFrame& frame);
    ~CheckHost() override;

    [[nodiscard]] const CheckSettings& Settings() const noexcept { return *settings_; }
    // Takes new settings: saves them and checks every page again (or clears the problems
    // when checking was switched off).
    void ApplySettings(const CheckSettings& settings);

    // The checks of a view, or nullptr for a view that is no open document's.
    [[nodiscard]] ViewChecks* ChecksOf(const CQuorView* view) const;
    [[nodiscard]] ViewChecks* ActiveChecks() const;
    // Checks every open page again (after the version selection changed).
    void CheckAll();

    // Hands a page's text to the worker; false when checking is off or not possible.
    bool Submit(ViewChecks& checks, std::uint64_t generation, std::string text);
    // How many checks were handed to the worker, for tests and benchmarks.
    [[nodiscard]] std::uint64_t ChecksSubmitted() const noexcept { return submitted_; }
    // How many checks the worker has finished.
    [[nodiscard]] std::uint64_t ChecksCompleted() const { return worker_->ChecksRun(); }

Q_SIGNALS:
    // The problems of a view changed (a check came back, or they were cleared).
    void ProblemsChanged(CQuorView* view);
    // The active view changed.
    void ActiveChanged();

private:
    void Watch(CQuorDoc* doc);
    void RebuildVocabulary();
    void Deliver(CheckWorker::Result result);

    CMainFrame& frame_;
    std::shared_ptr<const CheckSettings> settings_;
    std::shared_ptr<const CheckVocabulary> vocabulary_;
    std::map<std::uint64_t, QPointer<ViewChecks>> checks_;
    std::uint64_t nextId_ = 1;
    std::uint64_t submitted_ = 0;
    int listener_ = 0;
    // Last, so that it goes first: its thread ends before the rest of the host.
    std::unique_ptr<CheckWorker> worker_;
};

// The frame's CheckHost, or nullptr.
[[nodiscard]] CheckHost* CheckHostOf(const CMainFrame& frame);

} // namespace velto

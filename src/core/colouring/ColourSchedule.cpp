// ColourSchedule: colouring edits at once or in the background, and the idle steps.
#include "core/colouring/ColourSchedule.h"

#include "core/colouring/AppearanceSettings.h"
#include "core/config/GeneralConfig.h"
#include "core/platform/TextControl.h"

#include <algorithm>

namespace velto {

namespace {
constexpr unsigned long VisibleAreaTicks = 10; // the visible area waits for such a tick
constexpr unsigned long ScanTicks = 250;       // and each chunk of the scan for such a one
} // namespace

ColourSchedule::ColourSchedule(TextControl& control, const HtmlKnowledgeBase& kb,
                               const AppearanceSettings& appearance, const CGeneralConfig& general)
    : control_(control), appearance_(appearance), general_(general),
      colourer_(kb, appearance.Mode()) {}

CHtmlColourer& ColourSchedule::Colourer() {
    colourer_.SetMode(appearance_.Mode());
    return colourer_;
}

int ColourSchedule::ChunkSize() const noexcept {
    return general_.viewScanChunk >= 1 ? general_.viewScanChunk : CGeneralConfig().viewScanChunk;
}

void ColourSchedule::ViewReady() {
    visibleColoured_ = true;
    ready_ = true;
    knownLength_ = control_.Length();
    if (appearance_.Mode() != ColourMode::Plain)
        RestartFullColouring();
}

void ColourSchedule::RestartFullColouring() {
    visibleColoured_ = false;
    scan_ = CViewScan{0, ChunkSize()};
    knownLength_ = control_.Length();
}

void ColourSchedule::Scrolled() noexcept {
    if (scan_)
        visibleColoured_ = false;
}

void ColourSchedule::TextChanged(int first, int pastEnd, bool tagOrLineChars) {
    const int length = control_.Length();
    first = std::clamp(first, 0, length);
    pastEnd = std::clamp(pastEnd, first, length);
    FollowEdit(first, pastEnd);
    if (appearance_.Mode() != ColourMode::Tags)
        return;
    // One character early, so that a character typed just after a '>' brings that tag in.
    if (first > 0)
        --first;
    if (pastEnd - first < general_.maxColouringInsert) {
        // The range search runs for deletions too: the text a deletion removed may have
        // held the '<' or '>' of a tag that the text left behind no longer shows.
        Colourer().ColourRange(control_, first, pastEnd, tagOrLineChars, true);
    } else {
        Queue(first, pastEnd);
    }
}

// Keeps the scan's next position on the same text: it moves with the text after the
// change, and back to the change when the change swallowed it.
void ColourSchedule::FollowEdit(int first, int pastEnd) {
    const int length = control_.Length();
    const int delta = length - knownLength_;
    knownLength_ = length;
    if (!scan_)
        return;
    const int oldPastEnd = std::max(first, pastEnd - delta);
    if (scan_->next >= oldPastEnd)
        scan_->next = std::max(first, scan_->next + delta);
    else if (scan_->next > first)
        scan_->next = first;
}

void ColourSchedule::Queue(int first, int pastEnd) {
    if (!scan_)
        scan_ = CViewScan{0, ChunkSize()};
    scan_->next = std::min(scan_->next, first);
    const TextControl::Range visible = control_.VisibleRange();
    if (first <= visible.pastEnd && pastEnd >= visible.first)
        visibleColoured_ = false;
}

ColourSchedule::IdleResult ColourSchedule::IdleStep(unsigned long idleCount) {
    if (!ready_ || IsComplete())
        return {false, IsComplete()};
    if (!visibleColoured_) {
        if (idleCount % VisibleAreaTicks != 0)
            return {false, false};
        const TextControl::Range visible = control_.VisibleRange();
        Colourer().ColourRange(control_, visible.first, visible.pastEnd, true, false);
        visibleColoured_ = true;
        return {true, IsComplete()};
    }
    if (idleCount % ScanTicks != 0)
        return {false, false};
    const int length = control_.Length();
    if (scan_->next >= length) {
        scan_.reset();
        return {true, IsComplete()};
    }
    const int end = scan_->next + std::min(scan_->chunkSize, length - scan_->next);
    Colourer().ColourRange(control_, scan_->next, end, true, false);
    scan_->next = end;
    return {true, false};
}

ColourSchedule::IdleResult OfferIdleTick(ColourSchedule* active,
                                         std::span<ColourSchedule* const> views,
                                         unsigned long idleCount) {
    ColourSchedule::IdleResult result{false, true};
    if (active != nullptr)
        result.didWork = active->IdleStep(idleCount).didWork;
    for (ColourSchedule* view : views) {
        if (result.didWork)
            break;
        if (view != nullptr && view != active)
            result.didWork = view->IdleStep(idleCount).didWork;
    }
    if (active != nullptr && active->WantsIdle())
        result.complete = false;
    for (ColourSchedule* view : views)
        if (view != nullptr && view->WantsIdle())
            result.complete = false;
    return result;
}

} // namespace velto

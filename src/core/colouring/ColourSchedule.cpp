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

CHtmlColourer& ColourSchedule::ColourerInMode() {
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
    knownLength_ = control_.Length();
    ColourerInMode().Restart(control_);
}

std::optional<CViewScan> ColourSchedule::PendingScan() const noexcept {
    if (colourer_.Complete())
        return std::nullopt;
    return CViewScan{colourer_.FirstPending(), ChunkSize()};
}

void ColourSchedule::Scrolled() noexcept {
    if (!colourer_.Complete())
        visibleColoured_ = false;
}

void ColourSchedule::TextChanged(int first, int pastEnd) {
    const int length = control_.Length();
    first = std::clamp(first, 0, length);
    pastEnd = std::clamp(pastEnd, first, length);
    const int delta = length - knownLength_;
    knownLength_ = length;
    const bool tags = appearance_.Mode() == ColourMode::Tags;
    ColourerInMode().TextEdited(first, std::max(first, pastEnd - delta), pastEnd, tags);
    if (!tags)
        return;
    // Counted from one character early, as the edit's range has always been measured.
    if (pastEnd - std::max(0, first - 1) < general_.maxColouringInsert)
        colourer_.ColourEdit(control_, first, pastEnd);
    if (PendingInView())
        visibleColoured_ = false;
}

bool ColourSchedule::PendingInView() const {
    const auto& pending = colourer_.Checkpoints().PendingRanges();
    if (pending.empty())
        return false;
    const TextControl::Range visible = control_.VisibleRange();
    return std::any_of(pending.begin(), pending.end(), [&](const auto& p) {
        return p.start <= visible.pastEnd && p.end >= visible.first;
    });
}

ColourSchedule::IdleResult ColourSchedule::IdleStep(unsigned long idleCount) {
    if (!ready_ || IsComplete())
        return {false, IsComplete()};
    if (!visibleColoured_) {
        if (idleCount % VisibleAreaTicks != 0)
            return {false, false};
        const TextControl::Range visible = control_.VisibleRange();
        ColourerInMode().ColourRange(control_, visible.first, visible.pastEnd);
        visibleColoured_ = true;
        return {true, IsComplete()};
    }
    if (idleCount % ScanTicks != 0)
        return {false, false};
    ColourerInMode().ColourNextChunk(control_, ChunkSize());
    return {true, IsComplete()};
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

// ColourSchedule: what a view colours and when: edits at once, documents in idle chunks.
#pragma once

#include "core/colouring/CHtmlColourer.h"
#include "core/colouring/CViewScan.h"

#include <optional>
#include <span>

namespace velto {

class AppearanceSettings;
class CGeneralConfig;
class HtmlKnowledgeBase;
class TextControl;

// One per editor view, driven by the view: small edits are coloured as they happen (within
// the colourer's budget), large ones, whatever an edit leaves unsettled and whole documents
// in chunks during idle time, the visible part first. The mode comes from the appearance
// settings and the sizes from the general settings, read at each use so that changed
// settings apply at once.
class ColourSchedule {
public:
    struct IdleResult {
        bool didWork = false;
        bool complete = true;
    };

    ColourSchedule(TextControl& control, const HtmlKnowledgeBase& kb,
                   const AppearanceSettings& appearance, const CGeneralConfig& general);
    ColourSchedule(const ColourSchedule&) = delete;
    ColourSchedule& operator=(const ColourSchedule&) = delete;

    // The view is set up: from now on idle steps colour; a full colouring starts unless
    // tags are not coloured.
    void ViewReady();
    // Colours the whole text afresh in the background, visible part first (settings
    // changed, or the view started). In plain mode this clears every tag colour.
    void RestartFullColouring();
    // After each change of the text, once it is complete: [first, pastEnd) is the changed
    // span in new positions. Edits shorter than "MaxColouringInsert" are coloured at once,
    // longer ones left to the background; in plain mode nothing is coloured.
    void TextChanged(int first, int pastEnd);
    // The visible lines must be coloured before the rest of a scan (Go To Line).
    void VisibleAreaUncoloured() noexcept { visibleColoured_ = false; }
    // The view scrolled: newly shown lines go first while a scan is pending.
    void Scrolled() noexcept;
    // One idle tick of the application, numbered by idleCount: the visible area on every
    // tenth tick while it is uncoloured, else a chunk of the scan on every 250th.
    IdleResult IdleStep(unsigned long idleCount);

    [[nodiscard]] bool IsReady() const noexcept { return ready_; }
    [[nodiscard]] bool IsComplete() const noexcept {
        return visibleColoured_ && colourer_.Complete();
    }
    // Whether idle ticks would still do something here.
    [[nodiscard]] bool WantsIdle() const noexcept { return ready_ && !IsComplete(); }
    [[nodiscard]] bool VisibleAreaColoured() const noexcept { return visibleColoured_; }
    // The background colouring still to do: where it goes on, and its chunk size.
    [[nodiscard]] std::optional<CViewScan> PendingScan() const noexcept;
    [[nodiscard]] const CHtmlColourer& Colourer() const noexcept { return colourer_; }

private:
    [[nodiscard]] int ChunkSize() const noexcept;
    // Whether a stretch still to colour lies in the visible part.
    [[nodiscard]] bool PendingInView() const;
    CHtmlColourer& ColourerInMode();

    TextControl& control_;
    const AppearanceSettings& appearance_;
    const CGeneralConfig& general_;
    CHtmlColourer colourer_;
    bool visibleColoured_ = true;
    bool ready_ = false;
    int knownLength_ = 0; // the text length before the change being told
};

// Offers one idle tick to the views: first the active one, then, while none did work, the
// others in turn. The result says whether one did work, and `complete` is false while any
// view still wants idle time.
ColourSchedule::IdleResult OfferIdleTick(ColourSchedule* active,
                                         std::span<ColourSchedule* const> views,
                                         unsigned long idleCount);

} // namespace velto

// Turns the text control's before-change notifications into undo records.
//
// The control reports each insertion and deletion before it happens, with its position
// and length (a deletion's text is read from the control then; an insertion's text is
// read once the step is over). The tracker gathers every
// change of one editing step (say, the deletion of a selection and the typed character
// that replaces it) into one pending region, and Complete() turns it into one record once
// the step is over.
#pragma once

#include "core/document/UndoDelta.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velto {

class ChangeTracker {
public:
    // Reads [first, pastEnd) of the control's current text.
    using RangeReader = std::function<std::string(int first, int pastEnd)>;

    // Pending change kinds that commands announce before they replace the selection.
    enum Kind { KindNone = 0, KindInsert = 1, KindReplace = 2 };

    // Loading a document and replaying Undo or Redo raise the depth; changes made while
    // it is above zero are not recorded.
    void Suppress() noexcept { ++suppression_; }
    void Resume() noexcept {
        if (suppression_ > 0)
            --suppression_;
    }
    [[nodiscard]] bool Suppressed() const noexcept { return suppression_ > 0; }

    // A command is about to replace the selection: remembered in the record's extra field.
    void SetPendingKind(int kind) noexcept { pendingKind_ = kind; }

    void BeforeDelete(int pos, std::string_view removed, int caretBefore, const RangeReader& read);
    void BeforeInsert(int pos, int length, int caretBefore, const RangeReader& read);

    [[nodiscard]] bool HasPending() const noexcept { return pending_.has_value(); }
    // The pending region in current positions: [start, start + length).
    [[nodiscard]] int PendingStart() const noexcept { return pending_ ? pending_->start : 0; }
    [[nodiscard]] int PendingLength() const noexcept { return pending_ ? pending_->newLength : 0; }

    // Ends the pending step: the record, given the region's current text and the caret
    // after the step. Nothing when no change is pending.
    std::optional<CUndoDelta> Complete(std::string newText, int caretAfter);
    void Discard() noexcept { pending_.reset(); }

private:
    struct Pending {
        int start = 0;       // in both the old and the current text
        std::string oldText; // what the region held before the step
        int newLength = 0;   // the region's length in the current text
        int caretBefore = 0;
    };
    // Makes the region cover [first, pastEnd) of the current text, taking the unchanged
    // text it grows over into the old text.
    void Cover(int first, int pastEnd, const RangeReader& read);
    void Begin(int pos, int caretBefore);

    std::optional<Pending> pending_;
    int suppression_ = 0;
    int pendingKind_ = KindNone;
};

} // namespace velto

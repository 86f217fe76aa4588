// CHtmlColourer: colouring from checkpoints, until the lexer meets the state it had before.
#include "core/colouring/CHtmlColourer.h"

#include "core/colouring/StyleBatch.h"

#include "core/config/HtmlVer.h"
#include "core/htmlkb/CharacterReferences.h"
#include "core/htmlkb/ForeignVocabulary.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/platform/TextControl.h"
#include "core/tagassist/TagSyntax.h"

#include <algorithm>
#include <climits>

namespace velto {

using Checkpoint = ColouringCheckpoints::Checkpoint;
using Pending = ColouringCheckpoints::Pending;

// Follows a lexing that started at a checkpoint: records fresh checkpoints, notices when
// the lexer meets an old checkpoint in the state stored there (everything after it is as
// it was), and stops at the budget.
class CHtmlColourer::Watcher final : public LexWatcher {
public:
    Watcher(ColouringCheckpoints& checkpoints, std::size_t start, int stopAt)
        : points_(checkpoints), pending_(checkpoints.PendingRanges()), startIndex_(start),
          startPos_(checkpoints.At(start).pos), stopAt_(stopAt),
          nextRecord_(startPos_ + CheckpointInterval), oldIndex_(start + 1) {
        mustReach_ = startPos_;
        firstAbsorbed_ = pending_.size();
        for (std::size_t i = 0; i < pending_.size(); ++i) {
            if (pending_[i].start >= startPos_) {
                firstAbsorbed_ = i;
                break;
            }
            if (pending_[i].end >= startPos_) // a stretch the start lies in
                mustReach_ = std::max(mustReach_, pending_[i].end);
        }
        nextPending_ = firstAbsorbed_;
        SetNext(startPos_);
    }

    bool At(int pos, const LexState& state, int horizon) override {
        while (nextPending_ < pending_.size() && pending_[nextPending_].start <= pos)
            mustReach_ = std::max(mustReach_, pending_[nextPending_++].end);
        while (oldIndex_ < points_.Count() && OldPos(oldIndex_) < pos)
            ++oldIndex_;
        if (oldIndex_ < points_.Count() && OldPos(oldIndex_) == pos && pos >= mustReach_ &&
            pos > startPos_ && points_.At(oldIndex_).state == state) {
            const int following = oldIndex_ + 1 < points_.Count() ? OldPos(oldIndex_ + 1) : INT_MAX;
            if (horizon <= following) {
                converged_ = true;
                horizon_ = std::max(pos, horizon);
                return true;
            }
        }
        if (pos >= nextRecord_) {
            fresh_.push_back({pos, std::max(pos, horizon), state});
            nextRecord_ = pos + CheckpointInterval;
        }
        if (pos >= stopAt_) {
            if (fresh_.empty() || fresh_.back().pos != pos)
                fresh_.push_back({pos, std::max(pos, horizon), state});
            horizon_ = std::max(pos, horizon);
            return true;
        }
        SetNext(pos);
        return false;
    }

    // Puts what the lexing found in place of what it replaced; `end` is where it stopped.
    void Settle(int end, PageLexer::Outcome outcome) {
        std::size_t tail = oldIndex_;
        if (converged_) {
            points_.SetHorizon(tail, horizon_);
        } else {
            // Old checkpoints that the lexing looked past are dropped, so that no horizon
            // falls from one checkpoint to the next.
            while (tail < points_.Count() && (OldPos(tail) <= end || OldPos(tail) < horizon_))
                ++tail;
        }
        points_.Replace(startIndex_ + 1, tail, fresh_);
        const std::size_t absorbedEnd =
            outcome == PageLexer::Outcome::Finished ? pending_.size() : nextPending_;
        pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(firstAbsorbed_),
                       pending_.begin() + static_cast<std::ptrdiff_t>(absorbedEnd));
        // What follows the stop was not coloured from its state: a later lexing must get
        // past it before it may meet an old state.
        if (outcome == PageLexer::Outcome::Stopped && !converged_)
            points_.AddPending({end, std::max(end + 1, mustReach_)});
    }

private:
    [[nodiscard]] int OldPos(std::size_t i) const noexcept { return points_.At(i).pos; }

    void SetNext(int pos) {
        int next = std::min(stopAt_, nextRecord_);
        std::size_t i = oldIndex_;
        while (i < points_.Count() && OldPos(i) <= pos)
            ++i;
        if (i < points_.Count())
            next = std::min(next, OldPos(i));
        if (nextPending_ < pending_.size())
            next = std::min(next, pending_[nextPending_].start);
        this->next = std::max(next, pos + 1);
    }

    ColouringCheckpoints& points_;
    std::vector<Pending>& pending_;
    std::size_t startIndex_;
    int startPos_;
    int stopAt_;
    int nextRecord_;
    std::size_t oldIndex_;
    int mustReach_ = 0;
    std::size_t firstAbsorbed_ = 0;
    std::size_t nextPending_ = 0;
    bool converged_ = false;
    int horizon_ = 0; // at the stop
    std::vector<Checkpoint> fresh_;
};

CHtmlColourer::Result CHtmlColourer::ColourWholeControl(TextControl& control) {
    classes_.Clear();
    const int length = control.Length();
    if (mode_ == ColourMode::Plain) {
        checkpoints_.Forget(length);
        return ApplyPlain(control, 0, length);
    }
    checkpoints_.Restart(length);
    return LexFrom(control, 0, INT_MAX);
}

void CHtmlColourer::Restart(const TextControl& control) {
    checkpoints_.Restart(control.Length());
}

void CHtmlColourer::TextEdited(int first, int oldPastEnd, int newPastEnd, bool uncolour) {
    checkpoints_.Edited(first, oldPastEnd, newPastEnd, uncolour);
}

CHtmlColourer::Result CHtmlColourer::ColourEdit(TextControl& control, int first, int pastEnd) {
    classes_.Clear();
    const int length = control.Length();
    first = std::clamp(first, 0, length);
    pastEnd = std::clamp(pastEnd, first, length);
    if (mode_ == ColourMode::Plain)
        return ApplyPlain(control, first, pastEnd);
    const std::size_t from = checkpoints_.LastAtOrBefore(first);
    if (first - checkpoints_.At(from).pos > GuessDistance)
        return Guess(control, first, pastEnd);
    return LexFrom(control, from, pastEnd > INT_MAX - EditBudget ? INT_MAX : pastEnd + EditBudget);
}

CHtmlColourer::Result CHtmlColourer::ColourRange(TextControl& control, int first, int pastEnd) {
    classes_.Clear();
    const int length = control.Length();
    first = std::clamp(first, 0, length);
    pastEnd = std::clamp(pastEnd, first, length);
    const auto& pending = checkpoints_.PendingRanges();
    const auto p = std::find_if(pending.begin(), pending.end(),
                                [first](const Pending& r) { return r.end >= first; });
    if (p == pending.end() || p->start > pastEnd || (p->start == pastEnd && pastEnd < length))
        return {first, first, false};
    const int target = std::max(first, p->start);
    if (mode_ == ColourMode::Plain)
        return ApplyPlain(control, target, pastEnd);
    const std::size_t from = checkpoints_.LastAtOrBefore(target);
    if (target - checkpoints_.At(from).pos > GuessDistance)
        return Guess(control, target, pastEnd);
    return LexFrom(control, from, pastEnd);
}

CHtmlColourer::Result CHtmlColourer::ColourNextChunk(TextControl& control, int chunk) {
    classes_.Clear();
    auto& pending = checkpoints_.PendingRanges();
    if (pending.empty())
        return {};
    chunk = std::max(chunk, 1);
    const int length = control.Length();
    Pending& p = pending.front();
    if (mode_ == ColourMode::Plain) {
        const int end =
            std::min({p.end, length, p.start > INT_MAX - chunk ? INT_MAX : p.start + chunk});
        const Result result = ApplyPlain(control, std::min(p.start, length), end);
        p.start = end;
        if (p.start >= p.end || p.start >= length)
            pending.erase(pending.begin());
        return result;
    }
    const std::size_t from = checkpoints_.LastAtOrBefore(p.start);
    const int start = std::max(p.start, checkpoints_.At(from).pos);
    return LexFrom(control, from, start > INT_MAX - chunk ? INT_MAX : start + chunk);
}

int CHtmlColourer::FirstPending() const noexcept {
    const auto& pending = checkpoints_.PendingRanges();
    return pending.empty() ? -1 : pending.front().start;
}

LexWindow CHtmlColourer::Window(const TextControl& control, int first, int pastEnd, int length) {
    LexWindow window;
    window.base = first;
    window.final = pastEnd >= length;
    if (const std::optional<std::string_view> lent = control.LendTextRange(first, pastEnd)) {
        window.text = *lent;
    } else {
        control.GetTextRange(first, pastEnd, text_);
        window.text = text_;
    }
    return window;
}

// Lexes from a checkpoint until the lexer meets an old checkpoint in the state stored
// there, or reaches stopAt, or the end of the text.
CHtmlColourer::Result CHtmlColourer::LexFrom(TextControl& control, std::size_t checkpoint,
                                             int stopAt) {
    const int length = control.Length();
    const Checkpoint start = checkpoints_.At(checkpoint);
    Watcher watcher(checkpoints_, checkpoint, stopAt);
    PageLexer lexer(*this);
    StyleBatch batch(control, start.pos, styles_);
    int pos = start.pos;
    LexState state = start.state;
    int horizon = start.horizon;
    // The window reaches a little past where the lexing should stop, and grows when a
    // token or the search for the lexer's old state needs more.
    const long long want = std::min<long long>(stopAt, length) + 2LL * CheckpointInterval;
    int windowEnd = static_cast<int>(std::min<long long>(want, length));
    PageLexer::Outcome outcome;
    for (;;) {
        outcome =
            lexer.Lex(Window(control, pos, windowEnd, length), pos, state, horizon, batch, watcher);
        if (outcome != PageLexer::Outcome::Starved)
            break;
        const long long grown =
            windowEnd + std::max<long long>(windowEnd - pos, CheckpointInterval);
        windowEnd = static_cast<int>(std::min<long long>(grown, length));
    }
    const int end = batch.Flush();
    watcher.Settle(pos, outcome);
    return {start.pos, end, end > start.pos};
}

// Colours [first, pastEnd) as if a line start before it began the page; the stretch stays
// pending, so the background colours it properly when it gets there.
CHtmlColourer::Result CHtmlColourer::Guess(TextControl& control, int first, int pastEnd) {
    const int length = control.Length();
    const int guess =
        std::max(control.LineStart(control.LineFromPosition(first)), first - CheckpointInterval);
    class StopAt final : public LexWatcher {
    public:
        explicit StopAt(int stop) { next = stop; }
        bool At(int, const LexState&, int) override { return true; }
    } watcher(pastEnd);
    PageLexer lexer(*this);
    StyleBatch batch(control, guess, styles_);
    int pos = guess;
    LexState state;
    int horizon = guess;
    int windowEnd = std::min(length, pastEnd + CheckpointInterval);
    while (lexer.Lex(Window(control, pos, windowEnd, length), pos, state, horizon, batch,
                     watcher) == PageLexer::Outcome::Starved)
        windowEnd = std::min(length, windowEnd + std::max(windowEnd - pos, CheckpointInterval));
    const int end = batch.Flush();
    checkpoints_.AddPending({guess, std::max(end, pastEnd)});
    return {guess, end, end > guess};
}

CHtmlColourer::Result CHtmlColourer::ApplyPlain(TextControl& control, int first, int pastEnd) {
    StyleBatch batch(control, first, styles_);
    batch.Fill(static_cast<std::size_t>(std::max(0, pastEnd - first)),
               static_cast<std::uint8_t>(AppearanceClass::Text));
    const int end = batch.Flush();
    return {first, end, end > first};
}

AppearanceClass CHtmlColourer::ClassOfTag(std::string_view tag) noexcept {
    const std::string_view name = TagElementName(tag);
    AppearanceClass c = AppearanceClass::Text;
    if (!classes_.Find(name, c)) {
        c = TagClass(tag);
        classes_.Store(name, c);
    }
    return c;
}

AppearanceClass CHtmlColourer::ClassOfReference(std::string_view name) noexcept {
    return NamedReferenceClass(name);
}

AppearanceClass CHtmlColourer::TagClass(std::string_view tag) const noexcept {
    const std::string_view name = TagElementName(tag);
    const HtmlMetaElement* element = kb_.FindElement(name);
    if (element == nullptr) {
        // Under HTML5 a page may define elements of its own and embed SVG and MathML,
        // whose element names are not HTML's.
        if (kb_.IsAllowed(VersionBits::Html5)) {
            if (IsCustomElementName(name))
                return AppearanceClass::StructureLayout;
            if (IsForeignElementName(name))
                return AppearanceClass::EmbedProgrammatic;
        }
        return AppearanceClass::UnknownOrError;
    }
    if (!kb_.IsAllowed(element->Versions()))
        return AppearanceClass::Disabled;
    return element->Appearance();
}

AppearanceClass CHtmlColourer::NamedReferenceClass(std::string_view name) const noexcept {
    const CharacterReference* reference = FindCharacterReference(name);
    if (reference == nullptr)
        return AppearanceClass::UnknownOrError;
    return kb_.IsAllowed(reference->versions) ? AppearanceClass::CharacterReference
                                              : AppearanceClass::Disabled;
}

} // namespace velto

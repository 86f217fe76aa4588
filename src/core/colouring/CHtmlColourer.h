// CHtmlColourer: colours a text control by HTML syntax, and keeps what it needs to colour
// each later edit without going over the whole text again.
#pragma once

#include "core/colouring/ColouringCheckpoints.h"
#include "core/colouring/PageLexer.h"
#include "core/colouring/TagClassCache.h"
#include "core/htmlkb/AppearanceClasses.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

class HtmlKnowledgeBase;
class TextControl;

// Every tag, from its '<' to its '>', takes the appearance class of its element, and its
// attribute values theirs; comments, style sheets and scripts are coloured by what they
// hold and never searched for tags; character references stand out from the text.
//
// The colourer keeps the lexer's state at checkpoints a few KB apart, and the stretches of
// text whose colours are not settled. Every colouring starts at a checkpoint and goes on
// until the lexer meets a later checkpoint in the state stored there, or until its budget
// is spent, the rest staying pending for the background. So the colours after any edits,
// once nothing is pending, are those of colouring the whole text afresh.
//
// Styling never touches the text, the selection, the scroll position, the modified flag or
// the undo history (the TextControl promises that of SetStyles). One colourer serves one
// control; it keeps its buffers between colourings.
class CHtmlColourer final : private LexClasses {
public:
    static constexpr int CheckpointInterval = 2048;
    // An edit is coloured at once up to this far past it; what is still unsettled then is
    // left for the background.
    static constexpr int EditBudget = 16 * 1024;
    // A place more than this far beyond the last checkpoint is coloured from a guess (the
    // line it is on, as if it began the page) until the background reaches it.
    static constexpr int GuessDistance = 256 * 1024;

    // What a colouring styled, in absolute positions.
    struct Result {
        int first = 0;
        int pastEnd = 0;
        bool applied = false; // styles were handed to the control
    };

    CHtmlColourer(const HtmlKnowledgeBase& kb, ColourMode mode) : kb_(kb), mode_(mode) {}

    [[nodiscard]] ColourMode Mode() const noexcept { return mode_; }
    void SetMode(ColourMode mode) noexcept { mode_ = mode; }

    // Colours the whole text at once (the Options sample, velto-tool, the benchmarks);
    // afterwards nothing is pending.
    Result ColourWholeControl(TextControl& control);
    // Everything is to be coloured again, from the start.
    void Restart(const TextControl& control);
    // The text changed: [first, oldPastEnd) became [first, newPastEnd). With uncolour the
    // change is pending; otherwise (plain mode, where new text is already plain) only
    // what was pending moves with the text.
    void TextEdited(int first, int oldPastEnd, int newPastEnd, bool uncolour = true);
    // Colours an edit just made at [first, pastEnd), within the edit budget.
    Result ColourEdit(TextControl& control, int first, int pastEnd);
    // Settles the colours of [first, pastEnd) (the visible part), from a guess when the
    // settled colours are far behind.
    Result ColourRange(TextControl& control, int first, int pastEnd);
    // Colours about `chunk` characters of the first pending stretch (the background).
    Result ColourNextChunk(TextControl& control, int chunk);

    [[nodiscard]] bool Complete() const noexcept { return checkpoints_.Complete(); }
    // Where the first pending stretch starts, or -1 with none.
    [[nodiscard]] int FirstPending() const noexcept;
    [[nodiscard]] const ColouringCheckpoints& Checkpoints() const noexcept { return checkpoints_; }

    // The class a tag takes: "Unknown or Error" for a name no element has, "Disabled" for
    // an element outside the current version selection, else the element's own class.
    [[nodiscard]] AppearanceClass TagClass(std::string_view tag) const noexcept;
    // The class of a named character reference: unknown names are errors, those of
    // versions outside the selection disabled.
    [[nodiscard]] AppearanceClass NamedReferenceClass(std::string_view name) const noexcept;

private:
    class Watcher;
    AppearanceClass ClassOfTag(std::string_view tag) noexcept override;
    AppearanceClass ClassOfReference(std::string_view name) noexcept override;

    LexWindow Window(const TextControl& control, int first, int pastEnd, int length);
    Result LexFrom(TextControl& control, std::size_t checkpoint, int stopAt);
    Result Guess(TextControl& control, int first, int pastEnd);
    Result ApplyPlain(TextControl& control, int first, int pastEnd);

    const HtmlKnowledgeBase& kb_;
    ColourMode mode_;
    ColouringCheckpoints checkpoints_;
    std::string text_; // the window, when the control cannot lend its text
    std::vector<std::uint8_t> styles_;
    TagClassCache classes_;
};

} // namespace velto

// The undo history: moves, the saved state, and what can still be undone or redone.
#include "core/document/UndoHistory.h"

#include <gtest/gtest.h>

using namespace velto;
using Dir = CUndoHistory::Direction;

namespace {
CUndoDelta Typed(int at, std::string text) {
    CUndoDelta d;
    d.oldStart = d.newStart = at;
    d.caretBefore = at;
    d.newEnd = at + static_cast<int>(text.size());
    d.newText = std::move(text);
    d.caretAfter = d.newEnd;
    return d;
}

// A history with three separate changes, saved after them.
CUndoHistory ThreeChangesSaved() {
    CUndoHistory h;
    h.Add(Typed(0, "a"));
    h.Add(Typed(1, "b"));
    h.Add(Typed(2, "c"));
    h.MarkSaved();
    return h;
}
} // namespace

TEST(UndoHistory, NewHistoryIsEmptyAndAtSaved) {
    CUndoHistory h;
    EXPECT_EQ(h.GetState(), CUndoHistory::Empty);
    EXPECT_TRUE(h.AtSaved());
    EXPECT_FALSE(h.CanUndo());
    EXPECT_FALSE(h.CanRedo());
    EXPECT_EQ(h.Step(Dir::Backward), nullptr);
    EXPECT_EQ(h.Step(Dir::Forward), nullptr);
}

TEST(UndoHistory, UndoAfterSaveModifiesAndRedoReturnsToSaved) {
    CUndoHistory h = ThreeChangesSaved();
    const CUndoDelta* r = h.Step(Dir::Backward);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->newText, "c");
    EXPECT_FALSE(h.AtSaved());
    r = h.Step(Dir::Forward);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->newText, "c");
    EXPECT_TRUE(h.AtSaved());
}

TEST(UndoHistory, AtSavedExactlyWhenTheTextEqualsTheSavedText) {
    CUndoHistory h = ThreeChangesSaved();
    h.Step(Dir::Backward);
    EXPECT_FALSE(h.AtSaved());
    EXPECT_EQ(h.Step(Dir::Backward)->newText, "b");
    EXPECT_FALSE(h.AtSaved());
    EXPECT_EQ(h.Step(Dir::Forward)->newText, "b");
    EXPECT_FALSE(h.AtSaved());
    EXPECT_EQ(h.Step(Dir::Forward)->newText, "c");
    EXPECT_TRUE(h.AtSaved());
    EXPECT_FALSE(h.CanRedo());
}

TEST(UndoHistory, SavedInTheMiddleIsFoundFromBothSides) {
    CUndoHistory h = ThreeChangesSaved();
    h.Step(Dir::Backward); // undo c
    h.MarkSaved();         // saved without c
    h.Step(Dir::Forward);  // redo c
    EXPECT_FALSE(h.AtSaved());
    h.Step(Dir::Backward); // undo c again
    EXPECT_TRUE(h.AtSaved());
    h.Step(Dir::Backward); // undo b
    EXPECT_FALSE(h.AtSaved());
    h.Step(Dir::Forward); // redo b
    EXPECT_TRUE(h.AtSaved());
}

TEST(UndoHistory, TypingAfterUndoDropsTheRedoableRecords) {
    CUndoHistory h = ThreeChangesSaved();
    h.Step(Dir::Backward);
    h.Step(Dir::Backward);
    EXPECT_TRUE(h.CanRedo());
    h.Add(Typed(1, "x"));
    EXPECT_FALSE(h.CanRedo());
    EXPECT_EQ(h.Size(), 2u);
    EXPECT_FALSE(h.AtSaved());
    EXPECT_EQ(h.Step(Dir::Backward)->newText, "x");
    EXPECT_EQ(h.Step(Dir::Backward)->newText, "a");
    EXPECT_FALSE(h.CanUndo());
}

TEST(UndoHistory, SavedStateDroppedWithItsRecordIsNeverReportedAgain) {
    // Saved after "c"; undo it, type "x" (c is gone), undo x and redo x: the text never
    // equals the saved text again, however the records are reused.
    CUndoHistory h = ThreeChangesSaved();
    h.Step(Dir::Backward);
    h.Add(Typed(2, "x"));
    for (int i = 0; i < 3; ++i) {
        h.Step(Dir::Backward);
        EXPECT_FALSE(h.AtSaved());
        h.Step(Dir::Forward);
        EXPECT_FALSE(h.AtSaved());
    }
}

TEST(UndoHistory, UndoEverythingThenRedoEverything) {
    CUndoHistory h = ThreeChangesSaved();
    EXPECT_EQ(h.Step(Dir::Backward)->newText, "c");
    EXPECT_EQ(h.Step(Dir::Backward)->newText, "b");
    EXPECT_EQ(h.Step(Dir::Backward)->newText, "a");
    EXPECT_FALSE(h.CanUndo());
    EXPECT_EQ(h.Step(Dir::Backward), nullptr);
    EXPECT_EQ(h.Step(Dir::Forward)->newText, "a");
    EXPECT_EQ(h.Step(Dir::Forward)->newText, "b");
    EXPECT_EQ(h.Step(Dir::Forward)->newText, "c");
    EXPECT_TRUE(h.AtSaved());
    EXPECT_FALSE(h.CanRedo());
    EXPECT_TRUE(h.CanUndo());
}

TEST(UndoHistory, ClearEmptiesAndMarksSaved) {
    CUndoHistory h;
    h.Add(Typed(0, "a"));
    EXPECT_FALSE(h.AtSaved());
    h.Clear();
    EXPECT_TRUE(h.AtSaved());
    EXPECT_FALSE(h.CanUndo());
    EXPECT_EQ(h.Size(), 0u);
}

TEST(UndoHistory, ForgottenSavedStateIsNeverReachedAgain) {
    // A recovered text: nothing in the history, yet not the saved file. Typing and undoing
    // it, or undoing and redoing past the start, must never report the saved text.
    CUndoHistory h;
    h.ForgetSavedState();
    EXPECT_FALSE(h.AtSaved());
    h.Add(Typed(0, "a"));
    h.Add(Typed(1, "b"));
    for (int round = 0; round < 2; ++round) {
        h.Step(Dir::Backward);
        EXPECT_FALSE(h.AtSaved());
        h.Step(Dir::Backward);
        EXPECT_FALSE(h.AtSaved());
        EXPECT_FALSE(h.CanUndo());
        h.Step(Dir::Forward);
        h.Step(Dir::Forward);
        EXPECT_FALSE(h.AtSaved());
    }
    // Saving gives the history a saved state again, found from both sides.
    h.MarkSaved();
    h.Step(Dir::Backward);
    EXPECT_FALSE(h.AtSaved());
    h.Step(Dir::Forward);
    EXPECT_TRUE(h.AtSaved());
}

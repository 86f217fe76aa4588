// The change tracker: one record per editing step, whatever the control reports.
#include "core/document/ChangeTracker.h"

#include <gtest/gtest.h>

using namespace velto;

namespace {
// A text that applies the edits the tracker is told of, as the control would.
struct Text {
    explicit Text(std::string initial) : s(std::move(initial)) {}
    std::string s;
    ChangeTracker t;
    int caret = 0;

    ChangeTracker::RangeReader Reader() {
        return [this](int a, int b) { return s.substr(a, b - a); };
    }
    void Delete(int pos, int len) {
        t.BeforeDelete(pos, std::string_view(s).substr(pos, len), caret, Reader());
        s.erase(pos, len);
    }
    void Insert(int pos, const std::string& text) {
        t.BeforeInsert(pos, static_cast<int>(text.size()), caret, Reader());
        s.insert(pos, text);
    }
    CUndoDelta Finish(int caretAfter) {
        auto r = t.Complete(s.substr(t.PendingStart(), t.PendingLength()), caretAfter);
        EXPECT_TRUE(r);
        return r.value_or(CUndoDelta{});
    }
    // Applying the record backwards must give back the text before the step.
    std::string Undone(const CUndoDelta& d) const {
        std::string u = s;
        u.replace(d.newStart, d.newEnd - d.newStart, d.oldText);
        return u;
    }
};
} // namespace

TEST(ChangeTracker, TypingOverASelectionIsOneRecord) {
    Text x{"hello world"};
    x.caret = 6;
    x.Delete(6, 5);
    x.Insert(6, "there");
    CUndoDelta d = x.Finish(11);
    EXPECT_EQ(d.oldStart, 6);
    EXPECT_EQ(d.oldText, "world");
    EXPECT_EQ(d.newStart, 6);
    EXPECT_EQ(d.newEnd, 11);
    EXPECT_EQ(d.newText, "there");
    EXPECT_EQ(d.caretBefore, 6);
    EXPECT_EQ(d.caretAfter, 11);
    EXPECT_EQ(x.Undone(d), "hello world");
}

TEST(ChangeTracker, BackspaceKeepsTheRemovedCharacter) {
    Text x{"abc"};
    x.caret = 2;
    x.Delete(1, 1);
    CUndoDelta d = x.Finish(1);
    EXPECT_EQ(d.oldStart, 1);
    EXPECT_EQ(d.oldText, "b");
    EXPECT_EQ(d.newText, "");
    EXPECT_EQ(d.caretBefore, 2);
    EXPECT_EQ(x.Undone(d), "abc");
}

TEST(ChangeTracker, SeparateEditsInOneStepMergeIntoOneRecord) {
    // A replace-all style step: edits far apart, later ones before and after the first.
    Text x{"one two three two one"};
    x.Delete(4, 3);
    x.Insert(4, "2");
    x.Delete(16, 3); // "one" at the end, positions in the current text
    x.Insert(16, "1");
    x.Delete(0, 3);
    x.Insert(0, "1");
    CUndoDelta d = x.Finish(0);
    EXPECT_EQ(x.s, "1 2 three two 1");
    EXPECT_EQ(d.oldStart, 0);
    EXPECT_EQ(d.newText, x.s);
    EXPECT_EQ(x.Undone(d), "one two three two one");
}

TEST(ChangeTracker, SuppressedChangesAreNotRecorded) {
    Text x{"abc"};
    x.t.Suppress();
    x.Insert(0, "zz");
    EXPECT_FALSE(x.t.HasPending());
    x.t.Resume();
    x.Insert(0, "y");
    EXPECT_TRUE(x.t.HasPending());
    EXPECT_EQ(x.Finish(1).newText, "y");
    EXPECT_FALSE(x.t.Complete("", 0));
}

TEST(ChangeTracker, PendingKindGoesIntoTheRecordOnce) {
    Text x{"abc"};
    x.t.SetPendingKind(ChangeTracker::KindReplace);
    x.Delete(0, 1);
    EXPECT_EQ(x.Finish(0).extra, ChangeTracker::KindReplace);
    x.Insert(0, "q");
    EXPECT_EQ(x.Finish(1).extra, ChangeTracker::KindNone);
}

#include "core/document/ChangedRange.h"

TEST(ChangedRange, CoversEveryEditOfAStepInFinalPositions) {
    ChangedRange r;
    EXPECT_TRUE(r.Empty());
    r.Deleted(10, 5); // a selection replaced by typing...
    r.Inserted(10, 2);
    EXPECT_EQ(r.First(), 10);
    EXPECT_EQ(r.PastEnd(), 12);
    EXPECT_TRUE(r.HasInsertion());
    r.Inserted(2, 2); // ...and an edit before it shifts it on
    EXPECT_EQ(r.First(), 2);
    EXPECT_EQ(r.PastEnd(), 14);
    r.Deleted(0, 3); // a deletion over its start
    EXPECT_EQ(r.First(), 0);
    EXPECT_EQ(r.PastEnd(), 11);
}

TEST(ChangedRange, PureDeletionIsAnEmptySpanAtItsPlace) {
    ChangedRange r;
    r.Deleted(7, 3);
    EXPECT_FALSE(r.Empty());
    EXPECT_EQ(r.First(), 7);
    EXPECT_EQ(r.PastEnd(), 7);
    EXPECT_FALSE(r.HasInsertion());
    r.Inserted(20, 1);
    EXPECT_EQ(r.First(), 7);
    EXPECT_EQ(r.PastEnd(), 21);
    r.Reset();
    EXPECT_TRUE(r.Empty());
}

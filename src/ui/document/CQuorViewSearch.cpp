// Find and replace in the view's text.
#include "ui/document/CQuorView.h"

#include "ui/document/FindReplaceDlg.h"

namespace velto {

int CQuorView::SearchRange(const SearchRequest& request, int from, int to, int* end) const {
    const QByteArray what = request.findWhat.toUtf8();
    if (what.isEmpty())
        return -1;
    unsigned long flags = 0;
    if (request.matchCase)
        flags |= SCFIND_MATCHCASE;
    if (request.wholeWord)
        flags |= SCFIND_WHOLEWORD;
    SendScintilla(SCI_SETSEARCHFLAGS, flags);
    SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(from), static_cast<long>(to));
    const long found =
        SendScintilla(SCI_SEARCHINTARGET, static_cast<uintptr_t>(what.size()), what.constData());
    if (found >= 0 && end)
        *end = static_cast<int>(SendScintilla(SCI_GETTARGETEND));
    return static_cast<int>(found);
}

bool CQuorView::FindNext(const SearchRequest& request) {
    const int length = TextLength();
    int end = 0;
    int found = request.down ? SearchRange(request, SelectionEnd(), length, &end)
                             : SearchRange(request, SelectionStart(), 0, &end);
    if (found < 0) // round once from the other end of the text
        found = request.down ? SearchRange(request, 0, length, &end)
                             : SearchRange(request, length, 0, &end);
    if (found < 0)
        return false;
    SetSelection(found, end);
    SendScintilla(SCI_SCROLLCARET);
    return true;
}

bool CQuorView::ReplaceCurrent(const SearchRequest& request) {
    int end = 0;
    const int start = SelectionStart();
    if (HasSelectedText() && SearchRange(request, start, SelectionEnd(), &end) == start &&
        end == SelectionEnd()) {
        FlushChange();
        tracker_.SetPendingKind(ChangeTracker::KindReplace);
        ReplaceSelectionBytes(request.replaceWith.toUtf8());
        FlushChange();
    }
    SearchRequest forward = request;
    forward.down = true;
    return FindNext(forward);
}

int CQuorView::ReplaceAll(const SearchRequest& request) {
    FlushChange();
    const QByteArray with = request.replaceWith.toUtf8();
    int count = 0;
    int pos = 0;
    int end = 0;
    int found;
    while ((found = SearchRange(request, pos, TextLength(), &end)) >= 0) {
        ReplaceRange(found, end, with);
        pos = found + static_cast<int>(with.size());
        ++count;
    }
    if (count > 0) {
        SetSelection(pos, pos);
        FlushChange();
    }
    return count;
}

} // namespace velto

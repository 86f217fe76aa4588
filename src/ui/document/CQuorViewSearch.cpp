// Find and replace in the view's text.
#include "ui/document/CQuorView.h"

#include "ui/document/FindReplaceDlg.h"

#include <algorithm>
#include <vector>

namespace velto {

namespace {
using Match = CQuorView::TextMatch;

unsigned long SearchFlags(const SearchRequest& request) {
    unsigned long flags = 0;
    if (request.matchCase)
        flags |= QsciScintillaBase::SCFIND_MATCHCASE;
    if (request.wholeWord)
        flags |= QsciScintillaBase::SCFIND_WHOLEWORD;
    return flags;
}

// The first match in [from, to) of a control's text (to < from searches backwards).
Match SearchControl(const QsciScintillaBase& control, const QByteArray& what, unsigned long flags, int from, int to) {
    control.SendScintilla(QsciScintillaBase::SCI_SETSEARCHFLAGS, flags);
    control.SendScintilla(QsciScintillaBase::SCI_SETTARGETRANGE, static_cast<unsigned long>(from), static_cast<long>(to));
    const long found = control.SendScintilla(QsciScintillaBase::SCI_SEARCHINTARGET,
                                             static_cast<uintptr_t>(what.size()), what.constData());
    if (found < 0)
        return {};
    return {static_cast<int>(found), static_cast<int>(control.SendScintilla(QsciScintillaBase::SCI_GETTARGETEND))};
}

// A stretch of the document around breaks, copied for the search of matches across them.
struct Window {
    int first = 0;    // document position
    int pastEnd = 0;
    int scratch = 0;  // where it starts in the scratch text
    std::vector<int> breaks; // document places of the breaks in it
};
} // namespace

int CQuorView::SearchRange(const SearchRequest& request, int from, int to, int* end) const {
    const QByteArray what = request.findWhat.toUtf8();
    if (what.isEmpty())
        return -1;
    const unsigned long flags = SearchFlags(request);
    Match match;
    if (breaks_.Empty()) {
        match = SearchControl(*this, what, flags, from, to);
    } else {
        // The breaks at the ends of the range stay outside it.
        const bool down = from <= to;
        const DisplayBreaks::Range shown = breaks_.ToShown(std::min(from, to), std::max(from, to));
        const Match inShown = down ? SearchControl(*this, what, flags, shown.first, shown.pastEnd)
                                   : SearchControl(*this, what, flags, shown.pastEnd, shown.first);
        if (inShown.Found())
            match = {DocumentPosition(inShown.start), DocumentPosition(inShown.end)};
        const Match across = SearchAcrossBreaks(what, flags, from, to, match.start);
        if (across.Found() && (!match.Found() || (down ? across.start < match.start : across.start > match.start)))
            match = across;
    }
    if (match.Found() && end)
        *end = match.end;
    return match.start;
}

CQuorView::TextMatch CQuorView::SearchAcrossBreaks(const QByteArray& what, unsigned long flags, int from, int to,
                                               int before) const {
    if (what.contains('\n') || what.contains('\r'))
        return {}; // a match then holds a line end, and no break is inside a line end
    const bool down = from <= to;
    const int low = std::min(from, to);
    const int high = std::max(from, to);
    // A match is at most four bytes for each byte sought (case folding), so a window that
    // wide either side of a break holds every match across it, with the characters next
    // to it for the whole-word test.
    const int reach = 4 * static_cast<int>(what.size()) + 4;
    // Only the breaks where a match could come before the one found without them.
    int placesFrom = low;
    int placesTo = high;
    if (before >= 0) {
        if (down)
            placesTo = std::min(high, before + reach);
        else
            placesFrom = std::max(low, before);
    }
    std::vector<Window> windows;
    QByteArray scratchText;
    for (std::size_t i = breaks_.FirstFrom(breaks_.ToShown(placesFrom, DisplayBreaks::Side::Before));
         i < breaks_.Count(); ++i) {
        const int place = breaks_.ToDocument(breaks_.Positions()[i]);
        if (place >= placesTo)
            break;
        if (place <= placesFrom)
            continue;
        const int first = std::max(0, place - reach);
        const int pastEnd = std::min(TextLength(), place + reach);
        if (!windows.empty() && first <= windows.back().pastEnd) {
            Window& last = windows.back();
            if (pastEnd > last.pastEnd) {
                scratchText.append(TextRange(last.pastEnd, pastEnd));
                last.pastEnd = pastEnd;
            }
            if (last.breaks.back() != place)
                last.breaks.push_back(place);
            continue;
        }
        if (!windows.empty())
            scratchText.append('\n'); // in no match: the text sought holds no line end
        windows.push_back({first, pastEnd, static_cast<int>(scratchText.size()), {place}});
        scratchText.append(TextRange(first, pastEnd));
    }
    if (windows.empty())
        return {};

    if (!searchScratch_) {
        // A control of its own for the copied windows, so the matching (case folding, whole
        // words) is the control's own; never shown.
        searchScratch_ = new QsciScintillaBase(const_cast<CQuorView*>(this));
        searchScratch_->hide();
        searchScratch_->SendScintilla(SCI_SETCODEPAGE, static_cast<unsigned long>(SC_CP_UTF8));
        searchScratch_->SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
    }
    searchScratch_->SendScintilla(SCI_CLEARALL);
    searchScratch_->SendScintilla(SCI_ADDTEXT, static_cast<uintptr_t>(scratchText.size()), scratchText.constData());
    Match best;
    std::size_t w = 0;
    for (int at = 0;;) {
        const Match m = SearchControl(*searchScratch_, what, flags, at, static_cast<int>(scratchText.size()));
        if (!m.Found())
            break;
        at = m.start + 1;
        while (w + 1 < windows.size() && windows[w + 1].scratch <= m.start)
            ++w;
        const Window& window = windows[w];
        const Match inDocument = {window.first + (m.start - window.scratch), window.first + (m.end - window.scratch)};
        const bool across = std::any_of(window.breaks.begin(), window.breaks.end(), [&](int place) {
            return inDocument.start < place && place < inDocument.end;
        });
        if (!across || inDocument.start < low || inDocument.end > high)
            continue;
        best = inDocument;
        if (down)
            break; // the windows are in the order of the text
    }
    searchScratch_->SendScintilla(SCI_CLEARALL);
    return best;
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

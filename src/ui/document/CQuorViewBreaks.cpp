// The view's long lines shown broken: where the breaks go when a document is loaded or an
// edit makes a line long, the keys that step over them, the copied text without them, and
// the line numbers of the document's own lines.
//
// Scintilla lays out a whole line each time it draws any part of it or the line changes:
// measured here, a 20 MB line took 8 s a key. Shown lines stay short, so a key costs
// the layout of one short line.
#include "ui/document/CQuorView.h"

#include "core/platform/LineEnds.h"
#include "ui/document/ScintillaTextControl.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QScopedValueRollback>

#include <algorithm>

namespace velto {

namespace {
// The widest line number the margin shows as text: the same room as for numbers.
constexpr int MarginTextRoom = 16;
}

void CQuorView::SetUpBrokenLines() {
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        if (lineNumbersAsText_ && (updated & (SC_UPDATE_CONTENT | SC_UPDATE_V_SCROLL)))
            UpdateLineNumbers();
    });
}

int CQuorView::ShownPosition(int pos) const {
    return breaks_.Empty() ? pos : breaks_.ToShown(pos);
}

int CQuorView::DocumentPosition(int shown) const {
    return breaks_.Empty() ? shown : breaks_.ToDocument(shown);
}

QByteArray CQuorView::DocumentBytesOfShown(int first, int pastEnd) const {
    QByteArray bytes;
    if (pastEnd <= first)
        return bytes;
    bytes.reserve(pastEnd - first);
    const auto* data = reinterpret_cast<const char*>(SendScintilla(
        SCI_GETRANGEPOINTER, static_cast<unsigned long>(first), static_cast<long>(pastEnd - first)));
    breaks_.ForEachPiece(first, pastEnd, [&](int a, int b) { bytes.append(data + (a - first), b - a); });
    return bytes;
}

std::vector<std::string_view> CQuorView::DocumentPieces() const {
    const auto length = static_cast<int>(SendScintilla(SCI_GETLENGTH));
    const auto* data = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    std::vector<std::string_view> pieces;
    pieces.reserve(breaks_.Count() + 1);
    breaks_.ForEachPiece(0, length, [&](int first, int pastEnd) {
        pieces.emplace_back(data + first, static_cast<std::size_t>(pastEnd - first));
    });
    return pieces;
}

void CQuorView::SetIndicator(int indicator, int first, int pastEnd, bool on) {
    const DisplayBreaks::Range shown = breaks_.ToShown(first, pastEnd);
    SendScintilla(SCI_SETINDICATORCURRENT, static_cast<unsigned long>(indicator));
    SendScintilla(on ? SCI_INDICATORFILLRANGE : SCI_INDICATORCLEARRANGE,
                  static_cast<unsigned long>(shown.first), static_cast<long>(shown.pastEnd - shown.first));
}

void CQuorView::ClearIndicatorEverywhere(int indicator) {
    SendScintilla(SCI_SETINDICATORCURRENT, static_cast<unsigned long>(indicator));
    SendScintilla(SCI_INDICATORCLEARRANGE, 0UL, SendScintilla(SCI_GETLENGTH));
}

// ---- Placing breaks ----

qsizetype CQuorView::AddLoadedText(const QByteArray& piece, bool last) {
    if (!loadPlanner_) {
        SendScintilla(SCI_ADDTEXT, static_cast<uintptr_t>(piece.size()), piece.constData());
        return piece.size();
    }
    std::vector<int> offsets;
    const std::string_view bytes(piece.constData(), static_cast<std::size_t>(piece.size()));
    const auto planned = loadPlanner_->Plan(bytes, last, offsets);
    if (planned == 0)
        return 0;
    const int start = static_cast<int>(SendScintilla(SCI_GETLENGTH));
    // The document grows by the planned bytes; the control by them and a byte per break.
    changed_.Inserted(start - static_cast<int>(breaks_.Count()), static_cast<int>(planned));
    const std::string shown = ShownText(bytes.substr(0, planned), offsets);
    {
        const QScopedValueRollback placing(placingBreaks_, true);
        SendScintilla(SCI_ADDTEXT, static_cast<uintptr_t>(shown.size()), shown.data());
    }
    breaks_.Add(ShownBreakPositions(offsets, start));
    return static_cast<qsizetype>(planned);
}

bool CQuorView::PasteLongLines() {
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    if (!mime || !canInsertFromMimeData(mime))
        return false;
    bool rectangular = false;
    QByteArray text = fromMimeData(mime, rectangular);
    const std::string_view bytes(text.constData(), static_cast<std::size_t>(text.size()));
    if (rectangular || text.size() <= DisplayLineLimits{}.longLine || DisplayBreakPlanner::PlanWhole(bytes).empty())
        return false;
    // As the control pastes: the line ends made the document's own.
    if (SendScintilla(SCI_GETPASTECONVERTENDINGS))
        text = QByteArray::fromStdString(AllLineEndsAs(bytes, control_->LineEnd()));
    ReplaceSelectionBytes(text);
    SendScintilla(SCI_SCROLLCARET);
    return true;
}

CQuorView::TextMatch CQuorView::BreakLongLines(int first, int pastEnd) {
    const DisplayLineLimits limits;
    const DisplayBreaks::Range shown = breaks_.ToShown(first, pastEnd);
    const auto firstLine = static_cast<unsigned long>(SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(shown.first)));
    const auto lastLine = static_cast<unsigned long>(SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(shown.pastEnd)));
    // Most edits touch one short line: nothing to read.
    if (firstLine == lastLine && SendScintilla(SCI_LINELENGTH, firstLine) <= limits.longLine)
        return {};
    const int from = static_cast<int>(SendScintilla(SCI_POSITIONFROMLINE, firstLine));
    const int to = static_cast<int>(SendScintilla(SCI_GETLINEENDPOSITION, lastLine));
    const auto* data = reinterpret_cast<const char*>(
        SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), static_cast<long>(to - from)));
    // The planner sees the shown lines, so a line already shown broken is left as it is.
    const std::vector<int> offsets =
        DisplayBreakPlanner::PlanWhole(std::string_view(data, static_cast<std::size_t>(to - from)), limits);
    if (offsets.empty())
        return {};
    InsertBreaks(from, to, offsets);
    const int docFirst = DocumentPosition(from);
    return {docFirst, DocumentPosition(to + static_cast<int>(offsets.size()))};
}

void CQuorView::InsertBreaks(int first, int pastEnd, const std::vector<int>& offsets) {
    // The stretch is replaced at once with its text and the breaks, which costs the control
    // one round of bookkeeping instead of one a break. The stretch loses its styles, and is
    // coloured again.
    const auto* data = reinterpret_cast<const char*>(
        SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(first), static_cast<long>(pastEnd - first)));
    const std::string text = ShownText(std::string_view(data, static_cast<std::size_t>(pastEnd - first)), offsets);
    // The caret and the anchor stay at their places in the document.
    const int anchor = DocumentPosition(static_cast<int>(SendScintilla(SCI_GETANCHOR)));
    const int caret = CaretPosition();
    {
        const QScopedValueRollback placing(placingBreaks_, true);
        SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(first), static_cast<long>(pastEnd));
        SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(text.size()), text.data());
    }
    std::vector<int> shown(offsets.size());
    std::transform(offsets.begin(), offsets.end(), shown.begin(), [first](int o) { return first + o; });
    breaks_.InsertedBefore(shown);
    // Without scrolling: the edit that made the line long has placed the view.
    SendScintilla(SCI_SETCURRENTPOS, static_cast<unsigned long>(ShownPosition(caret)));
    SendScintilla(SCI_SETANCHOR, static_cast<unsigned long>(ShownPosition(anchor)));
}

void CQuorView::BrokenLinesChanged() {
    const bool shown = ShowsBrokenLines();
    if (shown == lineNumbersAsText_)
        return;
    lineNumbersAsText_ = shown;
    if (shown) {
        SendScintilla(SCI_SETMARGINTYPEN, 0UL, static_cast<long>(SC_MARGIN_RTEXT));
        UpdateLineNumbers();
    } else {
        SendScintilla(SCI_MARGINTEXTCLEARALL);
        SendScintilla(SCI_SETMARGINTYPEN, 0UL, static_cast<long>(SC_MARGIN_NUMBER));
    }
    Q_EMIT BrokenLinesShownChanged(shown);
}

// ---- Line numbers ----

void CQuorView::UpdateLineNumbers() {
    // Only the lines on the screen: the margin's text for a line moves with the line, and
    // the lines scrolled to are numbered when they are shown.
    const long shownLines = SendScintilla(SCI_GETLINECOUNT);
    long line = SendScintilla(SCI_DOCLINEFROMVISIBLE, static_cast<unsigned long>(SendScintilla(SCI_GETFIRSTVISIBLELINE)));
    const long last = std::min(shownLines - 1, line + SendScintilla(SCI_LINESONSCREEN) + 1);
    char current[MarginTextRoom + 1];
    for (; line <= last; ++line) {
        const int start = static_cast<int>(SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line)));
        // A shown line that continues a broken one has no number.
        const bool continues = start > 0 && breaks_.IsBreak(start - 1);
        const QByteArray text = continues ? QByteArray() : QByteArray::number(static_cast<qlonglong>(line) - breaks_.CountIn(0, start) + 1);
        const long length = SendScintilla(SCI_MARGINGETTEXT, static_cast<unsigned long>(line), static_cast<const char*>(nullptr));
        if (length == text.size()) {
            if (length == 0)
                continue;
            if (length <= MarginTextRoom) {
                SendScintilla(SCI_MARGINGETTEXT, static_cast<unsigned long>(line), current);
                if (QByteArray(current, static_cast<qsizetype>(length)) == text)
                    continue; // setting it again would repaint, and this runs after each paint
            }
        }
        SendScintilla(SCI_MARGINSETTEXT, static_cast<unsigned long>(line), text.constData());
        SendScintilla(SCI_MARGINSETSTYLE, static_cast<unsigned long>(line), static_cast<long>(STYLE_LINENUMBER));
    }
}

// ---- Keys and the clipboard ----

void CQuorView::StepOverBreaks(const QKeyEvent& key) {
    if (breaks_.Empty())
        return;
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    const int caret = static_cast<int>(SendScintilla(SCI_GETCURRENTPOS));
    const bool empty = SendScintilla(SCI_GETSELECTIONEMPTY) != 0;
    int to = caret;
    switch (key.key()) {
    case Qt::Key_Backspace:
        if (empty)
            while (to > 0 && breaks_.IsBreak(to - 1))
                --to;
        break;
    case Qt::Key_Delete:
        if (empty)
            while (breaks_.IsBreak(to))
                ++to;
        break;
    case Qt::Key_Left:
        if (empty || modifiers == Qt::ShiftModifier)
            while (to > 0 && breaks_.IsBreak(to - 1))
                --to;
        break;
    case Qt::Key_Right:
        if (empty || modifiers == Qt::ShiftModifier)
            while (breaks_.IsBreak(to))
                ++to;
        break;
    default:
        // A character typed over the end of a shown line replaces the next one.
        if (empty && overwriteMode_ && !key.text().isEmpty() && key.text().at(0).isPrint())
            while (breaks_.IsBreak(to))
                ++to;
        break;
    }
    if (to == caret || (modifiers & ~Qt::ShiftModifier) != Qt::NoModifier)
        return;
    // The caret moves; the anchor stays where a selection is being extended.
    if (modifiers == Qt::ShiftModifier && (key.key() == Qt::Key_Left || key.key() == Qt::Key_Right))
        SendScintilla(SCI_SETCURRENTPOS, static_cast<unsigned long>(to));
    else
        SendScintilla(SCI_SETEMPTYSELECTION, static_cast<unsigned long>(to));
}

QMimeData* CQuorView::toMimeData(const QByteArray& text, bool rectangular) const {
    if (breaks_.Empty() || rectangular)
        return QsciScintilla::toMimeData(text, rectangular);
    // The control copies one stretch of its text: the selection, or the whole lines it
    // touches with their ends (a line copied or cut). QScintilla hands it over up to its
    // first NUL byte.
    const long length = SendScintilla(SCI_GETLENGTH);
    const auto lineStartOf = [this, length](long line) {
        const long start = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
        return static_cast<int>(start < 0 ? length : start);
    };
    const int selStart = static_cast<int>(SendScintilla(SCI_GETSELECTIONSTART));
    const int selEnd = static_cast<int>(SendScintilla(SCI_GETSELECTIONEND));
    const long firstLine = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(selStart));
    const long lastLine = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(selEnd));
    const std::pair<int, int> stretches[] = {{selStart, selEnd}, {lineStartOf(firstLine), lineStartOf(lastLine + 1)}};
    for (const auto& [first, pastEnd] : stretches) {
        const int end = first + static_cast<int>(text.size());
        if (end > pastEnd)
            continue;
        const auto* data = reinterpret_cast<const char*>(
            SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(first), static_cast<long>(text.size())));
        if (std::equal(text.begin(), text.end(), data))
            return QsciScintilla::toMimeData(DocumentBytesOfShown(first, end), false);
    }
    // Text the control put together some other way: its breaks are not known, so none of
    // its line feeds go out that might be one.
    QByteArray without = text;
    without.replace(DisplayBreaks::Byte, QByteArray());
    return QsciScintilla::toMimeData(without, false);
}

} // namespace velto

// The editing window of a document.
#include "ui/document/CQuorView.h"

#include "core/colouring/AppearanceSettings.h"
#include "core/colouring/ColourSchedule.h"
#include "core/tagassist/TagClosing.h"
#include "core/tagassist/TagSyntax.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/CQuorApp.h"
#include "ui/completion/ViewCompletion.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/document/GotoLineDlg.h"
#include "ui/document/IdlePump.h"
#include "ui/document/ScintillaTextControl.h"
#include "ui/document/ViewAccessibility.h"
#include "ui/site/SiteDrag.h"

#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QUrl>


namespace velto {

namespace {
QStringList LocalFiles(const QMimeData* mime) {
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    return paths;
}
} // namespace

CQuorView::CQuorView(CQuorApp& app, QWidget* parent) : QsciScintilla(parent), app_(app) {
    InstallViewAccessibility();
    setUtf8(true);
    // The editor keeps its own history; the control's would only cost memory.
    SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
    // Only the "before" notifications: the others make QScintilla walk the text from the
    // start on every edit (see design.md).
    SendScintilla(SCI_SETMODEVENTMASK,
                  static_cast<unsigned long>(SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE));
    SendScintilla(SCI_SETEOLMODE, static_cast<unsigned long>(SC_EOL_LF));
    setWrapMode(WrapWord);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setMarginLineNumbers(0, true);
    UpdateLineNumberMargin();
    setMarginWidth(1, 6); // the selection bar: click to select whole lines
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);

    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char*, int length, int, int, int, int, int, int) {
                OnScintillaModified(position, type, length);
            });
    connect(this, &QsciScintilla::selectionChanged, this, &CQuorView::CommandStateChanged);
    SetUpBrokenLines();

    control_ = std::make_unique<ScintillaTextControl>(*this);
    if (app_.HasKnowledgeBase()) {
        colouring_ = std::make_unique<ColourSchedule>(*control_, app_.KnowledgeBase(),
                                                      app_.Appearance(), app_.General());
        // Newly shown lines are coloured before the rest of a pending scan.
        connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
            if ((updated & SC_UPDATE_V_SCROLL) && colouring_->PendingScan()) {
                colouring_->Scrolled();
                WakeIdle();
            }
        });
        ApplyAppearance();
        SetUpTagEditing();
        completion_ = std::make_unique<ViewCompletion>(*this, app_);
        colouring_->ViewReady();
        WakeIdle();
    }
}

CQuorView::~CQuorView() = default;

// ---- Colouring ----

void CQuorView::ApplyAppearance() {
    control_->ApplyAppearance(app_.Appearance());
    // The numbers take the new font: measure them again.
    marginDigits_ = 0;
    UpdateLineNumberMargin();
}

void CQuorView::UpdateLineNumberMargin() {
    // Room for every line's number in the margin's own font, and a digit to spare so the
    // margin does not jump at each new power of ten while typing; never under five.
    int digits = 1;
    // The document's lines, not the shown ones of a long line shown broken.
    for (int n = control_ ? control_->LineCount() : lines(); n >= 10; n /= 10)
        ++digits;
    digits = std::max(digits + 1, 5);
    if (digits == marginDigits_)
        return;
    marginDigits_ = digits;
    setMarginWidth(0, QString(digits, QLatin1Char('9')));
}

void CQuorView::RestartColouring() {
    ApplyAppearance();
    if (colouring_) {
        colouring_->RestartFullColouring();
        WakeIdle();
    }
}

void CQuorView::WakeIdle() {
    app_.DocManager().Idle().Wake();
}

void CQuorView::ColourChange(int first, int pastEnd) {
    if (!colouring_)
        return;
    colouring_->TextChanged(first, pastEnd);
    if (colouring_->WantsIdle())
        WakeIdle();
}

// ---- Text as bytes ----

int CQuorView::TextLength() const {
    return static_cast<int>(SendScintilla(SCI_GETLENGTH)) - static_cast<int>(breaks_.Count());
}

QByteArray CQuorView::TextRange(int first, int pastEnd) const {
    first = std::clamp(first, 0, TextLength());
    pastEnd = std::clamp(pastEnd, first, TextLength());
    if (!breaks_.Empty()) {
        const DisplayBreaks::Range shown = breaks_.ToShown(first, pastEnd);
        return DocumentBytesOfShown(shown.first, shown.pastEnd);
    }
    QByteArray bytes(pastEnd - first, Qt::Uninitialized);
    if (!bytes.isEmpty()) {
        // GETTEXTRANGE writes a terminating zero after the range.
        QByteArray buffer(bytes.size() + 1, Qt::Uninitialized);
        SendScintilla(SCI_GETTEXTRANGE, static_cast<long>(first), static_cast<long>(pastEnd),
                      buffer.data());
        bytes = buffer.left(bytes.size());
    }
    return bytes;
}

QByteArray CQuorView::TextBytes() const {
    if (!breaks_.Empty())
        return DocumentBytesOfShown(0, static_cast<int>(SendScintilla(SCI_GETLENGTH)));
    const int length = TextLength();
    const auto* data = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    return QByteArray(data, length);
}

std::string CQuorView::ReadRange(int first, int pastEnd) const {
    return TextRange(first, pastEnd).toStdString();
}

int CQuorView::SelectionStart() const {
    return DocumentPosition(static_cast<int>(SendScintilla(SCI_GETSELECTIONSTART)));
}

int CQuorView::SelectionEnd() const {
    return DocumentPosition(static_cast<int>(SendScintilla(SCI_GETSELECTIONEND)));
}

int CQuorView::CaretPosition() const {
    return DocumentPosition(static_cast<int>(SendScintilla(SCI_GETCURRENTPOS)));
}

void CQuorView::SetSelection(int anchor, int caret) {
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(ShownPosition(anchor)),
                  static_cast<long>(ShownPosition(caret)));
}

void CQuorView::ReplaceRange(int first, int pastEnd, const QByteArray& bytes) {
    if (!breaks_.Empty()) {
        // The breaks at the ends of the range stay; those inside go with the text.
        const DisplayBreaks::Range shown = breaks_.ToShown(first, pastEnd);
        first = shown.first;
        pastEnd = shown.pastEnd;
    }
    KeepWrapWithinLimit(bytes.size());
    SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(first), static_cast<long>(pastEnd));
    // Text holding a long line goes in shown broken: the control would lay out a long
    // line inserted whole (with wrapping on, at once: seconds a megabyte).
    const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const std::vector<int> offsets = bytes.size() > DisplayLineLimits{}.longLine
                                         ? DisplayBreakPlanner::PlanWhole(text)
                                         : std::vector<int>();
    if (offsets.empty()) {
        SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(bytes.size()), bytes.constData());
        return;
    }
    const std::string shown = ShownText(text, offsets);
    const std::vector<int> shownBreaks = ShownBreakPositions(offsets);
    const QScopedValueRollback inserting(insertingBreaks_, std::span<const int>(shownBreaks));
    SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(shown.size()), shown.data());
}

void CQuorView::KeepWrapWithinLimit(qint64 added) {
    // As when a file is loaded: laying out wrapped text costs about half a second a
    // megabyte.
    if (wrapMode() != WrapNone && TextLength() + added > WrapLimit)
        setWrapMode(WrapNone);
}

void CQuorView::ReplaceSelectionBytes(const QByteArray& bytes) {
    const int start = SelectionStart();
    ReplaceRange(start, SelectionEnd(), bytes);
    const int caret = start + static_cast<int>(bytes.size());
    SetSelection(caret, caret);
}

// ---- Change tracking ----

void CQuorView::OnScintillaModified(int position, int type, int length) {
    if (placingBreaks_)
        return; // the view's own breaks: the document does not change
    const auto reader = [this](int a, int b) { return ReadRange(a, b); };
    // Positions are the control's; the tracker and the colouring get the document's, found
    // before the breaks move with the change.
    if (type & SC_MOD_BEFOREINSERT) {
        // The inserted text itself is not passed; it is read once the step is over. Text
        // the view inserts shown broken holds breaks the document does not get.
        const int pos = DocumentPosition(position);
        const int added = length - static_cast<int>(insertingBreaks_.size());
        tracker_.BeforeInsert(pos, added, CaretPosition(), reader);
        changed_.Inserted(pos, added);
        if (added > 0)
            Q_EMIT DocumentChanging(pos, added, true);
        breaks_.Inserted(position, length);
        if (!insertingBreaks_.empty()) {
            std::vector<int> shown(insertingBreaks_.begin(), insertingBreaks_.end());
            for (int& at : shown)
                at += position;
            breaks_.Add(shown);
            insertingBreaks_ = {}; // one insertion only
        }
    } else if (type & SC_MOD_BEFOREDELETE) {
        const int first = DocumentPosition(position);
        const int pastEnd = DocumentPosition(position + length);
        // Deleting only breaks (two shown lines joined) leaves the document as it is.
        if (pastEnd > first) {
            if (!tracker_.Suppressed())
                tracker_.BeforeDelete(first, ReadRange(first, pastEnd), CaretPosition(), reader);
            changed_.Deleted(first, pastEnd - first);
            Q_EMIT DocumentChanging(first, pastEnd - first, false);
        }
        breaks_.Deleted(position, length);
    } else {
        return;
    }
    ScheduleFlush();
}

void CQuorView::ScheduleFlush() {
    if (flushQueued_)
        return;
    flushQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            flushQueued_ = false;
            FlushChange();
        },
        Qt::QueuedConnection);
}

void CQuorView::FlushChange() {
    if (changed_.Empty() && !tracker_.HasPending()) {
        BrokenLinesChanged(); // only breaks were deleted, perhaps the last
        return;
    }
    if (tracker_.HasPending()) {
        const int start = tracker_.PendingStart();
        auto record = tracker_.Complete(ReadRange(start, start + tracker_.PendingLength()),
                                        CaretPosition());
        history_.Add(std::move(*record));
        if (doc_)
            doc_->SetModifiedFlag(true);
    }
    const ChangedRange range = changed_;
    changed_.Reset();
    int colourFirst = range.First();
    int colourPastEnd = range.PastEnd();
    // Lines the change made long are shown broken before anything is drawn (a load has
    // broken them as they went in); what is shown afresh is coloured again.
    if (!range.Empty() && !loadPlanner_) {
        const TextMatch broken = BreakLongLines(range.First(), range.PastEnd());
        if (broken.Found()) {
            colourFirst = std::min(colourFirst, broken.start);
            colourPastEnd = std::max(colourPastEnd, broken.end);
        }
    }
    BrokenLinesChanged();
    UpdateLineNumberMargin();
    ColourChange(colourFirst, colourPastEnd);
    Q_EMIT TextEdited(range.First(), range.PastEnd());
    Q_EMIT CommandStateChanged();
}

bool CQuorView::event(QEvent* e) {
    // The control binds keys of its own (Ctrl+Z to its undo, Ctrl+L to cut the line, Ctrl+U
    // to lower case) and would take them before the window's menus; the menus' keys win.
    if (e->type() == QEvent::ShortcutOverride && IsWindowShortcut(*static_cast<QKeyEvent*>(e))) {
        e->ignore();
        return true;
    }
    const bool handled = QsciScintilla::event(e);
    // A change made while handling this event is complete now.
    if (!changed_.Empty() || tracker_.HasPending())
        FlushChange();
    return handled;
}

bool CQuorView::IsWindowShortcut(const QKeyEvent& key) const {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    const bool command = (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) ||
                         (key.key() >= Qt::Key_F1 && key.key() <= Qt::Key_F35);
    CMainFrame* frame = app_.MainFrame();
    return command && frame && frame->ClaimsShortcut(QKeySequence(QKeyCombination(modifiers, Qt::Key(key.key()))));
}

// ---- Undo ----

void CQuorView::OnEditUndo() {
    ApplyUndoStep(CUndoHistory::Direction::Backward);
}

void CQuorView::OnEditRedo() {
    ApplyUndoStep(CUndoHistory::Direction::Forward);
}

void CQuorView::ApplyUndoStep(CUndoHistory::Direction direction) {
    FlushChange();
    const bool wasSaved = history_.AtSaved();
    const CUndoDelta* d = history_.Step(direction);
    if (!d)
        return;
    tracker_.Suppress();
    if (direction == CUndoHistory::Direction::Backward) {
        ReplaceRange(d->newStart, d->newEnd, QByteArray::fromStdString(d->oldText));
        SetSelection(d->caretBefore, d->caretBefore);
    } else {
        // The record holds the true start of the replaced text, so Redo replaces exactly
        // the text that Undo put back.
        ReplaceRange(d->oldStart, d->oldStart + static_cast<int>(d->oldText.size()),
                     QByteArray::fromStdString(d->newText));
        SetSelection(d->caretAfter, d->caretAfter);
    }
    SendScintilla(SCI_SCROLLCARET);
    FlushChange();
    tracker_.Resume();
    if (history_.AtSaved() != wasSaved && doc_)
        doc_->SetModifiedFlag(!history_.AtSaved());
    Q_EMIT CommandStateChanged();
}

// ---- Edit commands ----

void CQuorView::OnEditCut() {
    FlushChange();
    tracker_.SetPendingKind(ChangeTracker::KindReplace);
    cut();
    FlushChange();
}

void CQuorView::OnEditCopy() {
    copy();
}

void CQuorView::OnEditPaste() {
    FlushChange();
    tracker_.SetPendingKind(HasSelectedText() ? ChangeTracker::KindReplace
                                              : ChangeTracker::KindInsert);
    if (!PasteLongLines())
        paste();
    FlushChange();
}

void CQuorView::OnEditSelectAll() {
    SetSelection(0, TextLength());
}

void CQuorView::OnEditStripTags() {
    if (!HasSelectedText())
        return;
    FlushChange();
    const QByteArray selected = TextRange(SelectionStart(), SelectionEnd());
    const std::string stripped =
        StripTags(std::string_view(selected.constData(), static_cast<std::size_t>(selected.size())));
    tracker_.SetPendingKind(ChangeTracker::KindReplace);
    ReplaceSelectionBytes(QByteArray::fromStdString(stripped));
    FlushChange();
}

void CQuorView::EditAsOneChange(const std::function<void()>& edit) {
    FlushChange();
    tracker_.SetPendingKind(ChangeTracker::KindReplace);
    edit();
    FlushChange();
}

void CQuorView::OnInsertFileCommand() {
    const QString path = app_.ChooseInsertFile(this);
    if (!path.isEmpty())
        InsertFile(path, false);
}

void CQuorView::OnGotoLine() {
    GotoLineDlg dlg(lastGotoLine_, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    lastGotoLine_ = dlg.Line();
    GoToLine(lastGotoLine_);
}

bool CQuorView::GoToLine(int line) {
    if (line < 1)
        return false;
    // The document's own lines, whatever the wrapping or the lines shown broken; past the
    // end, the last line.
    const int lines = control_->LineCount();
    const bool inRange = line <= lines;
    const int pos = control_->LineStart(std::min(line, lines) - 1);
    SetSelection(pos, pos);
    SendScintilla(SCI_SCROLLCARET);
    if (colouring_) {
        colouring_->VisibleAreaUncoloured();
        WakeIdle();
    }
    return inRange;
}

// ---- Keys, menus, drops ----

void CQuorView::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier) {
        ShowContextMenuAtCaret();
        return;
    }
    if (completion_ && completion_->KeyBeforeControl(*e))
        return;
    // The control's own paste keys (Shift+Insert) paste as Edit > Paste does.
    if (e->matches(QKeySequence::Paste)) {
        OnEditPaste();
        return;
    }
    StepOverBreaks(*e);
    QsciScintilla::keyPressEvent(e);
    if (e->text() == QLatin1String(">") || e->text() == QLatin1String("/"))
        CompleteTypedTag(e->text().at(0).toLatin1());
    if (completion_)
        completion_->KeyAfterControl(*e);
}

void CQuorView::OnEditComplete() {
    if (completion_)
        completion_->Request();
}

void CQuorView::keyReleaseEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Insert && !e->isAutoRepeat())
        overwriteMode_ = SendScintilla(SCI_GETOVERTYPE) != 0;
    QsciScintilla::keyReleaseEvent(e);
}

void CQuorView::contextMenuEvent(QContextMenuEvent* e) {
    if (e->reason() == QContextMenuEvent::Keyboard) {
        ShowContextMenuAtCaret();
        return;
    }
    // A click outside the selection moves the caret there first, so the menu is about
    // the text under the pointer; inside it, the selection stays for Cut and Copy.
    const int pos = CaretForCharacterAt(e->pos());
    if (pos < SelectionStart() || pos > SelectionEnd() || !HasSelectedText())
        SetSelection(pos, pos);
    ShowContextMenu(e->globalPos());
}

int CQuorView::CaretForCharacterAt(const QPoint& point) {
    const auto x = static_cast<unsigned long>(point.x());
    const auto y = static_cast<long>(point.y());
    // The nearest gap between characters, and the character the pointer is on: the
    // character decides, so both halves of a tag's '<' and '>' give the tag.
    const int gap = DocumentPosition(static_cast<int>(SendScintilla(SCI_POSITIONFROMPOINT, x, y)));
    const int underShown = static_cast<int>(SendScintilla(SCI_CHARPOSITIONFROMPOINT, x, y));
    // A break shown in a long line is no character of the document.
    if (underShown < 0 || breaks_.IsBreak(underShown))
        return gap;
    const int under = DocumentPosition(underShown);
    if (under >= TextLength())
        return gap;
    const QByteArray ch = TextRange(under, under + 1);
    if (ch == ">" && gap == under + 1)
        return under;
    if (ch == "<" && gap == under)
        return under + 1;
    return gap;
}

void CQuorView::ShowContextMenuAtCaret() {
    const int pos = ShownPosition(SelectionEnd());
    const int x = static_cast<int>(SendScintilla(SCI_POINTXFROMPOSITION, 0UL, static_cast<long>(pos)));
    const int y = static_cast<int>(SendScintilla(SCI_POINTYFROMPOSITION, 0UL, static_cast<long>(pos)));
    const int lineHeight = static_cast<int>(SendScintilla(SCI_TEXTHEIGHT, 0UL));
    ShowContextMenu(viewport()->mapToGlobal(QPoint(x, y + lineHeight)));
}

void CQuorView::ShowContextMenu(const QPoint& globalPos) {
    // The menu comes from the main window's commands and the tag assistance.
    if (CMainFrame* frame = app_.MainFrame())
        frame->ShowContextMenu(*this, globalPos);
}

void CQuorView::dragEnterEvent(QDragEnterEvent* e) {
    // Files from the Site dock are linked where they are dropped, not opened.
    if (!SiteDragPaths(e->mimeData()).isEmpty())
        e->acceptProposedAction();
    else if (!LocalFiles(e->mimeData()).isEmpty())
        e->acceptProposedAction();
    else
        QsciScintilla::dragEnterEvent(e);
}

void CQuorView::dragMoveEvent(QDragMoveEvent* e) {
    if (!SiteDragPaths(e->mimeData()).isEmpty())
        e->acceptProposedAction();
    else if (!LocalFiles(e->mimeData()).isEmpty())
        e->acceptProposedAction();
    else
        QsciScintilla::dragMoveEvent(e);
}

bool CQuorView::HandleDroppedFiles(const QMimeData* mime) {
    const QStringList files = LocalFiles(mime);
    if (files.isEmpty())
        return false;
    Q_EMIT FilesDropped(files);
    return true;
}

void CQuorView::dropEvent(QDropEvent* e) {
    if (DropSiteFiles(*this, e->mimeData(), e->position().toPoint()))
        e->acceptProposedAction();
    else if (HandleDroppedFiles(e->mimeData()))
        e->acceptProposedAction();
    else
        QsciScintilla::dropEvent(e);
}

} // namespace velto

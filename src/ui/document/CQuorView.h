// The editing window of a document: a QScintilla control holding the document's bytes,
// with the editor's own undo history and change tracking.
#pragma once

#include "core/config/PrintingSettings.h"
#include "core/document/ChangeTracker.h"
#include "core/document/ChangedRange.h"
#include "core/document/DisplayBreakPlanner.h"
#include "core/document/DisplayBreaks.h"
#include "core/document/TransferMessages.h"
#include "core/document/UndoHistory.h"
#include "core/encoding/DocumentEncoding.h"
#include "core/encoding/PageDecoding.h"
#include "core/tagassist/TagMatcher.h"

#include <Qsci/qsciscintilla.h>

#include <QByteArray>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QIODevice;
class QMimeData;

namespace velto {

class CQuorApp;
class CQuorDoc;
class ColourSchedule;
class ScintillaTextControl;
class TagClosing;
class ViewCompletion;
struct SearchRequest;

class CQuorView : public QsciScintilla {
    Q_OBJECT
public:
    // A stretch of text found, in document positions; start -1 when none.
    struct TextMatch {
        int start = -1;
        int end = -1;
        [[nodiscard]] bool Found() const { return start >= 0; }
    };

    explicit CQuorView(CQuorApp& app, QWidget* parent = nullptr);
    ~CQuorView() override;

    void SetDocument(CQuorDoc* doc) { doc_ = doc; }
    [[nodiscard]] CQuorDoc* GetDocument() const { return doc_; }
    [[nodiscard]] CQuorApp& App() const { return app_; }

    // ---- Text as bytes (positions are byte offsets) ----
    // Positions are the document's: a long line shown broken (below) shows line ends the
    // document does not hold, and these functions leave them out.
    [[nodiscard]] int TextLength() const;
    [[nodiscard]] QByteArray TextBytes() const;
    // The whole text where the control keeps it, in the pieces between breaks shown in long
    // lines (one piece when none); valid until the text next changes.
    [[nodiscard]] std::vector<std::string_view> DocumentPieces() const;
    [[nodiscard]] QByteArray TextRange(int first, int pastEnd) const;
    [[nodiscard]] int SelectionStart() const;
    [[nodiscard]] int SelectionEnd() const;
    [[nodiscard]] int CaretPosition() const;
    void SetSelection(int anchor, int caret);
    // Replaces [first, pastEnd) with bytes, exactly (NUL and invalid UTF-8 included).
    void ReplaceRange(int first, int pastEnd, const QByteArray& bytes);
    void ReplaceSelectionBytes(const QByteArray& bytes);
    [[nodiscard]] bool HasSelectedText() const { return SelectionStart() != SelectionEnd(); }

    // ---- Text transfer ----
    // Reads the device into the control in place of the selection, in 16383-byte pieces,
    // then puts the caret at the start of the inserted text. With record false (a document
    // load) the change is not recorded for undo and does not mark the document modified.
    // On failure the text read so far stays, and the kind and description of the failure
    // are given back.
    struct LoadResult {
        TransferFailure failure = TransferFailure::None;
        std::string description;
        [[nodiscard]] bool Ok() const { return failure == TransferFailure::None; }
    };
    LoadResult LoadText(QIODevice& file, bool record);
    // The document's whole text: the control's buffer in place, or, while long lines are
    // shown broken, a copy without the breaks made in store. Valid until the text next
    // changes (or store does).
    [[nodiscard]] std::string_view WholeTextBytes(std::string& store) const;
    // Inserts a file at the caret as one undoable change; a template or snippet has its
    // menu header skipped. Failures are reported to the user.
    bool InsertFile(const QString& path, bool isTemplate);
    // Writes the text (or the selection) to path through a temporary file renamed over
    // it, so a failure never leaves the target half-written; a link, a file with other
    // names and the owner are kept (see SaveDocumentFile). Failures are reported with the
    // system's own words.
    bool SaveToFile(const QString& path, bool selectionOnly);
    // Opening a document: the file's text replaces everything, unrecorded, and the undo
    // history starts empty. Returns whether the file could be opened at all; a read that
    // fails part-way is reported, keeps the text read so far and sets *partial.
    bool LoadDocumentFile(const QString& path, bool* partial = nullptr);
    // The same with the text given (a recovered document): the bytes exactly, unrecorded.
    void LoadDocumentBytes(const QByteArray& bytes);

    // ---- Encoding (ViewEncoding.cpp) ----
    // The control holds UTF-8 (or, for a page kept raw, the file's bytes); the document
    // is read from and written to its file in this encoding.
    [[nodiscard]] const DocumentEncoding& Encoding() const { return encoding_; }
    void SetEncoding(const DocumentEncoding& encoding);
    // The sentence the bar above the view shows about the page's encoding (empty for
    // none), and the disagreement of its declaration with its bytes, if any.
    [[nodiscard]] const QString& EncodingNotice() const { return encodingNotice_; }
    [[nodiscard]] DeclarationConflict EncodingConflict() const { return conflict_; }
    void DismissEncodingNotice();
    // Reads the file again as the given encoding, replacing the text unrecorded. False
    // (and told) when the file cannot be read.
    bool ReopenWithEncoding(const QString& path, const EncodingInfo& encoding);
    // Reopens in the encoding and makes the page's declaration name it, as one undoable
    // change (the document is then modified).
    bool CorrectDeclaration(const QString& path, const EncodingInfo& encoding);
    // Rewrites the page's declaration to name the encoding, as one undoable change;
    // false when there is nothing to rewrite.
    bool RewriteDeclaration(const EncodingInfo& encoding);
    // The encoding for pages that declare none, from the Options.
    [[nodiscard]] const EncodingInfo& FallbackEncoding() const;

    // ---- Undo ----
    [[nodiscard]] CUndoHistory& UndoHistory() { return history_; }
    [[nodiscard]] bool CanUndo() const { return history_.CanUndo(); }
    [[nodiscard]] bool CanRedo() const { return history_.CanRedo(); }
    void OnEditUndo();
    void OnEditRedo();
    // Completes the change in progress now: its undo record, the modified flag, colouring.
    void FlushChange();

    // ---- Colouring ----
    // The view's colouring schedule; nullptr before the knowledge base exists.
    [[nodiscard]] ColourSchedule* Colouring() const { return colouring_.get(); }
    [[nodiscard]] ScintillaTextControl& Control() const { return *control_; }
    // Gives every appearance class's style the "Text" face, size and effects with the
    // class's own colour.
    void ApplyAppearance();
    // Widens (or narrows) the line number margin to the line count in the margin's font.
    void UpdateLineNumberMargin();
    [[nodiscard]] int LineNumberMarginWidth() const { return marginWidth(0); }
    // Where a right click at point puts the caret: the character under the pointer, not
    // the nearest gap, decides whether it is in a tag.
    [[nodiscard]] int CaretForCharacterAt(const QPoint& point);
    // Applies the appearance afresh and colours the whole text again in idle time.
    void RestartColouring();

    // ---- Edit commands ----
    void OnEditCut();
    void OnEditCopy();
    void OnEditPaste();
    void OnEditSelectAll();
    void OnEditStripTags();
    // Runs an edit made through the text control (a tag rewritten, a URL pasted) as one
    // undoable change replacing what it replaced.
    void EditAsOneChange(const std::function<void()>& edit);
    void OnInsertFileCommand();
    void OnGotoLine();
    // Puts the caret at the start of stored line n (from 1); false when out of range.
    bool GoToLine(int line);
    [[nodiscard]] int LastGotoLine() const { return lastGotoLine_; }

    // ---- Tag editing (ViewTagEditing.cpp) ----
    // Moves the caret to the start of the tag that pairs with the tag at the caret;
    // false (and a beep) when there is none.
    bool OnGotoMatchingTag();
    // Marks the tag at the caret and its partner with the tag-pair indicator, or clears
    // the marks when the caret is in no tag with a partner. Runs on every caret move.
    void UpdateTagHighlight();
    // The pair marked now, if any.
    [[nodiscard]] const std::optional<TagPair>& HighlightedTags() const { return highlighted_; }
    static constexpr int TagPairIndicator = 9;
    [[nodiscard]] bool OverwriteMode() const { return overwriteMode_; }

    // ---- Find and replace ----
    // Selects the next match from the selection (wrapping round once); false when none.
    bool FindNext(const SearchRequest& request);
    // Replaces the selection when it matches, then finds the next match.
    bool ReplaceCurrent(const SearchRequest& request);
    // Replaces every match in one undoable change; returns how many.
    int ReplaceAll(const SearchRequest& request);

    // Files dropped on the view go to the frame to be opened; true when the data held any.
    bool HandleDroppedFiles(const QMimeData* mime);

    // Requests the context menu at the selection end (Shift+F10, the menu key).
    void ShowContextMenuAtCaret();

    // Lines wrap at the window edge, but laying out wrapped text costs about half a second
    // per megabyte with Qt's text layout, so larger documents keep their lines unwrapped.
    static constexpr qint64 WrapLimit = 256 * 1024;

    // ---- Long lines shown broken (CQuorViewBreaks.cpp) ----
    // A line too long for the control to lay out at once is shown broken into short lines:
    // the control holds a line feed at each break, which the document, the clipboard, the
    // files written and the undo history never see.
    [[nodiscard]] const DisplayBreaks& Breaks() const { return breaks_; }
    [[nodiscard]] bool ShowsBrokenLines() const { return !breaks_.Empty(); }
    // The control's position of a document position (after any break standing there), and
    // the document's position of a control position.
    [[nodiscard]] int ShownPosition(int pos) const;
    [[nodiscard]] int DocumentPosition(int shown) const;
    // Fills or clears an indicator over a document range.
    void SetIndicator(int indicator, int first, int pastEnd, bool on);
    void ClearIndicatorEverywhere(int indicator);

    // ---- Completion and hover help ----
    // nullptr before the knowledge base exists.
    [[nodiscard]] ViewCompletion* Completion() const { return completion_.get(); }
    // Lists what may be written at the caret (Ctrl+Space).
    void OnEditComplete();

Q_SIGNALS:
    // A change is complete (its undo record added): first and pastEnd in the new text.
    void TextEdited(int first, int pastEnd);
    // Undo, Redo, Cut, Copy or Strip Tags may have become possible or impossible.
    void CommandStateChanged();
    // Files were dropped on the view: the frame opens them.
    void FilesDropped(const QStringList& paths);
    // The document is about to change (positions in the document, never the view's own
    // breaks): length bytes inserted at position, or deleted from it.
    void DocumentChanging(int position, int length, bool inserting);
    // The view began or stopped showing long lines broken.
    void BrokenLinesShownChanged(bool shown);
    // The document's encoding or the notice about it changed.
    void EncodingChanged();

protected:
    bool event(QEvent* e) override;
    [[nodiscard]] bool IsWindowShortcut(const QKeyEvent& key) const;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    // What is copied, cut or dragged: the document's bytes of it, without shown breaks.
    QMimeData* toMimeData(const QByteArray& text, bool rectangular) const override;

private:
    void OnScintillaModified(int position, int type, int length);
    void ScheduleFlush();
    void ApplyUndoStep(CUndoHistory::Direction direction);
    void ShowContextMenu(const QPoint& globalPos);
    void ReportTransferFailure(const std::string& message);
    // The first match in [from, to) (to < from searches backwards), or -1; *end gets its end.
    int SearchRange(const SearchRequest& request, int from, int to, int* end) const;
    // The first match in [from, to) that crosses a break shown in a long line, where it
    // would come before a match found at before (-1: none found); the control's own search
    // of the shown text cannot see those.
    [[nodiscard]] TextMatch SearchAcrossBreaks(const QByteArray& what, unsigned long flags, int from, int to,
                                               int before) const;
    [[nodiscard]] std::string ReadRange(int first, int pastEnd) const;
    void DetectLineEnds();
    LoadResult LoadWholeDocument(QIODevice& source);
    // Puts a decoded page into the control as a document load, and keeps its encoding.
    void LoadDecodedPage(const DecodedPage& page, std::string_view input);
    // The pieces to write for the whole text in the document's encoding; store keeps
    // converted bytes alive. False when the user cancelled over characters the encoding
    // cannot hold, or it could not be converted (told).
    bool EncodeForSaving(std::string& store, std::vector<std::string_view>& pieces);
    // Text being inserted, decoded as the document holds text.
    [[nodiscard]] std::string DecodeInserted(std::string_view bytes, bool isTemplate) const;
    void ColourChange(int first, int pastEnd);
    void SetUpTagEditing();
    // After a '>' or '/' typed by the user: the end tag it completes, in the same change.
    void CompleteTypedTag(char typed);
    void WakeIdle();
    // Long lines shown broken (CQuorViewBreaks.cpp).
    void SetUpBrokenLines();
    // Shows broken, outside the document's history, the shown lines of a document range
    // that have grown too long; gives back the document range shown afresh (to be
    // coloured again), start -1 when none.
    TextMatch BreakLongLines(int first, int pastEnd);
    // Puts breaks into shown [first, pastEnd) before the given offsets from first.
    void InsertBreaks(int first, int pastEnd, const std::vector<int>& offsets);
    void KeepWrapWithinLimit(qint64 added);
    // Pastes the clipboard's text itself when it holds a long line, which then goes in
    // shown broken; false when the control's own paste is left to do it.
    bool PasteLongLines();
    // Hands a loaded piece to the control, shown broken where it holds long lines; returns
    // how many of its bytes went in (the rest starts the next piece).
    qsizetype AddLoadedText(const QByteArray& piece, bool last);
    // Steps the caret over the breaks a deleting or moving key would otherwise only remove
    // or cross, so each key acts on a character of the document.
    void StepOverBreaks(const QKeyEvent& key);
    // The line numbers of the document's lines, not of the shown ones.
    void UpdateLineNumbers();
    // Tells whether long lines are shown broken, when that has changed since last told:
    // the margin's numbers and the status bar follow.
    void BrokenLinesChanged();
    // The document's bytes of shown [first, pastEnd).
    [[nodiscard]] QByteArray DocumentBytesOfShown(int first, int pastEnd) const;

    CQuorApp& app_;
    CQuorDoc* doc_ = nullptr;
    CUndoHistory history_;
    ChangeTracker tracker_;
    ChangedRange changed_;
    bool flushQueued_ = false;
    std::unique_ptr<ScintillaTextControl> control_;
    std::unique_ptr<ColourSchedule> colouring_;
    std::unique_ptr<TagClosing> tagClosing_;
    std::unique_ptr<TagMatcher> tagMatcher_;
    std::unique_ptr<ViewCompletion> completion_;
    std::optional<TagPair> highlighted_;
    bool overwriteMode_ = false;
    int marginDigits_ = 0; // the digits the line number margin has room for
    int lastGotoLine_ = 1;
    DisplayBreaks breaks_;
    // Set while the view itself puts breaks into the control: those changes are not edits.
    bool placingBreaks_ = false;
    // Where the breaks are in the text the view is inserting shown broken, from its start.
    std::span<const int> insertingBreaks_;
    bool lineNumbersAsText_ = false;
    // Plans the breaks of a document being loaded, piece by piece; none outside a load.
    std::unique_ptr<DisplayBreakPlanner> loadPlanner_;
    // A control that is never shown, where the text around breaks is searched.
    mutable QsciScintillaBase* searchScratch_ = nullptr;
    DocumentEncoding encoding_;
    QString encodingNotice_;
    DeclarationConflict conflict_ = DeclarationConflict::None;
};

} // namespace velto

// The view's text transfer: loading a document, inserting a file, saving the text or the
// selection, each failure reported with the transfer warnings.
#include "ui/document/CQuorView.h"

#include "core/document/LoadableFile.h"
#include "core/document/TransferMessages.h"
#include "core/platform/LineEnds.h"
#include "core/platform/ReplaceFile.h"
#include "core/templates/TemplateHeader.h"
#include "ui/app/CQuorApp.h"

#include <QBuffer>
#include <QFile>

#include <algorithm>

#include <new>
#include <optional>
#include <stdexcept>

namespace velto {

namespace {
// Pieces in which a file is read into the control.
constexpr qint64 LoadPiece = 16383;
// How much read text is handed to the control at once.
constexpr qsizetype LoadBatch = 1 << 20;
// Lines wrap at the window edge, but laying out wrapped text costs about half a second per
// megabyte with Qt's text layout, so larger documents keep their long lines unwrapped.
constexpr qint64 WrapLimit = 256 * 1024;

// Folders, pipes, sockets, devices and files too large to hold are refused before they
// are opened (opening a pipe would wait for a writer); the warning names the path.
std::optional<FileRefusal> RefuseToRead(const QString& path) {
    std::optional<FileRefusal> refusal = CheckLoadableFile(QFile::encodeName(path).toStdString());
    if (refusal)
        refusal->description = (path + QStringLiteral(": ")).toStdString() + refusal->description;
    return refusal;
}

// Reads the whole file; on a failure part-way, bytes holds what was read.
CQuorView::LoadResult ReadWholeFile(QFile& file, QByteArray& bytes) {
    if (file.size() > 0)
        bytes.reserve(file.size());
    for (;;) {
        const qsizetype before = bytes.size();
        bytes.resize(before + (1 << 20));
        const qint64 n = file.read(bytes.data() + before, 1 << 20);
        bytes.resize(before + std::max<qint64>(n, 0));
        if (n < 0)
            return {TransferFailure::File, file.errorString().toStdString()};
        if (n == 0)
            return {};
    }
}

} // namespace

CQuorView::LoadResult CQuorView::LoadText(QIODevice& file, bool record) {
    FlushChange();
    if (!record)
        tracker_.Suppress();
    const int start = SelectionStart();
    if (HasSelectedText())
        ReplaceSelectionBytes({});
    SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(start));
    if (!file.isSequential() && TextLength() + file.size() > WrapLimit)
        setWrapMode(WrapNone);
    // Room for the whole file at once: growing the buffer piece by piece would copy the
    // text over and over. Some room to spare as well, or the first key typed into a large
    // file makes the control copy its whole text and styles into a larger buffer (for a
    // 200 MB page, seconds and 400 MB more at its peak).
    if (!file.isSequential() && file.size() > 0) {
        const qint64 spare = std::clamp<qint64>(file.size() / 32, 64 * 1024, 16 * 1024 * 1024);
        SendScintilla(SCI_ALLOCATE, static_cast<unsigned long>(TextLength() + file.size() + spare));
    }

    // The file is read in pieces, which go into the control a batch at a time: each
    // insertion costs the control a round of bookkeeping, whatever its size.
    LoadResult result;
    try {
        QByteArray batch;
        batch.reserve(LoadBatch + LoadPiece);
        auto insertBatch = [&] {
            if (!batch.isEmpty())
                SendScintilla(SCI_ADDTEXT, static_cast<uintptr_t>(batch.size()), batch.constData());
            batch.resize(0);
        };
        for (;;) {
            const qsizetype before = batch.size();
            batch.resize(before + LoadPiece);
            const qint64 n = file.read(batch.data() + before, LoadPiece);
            batch.resize(before + std::max<qint64>(n, 0));
            if (n < 0) {
                result = {TransferFailure::File, file.errorString().toStdString()};
                break;
            }
            if (n == 0)
                break;
            if (batch.size() >= LoadBatch)
                insertBatch();
        }
        insertBatch(); // what was read stays, also after a failure
    } catch (const std::bad_alloc& e) {
        result = {TransferFailure::Memory, e.what()};
    } catch (const std::exception& e) {
        result = {TransferFailure::Other, e.what()};
    }
    SetSelection(start, start);
    FlushChange();
    if (!record)
        tracker_.Resume();
    return result;
}

// Straight from the control's buffer: a copy would double the memory a large document
// takes while it is saved.
std::string_view CQuorView::WholeTextBytes() const {
    const auto* data = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    return {data, static_cast<std::size_t>(TextLength())};
}

void CQuorView::ReportTransferFailure(const std::string& message) {
    app_.GetPrompter().Message(message, Prompter::Kind::Warning);
}

void CQuorView::DetectLineEnds() {
    // New lines typed into a file continue its own line ends.
    const QByteArray head = TextRange(0, std::min(TextLength(), 1 << 20));
    const std::string_view end =
        DetectLineEnd(std::string_view(head.constData(), static_cast<std::size_t>(head.size())));
    const int mode = end == "\r\n" ? SC_EOL_CRLF : end == "\r" ? SC_EOL_CR : SC_EOL_LF;
    SendScintilla(SCI_SETEOLMODE, static_cast<unsigned long>(mode));
}

CQuorView::LoadResult CQuorView::LoadWholeDocument(QIODevice& source) {
    tracker_.Suppress();
    SendScintilla(SCI_CLEARALL);
    tracker_.Resume();
    setWrapMode(WrapNone);
    const LoadResult result = LoadText(source, false);
    setWrapMode(TextLength() <= WrapLimit ? WrapWord : WrapNone);
    DetectLineEnds();
    UpdateLineNumberMargin();
    history_.Clear();
    return result;
}

void CQuorView::LoadDocumentBytes(const QByteArray& bytes) {
    QByteArray shared = bytes; // the buffer reads it in place, without a copy
    QBuffer source(&shared);
    source.open(QIODevice::ReadOnly);
    LoadWholeDocument(source);
}

bool CQuorView::LoadDocumentFile(const QString& path, bool* partial) {
    if (partial)
        *partial = false;
    if (const std::optional<FileRefusal> refusal = RefuseToRead(path)) {
        ReportTransferFailure(LoadFailureMessage(refusal->failure, refusal->description));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ReportTransferFailure(
            LoadFailureMessage(TransferFailure::File,
                               (path + QStringLiteral(": ") + file.errorString()).toStdString()));
        return false;
    }
    QByteArray bytes;
    const LoadResult result = ReadWholeFile(file, bytes);
    const std::string_view input(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (!result.Ok()) {
        // What could be read is kept as it is, undecoded: a part of a file may end inside
        // a character, and the document has no path to be saved over the whole.
        LoadDocumentBytes(bytes);
        DocumentEncoding raw;
        raw.raw = true;
        raw.rule = EncodingRule::Chosen;
        SetEncoding(raw);
        ReportTransferFailure(LoadFailureMessage(result.failure, result.description));
        if (partial)
            *partial = true;
        return true;
    }
    LoadDecodedPage(DecodePage(input, FallbackEncoding()), input);
    return true;
}

bool CQuorView::InsertFile(const QString& path, bool isTemplate) {
    if (const std::optional<FileRefusal> refusal = RefuseToRead(path)) {
        // The insert warning has no memory variant; its description says what is short.
        ReportTransferFailure(InsertFailureMessage(TransferFailure::File, refusal->description));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ReportTransferFailure(
            InsertFailureMessage(TransferFailure::File,
                                 (path + QStringLiteral(": ") + file.errorString()).toStdString()));
        return false;
    }
    QByteArray bytes;
    LoadResult result = ReadWholeFile(file, bytes);
    if (!result.Ok()) {
        ReportTransferFailure(InsertFailureMessage(result.failure, result.description));
        return false;
    }
    // The file is read as a page is opened, and goes in as text of this document.
    QByteArray text = QByteArray::fromStdString(
        DecodeInserted(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), isTemplate));
    bytes.clear();
    QBuffer source(&text);
    source.open(QIODevice::ReadOnly);
    result = LoadText(source, true);
    if (!result.Ok())
        ReportTransferFailure(InsertFailureMessage(result.failure, result.description));
    return result.Ok();
}

bool CQuorView::SaveToFile(const QString& path, bool selectionOnly) {
    // A selection (a snippet) is written as the control holds it: UTF-8 text, which any
    // page it is inserted into reads back by its bytes.
    QByteArray selection;
    std::string converted;
    std::vector<std::string_view> pieces;
    if (selectionOnly) {
        selection = TextRange(SelectionStart(), SelectionEnd());
        pieces.emplace_back(selection.constData(), static_cast<std::size_t>(selection.size()));
    } else if (!EncodeForSaving(converted, pieces)) {
        return false;
    }
    std::string error;
    if (SaveDocumentFile(QFile::encodeName(path).toStdString(), pieces, error) ==
        ReplaceResult::Written)
        return true;
    ReportTransferFailure(SaveFailureMessage(TransferFailure::File, error));
    return false;
}

} // namespace velto

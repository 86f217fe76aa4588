// The view's encoding: the page decoded into the control, written back in its own
// encoding on save (asking about characters it cannot hold), reopened in another, and
// its declaration kept true.
#include "ui/document/CQuorView.h"

#include "core/encoding/CharacterReferenceText.h"
#include "core/encoding/CharsetDeclaration.h"
#include "core/encoding/Codec.h"
#include "core/encoding/Utf8Text.h"
#include "core/templates/TemplateHeader.h"
#include "ui/app/CQuorApp.h"
#include "ui/document/NamedReferences.h"

#include <QBuffer>
#include <QFile>

namespace velto {

const EncodingInfo& CQuorView::FallbackEncoding() const {
    const EncodingInfo* e = FindEncoding(app_.Editor().fallbackEncoding);
    return e && e->kind != EncodingKind::Utf8 ? *e : Windows1252Encoding();
}

void CQuorView::SetEncoding(const DocumentEncoding& encoding) {
    encoding_ = encoding;
    Q_EMIT EncodingChanged();
}

void CQuorView::DismissEncodingNotice() {
    encodingNotice_.clear();
    conflict_ = DeclarationConflict::None;
    Q_EMIT EncodingChanged();
}

void CQuorView::LoadDecodedPage(const DecodedPage& page, std::string_view input) {
    const std::string_view text = page.Text(input);
    QByteArray shared = QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size()));
    QBuffer source(&shared);
    source.open(QIODevice::ReadOnly);
    LoadWholeDocument(source);
    encoding_ = page.encoding;
    encodingNotice_ = QString::fromStdString(DecodingNotice(page, FallbackEncoding()));
    conflict_ = page.conflict;
    Q_EMIT EncodingChanged();
}

bool CQuorView::ReopenWithEncoding(const QString& path, const EncodingInfo& encoding) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ReportTransferFailure(LoadFailureMessage(
            TransferFailure::File, (path + QStringLiteral(": ") + file.errorString()).toStdString()));
        return false;
    }
    const QByteArray bytes = file.readAll();
    const std::string_view input(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    LoadDecodedPage(DecodePageAs(input, encoding), input);
    return true;
}

bool CQuorView::RewriteDeclaration(const EncodingInfo& encoding) {
    if (encoding_.raw)
        return false;
    const std::optional<TextEdit> edit = DeclarationEdit(WholeTextBytes(), encoding.name);
    if (!edit)
        return false;
    EditAsOneChange([&] {
        ReplaceRange(static_cast<int>(edit->offset), static_cast<int>(edit->offset + edit->length),
                     QByteArray::fromStdString(edit->text));
    });
    return true;
}

bool CQuorView::CorrectDeclaration(const QString& path, const EncodingInfo& encoding) {
    if (!ReopenWithEncoding(path, encoding))
        return false;
    RewriteDeclaration(encoding);
    return true;
}

std::string CQuorView::DecodeInserted(std::string_view bytes, bool isTemplate) const {
    std::string text;
    if (encoding_.raw) {
        text.assign(bytes); // a page kept as bytes takes bytes
    } else {
        DecodedPage page = DecodePage(bytes, FallbackEncoding());
        if (!page.encoding.raw)
            text = page.TakeText(bytes);
        else // every byte is a character of the fallback encoding
            text = DecodeToUtf8(bytes, FallbackEncoding()).value_or(std::string(bytes));
    }
    if (isTemplate)
        text.erase(0, TemplateBodyOffset(text));
    return text;
}

bool CQuorView::EncodeForSaving(std::string& store, std::vector<std::string_view>& pieces) {
    const std::string_view text = WholeTextBytes();
    if (encoding_.raw) {
        pieces.push_back(text);
        return true;
    }
    const EncodingInfo& e = *encoding_.encoding;
    if (encoding_.bom)
        pieces.push_back(ByteOrderMark(e));
    // A UTF-8 document is written as the control holds it, with no copy: bytes that are
    // no UTF-8 (put in as bytes) go back as they came, as they did before encodings.
    if (e.kind == EncodingKind::Utf8) {
        pieces.push_back(text);
        return true;
    }
    EncodeResult result = EncodeFromUtf8(text, e);
    if (!result.ok && result.unencodable.count == 0) {
        ReportTransferFailure(SaveFailureMessage(
            TransferFailure::Other, "No converter on this system writes " + std::string(e.name) + "."));
        return false;
    }
    if (!result.ok) {
        const Unencodable& u = result.unencodable;
        std::string character;
        AppendUtf8(character, u.first);
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(u.first));
        const int line = static_cast<int>(SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(u.firstOffset))) + 1;
        const std::string question =
            std::string(e.name) + " cannot hold " + std::to_string(u.count) +
            (u.count == 1 ? " character" : " characters") + " of this page; the first is \"" + character +
            "\" (" + code + ") on line " + std::to_string(line) + ".\n\nHow should the page be saved?";
        const std::size_t choice = app_.GetPrompter().AskChoice(
            question, {"Write as Character References", "Save as UTF-8", "Cancel"});
        if (choice == 0) {
            const ReferenceWriter references = MakeReferenceWriter(NamedReferencesOfSelectedVersions(app_));
            result = EncodeFromUtf8(text, e, &references);
        } else if (choice == 1) {
            RewriteDeclaration(Utf8Encoding());
            SetEncoding({&Utf8Encoding(), false, EncodingRule::Chosen, false});
            pieces.assign(1, WholeTextBytes());
            return true;
        } else {
            return false;
        }
    }
    store = std::move(result.bytes);
    pieces.push_back(store);
    return true;
}

} // namespace velto

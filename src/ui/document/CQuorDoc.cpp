// A document: one file open in the editor.
#include "ui/document/CQuorDoc.h"

#include "ui/app/CQuorApp.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/document/CQuorView.h"

#include <QFileInfo>

namespace velto {

namespace {
const QString ModifiedMark = QStringLiteral(" *");
}

CQuorDoc::CQuorDoc(CQuorDocManager& manager, int typeIndex, QObject* parent)
    : QObject(parent), manager_(manager), typeIndex_(typeIndex) {}

QString CQuorDoc::Title() const {
    return modified_ ? baseTitle_ + ModifiedMark : baseTitle_;
}

void CQuorDoc::SetTitle(const QString& title) {
    baseTitle_ = title.endsWith(ModifiedMark) ? title.chopped(ModifiedMark.size()) : title;
    Q_EMIT TitleChanged(Title());
}

void CQuorDoc::SetPathName(const QString& path) {
    path_ = QFileInfo(path).absoluteFilePath();
    SetTitle(QFileInfo(path_).fileName());
}

void CQuorDoc::SetModifiedFlag(bool modified) {
    // Marked modified while the history still says the text is the saved one: the change
    // came from outside the history (a recovered text, a load cut short), so no undo may
    // lead back to "unmodified".
    if (modified && view_ && view_->UndoHistory().AtSaved())
        view_->UndoHistory().ForgetSavedState();
    if (modified == modified_)
        return;
    if (!modified && view_)
        view_->UndoHistory().MarkSaved();
    modified_ = modified;
    SetTitle(baseTitle_);
    Q_EMIT ModifiedChanged(modified_);
}

bool CQuorDoc::OnOpenDocument(const QString& path) {
    if (!view_)
        return false;
    bool partial = false;
    if (!view_->LoadDocumentFile(path, &partial))
        return false;
    if (partial) {
        // Only part of the file could be read: keep the text, but leave the document
        // without a path so that a plain Save cannot overwrite the whole file with it.
        path_.clear();
        SetTitle(QFileInfo(path).fileName());
        SetModifiedFlag(true);
        return true;
    }
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

void CQuorDoc::OpenRecovered(const QString& path, const QByteArray& text, const std::string& encoding) {
    if (!view_)
        return;
    view_->LoadDocumentBytes(text);
    std::optional<DocumentEncoding> kept = ParseEncodingField(encoding);
    if (!kept) {
        kept.emplace();
        kept->raw = true;
        kept->rule = EncodingRule::Chosen;
    }
    view_->SetEncoding(*kept);
    if (!path.isEmpty())
        SetPathName(path);
    SetModifiedFlag(true);
}

bool CQuorDoc::OnSaveDocument(const QString& path) {
    if (!view_ || !view_->SaveToFile(path, false))
        return false;
    SetModifiedFlag(false);
    return true;
}

bool CQuorDoc::DoSave(const QString& path, bool replace) {
    QString target = path;
    if (target.isEmpty()) {
        QString proposed = path_.isEmpty() ? baseTitle_ : path_;
        if (!manager_.PromptFileName(proposed, false, this))
            return false;
        target = proposed;
    }
    if (view_)
        view_->FlushChange();
    const bool ok = OnSaveDocument(target);
    if (ok && replace)
        SetPathName(target);
    // A copy saved elsewhere leaves the folder menus alone, and a failed save leaves the
    // recent file list and the menus as they were.
    if (ok && (replace || path.isEmpty()))
        Q_EMIT Saved(target);
    return ok;
}

bool CQuorDoc::DoFileSave() {
    return DoSave(path_);
}

bool CQuorDoc::SaveModified() {
    if (view_)
        view_->FlushChange();
    if (!modified_)
        return true;
    const QString name = path_.isEmpty() ? baseTitle_ : path_;
    switch (manager_.App().GetPrompter().AskYesNoCancel(
        QStringLiteral("Save changes to %1?").arg(name).toStdString())) {
    case Prompter::Answer::Yes:
        return DoFileSave();
    case Prompter::Answer::No:
        return true;
    case Prompter::Answer::Cancel:
        break;
    }
    return false;
}

} // namespace velto

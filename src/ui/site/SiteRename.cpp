// Renaming or moving a file or folder of the site with its links kept working.
#include "ui/site/SiteRename.h"

#include "core/platform/Prompter.h"
#include "core/site/RenamePlan.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/CQuorApp.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/document/CQuorView.h"
#include "ui/site/FileEditsApplier.h"
#include "ui/site/FileEditsPreview.h"
#include "ui/site/SiteDock.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>

#include <map>
#include <string>

namespace velto {

namespace {
QString Tr(const char* text) {
    return QCoreApplication::translate("SiteRename", text);
}

bool IsBelow(const QString& folder, const QString& path) {
    const QString relative = QDir(folder).relativeFilePath(path);
    return relative != QLatin1String("..") && !relative.startsWith(QLatin1String("../")) &&
           !QFileInfo(relative).isAbsolute();
}

std::string CleanPath(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath()).toStdString();
}

// The links of the open site are the ones kept working; a file outside it is taken with
// the pages of its own folder.
QString SiteRootFor(CMainFrame& frame, const QString& from) {
    if (const auto* dock = frame.findChild<SiteDock*>();
        dock && !dock->Folder().isEmpty() && IsBelow(dock->Folder(), from) &&
        QDir::cleanPath(dock->Folder()) != QDir::cleanPath(from))
        return dock->Folder();
    return QFileInfo(from).absolutePath();
}

// Documents open on what moved follow it, so that saving them writes the moved file.
void MoveOpenDocuments(CQuorDocManager& docs, const RenamePlan& plan) {
    for (CQuorDoc* doc : docs.Documents()) {
        if (doc->PathName().isEmpty())
            continue;
        const std::string path = CleanPath(doc->PathName());
        const std::string moved = MovedPath(plan, path);
        if (moved != path)
            doc->SetPathName(QString::fromStdString(moved));
    }
}
} // namespace

void RenameWithLinkUpdate(CMainFrame& frame, QWidget* parent, const QString& from,
                          const QString& to) {
    Prompter& prompter = frame.App().GetPrompter();
    if (QFileInfo::exists(to) || QFileInfo(to).isSymLink()) {
        prompter.Message(Tr("%1 already exists.").arg(to).toStdString(), Prompter::Kind::Error);
        return;
    }
    const QString root = SiteRootFor(frame, from);
    const LinkAttributes attributes(frame.App().HasKnowledgeBase() ? &frame.App().KnowledgeBase()
                                                                   : nullptr);
    // Open pages are read as they stand in the editor, edited or not.
    std::map<std::string, std::string> open;
    for (CQuorDoc* doc : frame.App().DocManager().Documents())
        if (doc->View() && !doc->PathName().isEmpty()) {
            const QByteArray text = doc->View()->TextBytes();
            open[CleanPath(doc->PathName())] = text.toStdString();
        }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    RenamePlan plan = PlanRename(
        root.toStdString(), from.toStdString(), to.toStdString(), attributes,
        [&open](const std::string& path) -> const std::string* {
            const auto it = open.find(path);
            return it == open.end() ? nullptr : &it->second;
        });
    QApplication::restoreOverrideCursor();

    std::vector<FileEdits> edits = plan.edits;
    if (!edits.empty()) {
        FileEditsPreview preview(
            std::move(edits), Tr("Rename"),
            Tr("Moving %1 to %2 changes these links. Untick what should stay as it is. Pages "
               "open in the editor are changed in their windows and left unsaved.")
                .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to)),
            root, parent);
        preview.SetAcceptText(Tr("&Rename"));
        preview.SetAlternativeText(Tr("&Move without updating links"));
        const int choice = preview.exec();
        if (choice == FileEditsPreview::Cancelled)
            return;
        if (choice == FileEditsPreview::Accepted)
            edits = preview.Edits();
    }
    // The move first, alone: its links are made by the applier below, which changes open
    // pages in their views rather than on disk.
    RenamePlan move = plan;
    move.edits.clear();
    WriteSummary none;
    std::string error;
    if (!ApplyRename(move, none, error)) {
        prompter.Message(error, Prompter::Kind::Error);
        return;
    }
    MoveOpenDocuments(frame.App().DocManager(), plan);
    for (FileEdits& file : edits)
        file.path = MovedPath(plan, file.path);
    const WriteSummary summary = ApplyFileEdits(frame.App().DocManager(), edits);
    QString text;
    if (summary.edits > 0 || !summary.failures.empty())
        text = EditsSummaryText(summary, EditsKind::Links);
    if (!plan.skippedPages.empty()) {
        if (!text.isEmpty())
            text += QStringLiteral("\n\n");
        text += Tr("Pages whose links follow a BASE element were left as they are:");
        for (const std::string& page : plan.skippedPages)
            text += QStringLiteral("\n") + QString::fromStdString(page);
    }
    if (!text.isEmpty())
        prompter.Message(text.toStdString(), summary.failures.empty() && plan.skippedPages.empty()
                                                 ? Prompter::Kind::Information
                                                 : Prompter::Kind::Warning);
}

} // namespace velto

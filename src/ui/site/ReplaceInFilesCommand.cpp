// Replace in Files in the window.
#include "ui/site/ReplaceInFilesCommand.h"

#include "core/platform/Prompter.h"
#include "core/site/ReplaceInFiles.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/CQuorApp.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/document/CQuorView.h"
#include "ui/site/FileEditsApplier.h"
#include "ui/site/FileEditsPreview.h"
#include "ui/site/FindInFilesDialog.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <atomic>
#include <set>
#include <thread>

namespace velto {

namespace {
// Shown while the worker lists the changes; closes itself when the worker is done, so the
// worker has always finished when exec() returns. Stop (or Escape) asks it to end early.
class PlanningDialog final : public QDialog {
public:
    PlanningDialog(const QString& folder, std::atomic<bool>& stop, QWidget* parent)
        : QDialog(parent), stop_(stop), label_(new QLabel(tr("Listing the changes in %1...")
                                                              .arg(QDir::toNativeSeparators(folder)))),
          progress_(new QProgressBar), stopButton_(new QPushButton(tr("&Stop"))) {
        setWindowTitle(tr("Replace in Files"));
        setObjectName(QStringLiteral("ReplacePlanning"));
        progress_->setRange(0, 0);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(label_);
        auto* row = new QHBoxLayout;
        row->addWidget(progress_, 1);
        row->addWidget(stopButton_);
        layout->addLayout(row);
        connect(stopButton_, &QPushButton::clicked, this, &PlanningDialog::reject);
        resize(420, sizeHint().height());
    }

    void reject() override {
        stop_.store(true);
        stopButton_->setEnabled(false);
        label_->setText(tr("Stopping..."));
    }

    void Progress(int done, int total) {
        progress_->setRange(0, total);
        progress_->setValue(done);
    }

private:
    std::atomic<bool>& stop_;
    QLabel* label_;
    QProgressBar* progress_;
    QPushButton* stopButton_;
};

// Whether the search of the folder reads the file: below it, and neither the file nor a
// folder on the way hidden.
bool IsSearched(const QString& folder, const QString& path) {
    const QString relative = QDir(folder).relativeFilePath(path);
    if (relative.startsWith(QLatin1String("../")) || relative == QLatin1String("..") ||
        QFileInfo(relative).isAbsolute())
        return false;
    const QStringList parts = relative.split(QLatin1Char('/'));
    return std::none_of(parts.begin(), parts.end(),
                        [](const QString& part) { return part.startsWith(QLatin1Char('.')); });
}

std::vector<TextEdit> PlanInView(CQuorView& view, const TextSearch& search,
                                 const std::string& replacement) {
    const QByteArray text = view.TextBytes();
    return PlanReplaceInText(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                             search, replacement);
}

// Open documents are changed in their views: their plans come from the text there, which
// may differ from the file (edited, unsaved), and pages only the editor holds are added.
void PlanOpenDocuments(std::vector<FileEdits>& plan, CQuorDocManager& docs,
                       const TextSearch& search, const ReplaceRequest& request) {
    std::set<const CQuorDoc*> planned;
    for (auto it = plan.begin(); it != plan.end();) {
        CQuorDoc* doc = docs.FindByPath(QString::fromStdString(it->path));
        if (!doc || !doc->View()) {
            ++it;
            continue;
        }
        planned.insert(doc);
        it->edits = PlanInView(*doc->View(), search, request.replacement);
        it = it->edits.empty() ? plan.erase(it) : it + 1;
    }
    const QString folder = QString::fromStdString(request.folder);
    const IncludePatterns include(request.include);
    for (CQuorDoc* doc : docs.Documents()) {
        const QString path = doc->PathName();
        if (planned.count(doc) || !doc->View() || path.isEmpty() || !IsSearched(folder, path) ||
            !include.Matches(QFileInfo(path).fileName().toStdString()))
            continue;
        FileEdits file;
        file.path = path.toStdString();
        file.edits = PlanInView(*doc->View(), search, request.replacement);
        if (!file.edits.empty())
            plan.push_back(std::move(file));
    }
}
} // namespace

std::optional<std::vector<FileEdits>>
PlanReplaceInSite(QWidget* parent, CQuorDocManager& docs, const ReplaceRequest& request) {
    std::string error;
    const std::optional<TextSearch> search = TextSearch::Compile(request.options, error);
    if (!search)
        return std::nullopt;
    std::atomic<bool> stop{false};
    std::vector<FileEdits> plan;
    PlanningDialog dialog(QString::fromStdString(request.folder), stop, parent);
    // What the worker posts reaches the dialog through its event queue; the dialog ends
    // only on the last post, so it outlives them all.
    std::thread worker([&] {
        std::vector<FileEdits> found = PlanReplaceInFiles(
            request.folder, *search, request.replacement, IncludePatterns(request.include),
            &stop, [&dialog](std::size_t done, std::size_t total) {
                QMetaObject::invokeMethod(
                    &dialog,
                    [&dialog, done, total] {
                        dialog.Progress(static_cast<int>(done), static_cast<int>(total));
                    },
                    Qt::QueuedConnection);
            });
        QMetaObject::invokeMethod(
            &dialog,
            [&dialog, &plan, found = std::move(found)]() mutable {
                plan = std::move(found);
                dialog.accept();
            },
            Qt::QueuedConnection);
    });
    dialog.exec();
    worker.join();
    if (stop.load())
        return std::nullopt;
    PlanOpenDocuments(plan, docs, *search, request);
    return plan;
}

void RunReplaceInFiles(CMainFrame& frame, const QString& folder, const QString& text) {
    static QString lastReplacement;
    FindInFilesDialog dialog(folder, text, &frame, FindInFilesDialog::Mode::Replace);
    dialog.SetReplacement(lastReplacement);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ReplaceRequest request;
    request.options = dialog.Options();
    request.replacement = dialog.Replacement();
    request.folder = QDir::cleanPath(dialog.Folder()).toStdString();
    request.include = dialog.Include().toStdString();
    lastReplacement = QString::fromStdString(request.replacement);
    CQuorDocManager& docs = frame.App().DocManager();
    Prompter& prompter = frame.App().GetPrompter();
    std::optional<std::vector<FileEdits>> plan = PlanReplaceInSite(&frame, docs, request);
    if (!plan)
        return; // stopped: nothing was changed
    const QString pattern = QString::fromStdString(request.options.pattern);
    if (plan->empty()) {
        prompter.Message(QObject::tr("No page in %1 holds \"%2\".")
                             .arg(QDir::toNativeSeparators(dialog.Folder()), pattern)
                             .toStdString(),
                         Prompter::Kind::Information);
        return;
    }
    FileEditsPreview preview(
        std::move(*plan), QObject::tr("Replace in Files"),
        QObject::tr("Replacing \"%1\" with \"%2\". Untick what should stay as it is. Pages open "
                    "in the editor are changed in their windows and left unsaved; the others "
                    "are written now.")
            .arg(pattern, lastReplacement),
        QString::fromStdString(request.folder), &frame);
    if (preview.exec() != QDialog::Accepted)
        return;
    const WriteSummary summary = ApplyFileEdits(docs, preview.Edits());
    prompter.Message(EditsSummaryText(summary, EditsKind::Matches).toStdString(),
                     summary.failures.empty() ? Prompter::Kind::Information
                                              : Prompter::Kind::Warning);
}

} // namespace velto

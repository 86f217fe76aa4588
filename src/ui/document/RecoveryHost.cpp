// Recovery files of unsaved documents.
#include "ui/document/RecoveryHost.h"

#include "ui/app/CMainFrame.h"
#include "ui/app/CQuorApp.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/document/CQuorView.h"

#include <QFile>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <new>
#include <system_error>

namespace velto {

namespace {
using Clock = RecoverySchedule::Clock;

// Above this a text is written straight from the control's buffer on the event loop, as
// before the worker: a copy for the worker would add the document's size again to the
// memory in use (a 200 MB page would need 400 MB), and the wait is a rare one for a
// document that large.
constexpr std::size_t LargestCopy = 64 * 1024 * 1024;

std::int64_t SecondsNow() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// How a recovered document is named in the dialog and in messages.
QString DocumentName(const RecoveryRecord& r) {
    return r.Untitled() ? QStringLiteral("%1 (untitled)").arg(QString::fromStdString(r.title))
                        : QFile::decodeName(QByteArray::fromStdString(r.path));
}
} // namespace

RecoveryHost::RecoveryHost(CQuorApp& app, const QString& folder)
    : app_(app), folder_(QFile::encodeName(folder).toStdString()) {
    std::string error;
    lock_ = folder_.StartOwner(owner_, error);
    if (!lock_) {
        std::fprintf(stderr, "velto: unsaved documents will not be kept for recovery: %s\n", error.c_str());
    } else {
        // The worker only posts the news; the results are taken here, on the event loop.
        try {
            writer_ = std::make_unique<RecoveryWriter>(folder_, [this] {
                QMetaObject::invokeMethod(this, &RecoveryHost::TakeResults, Qt::QueuedConnection);
            });
        } catch (const std::system_error& e) {
            // No thread to be had: the editor runs on, only without recovery files.
            std::fprintf(stderr, "velto: unsaved documents will not be kept for recovery: %s\n", e.what());
            lock_->RemoveFile();
            lock_.reset();
        }
    }
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &RecoveryHost::WriteDue);
}

RecoveryHost::~RecoveryHost() {
    // Without Shutdown (the object goes with the application, not at a clean exit) the
    // files stay for the next start, as after a crash. What was handed to the worker is
    // written first, and no wake call can come once it is gone.
    if (writer_)
        writer_->Drain();
    writer_.reset();
    if (releasing_)
        folder_.Release(*releasing_);
    if (offer_)
        folder_.Release(*offer_);
    if (lock_ && !folder_.HasFiles(owner_))
        lock_->RemoveFile();
}

void RecoveryHost::Watch(CQuorDoc* doc) {
    if (!lock_ || watched_.count(doc))
        return;
    watched_[doc];
    connect(doc, &CQuorDoc::ModifiedChanged, this, [this, doc](bool modified) {
        if (modified)
            Changed(doc);
        else
            Unmodified(doc);
    });
    connect(doc, &CQuorDoc::Closed, this, [this, doc] { Drop(doc, true); });
    // Destroyed without being closed: the application object went without a clean exit.
    connect(doc, &QObject::destroyed, this, [this, doc] { Drop(doc, false); });
    if (CQuorView* view = doc->View())
        connect(view, &CQuorView::TextEdited, this, [this, doc] {
            if (doc->IsModified())
                Changed(doc);
        });
    if (doc->IsModified())
        Changed(doc);
}

QString RecoveryHost::FileOf(CQuorDoc* doc) const {
    const auto it = watched_.find(doc);
    if (it == watched_.end() || it->second.file.empty())
        return {};
    return QFile::decodeName(QByteArray::fromStdString(folder_.FilePath(it->second.file)));
}

void RecoveryHost::Changed(CQuorDoc* doc) {
    const auto it = watched_.find(doc);
    if (it == watched_.end())
        return;
    it->second.schedule.Changed(Clock::now());
    // The timer is left alone while it fires soon enough: typing does not restart it.
    const auto idleMs = std::chrono::duration_cast<std::chrono::milliseconds>(RecoverySchedule::IdleDelay).count();
    if (!timer_.isActive() || timer_.remainingTime() > idleMs)
        Arm();
}

void RecoveryHost::Unmodified(CQuorDoc* doc) {
    // Saved, or undone back to the saved text: the file on disk holds it.
    const auto it = watched_.find(doc);
    if (it == watched_.end())
        return;
    it->second.schedule.Clear();
    // Queued behind any write of the file still on its way, so it goes after that.
    if (!it->second.file.empty())
        writer_->Remove(it->second.file);
    it->second.file.clear();
    it->second.lastWrite = 0;
}

void RecoveryHost::Drop(CQuorDoc* doc, bool removeFile) {
    const auto it = watched_.find(doc);
    if (it == watched_.end())
        return;
    if (removeFile && !it->second.file.empty())
        writer_->Remove(it->second.file);
    watched_.erase(it); // a result still to come for it finds no document and is dropped
}

bool RecoveryHost::Write(CQuorDoc* doc, Watched& w, const std::string& thenRemove) {
    CQuorView* view = doc->View();
    if (!view || !doc->IsModified()) {
        w.schedule.Clear();
        return false;
    }
    view->FlushChange();
    if (w.file.empty())
        w.file = RecoveryFolder::FileName(owner_, nextSerial_++);
    RecoveryRecord meta;
    meta.path = QFile::encodeName(doc->PathName()).toStdString();
    meta.title = doc->BaseTitle().toStdString();
    meta.savedAt = SecondsNow();
    meta.encoding = EncodingField(view->Encoding());
    // One copy out of the control's contiguous buffer for the worker; the checksum and
    // the flush to the disk happen there.
    const auto* bytes = static_cast<const char*>(view->SendScintillaPtrResult(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    const std::string_view text(bytes, static_cast<std::size_t>(view->TextLength()));
    if (text.size() <= LargestCopy) {
        try {
            w.lastWrite = writer_->Write(w.file, meta, std::string(text), thenRemove);
            w.schedule.Written(); // later edits make it pending again
            return true;
        } catch (const std::bad_alloc&) {
            // No room for the copy: written from the buffer below instead.
        }
    }
    // Written here, from the buffer. Whatever the worker still holds for this file goes
    // first, so an older text never lands over this one.
    writer_->Drain();
    TakeResults();
    w.lastWrite = 0;
    std::string error;
    if (!folder_.Write(w.file, meta, text, error)) {
        w.schedule.Failed(Clock::now());
        ReportFailure(w, error);
        return false;
    }
    if (!thenRemove.empty())
        folder_.Remove(thenRemove);
    w.schedule.Written();
    w.failureShown = false;
    return true;
}

void RecoveryHost::TakeResults() {
    if (!writer_)
        return;
    bool failed = false;
    for (const RecoveryWriter::Result& r : writer_->TakeResults()) {
        if (releasing_ && r.ticket >= recoverTicket_) {
            // The recovered texts are in this editor's files now (or, where a write
            // failed, still in the old ones): other editors may look at the owners again.
            folder_.Release(*releasing_);
            releasing_.reset();
        }
        const auto it = std::find_if(watched_.begin(), watched_.end(), [&](const auto& entry) {
            return entry.second.file == r.name;
        });
        if (it == watched_.end())
            continue; // closed or saved since: nothing more to do for it
        Watched& w = it->second;
        if (r.ok) {
            w.failureShown = false;
        } else if (r.ticket == w.lastWrite) {
            // A write queued after this one would hold newer text and tell its own fate.
            w.schedule.Failed(Clock::now());
            ReportFailure(w, r.error);
            failed = true;
        }
    }
    if (failed)
        Arm();
}

void RecoveryHost::WaitForWrites() {
    if (!writer_)
        return;
    writer_->Drain();
    TakeResults();
}

void RecoveryHost::ReportFailure(Watched& w, const std::string& error) {
    if (w.failureShown)
        return;
    w.failureShown = true;
    std::fprintf(stderr, "velto: %s\n", error.c_str());
    if (CMainFrame* frame = app_.MainFrame())
        frame->ShowPrompt(QStringLiteral("Could not keep unsaved text for recovery: %1")
                              .arg(QString::fromStdString(error)));
}

void RecoveryHost::WriteDue() {
    const Clock::time_point now = Clock::now();
    for (auto& [doc, w] : watched_)
        if (w.schedule.IsDue(now))
            Write(doc, w);
    Arm();
}

void RecoveryHost::WriteAllNow() {
    for (auto& [doc, w] : watched_)
        if (w.schedule.Pending())
            Write(doc, w);
    Arm();
}

void RecoveryHost::Arm() {
    std::optional<Clock::time_point> first;
    for (const auto& [doc, w] : watched_)
        if (const std::optional<Clock::time_point> due = w.schedule.DueAt())
            first = first ? std::min(*first, *due) : *due;
    if (!first) {
        timer_.stop();
        return;
    }
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*first - Clock::now()).count();
    timer_.start(static_cast<int>(std::max<long long>(0, wait)));
}

void RecoveryHost::Shutdown() {
    timer_.stop();
    // Only a document that is still open with changes (the exit did not close it) is
    // written: its text stays recoverable.
    for (auto& [doc, w] : watched_)
        if (w.schedule.Pending())
            Write(doc, w);
    // Everything handed to the worker lands before the folder is looked at; a failure
    // is still reported.
    WaitForWrites();
    watched_.clear();
    if (offer_) {
        folder_.Release(*offer_);
        offer_.reset();
    }
    if (lock_ && !folder_.HasFiles(owner_))
        lock_->RemoveFile();
    lock_.reset();
}

void RecoveryHost::OfferLeftFiles() {
    if (offered_ || !lock_)
        return;
    offered_ = true;
    offer_ = std::make_unique<RecoveryFolder::Orphans>(folder_.TakeOverOrphans(owner_));
    ReportDamaged(offer_->damaged);
    if (offer_->offers.empty()) {
        folder_.Release(*offer_);
        offer_.reset();
        return;
    }
    std::vector<RecoveryDlg::Item> items;
    for (const RecoveryFolder::Offer& o : offer_->offers)
        items.push_back({DocumentName(o.record), QDateTime::fromSecsSinceEpoch(o.record.savedAt)});
    if (chooseHook) {
        Apply(chooseHook(items));
        return;
    }
    // Open without a loop of its own: commands from other starts go on meanwhile.
    auto* dlg = new RecoveryDlg(items, app_.MainWindow());
    dlg->setAttribute(Qt::WA_DeleteOnClose);
    connect(dlg, &QDialog::finished, this, [this](int result) {
        Apply(static_cast<RecoveryDlg::Choice>(result));
    });
    dlg->open();
}

void RecoveryHost::ReportDamaged(const std::vector<RecoveryFolder::Damaged>& damaged) {
    if (damaged.empty())
        return;
    QString text = QStringLiteral("These recovery files are damaged and were not opened:\n");
    bool setAside = false;
    for (const RecoveryFolder::Damaged& d : damaged) {
        text += QStringLiteral("\n%1: %2").arg(QString::fromStdString(d.file), QString::fromStdString(d.problem));
        setAside = setAside || !d.keptAt.empty();
    }
    if (setAside)
        text += QStringLiteral("\n\nThey are kept in %1.")
                    .arg(QFile::decodeName(QByteArray::fromStdString(folder_.FilePath(DamagedFolderName))));
    app_.GetPrompter().Message(text.toStdString(), Prompter::Kind::Warning);
}

void RecoveryHost::Apply(RecoveryDlg::Choice choice) {
    if (!offer_)
        return;
    if (choice == RecoveryDlg::Discard &&
        !app_.GetPrompter().AskYesNo("Discard the unsaved text of these documents? It cannot be "
                                     "brought back.\n\n(No keeps it for the next start.)"))
        choice = RecoveryDlg::Later;
    if (choice == RecoveryDlg::Recover) {
        if (const std::uint64_t last = Recover()) {
            // The old files go on the worker; their owners stay claimed until then.
            recoverTicket_ = last;
            releasing_ = std::move(offer_);
            return;
        }
    } else if (choice == RecoveryDlg::Discard) {
        // Directly: the worker is never given these files to write, only (after Recover)
        // to remove, and nothing was recovered here.
        for (const RecoveryFolder::Offer& o : offer_->offers)
            folder_.Remove(o.file);
    }
    folder_.Release(*offer_);
    offer_.reset();
}

std::uint64_t RecoveryHost::Recover() {
    std::uint64_t last = 0;
    for (RecoveryFolder::Offer& o : offer_->offers) {
        const QByteArray text = QByteArray::fromStdString(o.record.text);
        o.record.text.clear();
        CQuorDoc* doc = app_.DocManager().OpenRecovered(
            QFile::decodeName(QByteArray::fromStdString(o.record.path)), text, o.record.encoding);
        // The old file goes once this editor's own file holds the text: after the write,
        // and only when it succeeded.
        const auto it = watched_.find(doc);
        if (doc && it != watched_.end() && Write(doc, it->second, o.file))
            last = std::max(last, it->second.lastWrite);
    }
    return last;
}

} // namespace velto

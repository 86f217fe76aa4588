// Keeps a recovery file of every document with unsaved changes, so a crash, a killed
// session or a power cut loses nothing typed: the text is written on a worker thread
// (RecoveryWriter) when the typing pauses (see RecoverySchedule), the file goes when the
// document is saved or closed without saving, and a clean exit leaves none. At start-up
// the files left by editors that are gone are offered back.
#pragma once

#include "core/recovery/RecoveryFolder.h"
#include "core/recovery/RecoverySchedule.h"
#include "core/recovery/RecoveryWriter.h"
#include "ui/document/RecoveryDlg.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace velto {

class CQuorApp;
class CQuorDoc;

class RecoveryHost : public QObject {
    Q_OBJECT
public:
    // folder: where the files go; made when missing. Without a usable folder nothing is
    // written (said once on the standard error).
    RecoveryHost(CQuorApp& app, const QString& folder);
    ~RecoveryHost() override;

    [[nodiscard]] bool Active() const { return lock_ != nullptr; }
    [[nodiscard]] QString Folder() const { return QString::fromStdString(folder_.Path()); }

    // Follows a document's changes from now on.
    void Watch(CQuorDoc* doc);
    // The recovery file that holds a document's text, or an empty string.
    [[nodiscard]] QString FileOf(CQuorDoc* doc) const;

    // Writes every document whose latest changes are not in its file yet, without
    // waiting for the pause (what the timer does when the pause has come). The writes go
    // to the worker; this returns once their texts are copied.
    void WriteAllNow();
    // Waits until the worker has done every write and removal handed to it, and takes
    // their results (the folder then shows them).
    void WaitForWrites();

    // Once, after the main window shows: files of editors that are gone are offered in
    // the recovery dialog, and damaged ones are reported and kept aside.
    void OfferLeftFiles();
    // Tests answer the dialog through this instead of showing it.
    std::function<RecoveryDlg::Choice(const std::vector<RecoveryDlg::Item>&)> chooseHook;

    // The clean exit, after the documents were closed: nothing more is written and this
    // editor's lock goes. A document still open with changes keeps its file.
    void Shutdown();

private:
    struct Watched {
        RecoverySchedule schedule;
        std::string file; // its name in the folder; empty until first written
        bool failureShown = false;
        std::uint64_t lastWrite = 0; // the ticket of its latest write on the worker, if any
    };

    void Changed(CQuorDoc* doc);
    void Unmodified(CQuorDoc* doc);
    void Drop(CQuorDoc* doc, bool removeFile);
    bool Write(CQuorDoc* doc, Watched& w, const std::string& thenRemove = {});
    void TakeResults();
    void WriteDue();
    void Arm();
    void ReportFailure(Watched& w, const std::string& error);
    void ReportDamaged(const std::vector<RecoveryFolder::Damaged>& damaged);
    void Apply(RecoveryDlg::Choice choice);
    std::uint64_t Recover();

    CQuorApp& app_;
    RecoveryFolder folder_;
    std::string owner_;
    std::unique_ptr<OwnerLock> lock_;
    unsigned nextSerial_ = 1;
    std::map<CQuorDoc*, Watched> watched_;
    QTimer timer_;
    bool offered_ = false;
    // The files on offer while the dialog is open; their owners' locks are held meanwhile.
    std::unique_ptr<RecoveryFolder::Orphans> offer_;
    // Recovered files whose owners' locks are held until the writes that replace them,
    // up to the ticket recoverTicket_, are done: no other editor offers them meanwhile.
    std::unique_ptr<RecoveryFolder::Orphans> releasing_;
    std::uint64_t recoverTicket_ = 0;
    std::unique_ptr<RecoveryWriter> writer_; // only while active
};

} // namespace velto

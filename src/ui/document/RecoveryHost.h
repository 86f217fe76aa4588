// Keeps a recovery file of every document with unsaved changes, so a crash, a killed
// session or a power cut loses nothing typed: the text is written in the background of
// the event loop when the typing pauses (see RecoverySchedule), the file goes when the
// document is saved or closed without saving, and a clean exit leaves none. At start-up
// the files left by editors that are gone are offered back.
#pragma once

#include "core/recovery/RecoveryFolder.h"
#include "core/recovery/RecoverySchedule.h"
#include "ui/document/RecoveryDlg.h"

#include <QObject>
#include <QString>
#include <QTimer>

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
    // waiting for the pause (what the timer does when the pause has come).
    void WriteAllNow();

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
    };

    void Changed(CQuorDoc* doc);
    void Unmodified(CQuorDoc* doc);
    void Drop(CQuorDoc* doc, bool removeFile);
    bool Write(CQuorDoc* doc, Watched& w);
    void WriteDue();
    void Arm();
    void ReportFailure(Watched& w, const std::string& error);
    void ReportDamaged(const std::vector<RecoveryFolder::Damaged>& damaged);
    void Apply(RecoveryDlg::Choice choice);
    void Recover();

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
};

} // namespace velto

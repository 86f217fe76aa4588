// CheckHost: the worker, the vocabulary of the version selection, and the views' checks.
#include "ui/check/CheckHost.h"

#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/CQuorApp.h"
#include "ui/check/ViewChecks.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/document/CQuorView.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace velto {

CheckHost::CheckHost(CMainFrame& frame) : QObject(&frame), frame_(frame) {
    setObjectName(QStringLiteral("CheckHost"));
    CheckSettings settings;
    settings.Load(frame.App().GetProfile());
    settings_ = std::make_shared<const CheckSettings>(settings);
    // Results arrive on the worker's thread and are handed to the event loop.
    worker_ = std::make_unique<CheckWorker>([this](CheckWorker::Result result) {
        QMetaObject::invokeMethod(
            this, [this, r = std::move(result)]() mutable { Deliver(std::move(r)); },
            Qt::QueuedConnection);
    });

    CQuorApp& app = frame.App();
    // The knowledge base comes after the window; every change of the version selection
    // (the first at start-up) makes a new vocabulary and checks the pages again.
    connect(&app, &CQuorApp::KnowledgeBaseReady, this, [this, &app] {
        listener_ = app.KnowledgeBase().AddRebuildListener([this] { RebuildVocabulary(); });
    });
    connect(&app, &CQuorApp::KnowledgeBaseClosing, this, [this, &app] {
        if (listener_ != 0 && app.HasKnowledgeBase())
            app.KnowledgeBase().RemoveRebuildListener(listener_);
        listener_ = 0;
    });
    if (app.HasKnowledgeBase()) {
        listener_ = app.KnowledgeBase().AddRebuildListener([this] { RebuildVocabulary(); });
        RebuildVocabulary();
    }
    connect(&app.DocManager(), &CQuorDocManager::DocumentOpened, this, &CheckHost::Watch);
    connect(frame.MdiArea(), &QMdiArea::subWindowActivated, this, &CheckHost::ActiveChanged);
    for (CQuorDoc* doc : app.DocManager().Documents())
        Watch(doc);
}

CheckHost::~CheckHost() {
    worker_.reset();
    if (listener_ != 0 && frame_.App().HasKnowledgeBase())
        frame_.App().KnowledgeBase().RemoveRebuildListener(listener_);
}

void CheckHost::Watch(CQuorDoc* doc) {
    CQuorView* view = doc ? doc->View() : nullptr;
    if (view == nullptr || ChecksOf(view) != nullptr)
        return;
    auto* checks = new ViewChecks(*this, *view, nextId_++);
    checks_[checks->Id()] = checks;
    connect(checks, &ViewChecks::ProblemsChanged, this,
            [this, view] { Q_EMIT ProblemsChanged(view); });
    connect(checks, &QObject::destroyed, this, [this, id = checks->Id()] {
        checks_.erase(id);
        if (worker_)
            worker_->Forget(id);
    });
    // Saved under another name, its local files are read from another folder.
    connect(doc, &CQuorDoc::Saved, checks, [checks] { checks->Schedule(0); });
    checks->Schedule(0);
}

void CheckHost::RebuildVocabulary() {
    vocabulary_ = std::make_shared<const CheckVocabulary>(frame_.App().KnowledgeBase());
    CheckAll();
}

void CheckHost::CheckAll() {
    for (const auto& [id, checks] : checks_) {
        if (!checks)
            continue;
        if (settings_->checkPages)
            checks->Schedule(0);
        else
            checks->Clear();
    }
}

void CheckHost::ApplySettings(const CheckSettings& settings) {
    settings.Save(frame_.App().GetProfile());
    if (settings == *settings_)
        return;
    settings_ = std::make_shared<const CheckSettings>(settings);
    CheckAll();
}

bool CheckHost::Submit(ViewChecks& checks, std::uint64_t generation, std::string text) {
    if (!settings_->checkPages || !vocabulary_ || !worker_->Running())
        return false;
    CheckWorker::Job job;
    job.document = checks.Id();
    job.generation = generation;
    job.text = std::move(text);
    job.vocabulary = vocabulary_;
    job.settings = settings_;
    if (const CQuorDoc* doc = checks.View().GetDocument())
        job.documentPath = doc->PathName().toStdString();
    worker_->Submit(std::move(job));
    ++submitted_;
    return true;
}

void CheckHost::Deliver(CheckWorker::Result result) {
    const auto it = checks_.find(result.document);
    if (it != checks_.end() && it->second)
        it->second->Receive(std::move(result));
}

ViewChecks* CheckHost::ChecksOf(const CQuorView* view) const {
    if (view == nullptr)
        return nullptr;
    for (const auto& [id, checks] : checks_)
        if (checks && &checks->View() == view)
            return checks;
    return nullptr;
}

ViewChecks* CheckHost::ActiveChecks() const {
    return ChecksOf(frame_.ActiveView());
}

CheckHost* CheckHostOf(const CMainFrame& frame) {
    return frame.findChild<CheckHost*>(QStringLiteral("CheckHost"), Qt::FindDirectChildrenOnly);
}

} // namespace velto

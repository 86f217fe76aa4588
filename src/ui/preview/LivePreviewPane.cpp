// The live preview pane.
#include "ui/preview/LivePreviewPane.h"

#include "core/preview/CCleanupList.h"
#include "ui/app/CMainFrame.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorView.h"
#include "ui/document/ScintillaTextControl.h"
#include "ui/preview/LivePreviewEngine.h"
#include "ui/preview/LivePreviewView.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QToolBar>

#include <utility>

namespace velto {

namespace {
// How long a page may take to load before the next refresh goes ahead regardless.
constexpr qint64 StuckLoadMs = 3000;
} // namespace

LivePreviewPane::LivePreviewPane(CMainFrame& frame, CCleanupList& cleanup, const LivePreviewSettings& settings)
    : QDockWidget(QStringLiteral("Live Preview"), &frame), frame_(frame), writer_(cleanup),
      inner_(new QMainWindow(this)), placeholder_(new QLabel(inner_)),
      untitledFolder_(QDir::tempPath() + QStringLiteral("/velto-live-XXXXXX")) {
    setObjectName(QStringLiteral("LivePreviewPane")); // the saved window layout finds it by name
    inner_->setWindowFlags(Qt::Widget);
    placeholder_->setAlignment(Qt::AlignCenter);
    placeholder_->setWordWrap(true);
    inner_->setCentralWidget(placeholder_);
    setWidget(inner_);

    auto* bar = inner_->addToolBar(QStringLiteral("Live Preview"));
    bar->setObjectName(QStringLiteral("LivePreviewBar"));
    followCaret_ = bar->addAction(QStringLiteral("Follow Caret"));
    followCaret_->setCheckable(true);
    followCaret_->setChecked(settings.followCaret);
    followCaret_->setStatusTip(QStringLiteral("Scroll the preview to the line of the caret"));
    allowRemote_ = bar->addAction(QStringLiteral("Allow Remote Content"));
    allowRemote_->setCheckable(true);
    allowRemote_->setChecked(settings.allowRemoteContent);
    allowRemote_->setStatusTip(QStringLiteral("Let the previewed page load images, scripts and styles from the web"));
    connect(followCaret_, &QAction::toggled, this, [this] {
        Q_EMIT SettingsChanged();
        Refresh(LivePreviewCause::Command);
    });
    connect(allowRemote_, &QAction::toggled, this, [this](bool on) {
        if (view_)
            view_->SetAllowRemoteContent(on);
        Q_EMIT SettingsChanged();
        Refresh(LivePreviewCause::Command);
    });

    pause_.setSingleShot(true);
    pause_.setInterval(LivePreviewDelayMs);
    connect(&pause_, &QTimer::timeout, this, [this] { Refresh(LivePreviewCause::Edit); });
    stuck_.setSingleShot(true);
    stuck_.setInterval(StuckLoadMs);
    connect(&stuck_, &QTimer::timeout, this, &LivePreviewPane::OnLoadStuck);
    connect(frame_.MdiArea(), &QMdiArea::subWindowActivated, this, &LivePreviewPane::OnActiveDocumentChanged);
    openLink = [](const QUrl& url) { QDesktopServices::openUrl(url); };
}

LivePreviewPane::~LivePreviewPane() {
    // The page view (and the engine's objects) go while the pane is still whole.
    delete viewWidget_;
}

bool LivePreviewPane::StartEngine(QString& error) {
    if (view_)
        return true;
    view_ = CreateLivePreviewView(inner_, error);
    if (!view_) {
        placeholder_->setText(QStringLiteral("The live preview is not available:\n") + error);
        return false;
    }
    viewWidget_ = view_->Widget();
    view_->SetAllowRemoteContent(allowRemote_->isChecked());
    view_->linkClicked = [this](const QUrl& url) {
        if (openLink)
            openLink(url);
    };
    view_->loaded = [this](bool ok) {
        loading_ = false;
        stuck_.stop();
        if (!ok)
            ShowProblem(QStringLiteral("The page could not be shown."));
        Q_EMIT PageLoaded(ok);
        if (std::exchange(again_, false))
            Refresh(LivePreviewCause::Command);
    };
    view_->failed = [this](const QString& reason) {
        ShowProblem(reason + QStringLiteral(" It starts again with the next refresh."));
    };
    inner_->setCentralWidget(viewWidget_);
    placeholder_ = nullptr; // deleted by the window it was taken from
    OnActiveDocumentChanged();
    return true;
}

CQuorDoc* LivePreviewPane::Document() const {
    return doc_;
}

LivePreviewSettings LivePreviewPane::Settings() const {
    LivePreviewSettings settings;
    settings.shown = isVisible();
    settings.followCaret = followCaret_->isChecked();
    settings.allowRemoteContent = allowRemote_->isChecked();
    return settings;
}

void LivePreviewPane::OnActiveDocumentChanged() {
    CQuorDoc* doc = frame_.ActiveDocument();
    if (doc == doc_)
        return;
    if (doc_) {
        disconnect(doc_, nullptr, this, nullptr);
        if (doc_->View())
            disconnect(doc_->View(), nullptr, this, nullptr);
    }
    pause_.stop();
    doc_ = doc;
    if (doc) {
        connect(doc->View(), &CQuorView::TextEdited, this, &LivePreviewPane::OnTextEdited);
        connect(doc, &CQuorDoc::Saved, this, [this] { Refresh(LivePreviewCause::Save); });
        connect(doc, &CQuorDoc::TitleChanged, this, &LivePreviewPane::UpdateTitle);
        connect(doc, &QObject::destroyed, this, [this, doc] { scroll_.erase(doc); });
    }
    Refresh(LivePreviewCause::Command);
}

void LivePreviewPane::OnTextEdited() {
    UpdateTitle();
    if (doc_ && LivePreviewRefreshes(LivePreviewCause::Edit, static_cast<std::size_t>(doc_->View()->TextLength())))
        pause_.start(); // each change starts the pause again
}

void LivePreviewPane::UpdateTitle() {
    const std::size_t size = doc_ ? static_cast<std::size_t>(doc_->View()->TextLength()) : 0;
    setWindowTitle(QString::fromStdString(
        LivePreviewTitle(doc_ ? doc_->BaseTitle().toStdString() : std::string(), size)));
}

void LivePreviewPane::Refresh(LivePreviewCause cause) {
    UpdateTitle();
    if (!view_ || !isVisible())
        return;
    CQuorView* view = doc_ ? doc_->View() : nullptr;
    if (view && !LivePreviewRefreshes(cause, static_cast<std::size_t>(view->TextLength())))
        return;
    pause_.stop();
    // A page that never finishes (a script that runs away) holds the next one back only
    // until the load is given up as stuck.
    if (loading_ && stuck_.isActive()) {
        again_ = true;
        return;
    }
    again_ = false;
    // The page being replaced leaves its place for its document's next one.
    if (pageDoc_)
        scroll_[pageDoc_.data()] = view_->ScrollPosition();
    pageDoc_ = doc_;
    // A load that follows one given up goes to a fresh page process already: trying it
    // again would only spin once more.
    retry_ = !std::exchange(loading_, true);
    stuck_.start();
    if (!view) {
        pagePath_.clear();
        view_->Load(QUrl(QStringLiteral("about:blank")), {}, false);
        return;
    }
    std::string error;
    const auto written = writer_.Write(view->Control(), doc_->PathName().toStdString(),
                                       untitledFolder_.path().toStdString(), followCaret_->isChecked(), error,
                                       &view->Encoding());
    if (!written) {
        loading_ = false;
        stuck_.stop();
        ShowProblem(QStringLiteral("The preview file could not be written: ") + QString::fromStdString(error));
        return;
    }
    inner_->statusBar()->clearMessage();
    inner_->statusBar()->hide();
    pagePath_ = QString::fromStdString(written->path);
    view_->Load(QUrl::fromLocalFile(pagePath_), scroll_[doc_.data()], followCaret_->isChecked());
}

void LivePreviewPane::OnLoadStuck() {
    if (!loading_)
        return;
    // The page may be the one running away, or a sound page sent to a page process that a
    // runaway script keeps busy, which never takes it. The view gives the next load a
    // fresh process, so the page due is tried once more there even when nothing else asks
    // for it; one that is stuck on its own process too waits for the next change.
    if (again_ || retry_)
        Refresh(LivePreviewCause::Command);
}

void LivePreviewPane::ShowProblem(const QString& text) {
    inner_->statusBar()->show();
    inner_->statusBar()->showMessage(text);
}

} // namespace velto

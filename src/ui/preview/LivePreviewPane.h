// The live preview pane: a dock of the main window showing the active document as the
// browser will, rewritten and reloaded a moment after each pause in typing.
#pragma once

#include "core/preview/LivePreviewRules.h"
#include "core/preview/LivePreviewWriter.h"

#include <QDockWidget>
#include <QPointF>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <map>

class QAction;
class QLabel;
class QMainWindow;

namespace velto {

class CCleanupList;
class CMainFrame;
class CQuorDoc;
class LivePreviewView;
class Profile;

class LivePreviewPane final : public QDockWidget {
    Q_OBJECT
public:
    LivePreviewPane(CMainFrame& frame, CCleanupList& cleanup, const LivePreviewSettings& settings);
    ~LivePreviewPane() override;

    // Starts the engine and the page view (the first show); false with the reason when
    // the engine cannot start, and the pane is then of no use.
    bool StartEngine(QString& error);
    // Rewrites and reloads the page of the document shown, when the cause calls for it at
    // the document's size.
    void Refresh(LivePreviewCause cause);

    [[nodiscard]] LivePreviewSettings Settings() const;
    [[nodiscard]] CQuorDoc* Document() const;
    [[nodiscard]] LivePreviewView* View() const { return view_; }
    // The file and address of the last page loaded.
    [[nodiscard]] QString PagePath() const { return pagePath_; }
    [[nodiscard]] QAction* FollowCaretItem() const { return followCaret_; }
    [[nodiscard]] QAction* AllowRemoteItem() const { return allowRemote_; }

    // Where links followed in the page go: the desktop's browser unless a test says.
    std::function<void(const QUrl&)> openLink;

Q_SIGNALS:
    // A page asked for has arrived (ok) or failed to.
    void PageLoaded(bool ok);
    // A check item changed: the settings are worth saving.
    void SettingsChanged();

private:
    void OnActiveDocumentChanged();
    void OnTextEdited();
    void UpdateTitle();
    void OnLoadStuck();
    void ShowProblem(const QString& text);

    CMainFrame& frame_;
    LivePreviewWriter writer_;
    QMainWindow* inner_;
    QLabel* placeholder_;
    QAction* followCaret_;
    QAction* allowRemote_;
    LivePreviewView* view_ = nullptr;
    QPointer<QWidget> viewWidget_;
    QPointer<CQuorDoc> doc_;
    QTimer pause_;
    QTemporaryDir untitledFolder_;
    QString pagePath_;
    QPointer<CQuorDoc> pageDoc_; // the document whose page is shown
    // One page loads at a time; a refresh asked for meanwhile follows it, or follows the
    // stuck timer when the page does not arrive.
    bool loading_ = false;
    bool again_ = false;
    QTimer stuck_;
    // Whether a stuck load is worth trying once more on a fresh page.
    bool retry_ = false;
    // Where each document's page was scrolled to, kept across refreshes and switches.
    std::map<const CQuorDoc*, QPointF> scroll_;
};

} // namespace velto

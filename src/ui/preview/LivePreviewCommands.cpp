// The Live Preview command.
#include "ui/preview/LivePreviewCommands.h"

#include "core/menu/CommandIds.h"
#include "core/platform/Prompter.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/CQuorApp.h"
#include "ui/app/CommandTable.h"
#include "ui/preview/LivePreviewPane.h"
#include "ui/preview/PreviewHost.h"
#include "ui/reference/ReferenceWindow.h"

#include <QAction>
#include <QEvent>
#include <QTimer>

namespace velto {

namespace {
// Makes the pane on first use and keeps its settings; once the engine has failed to start
// the command says so once and stays disabled.
class LivePreviewToggle final : public QObject {
public:
    explicit LivePreviewToggle(CMainFrame& frame) : QObject(&frame), frame_(frame) {
        setObjectName(QStringLiteral("LivePreviewToggle"));
        settings_.Load(frame.App().GetProfile());
        // Shown at the last exit: shown again once the window is up.
        if (settings_.shown)
            QTimer::singleShot(0, this, [this] {
                if (!pane_ && !unavailable_)
                    Toggle();
            });
        frame.installEventFilter(this);
    }

    [[nodiscard]] bool Available() const { return !unavailable_; }
    [[nodiscard]] bool Shown() const { return pane_ && pane_->toggleViewAction()->isChecked(); }

    void Toggle() {
        if (!pane_) {
            if (!Make())
                return;
            pane_->show();
            pane_->raise();
        } else if (Shown() && !pane_->isVisible()) {
            pane_->raise(); // a tab behind the reference window comes to the front
        } else if (Shown()) {
            pane_->hide();
        } else {
            pane_->show();
            pane_->raise();
        }
        Save();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        // Whether the pane is shown is kept as the window closes, before the docks hide.
        if (watched == &frame_ && e->type() == QEvent::Close)
            Save();
        return false;
    }

private:
    bool Make() {
        auto* pane = new LivePreviewPane(frame_, frame_.App().Previews().Cleanup(), settings_);
        pane->hide();
        QString error;
        if (!pane->StartEngine(error)) {
            delete pane;
            unavailable_ = true;
            frame_.App().GetPrompter().Message(
                "The live preview cannot be shown: Qt WebEngine could not be started.\n\n" + error.toStdString() +
                    "\n\nThe Live Preview command is disabled for the rest of this session.",
                Prompter::Kind::Warning);
            frame_.UpdateCommands();
            return false;
        }
        pane_ = pane;
        // Where the saved layout puts it; else on the right, a tab beside the reference
        // window when that is docked there.
        if (!frame_.restoreDockWidget(pane)) {
            frame_.addDockWidget(Qt::RightDockWidgetArea, pane);
            ReferenceWindow* reference = frame_.Reference(false);
            if (reference && !reference->isFloating() && frame_.dockWidgetArea(reference) == Qt::RightDockWidgetArea)
                frame_.tabifyDockWidget(reference, pane);
        }
        connect(pane, &LivePreviewPane::SettingsChanged, this, &LivePreviewToggle::Save);
        connect(pane, &QDockWidget::visibilityChanged, this, [this](bool visible) {
            if (visible)
                pane_->Refresh(LivePreviewCause::Command);
            frame_.UpdateCommands();
        });
        return true;
    }

    void Save() {
        if (!pane_)
            return;
        settings_ = pane_->Settings();
        settings_.shown = Shown();
        settings_.Save(frame_.App().GetProfile());
    }

    CMainFrame& frame_;
    LivePreviewPane* pane_ = nullptr;
    bool unavailable_ = false;
    LivePreviewSettings settings_;
};
} // namespace

void RegisterLivePreviewCommands(CommandTable& t, CMainFrame& frame) {
    auto* toggle = new LivePreviewToggle(frame);
    t.Add({CommandId::LivePreview, "&Live Preview\tF12", "Show or hide the live preview of the active document",
           [toggle] { return toggle->Available(); }, [toggle] { toggle->Toggle(); },
           [toggle] { return toggle->Shown(); }});
}

LivePreviewPane* ShownLivePreview(const CMainFrame& frame) {
    auto* pane = frame.findChild<LivePreviewPane*>(QString(), Qt::FindDirectChildrenOnly);
    return pane && pane->isVisible() ? pane : nullptr;
}

} // namespace velto

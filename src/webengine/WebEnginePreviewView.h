// The live preview's page view on Qt WebEngine: a page of its own off-the-record profile
// that reaches local files only unless remote content is allowed, and hands links the user
// follows to the pane instead of leaving the document.
#pragma once

#include "ui/preview/LivePreviewView.h"

#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <atomic>

class QWebEngineProfile;

namespace velto {

// Blocks every request for something not on this machine while remote content is off.
class LocalOnlyInterceptor final : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
    std::atomic<bool> allowRemote{false};
};

// The pane's page: only the page the pane loads (and moves within it) stays in the pane.
class PreviewPage final : public QWebEnginePage {
    Q_OBJECT
public:
    PreviewPage(QWebEngineProfile* profile, QObject* parent, LivePreviewView& owner)
        : QWebEnginePage(profile, parent), owner_(owner) {}
    QUrl expected;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int, const QString&) override {}

private:
    LivePreviewView& owner_;
};

class WebEnginePreviewView final : public QWebEngineView, public LivePreviewView {
    Q_OBJECT
public:
    explicit WebEnginePreviewView(QWidget* parent);
    ~WebEnginePreviewView() override;

    QWidget* Widget() override { return this; }
    void Load(const QUrl& url, QPointF scroll, bool toAnchor) override;
    void SetAllowRemoteContent(bool allow) override;
    [[nodiscard]] QPointF ScrollPosition() const override;
    void RunJavaScript(const QString& script, std::function<void(const QVariant&)> result) override;

private:
    // Puts a page of its own in place of the one shown, which goes with its process.
    void NewPage();
    void OnLoadFinished(bool ok);
    void OnScrolled(const QPointF& position);

    QWebEngineProfile* profile_;
    LocalOnlyInterceptor* interceptor_;
    PreviewPage* page_ = nullptr;
    // Until a page has arrived and been scrolled, its position is the one it is going to.
    QPointF scroll_;
    bool settled_ = true;
    bool toAnchor_ = false;
    // Counts the loads asked for, so the answer of an earlier one is known as such.
    unsigned serial_ = 0;
};

} // namespace velto

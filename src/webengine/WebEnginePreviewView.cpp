// The live preview's page view on Qt WebEngine, and the module's entry point.
#include "webengine/WebEnginePreviewView.h"

#include <QQuickWindow>
#include <QtWebEngineCore/qtwebenginecoreglobal.h>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>

namespace velto {

namespace {
bool IsLocal(const QUrl& url) {
    const QString scheme = url.scheme();
    return scheme == QLatin1String("file") || scheme == QLatin1String("data") || scheme == QLatin1String("blob") ||
           scheme == QLatin1String("about") || scheme == QLatin1String("qrc");
}

bool SamePage(const QUrl& a, const QUrl& b) {
    return a.adjusted(QUrl::RemoveFragment) == b.adjusted(QUrl::RemoveFragment);
}

// A window a page opens (target="_blank", window.open): its first address goes to the
// pane as a followed link, and the window itself never shows.
class LinkCatcher final : public QWebEnginePage {
public:
    LinkCatcher(QWebEngineProfile* profile, QObject* parent, LivePreviewView& owner)
        : QWebEnginePage(profile, parent), owner_(owner) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
        if (isMainFrame && !done_) {
            done_ = true;
            if (type == NavigationTypeLinkClicked && owner_.linkClicked)
                owner_.linkClicked(url);
            deleteLater();
        }
        return false;
    }

private:
    LivePreviewView& owner_;
    bool done_ = false;
};
} // namespace

void LocalOnlyInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info) {
    if (!allowRemote.load() && !IsLocal(info.requestUrl()))
        info.block(true);
}

bool PreviewPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    // Frames inside the page load as the page asks (the interceptor still guards them);
    // the main frame shows the document only.
    if (!isMainFrame || SamePage(url, expected))
        return true;
    if (type == NavigationTypeLinkClicked && owner_.linkClicked)
        owner_.linkClicked(url);
    return false;
}

QWebEnginePage* PreviewPage::createWindow(WebWindowType) {
    return new LinkCatcher(profile(), this, owner_);
}

WebEnginePreviewView::WebEnginePreviewView(QWidget* parent)
    : QWebEngineView(parent), profile_(new QWebEngineProfile(this)), // no name: nothing kept on disk
      interceptor_(new LocalOnlyInterceptor(this)) {
    profile_->setUrlRequestInterceptor(interceptor_);
    profile_->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    // Set on the profile, so every page made with it has them, the fresh page that takes
    // over from a stuck one included.
    QWebEngineSettings* settings = profile_->settings();
    // The editor keeps the keyboard while the page reloads after every pause in typing.
    settings->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    setFocusPolicy(Qt::ClickFocus);
    NewPage();
}

WebEnginePreviewView::~WebEnginePreviewView() {
    // The page goes before the profile it was made with.
    delete page_;
}

void WebEnginePreviewView::NewPage() {
    PreviewPage* old = page_;
    page_ = new PreviewPage(profile_, this, *this);
    connect(page_, &QWebEnginePage::loadFinished, this, &WebEnginePreviewView::OnLoadFinished);
    connect(page_, &QWebEnginePage::scrollPositionChanged, this, &WebEnginePreviewView::OnScrolled);
    connect(page_, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int code) {
                if (status == QWebEnginePage::NormalTerminationStatus || !failed)
                    return;
                failed(status == QWebEnginePage::KilledTerminationStatus
                           ? QStringLiteral("The page's process was ended.")
                           : QStringLiteral("The page's process stopped (exit code %1).").arg(code));
            });
    setPage(page_);
    if (old) {
        // Nothing of the page given up reaches the pane any more: not its late load, nor
        // the end of its process, which goes with it.
        disconnect(old, nullptr, this, nullptr);
        delete old;
    }
}

void WebEnginePreviewView::Load(const QUrl& url, QPointF scroll, bool toAnchor) {
    // The last page asked for has not arrived: the pane has given it up. Its page process
    // may be held by a script that runs away, and such a process never takes another page
    // (nor stops), so the next page goes to a fresh one.
    if (!settled_)
        NewPage();
    if (!toAnchor)
        scroll_ = scroll;
    toAnchor_ = toAnchor;
    settled_ = false;
    ++serial_;
    page_->expected = url;
    page_->load(url);
}

void WebEnginePreviewView::OnLoadFinished(bool ok) {
    if (!ok) {
        settled_ = true;
        if (loaded)
            loaded(false);
        return;
    }
    // The position is read back from the page itself: the engine's own report of it
    // arrives a frame later.
    const QString scroll = toAnchor_ ? QStringLiteral("var a=document.getElementsByName('_quorbm+0')[0];"
                                                      "if(a)a.scrollIntoView();")
                                     : QStringLiteral("window.scrollTo(%1,%2);").arg(scroll_.x()).arg(scroll_.y());
    // A page given up before it answers may still answer, empty, as it goes: only the
    // answer of the load now on its way counts.
    page_->runJavaScript(QStringLiteral("(function(){%1return [window.scrollX,window.scrollY];})()").arg(scroll),
                         [this, serial = serial_](const QVariant& result) {
                             if (serial != serial_)
                                 return;
                             const QVariantList xy = result.toList();
                             if (xy.size() == 2)
                                 scroll_ = QPointF(xy[0].toDouble(), xy[1].toDouble());
                             settled_ = true;
                             if (loaded)
                                 loaded(true);
                         });
}

void WebEnginePreviewView::OnScrolled(const QPointF& position) {
    if (settled_)
        scroll_ = position;
}

void WebEnginePreviewView::SetAllowRemoteContent(bool allow) {
    interceptor_->allowRemote = allow;
    profile_->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, allow);
}

QPointF WebEnginePreviewView::ScrollPosition() const {
    return scroll_;
}

void WebEnginePreviewView::RunJavaScript(const QString& script, std::function<void(const QVariant&)> result) {
    page_->runJavaScript(script, [result = std::move(result)](const QVariant& v) {
        if (result)
            result(v);
    });
}

} // namespace velto

extern "C" Q_DECL_EXPORT velto::LivePreviewView* VeltoCreateLivePreviewView(QWidget* parent, QString* error) {
    try {
        // The engine's compositor draws through Qt Quick on OpenGL, as Qt sets up at start
        // for an application linked with it.
        QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGLRhi);
        return new velto::WebEnginePreviewView(parent);
    } catch (const std::exception& e) {
        if (error)
            *error = QString::fromLocal8Bit(e.what());
        return nullptr;
    }
}

extern "C" Q_DECL_EXPORT const char* VeltoWebEngineVersion() {
    // The engine's own release and the Chromium it is made from, for problem reports.
    static const QByteArray version =
        QByteArray(qWebEngineVersion()) + " (Chromium " + qWebEngineChromiumVersion() + ")";
    return version.constData();
}

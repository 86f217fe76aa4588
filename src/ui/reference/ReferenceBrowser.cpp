// The page view of the reference window.
#include "ui/reference/ReferenceBrowser.h"

#include <QFile>
#include <QFutureWatcher>
#include <QPromise>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QThreadPool>

#include <algorithm>
#include <functional>
#include <memory>

namespace velto {

namespace {
// Pages are read in pieces, so a stop reaches a long read between two of them.
constexpr qint64 ReadPiece = 1 << 20;

QUrl PageOf(const QUrl& url) {
    return url.adjusted(QUrl::RemoveFragment);
}
} // namespace

ReferenceBrowser::ReferenceBrowser(QWidget* parent) : QTextBrowser(parent) {}

void ReferenceBrowser::Load(const QUrl& url) {
    if (!url.isLocalFile() || (PageOf(url) == PageOf(source()) && !IsLoading())) {
        Stop();
        setSource(url);
        return;
    }
    Start(url, false);
}

void ReferenceBrowser::Refresh() {
    if (source().isLocalFile())
        Start(source(), true);
}

void ReferenceBrowser::Stop() {
    if (!loading_)
        return;
    const QUrl url = *loading_;
    loading_.reset();
    ++generation_;
    if (cancel_)
        cancel_();
    cancel_ = nullptr;
    Q_EMIT LoadFinished(url, false, QString());
}

void ReferenceBrowser::Start(const QUrl& url, bool refresh) {
    Stop();
    loading_ = url;
    const int generation = ++generation_;
    auto promise = std::make_shared<QPromise<Read>>();
    auto* watcher = new QFutureWatcher<Read>(this);
    connect(watcher, &QFutureWatcherBase::finished, this,
            [this, watcher, generation, url, refresh] {
                watcher->deleteLater();
                if (generation == generation_ && !watcher->future().isCanceled() &&
                    watcher->future().resultCount() > 0)
                    Arrived(url, refresh, watcher->result());
            });
    QFuture<Read> future = promise->future();
    watcher->setFuture(future);
    cancel_ = [future]() mutable { future.cancel(); };
    promise->start();
    QThreadPool::globalInstance()->start([promise, path = url.toLocalFile()] {
        Read read;
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            while (!promise->isCanceled()) {
                const QByteArray piece = file.read(ReadPiece);
                if (piece.isEmpty())
                    break;
                read.bytes += piece;
            }
            if (file.error() != QFileDevice::NoError)
                read.error = file.errorString();
        } else {
            read.error = file.errorString();
        }
        if (!promise->isCanceled())
            promise->addResult(read);
        promise->finish();
    });
    Q_EMIT LoadStarted(url);
}

void ReferenceBrowser::Arrived(const QUrl& url, bool refresh, const Read& read) {
    loading_.reset();
    cancel_ = nullptr;
    if (!read.error.isEmpty()) {
        Q_EMIT LoadFinished(url, false, read.error);
        return;
    }
    // The browser asks loadResource for the page as it shows it: the bytes just read.
    prefetched_ = std::make_pair(PageOf(url), read.bytes);
    if (refresh)
        reload();
    else
        setSource(url);
    prefetched_.reset();
    Q_EMIT LoadFinished(url, true, QString());
}

QVariant ReferenceBrowser::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::HtmlResource && prefetched_ && PageOf(name) == prefetched_->first)
        return prefetched_->second;
    return QTextBrowser::loadResource(type, name);
}

int ReferenceBrowser::TopPosition() const {
    return cursorForPosition(QPoint(0, 0)).position();
}

void ReferenceBrowser::ShowAtTop(int position) {
    QTextCursor cursor(document());
    cursor.setPosition(std::clamp(position, 0, std::max(0, document()->characterCount() - 1)));
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + cursorRect(cursor).top());
}

void ReferenceBrowser::resizeEvent(QResizeEvent* e) {
    // A new width wraps the text anew: the scroll offset alone would show another part of
    // the page, so the text that was at the top is brought back there. The width the text
    // was laid out for is kept here, since a view resized while hidden (docking, floating)
    // is told of no old size.
    const bool rewrap = laidOutWidth_ > 0 && e->size().width() != laidOutWidth_;
    const bool scrolled = verticalScrollBar()->value() > 0;
    const int top = rewrap && scrolled ? TopPosition() : 0;
    laidOutWidth_ = e->size().width();
    QTextBrowser::resizeEvent(e);
    if (rewrap && scrolled)
        ShowAtTop(top);
}

} // namespace velto

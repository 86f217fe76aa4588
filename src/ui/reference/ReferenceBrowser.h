// The page view of the reference window: a text browser that reads a page from disk off
// the window's thread, so a slow disk or a big page can be stopped, and that keeps the
// text at the top of the view in place when its width changes (docking, floating).
#pragma once

#include <QTextBrowser>
#include <QUrl>

#include <functional>
#include <optional>
#include <utility>

namespace velto {

class ReferenceBrowser final : public QTextBrowser {
    Q_OBJECT
public:
    explicit ReferenceBrowser(QWidget* parent = nullptr);

    // Shows a page, its anchor too. A local page other than the one shown is read first
    // (LoadStarted, then LoadFinished once it is shown, failed or stopped); another
    // anchor of the page shown, or a page that is not a file, is shown at once.
    void Load(const QUrl& url);
    // Reads the page shown again.
    void Refresh();
    // Gives up the page being read; the page shown stays.
    void Stop();
    [[nodiscard]] bool IsLoading() const { return loading_.has_value(); }
    [[nodiscard]] QUrl Loading() const { return loading_.value_or(QUrl()); }

    // The position in the text of the first character shown at the top.
    [[nodiscard]] int TopPosition() const;

Q_SIGNALS:
    void LoadStarted(const QUrl& url);
    // shown: the page is on view; otherwise error says why not (empty when stopped).
    void LoadFinished(const QUrl& url, bool shown, const QString& error);

protected:
    QVariant loadResource(int type, const QUrl& name) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    struct Read {
        QByteArray bytes;
        QString error;
    };
    void Start(const QUrl& url, bool refresh);
    void Arrived(const QUrl& url, bool refresh, const Read& read);
    void ShowAtTop(int position);

    std::optional<QUrl> loading_;
    int generation_ = 0;           // which read is wanted: a stopped or overtaken one is not
    std::function<void()> cancel_; // tells the read under way to give up
    std::optional<std::pair<QUrl, QByteArray>> prefetched_; // the page just read, while it is shown
    int laidOutWidth_ = 0;
};

} // namespace velto

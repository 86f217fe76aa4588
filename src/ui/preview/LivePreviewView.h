// The page view of the live preview pane, as the separately built WebEngine module makes
// it: the editor never links the engine, and loads the module only when the pane is first
// shown. Header only, so the module needs nothing of the editor's libraries.
#pragma once

#include <QPointF>
#include <QString>
#include <QUrl>
#include <QVariant>

#include <functional>

class QWidget;

namespace velto {

class LivePreviewView {
public:
    virtual ~LivePreviewView() = default;

    // The widget to place in the pane; it owns this object (deleting it deletes the view).
    [[nodiscard]] virtual QWidget* Widget() = 0;
    // Loads a page without taking the keyboard focus; when it has arrived it is scrolled to
    // the position, or with toAnchor to the scroll anchor the page carries. Asked for before
    // the last page has arrived, the load gives that page up and goes to a fresh page and
    // process: one held by a script that runs away never takes another page.
    virtual void Load(const QUrl& url, QPointF scroll, bool toAnchor) = 0;
    // Off: the page reaches local files only (no http, https, ftp or web sockets).
    virtual void SetAllowRemoteContent(bool allow) = 0;
    // Where the page is scrolled to; while a page is on its way, where it is going.
    [[nodiscard]] virtual QPointF ScrollPosition() const = 0;
    // Runs a script in the page; the result comes back later, never waited for.
    virtual void RunJavaScript(const QString& script, std::function<void(const QVariant&)> result) = 0;

    // Set by the pane. A link the user followed in the page (it is not opened in the pane).
    std::function<void(const QUrl&)> linkClicked;
    // A page asked for by Load has arrived and been scrolled (ok), or failed.
    std::function<void(bool ok)> loaded;
    // The page's process ended (crashed, killed or ran out of memory).
    std::function<void(const QString& reason)> failed;
};

// The module's one entry point: a new view, or nullptr with the reason.
using CreateLivePreviewViewFunction = LivePreviewView* (*)(QWidget* parent, QString* error);
inline constexpr const char* CreateLivePreviewViewSymbol = "VeltoCreateLivePreviewView";
// The engine's version text: "6.4.2 (Chromium 90.0.4430.228)".
using WebEngineVersionFunction = const char* (*)();
inline constexpr const char* WebEngineVersionSymbol = "VeltoWebEngineVersion";

} // namespace velto

// Keeping the editor's window in front of the browser after a preview.
#include "ui/preview/FrontKeeper.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace velto {

FrontKeeper::FrontKeeper(std::function<QWidget*()> mainWindow)
    : mainWindow_(std::move(mainWindow)) {
    hold_.setSingleShot(true);
    startDelay_.setSingleShot(true);
    connect(&startDelay_, &QTimer::timeout, this, [this] {
        QWidget* window = mainWindow_ ? mainWindow_() : nullptr;
        if (window && !window->isActiveWindow() && hold_.isActive())
            BringBack();
    });
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &FrontKeeper::OnFocusWindowChanged);
}

void FrontKeeper::Hold(int startDelayMs) {
    returns_ = 0;
    hold_.start(std::max(HoldMs, startDelayMs));
    if (startDelayMs > 0)
        startDelay_.start(startDelayMs);
    else
        startDelay_.stop();
}

void FrontKeeper::OnFocusWindowChanged(QWindow* now) {
    // No window of the editor's has the focus: another program's has taken it. A dialog
    // of the editor's own is left alone.
    if (now || !hold_.isActive())
        return;
    // Asked from within the focus change, the window system may still be busy with it.
    QTimer::singleShot(0, this, &FrontKeeper::BringBack);
}

void FrontKeeper::BringBack() {
    QWidget* window = mainWindow_ ? mainWindow_() : nullptr;
    if (!window || !hold_.isActive() || QApplication::activeModalWidget())
        return;
    window->raise();
    window->activateWindow();
    if (++returns_ >= MostReturns) {
        hold_.stop();
        startDelay_.stop();
    }
}

} // namespace velto

// Keeping the editor's window in front of the browser after a preview. Raised at once, the
// editor goes behind the browser's window as soon as that comes up (measured under
// openbox, metacity and xfwm4, with and without its focus stealing prevention); raised
// once the browser's window has taken the front, it stays in front. So the keeper waits,
// without blocking, for another program's window to take the front, or for the browser's
// start-up delay to pass, and then brings the editor back.
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class QWidget;
class QWindow;

namespace velto {

class FrontKeeper final : public QObject {
    Q_OBJECT
public:
    // How long after a preview a window taken by another program is taken back.
    static constexpr int HoldMs = 8000;
    // A browser that keeps taking the front is answered this often, no more.
    static constexpr int MostReturns = 2;

    explicit FrontKeeper(std::function<QWidget*()> mainWindow);

    // Starts holding (again): for HoldMs or startDelayMs, whichever is longer; at the end
    // of startDelayMs (when not 0) the editor comes back in front if it is not there.
    void Hold(int startDelayMs);
    [[nodiscard]] bool Holding() const { return hold_.isActive(); }

private:
    void OnFocusWindowChanged(QWindow* now);
    void BringBack();

    std::function<QWidget*()> mainWindow_;
    QTimer hold_;
    QTimer startDelay_;
    int returns_ = 0;
};

} // namespace velto

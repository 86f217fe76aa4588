// The caps, num and scroll lock panes of the status bar.
#pragma once

#include <QObject>
#include <QString>

#include <optional>

class QLabel;
class QStatusBar;
class QTimer;

namespace velto {

class CLockStatePanes : public QObject {
    Q_OBJECT
public:
    enum class Lock { Caps, Num, Scroll };

    // Adds the three panes to the right of the status bar's message.
    explicit CLockStatePanes(QStatusBar* bar);

    // Whether the lock is on, read from the keyboard lights the kernel reports
    // (/sys/class/leds); nothing where the platform does not tell.
    [[nodiscard]] static std::optional<bool> LockState(Lock lock);
    // Reads the states again and shows "CAP", "NUM" and "SCRL" for the locks that are on.
    void Refresh();
    [[nodiscard]] QString PaneText(Lock lock) const;

private:
    QLabel* caps_;
    QLabel* num_;
    QLabel* scroll_;
    QTimer* timer_;
};

} // namespace velto

// The caps, num and scroll lock panes of the status bar.
#include "ui/app/CLockStatePanes.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

namespace velto {

namespace {
QLabel* MakePane(QStatusBar* bar, const QString& widest) {
    auto* pane = new QLabel(bar);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->setAlignment(Qt::AlignCenter);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(widest) + 12);
    bar->addPermanentWidget(pane);
    return pane;
}

QString LedSuffix(CLockStatePanes::Lock lock) {
    switch (lock) {
    case CLockStatePanes::Lock::Caps:
        return QStringLiteral("capslock");
    case CLockStatePanes::Lock::Num:
        return QStringLiteral("numlock");
    case CLockStatePanes::Lock::Scroll:
        return QStringLiteral("scrolllock");
    }
    return {};
}
} // namespace

CLockStatePanes::CLockStatePanes(QStatusBar* bar)
    : QObject(bar), caps_(MakePane(bar, QStringLiteral("CAP"))),
      num_(MakePane(bar, QStringLiteral("NUM"))), scroll_(MakePane(bar, QStringLiteral("SCRL"))),
      timer_(new QTimer(this)) {
    caps_->setObjectName(QStringLiteral("capsLockPane"));
    num_->setObjectName(QStringLiteral("numLockPane"));
    scroll_->setObjectName(QStringLiteral("scrollLockPane"));
    // The lights change outside the program as well (another window, another keyboard).
    timer_->setInterval(500);
    connect(timer_, &QTimer::timeout, this, &CLockStatePanes::Refresh);
    timer_->start();
    Refresh();
}

std::optional<bool> CLockStatePanes::LockState(Lock lock) {
    // One light per keyboard ("input3::capslock"); the lock is on when any is lit.
    const QDir leds(QStringLiteral("/sys/class/leds"));
    const QStringList names =
        leds.entryList({QStringLiteral("*::") + LedSuffix(lock)}, QDir::Dirs | QDir::NoDotAndDotDot);
    std::optional<bool> state;
    for (const QString& name : names) {
        QFile brightness(leds.filePath(name + QStringLiteral("/brightness")));
        if (!brightness.open(QIODevice::ReadOnly))
            continue;
        const bool lit = brightness.read(16).trimmed().toInt() > 0;
        state = state.value_or(false) || lit;
    }
    return state;
}

void CLockStatePanes::Refresh() {
    caps_->setText(PaneText(Lock::Caps));
    num_->setText(PaneText(Lock::Num));
    scroll_->setText(PaneText(Lock::Scroll));
}

QString CLockStatePanes::PaneText(Lock lock) const {
    if (!LockState(lock).value_or(false))
        return {};
    switch (lock) {
    case Lock::Caps:
        return QStringLiteral("CAP");
    case Lock::Num:
        return QStringLiteral("NUM");
    case Lock::Scroll:
        return QStringLiteral("SCRL");
    }
    return {};
}

} // namespace velto

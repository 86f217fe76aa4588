// Answering a modal dialog that a command under test shows while it runs.
#pragma once

#include <QApplication>
#include <QObject>
#include <QTimer>

namespace velto::test {

// Acts on the modal dialog of type T once the command running meanwhile shows it; a
// dialog the action leaves open is cancelled, so a failed check cannot leave it waiting.
template <class T, class Act>
void WhenModal(QObject* owner, Act act) {
    auto* poll = new QTimer(owner);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->stop();
        poll->deleteLater();
        act(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    poll->start(5);
}

} // namespace velto::test

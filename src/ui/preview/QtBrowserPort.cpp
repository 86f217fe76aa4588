// Reaching the browsers from the Qt layer.
#include "ui/preview/QtBrowserPort.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace velto {

bool QtBrowserPort::Start(const std::string& program, const std::vector<std::string>& arguments) {
    QStringList args;
    for (const std::string& a : arguments)
        args << QString::fromStdString(a);
    // A browser already running takes the address into its own window and this start ends.
    return QProcess::startDetached(QString::fromStdString(program), args);
}

bool QtBrowserPort::OpenWithDesktop(const std::string& url) {
    const QUrl address = QUrl::fromEncoded(QByteArray::fromStdString(url));
    return desktopHook ? desktopHook(address) : QDesktopServices::openUrl(address);
}

void QtBrowserPort::Wait(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void QtBrowserPort::BringEditorToFront() {
    if (QWidget* window = mainWindow_ ? mainWindow_() : nullptr) {
        window->raise();
        window->activateWindow();
    }
}

} // namespace velto

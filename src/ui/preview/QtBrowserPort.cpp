// Reaching the browsers from the Qt layer.
#include "ui/preview/QtBrowserPort.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

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

void QtBrowserPort::KeepEditorInFront(int startDelayMs) {
    keeper_.Hold(startDelayMs);
}

} // namespace velto

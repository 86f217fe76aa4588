// Reaching the browsers from the Qt layer: programs started detached, the desktop's
// browser through QDesktopServices, waits that keep the window working.
#pragma once

#include "core/preview/CPreviewDriver.h"

#include <QStringList>

#include <functional>

class QUrl;
class QWidget;

namespace velto {

class QtBrowserPort final : public BrowserPort {
public:
    explicit QtBrowserPort(std::function<QWidget*()> mainWindow) : mainWindow_(std::move(mainWindow)) {}

    bool Start(const std::string& program, const std::vector<std::string>& arguments) override;
    bool OpenWithDesktop(const std::string& url) override;
    void Wait(int milliseconds) override;
    void BringEditorToFront() override;

    // Tests see the addresses the desktop would open (and answer whether it did).
    std::function<bool(const QUrl&)> desktopHook;

private:
    std::function<QWidget*()> mainWindow_;
};

} // namespace velto

// Reaching the browsers from the Qt layer: programs started detached, the desktop's
// browser through QDesktopServices, the editor kept in front without waiting.
#pragma once

#include "core/preview/CPreviewDriver.h"
#include "ui/preview/FrontKeeper.h"

#include <QStringList>

#include <functional>

class QUrl;
class QWidget;

namespace velto {

class QtBrowserPort final : public BrowserPort {
public:
    explicit QtBrowserPort(std::function<QWidget*()> mainWindow) : keeper_(std::move(mainWindow)) {}

    bool Start(const std::string& program, const std::vector<std::string>& arguments) override;
    bool OpenWithDesktop(const std::string& url) override;
    void KeepEditorInFront(int startDelayMs) override;
    [[nodiscard]] const FrontKeeper& Keeper() const { return keeper_; }

    // Tests see the addresses the desktop would open (and answer whether it did).
    std::function<bool(const QUrl&)> desktopHook;

private:
    FrontKeeper keeper_;
};

} // namespace velto

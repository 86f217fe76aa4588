// What the editor does before Qt starts: options that need no window and the display.
#include "ui/app/EarlyStart.h"

#include "core/app/CBetterCmdLineInfo.h"
#include "core/app/RawCommandLine.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace velto {

namespace {
CBetterCmdLineInfo Parse(const std::vector<std::string>& args) {
    // Only the flags matter here; no file is looked at.
    CBetterCmdLineInfo info([](const std::string&) { return false; }, {});
    ParseRawCommandLine(JoinArguments(args), info);
    return info;
}

bool HasEnv(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

QtMessageHandler previousHandler = nullptr;

void DisplayGuard(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        if (previousHandler)
            previousHandler(type, context, message);
        else
            std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        return;
    }
    const char* display = std::getenv("DISPLAY");
    std::fprintf(stderr, "velto: cannot connect to a display (DISPLAY=%s)\n",
                 display && *display ? display : "");
    std::fflush(stderr);
    std::_Exit(1);
}
} // namespace

std::optional<int> AnswerWithoutWindow(const std::vector<std::string>& args) {
    const CBetterCmdLineInfo info = Parse(args);
    if (info.wantsHelp) {
        std::fputs(CommandLineUsage("velto").c_str(), stdout);
        return 0;
    }
    if (info.wantsVersion) {
        std::printf("velto %s\n", VELTO_VERSION);
        return 0;
    }
    return std::nullopt;
}

std::optional<int> ChooseDisplay(const std::vector<std::string>& args) {
    if (HasEnv("QT_QPA_PLATFORM") || HasEnv("DISPLAY") || HasEnv("WAYLAND_DISPLAY") ||
        std::find(args.begin(), args.end(), "-platform") != args.end())
        return std::nullopt;
    const CBetterCmdLineInfo info = Parse(args);
    if (info.shellCommand == CBetterCmdLineInfo::FilePrint ||
        info.shellCommand == CBetterCmdLineInfo::FilePrintTo) {
        // Printing shows no window, so it needs no display.
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
        return std::nullopt;
    }
    std::fputs("velto: cannot connect to a display (neither DISPLAY nor WAYLAND_DISPLAY is set);"
               " run it in a desktop session, or see velto --help\n",
               stderr);
    return 1;
}

void GuardDisplayConnection() {
    previousHandler = qInstallMessageHandler(DisplayGuard);
}

void EndDisplayGuard() {
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
}

} // namespace velto

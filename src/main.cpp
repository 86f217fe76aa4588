// The velto executable: the editor. A start while another copy runs hands its command
// line to that copy and ends.
#include "ui/app/CInstanceMarker.h"
#include "ui/app/CQuorApp.h"
#include "ui/app/EarlyStart.h"
#include "ui/support/TimingMarks.h"

#include <QApplication>

int main(int argc, char** argv) {
    // What needs no window is answered before Qt looks for a display.
    const std::vector<std::string> rawArgs(argv + 1, argv + argc);
    if (const std::optional<int> status = velto::AnswerWithoutWindow(rawArgs))
        return *status;
    if (const std::optional<int> status = velto::ChooseDisplay(rawArgs))
        return *status;

    velto::GuardDisplayConnection();
    QApplication qtApp(argc, argv);
    velto::EndDisplayGuard();
    velto::TimingMarks::InstallIfAsked();
    QApplication::setOrganizationName(QStringLiteral("Kestrova"));
    // No display name: Qt would append it to every window title ("... — Velto"), and the
    // main window writes its own title.
    QApplication::setApplicationName(QStringLiteral("Velto"));
    QApplication::setApplicationVersion(QStringLiteral(VELTO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("velto"));

    // The arguments Qt left (it takes its own, such as -platform, out of argv).
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    velto::CQuorApp app;
    app.SetInstanceName(velto::CInstanceMarker::DefaultName());
    if (!app.InitInstance(arguments))
        return app.ExitCode();
    const int loopStatus = QApplication::exec();
    const int exitStatus = app.ExitInstance();
    return loopStatus != 0 ? loopStatus : exitStatus;
}

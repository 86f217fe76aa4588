// The velto executable: the editor.
#include "ui/app/CQuorApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kestrova"));
    QApplication::setApplicationName(QStringLiteral("Velto"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velto"));
    QApplication::setApplicationVersion(QStringLiteral(VELTO_VERSION));

    velto::CQuorApp app;
    QStringList files = QApplication::arguments();
    files.removeFirst();
    if (!app.InitInstance(files))
        return 1;
    return QApplication::exec();
}

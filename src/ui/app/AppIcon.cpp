// The program's icon.
#include "ui/app/AppIcon.h"

#include <QApplication>
#include <QIcon>

// Outside any namespace, as the resource's initialiser must be called.
static void InitIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace velto {

QIcon VeltoIcon() {
    if (QIcon::hasThemeIcon(QStringLiteral("velto"))) // installed with the desktop entry
        return QIcon::fromTheme(QStringLiteral("velto"));
    InitIconResources();
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/velto/velto-%1.png").arg(size), QSize(size, size));
    return icon;
}

void InstallApplicationIcon() {
    QApplication::setWindowIcon(VeltoIcon());
}

} // namespace velto

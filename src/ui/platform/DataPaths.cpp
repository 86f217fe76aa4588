// Where the shipped data is found.
#include "ui/platform/DataPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace velto {

QString ProgramDataFolder() {
    const QByteArray env = qgetenv("VELTO_DATA_DIR");
    if (!env.isEmpty())
        return QDir(QString::fromLocal8Bit(env)).absolutePath();
    const QDir exeDir(QCoreApplication::applicationDirPath());
    const QString beside = exeDir.filePath(QStringLiteral("data"));
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(exeDir.filePath(QStringLiteral("../") +
                                           QStringLiteral(VELTO_DATA_INSTALL_DIR)));
}

QString UserDataFolder() {
    // Read each time: tests give every run a folder of its own.
    QString base = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME"));
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/Kestrova/Velto"));
}

QString UserStateFolder() {
    QString base = QString::fromLocal8Bit(qgetenv("XDG_STATE_HOME"));
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(base + QStringLiteral("/Kestrova/Velto"));
}

QString JoinPath(const QString& folder, QString relative) {
    if (relative.startsWith(QLatin1String("./")))
        relative.remove(0, 2);
    if (folder.isEmpty())
        return relative;
    if (folder.endsWith(QLatin1Char('/')))
        return folder + relative;
    return folder + QLatin1Char('/') + relative;
}

} // namespace velto

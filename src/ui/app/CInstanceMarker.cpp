// The single-instance marker over a lock file and a local socket.
#include "ui/app/CInstanceMarker.h"

#include <QDataStream>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velto {

namespace {
// One message: the sender's folder and the execute string; the answer is one byte.
constexpr QDataStream::Version StreamVersion = QDataStream::Qt_6_0;
constexpr char Acknowledged = 'K';
// An execute string holds one command line: anything larger is no hand-over.
constexpr qint64 MaxMessageSize = 1 << 20;

// A lock file that names no holder is left over from a start that died while writing it,
// or written by something else; one this old is not a start writing it just now.
constexpr int JunkLockAgeSeconds = 2;
// Other names tried when something that is not ours stands at the socket's path.
constexpr int AlternativePaths = 9;

QString RuntimeFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}

QString LockPath(const QString& socketPath) {
    return socketPath + QStringLiteral(".lock");
}

// What stands at a path, not following a link: its file type bits, or 0 when nothing.
mode_t TypeAt(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

// A socket path (and its lock file) that nothing foreign blocks: every start works this
// out the same way, so they all meet at the same one.
QString UsableSocketPath(const QString& base) {
    for (int n = 0; n <= AlternativePaths; ++n) {
        const QString candidate = n == 0 ? base : base + QStringLiteral("-%1").arg(n);
        const mode_t socket = TypeAt(candidate);
        const mode_t lock = TypeAt(LockPath(candidate));
        if ((socket == 0 || socket == S_IFSOCK) && (lock == 0 || lock == S_IFREG))
            return candidate;
    }
    return base;
}

// Whether a lock file that names no holder can go: nobody holds it locked (a live holder
// keeps a lock on the open file) and it is not being written right now.
bool IsAbandonedJunk(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() ||
        info.lastModified().secsTo(QDateTime::currentDateTime()) < JunkLockAgeSeconds)
        return false;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;
    const bool unheld = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return unheld;
}
} // namespace

CInstanceMarker::CInstanceMarker(const QString& name, QObject* parent) : QObject(parent) {
    socketPath_ = UsableSocketPath(
        name.contains(QLatin1Char('/')) ? name : RuntimeFolder() + QLatin1Char('/') + name);
}

CInstanceMarker::~CInstanceMarker() {
    Release();
}

QString CInstanceMarker::DefaultName() {
    const QByteArray env = qgetenv("VELTO_INSTANCE");
    if (!env.isEmpty())
        return QString::fromLocal8Bit(env);
    return QStringLiteral("velto-%1").arg(::getuid());
}

bool CInstanceMarker::Claim() {
    if (server_)
        return true;
    auto lock = std::make_unique<QLockFile>(LockPath(socketPath_));
    // A live holder keeps the lock; the lock of a copy that died is taken over, and so is
    // a lock file with junk in it, which would otherwise keep every start from the lock.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        qint64 pid = 0;
        QString host, application;
        if (lock->error() != QLockFile::LockFailedError ||
            lock->getLockInfo(&pid, &host, &application) ||
            !IsAbandonedJunk(LockPath(socketPath_)) || !lock->removeStaleLockFile() ||
            !lock->tryLock(0))
            return false;
    }
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(socketPath_); // a socket left by a copy that died
    if (!server->listen(socketPath_))
        return false; // the lock goes with it: this copy runs without a marker
    connect(server.get(), &QLocalServer::newConnection, this, &CInstanceMarker::OnNewConnection);
    lock_ = std::move(lock);
    server_ = std::move(server);
    return true;
}

void CInstanceMarker::Release() {
    if (server_) {
        server_->close();
        server_.reset();
    }
    lock_.reset();
}

void CInstanceMarker::OnNewConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        if (accepting && !accepting()) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { OnReadyRead(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->bytesAvailable() > 0)
            OnReadyRead(socket);
    }
}

void CInstanceMarker::OnReadyRead(QLocalSocket* socket) {
    if (socket->bytesAvailable() > MaxMessageSize) {
        socket->abort();
        return;
    }
    QDataStream in(socket);
    in.setVersion(StreamVersion);
    in.startTransaction();
    QString workingDir;
    QByteArray command;
    in >> workingDir >> command;
    if (!in.commitTransaction())
        return; // the rest is still on its way
    // Acknowledge first: the sender need not wait while the files open here (a failing
    // one shows a message box).
    socket->write(&Acknowledged, 1);
    socket->flush();
    socket->disconnectFromServer();
    Q_EMIT CommandReceived(command, workingDir);
}

bool CInstanceMarker::Send(const QByteArray& command, const QString& workingDir, int connectMs,
                           int answerMs) const {
    QLocalSocket socket;
    const QDeadlineTimer connectDeadline(connectMs);
    for (;;) {
        socket.connectToServer(socketPath_);
        if (socket.waitForConnected(std::max<qint64>(1, connectDeadline.remainingTime())))
            break;
        if (connectDeadline.hasExpired())
            return false;
        socket.abort();
        QThread::msleep(50); // the first instance may not be listening yet
    }
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    out << workingDir << command;
    socket.write(message);
    if (!socket.waitForBytesWritten(answerMs))
        return false;
    const QDeadlineTimer answerDeadline(answerMs);
    while (socket.bytesAvailable() < 1) {
        if (answerDeadline.hasExpired() ||
            !socket.waitForReadyRead(std::max<qint64>(1, answerDeadline.remainingTime())))
            break;
    }
    char answer = 0;
    return socket.read(&answer, 1) == 1 && answer == Acknowledged;
}

} // namespace velto

// The single-instance marker over a lock file and a local socket.
#include "ui/app/CInstanceMarker.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <unistd.h>

namespace velto {

namespace {
// One message: the sender's folder and the execute string; the answer is one byte.
constexpr QDataStream::Version StreamVersion = QDataStream::Qt_6_0;
constexpr char Acknowledged = 'K';
// An execute string holds one command line: anything larger is no hand-over.
constexpr qint64 MaxMessageSize = 1 << 20;

QString RuntimeFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}
} // namespace

CInstanceMarker::CInstanceMarker(const QString& name, QObject* parent) : QObject(parent) {
    socketPath_ = name.contains(QLatin1Char('/')) ? name : RuntimeFolder() + QLatin1Char('/') + name;
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
    auto lock = std::make_unique<QLockFile>(socketPath_ + QStringLiteral(".lock"));
    // A live holder keeps the lock; the lock of a copy that died is taken over.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
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

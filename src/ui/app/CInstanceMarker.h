// The single-instance marker: the first copy of the program holds a lock file and listens
// on a local socket; a later start finds it there and hands its command line over.
#pragma once

#include <QByteArray>
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QLocalSocket;

namespace velto {

class CInstanceMarker : public QObject {
    Q_OBJECT
public:
    // name: a server name (placed in the user's runtime folder) or a full socket path.
    // When something that is not a socket (a folder, a file) stands at that path, or
    // anything but a file at its lock file's, the first free name of "NAME-1" to "NAME-9"
    // is used instead: every start picks the same one.
    explicit CInstanceMarker(const QString& name, QObject* parent = nullptr);
    ~CInstanceMarker() override;

    // The per-user name, or the one the environment variable VELTO_INSTANCE gives.
    [[nodiscard]] static QString DefaultName();
    [[nodiscard]] QString SocketPath() const { return socketPath_; }

    // Takes the lock and starts listening when no other copy holds it: true when this
    // copy is now the first instance. Two starts at once cannot both win: the lock file
    // decides, and a lock or socket left by a crashed copy is taken over.
    bool Claim();
    [[nodiscard]] bool Owned() const { return server_ != nullptr; }
    // Stops listening and releases the lock.
    void Release();

    // Sends an execute string, with the folder the sender started in, to the first
    // instance; true when it acknowledged receipt. Waits up to connectMs for the first
    // instance to listen (it may be starting too) and up to answerMs for its answer.
    bool Send(const QByteArray& command, const QString& workingDir, int connectMs = 3000,
              int answerMs = 10000) const;

    // Whether a connection may be answered now (false while this copy is handing over).
    std::function<bool()> accepting;

Q_SIGNALS:
    // A command arrived from another start; it has been acknowledged already.
    void CommandReceived(const QByteArray& command, const QString& workingDir);

private:
    void OnNewConnection();
    void OnReadyRead(QLocalSocket* socket);

    QString socketPath_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
};

} // namespace velto

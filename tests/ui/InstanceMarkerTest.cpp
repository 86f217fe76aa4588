// The single-instance marker keeps working when something foreign stands where its socket
// or its lock file should be.
#include "ui/app/CInstanceMarker.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

using velto::CInstanceMarker;

namespace {

// A second start's hand-over, sent from another thread while this one answers it.
bool HandOver(const CInstanceMarker& second, const QByteArray& command) {
    std::atomic<bool> done = false;
    bool taken = false;
    std::thread sender([&] {
        taken = second.Send(command, QStringLiteral("/"), 3000, 3000);
        done = true;
    });
    while (!done)
        QTest::qWait(20); // the first instance answers on this thread's event loop
    sender.join();
    return taken;
}

void MakeOld(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                             QFileDevice::FileModificationTime));
}

void WriteOldFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    MakeOld(path);
}

} // namespace

class InstanceMarkerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aFolderAtTheSocketPathIsAvoidedByEveryStart() {
        QTemporaryDir dir;
        const QString base = dir.filePath(QStringLiteral("instance"));
        QVERIFY(QDir().mkdir(base));
        CInstanceMarker first(base);
        CInstanceMarker second(base);
        QVERIFY(first.SocketPath() != base);
        QCOMPARE(second.SocketPath(), first.SocketPath());
        QVERIFY(first.Claim());
        QVERIFY(!second.Claim());
        QSignalSpy received(&first, &CInstanceMarker::CommandReceived);
        QVERIFY(HandOver(second, "[veltoCommandLine(\"a.html\")]"));
        QTRY_COMPARE(received.count(), 1);
        QCOMPARE(received.at(0).at(0).toByteArray(), QByteArray("[veltoCommandLine(\"a.html\")]"));
        QVERIFY(QFileInfo(base).isDir());
    }

    void junkInTheLockFileIsClearedButALiveHolderKeepsIt() {
        QTemporaryDir dir;
        const QString base = dir.filePath(QStringLiteral("instance"));
        WriteOldFile(base + QStringLiteral(".lock"), "not a lock file\n");
        CInstanceMarker first(base);
        QCOMPARE(first.SocketPath(), base);
        QVERIFY(first.Claim());
        // The live holder's lock is never taken, however old its file looks.
        MakeOld(base + QStringLiteral(".lock"));
        CInstanceMarker second(base);
        QVERIFY(!second.Claim());
        QSignalSpy received(&first, &CInstanceMarker::CommandReceived);
        QVERIFY(HandOver(second, "[veltoCommandLine(\"\")]"));
        QTRY_COMPARE(received.count(), 1);
    }

    void aLockFileBeingWrittenNowIsLeftAlone() {
        QTemporaryDir dir;
        const QString base = dir.filePath(QStringLiteral("instance"));
        QFile fresh(base + QStringLiteral(".lock"));
        QVERIFY(fresh.open(QIODevice::WriteOnly)); // another start, between creating and writing it
        fresh.close();
        CInstanceMarker marker(base);
        QVERIFY(!marker.Claim());
        QVERIFY(QFileInfo::exists(base + QStringLiteral(".lock")));
    }
};

QTEST_MAIN(InstanceMarkerTest)
#include "InstanceMarkerTest.moc"

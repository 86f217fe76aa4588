// Files in and out of a real view: bytes kept exactly, pieces in order, failures safe.
#include "UiTestSupport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QMimeData>
#include <QtTest>

#include <sys/stat.h>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace velto;
using namespace velto::test;

namespace {
// A device that hands out its bytes and then fails, as a disk with a bad sector would.
class FailingDevice : public QIODevice {
public:
    FailingDevice(QByteArray data, qint64 failAt) : data_(std::move(data)), failAt_(failAt) {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* out, qint64 max) override {
        if (pos_ >= failAt_) {
            setErrorString(QStringLiteral("Input/output error"));
            return -1;
        }
        const qint64 n = std::min({max, failAt_ - pos_, qint64(data_.size()) - pos_});
        memcpy(out, data_.constData() + pos_, size_t(n));
        pos_ += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray data_;
    qint64 failAt_;
    qint64 pos_ = 0;
};

QByteArray Pattern(int size) {
    QByteArray b;
    b.reserve(size);
    for (int i = 0; b.size() < size; ++i)
        b += QByteArray::number(i) + (i % 7 == 0 ? "<P>\r\n" : " ");
    b.truncate(size);
    return b;
}
} // namespace

class ViewTransferTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void savedWithoutEditsIsByteIdentical_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("lf") << QByteArray("<P>one\ntwo\n");
        QTest::newRow("crlf") << QByteArray("<P>one\r\ntwo\r\n");
        QTest::newRow("lone cr") << QByteArray("<P>one\rtwo\r");
        QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd\n\r\n");
        QTest::newRow("nul") << QByteArray("a\0b\0\0c", 7);
        QTest::newRow("invalid utf-8") << QByteArray("\xC3(\xA0\xA1\xFF\xFE<B>\xE2\x82", 12);
        QTest::newRow("latin-1") << QByteArray("caf\xE9 na\xEFve \xA3"
                                               "5");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("pieces") << Pattern(16383 * 3 + 17);
    }
    void savedWithoutEditsIsByteIdentical() {
        QFETCH(QByteArray, bytes);
        UiFixture f;
        const QString path = f.Write(QStringLiteral("page.html"), bytes);
        CQuorDoc* doc = f.Open(path);
        QVERIFY(doc);
        // A page that is not UTF-8 is held decoded (as windows-1252 here); the file keeps
        // its bytes all the same.
        if (QString::fromUtf8(bytes).toUtf8() == bytes)
            QCOMPARE(doc->View()->TextBytes(), bytes);
        QVERIFY(!doc->IsModified());
        QVERIFY(doc->DoFileSave());
        QCOMPARE(UiFixture::Read(path), bytes);
        QVERIFY(f.prompter.messages.empty());
    }

    void largeFileArrivesWholeInOrderWithCaretAtStart() {
        UiFixture f;
        const QByteArray bytes = Pattern(100 * 1024);
        CQuorDoc* doc = f.Open(f.Write(QStringLiteral("big.htm"), bytes));
        QVERIFY(doc);
        CQuorView* view = doc->View();
        QCOMPARE(view->TextLength(), bytes.size());
        QCOMPARE(view->TextBytes(), bytes);
        QCOMPARE(view->CaretPosition(), 0);
        QVERIFY(!view->HasSelectedText());
        QVERIFY(!view->CanUndo()); // the load is not recorded
        QVERIFY(!doc->IsModified());
    }

    void loadFailingPartWayKeepsTheTextReadSoFar() {
        UiFixture f;
        CQuorView* view = f.NewView();
        const QByteArray bytes = Pattern(50000);
        FailingDevice device(bytes, 16383 * 2);
        const CQuorView::LoadResult r = view->LoadText(device, false);
        QCOMPARE(r.failure, TransferFailure::File);
        QCOMPARE(QString::fromStdString(r.description), QStringLiteral("Input/output error"));
        QCOMPARE(view->TextBytes(), bytes.left(16383 * 2));
        QCOMPARE(view->CaretPosition(), 0);
    }

    void missingFileOpensNoDocumentAndSaysWhy() {
        UiFixture f;
        QVERIFY(!f.Open(f.dir.filePath(QStringLiteral("absent.html"))));
        QCOMPARE(f.Docs().Documents().size(), size_t(0));
        QCOMPARE(f.prompter.messages.size(), size_t(1));
        QVERIFY(f.prompter.messages[0].rfind("Error while loading file.\n\n", 0) == 0);
    }

    // Opening a pipe would wait for a writer and a device would be read for ever: every way
    // of opening a file refuses them, and the open document stays as it was.
    void foldersPipesAndDevicesAreRefusedEveryWayTheyArrive() {
        UiFixture f;
        CQuorDoc* doc = f.Open(f.Write(QStringLiteral("kept.html"), "<P>kept</P>"));
        QVERIFY(doc);
        doc->View()->SetSelection(3, 3);
        QTest::keyClicks(doc->View(), "x");
        QVERIFY(doc->IsModified());
        const QByteArray before = doc->View()->TextBytes();
        const QString fifo = f.dir.filePath(QStringLiteral("pipe.html"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString folder = f.dir.filePath(QStringLiteral("folder.html"));
        QVERIFY(QDir().mkdir(folder));

        for (const QString& path : {fifo, folder, QStringLiteral("/dev/zero")}) {
            f.prompter.messages.clear();
            QVERIFY(!f.Open(path)); // command line, hand-over and File Open come here
            QCOMPARE(f.prompter.messages.size(), size_t(1));
            QCOMPARE(
                QString::fromStdString(f.prompter.messages[0]),
                QStringLiteral("Error while loading file.\n\n%1: not a regular file").arg(path));

            f.prompter.messages.clear();
            QVERIFY(!doc->View()->InsertFile(path, false));
            QCOMPARE(
                QString::fromStdString(f.prompter.messages[0]),
                QStringLiteral("Error while inserting file.\n\n%1: not a regular file").arg(path));

            f.prompter.messages.clear();
            QMimeData dropped;
            dropped.setUrls({QUrl::fromLocalFile(path)});
            QVERIFY(doc->View()->HandleDroppedFiles(&dropped));
            QCOMPARE(f.prompter.messages.size(), size_t(1));
        }
        // A recent file that has become a folder is refused and leaves the list.
        f.app->AddToRecentFileList(folder);
        f.prompter.messages.clear();
        f.app->OpenRecentFile(0);
        QCOMPARE(f.prompter.messages.size(), size_t(1));
        QVERIFY(f.app->RecentFiles().Entries()[0] != folder.toStdString());

        QCOMPARE(f.Docs().Documents().size(), size_t(1));
        QCOMPARE(doc->View()->TextBytes(), before);
        QVERIFY(doc->IsModified());
        QCOMPARE(doc->PathName(), f.dir.filePath(QStringLiteral("kept.html")));
    }

    void saveFailureLeavesTheOriginalIntact() {
        UiFixture f;
        const QByteArray original = "<P>original</P>\n";
        const QString path = f.Write(QStringLiteral("keep.html"), original);
        CQuorDoc* doc = f.Open(path);
        QVERIFY(doc);
        doc->View()->ReplaceRange(0, 0, QByteArray(20000, 'x'));
        doc->View()->FlushChange();
        QVERIFY(doc->IsModified());

        // Writes beyond 4 KB fail (as on a full disk), even for root.
        struct rlimit old {};
        getrlimit(RLIMIT_FSIZE, &old);
        auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = old;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
        const bool saved = doc->DoFileSave();
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!saved);
        QCOMPARE(UiFixture::Read(path), original);
        QVERIFY(doc->IsModified());
        QCOMPARE(f.prompter.messages.size(), size_t(1));
        // The system's own words for what went wrong, not a generic "canceled".
        QCOMPARE(QString::fromStdString(f.prompter.messages[0]),
                 QStringLiteral("Error while saving file.\n\n%1: File too large").arg(path));
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files).size(), 1); // no leftovers
    }

    void saveKeepsThePermissionsOfTheFile() {
        UiFixture f;
        const QString path = f.Write(QStringLiteral("mode.html"), "<P>x");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        const QFile::Permissions before = QFileInfo(path).permissions();
        CQuorDoc* doc = f.Open(path);
        doc->View()->ReplaceRange(0, 0, "y");
        QVERIFY(doc->DoFileSave());
        QCOMPARE(UiFixture::Read(path), QByteArray("y<P>x"));
        QCOMPARE(QFileInfo(path).permissions(), before);
        QVERIFY(!(before & QFile::ReadOther));
    }

    void saveReachesEveryNameOfTheFileAndKeepsItsOwner() {
        UiFixture f;
        const QString path = f.Write(QStringLiteral("linked.html"), "<P>old</P>");
        const QString other = f.dir.filePath(QStringLiteral("other-name.html"));
        QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()),
                 0);
        const QString viaSymlink = f.dir.filePath(QStringLiteral("shortcut.html"));
        QVERIFY(QFile::link(path, viaSymlink));
        const bool root = ::geteuid() == 0;
        if (root)
            QCOMPARE(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);

        CQuorDoc* doc = f.Open(viaSymlink);
        QVERIFY(doc);
        doc->View()->ReplaceRange(3, 6, "new");
        QVERIFY(doc->DoFileSave());
        QVERIFY(QFileInfo(viaSymlink).isSymLink());
        QCOMPARE(UiFixture::Read(path), QByteArray("<P>new</P>"));
        QCOMPARE(UiFixture::Read(other), QByteArray("<P>new</P>"));
        if (root)
            QCOMPARE(QFileInfo(path).ownerId(), 65534u);
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files | QDir::System).size(),
                 3); // no leftovers
    }

    void insertFileIsOneUndoableChangeAtTheCaret() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "ab");
        view->FlushChange();
        view->SetSelection(1, 1);
        const QByteArray inserted = Pattern(40000);
        QVERIFY(view->InsertFile(f.Write(QStringLiteral("part.htm"), inserted), false));
        QCOMPARE(view->TextBytes(), "a" + inserted + "b");
        QCOMPARE(view->CaretPosition(), 1);
        view->OnEditUndo();
        QCOMPARE(view->TextBytes(), QByteArray("ab"));
        view->OnEditRedo();
        QCOMPARE(view->TextBytes(), "a" + inserted + "b");
    }

    void templateInsertionSkipsTheMenuHeader() {
        UiFixture f;
        CQuorView* view = f.NewView();
        const QString path =
            f.Write(QStringLiteral("s.htt"), "<!--\r\nMENU: Bold\r\n-->\r\n\r\n<B></B>\r\n");
        QVERIFY(view->InsertFile(path, true));
        QCOMPARE(view->TextBytes(), QByteArray("<B></B>\r\n"));
    }

    void insertingAMissingFileIsReported() {
        UiFixture f;
        CQuorView* view = f.NewView();
        QVERIFY(!view->InsertFile(f.dir.filePath(QStringLiteral("none.htm")), false));
        QCOMPARE(f.prompter.messages.size(), size_t(1));
        QVERIFY(f.prompter.messages[0].rfind("Error while inserting file.\n\n", 0) == 0);
        QCOMPARE(view->TextLength(), 0);
    }

    void newLinesFollowTheFilesLineEnds() {
        UiFixture f;
        CQuorView* crlf = f.Open(f.Write(QStringLiteral("w.htm"), "a\r\nb"))->View();
        QCOMPARE(crlf->eolMode(), QsciScintilla::EolWindows);
        CQuorView* lf = f.Open(f.Write(QStringLiteral("u.htm"), "a\nb"))->View();
        QCOMPARE(lf->eolMode(), QsciScintilla::EolUnix);
    }
};

QTEST_MAIN(ViewTransferTest)
#include "ViewTransferTest.moc"

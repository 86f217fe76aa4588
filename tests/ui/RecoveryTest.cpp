// Crash recovery through real views: unsaved text written to the state folder, given back
// byte for byte after a restart of the application object, removed by a save, a close
// without saving and a clean exit; damaged files reported and never opened; an editor
// that still runs keeps its files.
#include "UiTestSupport.h"

#include "core/recovery/RecoveryFolder.h"
#include "ui/document/RecoveryDlg.h"
#include "ui/document/RecoveryHost.h"

#include <QDir>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QtTest>

using namespace velto;
using namespace velto::test;

namespace {
// The text a crash must not lose: NUL, invalid UTF-8, a lone CR, CRLF, a tag.
const QByteArray Awkward("<b>\0\xff\xfe\xc3(\rone\r\ntwo", 22);

// An application started over the state folder the test keeps for all its starts, with
// the recovery dialog answered by choice (and the answers it was offered kept).
struct Start {
    explicit Start(RecoveryDlg::Choice choice = RecoveryDlg::Later) : answer(choice) {
        f.app->Recovery().chooseHook = [this](const std::vector<RecoveryDlg::Item>& items) {
            offered = items;
            ++asked;
            return answer;
        };
        QCoreApplication::processEvents(); // the offer comes once the window shows
    }
    CQuorView* Typed(CQuorDoc* doc, const QString& keys) {
        doc->View()->SetSelection(0, 0);
        QTest::keyClicks(doc->View(), keys);
        return doc->View();
    }
    RecoveryHost& Host() { return f.app->Recovery(); }

    UiFixture f;
    RecoveryDlg::Choice answer;
    std::vector<RecoveryDlg::Item> offered;
    int asked = 0;
};

QStringList Files(const QString& folder, const QString& pattern) {
    return QDir(folder).entryList({pattern}, QDir::Files);
}
} // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

    QTemporaryDir state;
    std::unique_ptr<ScopedEnv> env;
    QString Folder() const { return state.filePath(QStringLiteral("Kestrova/Velto/recovery")); }

private Q_SLOTS:
    void init() {
        // Every test starts from an empty state folder of its own.
        QDir(state.path()).removeRecursively();
        QDir().mkpath(state.path());
        env = std::make_unique<ScopedEnv>("XDG_STATE_HOME", state.path());
    }
    void cleanup() { env.reset(); }

    void unsavedTextComesBackByteForByteAfterARestart() {
        QTemporaryDir files;
        const QString path = files.filePath(QStringLiteral("page.html"));
        QFile(path).open(QIODevice::WriteOnly);
        QByteArray expectedPage, expectedUntitled;
        {
            Start first;
            QVERIFY(first.Host().Active());
            CQuorDoc* page = first.f.Open(path);
            CQuorView* view = first.Typed(page, QStringLiteral("abc"));
            view->EditAsOneChange([&] { view->ReplaceRange(1, 2, Awkward); });
            CQuorDoc* untitled = first.f.Docs().CreateUntitled();
            first.Typed(untitled, QStringLiteral("<p>"));
            first.Host().WriteAllNow();
            first.Host().WaitForWrites();
            QVERIFY(!first.Host().FileOf(page).isEmpty());
            QVERIFY(QFileInfo::exists(first.Host().FileOf(untitled)));
            expectedPage = view->TextBytes();
            expectedUntitled = untitled->View()->TextBytes();
            QCOMPARE(expectedPage, QByteArray("a") + Awkward + "c");
        } // gone without a clean exit, as in a crash

        Start second(RecoveryDlg::Recover);
        QCOMPARE(second.asked, 1);
        QCOMPARE(int(second.offered.size()), 2);
        QVERIFY(second.offered[0].written.isValid());
        const std::vector<CQuorDoc*> docs = second.f.Docs().Documents();
        QCOMPARE(int(docs.size()), 2);
        CQuorDoc* page = docs[0]->PathName().isEmpty() ? docs[1] : docs[0];
        CQuorDoc* untitled = page == docs[0] ? docs[1] : docs[0];
        QCOMPARE(page->PathName(), QFileInfo(path).absoluteFilePath());
        QCOMPARE(page->View()->TextBytes(), expectedPage);
        QVERIFY(page->IsModified());
        QCOMPARE(page->Title(), QStringLiteral("page.html *"));
        QVERIFY(untitled->PathName().isEmpty());
        QCOMPARE(untitled->View()->TextBytes(), expectedUntitled);
        QVERIFY(untitled->IsModified());
        QVERIFY(untitled->Title().endsWith(QStringLiteral(" *")));
        QCOMPARE(second.f.Read(path), QByteArray()); // the file itself is untouched
        // The old editor's files are replaced by this one's.
        second.Host().WaitForWrites();
        QCOMPARE(Files(Folder(), QStringLiteral("*.vrec")).size(), 2);
        // The gone editor's lock went with its last file, once the writes had replaced them.
        QCOMPARE(Files(Folder(), QStringLiteral("*.lock")).size(), 1);
        QVERIFY(QFileInfo::exists(second.Host().FileOf(page)));

        // Typing and undoing it never makes a recovered text look saved.
        second.Typed(page, QStringLiteral("x"));
        page->View()->OnEditUndo();
        QCOMPARE(page->View()->TextBytes(), expectedPage);
        QVERIFY(page->IsModified());

        // Save writes it to its own file, exactly, and its recovery file goes.
        QVERIFY(page->DoFileSave());
        QCOMPARE(second.f.Read(path), expectedPage);
        QVERIFY(second.Host().FileOf(page).isEmpty());
        second.Host().WaitForWrites();
        QCOMPARE(Files(Folder(), QStringLiteral("*.vrec")).size(), 1);
    }

    void damagedFileIsReportedKeptAsideAndNeverOpened() {
        QString written;
        {
            Start first;
            CQuorDoc* doc = first.f.Docs().CreateUntitled();
            first.Typed(doc, QStringLiteral("<p>typed text</p>"));
            first.Host().WriteAllNow();
            written = first.Host().FileOf(doc);
        }
        QFile file(written);
        QVERIFY(file.resize(file.size() - 4)); // cut short
        Start second(RecoveryDlg::Recover);
        QCOMPARE(second.asked, 0);
        QVERIFY(second.f.Docs().Documents().empty());
        QCOMPARE(int(second.f.prompter.messages.size()), 1);
        const QString message = QString::fromStdString(second.f.prompter.messages[0]);
        QVERIFY(message.contains(QFileInfo(written).fileName()));
        QVERIFY(message.contains(QStringLiteral("cut short")));
        QVERIFY(!QFileInfo::exists(written));
        QCOMPARE(Files(Folder() + QStringLiteral("/damaged"), QStringLiteral("*")).size(), 1);
    }

    void saveCloseWithoutSavingAndCleanExitLeaveNoFile() {
        QTemporaryDir files;
        const QString path = files.filePath(QStringLiteral("a.html"));
        QFile(path).open(QIODevice::WriteOnly);
        Start s;
        CQuorDoc* doc = s.f.Open(path);
        const auto writtenAfter = [&](const QString& keys) {
            s.Typed(doc, keys);
            s.Host().WriteAllNow();
            s.Host().WaitForWrites();
            return QFileInfo::exists(s.Host().FileOf(doc));
        };
        const auto noFileLeft = [&] {
            s.Host().WaitForWrites();
            return Files(Folder(), QStringLiteral("*.vrec")).isEmpty();
        };
        QVERIFY(writtenAfter(QStringLiteral("one")));
        QVERIFY(doc->DoFileSave());
        QVERIFY(noFileLeft());
        // Undone back to the saved text: the file on disk holds it.
        QVERIFY(writtenAfter(QStringLiteral("x")));
        doc->View()->OnEditUndo();
        QVERIFY(!doc->IsModified());
        QVERIFY(noFileLeft());
        // Closed with "No" to saving.
        QVERIFY(writtenAfter(QStringLiteral("two")));
        s.f.prompter.threeWayAnswers.push_back(Prompter::Answer::No);
        qobject_cast<QMdiSubWindow*>(doc->parent())->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(noFileLeft());
        // A cancelled exit keeps the file; the clean exit, answered "No", leaves nothing.
        CQuorDoc* other = s.f.Docs().CreateUntitled();
        s.Typed(other, QStringLiteral("three"));
        s.Host().WriteAllNow();
        s.f.Frame().close();
        s.Host().WaitForWrites();
        QCOMPARE(Files(Folder(), QStringLiteral("*.vrec")).size(), 1);
        s.f.prompter.threeWayAnswers.push_back(Prompter::Answer::No);
        s.f.Frame().close();
        s.f.app->ExitInstance();
        QCOMPARE(QDir(Folder()).entryList(QDir::Files), QStringList());
    }

    void saveOrUndoWhileTheWriteIsOnItsWayLeavesNoFile() {
        // A large document's write keeps the worker busy while the small one's waits
        // behind it; a removal that did not queue behind the write would come first and
        // leave the file the write makes after it.
        QTemporaryDir files;
        const QString bigPath = files.filePath(QStringLiteral("big.html"));
        const QString path = files.filePath(QStringLiteral("small.html"));
        QByteArray big;
        while (big.size() < 8 * 1024 * 1024)
            big += "<p class=\"x\">Some text of a page, with <b>tags</b> in it.</p>\n";
        const std::pair<QString, QByteArray> written[] = {{bigPath, big}, {path, "<p>"}};
        for (const auto& [name, bytes] : written) {
            QFile out(name);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(bytes);
        }
        Start s;
        CQuorDoc* filler = s.f.Open(bigPath);
        CQuorDoc* doc = s.f.Open(path);
        const auto behindTheLargeWrite = [&](const QString& keys) {
            s.Typed(filler, QStringLiteral("x"));
            s.Host().WriteAllNow(); // handed to the worker, not waited for
            s.Typed(doc, keys);
            s.Host().WriteAllNow();
            return !s.Host().FileOf(doc).isEmpty();
        };
        const auto onlyTheLargeOnesFile = [&] {
            s.Host().WaitForWrites();
            return Files(Folder(), QStringLiteral("*.vrec*")) ==
                   QStringList{QFileInfo(s.Host().FileOf(filler)).fileName()};
        };
        QVERIFY(behindTheLargeWrite(QStringLiteral("a")));
        QVERIFY(doc->DoFileSave());
        QVERIFY(onlyTheLargeOnesFile());
        QCOMPARE(s.f.Read(path), QByteArray("a<p>"));

        QVERIFY(behindTheLargeWrite(QStringLiteral("b")));
        doc->View()->OnEditUndo();
        QVERIFY(!doc->IsModified());
        QVERIFY(onlyTheLargeOnesFile());

        // Edits after a write was handed on are written by the next one, never undone by
        // the older write landing late.
        QVERIFY(behindTheLargeWrite(QStringLiteral("c")));
        s.Typed(doc, QStringLiteral("d"));
        s.Host().WriteAllNow();
        s.Host().WaitForWrites();
        QVERIFY(s.f.Read(s.Host().FileOf(doc)).endsWith("dca<p>"));
    }

    void failedWriteIsToldOnceAndTriedAgainUntilItSucceeds() {
        Start s;
        CQuorDoc* doc = s.f.Docs().CreateUntitled();
        s.Typed(doc, QStringLiteral("one"));
        s.Host().WriteAllNow();
        s.Host().WaitForWrites();
        const QString file = s.Host().FileOf(doc);
        QVERIFY(QFileInfo::exists(file));
        // A folder where the file goes: the rename over it fails, even for root.
        QVERIFY(QFile::remove(file));
        QVERIFY(QDir().mkpath(file + QStringLiteral("/blocked")));
        const auto told = [&] {
            return s.f.Frame().statusBar()->currentMessage().contains(
                QStringLiteral("Could not keep unsaved text"));
        };
        s.Typed(doc, QStringLiteral("two"));
        s.Host().WriteAllNow();
        s.Host().WaitForWrites();
        QVERIFY(told());
        s.f.Frame().ShowPrompt({});
        s.Typed(doc, QStringLiteral("three"));
        s.Host().WriteAllNow();
        s.Host().WaitForWrites();
        QVERIFY(!told()); // once per document
        // Nothing typed since: the text the failed write was to hold is still due.
        QVERIFY(QDir(file).removeRecursively());
        s.Host().WriteAllNow();
        s.Host().WaitForWrites();
        QVERIFY(s.f.Read(file).endsWith("threetwoone"));
    }

    void runningEditorKeepsItsFilesFromAnother() {
        Start running;
        CQuorDoc* doc = running.f.Docs().CreateUntitled();
        running.Typed(doc, QStringLiteral("mine"));
        running.Host().WriteAllNow();
        running.Host().WaitForWrites();
        const QString file = running.Host().FileOf(doc);
        const QByteArray before = UiFixture::Read(file);
        {
            // A second editor in the same process: not offered, not removed at its exit.
            Start other(RecoveryDlg::Discard);
            other.f.prompter.answers.push_back(true);
            QCOMPARE(other.asked, 0);
            other.f.Frame().close();
            other.f.app->ExitInstance();
        }
        QCOMPARE(UiFixture::Read(file), before);
        // Still this editor's: its own save removes it.
        running.f.prompter.threeWayAnswers.push_back(Prompter::Answer::No);
        running.f.Frame().close();
        running.f.app->ExitInstance();
        QVERIFY(!QFileInfo::exists(file));
    }

    void laterKeepsTheFilesAndDiscardRemovesThem() {
        {
            Start first;
            first.Typed(first.f.Docs().CreateUntitled(), QStringLiteral("keep me"));
            first.Host().WriteAllNow();
        }
        {
            Start later(RecoveryDlg::Later);
            QCOMPARE(later.asked, 1);
            QVERIFY(later.f.Docs().Documents().empty());
        }
        {
            // Discard asks first; "No" keeps the text for the next start.
            Start refused(RecoveryDlg::Discard);
            QCOMPARE(refused.asked, 1);
            QCOMPARE(int(refused.f.prompter.questions.size()), 1);
        }
        QCOMPARE(Files(Folder(), QStringLiteral("*.vrec")).size(), 1);
        {
            UiFixture f;
            f.prompter.answers.push_back(true);
            f.app->Recovery().chooseHook = [](const auto&) { return RecoveryDlg::Discard; };
            QCoreApplication::processEvents();
        }
        QVERIFY(Files(Folder(), QStringLiteral("*.vrec")).isEmpty());
    }

    void dialogListsEachDocumentAndAnswersWithItsButtons() {
        const QDateTime t1 = QDateTime::fromSecsSinceEpoch(1765000000);
        const QDateTime t2 = t1.addDays(1);
        const std::vector<RecoveryDlg::Item> items = {{QStringLiteral("/a/b.html"), t1},
                                                      {QStringLiteral("Velto2 (untitled)"), t2}};
        for (const RecoveryDlg::Choice choice : {RecoveryDlg::Recover, RecoveryDlg::Discard, RecoveryDlg::Later}) {
            RecoveryDlg dlg(items);
            QCOMPARE(dlg.List()->topLevelItemCount(), 2);
            QCOMPARE(dlg.List()->topLevelItem(1)->text(0), items[1].document);
            QVERIFY(!dlg.List()->topLevelItem(0)->text(1).isEmpty());
            QVERIFY(dlg.List()->topLevelItem(0)->text(1) != dlg.List()->topLevelItem(1)->text(1));
            dlg.open();
            dlg.Button(choice)->click();
            QCOMPARE(dlg.result(), int(choice));
        }
        RecoveryDlg closed(items);
        closed.open();
        closed.reject(); // Escape or the window's close button
        QCOMPARE(closed.result(), int(RecoveryDlg::Later));
    }
};

QTEST_MAIN(RecoveryTest)
#include "RecoveryTest.moc"

// The application shell in one process: start-up with a command line, command lines
// handed over by later starts, the bars and menus of the main window, window placement,
// the bars' layout and the recent files.
#include "UiTestSupport.h"

#include "core/app/HandOverCommand.h"
#include "core/app/RawCommandLine.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "ui/app/CInstanceMarker.h"
#include "ui/app/CLockStatePanes.h"
#include "core/menu/CommandIds.h"
#include "ui/app/FolderMenuAttach.h"

#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <thread>

using namespace velto;

namespace {

// An application started with the given arguments over an in-memory profile (which the
// caller may fill first, or share between starts).
struct Started {
    explicit Started(const QStringList& args, std::shared_ptr<MemoryProfile> shared = nullptr)
        : store(shared ? std::move(shared) : std::make_shared<MemoryProfile>()) {
        store->WriteInt("Tip", "StartUp", 1); // no tip of the day over the window
        app = std::make_unique<CQuorApp>(std::make_unique<SharedProfile>(store));
        app->SetPrompter(&prompter);
        started = app->InitInstance(args);
    }
    CMainFrame& Frame() { return *app->MainFrame(); }
    std::vector<CQuorDoc*> Docs() { return app->DocManager().Documents(); }
    bool Hand(const QStringList& args, const QString& workingDir = QString()) {
        std::vector<std::string> a;
        for (const QString& s : args)
            a.push_back(s.toStdString());
        return app->OnDDECommand(FormatHandOverCommand(JoinArguments(a)), workingDir);
    }

    // A profile that forwards to a store the test keeps, so a second start reads what
    // the first one wrote.
    struct SharedProfile final : Profile {
        explicit SharedProfile(std::shared_ptr<MemoryProfile> s) : store(std::move(s)) {}
        std::int32_t GetInt(std::string_view s, std::string_view k, std::int32_t d) const override {
            return store->GetInt(s, k, d);
        }
        std::string GetString(std::string_view s, std::string_view k, std::string_view d) const override {
            return store->GetString(s, k, d);
        }
        std::optional<Bytes> GetBinary(std::string_view s, std::string_view k) const override {
            return store->GetBinary(s, k);
        }
        bool WriteInt(std::string_view s, std::string_view k, std::int32_t v) override {
            return store->WriteInt(s, k, v);
        }
        bool WriteString(std::string_view s, std::string_view k, std::string_view v) override {
            return store->WriteString(s, k, v);
        }
        bool WriteBinary(std::string_view s, std::string_view k, const Bytes& v) override {
            return store->WriteBinary(s, k, v);
        }
        std::shared_ptr<MemoryProfile> store;
    };

    std::shared_ptr<MemoryProfile> store;
    test::RecordingPrompter prompter;
    std::unique_ptr<CQuorApp> app;
    bool started = false;
};

QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes = "<p>x</p>") {
    QFile f(dir.filePath(name));
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return f.fileName();
}

QStringList MenuTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* a : menu->actions())
        if (a->isVisible() && !a->isSeparator())
            texts << a->text();
    return texts;
}

QMenu* TopMenu(CMainFrame& frame, const QString& text) {
    for (QAction* a : frame.menuBar()->actions())
        if (a->text() == text)
            return a->menu();
    return nullptr;
}

} // namespace

class ShellStartupTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startWithFilesOpensThemAllAndShowsTheLastInTheTitle() {
        QTemporaryDir dir;
        const QString a = Write(dir, QStringLiteral("a.html"));
        const QString b = Write(dir, QStringLiteral("b.html"));
        Started s({a, b});
        QVERIFY(s.started);
        QCOMPARE(s.Docs().size(), size_t(2));
        QVERIFY(s.Frame().isVisible());
        QCOMPARE(s.Frame().windowTitle(), QStringLiteral("Velto - b.html"));
        // The knowledge base was built on the way.
        QVERIFY(s.app->KnowledgeBase().FindElement("TABLE") != nullptr);
        s.app->DocManager().CloseAll();
        QTRY_COMPARE(s.Frame().windowTitle(), QStringLiteral("Velto"));
    }

    void startWithoutArgumentsMakesOneNewDocument() {
        Started s({});
        QVERIFY(s.started);
        QCOMPARE(s.Docs().size(), size_t(1));
        QVERIFY(s.Docs().front()->PathName().isEmpty());
    }

    void startWithAMissingFileTriesTheRestThenEnds() {
        QTemporaryDir dir;
        const QString good = Write(dir, QStringLiteral("good.html"));
        Started s({dir.filePath(QStringLiteral("missing.html")), good});
        QVERIFY(!s.started);
        QCOMPARE(s.app->ExitCode(), 1);
        QCOMPARE(s.prompter.messages.size(), size_t(1));
        QCOMPARE(s.Docs().size(), size_t(1));
    }

    void embeddingAndAutomationEndWithStatusTwo() {
        for (const char* flag : {"-Embedding", "-Automation"}) {
            Started s({QString::fromLatin1(flag)});
            QVERIFY(!s.started);
            QCOMPARE(s.app->ExitCode(), 2);
            QVERIFY(!s.Frame().isVisible());
        }
    }

    void printingEndsTheProgramWithoutAWindow() {
        QTemporaryDir dir;
        const QString page = Write(dir, QStringLiteral("page.html"));
        Started s({QStringLiteral("-pt"), page, QStringLiteral("No Such Printer"), QStringLiteral("drv"),
                    QStringLiteral("port")});
        QVERIFY(!s.started);
        QCOMPARE(s.app->ExitCode(), 3); // no printer of that name
        QVERIFY(!s.Frame().isVisible());
    }

    void handedOverFilesOpenAndAFailingOneLeavesTheOthers() {
        QTemporaryDir dir;
        Write(dir, QStringLiteral("one.html"));
        Write(dir, QStringLiteral("three.html"));
        test::UiFixture f;
        // Relative names are read in the folder the other start ran in.
        const bool ok = f.app->OnDDECommand(
            FormatHandOverCommand("one.html two.html \"three.html\""), dir.path());
        QVERIFY(!ok);
        QCOMPARE(f.prompter.messages.size(), size_t(1));
        QStringList opened;
        for (CQuorDoc* doc : f.Docs().Documents())
            opened << doc->PathName();
        QCOMPARE(opened, QStringList({dir.filePath(QStringLiteral("one.html")),
                                      dir.filePath(QStringLiteral("three.html"))}));
    }

    void handedOverEmptyLineOnlyActivatesAndRestoresTheWindow() {
        test::UiFixture f;
        f.Frame().showMinimized();
        QTRY_VERIFY(f.Frame().isMinimized());
        QVERIFY(f.app->OnDDECommand(FormatHandOverCommand("")));
        QTRY_VERIFY(!f.Frame().isMinimized());
        QVERIFY(f.Frame().isVisible());
        QVERIFY(f.Docs().Documents().empty());
    }

    void handedOverPrintAndOtherCommandsDoNothing() {
        QTemporaryDir dir;
        const QString page = Write(dir, QStringLiteral("page.html"));
        test::UiFixture f;
        QVERIFY(f.app->OnDDECommand(FormatHandOverCommand("-p " + page.toStdString())));
        QVERIFY(f.app->OnDDECommand(FormatHandOverCommand("-dde")));
        QVERIFY(f.Docs().Documents().empty());
        QVERIFY(!f.app->OnDDECommand("[VeltoCommandLine(\"" + page.toStdString() + "\")]"));
        QVERIFY(!f.app->OnDDECommand("[veltoCommandLine(\""));
        QVERIFY(f.Docs().Documents().empty());
        QVERIFY(f.app->OnDDECommand("[open(\"" + page.toStdString() + "\")]"));
        QCOMPARE(f.Docs().Documents().size(), size_t(1));
    }

    void barsAreDockedOnTopInOneRowAndStatusBarHasLockPanes() {
        test::UiFixture f;
        CMainFrame& frame = f.Frame();
        QCOMPARE(frame.MainToolBar()->windowTitle(), QStringLiteral("Velto"));
        QCOMPARE(frame.ReferenceToolBar()->windowTitle(), QStringLiteral("<?> HTML"));
        QCOMPARE(frame.LookupBar()->windowTitle(), QStringLiteral("Lookup HTML Tag"));
        for (QToolBar* bar : {frame.MainToolBar(), frame.ReferenceToolBar(), frame.LookupBar()}) {
            QCOMPARE(frame.toolBarArea(bar), Qt::TopToolBarArea);
            QVERIFY(!frame.toolBarBreak(bar));
        }
        QVERIFY(frame.MainToolBar()->geometry().right() < frame.ReferenceToolBar()->geometry().left());
        QVERIFY(frame.ReferenceToolBar()->geometry().right() < frame.LookupBar()->geometry().left());
        QVERIFY(!frame.LookupBar()->isAreaAllowed(Qt::LeftToolBarArea));
        QVERIFY(!frame.Action(CommandId::ContextTagLookup)->isEnabled());
        for (const char* name : {"capsLockPane", "numLockPane", "scrollLockPane"}) {
            auto* pane = frame.statusBar()->findChild<QLabel*>(QString::fromLatin1(name));
            QVERIFY(pane);
            QVERIFY(pane->text().isEmpty() || pane->text() == QStringLiteral("CAP") ||
                    pane->text() == QStringLiteral("NUM") || pane->text() == QStringLiteral("SCRL"));
        }
        QCOMPARE(frame.GetMessageString(CommandId::FileOpen), QStringLiteral("Open an existing document"));
    }

    void folderMenuItemsArePresentAndBecomePopUpsByExactText() {
        test::UiFixture f;
        CMainFrame& frame = f.Frame();
        QVERIFY(MenuTexts(TopMenu(frame, QStringLiteral("&File"))).contains(QStringLiteral("New &From Template")));
        QVERIFY(MenuTexts(TopMenu(frame, QStringLiteral("&Edit"))).contains(QStringLiteral("Inser&t Snippet")));
        const QStringList help = MenuTexts(TopMenu(frame, QStringLiteral("&Help")));
        QVERIFY(help.contains(QStringLiteral("HTML &References")));
        QVERIFY(help.contains(QStringLiteral("On The &Web")));

        QMenu web;
        web.addAction(QStringLiteral("Home page"));
        QVERIFY(!AttachFolderMenu(frame.menuBar(), QStringLiteral("&Help"), QStringLiteral("On the &Web"), &web));
        QVERIFY(!AttachFolderMenu(frame.menuBar(), QStringLiteral("Help"), QStringLiteral("On The &Web"), &web));
        QVERIFY(!AttachFolderMenu(frame.menuBar(), QStringLiteral("&Help"), QStringLiteral("On The &Web"), nullptr));
        QVERIFY(AttachFolderMenu(frame.menuBar(), QStringLiteral("&Help"), QStringLiteral("On The &Web"), &web));
        QAction* item = frame.Action(CommandId::HelpOnTheWeb);
        QCOMPARE(item->menu(), &web);
        QCOMPARE(item->text(), QStringLiteral("On The &Web"));
        QVERIFY(item->isEnabled());
    }

    void placementAndBarLayoutAreSavedAtCloseAndRestored() {
        auto store = std::make_shared<MemoryProfile>();
        {
            Started first({QStringLiteral("-dde")}, store);
            first.app->ShowMainWindow(true);
            first.Frame().setGeometry(40, 50, 700, 500);
            first.Frame().addToolBar(Qt::BottomToolBarArea, first.Frame().LookupBar());
            QVERIFY(first.Frame().close());
        }
        const std::string saved = store->GetString("Settings", "MainWindow", "");
        const auto placement = WPlacementObj::Parse(saved);
        QVERIFY(placement);
        QCOMPARE(placement->showCommand, std::uint32_t(WPlacementObj::Normal));
        QCOMPARE(placement->right - placement->left, 700);
        QCOMPARE(placement->bottom - placement->top, 500);

        Started second({QStringLiteral("-dde")}, store);
        second.app->ShowMainWindow(true);
        QCOMPARE(second.Frame().geometry().size(), QSize(700, 500));
        QCOMPARE(second.Frame().toolBarArea(second.Frame().LookupBar()), Qt::BottomToolBarArea);
    }

    void minimisedPlacementRestoresNormalUnlessStartedMinimised() {
        auto store = std::make_shared<MemoryProfile>();
        store->WriteString("Settings", "MainWindow", "0,2,0,0,0,0,30,40,830,640");
        Started normal({QStringLiteral("-dde")}, store);
        normal.app->ShowMainWindow(true);
        QVERIFY(normal.Frame().isVisible());
        QVERIFY(!normal.Frame().isMinimized());
        QCOMPARE(normal.Frame().geometry().size(), QSize(800, 600));

        // A damaged placement or layout leaves the default size and the bars in place.
        auto damaged = std::make_shared<MemoryProfile>();
        damaged->WriteString("Settings", "MainWindow", "0,1,0,0,0,0,30,40");
        damaged->WriteBinary("MainWindow", "BarState", Bytes{1, 2, 3});
        Started plain({QStringLiteral("-dde")}, damaged);
        plain.app->ShowMainWindow(true);
        QCOMPARE(plain.Frame().geometry().size(), QSize(900, 680));
        QCOMPARE(plain.Frame().toolBarArea(plain.Frame().LookupBar()), Qt::TopToolBarArea);
    }

    void recentFilesAreListedShortenedKeptAndDroppedWhenGone() {
        QTemporaryDir dir;
        const QString deep = dir.filePath(QStringLiteral("a-rather-long-folder-name/and-another-one"));
        QVERIFY(QDir().mkpath(deep));
        const QString one = Write(dir, QStringLiteral("a-rather-long-folder-name/and-another-one/one.html"));
        const QString two = Write(dir, QStringLiteral("two.html"));
        const QString three = Write(dir, QStringLiteral("three.html"));
        auto store = std::make_shared<MemoryProfile>();
        store->WriteInt("Settings", "MruFiles", 2);
        store->WriteInt("Settings", "MruEntryWidth", 5);
        {
            Started s({QStringLiteral("-dde")}, store);
            QCOMPARE(s.Frame().Action(CommandId::FileMruFirst)->text(), QStringLiteral("Recent File"));
            QVERIFY(!s.Frame().Action(CommandId::FileMruFirst)->isEnabled());
            for (const QString& p : {three, two, one})
                s.app->DocManager().OpenDocumentFile(p);
            const auto& entries = s.app->RecentFiles().Entries();
            QCOMPARE(entries.size(), size_t(2));
            QCOMPARE(QString::fromStdString(entries[0]), one);
            const QString shown = s.Frame().Action(CommandId::FileMruFirst)->text();
            QVERIFY(shown.startsWith(QStringLiteral("&1 ")));
            QVERIFY(shown.size() <= 3 + 30);
            QVERIFY(shown.endsWith(QStringLiteral("one.html")));
            const QString second = s.Frame().Action(CommandId::FileMruFirst + 1)->text();
            QVERIFY(second.startsWith(QStringLiteral("&2 ")) && second.endsWith(QStringLiteral("two.html")));
            QCOMPARE(s.Frame().Action(CommandId::FileMruFirst + 1)->toolTip(), two);
        }
        QFile::remove(one);
        Started again({QStringLiteral("-dde")}, store);
        QCOMPARE(again.app->RecentFiles().Entries().size(), size_t(2));
        again.Frame().Action(CommandId::FileMruFirst)->trigger();
        QCOMPARE(again.prompter.messages.size(), size_t(1));
        QCOMPARE(again.app->RecentFiles().Entries(), std::vector<std::string>{two.toStdString()});
        again.Frame().Action(CommandId::FileMruFirst)->trigger();
        QCOMPARE(again.Docs().size(), size_t(1));
    }

    void instanceMarkerAnswersOnlyWhileNotHandingOver() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("instance"));
        CInstanceMarker first(name);
        QVERIFY(first.Claim());
        CInstanceMarker second(name);
        QVERIFY(!second.Claim()); // the lock is held
        QVERIFY(!second.Owned());
        QSignalSpy received(&first, &CInstanceMarker::CommandReceived);
        bool accept = false;
        first.accepting = [&accept] { return accept; };

        // The sender blocks while it waits, so it runs beside this thread's event loop.
        bool refused = true;
        std::thread refusedSender([&] { refused = second.Send("cmd", QStringLiteral("/w"), 1000, 1000); });
        QTest::qWait(1500);
        refusedSender.join();
        QVERIFY(!refused);
        QCOMPARE(received.size(), 0);

        accept = true;
        bool taken = false;
        std::thread takenSender([&] { taken = second.Send("cmd", QStringLiteral("/w"), 2000, 5000); });
        QTRY_COMPARE(received.size(), 1);
        takenSender.join();
        QVERIFY(taken);
        QCOMPARE(received.at(0).at(0).toByteArray(), QByteArray("cmd"));
        QCOMPARE(received.at(0).at(1).toString(), QStringLiteral("/w"));

        // Once the first lets go, the next start becomes the first.
        first.Release();
        QVERIFY(second.Claim());
    }

    void firstInstanceDoesNotHandOverToItself() {
        QTemporaryDir dir;
        auto profile = std::make_unique<MemoryProfile>();
        profile->WriteInt("Tip", "StartUp", 1);
        CQuorApp app(std::move(profile));
        test::RecordingPrompter prompter;
        app.SetPrompter(&prompter);
        app.SetInstanceName(dir.filePath(QStringLiteral("instance")));
        QVERIFY(app.InitInstance({QStringLiteral("-dde")}));
        QVERIFY(!app.HandOver());
        QCOMPARE(app.HandOverGuard(), 0);
    }
};

QTEST_MAIN(ShellStartupTest)
#include "ShellStartupTest.moc"

// The live preview pane with a real engine, offscreen: what the page shows, when it is
// rewritten, what it may load and where its links go, and its files' clean-up. The
// engine is slow to start, so one program starts it once and its tests are few.
#include "UiTestSupport.h"

#include "core/menu/CommandIds.h"
#include "ui/app/CommandTable.h"
#include "ui/document/ScintillaTextControl.h"
#include "ui/preview/LivePreviewPane.h"
#include "ui/preview/LivePreviewView.h"
#include "ui/preview/PreviewHost.h"
#include "ui/reference/ReferenceWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <memory>
#include <optional>

using namespace velto;
using namespace velto::test;

namespace {
// A 3 by 2 pixel GIF.
const QByteArray Gif = QByteArray::fromHex("474946383961030002008000000000ffffff2c0000000003000200000202845f003b");
constexpr int Patience = 60000; // the engine's first start can take a while on a busy machine

QVariant Js(LivePreviewPane& pane, const QString& script) {
    QVariant out;
    bool done = false;
    pane.View()->RunJavaScript(script, [&](const QVariant& v) {
        out = v;
        done = true;
    });
    for (int waited = 0; !done && waited < Patience; waited += 20)
        QTest::qWait(20);
    return out;
}

// The page's title, or nothing when the page has not answered within the wait. The answer
// may come after the wait or never (a page whose script runs away): it lands in shared
// state, not in this call's locals.
QString TitleWithin(LivePreviewPane& pane, int waitMs) {
    auto answer = std::make_shared<std::optional<QString>>();
    pane.View()->RunJavaScript(QStringLiteral("document.title"),
                               [answer](const QVariant& v) { *answer = v.toString(); });
    for (int waited = 0; !answer->has_value() && waited < waitMs; waited += 20)
        QTest::qWait(20);
    return answer->value_or(QString());
}

// Whether the pane comes to show a page of this title within the patience.
bool ComesToShow(LivePreviewPane& pane, const QString& title) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < Patience) {
        if (TitleWithin(pane, 500) == title)
            return true;
        QTest::qWait(50);
    }
    return false;
}

LivePreviewPane* ShowPane(UiFixture& f) {
    f.Frame().Commands().Run(CommandId::LivePreview);
    return f.Frame().findChild<LivePreviewPane*>();
}

QStringList PaneFiles(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("~veltolp*.htm")}, QDir::Files);
}

// Serves the GIF to whoever asks, counting the requests.
class ImageServer : public QTcpServer {
public:
    ImageServer() {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = nextPendingConnection()) {
                ++requests;
                connect(s, &QTcpSocket::readyRead, s, [s] {
                    s->readAll();
                    s->write("HTTP/1.0 200 OK\r\nContent-Type: image/gif\r\nContent-Length: " +
                             QByteArray::number(Gif.size()) + "\r\n\r\n" + Gif);
                    s->disconnectFromHost();
                });
            }
        });
    }
    int requests = 0;
};
} // namespace

class LivePreviewTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void thePaneShowsTheActiveDocumentAndFollowsItsEdits() {
        UiFixture f;
        ImageServer server;
        f.Write(QStringLiteral("dot.gif"), Gif);
        const QString first = f.Write(
            QStringLiteral("first.html"),
            "<html><head><title>First</title></head><body><img id=\"i\" src=\"dot.gif\">"
            "<img id=\"r\" src=\"http://127.0.0.1:" + QByteArray::number(server.serverPort()) + "/r.gif\">"
            "<a id=\"l\" href=\"https://example.org/\">out</a><div style=\"height:5000px\"></div></body></html>");
        const QString second = f.Write(QStringLiteral("second.html"), "<title>Second</title><p>two</p>");
        CQuorView* view = f.Open(first)->View();
        LivePreviewPane* pane = ShowPane(f);
        QVERIFY(pane);
        QVERIFY(f.prompter.messages.empty());
        QVERIFY(pane->isVisible());
        QCOMPARE(pane->windowTitle(), QStringLiteral("Live Preview - first.html"));
        QVERIFY(f.Frame().Action(CommandId::LivePreview)->isChecked());
        QSignalSpy loads(pane, &LivePreviewPane::PageLoaded);
        QVERIFY(loads.wait(Patience));
        QCOMPARE(loads.last().at(0).toBool(), true);
        QCOMPARE(QFileInfo(pane->PagePath()).absolutePath(), QFileInfo(first).absolutePath());
        QCOMPARE(Js(*pane, QStringLiteral("document.title")).toString(), QStringLiteral("First"));
        // The relative image resolves beside the document; the remote one is never asked for.
        QCOMPARE(Js(*pane, QStringLiteral("document.getElementById('i').naturalWidth")).toInt(), 3);
        QCOMPARE(Js(*pane, QStringLiteral("document.getElementById('r').naturalWidth")).toInt(), 0);
        QCOMPARE(server.requests, 0);

        // Scrolled by the user: the place is kept across refreshes and switches.
        Js(*pane, QStringLiteral("window.scrollTo(0, 700)"));
        QTRY_COMPARE_WITH_TIMEOUT(pane->View()->ScrollPosition().y(), 700.0, Patience);

        // Typing: nothing is rewritten until the pause has passed, and the editor keeps
        // the keyboard.
        view->setFocus();
        const int titleEnd = static_cast<int>(QByteArray(UiFixture::Read(first)).indexOf("</title>"));
        view->Control().SetSelection({titleEnd, titleEnd});
        const QString before = pane->PagePath();
        QTest::keyClicks(view, QStringLiteral("X"));
        QCOMPARE(pane->PagePath(), before);
        QVERIFY(loads.wait(Patience));
        QVERIFY(pane->PagePath() != before);
        QCOMPARE(Js(*pane, QStringLiteral("document.title")).toString(), QStringLiteral("FirstX"));
        QCOMPARE(QApplication::focusWidget(), view);
        QCOMPARE(Js(*pane, QStringLiteral("window.scrollY")).toInt(), 700);

        // Allowed, the remote image loads: the block above was the setting's doing.
        pane->AllowRemoteItem()->setChecked(true);
        QVERIFY(loads.wait(Patience));
        QCOMPARE(Js(*pane, QStringLiteral("document.getElementById('r').naturalWidth")).toInt(), 3);
        QVERIFY(server.requests > 0);
        QCOMPARE(f.profile->GetInt("Live Preview", "Allow Remote Content", 0), 1);

        // A link followed in the page goes to the browser; the pane stays on the document.
        QList<QUrl> opened;
        pane->openLink = [&opened](const QUrl& url) { opened << url; };
        Js(*pane, QStringLiteral("document.getElementById('l').click()"));
        QTRY_COMPARE_WITH_TIMEOUT(opened.size(), 1, Patience);
        QCOMPARE(opened.first(), QUrl(QStringLiteral("https://example.org/")));
        QCOMPARE(Js(*pane, QStringLiteral("location.href")).toUrl(), QUrl::fromLocalFile(pane->PagePath()));

        // Another document: the pane switches to it.
        f.Open(second);
        QVERIFY(loads.wait(Patience));
        QCOMPARE(pane->windowTitle(), QStringLiteral("Live Preview - second.html"));
        QCOMPARE(Js(*pane, QStringLiteral("document.title")).toString(), QStringLiteral("Second"));
        QCOMPARE(Js(*pane, QStringLiteral("window.scrollY")).toInt(), 0);
        f.Frame().MdiArea()->setActiveSubWindow(f.Frame().MdiArea()->subWindowList().first());
        QVERIFY(loads.wait(Patience));
        QCOMPARE(Js(*pane, QStringLiteral("document.title")).toString(), QStringLiteral("FirstX"));
        QCOMPARE(Js(*pane, QStringLiteral("window.scrollY")).toInt(), 700);

        // The pane's files go at exit, the documents stay.
        QVERIFY(!PaneFiles(f.dir.path()).isEmpty());
        f.app->ExitInstance();
        QCOMPARE(PaneFiles(f.dir.path()), QStringList());
        QVERIFY(QFileInfo::exists(first) && QFileInfo::exists(second));
    }

    void aPageWhoseScriptRunsAwayFreezesNeitherTheEditorNorThePane() {
        UiFixture f;
        CQuorView* view = f.Open(f.Write(QStringLiteral("spin.html"), "<title>Calm</title><p>calm</p>"))->View();
        LivePreviewPane* pane = ShowPane(f);
        QVERIFY(pane);
        QSignalSpy loads(pane, &LivePreviewPane::PageLoaded);
        QVERIFY(loads.wait(Patience));
        QCOMPARE(TitleWithin(*pane, Patience), QStringLiteral("Calm"));
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(20);
        const auto typeAt = [view](int position, const QString& keys) {
            view->setFocus();
            view->SetSelection(position, position);
            QTest::keyClicks(view, keys);
        };

        // A script that never ends while the page loads, one that never ends in the page's
        // load handler, and one that starts after the page has arrived.
        struct Runaway {
            QByteArray text;
            QString later;
        };
        const QList<Runaway> runaways = {
            {"<title>Loop</title><script>for(;;){}</script><p>never shown</p>", {}},
            {"<title>Onload</title><body onload=\"while(true){}\"><p>loaded, then stuck</p></body>", {}},
            {"<title>Later</title><p>shown, then stuck</p>", QStringLiteral("for(;;){}")},
        };
        for (const Runaway& runaway : runaways) {
            const QString before = pane->PagePath();
            view->ReplaceRange(0, view->TextLength(), runaway.text);
            QTRY_VERIFY_WITH_TIMEOUT(pane->PagePath() != before, Patience);
            if (!runaway.later.isEmpty()) {
                QVERIFY(ComesToShow(*pane, QStringLiteral("Later")));
                pane->View()->RunJavaScript(runaway.later, {});
            }
            // The page spins: it no longer answers.
            QTest::qWait(500);
            QCOMPARE(TitleWithin(*pane, 1000), QString());

            // The editor goes on: its event loop runs, and what the author types lands.
            ticks = 0;
            QTRY_VERIFY_WITH_TIMEOUT(ticks >= 5, Patience);
            QString title;
            if (runaway.later.isEmpty()) {
                typeAt(view->TextLength(), QStringLiteral("<!-- z -->"));
                QVERIFY(view->TextBytes().endsWith("<!-- z -->"));
                // Fixed, the page shows in the pane.
                title = QStringLiteral("Fixed");
                view->ReplaceRange(0, view->TextLength(), "<title>Fixed</title><p>fine</p>");
            } else {
                // The one change after the page went astray is a sound page: it shows,
                // although the process it was sent to never takes it and nothing else
                // asks for another.
                typeAt(static_cast<int>(runaway.text.indexOf("</title>")), QStringLiteral("Fixed"));
                QVERIFY(view->TextBytes().startsWith("<title>LaterFixed</title>"));
                title = QStringLiteral("LaterFixed");
            }
            QVERIFY(ComesToShow(*pane, title));
            QVERIFY(!loads.isEmpty() && loads.last().at(0).toBool());
            QCOMPARE(QApplication::focusWidget(), view);
        }

        // Leaving with a page still spinning ends the run as usual.
        const QString before = pane->PagePath();
        view->ReplaceRange(0, view->TextLength(), runaways.first().text);
        QTRY_VERIFY_WITH_TIMEOUT(pane->PagePath() != before, Patience);
        QTest::qWait(500);
        QCOMPARE(TitleWithin(*pane, 1000), QString());
        f.prompter.threeWayAnswers.push_back(Prompter::Answer::No); // not saved
        f.Frame().close();
        QVERIFY(!f.Frame().isVisible());
        f.app->ExitInstance();
    }

    void aLargeDocumentRefreshesOnlyOnCtrlR() {
        UiFixture f;
        QByteArray page = "<title>Large</title>\n";
        while (page.size() < (3 << 20))
            page += "<p>Some text of a long page, line after line.</p>\n";
        CQuorView* view = f.Open(f.Write(QStringLiteral("large.html"), page))->View();
        LivePreviewPane* pane = ShowPane(f);
        QVERIFY(pane);
        QSignalSpy loads(pane, &LivePreviewPane::PageLoaded);
        QVERIFY(loads.wait(Patience));
        QVERIFY(pane->windowTitle().startsWith(QStringLiteral("Live Preview - large.html (")));
        QVERIFY(pane->windowTitle().contains(QStringLiteral("Ctrl+R")));

        const QString shown = pane->PagePath();
        view->setFocus();
        QTest::keyClicks(view, QStringLiteral("ab"));
        QTest::qWait(1000); // well past the pause after typing
        QCOMPARE(pane->PagePath(), shown);
        QCOMPARE(loads.size(), 1);

        f.app->Previews().Browser().desktopHook = [](const QUrl&) { return true; };
        f.Frame().Commands().Run(CommandId::RefreshPreview);
        QVERIFY(pane->PagePath() != shown);
        QVERIFY(loads.wait(Patience));
        f.app->ExitInstance();
    }

    void shownAtExitItComesBackAsATabBesideTheReference() {
        QTemporaryDir dir;
        {
            UiFixture f;
            f.Open(f.Write(QStringLiteral("page.html"), "<title>Tabs</title>"));
            f.Frame().Commands().Run(CommandId::ToggleReferenceWindow);
            f.Frame().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&f.Frame()));
            QTest::keyClick(f.Frame().ActiveView(), Qt::Key_F12);
            LivePreviewPane* pane = f.Frame().findChild<LivePreviewPane*>();
            QVERIFY(pane && pane->isVisible());
            QVERIFY(f.Frame().tabifiedDockWidgets(pane).contains(static_cast<QDockWidget*>(f.Frame().Reference(false))));
            pane->FollowCaretItem()->setChecked(true);
            f.Frame().close();
            QCOMPARE(f.profile->GetInt("Live Preview", "Shown", 0), 1);
            QCOMPARE(f.profile->GetInt("Live Preview", "Follow Caret", 0), 1);
            f.app->ExitInstance();
        }
        UiFixture again([](MemoryProfile& p) {
            p.WriteInt("Live Preview", "Shown", 1);
            p.WriteInt("Live Preview", "Follow Caret", 1);
        });
        QTRY_VERIFY_WITH_TIMEOUT(again.Frame().findChild<LivePreviewPane*>(), Patience);
        LivePreviewPane* pane = again.Frame().findChild<LivePreviewPane*>();
        QVERIFY(pane->isVisible());
        QVERIFY(pane->FollowCaretItem()->isChecked());
        QVERIFY(!pane->AllowRemoteItem()->isChecked());
        // F12 again hides it, and that is kept too.
        again.Frame().Commands().Run(CommandId::LivePreview);
        QVERIFY(!pane->isVisible());
        QCOMPARE(again.profile->GetInt("Live Preview", "Shown", 1), 0);
        again.app->ExitInstance();
    }

    void withoutAnEngineTheCommandSaysSoOnceAndTurnsItselfOff() {
        // Run by its own test entry, with the module pointed at nothing.
        if (QFileInfo::exists(qEnvironmentVariable("VELTO_WEBENGINE_MODULE")))
            QSKIP("the engine is present in this run");
        UiFixture f;
        f.Open(f.Write(QStringLiteral("page.html"), "<p>x</p>"));
        QVERIFY(!ShowPane(f));
        QCOMPARE(f.prompter.messages.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(f.prompter.messages.front()).contains(QStringLiteral("WebEngine")));
        QVERIFY(!f.Frame().Action(CommandId::LivePreview)->isEnabled());
        QVERIFY(!f.Frame().Commands().Run(CommandId::LivePreview));
        QCOMPARE(f.prompter.messages.size(), std::size_t(1));
        // The editor goes on as before.
        QVERIFY(f.Frame().Action(CommandId::FileSave)->isEnabled());
    }
};

QTEST_MAIN(LivePreviewTest)

#include "LivePreviewTest.moc"

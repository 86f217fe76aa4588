// Check Remote Links in the window: a ticked item beside Check Links, kept in the profile,
// that makes Check Links ask a server (one the test runs on 127.0.0.1) about the site's web
// addresses on its worker thread, list the broken ones under their pages, and stop when told.
#include "UiTestSupport.h"

#include "core/fakes/LocalHttpServer.h"
#include "core/menu/CommandIds.h"
#include "ui/app/CommandTable.h"
#include "ui/site/SiteDock.h"
#include "ui/site/SiteResultsDock.h"

#include <QDir>
#include <QMenuBar>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

using namespace velto;
using namespace velto::test;

namespace {
// A window whose site folder (and Check Remote Links setting) was left so at the last exit.
struct RemoteFixture : UiFixture {
    RemoteFixture(const QString& root, int remote)
        : UiFixture([root, remote](MemoryProfile& p) {
              p.WriteString("Site Folders", "Folder1", root.toStdString());
              p.WriteInt("Site Folders", "Open", 1);
              if (remote >= 0)
                  p.WriteInt("Link Check", "Remote", remote);
          }) {}
    QAction* RemoteItem() { return Frame().Commands().Action(CommandId::SiteCheckRemoteLinks); }
    // Runs Check Links and waits for its summary.
    SiteResultsDock* CheckLinks() {
        if (!Frame().Commands().Run(CommandId::SiteCheckLinks))
            return nullptr;
        return Frame().findChild<SiteResultsDock*>("LinkCheckDock");
    }
};

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList Rows(const QTreeWidgetItem* group) {
    QStringList rows;
    for (int i = 0; i < group->childCount(); ++i)
        rows << group->child(i)->text(0) + QLatin1Char(' ') + group->child(i)->text(1);
    return rows;
}
} // namespace

class SiteRemoteLinksTest : public QObject {
    Q_OBJECT
    QTemporaryDir site;

private Q_SLOTS:
    void init() {
        QVERIFY(site.isValid());
        QDir(site.path()).removeRecursively();
        QDir().mkpath(site.path());
    }

    void theItemSitsBesideCheckLinksOffUntilTickedAndIsRemembered() {
        WriteFile(site.filePath("index.html"), "<p>x</p>");
        {
            RemoteFixture f(site.path(), -1);
            QAction* item = f.RemoteItem();
            QVERIFY(item);
            QVERIFY(item->isCheckable());
            QVERIFY(!item->isChecked());
            QMenu* tools = nullptr;
            for (QAction* a : f.Frame().menuBar()->actions())
                if (a->text() == QStringLiteral("&Tools"))
                    tools = a->menu();
            QVERIFY(tools);
            const QList<QAction*> items = tools->actions();
            const qsizetype at = items.indexOf(item);
            QVERIFY(at > 0);
            QCOMPARE(items[at - 1], f.Frame().Commands().Action(CommandId::SiteCheckLinks));
            QCOMPARE(item->text(), QStringLiteral("Check &Remote Links"));

            QVERIFY(f.Frame().Commands().Run(CommandId::SiteCheckRemoteLinks));
            QVERIFY(item->isChecked());
            QCOMPARE(f.profile->GetInt("Link Check", "Remote", -1), 1);
            QVERIFY(f.Frame().Commands().Run(CommandId::SiteCheckRemoteLinks));
            QVERIFY(!item->isChecked());
            QCOMPARE(f.profile->GetInt("Link Check", "Remote", -1), 0);
        }
        // Ticked at the last exit, ticked at the next start; an odd stored value is off.
        {
            RemoteFixture ticked(site.path(), 1);
            QVERIFY(ticked.RemoteItem()->isChecked());
        }
        RemoteFixture odd(site.path(), 7);
        QVERIFY(!odd.RemoteItem()->isChecked());
    }

    void tickedCheckLinksListsTheBrokenAddressesUnderTheirPages() {
        LocalHttpServer server;
        const QString web = QString::fromStdString(server.Url(""));
        WriteFile(site.filePath("index.html"),
                  ("<a href=\"" + web + "/ok\">fine</a>\n<img src=gone.png>\n<a href=\"" + web +
                   "/missing\">x</a> <a href=\"" + web + "/moved\">y</a>\n")
                      .toUtf8());
        WriteFile(site.filePath("docs/a.html"),
                  ("<a href=\"" + web + "/no-head\">z</a>\n").toUtf8());
        // Unticked, nothing is asked.
        {
            RemoteFixture f(site.path(), 0);
            QTRY_VERIFY(f.Frame().findChild<SiteDock*>());
            SiteResultsDock* results = f.CheckLinks();
            QVERIFY(results);
            QTRY_VERIFY(!results->Running());
            QVERIFY(server.Requests().empty());
            QVERIFY(results->Summary().contains(QStringLiteral("4 remote addresses not checked")));
        }
        RemoteFixture f(site.path(), 1);
        QTRY_VERIFY(f.Frame().findChild<SiteDock*>());
        SiteResultsDock* results = f.CheckLinks();
        QVERIFY(results);
        QTRY_VERIFY_WITH_TIMEOUT(!results->Running(), 60000);
        QTreeWidget* list = results->Tree();
        QCOMPARE(list->topLevelItemCount(), 2); // the page with problems, and the orphan
        QCOMPARE(list->topLevelItem(0)->data(0, Qt::UserRole).toString(),
                 site.filePath("index.html"));
        QCOMPARE(
            Rows(list->topLevelItem(0)),
            (QStringList{
                QStringLiteral("2:10 missing: gone.png"),
                QStringLiteral("3:10 remote-broken: %1/missing (HTTP 404 Not Found)").arg(web)}));
        QVERIFY2(results->Summary().contains(QStringLiteral("4 of 4 remote addresses checked")),
                 qPrintable(results->Summary()));
        const std::vector<std::string> requests = server.Requests();
        QVERIFY(std::find(requests.begin(), requests.end(), "GET /no-head") != requests.end());
    }

    void stopEndsAWaitForAServerThatNeverAnswers() {
        LocalHttpServer server;
        WriteFile(site.filePath("index.html"),
                  ("<a href=\"" + server.Url("/silent") + "\">slow</a>\n").c_str());
        RemoteFixture f(site.path(), 1);
        QTRY_VERIFY(f.Frame().findChild<SiteDock*>());
        SiteResultsDock* results = f.CheckLinks();
        QVERIFY(results);
        // Once the request waits on the server, the dock counts addresses and Stop ends it.
        QTRY_VERIFY(!server.Requests().empty());
        QTRY_COMPARE(results->findChild<QProgressBar*>()->format(),
                     QStringLiteral("%v of %m addresses"));
        results->Stop();
        QTRY_VERIFY_WITH_TIMEOUT(!results->Running(), 60000);
        QVERIFY2(results->Summary().endsWith(QStringLiteral("(stopped)")),
                 qPrintable(results->Summary()));
        // The address was not answered: it is not reported as timed out or broken.
        QCOMPARE(results->Tree()->topLevelItemCount(), 0);
    }
};

QTEST_MAIN(SiteRemoteLinksTest)
#include "SiteRemoteLinksTest.moc"

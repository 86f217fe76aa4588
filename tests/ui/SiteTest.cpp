// The site work in the window: the Site dock's tree (its order, kept current on disk
// changes, pages opened by a double-click), Find in Files from its dialog into the results
// dock, and Check Links, both running off the event loop.
#include "UiTestSupport.h"

#include "core/menu/CommandIds.h"
#include "ui/app/CommandTable.h"
#include "ui/site/FindInFilesDialog.h"
#include "ui/site/SiteDock.h"
#include "ui/site/SiteResultsDock.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

using namespace velto;
using namespace velto::test;

namespace {
QStringList Names(const QTreeWidgetItem* item) {
    QStringList names;
    for (int i = 0; i < item->childCount(); ++i)
        names << item->child(i)->text(0);
    return names;
}

// A fixture whose site folder was open at the last exit, so it opens again.
struct SiteFixture : UiFixture {
    SiteFixture()
        : UiFixture([](MemoryProfile& p) {
              p.WriteString("Site Folders", "Folder1", SiteRoot().toStdString());
              p.WriteInt("Site Folders", "Open", 1);
          }) {}
    static QString& SiteRoot() {
        static QString root;
        return root;
    }
    SiteDock* Dock() { return Frame().findChild<SiteDock*>(); }
};

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

class SiteTest : public QObject {
    Q_OBJECT
    QTemporaryDir site;

private Q_SLOTS:
    void init() {
        QVERIFY(site.isValid());
        QDir(site.path()).removeRecursively();
        QDir().mkpath(site.path());
        SiteFixture::SiteRoot() = site.path();
        WriteFile(site.filePath("index.html"),
                  "<a href=\"docs/guide.html#setup\">Guide</a>\n<img src=\"logo.png\">\n");
        WriteFile(site.filePath("docs/guide.html"),
                  "<h1 id=setup>Footer</h1>\n<p>the footer text</p>\n");
        WriteFile(site.filePath("Banner.png"), "PNG");
        WriteFile(site.filePath(".hidden.html"), "footer");
    }

    void theSiteFolderOpensAgainWithItsTreeKeptCurrent() {
        SiteFixture f;
        QTRY_VERIFY(f.Dock() && f.Dock()->isVisible());
        QTreeWidget* tree = f.Dock()->Tree();
        QCOMPARE(Names(tree->invisibleRootItem()),
                 (QStringList{"docs", "Banner.png", "index.html"}));
        QVERIFY(f.Frame().Action(CommandId::ToggleSiteDock)->isChecked());
        // A file made on disk shows without any command.
        WriteFile(site.filePath("about.html"), "<p>about</p>");
        QTRY_COMPARE(Names(tree->invisibleRootItem()),
                     (QStringList{"docs", "about.html", "Banner.png", "index.html"}));
        // A folder is read when it is opened, and watched from then on.
        QTreeWidgetItem* docs = tree->invisibleRootItem()->child(0);
        docs->setExpanded(true);
        QCOMPARE(Names(docs), QStringList{"guide.html"});
        QFile::remove(site.filePath("docs/guide.html"));
        QTRY_COMPARE(Names(tree->invisibleRootItem()->child(0)), QStringList{});
        // A double-click on a page opens it.
        QTreeWidgetItem* index = tree->invisibleRootItem()->child(3);
        QCOMPARE(index->text(0), QStringLiteral("index.html"));
        Q_EMIT tree->itemActivated(index, 0);
        QVERIFY(f.Frame().ActiveDocument());
        QCOMPARE(f.Frame().ActiveDocument()->PathName(), site.filePath("index.html"));
    }

    void findInFilesListsMatchesAndOpensThePageAtOne() {
        SiteFixture f;
        QTRY_VERIFY(f.Dock());
        QVERIFY(f.Frame().Action(CommandId::SiteFindInFiles)->shortcut() ==
                QKeySequence(QStringLiteral("Ctrl+Shift+F")));
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<FindInFilesDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->findChild<QLineEdit*>("folder")->text(), SiteFixture::SiteRoot());
            dialog->findChild<QLineEdit*>("pattern")->setText(QStringLiteral("footer"));
            dialog->accept();
        });
        f.Frame().Commands().Run(CommandId::SiteFindInFiles);
        auto* results = f.Frame().findChild<SiteResultsDock*>("FindInFilesDock");
        QVERIFY(results);
        QTRY_VERIFY(!results->Running());
        QCOMPARE(results->Summary(), QStringLiteral("2 matches in 1 of 2 files"));
        QTreeWidget* list = results->Tree();
        QCOMPARE(list->topLevelItemCount(), 1);
        QTreeWidgetItem* second = list->topLevelItem(0)->child(1);
        QCOMPARE(second->text(0), QStringLiteral("2:8"));
        QCOMPARE(second->text(1), QStringLiteral("<p>the footer text</p>"));
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("docs/guide.html (2)"));
        Q_EMIT list->itemActivated(second, 0);
        CQuorView* view = f.Frame().ActiveView();
        QVERIFY(view);
        QCOMPARE(view->TextRange(view->SelectionStart(), view->SelectionEnd()),
                 QByteArray("footer"));
    }

    void checkLinksReportsABrokenImageByPage() {
        SiteFixture f;
        QTRY_VERIFY(f.Dock());
        QVERIFY(f.Frame().Commands().Run(CommandId::SiteCheckLinks));
        auto* results = f.Frame().findChild<SiteResultsDock*>("LinkCheckDock");
        QVERIFY(results);
        QTRY_VERIFY(!results->Running());
        QTreeWidget* list = results->Tree();
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->data(0, Qt::UserRole).toString(),
                 site.filePath("index.html"));
        QCOMPARE(list->topLevelItem(0)->child(0)->text(1), QStringLiteral("missing: logo.png"));
        QCOMPARE(list->topLevelItem(0)->child(0)->text(0), QStringLiteral("2:11"));
        QVERIFY(list->topLevelItem(1)->child(0)->text(1).endsWith(QStringLiteral("Banner.png")));
    }
};

QTEST_MAIN(SiteTest)
#include "SiteTest.moc"

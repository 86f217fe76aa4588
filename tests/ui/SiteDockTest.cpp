// The Site dock's own file work: pages and folders made from its context menu, renames and
// moves by dragging that keep links working on disk and in open pages, deletes that go to
// the trash only, files dropped on a page as links and images, and its icons.
#include "UiTestSupport.h"
#include "WhenModal.h"

#include "core/site/SiteDockMenu.h"
#include "ui/site/SiteDock.h"
#include "ui/site/FileEditsPreview.h"
#include "ui/site/SiteDrag.h"
#include "ui/site/SiteIcons.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QDropEvent>
#include <QInputDialog>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <Qsci/qsciscintillabase.h>

using namespace velto;
using namespace velto::test;

namespace {
QTreeWidgetItem* Child(const QTreeWidgetItem* item, const QString& name) {
    for (int i = 0; i < item->childCount(); ++i)
        if (item->child(i)->text(0) == name)
            return item->child(i);
    return nullptr;
}

// A fixture whose site folder was open at the last exit, so it opens again.
struct DockFixture : UiFixture {
    DockFixture()
        : UiFixture([](MemoryProfile& p) {
              p.WriteString("Site Folders", "Folder1", Root().toStdString());
              p.WriteInt("Site Folders", "Open", 1);
          }) {}
    static QString& Root() {
        static QString root;
        return root;
    }
    SiteDock* Dock() { return Frame().findChild<SiteDock*>(); }
    QTreeWidgetItem* Top() { return Dock()->Tree()->invisibleRootItem(); }
};

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray Be32(quint32 v) {
    return QByteArray(1, char(v >> 24)) + char(v >> 16) + char(v >> 8) + char(v);
}

QByteArray Png(quint32 width, quint32 height) {
    return QByteArray("\x89PNG\r\n\x1A\n", 8) + Be32(13) + "IHDR" + Be32(width) + Be32(height) +
           QByteArray("\x08\x02\x00\x00\x00", 5) + Be32(0);
}

// The next name dialog gets text and OK, or Cancel for a null text.
void AnswerName(const QString& text) {
    QTimer::singleShot(0, [text] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QStringLiteral("SiteNameDialog"));
        if (text.isNull()) {
            dialog->reject();
            return;
        }
        dialog->setTextValue(text);
        dialog->accept();
    });
}

QByteArray Text(CQuorView* view) {
    return view->TextRange(0, view->TextLength());
}

// Drops the files on a widget at a point of it, as a drag from the dock would.
void Drop(QWidget* target, const QStringList& paths, const QPoint& at) {
    std::unique_ptr<QMimeData> mime(MakeSiteDrag(paths));
    // The application hands a drop to the widget that accepted the drag's entry.
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

QPoint PointOf(CQuorView* view, int pos) {
    return {static_cast<int>(view->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL,
                                                 static_cast<long>(pos))),
            static_cast<int>(view->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL,
                                                 static_cast<long>(pos))) +
                2};
}
} // namespace

class SiteDockTest : public QObject {
    Q_OBJECT
    QTemporaryDir site;

private Q_SLOTS:
    void init() {
        QVERIFY(site.isValid());
        QDir(site.path()).removeRecursively();
        QDir().mkpath(site.path());
        DockFixture::Root() = site.path();
        WriteFile(site.filePath("index.html"),
                  "<a href=\"docs/guide.html#setup\">Guide</a>\n<img src=\"logo.png\">\n");
        WriteFile(site.filePath("docs/guide.html"), "<h1 id=setup>Guide</h1>\n");
        WriteFile(site.filePath("other/list.html"), "<p><a href=\"../docs/guide.html\">G</a>\n");
        WriteFile(site.filePath("logo.png"), Png(120, 45));
    }

    void newPagesAndFoldersAreMadeShownAndBadNamesRefused() {
        DockFixture f;
        QTRY_VERIFY(f.Dock() && f.Dock()->isVisible());
        QTreeWidgetItem* docs = Child(f.Top(), "docs");
        QVERIFY(docs);
        // A page made on a folder goes into it, named .html, from the default template.
        AnswerName(QStringLiteral(" about "));
        f.Dock()->Run(SiteDockCommand::NewPage, docs);
        const QString page = site.filePath("docs/about.html");
        QVERIFY(QFileInfo(page).isFile());
        CQuorDoc* doc = f.Frame().ActiveDocument();
        QVERIFY(doc);
        QCOMPARE(doc->PathName(), page);
        QVERIFY(!doc->IsModified());
        QCOMPARE(Text(doc->View()), UiFixture::Read(page));
        if (QFileInfo(f.app->DefaultTemplatePath()).isFile())
            QVERIFY(!UiFixture::Read(page).isEmpty());
        // A folder made on a file goes into the file's folder, and shows there.
        AnswerName(QStringLiteral("pics"));
        f.Dock()->Run(SiteDockCommand::NewFolder, Child(f.Top(), "index.html"));
        QVERIFY(QFileInfo(site.filePath("pics")).isDir());
        QTRY_VERIFY(Child(f.Top(), "pics"));

        // A name in use, one with '/' and an empty one are refused, each with a message.
        const QByteArray index = UiFixture::Read(site.filePath("index.html"));
        const std::size_t documents = f.Docs().Documents().size();
        for (const QString& bad : {QStringLiteral("index"), QStringLiteral("a/b"), QStringLiteral("  ")}) {
            f.prompter.messages.clear();
            AnswerName(bad);
            f.Dock()->Run(SiteDockCommand::NewPage, nullptr);
            QCOMPARE(f.prompter.messages.size(), std::size_t(1));
        }
        QCOMPARE(UiFixture::Read(site.filePath("index.html")), index);
        QVERIFY(!QFileInfo::exists(site.filePath("a")));
        QCOMPARE(f.Docs().Documents().size(), documents);
        QCOMPARE(QDir(site.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 5);
    }

    void renameUpdatesLinksOnDiskAndInTheOpenPageAsOneUndo() {
        WriteFile(site.filePath("index.html"), "<a href=\"docs/guide.html#setup\">Guide</a>\n"
                                               "<img src=\"logo.png\"><a href=docs/guide.html>G</a>\n");
        DockFixture f;
        QTRY_VERIFY(f.Dock());
        CQuorDoc* index = f.Open(site.filePath("index.html"));
        CQuorDoc* guide = f.Open(site.filePath("docs/guide.html"));
        QVERIFY(index && guide);
        const QByteArray indexBefore = Text(index->View());
        QTreeWidgetItem* docs = Child(f.Top(), "docs");
        docs->setExpanded(true);
        f.Dock()->Tree()->setCurrentItem(Child(docs, "guide.html"));
        // F2 renames the current item, after the link changes are shown.
        int listed = 0;
        WhenModal<FileEditsPreview>(&f.Frame(), [&listed](FileEditsPreview* preview) {
            listed = preview->Tree()->topLevelItemCount();
            preview->accept();
        });
        AnswerName(QStringLiteral("manual.html"));
        QTest::keyClick(f.Dock()->Tree(), Qt::Key_F2);
        QCOMPARE(listed, 2);
        const QString manual = site.filePath("docs/manual.html");
        QVERIFY(QFileInfo(manual).isFile());
        QVERIFY(!QFileInfo::exists(site.filePath("docs/guide.html")));
        // The closed page is written; the open one changes in its view only.
        QCOMPARE(UiFixture::Read(site.filePath("other/list.html")),
                 QByteArray("<p><a href=\"../docs/manual.html\">G</a>\n"));
        QCOMPARE(UiFixture::Read(site.filePath("index.html")), indexBefore);
        QCOMPARE(Text(index->View()), QByteArray("<a href=\"docs/manual.html#setup\">Guide</a>\n"
                                                 "<img src=\"logo.png\"><a href=docs/manual.html>G</a>\n"));
        QVERIFY(index->IsModified());
        index->View()->OnEditUndo();
        QCOMPARE(Text(index->View()), indexBefore);
        // The document open on the renamed page follows it.
        QCOMPARE(guide->PathName(), manual);
        QCOMPARE(guide->BaseTitle(), QStringLiteral("manual.html"));
        QCOMPARE(f.prompter.messages.back(), std::string("Updated 3 links in 2 files."));
    }

    void anOpenPageEditedSinceItWasSavedIsChangedAsItStandsInItsView() {
        DockFixture f;
        QTRY_VERIFY(f.Dock());
        CQuorDoc* list = f.Open(site.filePath("other/list.html"));
        QVERIFY(list);
        // The link has moved within the view since the file was written.
        list->View()->ReplaceRange(0, 0, "<h1>Pages</h1>\n");
        const QByteArray edited = Text(list->View());
        const QByteArray onDisk = UiFixture::Read(site.filePath("other/list.html"));
        WhenModal<FileEditsPreview>(&f.Frame(), [](FileEditsPreview* preview) { preview->accept(); });
        QTreeWidgetItem* docs = Child(f.Top(), "docs");
        docs->setExpanded(true);
        AnswerName(QStringLiteral("manual.html"));
        f.Dock()->Run(SiteDockCommand::Rename, Child(docs, "guide.html"));
        QVERIFY(QFileInfo(site.filePath("docs/manual.html")).isFile());
        // The link is found where it stands in the view now, and changed there.
        QByteArray expected = edited;
        expected.replace("docs/guide.html", "docs/manual.html");
        QVERIFY(expected != edited);
        QCOMPARE(Text(list->View()), expected);
        QCOMPARE(UiFixture::Read(site.filePath("other/list.html")), onDisk);
    }

    void draggingOntoAFolderMovesAndNoLeavesTheLinks() {
        DockFixture f;
        QTRY_VERIFY(f.Dock());
        QTreeWidget* tree = f.Dock()->Tree();
        tree->resize(300, 400);
        QTreeWidgetItem* other = Child(f.Top(), "other");
        const QPoint onOther = tree->visualItemRect(other).center();
        QCOMPARE(tree->itemAt(onOther), other);
        const QByteArray index = UiFixture::Read(site.filePath("index.html"));
        // index.html's own links would need changing from its new place: No moves it alone.
        bool offered = false;
        WhenModal<FileEditsPreview>(&f.Frame(), [&offered](FileEditsPreview* preview) {
            offered = true;
            preview->AlternativeButton()->click();
        });
        Drop(tree->viewport(), {site.filePath("index.html")}, onOther);
        QVERIFY(offered);
        QCOMPARE(UiFixture::Read(site.filePath("other/index.html")), index);
        QVERIFY(!QFileInfo::exists(site.filePath("index.html")));
        // A folder dropped into itself, or a file onto a name in use, is refused.
        Drop(tree->viewport(), {site.filePath("other")}, onOther);
        WriteFile(site.filePath("docs/list.html"), "mine");
        QTreeWidgetItem* docs = Child(f.Top(), "docs");
        Drop(tree->viewport(), {site.filePath("other/list.html")}, tree->visualItemRect(docs).center());
        QCOMPARE(f.prompter.messages.size(), std::size_t(2));
        QVERIFY(QString::fromStdString(f.prompter.messages[0]).contains("into itself"));
        QVERIFY(QString::fromStdString(f.prompter.messages[1]).contains("already exists"));
        QVERIFY(QFileInfo(site.filePath("other")).isDir());
        QCOMPARE(UiFixture::Read(site.filePath("docs/list.html")), QByteArray("mine"));
        QVERIFY(QFileInfo(site.filePath("other/list.html")).isFile());
        // Cancel leaves everything where it was.
        WhenModal<FileEditsPreview>(&f.Frame(), [](FileEditsPreview* preview) { preview->reject(); });
        Drop(tree->viewport(), {site.filePath("docs/guide.html")}, onOther);
        QVERIFY(QFileInfo(site.filePath("docs/guide.html")).isFile());
    }

    void deleteGoesToTheTrashOnlyAndAsksFirst() {
        QTemporaryDir home;
        const ScopedEnv dataHome("XDG_DATA_HOME", home.path());
        {
            const QString probe = site.filePath("probe.txt");
            WriteFile(probe, "probe");
            if (!QFile::moveToTrash(probe))
                QSKIP("this system gives the test folder no trash to move files to");
        }
        DockFixture f;
        QTRY_VERIFY(f.Dock());
        QTreeWidgetItem* docs = Child(f.Top(), "docs");
        f.prompter.answers.push_back(false);
        f.Dock()->Run(SiteDockCommand::Delete, docs);
        QCOMPARE(f.prompter.questions.size(), std::size_t(1));
        QVERIFY(QFileInfo(site.filePath("docs/guide.html")).isFile());
        f.prompter.answers.push_back(true);
        f.Dock()->Run(SiteDockCommand::Delete, docs);
        QVERIFY(!QFileInfo::exists(site.filePath("docs")));
        // In the trash, with its page.
        bool found = false;
        for (QDirIterator it(home.path(), QDirIterator::Subdirectories); it.hasNext();)
            found |= it.next().endsWith(QStringLiteral("/files/docs/guide.html"));
        QVERIFY(found);
        QVERIFY(f.prompter.messages.empty());
        // The site folder itself is never deleted from its tree.
        f.Dock()->Run(SiteDockCommand::Delete, nullptr);
        QVERIFY(QFileInfo(site.path()).isDir());
        QCOMPARE(f.prompter.questions.size(), std::size_t(2));
    }

    void filesDroppedOnAPageAreLinkedWhereTheyFall() {
        DockFixture f;
        QTRY_VERIFY(f.Dock());
        CQuorDoc* guide = f.Open(site.filePath("docs/guide.html"));
        QVERIFY(guide);
        CQuorView* view = guide->View();
        const QByteArray before = Text(view);
        const int end = view->TextLength();
        const std::size_t documents = f.Docs().Documents().size();
        Drop(view->viewport(), {site.filePath("logo.png")}, PointOf(view, end));
        const QByteArray image = "<IMG SRC=\"../logo.png\" WIDTH=\"120\" HEIGHT=\"45\" ALT=\"\">";
        QCOMPARE(Text(view), before + image);
        QCOMPARE(view->CaretPosition(), end + image.size());
        QCOMPARE(f.Docs().Documents().size(), documents); // linked, not opened
        view->OnEditUndo();
        QCOMPARE(Text(view), before);

        // A page dropped on an untitled document links by its absolute URL, caret inside.
        f.app->Editor().insertHtmlLowerCase = true;
        CQuorView* untitled = f.NewView();
        untitled->show();
        Drop(untitled->viewport(), {site.filePath("other/list.html")}, QPoint(2, 2));
        const QByteArray link = "<a href=\"file://" + site.filePath("other/list.html").toUtf8() + "\">";
        QCOMPARE(Text(untitled), link + "</a>");
        QCOMPARE(untitled->CaretPosition(), link.size());
    }

    void theMenuOffersWhatTheTargetAllowsAndIconsDifferByKind() {
        DockFixture f;
        QTRY_VERIFY(f.Dock());
        std::unique_ptr<QMenu> empty(f.Dock()->MakeContextMenu(nullptr, nullptr));
        QVERIFY(!FindAction(empty.get(), "Rename...")->isEnabled());
        QVERIFY(!FindAction(empty.get(), "Delete")->isEnabled());
        QTreeWidgetItem* index = Child(f.Top(), "index.html");
        std::unique_ptr<QMenu> onFile(f.Dock()->MakeContextMenu(index, nullptr));
        QVERIFY(FindAction(onFile.get(), "Rename...")->isEnabled());
        FindAction(onFile.get(), "Copy Path")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), site.filePath("index.html"));

        const QImage page = DrawnSiteFileIcon(SiteFileKind::Page).pixmap(16).toImage();
        const QImage image = DrawnSiteFileIcon(SiteFileKind::Image).pixmap(16).toImage();
        const QImage style = DrawnSiteFileIcon(SiteFileKind::StyleSheet).pixmap(16).toImage();
        const QImage script = DrawnSiteFileIcon(SiteFileKind::Script).pixmap(16).toImage();
        QVERIFY(!page.isNull());
        QVERIFY(page != image && page != style && page != script && image != style &&
                image != script && style != script);
        // In the tree too, whatever the desktop theme holds.
        QVERIFY(index->icon(0).pixmap(16).toImage() !=
                Child(f.Top(), "logo.png")->icon(0).pixmap(16).toImage());
    }
};

QTEST_MAIN(SiteDockTest)
#include "SiteDockTest.moc"

// Replace in Files and link-keeping renames in the window: the changes previewed with a
// tick for every file and change, closed files written with every other byte kept, open
// documents changed in their views as one undoable change, files that cannot be written
// named while the others are written.
#include "UiTestSupport.h"
#include "WhenModal.h"

#include "core/menu/CommandIds.h"
#include "ui/app/CommandTable.h"
#include "ui/site/FileEditsPreview.h"
#include "ui/site/FindInFilesDialog.h"
#include "ui/site/SiteDock.h"
#include "ui/site/SiteRename.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>

#include <sys/mount.h>
#include <unistd.h>

using namespace velto;
using namespace velto::test;

namespace {
// A fixture whose site folder was open at the last exit, so it opens again.
struct SiteFixture : UiFixture {
    SiteFixture()
        : UiFixture([](MemoryProfile& p) {
              p.WriteString("Site Folders", "Folder1", Root().toStdString());
              p.WriteInt("Site Folders", "Open", 1);
          }) {}
    static QString& Root() {
        static QString root;
        return root;
    }
};

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}


// Fills the Replace in Files dialog and starts the replacement.
void AskToReplace(QObject* owner, const QString& folder, const QString& find,
                  const QString& replacement) {
    WhenModal<FindInFilesDialog>(owner, [=](FindInFilesDialog* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Replace in Files"));
        auto* folderField = dialog->findChild<QLineEdit*>("folder");
        // The folder's label takes its key to the field (and so shows no '&').
        const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
        QVERIFY(std::any_of(labels.begin(), labels.end(),
                            [&](const QLabel* l) { return l->buddy() == folderField; }));
        folderField->setText(folder);
        dialog->findChild<QLineEdit*>("pattern")->setText(find);
        dialog->findChild<QLineEdit*>("replacement")->setText(replacement);
        dialog->accept();
    });
}

QStringList ChangedLines(const QTreeWidgetItem* file) {
    QStringList lines;
    for (int i = 0; i < file->childCount(); ++i)
        lines << file->child(i)->text(0) + QStringLiteral(": ") + file->child(i)->text(1);
    return lines;
}
} // namespace

class SiteReplaceTest : public QObject {
    Q_OBJECT
    QTemporaryDir site;

    QString At(const char* name) const { return site.filePath(QString::fromUtf8(name)); }

private Q_SLOTS:
    void init() {
        QVERIFY(site.isValid());
        QDir(site.path()).removeRecursively();
        QDir().mkpath(site.path());
        SiteFixture::Root() = site.path();
    }

    void aClosedWindows1252PageKeepsEveryOtherByteAndItsLineEnds() {
        UiFixture f;
        QCOMPARE(f.Frame().Action(CommandId::SiteReplaceInFiles)->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+Shift+H")));
        const QByteArray before = "<title>Caf\xE9</title>\r\n<p>footer \x93quoted\x94</p>\r\n"
                                  "<p>a\rfooter</p>\r\n";
        WriteFile(At("page.html"), before);
        AskToReplace(&f.Frame(), site.path(), QStringLiteral("footer"),
                     QStringLiteral("Fu\u00dfzeile"));
        WhenModal<FileEditsPreview>(&f.Frame(), [](FileEditsPreview* preview) {
            QTreeWidget* tree = preview->Tree();
            QCOMPARE(tree->topLevelItemCount(), 1);
            QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("page.html (2)"));
            // Each line is shown decoded, as it will read after the change.
            QCOMPARE(ChangedLines(tree->topLevelItem(0)),
                     (QStringList{QStringLiteral("2: <p>Fu\u00dfzeile \u201cquoted\u201d</p>"),
                                  QStringLiteral("4: Fu\u00dfzeile</p>")}));
            QCOMPARE(tree->topLevelItem(0)->child(0)->data(1, FileEditsPreview::OldRole).toString(),
                     QStringLiteral("footer"));
            preview->accept();
        });
        QVERIFY(f.Frame().Commands().Run(CommandId::SiteReplaceInFiles));
        QCOMPARE(UiFixture::Read(At("page.html")),
                 QByteArray("<title>Caf\xE9</title>\r\n<p>Fu\xDFzeile \x93quoted\x94</p>\r\n"
                            "<p>a\rFu\xDFzeile</p>\r\n"));
        QCOMPARE(f.prompter.messages.back(), std::string("Replaced 2 matches in 1 file."));
    }

    void untickedFilesAndChangesAreLeftAsTheyAre() {
        UiFixture f;
        WriteFile(At("a.html"), "<b>old</b> and <b>old</b>\n");
        WriteFile(At("b.html"), "<i>old</i>\n");
        WriteFile(At("c.html"), "old\n");
        WriteFile(At("notes.txt"), "old\n"); // not a page: left out
        AskToReplace(&f.Frame(), site.path(), QStringLiteral("old"), QStringLiteral("new"));
        WhenModal<FileEditsPreview>(&f.Frame(), [](FileEditsPreview* preview) {
            QTreeWidget* tree = preview->Tree();
            QCOMPARE(tree->topLevelItemCount(), 3);
            QTreeWidgetItem* a = tree->topLevelItem(0);
            QTreeWidgetItem* b = tree->topLevelItem(1);
            b->setCheckState(0, Qt::Unchecked);
            QCOMPARE(b->child(0)->checkState(0), Qt::Unchecked);
            a->child(1)->setCheckState(0, Qt::Unchecked);
            QCOMPARE(a->checkState(0), Qt::PartiallyChecked);
            auto* counts = preview->findChild<QLabel*>("counts");
            QTRY_COMPARE(counts->text(), QStringLiteral("2 of 4 changes ticked, in 2 of 3 files."));
            // Nothing ticked, nothing to do.
            tree->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
            tree->topLevelItem(2)->setCheckState(0, Qt::Unchecked);
            QTRY_VERIFY(!preview->AcceptButton()->isEnabled());
            tree->topLevelItem(2)->setCheckState(0, Qt::Checked);
            a->child(0)->setCheckState(0, Qt::Checked);
            QTRY_VERIFY(preview->AcceptButton()->isEnabled());
            preview->accept();
        });
        QVERIFY(f.Frame().Commands().Run(CommandId::SiteReplaceInFiles));
        QCOMPARE(UiFixture::Read(At("a.html")), QByteArray("<b>new</b> and <b>old</b>\n"));
        QCOMPARE(UiFixture::Read(At("b.html")), QByteArray("<i>old</i>\n"));
        QCOMPARE(UiFixture::Read(At("c.html")), QByteArray("new\n"));
        QCOMPARE(UiFixture::Read(At("notes.txt")), QByteArray("old\n"));
        QCOMPARE(f.prompter.messages.back(), std::string("Replaced 2 matches in 2 files."));
    }

    void anOpenEditedPageChangesInItsViewAsOneUndoableChange() {
        UiFixture f;
        const QByteArray onDisk = "<p>footer</p>\n";
        WriteFile(At("page.html"), onDisk);
        WriteFile(At("other.html"), "footer\n");
        // Hidden pages are left out as the search leaves them out, open or not.
        WriteFile(At(".draft.html"), "footer\n");
        QVERIFY(f.Open(At(".draft.html")));
        CQuorDoc* doc = f.Open(At("page.html"));
        QVERIFY(doc);
        CQuorView* view = doc->View();
        view->ReplaceRange(0, 0, "<h1>footer</h1>\n");
        view->FlushChange();
        const QByteArray edited = view->TextBytes();
        AskToReplace(&f.Frame(), site.path(), QStringLiteral("footer"),
                     QStringLiteral("Fu\u00dfzeile"));
        WhenModal<FileEditsPreview>(&f.Frame(), [](FileEditsPreview* preview) {
            // The page is planned from the text in its view: two matches, not the file's one.
            QCOMPARE(preview->Tree()->topLevelItemCount(), 2);
            QCOMPARE(preview->Tree()->topLevelItem(1)->text(0), QStringLiteral("page.html (2)"));
            preview->accept();
        });
        QVERIFY(f.Frame().Commands().Run(CommandId::SiteReplaceInFiles));
        QCOMPARE(view->TextBytes(), QByteArray("<h1>Fu\xC3\x9Fzeile</h1>\n<p>Fu\xC3\x9Fzeile</p>\n"));
        QVERIFY(doc->IsModified());
        QCOMPARE(UiFixture::Read(At("page.html")), onDisk);
        QCOMPARE(UiFixture::Read(At("other.html")), QByteArray("Fu\xC3\x9Fzeile\n"));
        QCOMPARE(f.prompter.messages.back(), std::string("Replaced 3 matches in 2 files."));
        view->OnEditUndo();
        QCOMPARE(view->TextBytes(), edited);
        view->OnEditUndo();
        QCOMPARE(view->TextBytes(), onDisk);
    }

    void filesThatCannotBeWrittenAreNamedWhileTheOthersAreWritten() {
        UiFixture f;
        WriteFile(At("a.html"), "old\n");
        WriteFile(At("c.html"), "old\n");
        const QString locked = At("locked");
        QDir().mkpath(locked);
        // Root writes through any permission: its file stands on a file system mounted
        // read-only instead.
        const bool root = ::geteuid() == 0;
        const QByteArray lockedPath = QFile::encodeName(locked);
        if (root && ::mount("velto-test", lockedPath.constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP("no read-only file can be made here");
        struct Unmount {
            QByteArray path;
            ~Unmount() {
                if (!path.isEmpty())
                    ::umount(path.constData());
            }
        } unmount{root ? lockedPath : QByteArray()};
        WriteFile(At("locked/b.html"), "old\n");
        WriteFile(At("d.html"), "old\n");
        CQuorDoc* open = f.Open(At("d.html"));
        QVERIFY(open);
        if (root)
            QCOMPARE(::mount("velto-test", lockedPath.constData(), "tmpfs",
                             MS_REMOUNT | MS_RDONLY, "size=64k"),
                     0);
        else
            QVERIFY(QFile::setPermissions(At("locked/b.html"), QFile::ReadOwner));
        AskToReplace(&f.Frame(), site.path(), QStringLiteral("old"), QStringLiteral("new"));
        WhenModal<FileEditsPreview>(&f.Frame(), [this, open](FileEditsPreview* preview) {
            QCOMPARE(preview->Tree()->topLevelItemCount(), 4);
            // Changed by another program while the changes are looked at, and in the editor.
            WriteFile(At("c.html"), "old, and more\n");
            open->View()->ReplaceRange(0, 1, "b");
            preview->accept();
        });
        QVERIFY(f.Frame().Commands().Run(CommandId::SiteReplaceInFiles));
        QCOMPARE(UiFixture::Read(At("a.html")), QByteArray("new\n"));
        QCOMPARE(UiFixture::Read(At("locked/b.html")), QByteArray("old\n"));
        QCOMPARE(UiFixture::Read(At("c.html")), QByteArray("old, and more\n"));
        const QStringList summary = QString::fromStdString(f.prompter.messages.back()).split('\n');
        QCOMPARE(open->View()->TextBytes(), QByteArray("bld\n"));
        QCOMPARE(summary.size(), 5);
        QCOMPARE(summary[0], QStringLiteral("Replaced 1 match in 1 file."));
        QVERIFY(summary.filter(At("locked/b.html") + QStringLiteral(": ")).size() == 1);
        QVERIFY(summary.filter(At("c.html") + QStringLiteral(": changed on disk")).size() == 1);
        QVERIFY(summary.filter(At("d.html") + QStringLiteral(": changed in the editor")).size() == 1);
    }

    void aRenameUpdatesLinksInOtherFoldersAndInOpenPages() {
        WriteFile(At("index.html"), "<a href=\"docs/guide.html\">Guide</a>\n");
        WriteFile(At("blog/post.html"), "<p><a href=\"../docs/guide.html#top\">guide</a></p>\n");
        WriteFile(At("docs/guide.html"), "<a href=\"../index.html\">home</a>\n");
        SiteFixture f;
        QTRY_VERIFY(f.Frame().findChild<SiteDock*>());
        CQuorDoc* index = f.Open(At("index.html"));
        CQuorDoc* guide = f.Open(At("docs/guide.html"));
        QVERIFY(index && guide);
        WhenModal<FileEditsPreview>(&f.Frame(), [](FileEditsPreview* preview) {
            QCOMPARE(preview->AcceptButton()->text(), QStringLiteral("&Rename"));
            QVERIFY(preview->AlternativeButton()->isVisible());
            QTreeWidget* tree = preview->Tree();
            QCOMPARE(tree->topLevelItemCount(), 2);
            QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("blog/post.html (1)"));
            QCOMPARE(ChangedLines(tree->topLevelItem(0)),
                     QStringList{
                         QStringLiteral("1: <p><a href=\"../manual/guide.html#top\">guide</a></p>")});
            preview->accept();
        });
        RenameWithLinkUpdate(f.Frame(), &f.Frame(), At("docs/guide.html"), At("manual/guide.html"));
        QVERIFY(!QFileInfo::exists(At("docs/guide.html")));
        QCOMPARE(UiFixture::Read(At("manual/guide.html")),
                 QByteArray("<a href=\"../index.html\">home</a>\n"));
        QCOMPARE(UiFixture::Read(At("blog/post.html")),
                 QByteArray("<p><a href=\"../manual/guide.html#top\">guide</a></p>\n"));
        // The open page is changed in its view, its file left for the user to save.
        QCOMPARE(index->View()->TextBytes(), QByteArray("<a href=\"manual/guide.html\">Guide</a>\n"));
        QCOMPARE(UiFixture::Read(At("index.html")), QByteArray("<a href=\"docs/guide.html\">Guide</a>\n"));
        QCOMPARE(guide->PathName(), At("manual/guide.html"));
        QCOMPARE(f.prompter.messages.back(), std::string("Updated 2 links in 2 files."));

        // Moved without its links: they stay as they are; cancelled: nothing moves.
        WhenModal<FileEditsPreview>(&f.Frame(), [](FileEditsPreview* preview) {
            // The open page's link is found in its view, not in its file.
            QCOMPARE(preview->Tree()->topLevelItemCount(), 2);
            preview->AlternativeButton()->click();
        });
        RenameWithLinkUpdate(f.Frame(), &f.Frame(), At("manual/guide.html"), At("manual/intro.html"));
        QVERIFY(QFileInfo::exists(At("manual/intro.html")));
        QCOMPARE(UiFixture::Read(At("blog/post.html")),
                 QByteArray("<p><a href=\"../manual/guide.html#top\">guide</a></p>\n"));
        QCOMPARE(index->View()->TextBytes(), QByteArray("<a href=\"manual/guide.html\">Guide</a>\n"));
        WhenModal<FileEditsPreview>(&f.Frame(), [](FileEditsPreview* preview) { preview->reject(); });
        WriteFile(At("about.html"), "<a href=\"manual/intro.html\">i</a>");
        RenameWithLinkUpdate(f.Frame(), &f.Frame(), At("manual"), At("book"));
        QVERIFY(QFileInfo::exists(At("manual/intro.html")));
        QVERIFY(!QFileInfo::exists(At("book")));
    }
};

QTEST_MAIN(SiteReplaceTest)
#include "SiteReplaceTest.moc"

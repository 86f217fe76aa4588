// Documents: file dialogs, File New from the default template, titles, Save All, Close All.
#include "UiTestSupport.h"

#include "core/menu/CommandIds.h"
#include "ui/app/AppIcon.h"
#include "ui/document/CChildFrame.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QtTest>

using namespace velto;
using namespace velto::test;

class DocumentsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dialogListsFixedFiltersThenDocumentTypesThenAllFiles() {
        const QStringList filters = CQuorDocManager::DialogNameFilters();
        QCOMPARE(filters.size(), 11);
        QCOMPARE(filters[0], QStringLiteral("All HTML Files (*.htm;*.html;*.htt;*.sht;*.shtml;*.html-ssi) "
                                            "(*.htm *.html *.htt *.sht *.shtml *.html-ssi)"));
        QCOMPARE(filters[7], QStringLiteral("All Files (*.*) (*)"));
        QCOMPARE(filters[8], QStringLiteral("HTML Files (*.htm) (*.htm)"));
        QCOMPARE(filters[9], QStringLiteral("HTML Template Files (*.htp) (*.htp)"));
        QCOMPARE(filters[10], QStringLiteral("All Files (*.*) (*)"));
        // The real dialog accepts them as they are, in that order.
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setNameFilters(filters);
        QCOMPARE(dialog.nameFilters(), filters);
    }

    void saveAsAddsHtmlToANameWithoutExtension() {
        UiFixture f;
        CQuorDoc* doc = f.Docs().CreateUntitled();
        QCOMPARE(doc->Title(), QStringLiteral("Velto1"));
        doc->View()->ReplaceRange(0, 0, "<P>");
        doc->View()->FlushChange();
        QCOMPARE(doc->Title(), QStringLiteral("Velto1 *"));
        QString proposed;
        f.Docs().promptHook = [&](const QString& p, bool open) {
            proposed = p;
            return open ? QStringList() : QStringList{f.dir.filePath(QStringLiteral("page"))};
        };
        QVERIFY(doc->DoFileSave());
        QCOMPARE(proposed, QStringLiteral("Velto1"));
        QCOMPARE(doc->PathName(), f.dir.filePath(QStringLiteral("page.html")));
        QCOMPARE(doc->Title(), QStringLiteral("page.html"));
        QCOMPARE(UiFixture::Read(doc->PathName()), QByteArray("<P>"));
        QCOMPARE(f.Frame().windowTitle(), QStringLiteral("Velto - page.html"));
    }

    void cancelledSaveAsKeepsTheDocumentModified() {
        UiFixture f;
        CQuorDoc* doc = f.Docs().CreateUntitled();
        doc->View()->ReplaceRange(0, 0, "x");
        doc->View()->FlushChange();
        f.Docs().promptHook = [](const QString&, bool) { return QStringList(); };
        QVERIFY(!doc->DoFileSave());
        QVERIFY(doc->IsModified());
    }

    void fileNewFillsFromTheDefaultTemplateWithoutItsHeader() {
        UiFixture f;
        CQuorDoc* doc = f.Docs().OnFileNew();
        QVERIFY(f.prompter.messages.empty());
        const QByteArray text = doc->View()->TextBytes();
        QVERIFY(text.startsWith("<!DOCTYPE HTML PUBLIC"));
        QVERIFY(text.contains("<BODY>"));
        QVERIFY(!text.contains("MENU:"));
        QVERIFY(!doc->IsModified());
        QVERIFY(!doc->View()->CanUndo());
        QVERIFY(doc->View()->hasFocus() || QApplication::focusWidget() == nullptr);
    }

    void fileNewWithoutTheTemplateSaysSoOnceAndLeavesAnEmptyDocument() {
        QTemporaryDir empty, home;
        const ScopedEnv data("VELTO_DATA_DIR", empty.path());
        const ScopedEnv user("XDG_DATA_HOME", home.path());
        UiFixture f;
        CQuorDoc* doc = f.Docs().OnFileNew();
        QCOMPARE(f.prompter.messages.size(), size_t(1));
        QCOMPARE(QString::fromStdString(f.prompter.messages[0]),
                 QStringLiteral("Unable to find default template:\n\n") + empty.path() +
                     QStringLiteral("/Templates/Default.htt"));
        QCOMPARE(doc->View()->TextLength(), 0);
        QTest::keyClicks(doc->View(), QStringLiteral("ok"));
        QCOMPARE(doc->View()->TextBytes(), QByteArray("ok"));
    }

    void saveAllSavesOnlyModifiedDocuments() {
        UiFixture f;
        CQuorDoc* a = f.Open(f.Write(QStringLiteral("a.htm"), "a"));
        CQuorDoc* b = f.Open(f.Write(QStringLiteral("b.htm"), "b"));
        a->View()->ReplaceRange(1, 1, "!");
        QFile::remove(b->PathName()); // an unmodified document is not written again
        QVERIFY(f.Docs().SaveAll());
        QCOMPARE(UiFixture::Read(a->PathName()), QByteArray("a!"));
        QVERIFY(!QFile::exists(b->PathName()));
        QVERIFY(!a->IsModified());
    }

    void closeAllAsksOnceAndStopsWhenCancelled() {
        UiFixture f;
        CQuorDoc* a = f.Open(f.Write(QStringLiteral("a.htm"), "a"));
        f.Open(f.Write(QStringLiteral("b.htm"), "b"));
        a->View()->ReplaceRange(0, 0, "x");
        f.prompter.threeWayAnswers = {Prompter::Answer::Cancel};
        QVERIFY(!f.Docs().CloseAll());
        QCOMPARE(f.Docs().Documents().size(), size_t(2));
        f.prompter.threeWayAnswers = {Prompter::Answer::No};
        QVERIFY(f.Docs().CloseAll());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(f.Docs().Documents().size(), size_t(0));
        QCOMPARE(f.prompter.questions.size(), size_t(2)); // once per Close All
        QCOMPARE(UiFixture::Read(f.dir.filePath(QStringLiteral("a.htm"))), QByteArray("a"));
    }

    void openingAnOpenFileActivatesItsDocument() {
        UiFixture f;
        const QString path = f.Write(QStringLiteral("same.htm"), "s");
        CQuorDoc* first = f.Open(path);
        f.Open(f.Write(QStringLiteral("other.htm"), "o"));
        QCOMPARE(f.Open(path), first);
        QCOMPARE(f.Docs().Documents().size(), size_t(2));
        QCOMPARE(f.Frame().ActiveDocument(), first);
    }

    void eachFileGetsItsOwnViewWithTheFocus() {
        UiFixture f;
        f.Frame().activateWindow();
        CQuorDoc* a = f.Open(f.Write(QStringLiteral("1.htm"), "1"));
        CQuorDoc* b = f.Open(f.Write(QStringLiteral("2.htm"), "2"));
        QVERIFY(a->View() != b->View());
        QCOMPARE(f.Frame().ActiveView(), b->View());
        QVERIFY(QTest::qWaitFor([&] { return b->View()->hasFocus(); }, 1000));
    }

    void droppedFilesOpenAsDocuments() {
        UiFixture f;
        CQuorView* view = f.NewView();
        const QString path = f.Write(QStringLiteral("dropped.htm"), "<I>");
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        // Qt delivers a drop only to the target of a drag in progress, so the view's
        // handler of dropped data is called directly.
        QVERIFY(view->HandleDroppedFiles(&mime));
        QVERIFY(f.Docs().FindByPath(path));
        QCOMPARE(view->TextLength(), 0); // not pasted into the view
        QMimeData text;
        text.setText(QStringLiteral("plain"));
        QVERIFY(!view->HandleDroppedFiles(&text)); // text drops are the control's own
    }

    void saveAsOffersTheDocumentsOwnTypeAndAFailureLeavesTheRecentListAlone() {
        UiFixture f;
        CQuorDoc* doc = f.Docs().CreateUntitled();
        const QStringList filters = CQuorDocManager::DialogNameFilters(doc);
        QCOMPARE(filters.size(), 10);
        QCOMPARE(filters[8], QStringLiteral("HTML Files (*.htm) (*.htm)"));
        QCOMPARE(filters[9], QStringLiteral("All Files (*.*) (*)"));

        doc->View()->ReplaceRange(0, 0, "x");
        doc->View()->FlushChange();
        const QString folder = f.dir.filePath(QStringLiteral("a-folder.html"));
        QVERIFY(QDir().mkdir(folder));
        f.Docs().promptHook = [&](const QString&, bool) { return QStringList{folder}; };
        QVERIFY(!doc->DoSave(QString()));
        QCOMPARE(f.prompter.messages.size(), size_t(1));
        for (const std::string& entry : f.app->RecentFiles().Entries())
            QVERIFY(entry != folder.toStdString());
        QVERIFY(doc->IsModified());
        QVERIFY(doc->PathName().isEmpty());
    }

    void aMaximisedDocumentNamesItselfOnceInTheTitle() {
        UiFixture f;
        CQuorDoc* doc = f.Open(f.Write(QStringLiteral("big.html"), "<P>"));
        doc->View()->ReplaceRange(0, 0, "x");
        doc->View()->FlushChange();
        f.Frame().MdiArea()->activeSubWindow()->showMaximized();
        QCoreApplication::processEvents();
        QCOMPARE(f.Frame().windowTitle(), QStringLiteral("Velto - big.html *"));
        doc->View()->OnEditUndo();
        QCoreApplication::processEvents();
        QCOMPARE(f.Frame().windowTitle(), QStringLiteral("Velto - big.html"));
        f.Frame().MdiArea()->activeSubWindow()->showNormal();
        QCoreApplication::processEvents();
        QCOMPARE(f.Frame().windowTitle(), QStringLiteral("Velto - big.html"));
    }

    void documentWindowsShowTheProgramsIcon() {
        UiFixture f;
        f.Open(f.Write(QStringLiteral("icon.html"), "<P>"));
        const QIcon icon = f.Frame().MdiArea()->activeSubWindow()->windowIcon();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.pixmap(32).toImage(), VeltoIcon().pixmap(32).toImage());
    }

    void arrangeIconsLinesUpTheMinimisedWindowsAtTheBottom() {
        UiFixture f;
        f.Frame().resize(900, 700);
        for (const char* name : {"a.html", "b.html", "c.html"})
            f.Open(f.Write(QString::fromLatin1(name), "<P>"));
        QList<QMdiSubWindow*> windows = f.Frame().MdiArea()->subWindowList(QMdiArea::CreationOrder);
        windows[0]->showMinimized();
        windows[2]->showMinimized();
        const QRect normal = windows[1]->geometry();
        windows[0]->move(300, 10);
        f.Frame().Action(CommandId::WindowArrange)->trigger();
        const int bottom = f.Frame().MdiArea()->viewport()->rect().bottom() + 1;
        QCOMPARE(windows[0]->geometry().bottomLeft(), QPoint(0, bottom - 1));
        QCOMPARE(windows[2]->geometry().left(), windows[0]->geometry().right() + 1);
        QCOMPARE(windows[2]->geometry().bottom(), bottom - 1);
        QCOMPARE(windows[1]->geometry(), normal); // the others stay put
    }

    void pasteIsOfferedOnlyWhenTheClipboardHoldsText() {
        UiFixture f;
        f.NewView();
        QAction* paste = f.Frame().Action(CommandId::EditPaste);
        QGuiApplication::clipboard()->clear();
        QTRY_VERIFY(!paste->isEnabled());
        QGuiApplication::clipboard()->setText(QStringLiteral("<B>"));
        QTRY_VERIFY(paste->isEnabled());
        QGuiApplication::clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));
        QTRY_VERIFY(!paste->isEnabled());
    }
};

QTEST_MAIN(DocumentsTest)
#include "DocumentsTest.moc"

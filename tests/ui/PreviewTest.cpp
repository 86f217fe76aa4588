// Refresh Preview in the running editor: a real browser start (a script standing in for
// the browser), the preview file beside the document and its clean-up, the web sites of
// the Help menu, and the editor taking the front back from the browser.
#include "UiTestSupport.h"

#include "core/menu/CommandIds.h"
#include "ui/app/CommandTable.h"
#include "ui/preview/PreviewHost.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QWindow>
#include <QtTest>
#include <qpa/qwindowsysteminterface.h>

using namespace velto;
using namespace velto::test;

class PreviewTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ctrlRWritesThePreviewFileAndStartsTheBrowserWithItsAddress() {
        QTemporaryDir dir;
        const QString site = dir.path() + QStringLiteral("/C# site");
        QVERIFY(QDir().mkpath(site));
        const QString got = dir.path() + QStringLiteral("/argument.txt");
        const QString browser = dir.path() + QStringLiteral("/fake browser");
        QFile script(browser);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s|' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"" + got.toUtf8() + "\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        UiFixture f([&](MemoryProfile& p) {
            p.WriteString("Settings", "HTML Previewer", "firefox");
            p.WriteString("Firefox", "Previewer", "'" + browser.toStdString() + "' --new-tab");
            p.WriteInt("Settings", "Scroll Preview", 1);
        });
        const QString page = site + QStringLiteral("/my page.html");
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<HTML>\r\n<BODY>\r\n<P>Hello</P>\r\n</BODY>\r\n</HTML>\r\n");
        file.close();
        CQuorView* view = f.Open(page)->View();
        f.Frame().activateWindow();
        view->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&f.Frame()));
        QTest::keyClick(view, Qt::Key_R, Qt::ControlModifier);

        const QString preview = site + QStringLiteral("/~veltopv0.htm");
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(got), 10000);
        QCOMPARE(UiFixture::Read(got),
                 "--new-tab|" + QUrl::fromLocalFile(preview).toEncoded() + "#_quorbm+0|");
        QVERIFY(UiFixture::Read(got).contains("C%23%20site/~veltopv0.htm"));
        QCOMPARE(UiFixture::Read(preview),
                 QByteArray("<A NAME=\"_quorbm+0\"><HTML>\r\n<BODY>\r\n<P>Hello</P>\r\n</BODY>\r\n</HTML>\r\n"));
        QVERIFY(f.prompter.messages.empty());
        QVERIFY(!view->GetDocument()->IsModified());

        // The preview files go at exit.
        f.app->ExitInstance();
        QVERIFY(!QFileInfo::exists(preview));
        QVERIFY(QFileInfo::exists(page));
    }

    void leftoverPreviewFilesGoAtStartUp() {
        QTemporaryDir dir;
        const QString leftover = dir.filePath(QStringLiteral("~veltopv3.htm"));
        QFile(leftover).open(QIODevice::WriteOnly);
        UiFixture f([&](MemoryProfile& p) { p.WriteString("Cleanup Files", "Tmp1", leftover.toStdString()); });
        QVERIFY(!QFileInfo::exists(leftover));
        QCOMPARE(f.profile->GetString("Cleanup Files", "Tmp1", "unset"), std::string());
    }

    void theHelpMenusSitesOpenInTheDesktopsBrowser() {
        UiFixture f;
        QList<QUrl> opened;
        f.app->Previews().Browser().desktopHook = [&opened](const QUrl& url) {
            opened << url;
            return true;
        };
        CommandTable& commands = f.Frame().Commands();
        f.Frame().UpdateCommands();
        QVERIFY(!commands.Action(CommandId::RefreshPreview)->isEnabled());
        for (int id : {CommandId::WebHtml401, CommandId::WebHtmlStandard, CommandId::WebMdnReference,
                       CommandId::WebValidator})
            QVERIFY(commands.Run(id));
        QCOMPARE(opened, (QList<QUrl>{QUrl(QStringLiteral("https://www.w3.org/TR/html401/")),
                                      QUrl(QStringLiteral("https://html.spec.whatwg.org/multipage/")),
                                      QUrl(QStringLiteral("https://developer.mozilla.org/en-US/docs/Web/HTML/Reference")),
                                      QUrl(QStringLiteral("https://validator.w3.org/"))}));

        // An untitled document previews from the current folder, through the same browser.
        QTemporaryDir here;
        const QString before = QDir::currentPath();
        QDir::setCurrent(here.path());
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "<P>untitled</P>");
        f.Frame().UpdateCommands();
        QVERIFY(commands.Run(CommandId::RefreshPreview));
        QDir::setCurrent(before);
        QCOMPARE(UiFixture::Read(here.filePath(QStringLiteral("~veltopv0.htm"))), QByteArray("<P>untitled</P>"));
        QCOMPARE(opened.last(), QUrl::fromLocalFile(QDir(here.path()).canonicalPath() + QStringLiteral("/~veltopv0.htm")));
    }

    void theEditorComesBackInFrontOnceTheBrowserHasTakenIt() {
        UiFixture f([](MemoryProfile& p) { p.WriteInt("Settings", "Keep Velto In Front", 1); });
        f.app->Previews().Browser().desktopHook = [](const QUrl&) { return true; };
        f.Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.Frame()));
        QVERIFY(f.Frame().Commands().Run(CommandId::WebValidator));
        // Nothing is raised yet, and nothing waits: the editor holds the front for a while.
        QVERIFY(f.app->Previews().Browser().Keeper().Holding());

        // A dialog of the editor's own takes the focus: it is left in front.
        QDialog dialog(&f.Frame());
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCoreApplication::processEvents();
        QVERIFY(dialog.isActiveWindow());
        dialog.close();
        f.Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.Frame()));

        // The browser's window comes up and takes the front from the editor's windows.
        bool lost = false;
        connect(qApp, &QGuiApplication::focusWindowChanged, &f.Frame(), [&lost](QWindow* now) { lost |= !now; });
        QWindowSystemInterface::handleWindowActivated(nullptr);
        QTRY_VERIFY(lost);
        QTRY_VERIFY(f.Frame().isActiveWindow());
    }

    void withoutTheOptionTheBrowserKeepsTheFront() {
        UiFixture f;
        f.app->Previews().Browser().desktopHook = [](const QUrl&) { return true; };
        f.Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.Frame()));
        QVERIFY(f.Frame().Commands().Run(CommandId::WebValidator));
        QVERIFY(!f.app->Previews().Browser().Keeper().Holding());
        bool lost = false;
        connect(qApp, &QGuiApplication::focusWindowChanged, &f.Frame(), [&lost](QWindow* now) { lost |= !now; });
        QWindowSystemInterface::handleWindowActivated(nullptr);
        QTRY_VERIFY(lost);
        QCoreApplication::processEvents();
        QVERIFY(!f.Frame().isActiveWindow());
    }
};

QTEST_MAIN(PreviewTest)
#include "PreviewTest.moc"

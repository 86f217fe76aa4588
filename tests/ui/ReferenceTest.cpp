// HTML reference help in the running editor: F5 and the lookup box opening topics in the
// reference window, its messages, its links and history, and its saved state.
#include "UiTestSupport.h"

#include "core/menu/CommandIds.h"
#include "ui/app/CommandTable.h"
#include "ui/preview/PreviewHost.h"
#include "ui/reference/ReferenceWindow.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QtTest>

using namespace velto;
using namespace velto::test;

namespace {
struct ReferenceFixture {
    QTemporaryDir home;
    ScopedEnv env{"XDG_DATA_HOME", home.path()};
    QString folder = home.path() + QStringLiteral("/Kestrova/Velto/HTML References");
    std::unique_ptr<UiFixture> f;

    void Write(const QString& name, const QByteArray& bytes) {
        const QString path = folder + QLatin1Char('/') + name;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    ReferenceFixture() {
        Write(QStringLiteral("Mini.cfg"), "HTMLREF Mini\nBASE mini\n");
        Write(QStringLiteral("mini/tables.htm"),
              "<HTML><BODY><H1>Tables</H1><A NAME=\"tbl\"><H2>TABLE</H2></A><P>Rows and cells. "
              "See <A HREF=\"text.htm#p\">paragraphs</A> or <A HREF=\"https://example.org/t\">the web</A>.</P>"
              "<A NAME=\"border\"><H2>BORDER</H2></A><P>Frame width.</P></BODY></HTML>");
        Write(QStringLiteral("mini/tables.hhi"), "HTMLREF Mini\nSECTION Tables\nKEYSINDEXSTART\n"
                                                 "1, 1, 0, TABLE, tbl, The TABLE element, <TABLE> border p\n"
                                                 "1, 0, 1, BORDER, border, The BORDER attribute, border\n");
        Write(QStringLiteral("mini/text.htm"), "<HTML><BODY><A NAME=\"p\"><H2>P</H2></A><P>Text.</P></BODY></HTML>");
        Write(QStringLiteral("mini/text.hhi"), "HTMLREF Mini\nSECTION Text\nKEYSINDEXSTART\n"
                                               "1, 1, 0, P, p, The P element, <P>\n"
                                               "1, 1, 0, __introduction, p, Introduction\n");
        Write(QStringLiteral("loading.htm"), "<HTML><BODY>Loading...</BODY></HTML>");
        Write(QStringLiteral("Mini Tables.mnu"), "MENU The tables of the Mini reference\nHTML mini/tables.htm\n");
        f = std::make_unique<UiFixture>(
            [](MemoryProfile& p) { p.WriteString("Velto HTML Help", "Default For Class 1", "Mini"); });
    }
    CMainFrame& Frame() { return f->Frame(); }
    bool Run(int id) {
        Frame().UpdateCommands();
        return Frame().Commands().Run(id);
    }
};
} // namespace

class ReferenceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void f5OpensTheTopicOfTheTagAtTheCaret() {
        ReferenceFixture r;
        CQuorView* view = r.f->NewView();
        view->ReplaceRange(0, 0, "<P>x</P>\n<TABLE BORDER>\n<BLINK>y</BLINK>\n");
        view->SetSelection(12, 12);
        QSignalSpy messages(r.Frame().statusBar(), &QStatusBar::messageChanged);
        QVERIFY(r.Run(CommandId::ContextTagLookup));
        ReferenceWindow* window = r.Frame().Reference(false);
        QVERIFY(window);
        QTRY_COMPARE(window->Source().fileName(), QStringLiteral("tables.htm"));
        QCOMPARE(window->Source().fragment(), QStringLiteral("tbl"));
        QVERIFY(window->isVisible());
        QVERIFY(!window->CanGoBack()); // the loading page shown first is no step back
        QCOMPARE(window->windowTitle(), QStringLiteral("Mini - Tables"));
        QCOMPARE(r.Frame().dockWidgetArea(window), Qt::RightDockWidgetArea);
        const auto count = [&messages](const QString& text) {
            int n = 0;
            for (const QList<QVariant>& m : messages)
                n += m.at(0).toString() == text;
            return n;
        };
        const QString indexing = QStringLiteral("Creating help index for Mini HTML reference...");
        QCOMPARE(count(indexing), 1);
        QCOMPARE(r.Frame().statusBar()->currentMessage(), QStringLiteral("Ready"));
        // The topic lists and the related topics of the page.
        QCOMPARE(window->Sections()->count(), 2);
        QCOMPARE(window->Topics()->currentText(), QStringLiteral("The TABLE element"));
        QCOMPARE(window->Related()->count(), 2); // BORDER on this page, P on the text page
        QCOMPARE(window->Related()->itemText(1), QStringLiteral("Mini: Text - The P element"));

        // The second lookup builds no index; an element the reference lacks names it.
        view->SetSelection(26, 26);
        QVERIFY(r.Run(CommandId::ContextTagLookup));
        QCOMPARE(r.f->prompter.messages.back(),
                 std::string("HTML Context Help for <BLINK> is not available in Mini.\n\n"
                             "See the Help menu for alternative HTML reference information."));
        view->SetSelection(4, 4);
        QVERIFY(r.Run(CommandId::ContextTagLookup));
        QCOMPARE(r.f->prompter.messages.back(), std::string(OutsideTagMessage));
        QCOMPARE(count(indexing), 1);
    }

    void linksHistoryAndTheLookupBox() {
        ReferenceFixture r;
        auto* box = r.Frame().LookupBar()->findChild<QLineEdit*>(QStringLiteral("lookupTagName"));
        QVERIFY(box && box->isEnabled());
        box->setText(QStringLiteral("<border>"));
        QVERIFY(r.Run(CommandId::LookupNamedTag));
        ReferenceWindow* window = r.Frame().Reference(false);
        QVERIFY(window);
        QTRY_COMPARE(window->Source().fragment(), QStringLiteral("border"));

        // A link to another page opens in the window; Back returns.
        Q_EMIT window->Browser()->anchorClicked(QUrl(QStringLiteral("text.htm#p")));
        QCOMPARE(window->Source().fileName(), QStringLiteral("text.htm"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Mini - Text"));
        QVERIFY(r.Run(CommandId::ReferenceBack));
        QCOMPARE(window->Source().fileName(), QStringLiteral("tables.htm"));
        QVERIFY(r.Run(CommandId::ReferenceForward));
        QCOMPARE(window->Source().fileName(), QStringLiteral("text.htm"));
        // A page on the web goes to the user's browser.
        QList<QUrl> opened;
        r.f->app->Previews().Browser().desktopHook = [&opened](const QUrl& u) {
            opened << u;
            return true;
        };
        Q_EMIT window->Browser()->anchorClicked(QUrl(QStringLiteral("https://example.org/t")));
        QCOMPARE(opened, QList<QUrl>{QUrl(QStringLiteral("https://example.org/t"))});
        QCOMPARE(window->Source().fileName(), QStringLiteral("text.htm"));
        // Home is the introduction.
        QVERIFY(r.Run(CommandId::ReferenceHome));
        QCOMPARE(window->Source().fileName(), QStringLiteral("text.htm"));
    }

    void theReferencesMenuOpensItsPagesInTheWindow() {
        ReferenceFixture r;
        QAction* entry = FindAction(r.f->app->FolderMenuOf(FolderMenuKind::References), QStringLiteral("Mini Tables"));
        QVERIFY(entry);
        QCOMPARE(r.Frame().GetMessageString(entry->data().toInt()), QStringLiteral("The tables of the Mini reference"));
        entry->trigger();
        ReferenceWindow* window = r.Frame().Reference(false);
        QVERIFY(window);
        QTRY_COMPARE(window->Source().fileName(), QStringLiteral("tables.htm"));
    }

    void theWindowTogglesDocksAndKeepsItsState() {
        ReferenceFixture r;
        QVERIFY(r.Run(CommandId::ToggleReferenceWindow));
        ReferenceWindow* window = r.Frame().Reference(false);
        QVERIFY(window && window->isVisible());
        QTRY_COMPARE(window->Source().fileName(), QStringLiteral("text.htm")); // the introduction
        QVERIFY(r.Run(CommandId::DockReferenceWindow));
        QVERIFY(window->isFloating());
        window->SaveState(*r.f->profile);
        QCOMPARE(r.f->profile->GetInt(ReferenceWindow::StateSection, "Shadowing", -1), 0);
        QVERIFY(r.Run(CommandId::DockReferenceWindow));
        QVERIFY(!window->isFloating());
        window->SaveState(*r.f->profile);
        QCOMPARE(r.f->profile->GetInt(ReferenceWindow::StateSection, "Shadowing", -1), 1);
        QCOMPARE(r.f->profile->GetInt(ReferenceWindow::StateSection, "ShadowMode", -1), 2);
        QVERIFY(r.Run(CommandId::ToggleReferenceWindow));
        QVERIFY(!window->isVisible());
        QVERIFY(!r.Frame().Action(CommandId::ToggleReferenceWindow)->isChecked());
    }
};

QTEST_MAIN(ReferenceTest)
#include "ReferenceTest.moc"

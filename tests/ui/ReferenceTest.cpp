// HTML reference help in the running editor: F5 and the lookup box opening topics in the
// reference window, its messages, its links and history, and its saved state.
#include "UiTestSupport.h"

#include "core/menu/CommandIds.h"
#include "core/reference/ShadowRects.h"
#include "ui/app/CommandTable.h"
#include "ui/preview/PreviewHost.h"
#include "ui/reference/ReferenceWindow.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextBlock>
#include <QTextBrowser>
#include <QThreadPool>
#include <QToolBar>
#include <QUrl>
#include <QtTest>

using namespace velto;
using namespace velto::test;

namespace {
const QString IdleText = QStringLiteral("For Application Help, press F1. For HTML Context Help, press F5.");

// The size of a "left,top,right,bottom" setting.
struct ParsedRect {
    explicit ParsedRect(const std::string& text) {
        const QStringList n = QString::fromStdString(text).split(QLatin1Char(','));
        ok = n.size() == 4;
        if (ok)
            width = n[2].toInt() - n[0].toInt();
    }
    bool ok = false;
    int width = 0;
};

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
        Write(QStringLiteral("Maxi.cfg"), "HTMLREF Maxi\nBASE maxi\n");
        Write(QStringLiteral("maxi/elements.htm"),
              "<HTML><BODY><A NAME=\"t\"><H2>TABLE</H2></A><P>Tables, the long way.</P></BODY></HTML>");
        Write(QStringLiteral("maxi/elements.hhi"), "HTMLREF Maxi\nSECTION Elements\nKEYSINDEXSTART\n"
                                                   "1, 1, 0, TABLE, t, TABLE in Maxi, <TABLE>\n"
                                                   "1, 1, 0, __introduction, t, Introduction\n");
        Write(QStringLiteral("loading.htm"), "<HTML><BODY>Loading...</BODY></HTML>");
        Write(QStringLiteral("Mini Tables.mnu"), "MENU The tables of the Mini reference\nHTML mini/tables.htm\n");
        f = std::make_unique<UiFixture>(
            [](MemoryProfile& p) { p.WriteString("Velto HTML Help", "Default For Class 1", "Mini"); });
    }
    CMainFrame& Frame() { return f->Frame(); }
    QString Status() { return Frame().statusBar()->currentMessage(); }
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
        // The page's name stays on the status bar a moment after it has come, then the
        // idle text follows.
        QCOMPARE(count(QStringLiteral("Opening HTML file %1 ...").arg(r.folder + QStringLiteral("/mini/tables.htm"))), 1);
        QTRY_COMPARE(r.Status(), IdleText);
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
        QTRY_COMPARE(window->Source().fileName(), QStringLiteral("text.htm"));
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
        QVERIFY(r.Run(CommandId::ReferenceBack));
        QCOMPARE(window->Source().fileName(), QStringLiteral("tables.htm"));
        QVERIFY(r.Run(CommandId::ReferenceHome));
        QTRY_COMPARE(window->Source().fileName(), QStringLiteral("text.htm"));
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

    void theStatusBarSaysWhereHelpIs() {
        ReferenceFixture r;
        QCOMPARE(r.Status(), IdleText);
        // A menu item's prompt gives way to the idle text again.
        QStatusTipEvent tip(QStringLiteral("Show or hide the HTML Reference window"));
        QCoreApplication::sendEvent(&r.Frame(), &tip);
        QCOMPARE(r.Status(), QStringLiteral("Show or hide the HTML Reference window"));
        QStatusTipEvent none{QString()};
        QCoreApplication::sendEvent(&r.Frame(), &none);
        QCOMPARE(r.Status(), IdleText);
    }

    void theFirstToggleBuildsTheIndexUnderAWaitCursor() {
        ReferenceFixture r;
        QStringList messages;
        QList<bool> waiting;
        connect(r.Frame().statusBar(), &QStatusBar::messageChanged, this, [&](const QString& m) {
            messages << m;
            waiting << (QGuiApplication::overrideCursor() &&
                        QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor);
        });
        QVERIFY(r.Run(CommandId::ToggleReferenceWindow)); // Home: the introduction
        const int at = messages.indexOf(QStringLiteral("Creating help index for Mini HTML reference..."));
        QVERIFY2(at >= 0, qPrintable(messages.join(QLatin1Char('|'))));
        QVERIFY(waiting.at(at));
        QVERIFY(!QGuiApplication::overrideCursor()); // and none left behind
        QTRY_COMPARE(r.Frame().Reference(false)->Source().fileName(), QStringLiteral("text.htm"));
    }

    void theContextReferenceIsChosenInTheWindow() {
        ReferenceFixture r;
        QVERIFY(r.Run(CommandId::ToggleReferenceWindow));
        ReferenceWindow* window = r.Frame().Reference(false);
        QComboBox* context = window->ContextReference();
        QCOMPARE(context->statusTip(), QStringLiteral("Reference used for Context HTML Help"));
        // Every reference set of the folder (the shipped one too).
        QCOMPARE(context->count(), static_cast<int>(r.f->app->References().References().size()));
        QVERIFY(context->findText(QStringLiteral("Maxi")) >= 0);
        QCOMPARE(context->currentText(), QStringLiteral("Mini"));
        context->setCurrentIndex(context->findText(QStringLiteral("Maxi")));
        Q_EMIT context->activated(context->currentIndex());
        QCOMPARE(r.f->profile->GetString("Velto HTML Help", "Default For Class 1", ""), std::string("Maxi"));

        // F5 now asks Maxi; its pages name their own set and sections.
        CQuorView* view = r.f->NewView();
        view->ReplaceRange(0, 0, "<TABLE>\n");
        view->SetSelection(2, 2);
        QVERIFY(r.Run(CommandId::ContextTagLookup));
        QTRY_COMPARE(window->Source().fileName(), QStringLiteral("elements.htm"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Maxi - Elements"));
        QCOMPARE(window->Sections()->count(), 1);
        QCOMPARE(window->Topics()->currentText(), QStringLiteral("TABLE in Maxi"));

        // A page of the other set, from the references menu: its own title, sections and
        // topics, though it is not the context reference's.
        QAction* entry = FindAction(r.f->app->FolderMenuOf(FolderMenuKind::References), QStringLiteral("Mini Tables"));
        QVERIFY(entry);
        entry->trigger();
        QTRY_COMPARE(window->Source().fileName(), QStringLiteral("tables.htm"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Mini - Tables"));
        QCOMPARE(window->Sections()->count(), 2);
        QCOMPARE(window->Sections()->currentText(), QStringLiteral("Tables"));
        QCOMPARE(window->Topics()->count(), 2);
        Q_EMIT window->Topics()->activated(1);
        QCOMPARE(window->Source().fragment(), QStringLiteral("border"));
        Q_EMIT window->Topics()->activated(0);
        QCOMPARE(window->Source().fragment(), QStringLiteral("tbl"));
        // Related topics come from the page's own set: BORDER here, P on Mini's text page.
        QCOMPARE(window->Related()->count(), 2);
        QCOMPARE(window->Related()->itemText(1), QStringLiteral("Mini: Text - The P element"));

        // The options dialog's choice shows in the box after the command.
        r.f->app->References().SetDefaultName(1, "Mini");
        r.Frame().UpdateCommands();
        QCOMPARE(context->currentText(), QStringLiteral("Mini"));
    }

    void stopGivesUpThePageBeingOpened() {
        ReferenceFixture r;
        QVERIFY(r.Run(CommandId::ToggleReferenceWindow));
        ReferenceWindow* window = r.Frame().Reference(false);
        QTRY_COMPARE(window->Source().fileName(), QStringLiteral("text.htm"));
        QTRY_COMPARE(r.Status(), IdleText);
        QVERIFY(!window->StopAction()->isEnabled());

        // The page is read off the window's thread: until it is shown, Stop can give it up.
        window->OpenPage((r.folder + QStringLiteral("/mini/tables.htm")).toStdString(), "tbl");
        QVERIFY(window->IsLoading());
        QVERIFY(window->StopAction()->isEnabled());
        QCOMPARE(r.Status(), QStringLiteral("Opening HTML file %1 ...").arg(r.folder + QStringLiteral("/mini/tables.htm")));
        window->StopAction()->trigger();
        QVERIFY(!window->IsLoading());
        QVERIFY(!window->StopAction()->isEnabled());
        QCOMPARE(r.Status(), IdleText);
        // The read finishing after all shows nothing.
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        QCOMPARE(window->Source().fileName(), QStringLiteral("text.htm"));

        // Opened again, it comes; Refresh reads it once more, at its anchor.
        window->OpenPage((r.folder + QStringLiteral("/mini/tables.htm")).toStdString(), "tbl");
        QTRY_COMPARE(window->Source().fileName(), QStringLiteral("tables.htm"));
        QVERIFY(!window->StopAction()->isEnabled());
        r.Write(QStringLiteral("mini/tables.htm"), "<HTML><BODY><A NAME=\"tbl\"><H2>TABLE, revised</H2></A></BODY></HTML>");
        QAction* refresh = nullptr;
        for (QToolBar* bar : window->findChildren<QToolBar*>())
            for (QAction* a : bar->actions())
                if (a->text() == QLatin1String("Refresh"))
                    refresh = a;
        QVERIFY(refresh);
        refresh->trigger();
        QTRY_VERIFY(window->Browser()->toPlainText().contains(QStringLiteral("revised")));
        // A page that cannot be read says so.
        window->OpenPage((r.folder + QStringLiteral("/mini/gone.htm")).toStdString(), "");
        QTRY_VERIFY(r.Status().startsWith(QStringLiteral("Unable to open the HTML file")));
        QCOMPARE(window->Source().fileName(), QStringLiteral("tables.htm"));
    }

    void dockingAndFloatingByDraggingAreKeptForTheNextStart() {
        ReferenceFixture r;
        QVERIFY(r.Run(CommandId::ToggleReferenceWindow));
        ReferenceWindow* window = r.Frame().Reference(false);
        QVERIFY(!window->isFloating());
        r.Frame().resizeDocks({window}, {300}, Qt::Horizontal);
        QTRY_COMPARE(window->LastShadowRect().Width(), 300);

        // Dragged off the frame: Qt floats the window where the pointer leaves it.
        window->setFloating(true);
        window->setGeometry(50, 60, 320, 400);
        QTRY_COMPARE(window->LastFreeRect(), (Rect{50, 60, 370, 460}));
        // Dragged onto the frame's left edge: docked there.
        window->setFloating(false);
        r.Frame().addDockWidget(Qt::LeftDockWidgetArea, window);
        QTRY_COMPARE(r.Frame().dockWidgetArea(window), Qt::LeftDockWidgetArea);
        window->SaveState(*r.f->profile);
        QCOMPARE(r.f->profile->GetInt(ReferenceWindow::StateSection, "Shadowing", -1), 1);
        QCOMPARE(r.f->profile->GetInt(ReferenceWindow::StateSection, "ShadowMode", -1), 1);
        QCOMPARE(r.f->profile->GetString(ReferenceWindow::StateSection, "LastFreeRect", ""), std::string("50,60,370,460"));

        // The Dock command floats it where it floated last; the next start does too.
        QVERIFY(r.Run(CommandId::DockReferenceWindow));
        QVERIFY(window->isFloating());
        QCOMPARE(window->geometry(), QRect(50, 60, 320, 400));
        window->setGeometry(80, 90, 320, 400);
        window->SaveState(*r.f->profile);
        QCOMPARE(r.f->profile->GetInt(ReferenceWindow::StateSection, "Shadowing", -1), 0);
        QCOMPARE(r.f->profile->GetString(ReferenceWindow::StateSection, "LastFreeRect", ""), std::string("80,90,400,490"));
        const ParsedRect shadow(r.f->profile->GetString(ReferenceWindow::StateSection, "LastShadowRect", ""));
        QVERIFY(shadow.ok);
        QCOMPARE(shadow.width, window->LastShadowRect().Width());

        UiFixture next([&r](MemoryProfile& p) {
            const MemoryProfile& saved = *r.f->profile;
            const char* section = ReferenceWindow::StateSection;
            for (const char* key : {"Shadowing", "ShadowMode"})
                p.WriteInt(section, key, saved.GetInt(section, key, -1));
            for (const char* key : {"LastShadowRect", "LastFreeRect"})
                p.WriteString(section, key, saved.GetString(section, key, ""));
        });
        ReferenceWindow* again = next.Frame().Reference(true);
        QVERIFY(again->isFloating());
        again->show();
        QCOMPARE(again->geometry(), QRect(80, 90, 320, 400));
    }

    void floatingKeepsThePlaceInThePage() {
        ReferenceFixture r;
        QByteArray page = "<HTML><BODY>";
        for (int i = 0; i < 60; ++i)
            page += "<P><A NAME=\"p" + QByteArray::number(i) + "\">Paragraph " + QByteArray::number(i) +
                    "</A>: " + QByteArray("words that wrap differently at each width of the window ").repeated(4) +
                    "</P>";
        r.Write(QStringLiteral("mini/long.htm"), page + "</BODY></HTML>");
        QVERIFY(r.Run(CommandId::ToggleReferenceWindow));
        ReferenceWindow* window = r.Frame().Reference(false);
        QTRY_COMPARE(window->Source().fileName(), QStringLiteral("text.htm"));
        r.Frame().resizeDocks({window}, {220}, Qt::Horizontal);
        window->OpenPage((r.folder + QStringLiteral("/mini/long.htm")).toStdString(), "p40");
        QTRY_COMPARE(window->Source().fileName(), QStringLiteral("long.htm"));
        QTextBrowser* browser = window->Browser();
        const auto topParagraph = [browser] {
            return browser->cursorForPosition(QPoint(0, 0)).block().text().section(QLatin1Char(':'), 0, 0);
        };
        QCOMPARE(topParagraph(), QStringLiteral("Paragraph 40"));
        QVERIFY(r.Run(CommandId::DockReferenceWindow)); // floats, far wider than docked
        QVERIFY(window->isFloating());
        QVERIFY(browser->width() > 300);
        QTRY_COMPARE(topParagraph(), QStringLiteral("Paragraph 40"));
        QVERIFY(r.Run(CommandId::DockReferenceWindow));
        QTRY_COMPARE(topParagraph(), QStringLiteral("Paragraph 40"));
    }

    void f1ShowsHowToUseVelto() {
        ReferenceFixture r;
        QAction* help = r.Frame().Action(CommandId::HelpIndex);
        QVERIFY(help);
        QCOMPARE(help->shortcut(), QKeySequence(Qt::Key_F1));
        QVERIFY(r.Run(CommandId::HelpIndex));
        ReferenceWindow* window = r.Frame().Reference(false);
        QVERIFY(window && window->isVisible());
        QTRY_COMPARE(window->Source().fileName(), QStringLiteral("Velto Help.html"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Velto Help"));
        // Made from the menus as they are: the keys the idle text names are there.
        const QString page = QString::fromUtf8(UiFixture::Read(window->Source().toLocalFile()));
        QVERIFY(page.contains(QStringLiteral("<B>Context Tag Lookup</B></TD><TD>F5</TD>")));
        QVERIFY(page.contains(QStringLiteral("<B>Velto Help</B></TD><TD>F1</TD>")));
        QVERIFY(page.contains(QStringLiteral("<B>Refresh Preview</B></TD><TD>Ctrl+R</TD>")));
        QVERIFY(page.contains(r.f->app->UserFolder() + QStringLiteral("/Templates/Snippets")));
        QVERIFY(window->Browser()->toPlainText().contains(QStringLiteral("Commands and keys")));
    }
};

QTEST_MAIN(ReferenceTest)
#include "ReferenceTest.moc"

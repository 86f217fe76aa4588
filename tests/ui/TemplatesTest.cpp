// Templates and snippets in the running editor: the user's copy of the shipped folders,
// the folder menus under their items, new documents from templates, snippets inserted
// and undone in a real view, and templates saved into the folder showing at once.
#include "UiTestSupport.h"

#include "core/menu/CommandIds.h"
#include "ui/app/CommandTable.h"
#include "ui/templates/FolderMenuHost.h"

#include <QDir>
#include <QMenuBar>
#include <QUrl>
#include <QtTest>

using namespace velto;
using namespace velto::test;

namespace {
// A start with a data folder of its own for the user.
struct TemplatesFixture {
    QTemporaryDir home;
    ScopedEnv env{"XDG_DATA_HOME", home.path()};
    UiFixture f;
    std::vector<std::string> asked; // the dialogs' titles

    QString User(const QString& relative) const {
        return home.path() + QStringLiteral("/Kestrova/Velto/") + relative;
    }
    QMenu* Menu(FolderMenuKind kind) const { return f.app->FolderMenuOf(kind); }
    // The file dialogs answer with these paths in turn, then cancel.
    void Answer(QStringList paths) {
        f.app->FolderMenus().Chooser().hook = [this, paths](const FileDialogRequest& r) mutable
            -> std::optional<std::string> {
            asked.push_back(r.title);
            if (paths.isEmpty())
                return std::nullopt;
            return paths.takeFirst().toStdString();
        };
    }
};

QStringList Texts(QMenu* menu) {
    QStringList texts;
    for (QAction* a : menu->actions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}
} // namespace

class TemplatesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theShippedFoldersAreCopiedAndTheUsersOwnFilesKept() {
        QTemporaryDir home;
        const QString mine = home.path() + QStringLiteral("/Kestrova/Velto/Templates/Default.htt");
        QDir().mkpath(QFileInfo(mine).path());
        QFile file(mine);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<!--\nMENU: My own page\n-->\n<P>mine</P>\n");
        file.close();
        const ScopedEnv env("XDG_DATA_HOME", home.path());
        UiFixture f;
        QCOMPARE(f.app->UserFolder(), home.path() + QStringLiteral("/Kestrova/Velto"));
        QCOMPARE(UiFixture::Read(mine), QByteArray("<!--\nMENU: My own page\n-->\n<P>mine</P>\n"));
        QVERIFY(QFileInfo::exists(f.app->UserFolder() + QStringLiteral("/Templates/Form Page.htt")));
        QVERIFY(QFileInfo::exists(f.app->UserFolder() + QStringLiteral("/Templates/Snippets/Lists/Bulleted List.htt")));
        QVERIFY(QFileInfo::exists(f.app->UserFolder() + QStringLiteral("/On The Web/W3C Markup Validator.mnu")));

        // File New fills from the user's own default template.
        CQuorDoc* doc = f.Docs().OnFileNew();
        QCOMPARE(doc->View()->TextBytes(), QByteArray("<P>mine</P>\n"));
        // Its prompt is the header's text; a snippet folder never shows among the templates.
        QMenu* templates = f.app->FolderMenuOf(FolderMenuKind::Templates);
        QVERIFY(!Texts(templates).join(QLatin1Char(' ')).contains(QStringLiteral("Snippets")));
        QAction* own = FindAction(templates, QStringLiteral("Default"));
        QVERIFY(own);
        QCOMPARE(f.Frame().GetMessageString(own->data().toInt()), QStringLiteral("My own page"));
    }

    void theFolderMenusHangUnderTheirItems() {
        TemplatesFixture t;
        CMainFrame& frame = t.f.Frame();
        for (QAction* top : frame.menuBar()->actions())
            Q_EMIT top->menu()->aboutToShow();
        QCOMPARE(frame.Action(CommandId::FileNewFromTemplate)->menu(), t.Menu(FolderMenuKind::Templates));
        QCOMPARE(frame.Action(CommandId::EditInsertSnippet)->menu(), t.Menu(FolderMenuKind::Snippets));
        QCOMPARE(frame.Action(CommandId::HelpHtmlReferences)->menu(), t.Menu(FolderMenuKind::References));
        QCOMPARE(frame.Action(CommandId::HelpOnTheWeb)->menu(), t.Menu(FolderMenuKind::OnTheWeb));
        // Snippets need a document to go into.
        QVERIFY(!frame.Action(CommandId::EditInsertSnippet)->isEnabled());
        QVERIFY(frame.Action(CommandId::FileNewFromTemplate)->isEnabled());
        t.f.NewView();
        frame.UpdateCommands();
        QVERIFY(frame.Action(CommandId::EditInsertSnippet)->isEnabled());

        const QStringList templates = Texts(t.Menu(FolderMenuKind::Templates));
        QCOMPARE(templates, (QStringList{"&Default", "&Form Page", "F&rameset", "&HTML 4.01 Strict",
                                         "H&TML 4.01 Transitional", "HTM&L5 Page", "T&able Layout", "-", "Other Template..."}));
        // The shipped reference menus: the introduction, then a page per subject.
        QMenu* references = t.Menu(FolderMenuKind::References);
        QCOMPARE(Texts(references), (QStringList{"&Velto HTML Reference", "V&elto HTML Topics"}));
        QVERIFY(references->actions().at(1)->menu());
        QVERIFY(Texts(references->actions().at(1)->menu()).contains(QStringLiteral("&Tables")));
        QVERIFY(Texts(t.Menu(FolderMenuKind::Snippets)).contains(QStringLiteral("&Comments")));

        // On The Web: the page opens in the browser; only web addresses are followed.
        QList<QUrl> opened;
        t.f.app->FolderMenus().openUrlHook = [&opened](const QUrl& url) { opened << url; };
        QAction* validator = FindAction(t.Menu(FolderMenuKind::OnTheWeb), QStringLiteral("W3C Markup Validator"));
        QVERIFY(validator);
        QCOMPARE(frame.GetMessageString(validator->data().toInt()),
                 QStringLiteral("Check a page with the W3C Markup Validation Service"));
        validator->trigger();
        QCOMPARE(opened, QList<QUrl>{QUrl(QStringLiteral("https://validator.w3.org/"))});
    }

    void theMenusFollowTheirFoldersOnDisk() {
        TemplatesFixture t;
        const auto write = [&t](const QString& relative, const QByteArray& bytes) {
            const QString path = t.User(relative);
            QDir().mkpath(QFileInfo(path).path());
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
        // A template added beside the others, and one in a new sub-folder.
        write(QStringLiteral("Templates/Newsletter.htt"), "<!--\nMENU: A monthly letter\n-->\n<P>News</P>\n");
        QTRY_VERIFY(FindAction(t.Menu(FolderMenuKind::Templates), QStringLiteral("Newsletter")));
        QAction* added = FindAction(t.Menu(FolderMenuKind::Templates), QStringLiteral("Newsletter"));
        QCOMPARE(t.f.Frame().GetMessageString(added->data().toInt()), QStringLiteral("A monthly letter"));
        write(QStringLiteral("Templates/Letters/Thanks.htt"), "<P>Thanks</P>\n");
        QTRY_VERIFY(FindAction(t.Menu(FolderMenuKind::Templates), QStringLiteral("Thanks")));
        // The new folder is watched in turn: a file added inside it shows too.
        write(QStringLiteral("Templates/Letters/Apology.htt"), "<P>Sorry</P>\n");
        QTRY_VERIFY(FindAction(t.Menu(FolderMenuKind::Templates), QStringLiteral("Apology")));

        // Snippets, reference pages and web entries likewise; a removed one goes.
        write(QStringLiteral("Templates/Snippets/Signature.htt"), "<P>-- me</P>\n");
        write(QStringLiteral("On The Web/Example.mnu"), "URL https://example.org/\n");
        QVERIFY(QFile::remove(t.User(QStringLiteral("On The Web/W3C Markup Validator.mnu"))));
        QTRY_VERIFY(FindAction(t.Menu(FolderMenuKind::Snippets), QStringLiteral("Signature")));
        QTRY_VERIFY(FindAction(t.Menu(FolderMenuKind::OnTheWeb), QStringLiteral("Example")));
        QTRY_VERIFY(!FindAction(t.Menu(FolderMenuKind::OnTheWeb), QStringLiteral("W3C Markup Validator")));
        QVERIFY(t.f.app->FolderMenus().WatchedFolders().contains(t.User(QStringLiteral("Templates/Letters"))));
    }

    void sixteenTemplatesKeepTheOtherTemplateEntry() {
        TemplatesFixture t;
        // With the seven shipped ones, more than the fifteen a level shows.
        for (int i = 0; i < 9; ++i) {
            QFile file(t.User(QStringLiteral("Templates/Extra %1.htt").arg(i)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("<P>extra</P>\n");
        }
        t.f.app->FolderMenus().BuildAll();
        const QStringList texts = Texts(t.Menu(FolderMenuKind::Templates));
        QCOMPARE(texts.size(), 15 + 3);
        QCOMPARE(texts.mid(15), (QStringList{"&More Templates...", "-", "Other Template..."}));
        // Both browse: the overflow entry in the templates folder, the other from the
        // folder last used, as File > New From Template does.
        t.Answer({});
        FindAction(t.Menu(FolderMenuKind::Templates), QStringLiteral("Other Template..."))->trigger();
        FindAction(t.Menu(FolderMenuKind::Templates), QStringLiteral("More Templates..."))->trigger();
        QCOMPARE(t.asked, (std::vector<std::string>{"Choose Template for New Document", "Choose Template for New Document"}));
    }

    void onTheWebOpensMailAddressesAndSaysWhyOthersAreNot() {
        TemplatesFixture t;
        QList<QUrl> opened;
        t.f.app->FolderMenus().openUrlHook = [&opened](const QUrl& url) { opened << url; };
        const auto entry = [&t](const QString& name, const QByteArray& url) {
            QFile file(t.User(QStringLiteral("On The Web/%1.mnu").arg(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("URL " + url + "\n");
        };
        entry(QStringLiteral("Write To Us"), "mailto:webmaster@example.org");
        entry(QStringLiteral("Local Page"), "file:///etc/passwd");
        entry(QStringLiteral("Launcher"), "steam://run/10");
        t.f.app->FolderMenus().BuildAll();
        QMenu* web = t.Menu(FolderMenuKind::OnTheWeb);
        FindAction(web, QStringLiteral("Write To Us"))->trigger();
        QCOMPARE(opened, QList<QUrl>{QUrl(QStringLiteral("mailto:webmaster@example.org"))});
        FindAction(web, QStringLiteral("Local Page"))->trigger();
        FindAction(web, QStringLiteral("Launcher"))->trigger();
        QCOMPARE(opened.size(), 1);
        QCOMPARE(t.f.prompter.messages.size(), std::size_t{2});
        QVERIFY(QString::fromStdString(t.f.prompter.messages[0]).contains(QStringLiteral("\"Local Page\"")));
        QVERIFY(QString::fromStdString(t.f.prompter.messages[0]).contains(QStringLiteral("file:///etc/passwd")));
        QVERIFY(QString::fromStdString(t.f.prompter.messages[1]).contains(t.User(QStringLiteral("On The Web/Launcher.mnu"))));
    }

    void aTemplateEntryMakesAnUnmodifiedDocumentWithOneUndoableChange() {
        TemplatesFixture t;
        QAction* form = FindAction(t.Menu(FolderMenuKind::Templates), QStringLiteral("Form Page"));
        QVERIFY(form);
        QCOMPARE(t.f.Frame().GetMessageString(form->data().toInt()),
                 QStringLiteral("A page with a form: text fields, a choice list, check boxes and buttons"));
        form->trigger();
        CQuorView* view = t.f.Docs().ActiveView();
        QVERIFY(view);
        QVERIFY(view->TextBytes().startsWith("<!DOCTYPE HTML PUBLIC"));
        QVERIFY(view->TextBytes().contains("<FORM ACTION="));
        QVERIFY(!view->TextBytes().contains("MENU:"));
        QVERIFY(!view->GetDocument()->IsModified());
        QVERIFY(view->CanUndo());
        view->OnEditUndo();
        QCOMPARE(view->TextLength(), 0);
        QVERIFY(!view->CanUndo());

        // A template that went away since the menu was built is reported.
        QAction* strict = FindAction(t.Menu(FolderMenuKind::Templates), QStringLiteral("HTML 4.01 Strict"));
        QVERIFY(QFile::remove(t.User(QStringLiteral("Templates/HTML 4.01 Strict.htt"))));
        strict->trigger();
        QCOMPARE(t.f.prompter.messages.back(),
                 "Unable to find template:\n\n" + t.User(QStringLiteral("Templates/HTML 4.01 Strict.htt")).toStdString());
        QCOMPARE(t.f.Docs().ActiveView()->TextLength(), 0);
    }

    void aSnippetGoesInAtTheCaretAndOneUndoTakesItOut() {
        TemplatesFixture t;
        CQuorView* view = t.f.NewView();
        view->ReplaceRange(0, 0, "<BODY>\n</BODY>\n");
        view->FlushChange();
        view->SetSelection(7, 7);
        QAction* row = FindAction(t.Menu(FolderMenuKind::Snippets), QStringLiteral("Table Row"));
        QVERIFY(row);
        QCOMPARE(t.f.Frame().GetMessageString(row->data().toInt()), QStringLiteral("One table row with two cells"));
        row->trigger();
        QCOMPARE(view->TextBytes(), QByteArray("<BODY>\n  <TR>\n    <TD></TD>\n    <TD></TD>\n  </TR>\n</BODY>\n"));
        QVERIFY(view->GetDocument()->IsModified());
        view->OnEditUndo();
        QCOMPARE(view->TextBytes(), QByteArray("<BODY>\n</BODY>\n"));

        // The browsing entry asks in the snippets folder.
        t.Answer({t.User(QStringLiteral("Templates/Snippets/Comments/Comment.htt"))});
        QAction* other = FindAction(t.Menu(FolderMenuKind::Snippets), QStringLiteral("Other Snippet..."));
        QVERIFY(other);
        other->trigger();
        QCOMPARE(t.asked, std::vector<std::string>{"Insert HTML Snippet"});
        QVERIFY(view->TextBytes().contains("<!--  -->"));
    }

    void templatesAndSnippetsSavedIntoTheFoldersShowAtOnce() {
        TemplatesFixture t;
        CQuorView* view = t.f.NewView();
        view->ReplaceRange(0, 0, "<P>Shared footer</P>\n<P>rest</P>\n");
        view->FlushChange();

        // Save Copy As Template, a typed name without an extension.
        t.Answer({t.User(QStringLiteral("Templates/Letter")), t.User(QStringLiteral("Templates/Snippets/Footer"))});
        QVERIFY(t.f.Frame().Commands().Run(CommandId::SaveCopyAsTemplate));
        QCOMPARE(UiFixture::Read(t.User(QStringLiteral("Templates/Letter.htt"))),
                 QByteArray("<P>Shared footer</P>\n<P>rest</P>\n"));
        QVERIFY(FindAction(t.Menu(FolderMenuKind::Templates), QStringLiteral("Letter")));
        QVERIFY(view->GetDocument()->IsModified()); // a copy: the document keeps its own state

        // Save Selection As Snippet writes the selection only.
        view->SetSelection(0, 21);
        t.f.Frame().UpdateCommands();
        QVERIFY(t.f.Frame().Commands().Run(CommandId::EditSaveSelectionAsSnippet));
        QCOMPARE(t.asked, (std::vector<std::string>{"Save Document As Template", "Save As Snippet"}));
        QCOMPARE(UiFixture::Read(t.User(QStringLiteral("Templates/Snippets/Footer.htt"))),
                 QByteArray("<P>Shared footer</P>\n"));
        QVERIFY(FindAction(t.Menu(FolderMenuKind::Snippets), QStringLiteral("Footer")));

        // An ordinary save into the folder rebuilds the menus as well.
        t.f.Docs().promptHook = [&t](const QString&, bool) {
            return QStringList{t.User(QStringLiteral("Templates/Saved Page.htt"))};
        };
        QVERIFY(view->GetDocument()->DoSave(QString()));
        QVERIFY(FindAction(t.Menu(FolderMenuKind::Templates), QStringLiteral("Saved Page")));
    }
};

QTEST_MAIN(TemplatesTest)
#include "TemplatesTest.moc"

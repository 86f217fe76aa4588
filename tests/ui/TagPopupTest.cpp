// The tag menu on a real view: the tag selected, values set through the value dialog as one
// undoable change, refusals, and Paste URL.
#include "UiTestSupport.h"

#include "core/menu/CommandIds.h"
#include "ui/tagassist/CAttStringDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <optional>
#include <QtTest>

using namespace velto;
using namespace velto::test;

namespace {

// How the value dialog is answered: the text typed, or the attribute taken out.
struct DialogAnswer {
    QString value;
    bool remove = false;
    bool cancel = false;
};

// Opens the right-click menu at the caret and chooses the item of that text; the value
// dialog it opens gets the answer, and is cancelled when the answer is refused.
void ChooseFromTagMenu(CQuorView* view, const QString& text, std::optional<DialogAnswer> answer = {}) {
    QTimer::singleShot(0, [text, answer] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction* item = FindAction(menu, text);
        menu->close();
        QVERIFY2(item, qPrintable(text));
        if (answer)
            QTimer::singleShot(0, [answer = *answer] {
            auto* dlg = qobject_cast<CAttStringDlg*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            dlg->Field()->setText(answer.value);
            dlg->findChild<QCheckBox*>(QStringLiteral("remove"))->setChecked(answer.remove);
            if (answer.cancel)
                dlg->reject();
            else
                dlg->accept();
            if (dlg->isVisible())
                dlg->reject(); // refused: the test reads the message
            });
        item->trigger();
    });
    view->ShowContextMenuAtCaret();
}

} // namespace

class TagPopupTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aValueIsSetChangedAndRemovedEachUndoneAsOneChange() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "<P><IMG SRC=\"a.gif\"> text");
        view->SetSelection(6, 6);
        const QByteArray original = view->TextBytes();

        ChooseFromTagMenu(view, QStringLiteral("Text Only Description"), DialogAnswer{QStringLiteral("Club burgee")});
        QCOMPARE(view->TextBytes(), QByteArray("<P><IMG ALT=\"Club burgee\" SRC=\"a.gif\"> text"));
        // The menu was about the whole tag, and the rewritten tag stays selected.
        QCOMPARE(view->TextRange(view->SelectionStart(), view->SelectionEnd()),
                 QByteArray("<IMG ALT=\"Club burgee\" SRC=\"a.gif\">"));
        view->OnEditUndo();
        QCOMPARE(view->TextBytes(), original);

        view->SetSelection(6, 6); // the pointer on the IMG tag again
        ChooseFromTagMenu(view, QStringLiteral("Text Only Description"), DialogAnswer{QStringLiteral("Burgee")});
        view->SetSelection(6, 6); // the pointer on the IMG tag again
        ChooseFromTagMenu(view, QStringLiteral("Text Only Description"), DialogAnswer{QStringLiteral("Flag")});
        QCOMPARE(view->TextBytes(), QByteArray("<P><IMG ALT=\"Flag\" SRC=\"a.gif\"> text"));
        view->OnEditUndo();
        QCOMPARE(view->TextBytes(), QByteArray("<P><IMG ALT=\"Burgee\" SRC=\"a.gif\"> text"));

        view->SetSelection(6, 6); // the pointer on the IMG tag again
        ChooseFromTagMenu(view, QStringLiteral("Text Only Description"), DialogAnswer{QString(), true});
        QCOMPARE(view->TextBytes(), original);
        view->OnEditUndo();
        QCOMPARE(view->TextBytes(), QByteArray("<P><IMG ALT=\"Burgee\" SRC=\"a.gif\"> text"));
    }

    void enumeratedValuesAndFlagsFromTheMenu() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "<IMG SRC=\"a.gif\" LOOP=INFINITE>");
        view->SetSelection(2, 2);
        // A typed value of an attribute with listed values goes in bare, so it may hold no blank.
        ChooseFromTagMenu(view, QStringLiteral("Count..."), DialogAnswer{QStringLiteral("2 3")});
        QCOMPARE(f.prompter.messages, (std::vector<std::string>{"Value can't contain spaces or tabs"}));
        QCOMPARE(view->TextBytes(), QByteArray("<IMG SRC=\"a.gif\" LOOP=INFINITE>"));

        ChooseFromTagMenu(view, QStringLiteral("Count..."), DialogAnswer{QStringLiteral("3")});
        QCOMPARE(view->TextBytes(), QByteArray("<IMG SRC=\"a.gif\" LOOP=3>"));
        ChooseFromTagMenu(view, QStringLiteral("Middle of Image"));
        QVERIFY2(view->TextBytes().contains("ALIGN=MIDDLE"), view->TextBytes().constData());
    }

    void noTagNoTagItems() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "plain <B>bold</B>");
        view->SetSelection(2, 2);
        int items = 0;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            items = static_cast<int>(menu->actions().size());
            menu->close();
        });
        view->ShowContextMenuAtCaret();
        QCOMPARE(items, 5);
        QCOMPARE(view->SelectionStart(), 2);
        QCOMPARE(view->SelectionEnd(), 2);
    }

    void pasteUrlSetsTheLinkOrReplacesTheSelection() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "<A>mail</A> here");
        view->SetSelection(1, 1);
        QApplication::clipboard()->setText(QStringLiteral("jo@example.com"));
        QVERIFY(f.Frame().Action(CommandId::EditPasteUrl)->isEnabled());
        f.Frame().Action(CommandId::EditPasteUrl)->trigger();
        QCOMPARE(view->TextBytes(), QByteArray("<A HREF=\"mailto:jo@example.com\">mail</A> here"));

        // Outside a tag the URL replaces the selection, undone in one step.
        const QByteArray before = view->TextBytes();
        const int here = static_cast<int>(before.indexOf("here"));
        view->SetSelection(here, here + 4);
        QApplication::clipboard()->setText(QStringLiteral("HTTP://Example.com/A"));
        f.Frame().Action(CommandId::EditPasteUrl)->trigger();
        QVERIFY(view->TextBytes().endsWith("</A> HTTP://Example.com/A"));
        view->OnEditUndo();
        QCOMPARE(view->TextBytes(), before);

        // Two copied files are refused and nothing changes.
        auto* data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(f.dir.filePath(QStringLiteral("a.gif"))),
                       QUrl::fromLocalFile(f.dir.filePath(QStringLiteral("b.gif")))});
        QApplication::clipboard()->setMimeData(data);
        view->SetSelection(1, 1);
        f.Frame().Action(CommandId::EditPasteUrl)->trigger();
        QCOMPARE(f.prompter.messages, (std::vector<std::string>{"Can't to paste more than one file into a URL"}));
        QCOMPARE(view->TextBytes(), before);
    }

    void pasteUrlOfACopiedFileIsRelativeToTheDocument() {
        UiFixture f;
        const QString page = f.Write(QStringLiteral("page.html"), "<IMG>");
        QDir(f.dir.path()).mkdir(QStringLiteral("img"));
        const QString image = f.Write(QStringLiteral("img/b.gif"), "not a gif");
        CQuorView* view = f.Open(page)->View();
        view->SetSelection(1, 1);
        auto* data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(image)});
        QApplication::clipboard()->setMimeData(data);
        f.Frame().Action(CommandId::EditPasteUrl)->trigger();
        QVERIFY2(view->TextBytes().startsWith("<IMG SRC=\"img/b.gif\""), view->TextBytes().constData());
    }

    void aTagWithoutAUrlAttributeIsRefused() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "<BR>");
        view->SetSelection(1, 1);
        QApplication::clipboard()->setText(QStringLiteral("a.html"));
        f.Frame().Action(CommandId::EditPasteUrl)->trigger();
        QCOMPARE(f.prompter.messages.size(), std::size_t(1));
        QVERIFY(f.prompter.messages[0].starts_with("Can't paste a URL into this HTML element."));
        QCOMPARE(view->TextBytes(), QByteArray("<BR>"));
    }
};

QTEST_MAIN(TagPopupTest)
#include "TagPopupTest.moc"

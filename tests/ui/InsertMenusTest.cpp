// The HTML insert menus in the main window: where they stand, their rebuild with the
// version selection, their commands, keys and tool bar buttons on a real view.
#include "UiTestSupport.h"

#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/menu/CommandIds.h"
#include "ui/app/CommandTable.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QtTest>

#include <map>

using namespace velto;
using namespace velto::test;

namespace {
QStringList BarTitles(CMainFrame& frame) {
    QStringList titles;
    for (QAction* a : frame.menuBar()->actions())
        titles << a->text();
    return titles;
}

QMenu* TopMenu(CMainFrame& frame, const QString& title) {
    for (QAction* a : frame.menuBar()->actions())
        if (a->text() == title)
            return a->menu();
    return nullptr;
}

// The item with this text (before any tab) anywhere in the menu.
QAction* Item(QMenu* menu, const QString& text) {
    if (!menu)
        return nullptr;
    for (QAction* a : menu->actions()) {
        if (a->text().section(QLatin1Char('\t'), 0, 0) == text)
            return a;
        if (a->menu())
            if (QAction* inner = Item(a->menu(), text))
                return inner;
    }
    return nullptr;
}

// A view with the window active and the focus in it, so that keys reach the shortcuts.
struct FocusedView {
    UiFixture f;
    CQuorView* view;
    explicit FocusedView(const QByteArray& text) {
        view = f.Open(f.Write(QStringLiteral("i.html"), text))->View();
        f.Frame().activateWindow();
        view->setFocus();
        if (!QTest::qWaitForWindowActive(&f.Frame()))
            qWarning("the main window did not become active");
    }
};
} // namespace

class InsertMenusTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menusStandBetweenEditAndToolsAfterEveryRebuild() {
        UiFixture f;
        const QStringList expected{QStringLiteral("&File"),     QStringLiteral("&Edit"),
                                   QStringLiteral("&Quick"),    QStringLiteral("&Structure"),
                                   QStringLiteral("For&matting"), QStringLiteral("&Advanced"),
                                   QStringLiteral("&Tools"),    QStringLiteral("&Window"),
                                   QStringLiteral("&Help")};
        QCOMPARE(BarTitles(f.Frame()), expected);
        f.app->KnowledgeBase().RebuildAllowed();
        f.app->KnowledgeBase().RebuildAllowed();
        QCOMPARE(BarTitles(f.Frame()), expected);
    }

    void versionSelectionRebuildsTheMenus() {
        UiFixture f;
        QVERIFY(Item(TopMenu(f.Frame(), QStringLiteral("&Structure")), QStringLiteral("New &Frame Set")));
        for (HtmlVer& v : f.app->Html().versions)
            v.state = 0;
        QVERIFY(f.app->Html().SetVersionState("HTML v2.0", VersionState::AnyOf));
        f.app->KnowledgeBase().RebuildAllowed();
        QVERIFY(!Item(TopMenu(f.Frame(), QStringLiteral("&Structure")), QStringLiteral("New &Frame Set")));
        QVERIFY(!Item(TopMenu(f.Frame(), QStringLiteral("&Advanced")), QStringLiteral("&Objects")));
        QVERIFY(Item(TopMenu(f.Frame(), QStringLiteral("&Quick")), QStringLiteral("&Bold Text")));
    }

    void itemsShowPromptsAndTheWindowsOwnCommand() {
        UiFixture f;
        QMenu* quick = TopMenu(f.Frame(), QStringLiteral("&Quick"));
        QAction* refresh = Item(quick, QStringLiteral("Refresh Pre&view"));
        QCOMPARE(refresh, f.Frame().Action(CommandId::RefreshPreview));
        QCOMPARE(Item(quick, QStringLiteral("&Bold Text"))->statusTip(), QStringLiteral("Set bold text"));
        QCOMPARE(Item(TopMenu(f.Frame(), QStringLiteral("&Structure")), QStringLiteral("Document &Header"))->statusTip(),
                 QStringLiteral("Insert Document Header element at the carat position"));
        // Nothing to insert into without a document.
        f.Frame().UpdateCommands();
        QVERIFY(!Item(quick, QStringLiteral("&Bold Text"))->isEnabled());
        f.NewView();
        f.Frame().UpdateCommands();
        QVERIFY(Item(quick, QStringLiteral("&Bold Text"))->isEnabled());
    }

    void anItemWrapsTheSelectionAsOneUndoableChange() {
        UiFixture f;
        CQuorView* view = f.Open(f.Write(QStringLiteral("w.html"), "a word b\n"))->View();
        view->SetSelection(2, 6);
        Item(TopMenu(f.Frame(), QStringLiteral("&Quick")), QStringLiteral("&Bold Text"))->trigger();
        QCOMPARE(view->TextBytes(), QByteArray("a <B>word</B> b\n"));
        QCOMPARE(view->SelectionStart(), 13);
        QCOMPARE(view->SelectionEnd(), 13);
        view->OnEditUndo();
        QCOMPARE(view->TextBytes(), QByteArray("a word b\n"));
        QVERIFY(!view->CanUndo());
        // A LF file gets LF line breaks.
        view->SetSelection(0, 0);
        Item(TopMenu(f.Frame(), QStringLiteral("&Structure")), QStringLiteral("&Bulleted List"))->trigger();
        QCOMPARE(view->TextBytes(), QByteArray("<UL>\n</UL>\na word b\n"));
        QCOMPARE(view->SelectionStart(), 5);
    }

    void lowerCaseOptionLowersTheTexts() {
        UiFixture f;
        f.app->Editor().insertHtmlLowerCase = true;
        CQuorView* view = f.NewView();
        Item(TopMenu(f.Frame(), QStringLiteral("&Quick")), QStringLiteral("&Italic Text"))->trigger();
        QCOMPARE(view->TextBytes(), QByteArray("<i></i>"));
    }

    void toolBarButtonsRunTheSameCommands() {
        UiFixture f;
        CQuorView* view = f.NewView();
        f.Frame().UpdateCommands();
        const std::map<int, QString> tips{{CommandId::InsertBold, QStringLiteral("Bold")},
                                          {CommandId::InsertItalic, QStringLiteral("Italic")},
                                          {CommandId::InsertListItem, QStringLiteral("List Item")},
                                          {CommandId::InsertLink, QStringLiteral("HTML Link")}};
        for (const auto& [id, tip] : tips) {
            QAction* button = f.Frame().Action(id);
            QVERIFY(f.Frame().MainToolBar()->actions().contains(button));
            QCOMPARE(button->toolTip(), tip);
            QVERIFY(button->isEnabled());
            QVERIFY(!button->icon().isNull());
        }
        QCOMPARE(f.Frame().Action(CommandId::InsertLink)->statusTip(),
                 QStringLiteral("Insert an HTML link to a local or remote URL"));
        f.Frame().Action(CommandId::InsertListItem)->trigger();
        f.Frame().Action(CommandId::InsertLink)->trigger();
        QCOMPARE(view->TextBytes(), QByteArray("<LI><A></A>"));
    }

    // No key is the shortcut of two items, and the keys the knowledge base gives the
    // items are theirs.
    void everyShortcutBelongsToOneItem() {
        UiFixture f;
        std::map<QString, QString> owners;
        for (QAction* a : f.Frame().findChildren<QAction*>()) {
            if (a->shortcut().isEmpty())
                continue;
            const QString key = a->shortcut().toString(QKeySequence::PortableText);
            QVERIFY2(owners.emplace(key, a->text()).second,
                     qPrintable(key + QStringLiteral(": ") + owners[key] + QStringLiteral(", ") + a->text()));
        }
        for (const char* key : {"Ctrl+1", "Ctrl+6", "Ctrl+B", "Ctrl+I", "Ctrl+L", "Ctrl+E", "Ctrl+J",
                                "Ctrl+G", "Ctrl+K"})
            QVERIFY2(owners.count(QString::fromLatin1(key)), key);
        QCOMPARE(owners[QStringLiteral("Ctrl+B")], QStringLiteral("&Bold Text"));
        // The Formatting menu's B item shows the key without owning it.
        QAction* second = Item(TopMenu(f.Frame(), QStringLiteral("For&matting")), QStringLiteral("&Bold Text"));
        QVERIFY(second->shortcut().isEmpty());
        QVERIFY(second->text().endsWith(QStringLiteral("\tCtrl+B")));
    }

    void keysInTheViewReachTheWindowsCommands() {
        FocusedView s("one two\n");
        s.view->SetSelection(0, 3);
        QTest::keyClick(s.view, Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(s.view->TextBytes(), QByteArray("<B>one</B> two\n"));
        s.view->SetSelection(11, 14);
        QTest::keyClick(s.view, Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(s.view->TextBytes(), QByteArray("<B>one</B> <H1>two</H1>\n"));
        // The control's own bindings of these keys (its undo, cutting the line) give way.
        QTest::keyClick(s.view, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.view->TextBytes(), QByteArray("<B>one</B> two\n"));
        s.view->SetSelection(0, 0);
        QTest::keyClick(s.view, Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(s.view->TextBytes(), QByteArray("<A></A><B>one</B> two\n"));
        // Keys no command has stay the control's: Ctrl+Right moves a word.
        s.view->SetSelection(0, 0);
        QTest::keyClick(s.view, Qt::Key_Right, Qt::ControlModifier);
        QVERIFY(s.view->SelectionStart() > 0);
    }
};

QTEST_MAIN(InsertMenusTest)
#include "InsertMenusTest.moc"

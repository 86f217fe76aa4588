// The menu commands: their texts and keys, and the commands of later features disabled.
#include "UiTestSupport.h"

#include "core/menu/CommandIds.h"
#include "core/menu/MenuModel.h"
#include "ui/app/CommandTable.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QtTest>

using namespace velto;
using namespace velto::test;

class MenusTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commandsCarryTheirTextsAndKeys_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        using namespace CommandId;
        const struct {
            int id;
            const char* text;
            const char* key;
        } rows[] = {
            {EditUndo, "&Undo", "Ctrl+Z"},          {EditRedo, "Re&do", "Ctrl+Y"},
            {EditCut, "Cu&t", "Ctrl+X"},            {EditPaste, "&Paste", "Ctrl+V"},
            {EditPasteUrl, "P&aste URL", "Ctrl+U"}, {EditSelectAll, "Select A&ll", "Ctrl+A"},
            {EditStripTags, "&Strip Tags", ""},     {EditInsertFile, "&Insert File...", ""},
            {EditInsertSnippet, "Inser&t Snippet", ""},
            {EditSaveSelectionAsSnippet, "Save Selection As Sn&ippet...", ""},
            {SaveCopyAsTemplate, "Save Copy As Te&mplate...", ""},
            {FileSaveAll, "Save A&ll", ""},         {FileCloseAll, "Close A&ll", ""},
            {EditGotoLine, "&Go To Line...", "Alt+G"},
            {FilePrintSetup, "P&rint Setup...", ""}, {EditFind, "&Find", "Ctrl+F"},
            {EditReplace, "&Replace", "Ctrl+H"},    {EditFindNext, "Find &Next", "F3"},
            {RefreshPreview, "Refresh Pre&view", "Ctrl+R"},
        };
        for (const auto& r : rows)
            QTest::newRow(r.text) << r.id << QString::fromLatin1(r.text) << QString::fromLatin1(r.key);
    }
    void commandsCarryTheirTextsAndKeys() {
        QFETCH(int, id);
        QFETCH(QString, text);
        QFETCH(QString, key);
        UiFixture f;
        QAction* a = f.Frame().Action(id);
        QVERIFY(a);
        QCOMPARE(a->text(), text);
        QCOMPARE(a->shortcut().toString(QKeySequence::PortableText), key);
    }

    void commandsFollowTheirEnabledRules() {
        UiFixture f;
        f.Docs().CreateUntitled();
        f.Frame().UpdateCommands();
        using namespace CommandId;
        // Nothing selected, no reference window yet: nothing to go back to.
        for (int id : {EditSaveSelectionAsSnippet, EditCut, ReferenceBack, ReferenceForward, DockReferenceWindow})
            QVERIFY2(!f.Frame().Action(id)->isEnabled(), qPrintable(f.Frame().Action(id)->text()));
        for (int id : {EditSelectAll, EditPasteUrl, FileSaveAll, RefreshPreview, ContextTagLookup,
                       ToggleReferenceWindow, SaveCopyAsTemplate})
            QVERIFY2(f.Frame().Action(id)->isEnabled(), qPrintable(f.Frame().Action(id)->text()));
    }

    // Menus, tool bars and prompts all come from the one table of commands, but for the
    // HTML insert menus, which are built from the knowledge base.
    void everyItemOfTheMenusAndBarsIsACommandOfTheTable() {
        UiFixture f;
        CMainFrame& frame = f.Frame();
        const QStringList insertMenus{QStringLiteral("&Quick"), QStringLiteral("&Structure"),
                                      QStringLiteral("For&matting"), QStringLiteral("&Advanced")};
        QList<QAction*> shown;
        for (QAction* top : frame.menuBar()->actions())
            for (QAction* a : insertMenus.contains(top->text()) ? QList<QAction*>() : top->menu()->actions())
                if (!a->isSeparator())
                    shown << a;
        for (QToolBar* bar : {frame.MainToolBar(), frame.ReferenceToolBar()})
            for (QAction* a : bar->actions())
                if (!a->isSeparator())
                    shown << a;
        QVERIFY(shown.size() > 40);
        for (QAction* a : shown) {
            const int id = a->data().toInt();
            QVERIFY2(frame.Commands().Action(id) == a, qPrintable(a->text()));
            QVERIFY2(!frame.GetMessageString(id).isEmpty(), qPrintable(a->text()));
            QCOMPARE(frame.GetMessageString(id), frame.Commands().Prompt(id));
        }
    }

    void commandsRunThroughTheFolderMenusFirstAndOnlyWhenEnabled() {
        UiFixture f;
        CommandTable& table = f.Frame().Commands();
        int runs = 0;
        bool allowed = false;
        table.Add(Command(40001, QStringLiteral("&Probe"), QStringLiteral("Probe the table"),
                          [&allowed] { return allowed; }, [&runs] { ++runs; }));
        table.Update();
        QVERIFY(!table.Action(40001)->isEnabled());
        QVERIFY(!table.Run(40001));
        allowed = true;
        table.Update();
        QVERIFY(table.Action(40001)->isEnabled());
        table.Action(40001)->trigger();
        QCOMPARE(runs, 1);
        // A command a feature does not offer yet stays disabled whatever the state.
        table.AddPending(40002, QStringLiteral("&Later"), QStringLiteral("Not yet"));
        table.Update();
        QVERIFY(!table.Action(40002)->isEnabled());
        QVERIFY(!table.Run(40002));
    }

    // The right-click menu: the edit commands, then the items a provider builds as a menu
    // model, whose choice comes back to that provider.
    void contextMenuShowsAProvidersModelAndRoutesItsChoice() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "<BODY>");
        int chosen = 0;
        f.Frame().AddContextMenuProvider(
            {[](CQuorView&, MenuModel& menu) {
                 menu.AddSeparator();
                 MenuModel& colours = menu.AddSubmenu("&Background Colour", 1500);
                 MenuItem& red = colours.AddCommand(1501, "&Red", "Select colour \"Red\"");
                 red.swatch = 0x0000FF;
                 red.checked = true;
                 colours.AddCommand(1502, "&Green").enabled = false;
             },
             [&chosen](CQuorView&, int id) {
                 chosen = id;
                 return true;
             }});
        QStringList items;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* a : menu->actions())
                items << (a->isSeparator() ? QStringLiteral("-") : a->text());
            QMenu* colours = menu->actions().last()->menu();
            QVERIFY(colours);
            QAction* red = colours->actions().at(0);
            QCOMPARE(red->statusTip(), QStringLiteral("Select colour \"Red\""));
            QVERIFY(red->isChecked());
            QVERIFY(!red->icon().isNull());
            QVERIFY(!colours->actions().at(1)->isEnabled());
            red->trigger();
            menu->close();
        });
        f.Frame().ShowContextMenu(*view, QPoint(10, 10));
        QCOMPARE(items, (QStringList{QStringLiteral("Cu&t"), QStringLiteral("&Copy"), QStringLiteral("&Paste"),
                                     QStringLiteral("P&aste URL"), QStringLiteral("&Strip Tags"),
                                     QStringLiteral("-"), QStringLiteral("&Background Colour")}));
        QCOMPARE(chosen, 1501);
    }
};

QTEST_MAIN(MenusTest)
#include "MenusTest.moc"

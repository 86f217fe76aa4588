// The menu commands: their texts and keys, and the commands of later features disabled.
#include "UiTestSupport.h"

#include "ui/app/CommandIds.h"

#include <QAction>
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

    void laterFeaturesArePresentButDisabled() {
        UiFixture f;
        f.Docs().CreateUntitled();
        f.Frame().UpdateCommands();
        using namespace CommandId;
        for (int id : {EditPasteUrl, EditInsertSnippet, EditSaveSelectionAsSnippet, SaveCopyAsTemplate,
                       RefreshPreview}) {
            QVERIFY(f.Frame().Action(id));
            QVERIFY2(!f.Frame().Action(id)->isEnabled(), qPrintable(f.Frame().Action(id)->text()));
        }
        QVERIFY(f.Frame().Action(EditSelectAll)->isEnabled());
        QVERIFY(f.Frame().Action(FileSaveAll)->isEnabled());
    }
};

QTEST_MAIN(MenusTest)
#include "MenusTest.moc"

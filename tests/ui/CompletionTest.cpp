// Completion and hover help in a real view: the list opens as the author types, follows
// the typing, writes the chosen item as one undo step, stays away from comments and
// scripts, answers Ctrl+Space whatever the option, lists the files beside a saved page,
// and the tooltip of a name.
#include "UiTestSupport.h"

#include "core/menu/CommandIds.h"
#include "ui/completion/ViewCompletion.h"
#include "ui/options/OptionsDialog.h"

#include <QCheckBox>
#include <QtTest>

using namespace velto;
using namespace velto::test;

namespace {
std::vector<std::string> Shown(CQuorView& view) {
    std::vector<std::string> texts;
    for (const CompletionItem& item : view.Completion()->ShownItems())
        texts.push_back(item.text);
    return texts;
}
} // namespace

class CompletionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typingOpensAndFiltersTheElementList() {
        UiFixture f;
        CQuorView* view = f.NewView();
        QTest::keyClicks(view, QStringLiteral("<t"));
        ViewCompletion* completion = view->Completion();
        QVERIFY(completion->IsListShown());
        QVERIFY(Shown(*view).size() > 5);
        QTest::keyClicks(view, QStringLiteral("ab"));
        QVERIFY(completion->IsListShown());
        QCOMPARE(Shown(*view).front(), std::string("TABLE"));
        QTest::keyClick(view, Qt::Key_Return);
        QVERIFY(!completion->IsListShown());
        QCOMPARE(view->TextBytes(), QByteArray("<TABLE></TABLE>"));
        QCOMPARE(view->CaretPosition(), 7);
        // The choice is one step of the history; the letters typed before are theirs.
        view->OnEditUndo();
        QCOMPARE(view->TextBytes(), QByteArray("<tab"));
        view->OnEditRedo();
        QCOMPARE(view->TextBytes(), QByteArray("<TABLE></TABLE>"));
    }

    void keysWorkTheListAndOtherKeysGoToTheText() {
        UiFixture f;
        CQuorView* view = f.NewView();
        QTest::keyClicks(view, QStringLiteral("<p "));
        ViewCompletion* completion = view->Completion();
        QVERIFY(completion->IsListShown());
        QCOMPARE(completion->CurrentRow(), 0);
        QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(completion->CurrentRow(), 2);
        QTest::keyClick(view, Qt::Key_Up);
        QCOMPARE(completion->CurrentRow(), 1);
        QCOMPARE(view->TextBytes(), QByteArray("<p "));
        QTest::keyClick(view, Qt::Key_Escape);
        QVERIFY(!completion->IsListShown());
        QCOMPARE(view->TextBytes(), QByteArray("<p "));
        // Typing a name nothing has closes the list and leaves the text as typed.
        QTest::keyClicks(view, QStringLiteral("al"));
        view->OnEditComplete();
        QVERIFY(completion->IsListShown());
        QTest::keyClicks(view, QStringLiteral("qqq"));
        QVERIFY(!completion->IsListShown());
        QCOMPARE(view->TextBytes(), QByteArray("<p alqqq"));
    }

    void anAttributeLeadsToItsValues() {
        UiFixture f;
        CQuorView* view = f.NewView();
        QTest::keyClicks(view, QStringLiteral("<p al"));
        view->OnEditComplete();
        QCOMPARE(Shown(*view).front(), std::string("ALIGN"));
        QTest::keyClick(view, Qt::Key_Tab);
        QCOMPARE(view->TextBytes(), QByteArray("<p ALIGN=\"\""));
        QCOMPARE(view->CaretPosition(), 10);
        // The values open at once; choosing one writes it as the tag editing does.
        QVERIFY(view->Completion()->IsListShown());
        QCOMPARE(Shown(*view).front(), std::string("LEFT"));
        QTest::keyClicks(view, QStringLiteral("ce"));
        QCOMPARE(Shown(*view), std::vector<std::string>{"CENTER"});
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(view->TextBytes(), QByteArray("<p ALIGN=CENTER"));
    }

    void nothingInCommentsAndScriptsAndAfterTheOptionIsOff() {
        UiFixture f;
        CQuorView* view = f.NewView();
        QTest::keyClicks(view, QStringLiteral("<!-- <t"));
        QVERIFY(!view->Completion()->IsListShown());
        view->OnEditComplete();
        QVERIFY(!view->Completion()->IsListShown());
        view->SetSelection(0, view->TextLength());
        QTest::keyClicks(view, QStringLiteral("<script>a <b"));
        QVERIFY(!view->Completion()->IsListShown());

        OptionsDialog dialog(*f.app, &f.Frame());
        QCheckBox* option = nullptr;
        for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
            if (box->text() == QStringLiteral("Complete as &You Type"))
                option = box;
        QVERIFY(option && option->isChecked());
        option->setChecked(false);
        dialog.accept();
        QCOMPARE(f.profile->GetInt("Editor Configuration", "CompleteAsYouType", -1), 0);

        view->SetSelection(0, view->TextLength());
        QTest::keyClicks(view, QStringLiteral("<t"));
        QVERIFY(!view->Completion()->IsListShown());
        // Ctrl+Space works whatever the option says.
        QAction* action = f.Frame().Action(CommandId::EditComplete);
        QVERIFY(action && action->isEnabled());
        QCOMPARE(action->shortcut(), QKeySequence(QStringLiteral("Ctrl+Space")));
        action->trigger();
        QVERIFY(view->Completion()->IsListShown());
    }

    void filesBesideASavedPage() {
        UiFixture f;
        f.Write(QStringLiteral("logo.gif"), "GIF89a");
        f.Write(QStringLiteral("notes.txt"), "x");
        const QString page = f.Write(QStringLiteral("page.htm"), "");
        CQuorDoc* doc = f.Docs().OpenDocumentFile(page);
        QVERIFY(doc);
        CQuorView* view = doc->View();
        QTest::keyClicks(view, QStringLiteral("<im"));
        view->OnEditComplete();
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(view->TextBytes(), QByteArray("<IMG SRC=\"\">"));
        QVERIFY(view->Completion()->IsListShown());
        QCOMPARE(Shown(*view), std::vector<std::string>{"logo.gif"});
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(view->TextBytes(), QByteArray("<IMG SRC=\"logo.gif\">"));
    }

    void hoverShowsTheNamesHelp() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "<table cellpadding=2>text</table>");
        const QString table = view->Completion()->HoverTextAt(2);
        QVERIFY(table.contains(QStringLiteral("<b>TABLE element")));
        QVERIFY(table.endsWith(QStringLiteral("<i>F5: HTML reference</i></qt>")));
        QVERIFY(view->Completion()->HoverTextAt(10).contains(QStringLiteral("CELLPADDING attribute")));
        QVERIFY(view->Completion()->HoverTextAt(23).isEmpty());
    }
};

QTEST_MAIN(CompletionTest)
#include "CompletionTest.moc"

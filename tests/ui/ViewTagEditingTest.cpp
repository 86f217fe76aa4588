// Tag editing through a real view: end tags completed while typing (one undo step), the
// tag pair marked at the caret, Go To Matching Tag and the options that govern them.
#include "UiTestSupport.h"

#include "core/menu/CommandIds.h"
#include "ui/options/OptionsDialog.h"

#include <QCheckBox>
#include <QtTest>

using namespace velto;
using namespace velto::test;

namespace {
// Whether the tag-pair indicator covers pos.
bool Marked(CQuorView& view, int pos) {
    return view.SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT,
                              static_cast<unsigned long>(CQuorView::TagPairIndicator),
                              static_cast<long>(pos)) != 0;
}
} // namespace

class ViewTagEditingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typedStartTagIsClosedInOneUndoStep() {
        UiFixture f;
        CQuorView* view = f.NewView();
        QTest::keyClicks(view, QStringLiteral("<Table>"));
        QCOMPARE(view->TextBytes(), QByteArray("<Table></Table>"));
        QCOMPARE(view->CaretPosition(), 7);
        QTest::keyClicks(view, QStringLiteral("<br>x"));
        QCOMPARE(view->TextBytes(), QByteArray("<Table><br>x</Table>"));
        view->OnEditUndo(); // x
        view->OnEditUndo(); // the '>' of <br>
        view->OnEditUndo(); // r
        view->OnEditUndo(); // b
        view->OnEditUndo(); // <
        QCOMPARE(view->TextBytes(), QByteArray("<Table></Table>"));
        view->OnEditUndo(); // the '>' and the end tag together
        QCOMPARE(view->TextBytes(), QByteArray("<Table"));
        QCOMPARE(view->CaretPosition(), 6);
        view->OnEditRedo();
        QCOMPARE(view->TextBytes(), QByteArray("<Table></Table>"));
        QCOMPARE(view->CaretPosition(), 7);
    }

    void slashCompletesTheOpenElement() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "<ul><li>a</li>");
        view->SetSelection(14, 14);
        QTest::keyClicks(view, QStringLiteral("</"));
        QCOMPARE(view->TextBytes(), QByteArray("<ul><li>a</li></ul>"));
        QCOMPARE(view->CaretPosition(), 19);
    }

    void optionsTurnClosingOffAndOptionalEndTagsOn() {
        UiFixture f;
        CQuorView* view = f.NewView();
        QTest::keyClicks(view, QStringLiteral("<p>"));
        QCOMPARE(view->TextBytes(), QByteArray("<p>"));

        OptionsDialog dialog(*f.app, &f.Frame());
        for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
            if (box->text() == QStringLiteral("Auto Close &Optional End Tags"))
                box->setChecked(true);
        dialog.accept();
        QCOMPARE(f.profile->GetInt("Editor Configuration", "AutoCloseOptionalEndTags", -1), 1);
        QTest::keyClicks(view, QStringLiteral("<li>"));
        QCOMPARE(view->TextBytes(), QByteArray("<p><li></li>"));

        OptionsDialog again(*f.app, &f.Frame());
        for (QCheckBox* box : again.findChildren<QCheckBox*>())
            if (box->text() == QStringLiteral("Auto &Close Tags"))
                box->setChecked(false);
        again.accept();
        QVERIFY(!f.app->Editor().autoCloseTags);
        QCOMPARE(f.profile->GetInt("Editor Configuration", "AutoCloseTags", -1), 0);
        view->SetSelection(0, 0);
        QTest::keyClicks(view, QStringLiteral("<b></"));
        QCOMPARE(view->TextBytes(), QByteArray("<b></<p><li></li>"));
    }

    void caretInATagMarksItAndItsPartner() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "<div><b>x</b></div>");
        view->SetSelection(2, 2);
        view->UpdateTagHighlight();
        QVERIFY(Marked(*view, 0) && Marked(*view, 4));
        QVERIFY(Marked(*view, 13) && Marked(*view, 18));
        QVERIFY(!Marked(*view, 5) && !Marked(*view, 8));
        view->SetSelection(9, 9); // in the </b>
        view->UpdateTagHighlight();
        QVERIFY(Marked(*view, 5) && Marked(*view, 9));
        QVERIFY(!Marked(*view, 0) && !Marked(*view, 18));
        view->SetSelection(8, 9); // a selection marks nothing
        view->UpdateTagHighlight();
        QVERIFY(!Marked(*view, 5) && !Marked(*view, 9));
        QVERIFY(!view->HighlightedTags());
    }

    void goToMatchingTagMovesBetweenThePair() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "<div><p>one<p>two</div>");
        view->SetSelection(3, 3);
        QAction* action = f.Frame().Action(CommandId::EditGotoMatchingTag);
        QVERIFY(action && action->isEnabled());
        QCOMPARE(action->shortcut(), QKeySequence(QStringLiteral("Ctrl+M")));
        action->trigger();
        QCOMPARE(view->CaretPosition(), 17);
        action->trigger();
        QCOMPARE(view->CaretPosition(), 0);
        view->SetSelection(6, 6); // a paragraph without its end tag
        QVERIFY(!view->OnGotoMatchingTag());
        QCOMPARE(view->CaretPosition(), 6);
    }
};

QTEST_MAIN(ViewTagEditingTest)
#include "ViewTagEditingTest.moc"

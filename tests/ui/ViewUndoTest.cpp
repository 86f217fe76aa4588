// Undo and Redo through a real view: records from typing, the saved state, the caret.
#include "UiTestSupport.h"

#include <QClipboard>
#include <QtTest>

using namespace velto;
using namespace velto::test;

class ViewUndoTest : public QObject {
    Q_OBJECT

    // A saved file "<P>" opened in a view, with the caret at its end.
    struct Saved {
        UiFixture f;
        CQuorDoc* doc;
        CQuorView* view;
        Saved() {
            doc = f.Open(f.Write(QStringLiteral("u.html"), "<P>"));
            view = doc->View();
            view->SetSelection(3, 3);
        }
    };

private Q_SLOTS:
    void freshDocumentHasNothingToUndo() {
        Saved s;
        QVERIFY(!s.view->CanUndo());
        QVERIFY(!s.view->CanRedo());
        QVERIFY(!s.f.Frame().Action(57643)->isEnabled());
    }

    void typedCharactersAreRecordedAndModify() {
        Saved s;
        QTest::keyClicks(s.view, QStringLiteral("ab"));
        QCOMPARE(s.view->TextBytes(), QByteArray("<P>ab"));
        QVERIFY(s.doc->IsModified());
        QCOMPARE(s.doc->Title(), QStringLiteral("u.html *"));
        QVERIFY(s.view->CanUndo());
        s.view->OnEditUndo();
        QCOMPARE(s.view->TextBytes(), QByteArray("<P>a"));
        s.view->OnEditUndo();
        QCOMPARE(s.view->TextBytes(), QByteArray("<P>"));
        QVERIFY(!s.doc->IsModified()); // back at the saved text
        QCOMPARE(s.doc->Title(), QStringLiteral("u.html"));
    }

    void undoAfterSaveModifiesAndRedoDoesNot() {
        Saved s;
        QTest::keyClicks(s.view, QStringLiteral("xyz"));
        QVERIFY(s.doc->DoFileSave());
        QVERIFY(!s.doc->IsModified());
        s.view->OnEditUndo();
        QVERIFY(s.doc->IsModified());
        s.view->OnEditRedo();
        QVERIFY(!s.doc->IsModified());
        QCOMPARE(s.view->TextBytes(), QByteArray("<P>xyz"));
    }

    void typingAfterUndoLeavesNothingToRedo() {
        Saved s;
        QTest::keyClicks(s.view, QStringLiteral("abc"));
        s.view->OnEditUndo();
        s.view->OnEditUndo();
        QVERIFY(s.view->CanRedo());
        QTest::keyClicks(s.view, QStringLiteral("q"));
        QVERIFY(!s.view->CanRedo());
        QCOMPARE(s.view->TextBytes(), QByteArray("<P>aq"));
        QVERIFY(!s.f.Frame().Action(57644)->isEnabled());
    }

    void undoneBackspaceRestoresTextAndCaret() {
        Saved s;
        s.view->SetSelection(2, 2);
        QTest::keyClick(s.view, Qt::Key_Backspace);
        QCOMPARE(s.view->TextBytes(), QByteArray("<>"));
        QCOMPARE(s.view->CaretPosition(), 1);
        s.view->OnEditUndo();
        QCOMPARE(s.view->TextBytes(), QByteArray("<P>"));
        QCOMPARE(s.view->CaretPosition(), 2);
        s.view->OnEditRedo();
        QCOMPARE(s.view->TextBytes(), QByteArray("<>"));
        QCOMPARE(s.view->CaretPosition(), 1);
    }

    void typingOverASelectionIsOneChange() {
        Saved s;
        s.view->SetSelection(1, 2); // the P
        QTest::keyClicks(s.view, QStringLiteral("B"));
        QCOMPARE(s.view->TextBytes(), QByteArray("<B>"));
        QCOMPARE(s.view->UndoHistory().Size(), size_t(1));
        s.view->OnEditUndo();
        QCOMPARE(s.view->TextBytes(), QByteArray("<P>"));
        QVERIFY(!s.view->CanUndo());
    }

    void pastingOverASelectionIsOneChange() {
        Saved s;
        QApplication::clipboard()->setText(QStringLiteral("<TABLE>"));
        s.view->SetSelection(0, 3);
        s.view->OnEditPaste();
        QCOMPARE(s.view->TextBytes(), QByteArray("<TABLE>"));
        QCOMPARE(s.view->UndoHistory().Size(), size_t(1));
        s.view->OnEditUndo();
        QCOMPARE(s.view->TextBytes(), QByteArray("<P>"));
    }

    void cutIsUndoable() {
        Saved s;
        s.view->SetSelection(0, 2);
        s.view->OnEditCut();
        QCOMPARE(s.view->TextBytes(), QByteArray(">"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("<P"));
        s.view->OnEditUndo();
        QCOMPARE(s.view->TextBytes(), QByteArray("<P>"));
    }

    void newLineIsTypedWithTheFilesLineEnd() {
        UiFixture f;
        CQuorView* view = f.Open(f.Write(QStringLiteral("w.htm"), "a\r\nb"))->View();
        view->SetSelection(4, 4);
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(view->TextBytes(), QByteArray("a\r\nb\r\n"));
        view->OnEditUndo();
        QCOMPARE(view->TextBytes(), QByteArray("a\r\nb"));
    }

    void manyStepsUndoAndRedoBackToTheSameText() {
        // Mixed edits (typing, deleting, replacing, inserting far apart) must undo to the
        // original bytes and redo to the edited ones.
        Saved s;
        const QByteArray original = s.view->TextBytes();
        QTest::keyClicks(s.view, QStringLiteral("hello world"));
        s.view->SetSelection(5, 8);
        QTest::keyClick(s.view, Qt::Key_Delete);
        s.view->ReplaceRange(0, 0, "<HTML>\r\n");
        s.view->FlushChange();
        s.view->SetSelection(2, 6);
        QTest::keyClicks(s.view, QStringLiteral("ead"));
        const QByteArray edited = s.view->TextBytes();
        int steps = 0;
        while (s.view->CanUndo()) {
            s.view->OnEditUndo();
            ++steps;
        }
        QCOMPARE(s.view->TextBytes(), original);
        QVERIFY(!s.doc->IsModified());
        while (s.view->CanRedo())
            s.view->OnEditRedo();
        QCOMPARE(s.view->TextBytes(), edited);
        QVERIFY(steps > 10);
    }
};

QTEST_MAIN(ViewUndoTest)
#include "ViewUndoTest.moc"

// The edit commands of a view: Strip Tags, Go To Line, Select All, Find and Replace.
#include "UiTestSupport.h"

#include "ui/document/FindReplaceDlg.h"
#include "ui/document/GotoLineDlg.h"
#include "ui/document/ViewPrinting.h"

#include <QAccessible>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QClipboard>
#include <QtTest>

using namespace velto;
using namespace velto::test;

class ViewCommandsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void stripTagsRemovesTagsFromTheSelectionOnly() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "<P>a <B>bold</B> word, 1 < 2</P>");
        view->SetSelection(3, 28);
        view->OnEditStripTags();
        QCOMPARE(view->TextBytes(), QByteArray("<P>a bold word, 1 < 2</P>"));
        view->OnEditUndo();
        QCOMPARE(view->TextBytes(), QByteArray("<P>a <B>bold</B> word, 1 < 2</P>"));
    }

    void stripTagsNeedsASelection() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "<B>x</B>");
        view->FlushChange();
        view->SetSelection(2, 2);
        view->OnEditStripTags();
        QCOMPARE(view->TextBytes(), QByteArray("<B>x</B>"));
        QVERIFY(!f.Frame().Action(32808)->isEnabled());
        view->SetSelection(0, 8);
        f.Frame().UpdateCommands();
        QVERIFY(f.Frame().Action(32808)->isEnabled());
    }

    void viewsAreAccessibleInFullOnlyWhileAnAssistiveTechnologyListens() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "<P>text</P>");
        QVERIFY(!QAccessible::isActive());
        QAccessibleInterface* plain = QAccessible::queryAccessibleInterface(view);
        QVERIFY(plain);
        QCOMPARE(plain->role(), QAccessible::EditableText);
        QVERIFY(!plain->textInterface()); // nothing counts characters on a caret move
        QAccessible::setActive(true);
        QAccessibleInterface* full = QAccessible::queryAccessibleInterface(view);
        QVERIFY(full && full->textInterface());
        QCOMPARE(full->textInterface()->text(0, 3), QStringLiteral("<P>"));
        // A view made while it listens gets the full interface from the start.
        CQuorView* second = f.NewView();
        QAccessibleInterface* secondFull = QAccessible::queryAccessibleInterface(second);
        QVERIFY(secondFull && secondFull->textInterface());
        QAccessible::setActive(false);
    }

    void goToLineAcceptsOneToFourMillion() {
        QCOMPARE(GotoLineDlg::ParseLine(QStringLiteral("1")), std::optional<int>(1));
        QCOMPARE(GotoLineDlg::ParseLine(QStringLiteral(" 4000000 ")), std::optional<int>(4000000));
        QVERIFY(!GotoLineDlg::ParseLine(QStringLiteral("0")));
        QVERIFY(!GotoLineDlg::ParseLine(QStringLiteral("4000001")));
        QVERIFY(!GotoLineDlg::ParseLine(QStringLiteral("-3")));
        QVERIFY(!GotoLineDlg::ParseLine(QStringLiteral("12a")));
        QVERIFY(!GotoLineDlg::ParseLine(QString()));
    }

    void goToLineCountsStoredLinesNotWrappedOnes() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->resize(200, 200);
        const QByteArray longLine(3000, 'w');
        view->ReplaceRange(0, 0, "first\n" + longLine + "\nthird\r\nfourth");
        QVERIFY(view->GoToLine(3));
        QCOMPARE(view->CaretPosition(), 6 + 3000 + 1);
        QVERIFY(view->GoToLine(4));
        QCOMPARE(view->TextRange(view->CaretPosition(), view->TextLength()), QByteArray("fourth"));
        QVERIFY(!view->GoToLine(9)); // past the end: the last line
        QCOMPARE(view->TextRange(view->CaretPosition(), view->TextLength()), QByteArray("fourth"));
    }

    void goToLineDialogRemembersTheLastLine() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "a\nb\nc\n");
        QTimer::singleShot(0, [] {
            auto* dlg = qobject_cast<GotoLineDlg*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            QCOMPARE(dlg->Field()->text(), QStringLiteral("1"));
            QCOMPARE(dlg->Field()->selectedText(), QStringLiteral("1"));
            dlg->Field()->setText(QStringLiteral("3"));
            dlg->accept();
        });
        view->OnGotoLine();
        QCOMPARE(view->LastGotoLine(), 3);
        QCOMPARE(view->CaretPosition(), 4);
    }

    void selectAllSelectsEverything() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, QByteArray("a\0b", 3));
        view->OnEditSelectAll();
        QCOMPARE(view->SelectionStart(), 0);
        QCOMPARE(view->SelectionEnd(), 3);
    }

    void findNextSearchesOnAndWrapsRound() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "<b>Bold</b> bold BOLD bolder");
        view->SetSelection(0, 0);
        SearchRequest r;
        r.findWhat = QStringLiteral("bold");
        QVERIFY(view->FindNext(r));
        QCOMPARE(view->SelectionStart(), 3);
        r.matchCase = true;
        QVERIFY(view->FindNext(r));
        QCOMPARE(view->SelectionStart(), 12);
        r.wholeWord = true;
        QVERIFY(view->FindNext(r)); // "bolder" is not a whole word: round to 12 again
        QCOMPARE(view->SelectionStart(), 12);
        r.down = false;
        r.matchCase = false;
        QVERIFY(view->FindNext(r));
        QCOMPARE(view->SelectionStart(), 3);
        r.findWhat = QStringLiteral("absent");
        QVERIFY(!view->FindNext(r));
    }

    void replaceAllIsOneUndoableChange() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "<B>a</B> <B>b</B>");
        view->FlushChange();
        SearchRequest r;
        r.findWhat = QStringLiteral("B>");
        r.replaceWith = QStringLiteral("STRONG>");
        r.matchCase = true;
        QCOMPARE(view->ReplaceAll(r), 4);
        QCOMPARE(view->TextBytes(), QByteArray("<STRONG>a</STRONG> <STRONG>b</STRONG>"));
        view->OnEditUndo();
        QCOMPARE(view->TextBytes(), QByteArray("<B>a</B> <B>b</B>"));
    }

    void replaceReplacesTheMatchThenFindsTheNext() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "x1 x2");
        SearchRequest r;
        r.findWhat = QStringLiteral("x");
        r.replaceWith = QStringLiteral("yy");
        view->SetSelection(0, 0);
        QVERIFY(view->ReplaceCurrent(r)); // nothing selected yet: finds the first
        QCOMPARE(view->SelectionStart(), 0);
        QVERIFY(view->ReplaceCurrent(r));
        QCOMPARE(view->TextBytes(), QByteArray("yy1 x2"));
        QCOMPARE(view->SelectionStart(), 4);
    }

    void insertKeyTogglesOverwriteMode() {
        UiFixture f;
        CQuorView* view = f.NewView();
        QVERIFY(!view->OverwriteMode());
        QTest::keyClick(view, Qt::Key_Insert);
        QVERIFY(view->OverwriteMode());
        QTest::keyClicks(view, QStringLiteral("ab"));
        view->SetSelection(0, 0);
        QTest::keyClicks(view, QStringLiteral("X"));
        QCOMPARE(view->TextBytes(), QByteArray("Xb"));
        QTest::keyClick(view, Qt::Key_Insert);
        QVERIFY(!view->OverwriteMode());
    }

    void shiftF10OpensTheContextMenuAtTheCaret() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "<B>bold</B>");
        view->SetSelection(3, 7);
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted")); // Paste has something to take
        QStringList items;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* a : menu->actions())
                items << a->text() + (a->isEnabled() ? QString() : QStringLiteral(" (off)"));
            menu->close();
        });
        QTest::keyClick(view, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(items, (QStringList{QStringLiteral("Cu&t"), QStringLiteral("&Copy"), QStringLiteral("&Paste"),
                                     QStringLiteral("P&aste URL"), QStringLiteral("&Strip Tags")}));
    }

    void pageSetupStoresTheMarginsInTwipsRoundedToTens() {
        UiFixture f;
        f.app->Margins() = PageMargins{};
        f.app->Margins().left = 1000;
        f.app->Margins().top = 1441;
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        PageSetup(*f.app, f.NewView());
        const auto block = f.profile->GetBinary("Printing Settings", "Page Margins");
        QVERIFY(block);
        QCOMPARE(block->size(), size_t(16));
        PageMargins stored;
        stored.Load(*f.profile);
        QCOMPARE(stored, f.app->Margins());
        const MarginUnit unit = QLocale::system().measurementSystem() == QLocale::MetricSystem
                                    ? MarginUnit::HundredthsOfMillimetre
                                    : MarginUnit::ThousandthsOfInch;
        for (int twips : {stored.left, stored.top, stored.right, stored.bottom})
            QCOMPARE(TwipsToMarginUnits(twips, unit) % 10, 0);
        QCOMPARE(TwipsToMarginUnits(stored.left, unit), TwipsToMarginUnits(1000, unit));
    }

    void findNextRepeatsTheLastSearchOfTheDialog() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->ReplaceRange(0, 0, "one two one two");
        view->SetSelection(0, 0);
        f.Frame().Action(57636)->trigger(); // Find
        auto* dlg = f.Frame().findChild<FindReplaceDlg*>();
        QVERIFY(dlg);
        auto* what = dlg->findChild<QLineEdit*>();
        what->setText(QStringLiteral("two"));
        QTest::mouseClick(dlg->findChild<QPushButton*>(), Qt::LeftButton); // Find Next
        QCOMPARE(view->SelectionStart(), 4);
        f.Frame().Action(32786)->trigger(); // F3
        QCOMPARE(view->SelectionStart(), 12);
    }

    void theLineNumberMarginHoldsEveryNumberInItsOwnFont() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->show();
        QByteArray text;
        for (int i = 0; i < 60000; ++i)
            text += "x\n";
        view->LoadDocumentBytes(text);
        const auto widthOf = [view](const char* digits) {
            return static_cast<int>(view->SendScintilla(QsciScintillaBase::SCI_TEXTWIDTH,
                                                        static_cast<unsigned long>(QsciScintillaBase::STYLE_LINENUMBER), digits));
        };
        QVERIFY(view->LineNumberMarginWidth() >= widthOf("60001"));
        // A larger margin font widens it again.
        view->SendScintilla(QsciScintillaBase::SCI_STYLESETSIZE,
                            static_cast<unsigned long>(QsciScintillaBase::STYLE_LINENUMBER), 30L);
        const int before = view->LineNumberMarginWidth();
        view->UpdateLineNumberMargin(); // nothing changed in the line count: kept
        QCOMPARE(view->LineNumberMarginWidth(), before);
        view->ApplyAppearance();
        QVERIFY(view->LineNumberMarginWidth() >= widthOf("60001"));
        // Back to a short text: the margin shrinks to its usual room.
        view->LoadDocumentBytes("short\n");
        QVERIFY(view->LineNumberMarginWidth() < before);
    }

    void eitherHalfOfATagsAngleBracketsGivesTheTag() {
        UiFixture f;
        CQuorView* view = f.NewView();
        view->resize(600, 200);
        view->show();
        view->ReplaceRange(0, 0, "ab <B>bold</B> cd");
        view->FlushChange();
        const auto pointIn = [view](int position, double fraction) {
            const int left = static_cast<int>(view->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, static_cast<long>(position)));
            const int right = static_cast<int>(view->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, static_cast<long>(position + 1)));
            const int y = static_cast<int>(view->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, static_cast<long>(position)));
            return QPoint(left + static_cast<int>((right - left) * fraction), y + 2);
        };
        // "<B>" is at 3..5: both halves of its '<' and its '>' put the caret inside it.
        for (const int at : {3, 5}) {
            for (const double half : {0.25, 0.75}) {
                const int caret = view->CaretForCharacterAt(pointIn(at, half));
                QVERIFY2(caret > 3 && caret < 6, qPrintable(QStringLiteral("%1 %2 -> %3").arg(at).arg(half).arg(caret)));
            }
        }
        // Plain text keeps the nearest gap.
        QCOMPARE(view->CaretForCharacterAt(pointIn(0, 0.75)), 1);
        QCOMPARE(view->CaretForCharacterAt(pointIn(1, 0.25)), 1);
    }
};

QTEST_MAIN(ViewCommandsTest)
#include "ViewCommandsTest.moc"

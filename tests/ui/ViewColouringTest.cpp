// Colouring in a real view: classes as styles, edits coloured at once, large texts in idle
// time, and nothing else about the view disturbed.
#include "UiTestSupport.h"

#include "core/colouring/AppearanceSettings.h"
#include "core/colouring/ColourSchedule.h"
#include "core/colouring/FontDialogValues.h"
#include "ui/document/IdlePump.h"
#include "ui/document/ScintillaTextControl.h"
#include "ui/platform/FontChooser.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <QtTest>

using namespace velto;
using namespace velto::test;

namespace {
// The style of the character at a document position (a long line is shown broken).
int StyleAt(CQuorView* view, int pos) {
    return static_cast<int>(view->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT,
                                                static_cast<unsigned long>(view->ShownPosition(pos))));
}
int Style(AppearanceClass c) {
    return static_cast<int>(c);
}
// Runs idle time until every view is coloured.
void Settle(UiFixture& f) {
    QVERIFY(f.Docs().Idle().RunUntilIdle());
}
} // namespace

class ViewColouringTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void openedDocumentIsColouredByClassInIdleTime() {
        UiFixture f;
        CQuorView* view = f.Open(f.Write(QStringLiteral("c.html"),
                                         "<P>Go <A HREF=\"x\">there</A> <Rubbish> <!-- <B> --></P>"))->View();
        Settle(f);
        QVERIFY(view->Colouring()->IsComplete());
        QVERIFY(!f.Docs().Idle().Running());
        QCOMPARE(StyleAt(view, 0), Style(AppearanceClass::StructureLayout));
        QCOMPARE(StyleAt(view, 4), Style(AppearanceClass::Text));
        QCOMPARE(StyleAt(view, 6), Style(AppearanceClass::AnchorTag));
        QCOMPARE(StyleAt(view, 17), Style(AppearanceClass::AnchorTag)); // the closing '>'
        QCOMPARE(StyleAt(view, 18), Style(AppearanceClass::Text));
        QCOMPARE(StyleAt(view, 28), Style(AppearanceClass::UnknownOrError));
        QCOMPARE(StyleAt(view, 40), Style(AppearanceClass::Comment));
    }

    void typedTagIsColouredAtOnce() {
        UiFixture f;
        CQuorView* view = f.Open(f.Write(QStringLiteral("t.html"), "text P> more"))->View();
        Settle(f);
        QCOMPARE(StyleAt(view, 5), Style(AppearanceClass::Text));
        view->SetSelection(5, 5);
        QTest::keyClick(view, Qt::Key_Less);
        QCOMPARE(view->TextBytes(), QByteArray("text <P> more"));
        QCOMPARE(StyleAt(view, 5), Style(AppearanceClass::StructureLayout)); // no idle time needed
        QCOMPARE(StyleAt(view, 7), Style(AppearanceClass::StructureLayout));
        QCOMPARE(StyleAt(view, 8), Style(AppearanceClass::Text));
    }

    void keysTypedInACommentAndAScriptKeepTheirColours() {
        UiFixture f;
        CQuorView* view = f.Open(f.Write(QStringLiteral("k.html"),
                                         "<!-- <P>one</P> two -->\n<script>x = 1;</script>"))->View();
        Settle(f);
        view->SetSelection(11, 11); // between "one" and "</P>"
        QTest::keyClick(view, Qt::Key_Return);
        QTest::keyClicks(view, QStringLiteral("y"));
        const int inner = static_cast<int>(view->TextBytes().indexOf("</P>"));
        QCOMPARE(StyleAt(view, inner), Style(AppearanceClass::Comment)); // no idle time needed
        QCOMPARE(StyleAt(view, inner - 1), Style(AppearanceClass::Comment));
        const int one = static_cast<int>(view->TextBytes().indexOf("1;"));
        view->SetSelection(one, one);
        QTest::keyClicks(view, QStringLiteral("\"a"));
        QCOMPARE(StyleAt(view, one), Style(AppearanceClass::ScriptString));
        QCOMPARE(StyleAt(view, view->TextLength() - 2), Style(AppearanceClass::EmbedProgrammatic));
    }

    void colouringLeavesModifiedSelectionScrollAndHistoryAlone() {
        UiFixture f;
        QByteArray page;
        for (int i = 0; i < 400; ++i)
            page += "<P>Line " + QByteArray::number(i) + " <B>bold</B> <I>it</I>\n";
        CQuorDoc* doc = f.Open(f.Write(QStringLiteral("s.html"), page));
        CQuorView* view = doc->View();
        view->resize(400, 300);
        Settle(f);
        QTest::keyClicks(view, QStringLiteral("x"));
        view->SetSelection(1200, 1210);
        view->SendScintilla(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, 150UL);
        const long firstVisible = view->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
        const std::size_t records = view->UndoHistory().Size();
        view->RestartColouring();
        Settle(f);
        QVERIFY(doc->IsModified());
        QCOMPARE(view->SelectionStart(), 1200);
        QCOMPARE(view->SelectionEnd(), 1210);
        QCOMPARE(view->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE), firstVisible);
        QCOMPARE(view->UndoHistory().Size(), records);
        QVERIFY(view->CanUndo());
        QVERIFY(!view->CanRedo());
        // And the other way: a saved document stays unmodified through a colouring.
        QVERIFY(doc->DoFileSave());
        view->RestartColouring();
        Settle(f);
        QVERIFY(!doc->IsModified());
        QCOMPARE(doc->Title(), QStringLiteral("s.html"));
    }

    void plainModeReturnsEveryTagToText() {
        UiFixture f;
        CQuorView* view = f.Open(f.Write(QStringLiteral("p.html"), "<B>b</B> <Junk>"))->View();
        Settle(f);
        QCOMPARE(StyleAt(view, 0), Style(AppearanceClass::Style));
        f.app->Appearance().enableNonTextStyles = 0;
        f.Docs().RecolourAll();
        Settle(f);
        for (int i = 0; i < view->TextLength(); ++i)
            QCOMPARE(StyleAt(view, i), 0);
        f.app->Appearance().enableNonTextStyles = 1;
        f.Docs().RecolourAll();
        Settle(f);
        QCOMPARE(StyleAt(view, 9), Style(AppearanceClass::UnknownOrError));
    }

    void stylesCarryTheTextFormatWithEachClassColour() {
        UiFixture f;
        AppearanceSettings& a = f.app->Appearance();
        a.Class(AppearanceClass::Text).effects = CharEffects::Bold | CharEffects::StrikeOut;
        a.Class(AppearanceClass::Text).faceName = "No Such Face 123";
        CQuorView* view = f.Open(f.Write(QStringLiteral("f.html"), "<A>x</A>"))->View();
        Settle(f);
        using Sci = QsciScintillaBase;
        const auto anchor = static_cast<unsigned long>(AppearanceClass::AnchorTag);
        QCOMPARE(view->SendScintilla(Sci::SCI_STYLEGETFORE, anchor), 0xFF0000L); // blue, as BGR
        QCOMPARE(view->SendScintilla(Sci::SCI_STYLEGETFORE, 0UL), 0L);
        QCOMPARE(view->SendScintilla(Sci::SCI_STYLEGETBOLD, anchor), 1L);
        QCOMPARE(view->SendScintilla(Sci::SCI_STYLEGETSIZEFRACTIONAL, anchor), 960L); // -12: 9.6 pt
        char face[64] = {};
        view->SendScintilla(Sci::SCI_STYLEGETFONT, anchor, face);
        QVERIFY(QByteArray(face) != "No Such Face 123"); // the fixed-pitch fallback shows
        QCOMPARE(a.Class(AppearanceClass::Text).faceName, std::string("No Such Face 123"));
        const auto strike = static_cast<unsigned long>(ScintillaTextControl::StrikeIndicator);
        view->SendScintilla(Sci::SCI_SETINDICATORCURRENT, strike);
        QVERIFY(view->SendScintilla(Sci::SCI_INDICATORVALUEAT, strike, 3L) != 0);
    }

    void largeEditIsQueuedVisiblePartFirst() {
        UiFixture f;
        CQuorView* view = f.Open(f.Write(QStringLiteral("q.html"), "start"))->View();
        Settle(f);
        QByteArray big;
        while (big.size() < 6000)
            big += "<B>bold</B> ";
        view->ReplaceRange(0, 0, big);
        view->FlushChange();
        QVERIFY(!view->Colouring()->IsComplete()); // 6000 characters: left to idle time
        QVERIFY(f.Docs().Idle().Running());
        Settle(f);
        QCOMPARE(StyleAt(view, 0), Style(AppearanceClass::Style));
        QCOMPARE(StyleAt(view, big.size() - 3), Style(AppearanceClass::Style));
    }

    void fontDialogValuesMapBothWays() {
        FontDialogValues v;
        v.faceName = "DejaVu Sans Mono";
        v.height = -12;
        v.weight = 700;
        v.italic = true;
        const QFont font = FontFromDialogValues(v);
        QCOMPARE(font.family(), QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(font.weight(), QFont::Bold);
        QVERIFY(font.italic());
        QFont semi = font;
        semi.setWeight(QFont::DemiBold); // 600 is not bold
        CRecCharFormat format;
        TakeFontDialogResult(format, DialogValuesFromFont(semi, v));
        QVERIFY(!format.Has(CharEffects::Bold));
        QVERIFY(format.Has(CharEffects::Italic));
        QCOMPARE(format.height, v.height);
    }

    // The tests name the DejaVu fonts, which scripts/install-deps installs: the result must
    // not depend on which other fonts the machine has.
    void fontDialogOpensOnTheFormatsOwnFace() {
        CRecCharFormat format;
        format.faceName = "DejaVu Sans Mono";
        format.effects = 0;
        QFont shown;
        QTimer::singleShot(0, [&shown] {
            auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            shown = dialog->currentFont();
            dialog->accept();
        });
        QVERIFY(ChooseFont(format, nullptr));
        // fontconfig lists "Oblique" first; a plain format must not open (and come back) slanted.
        QCOMPARE(shown.family(), QStringLiteral("DejaVu Sans Mono"));
        QVERIFY(!shown.italic());
        QCOMPARE(shown.weight(), QFont::Normal);
        QVERIFY(!format.Has(CharEffects::Italic));
        QVERIFY(!format.Has(CharEffects::Bold));
    }

    void chooseFontTakesTheDialogsChoice() {
        CRecCharFormat format;
        format.faceName = "DejaVu Sans Mono";
        format.charSet = 0;
        format.offset = 40;
        format.textColour = 0x123456;
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            // What a click on the "Bold" face does.
            dialog->setCurrentFont(QFontDatabase::font(QStringLiteral("DejaVu Sans Mono"),
                                                       QStringLiteral("Bold"), 12));
            dialog->accept();
        });
        QVERIFY(ChooseFont(format, nullptr));
        QVERIFY(format.Has(CharEffects::Bold));
        QVERIFY(!format.Has(CharEffects::Italic));
        QCOMPARE(format.faceName, std::string("DejaVu Sans Mono"));
        QCOMPARE(format.charSet, std::uint8_t(0));
        QCOMPARE(format.offset, 40);
        QCOMPARE(format.textColour, 0x123456u);
    }

    void styleNamesMatchSlantAndWeight() {
        QFont bold(QStringLiteral("DejaVu Serif"));
        bold.setWeight(QFont::Bold);
        QCOMPARE(MatchingStyleName(bold), QStringLiteral("Bold"));
        QFont italic(QStringLiteral("DejaVu Serif"));
        italic.setItalic(true);
        QCOMPARE(MatchingStyleName(italic), QStringLiteral("Italic"));
        QCOMPARE(MatchingStyleName(QFont(QStringLiteral("DejaVu Sans"))), QStringLiteral("Book"));
    }
};

QTEST_MAIN(ViewColouringTest)
#include "ViewColouringTest.moc"

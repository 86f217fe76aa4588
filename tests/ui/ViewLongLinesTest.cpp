// Pages that are one long line, in a real view: shown broken into short lines, while the
// document, the files written, the clipboard, find, undo and the line numbers see only
// the document's own bytes and lines.
#include "UiTestSupport.h"

#include "core/colouring/AppearanceSettings.h"
#include "core/recovery/RecoveryRecord.h"
#include "ui/document/FindReplaceDlg.h"
#include "ui/document/IdlePump.h"
#include "ui/document/RecoveryHost.h"
#include "ui/document/ScintillaTextControl.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QtTest>

using namespace velto;
using namespace velto::test;

namespace {
using Sci = QsciScintillaBase;

// Paragraphs numbered so that most stretches of the page occur once; "café" for a
// character of two bytes.
QByteArray Paragraphs(int count, const QByteArray& between) {
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += "<div class=\"c\"><p id=\"p" + QByteArray::number(i) + "\">Paragraph " + QByteArray::number(i) +
                " holds <b>bold</b> words and caf\xC3\xA9.</p></div>" + between;
    return text;
}

// A minified page: an ordinary first and last line around one line of about 100 bytes a
// paragraph.
QByteArray MinifiedPage(int paragraphs = 1200) {
    return "<p>first</p>\r\n<html><body>" + Paragraphs(paragraphs, "") + "</body></html>\r\n<p>last</p>\r\n";
}

long Shown(CQuorView* view, int message, long argument = 0) {
    return view->SendScintilla(static_cast<unsigned int>(message), static_cast<unsigned long>(argument));
}

// The document places of the view's breaks.
std::vector<int> BreakPlaces(CQuorView* view) {
    std::vector<int> places;
    for (const int shown : view->Breaks().Positions())
        places.push_back(view->DocumentPosition(shown));
    return places;
}

QByteArray MarginText(CQuorView* view, long line) {
    const long length = view->SendScintilla(Sci::SCI_MARGINGETTEXT, static_cast<unsigned long>(line),
                                            static_cast<const char*>(nullptr));
    QByteArray text(length + 1, '\0');
    view->SendScintilla(Sci::SCI_MARGINGETTEXT, static_cast<unsigned long>(line), text.data());
    return text.left(length);
}

// Every position where text occurs in bytes.
std::vector<int> Occurrences(const QByteArray& bytes, const QByteArray& text) {
    std::vector<int> found;
    for (qsizetype at = bytes.indexOf(text); at >= 0; at = bytes.indexOf(text, at + 1))
        found.push_back(static_cast<int>(at));
    return found;
}

void TypeAt(CQuorView* view, int pos, const QString& keys) {
    view->SetSelection(pos, pos);
    QTest::keyClicks(view, keys);
}
} // namespace

class ViewLongLinesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aLongLineIsShownBrokenAndSavedByteForByte_data() {
        QTest::addColumn<QByteArray>("bytes");
        // Wrapped at the window's edge as well (a small page), and not.
        QTest::newRow("minified, 130 KB") << MinifiedPage();
        QTest::newRow("minified, 1 MB") << MinifiedPage(10000);
        // No '>' for a break after a tag: after blanks, else anywhere, never inside "é".
        QTest::newRow("words") << QByteArray("<p>").append(QByteArray("caf\xC3\xA9 ").repeated(9000));
        QTest::newRow("one letter") << QByteArray(300000, 'a');
        QTest::newRow("nul and invalid bytes") << QByteArray("\xC3(\xFF\0<b>", 8).repeated(20000);
    }
    void aLongLineIsShownBrokenAndSavedByteForByte() {
        QFETCH(QByteArray, bytes);
        UiFixture f;
        const QString path = f.Write(QStringLiteral("min.html"), bytes);
        CQuorDoc* doc = f.Open(path);
        CQuorView* view = doc->View();
        QVERIFY(view->ShowsBrokenLines());
        QVERIFY(!f.Frame().BrokenLinesPane()->isHidden());
        // The control holds a line feed more for each break, and no shown line is long.
        QCOMPARE(Shown(view, Sci::SCI_GETLENGTH), long(view->TextLength() + view->Breaks().Count()));
        for (long line = 0; line < Shown(view, Sci::SCI_GETLINECOUNT); ++line)
            QVERIFY2(Shown(view, Sci::SCI_LINELENGTH, line) <= 1010, qPrintable(QString::number(line)));
        // The view holds the bytes themselves, or (a page that is no UTF-8) their decoding.
        if (view->Encoding().raw || view->Encoding().encoding->kind == EncodingKind::Utf8)
            QCOMPARE(view->TextBytes(), bytes);
        QCOMPARE(view->Control().LineCount(), int(bytes.count('\n')) + 1);
        QVERIFY(!doc->IsModified());
        QVERIFY(doc->DoFileSave());
        QCOMPARE(UiFixture::Read(path), bytes);
        QVERIFY(f.prompter.messages.empty());
    }

    void aWindows1252LongLineIsSavedInItsOwnBytes() {
        UiFixture f;
        // The minified page in windows-1252: "caf\xE9" is one byte a letter in the file and
        // two in the view, which holds UTF-8.
        const QByteArray original = QByteArray(MinifiedPage()).replace("caf\xC3\xA9", "caf\xE9");
        const QString path = f.Write(QStringLiteral("old.html"), original);
        CQuorDoc* doc = f.Open(path);
        CQuorView* view = doc->View();
        QCOMPARE(view->Encoding().encoding->name, std::string_view("windows-1252"));
        QVERIFY(view->ShowsBrokenLines());
        QVERIFY(doc->DoFileSave());
        QCOMPARE(UiFixture::Read(path), original); // unedited: byte for byte

        // A letter typed at a break's place in the middle of the line, another one at the
        // line's end: each is one byte of windows-1252 in the file.
        const auto fileOffset = [view](int pos) {
            return pos - int(view->TextBytes().left(pos).count("\xC3\xA9"));
        };
        QByteArray expected = original;
        const int middle = BreakPlaces(view)[BreakPlaces(view).size() / 2];
        const int middleInFile = fileOffset(middle);
        const int lineEnd = int(view->TextBytes().indexOf("</html>")) + 7;
        const int lineEndInFile = fileOffset(lineEnd);
        for (const auto& [at, inFile] : {std::pair{lineEnd, lineEndInFile}, std::pair{middle, middleInFile}}) {
            view->SetSelection(at, at);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u00FC"));
            QApplication::sendEvent(view, &press);
            view->FlushChange();
            expected.insert(inFile, '\xFC');
        }
        QVERIFY(doc->DoFileSave());
        QCOMPARE(UiFixture::Read(path), expected);
        QVERIFY(f.prompter.messages.empty());
        while (view->CanUndo())
            view->OnEditUndo();
        QVERIFY(doc->DoFileSave());
        QCOMPARE(UiFixture::Read(path), original);
    }

    void editsAtTheStartMiddleAndEndChangeOnlyThoseBytes() {
        UiFixture f;
        QByteArray expected = MinifiedPage();
        const QString path = f.Write(QStringLiteral("min.html"), expected);
        CQuorDoc* doc = f.Open(path);
        CQuorView* view = doc->View();
        const std::vector<int> places = BreakPlaces(view);
        QVERIFY(places.size() > 100);
        // Typed at the start, at a break's place, and at the end of the long line.
        const int middle = places[places.size() / 2];
        const int lineEnd = int(expected.indexOf("</html>\r\n")) + 7;
        TypeAt(view, lineEnd, QStringLiteral("E"));
        expected.insert(lineEnd, 'E');
        TypeAt(view, middle, QStringLiteral("M"));
        expected.insert(middle, 'M');
        TypeAt(view, 14, QStringLiteral("S"));
        expected.insert(14, 'S');
        QCOMPARE(view->TextBytes(), expected);
        // Backspace just after a break and Delete just before one take the document's
        // characters either side, never only the break.
        const int place = BreakPlaces(view)[10];
        view->SendScintilla(Sci::SCI_GOTOPOS, static_cast<unsigned long>(view->Breaks().ToShown(place)));
        QTest::keyClick(view, Qt::Key_Backspace);
        expected.remove(place - 1, 1);
        const int next = BreakPlaces(view)[20];
        view->SendScintilla(Sci::SCI_GOTOPOS,
                            static_cast<unsigned long>(view->Breaks().ToShown(next, DisplayBreaks::Side::Before)));
        QTest::keyClick(view, Qt::Key_Delete);
        expected.remove(next, 1);
        QCOMPARE(view->TextBytes(), expected);
        QVERIFY(doc->IsModified());
        QVERIFY(doc->DoFileSave());
        QCOMPARE(UiFixture::Read(path), expected);
    }

    void arrowKeysMoveOneCharacterOverABreak() {
        UiFixture f;
        CQuorView* view = f.Open(f.Write(QStringLiteral("min.html"), MinifiedPage()))->View();
        const int place = BreakPlaces(view)[5];
        view->SetSelection(place, place);
        QTest::keyClick(view, Qt::Key_Left);
        QCOMPARE(view->CaretPosition(), place - 1);
        QTest::keyClick(view, Qt::Key_Right);
        QCOMPARE(view->CaretPosition(), place);
        QTest::keyClick(view, Qt::Key_Right);
        QCOMPARE(view->CaretPosition(), place + 1);
        QTest::keyClick(view, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(view, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(view->SelectionStart(), place - 1);
        QCOMPARE(view->SelectionEnd(), place + 1);
    }

    void aStretchCopiedCutOrPastedHoldsNoBreak() {
        UiFixture f;
        QByteArray expected = MinifiedPage();
        CQuorView* view = f.Open(f.Write(QStringLiteral("min.html"), expected))->View();
        const std::vector<int> places = BreakPlaces(view);
        const int first = places[3] - 7;
        const int pastEnd = places[9] + 5;
        const QByteArray stretch = expected.mid(first, pastEnd - first);
        view->SetSelection(first, pastEnd);
        view->OnEditCopy();
        QCOMPARE(QGuiApplication::clipboard()->text().toUtf8(), stretch);
        // Pasted into the short last line, and cut from the long one.
        const int last = int(expected.indexOf("last"));
        view->SetSelection(last, last);
        view->OnEditPaste();
        expected.insert(last, stretch);
        view->SetSelection(places[20] - 3, places[30] + 3);
        view->OnEditCut();
        QCOMPARE(QGuiApplication::clipboard()->text().toUtf8(), expected.mid(places[20] - 3, places[30] - places[20] + 6));
        expected.remove(places[20] - 3, places[30] - places[20] + 6);
        QCOMPARE(view->TextBytes(), expected);
    }

    void findAndReplaceMatchAcrossTheBreaks() {
        UiFixture f;
        QByteArray expected = MinifiedPage();
        CQuorView* view = f.Open(f.Write(QStringLiteral("min.html"), expected))->View();
        const int place = BreakPlaces(view)[40];
        // Text that runs over a break, and that occurs elsewhere too, in other places.
        const QByteArray sought = expected.mid(place - 6, 10);
        QVERIFY(std::all_of(sought.begin(), sought.end(), [](char c) { return c >= ' ' && c < 127; }));
        const std::vector<int> found = Occurrences(expected, sought);
        QVERIFY(found.size() > 1);
        QVERIFY(std::find(found.begin(), found.end(), place - 6) != found.end());

        SearchRequest request;
        request.findWhat = QString::fromUtf8(sought).toUpper();
        view->SetSelection(0, 0);
        for (const int at : found) {
            QVERIFY(view->FindNext(request));
            QCOMPARE(view->SelectionStart(), at);
            QCOMPARE(view->SelectionEnd(), at + int(sought.size()));
        }
        QVERIFY(view->FindNext(request)); // round again from the start
        QCOMPARE(view->SelectionStart(), found.front());
        request.down = false;
        view->SetSelection(view->TextLength(), view->TextLength());
        QVERIFY(view->FindNext(request));
        QCOMPARE(view->SelectionStart(), found.back());
        // Matching the case finds none of the upper-case text; whole words none inside one.
        request.matchCase = true;
        QVERIFY(!view->FindNext(request));

        request = SearchRequest{};
        request.findWhat = QString::fromUtf8(sought);
        request.replaceWith = QStringLiteral("[]");
        QCOMPARE(view->ReplaceAll(request), int(found.size()));
        expected.replace(sought, "[]");
        QCOMPARE(view->TextBytes(), expected);
    }

    void undoAndRedoReturnToTheSavedState() {
        UiFixture f;
        const QByteArray original = MinifiedPage();
        const QString path = f.Write(QStringLiteral("min.html"), original);
        CQuorDoc* doc = f.Open(path);
        CQuorView* view = doc->View();
        const std::vector<int> places = BreakPlaces(view);
        TypeAt(view, places[7], QStringLiteral("abc"));
        // A long minified stretch pasted into the short first line makes it long: shown broken.
        const QByteArray pasted = Paragraphs(300, "");
        QGuiApplication::clipboard()->setText(QString::fromUtf8(pasted));
        view->SetSelection(3, 3);
        const long linesBefore = Shown(view, Sci::SCI_GETLINECOUNT);
        view->OnEditPaste();
        QVERIFY(Shown(view, Sci::SCI_GETLINECOUNT) > linesBefore + 100);
        const std::vector<int> now = BreakPlaces(view);
        view->SetSelection(now[150], now[160]);
        QTest::keyClick(view, Qt::Key_Delete);
        const QByteArray edited = view->TextBytes();
        QVERIFY(doc->IsModified());

        while (view->CanUndo())
            view->OnEditUndo();
        QCOMPARE(view->TextBytes(), original);
        QVERIFY(!doc->IsModified());
        while (view->CanRedo())
            view->OnEditRedo();
        QCOMPARE(view->TextBytes(), edited);
        while (view->CanUndo())
            view->OnEditUndo();
        QVERIFY(!doc->IsModified());
        QVERIFY(doc->DoFileSave());
        QCOMPARE(UiFixture::Read(path), original);
    }

    void theRecoveryFileHoldsTheDocumentsBytes() {
        QTemporaryDir state;
        const ScopedEnv env("XDG_STATE_HOME", state.path());
        UiFixture f;
        QVERIFY(f.app->Recovery().Active());
        CQuorDoc* doc = f.Open(f.Write(QStringLiteral("min.html"), MinifiedPage()));
        CQuorView* view = doc->View();
        TypeAt(view, BreakPlaces(view)[12], QStringLiteral("x"));
        f.app->Recovery().WriteAllNow();
        f.app->Recovery().WaitForWrites();
        const QString file = f.app->Recovery().FileOf(doc);
        QVERIFY(!file.isEmpty());
        const QByteArray written = UiFixture::Read(file);
        const RecoveryParse parsed = ParseRecovery(std::string_view(written.constData(), size_t(written.size())));
        QVERIFY2(parsed.record, parsed.problem.c_str());
        QCOMPARE(QByteArray::fromStdString(parsed.record->text), view->TextBytes());
    }

    void theTextControlSeesTheDocumentsTextAndLines() {
        UiFixture f;
        const QByteArray bytes = MinifiedPage();
        CQuorView* view = f.Open(f.Write(QStringLiteral("min.html"), bytes))->View();
        TextControl& control = view->Control();
        std::string text;
        control.GetTextRange(0, control.Length(), text);
        QCOMPARE(QByteArray::fromStdString(text), bytes);
        const int place = BreakPlaces(view)[3];
        QVERIFY(!control.LendTextRange(place - 2, place + 2)); // the control holds a break there
        control.GetTextRange(place - 2, place + 2, text);
        QCOMPARE(QByteArray::fromStdString(text), bytes.mid(place - 2, 4));
        QCOMPARE(control.LineCount(), 4);
        QCOMPARE(control.LineFromPosition(place), 1);
        QCOMPARE(control.LineStart(1), 14);
        QCOMPARE(control.LineStart(2), int(bytes.indexOf("<p>last")));
        QCOMPARE(control.LineFromPosition(int(bytes.indexOf("<p>last"))), 2);
        // Styles set over a stretch holding breaks land on the document's characters.
        const std::vector<std::uint8_t> styles(20, std::uint8_t(AppearanceClass::Comment));
        control.SetStyles(place - 10, styles);
        const int shown = view->ShownPosition(place);
        QCOMPARE(int(Shown(view, Sci::SCI_GETSTYLEAT, shown + 9)), int(AppearanceClass::Comment));
        QVERIFY(int(Shown(view, Sci::SCI_GETSTYLEAT, shown + 10)) != int(AppearanceClass::Comment));
    }

    void goToLineAndTheMarginCountTheDocumentsLines() {
        UiFixture f;
        const QByteArray bytes = MinifiedPage();
        CQuorView* view = f.Open(f.Write(QStringLiteral("min.html"), bytes))->View();
        QVERIFY(view->GoToLine(3));
        QCOMPARE(view->CaretPosition(), int(bytes.indexOf("<p>last")));
        // The margin numbers the lines on the screen: the last line is 3, not its shown line.
        const long shownLine = Shown(view, Sci::SCI_LINEFROMPOSITION, view->ShownPosition(view->CaretPosition()));
        QTRY_COMPARE(MarginText(view, shownLine), QByteArray("3"));
        QCOMPARE(MarginText(view, shownLine - 1), QByteArray()); // the long line continued
        QVERIFY(view->GoToLine(1));
        QTRY_COMPARE(MarginText(view, 1), QByteArray("2"));
        QCOMPARE(MarginText(view, 2), QByteArray());
    }

    void anOrdinaryPageIsShownAsItIs() {
        UiFixture f;
        QByteArray expected = "<html><body>\r\n" + Paragraphs(1200, "\r\n") + "</body></html>\r\n";
        const QString path = f.Write(QStringLiteral("page.html"), expected);
        CQuorDoc* doc = f.Open(path);
        CQuorView* view = doc->View();
        QVERIFY(!view->ShowsBrokenLines());
        QVERIFY(f.Frame().BrokenLinesPane()->isHidden());
        QCOMPARE(Shown(view, Sci::SCI_GETLENGTH), long(expected.size()));
        TypeAt(view, 0, QStringLiteral("S"));
        expected.insert(0, 'S');
        TypeAt(view, 50000, QStringLiteral("M"));
        expected.insert(50000, 'M');
        view->SetSelection(60000, 60100);
        view->OnEditCopy();
        QCOMPARE(QGuiApplication::clipboard()->text().toUtf8(), expected.mid(60000, 100));
        QCOMPARE(view->TextBytes(), expected);
        QVERIFY(!view->ShowsBrokenLines());
        QVERIFY(doc->DoFileSave());
        QCOMPARE(UiFixture::Read(path), expected);
    }

    void aLineTypedLongIsShownBrokenAndTheBreaksGoWithIt() {
        UiFixture f;
        CQuorDoc* doc = f.Open(f.Write(QStringLiteral("page.html"), "<p>a</p>\n<p>b</p>\n"));
        CQuorView* view = doc->View();
        QVERIFY(!view->ShowsBrokenLines());
        QSignalSpy shown(view, &CQuorView::BrokenLinesShownChanged);
        const QByteArray pasted = Paragraphs(100, "");
        view->SetSelection(3, 3);
        view->EditAsOneChange([&] { view->ReplaceRange(3, 3, pasted); });
        QVERIFY(view->ShowsBrokenLines());
        QCOMPARE(shown.count(), 1);
        QVERIFY(!f.Frame().BrokenLinesPane()->isHidden());
        view->OnEditUndo();
        QVERIFY(!view->ShowsBrokenLines());
        QCOMPARE(shown.count(), 2);
        QVERIFY(f.Frame().BrokenLinesPane()->isHidden());
        QCOMPARE(view->TextBytes(), QByteArray("<p>a</p>\n<p>b</p>\n"));
        QCOMPARE(Shown(view, Sci::SCI_GETMARGINTYPEN, 0), long(Sci::SC_MARGIN_NUMBER));
    }
};

QTEST_MAIN(ViewLongLinesTest)
#include "ViewLongLinesTest.moc"

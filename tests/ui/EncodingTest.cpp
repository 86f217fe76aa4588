// Pages in their own encodings in a real view: read as letters, typed into, saved back in
// their own bytes; characters the encoding cannot hold asked about; raw bytes kept; the
// status bar pane, Reopen with Encoding, recovery and previews.
#include "UiTestSupport.h"

#include "core/config/HtmlConfig.h"
#include "core/encoding/PageDecoding.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/recovery/RecoveryRecord.h"
#include "ui/document/CChildFrame.h"
#include "ui/document/EncodingActions.h"
#include "ui/document/EncodingBar.h"
#include "ui/document/EncodingPane.h"
#include "ui/document/ScintillaTextControl.h"
#include "ui/preview/PreviewHost.h"

#include <QLabel>
#include <QStatusBar>
#include <QtTest>

using namespace velto;
using namespace velto::test;

namespace {
const QByteArray OldPage = "<P>Caf\xE9 cr\xEApe \x93quoted\x94</P>\n";

void Type(CQuorView* view, int at, const QString& text) {
    view->SetSelection(at, at);
    // Typed as a keyboard with these letters types them (QTest only clicks Latin-1 keys).
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(view, &press);
    }
    view->FlushChange();
}

EncodingPane* Pane(UiFixture& f) {
    return f.Frame().statusBar()->findChild<EncodingPane*>(QStringLiteral("encodingPane"));
}

EncodingBar* Bar(CQuorView* view) {
    return view->parentWidget()->findChild<EncodingBar*>(QStringLiteral("encodingBar"));
}
} // namespace

class EncodingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aLatin1PageReadsAsLettersAndTypedLettersGoBackAsItsBytes() {
        UiFixture f;
        const QString path = f.Write(QStringLiteral("old.html"), OldPage);
        CQuorDoc* doc = f.Open(path);
        QVERIFY(doc);
        CQuorView* view = doc->View();
        QCOMPARE(QString::fromUtf8(view->TextBytes()), QStringLiteral("<P>Café crêpe “quoted”</P>\n"));
        QCOMPARE(view->Encoding().encoding->name, std::string_view("windows-1252"));
        QCOMPARE(view->Encoding().rule, EncodingRule::Fallback);
        QVERIFY(Pane(f));
        QCOMPARE(Pane(f)->text(), QStringLiteral("windows-1252"));
        QVERIFY(!Bar(view)->isVisibleTo(view->parentWidget()));

        QVERIFY(doc->DoFileSave());
        QCOMPARE(UiFixture::Read(path), OldPage); // unedited: byte for byte

        Type(view, 3, QStringLiteral("é€"));
        QVERIFY(doc->IsModified());
        QVERIFY(doc->DoFileSave());
        QCOMPARE(UiFixture::Read(path), QByteArray("<P>\xE9\x80" "Caf\xE9 cr\xEApe \x93quoted\x94</P>\n"));
        QVERIFY(f.prompter.questions.empty());
    }

    void aCharacterTheEncodingCannotHoldIsAskedAbout() {
        UiFixture f;
        const QByteArray page = "<HTML><HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
                                "charset=iso-8859-1\"></HEAD>\n<P>\xE9</P>\n";
        const QString path = f.Write(QStringLiteral("refs.html"), page);
        CQuorDoc* doc = f.Open(path);
        CQuorView* view = doc->View();
        const int at = view->TextBytes().indexOf("</P>");
        Type(view, at, QStringLiteral("✓"));

        // Cancel: nothing is written.
        f.prompter.threeWayAnswers = {Prompter::Answer::Cancel};
        QVERIFY(!doc->DoFileSave());
        QCOMPARE(UiFixture::Read(path), page);
        QCOMPARE(f.prompter.questions.size(), size_t(1));
        const std::string& question = f.prompter.questions[0];
        QVERIFY2(question.find("windows-1252 cannot hold 1 character") != std::string::npos, question.c_str());
        QVERIFY2(question.find("\"✓\" (U+2713) on line 2") != std::string::npos, question.c_str());

        // As a character reference: named where a selected version names it (HTML5 has
        // "check"), by number where none does.
        f.prompter.threeWayAnswers = {Prompter::Answer::Yes};
        QVERIFY(doc->DoFileSave());
        QByteArray expected = page;
        expected.replace("\xE9</P>", "\xE9&check;</P>");
        QCOMPARE(UiFixture::Read(path), expected);

        for (HtmlVer& v : f.app->Html().versions)
            v.state = 0;
        QVERIFY(f.app->Html().SetVersionState("HTML v3.2", VersionState::AnyOf));
        f.app->KnowledgeBase().RebuildAllowed();
        Type(view, at, QStringLiteral("✓"));
        f.prompter.threeWayAnswers = {Prompter::Answer::Yes};
        QVERIFY(doc->DoFileSave());
        expected.replace("\xE9&check;</P>", "\xE9&#10003;&#10003;</P>");
        QCOMPARE(UiFixture::Read(path), expected);

        // As UTF-8, with the declaration rewritten to say so.
        Type(view, at, QStringLiteral("✓"));
        f.prompter.threeWayAnswers = {Prompter::Answer::No};
        QVERIFY(doc->DoFileSave());
        const QByteArray utf8 = UiFixture::Read(path);
        QVERIFY2(utf8.contains("charset=UTF-8\">"), utf8.constData());
        // The references went only into the file: the text still holds the character.
        QVERIFY(utf8.contains("<P>\xC3\xA9\xE2\x9C\x93\xE2\x9C\x93\xE2\x9C\x93</P>"));
        QCOMPARE(view->Encoding().encoding->name, std::string_view("UTF-8"));
        QCOMPARE(Pane(f)->text(), QStringLiteral("UTF-8"));
    }

    void aUtf8PageWithStrayLatin1BytesKeepsItsBytesUnderABar() {
        UiFixture f;
        const QByteArray page = "<meta charset=\"utf-8\"><P>Caf\xE9 \xC3\xA9t\xC3\xA9</P>";
        const QString path = f.Write(QStringLiteral("stray.html"), page);
        CQuorDoc* doc = f.Open(path);
        CQuorView* view = doc->View();
        QCOMPARE(view->TextBytes(), page);
        QVERIFY(view->Encoding().raw);
        QVERIFY(Bar(view)->isVisibleTo(view->parentWidget()));
        QVERIFY(Bar(view)->findChild<QLabel*>()->text().contains(QStringLiteral("not valid UTF-8")));
        Type(view, view->TextLength(), QStringLiteral("x"));
        QVERIFY(doc->DoFileSave());
        QCOMPARE(UiFixture::Read(path), page + "x");

        // Reopened as the fallback, the page reads as letters.
        QVERIFY(ReopenWithEncoding(*doc, Windows1252Encoding()));
        QVERIFY(!view->Encoding().raw);
        QVERIFY(QString::fromUtf8(view->TextBytes()).contains(QStringLiteral("Café Ã©tÃ©")));
        QVERIFY(!doc->IsModified());
    }

    void reopenWithEncodingAsksFirstAboutUnsavedChanges() {
        UiFixture f;
        const QByteArray page = "<P>\xF0\xD2\xC9\xD7\xC5\xD4</P>"; // "Привет" in KOI8-R
        const QString path = f.Write(QStringLiteral("koi.html"), page);
        CQuorDoc* doc = f.Open(path);
        CQuorView* view = doc->View();
        QCOMPARE(view->Encoding().encoding->name, std::string_view("windows-1252"));
        Type(view, 0, QStringLiteral("x"));
        f.prompter.answers = {false};
        QVERIFY(!ReopenWithEncoding(*doc, *FindEncoding("KOI8-R")));
        QVERIFY(doc->IsModified());
        f.prompter.answers = {true};
        QVERIFY(ReopenWithEncoding(*doc, *FindEncoding("KOI8-R")));
        QCOMPARE(QString::fromUtf8(view->TextBytes()), QStringLiteral("<P>Привет</P>"));
        QVERIFY(!doc->IsModified());
        QCOMPARE(view->Encoding().rule, EncodingRule::Chosen);
        QVERIFY(doc->DoFileSave());
        QCOMPARE(UiFixture::Read(path), page);
    }

    void saveWithEncodingConvertsAndRewritesTheDeclaration() {
        UiFixture f;
        const QString path = f.Write(QStringLiteral("conv.html"), "<html><head><title>x</title></head><p>\xE9</p>");
        CQuorDoc* doc = f.Open(path);
        f.prompter.answers = {true}; // update the declaration
        QVERIFY(SaveWithEncoding(*doc, Utf8Encoding()));
        QCOMPARE(UiFixture::Read(path),
                 QByteArray("<html><head><meta charset=\"UTF-8\"><title>x</title></head><p>\xC3\xA9</p>"));
        QCOMPARE(doc->View()->Encoding().encoding->name, std::string_view("UTF-8"));
        QVERIFY(!doc->IsModified());
    }

    void aRecoveredWindows1252DocumentSavesInWindows1252() {
        UiFixture f;
        const QString path = f.Write(QStringLiteral("rec.html"), OldPage);
        CQuorDoc* doc = f.Open(path);
        Type(doc->View(), 3, QStringLiteral("ü"));
        RecoveryRecord record;
        record.encoding = EncodingField(doc->View()->Encoding());
        QCOMPARE(record.encoding, std::string("windows-1252"));
        const RecoveryParse parsed = ParseRecovery(RecoveryHeader(record, doc->View()->WholeTextBytes()) +
                                                   std::string(doc->View()->WholeTextBytes()));
        QVERIFY(parsed.record);
        QCOMPARE(parsed.record->encoding, record.encoding);
        // The editor went down; the next one takes the recovered text.
        qobject_cast<CChildFrame*>(doc->parent())->CloseWithoutAsking();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        CQuorDoc* recovered = f.Docs().OpenRecovered(path, QByteArray::fromStdString(parsed.record->text),
                                                     parsed.record->encoding);
        QVERIFY(recovered->IsModified());
        QVERIFY(recovered->DoFileSave());
        QCOMPARE(UiFixture::Read(path), QByteArray("<P>\xFC" "Caf\xE9 cr\xEApe \x93quoted\x94</P>\n"));
    }

    void insertedFilesAreDecodedAsPages() {
        UiFixture f;
        const QString latin = f.Write(QStringLiteral("part.html"), "na\xEFve");
        const QString sjis = f.Write(QStringLiteral("jp.html"), "<meta charset=shift_jis>\x93\xFA");
        CQuorView* view = f.NewView();
        QVERIFY(view->InsertFile(latin, false));
        QVERIFY(view->InsertFile(sjis, false));
        QCOMPARE(QString::fromUtf8(view->TextBytes()), QStringLiteral("<meta charset=shift_jis>日naïve"));
    }

    void previewFilesAreWrittenInTheDocumentsEncoding() {
        UiFixture f;
        const QString path = f.Write(QStringLiteral("pv.html"), OldPage);
        CQuorDoc* doc = f.Open(path);
        Type(doc->View(), 3, QStringLiteral("€✓"));
        const std::optional<std::string> url =
            f.app->Previews().Driver().WritePreview(doc->View()->Control(), path.toStdString(), &doc->View()->Encoding());
        QVERIFY(url);
        const QString file = QUrl(QString::fromStdString(*url)).toLocalFile();
        const QByteArray bytes = UiFixture::Read(file);
        QVERIFY2(bytes.contains("<P>\x80&#10003;Caf\xE9 cr\xEApe \x93quoted\x94</P>\n"), bytes.constData());
    }
};

QTEST_MAIN(EncodingTest)
#include "EncodingTest.moc"

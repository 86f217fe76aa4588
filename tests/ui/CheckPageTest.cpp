// Check Page in the editor: pages checked when opened and after typing pauses, never on a
// keystroke; the underlines, the Problems window, F8, the status bar, the version
// selection and the rules of the Options dialog.
#include "UiTestSupport.h"

#include "core/check/CheckSettings.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/menu/CommandIds.h"
#include "ui/app/CommandTable.h"
#include "ui/check/CheckHost.h"
#include "ui/check/CheckOptionsPage.h"
#include "ui/check/ProblemsDock.h"
#include "ui/check/ProblemsModel.h"
#include "ui/check/ViewChecks.h"
#include "ui/options/OptionsDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QToolTip>
#include <QTreeView>
#include <QtTest>

using namespace velto;
using namespace velto::test;

namespace {

const QByteArray Faulty = "<!DOCTYPE html>\n<html lang=\"en\"><head><title>t</title></head><body>\n"
                          "<div><span>open</div>\n"
                          "<p id=\"a\">one</p><p id=\"a\">two</p>\n"
                          "<img src=\"pic.png\">\n"
                          "</body></html>\n";

// Whether an indicator covers pos.
bool Marked(CQuorView& view, int indicator, int pos) {
    return view.SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT,
                              static_cast<unsigned long>(indicator), static_cast<long>(pos)) != 0;
}

std::vector<Rule> RulesOf(ViewChecks& checks) {
    std::vector<Rule> rules;
    for (const Problem& p : checks.Problems())
        rules.push_back(p.rule);
    return rules;
}

bool Has(ViewChecks& checks, Rule rule) {
    const std::vector<Rule> rules = RulesOf(checks);
    return std::find(rules.begin(), rules.end(), rule) != rules.end();
}

struct CheckFixture : UiFixture {
    CheckFixture() {
        app->Editor().autoCloseTags = false; // typing here types exactly what it says
        host = CheckHostOf(Frame());
    }
    // Opens a page and waits for its first check.
    ViewChecks* OpenChecked(const QString& name, const QByteArray& bytes) {
        CQuorDoc* doc = Open(Write(name, bytes));
        if (!doc)
            return nullptr;
        ViewChecks* checks = host->ChecksOf(doc->View());
        if (!checks || !QTest::qWaitFor([checks] { return checks->Checked(); }, 10000))
            return nullptr;
        return checks;
    }
    CheckHost* host = nullptr;
};

} // namespace

class CheckPageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void anOpenedPageIsCheckedAndUnderlinedBySeverity() {
        CheckFixture f;
        QVERIFY(f.host);
        f.Write(QStringLiteral("pic.png"), "png");
        ViewChecks* checks = f.OpenChecked(QStringLiteral("page.html"), Faulty);
        QVERIFY(checks);
        QVERIFY(Has(*checks, Rule::UnclosedElement));
        QVERIFY(Has(*checks, Rule::DuplicateId));
        QVERIFY(Has(*checks, Rule::MissingAttribute));
        QVERIFY(!Has(*checks, Rule::MissingFile)); // pic.png is beside the page
        CQuorView& view = checks->View();
        const int span = Faulty.indexOf("<span>");
        QVERIFY(Marked(view, ViewChecks::ErrorIndicator, span + 1));
        QVERIFY(!Marked(view, ViewChecks::ErrorIndicator, span - 2));
        QVERIFY(!Marked(view, ViewChecks::WarningIndicator, span + 1));
        // The tooltip over the underline gives the message.
        const int x = static_cast<int>(view.SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION,
                                                          0UL, static_cast<long>(span + 2)));
        const int y = static_cast<int>(view.SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION,
                                                          0UL, static_cast<long>(span + 2)));
        QHelpEvent help(QEvent::ToolTip, QPoint(x + 1, y + 2),
                        view.viewport()->mapToGlobal(QPoint(x + 1, y + 2)));
        QCoreApplication::sendEvent(view.viewport(), &help);
        QVERIFY2(QToolTip::text().contains(QStringLiteral("SPAN is never closed")),
                 qPrintable(QToolTip::text()));
        // The status bar counts the active page's problems.
        auto* counts = f.Frame().statusBar()->findChild<QLabel*>(QStringLiteral("ProblemCounts"));
        QVERIFY(counts);
        QCOMPARE(counts->text(), QStringLiteral("3 errors"));
    }

    void typingNeverWaitsForACheck() {
        CheckFixture f;
        ViewChecks* checks = f.OpenChecked(QStringLiteral("page.html"), Faulty);
        QVERIFY(checks);
        CQuorView& view = checks->View();
        view.SetSelection(0, 0);
        const std::uint64_t before = f.host->ChecksSubmitted();
        // Each key only notes its edit; no check is handed over while keys come.
        for (const QChar c : QStringLiteral("<p>typed text</p>")) {
            QTest::keyClicks(&view, QString(c));
            QCoreApplication::processEvents();
            QCOMPARE(f.host->ChecksSubmitted(), before);
        }
        // Half a second after the last key the page is checked once.
        QTRY_COMPARE_WITH_TIMEOUT(f.host->ChecksSubmitted(), before + 1, 5000);
        QTest::qWait(2 * CheckHost::PauseMs);
        QCOMPARE(f.host->ChecksSubmitted(), before + 1);
    }

    void aPageIsWithTheWorkerOnceAtATime() {
        CheckFixture f;
        ViewChecks* checks = f.OpenChecked(QStringLiteral("page.html"), Faulty);
        QVERIFY(checks);
        const std::uint64_t before = f.host->ChecksSubmitted();
        checks->CheckNow();
        // Asked again before the first came back: it waits for it, then goes out once.
        checks->CheckNow();
        checks->CheckNow();
        QCOMPARE(f.host->ChecksSubmitted(), before + 1);
        QTRY_COMPARE_WITH_TIMEOUT(f.host->ChecksSubmitted(), before + 2, 5000);
        QTest::qWait(300);
        QCOMPARE(f.host->ChecksSubmitted(), before + 2);
        QVERIFY(Has(*checks, Rule::DuplicateId));
    }

    void fixingAFaultByTypingTakesItsUnderlineAndRowAway() {
        CheckFixture f;
        ViewChecks* checks = f.OpenChecked(QStringLiteral("page.html"), Faulty);
        QVERIFY(checks);
        f.Frame().Commands().Run(CommandId::ToggleProblems);
        auto* dock = f.Frame().findChild<ProblemsDock*>();
        QVERIFY(dock && dock->isVisible());
        const int rows = dock->Model()->rowCount();
        QCOMPARE(rows, static_cast<int>(checks->Problems().size()));
        QVERIFY(dock->windowTitle().contains(QStringLiteral("3 errors")));
        CQuorView& view = checks->View();
        const int span = Faulty.indexOf("<span>");
        const int close = Faulty.indexOf("</div>");
        view.SetSelection(close, close);
        QTest::keyClicks(&view, QStringLiteral("</span>"));
        // Until the check comes back the underline stays where it was.
        QVERIFY(Marked(view, ViewChecks::ErrorIndicator, span + 1));
        QTRY_VERIFY_WITH_TIMEOUT(!Has(*checks, Rule::UnclosedElement), 5000);
        QVERIFY(!Marked(view, ViewChecks::ErrorIndicator, span + 1));
        QCOMPARE(dock->Model()->rowCount(), rows - 1);
        QVERIFY(dock->windowTitle().contains(QStringLiteral("2 errors")));
    }

    void problemsFollowEditsMadeSinceTheirCheck() {
        CheckFixture f;
        ViewChecks* checks = f.OpenChecked(QStringLiteral("page.html"), Faulty);
        QVERIFY(checks);
        const std::size_t span = static_cast<std::size_t>(Faulty.indexOf("<span>"));
        QCOMPARE(checks->Problems().front().start, span);
        CQuorView& view = checks->View();
        view.SetSelection(0, 0);
        QTest::keyClicks(&view, QStringLiteral("<!-- x -->"));
        // Before the next check the places move with the text.
        QCOMPARE(checks->Problems().front().start, span + 10);
    }

    void aLongLineIsCheckedAsTheDocumentHoldsIt() {
        // One line of 60 KB, shown broken: the check reads the document's bytes, and its
        // places are the document's, drawn where the view shows them.
        QByteArray line = "<!DOCTYPE html><html lang=\"en\"><head><title>t</title></head><body>";
        while (line.size() < 60000)
            line += "<p class=\"c\">some words of text</p>";
        const int duplicate = static_cast<int>(line.size());
        line += "<p id=\"a\">one</p><p id=\"a\">two</p></body></html>";
        CheckFixture f;
        ViewChecks* checks = f.OpenChecked(QStringLiteral("long.html"), line);
        QVERIFY(checks);
        CQuorView& view = checks->View();
        QVERIFY(view.ShowsBrokenLines());
        const auto duplicates = [checks] {
            std::vector<Problem> found;
            for (const Problem& p : checks->Problems())
                if (p.rule == Rule::DuplicateId)
                    found.push_back(p);
            return found;
        };
        QCOMPARE(duplicates().size(), 1u);
        const Problem problem = duplicates().front();
        f.Frame().Commands().Run(CommandId::ToggleProblems);
        auto* dock = f.Frame().findChild<ProblemsDock*>();
        QVERIFY(dock);
        for (int row = 0; row < dock->Model()->rowCount(); ++row)
            QCOMPARE(dock->Model()->index(row, ProblemsModel::LineColumn).data().toInt(), 1);
        const int second = static_cast<int>(line.indexOf("id=\"a\"", duplicate + 10));
        QVERIFY(problem.start <= static_cast<std::size_t>(second) && static_cast<std::size_t>(second) < problem.end);
        QVERIFY(Marked(view, ViewChecks::WarningIndicator, view.ShownPosition(second)) ||
                Marked(view, ViewChecks::ErrorIndicator, view.ShownPosition(second)));
        // An edit before the next check moves the places by what was typed, not by the
        // breaks the view put in.
        view.SetSelection(0, 0);
        QTest::keyClicks(&view, QStringLiteral("<!-- x -->"));
        QCOMPARE(duplicates().front().start, problem.start + 10);
        const std::uint64_t before = f.host->ChecksSubmitted();
        QTRY_VERIFY_WITH_TIMEOUT(f.host->ChecksSubmitted() > before, 5000);
        QTest::qWait(200);
        QCOMPARE(duplicates().front().start, problem.start + 10);
    }

    void clickingARowAndF8SelectTheProblems() {
        CheckFixture f;
        ViewChecks* checks = f.OpenChecked(QStringLiteral("page.html"), Faulty);
        QVERIFY(checks);
        CQuorView& view = checks->View();
        const std::vector<Problem> problems = checks->Problems();
        QVERIFY(problems.size() >= 3);
        f.Frame().Commands().Run(CommandId::ToggleProblems);
        auto* dock = f.Frame().findChild<ProblemsDock*>();
        dock->Go(1, false);
        QCOMPARE(view.SelectionStart(), static_cast<int>(problems[1].start));
        QCOMPARE(view.SelectionEnd(), static_cast<int>(problems[1].end));

        view.SetSelection(0, 0);
        CommandTable& commands = f.Frame().Commands();
        QVERIFY(commands.Run(CommandId::NextProblem));
        QCOMPARE(view.SelectionStart(), static_cast<int>(problems[0].start));
        QVERIFY(commands.Run(CommandId::NextProblem));
        QCOMPARE(view.SelectionStart(), static_cast<int>(problems[1].start));
        QVERIFY(commands.Run(CommandId::PreviousProblem));
        QCOMPARE(view.SelectionStart(), static_cast<int>(problems[0].start));
        // Before the first, Shift+F8 goes round to the last.
        QVERIFY(commands.Run(CommandId::PreviousProblem));
        QCOMPARE(view.SelectionStart(), static_cast<int>(problems.back().start));
        // The keys are the menu's: F8 from the view.
        view.SetSelection(0, 0);
        view.setFocus();
        QTest::keyClick(&view, Qt::Key_F8);
        QCOMPARE(view.SelectionStart(), static_cast<int>(problems[0].start));
        QTest::keyClick(&view, Qt::Key_F8, Qt::ShiftModifier);
        QCOMPARE(view.SelectionStart(), static_cast<int>(problems.back().start));
    }

    void aNewVersionSelectionChecksEveryPageAgain() {
        CheckFixture f;
        const QByteArray old =
            "<!DOCTYPE html>\n<html lang=\"en\"><title>t</title><font>old</font></html>\n";
        ViewChecks* first = f.OpenChecked(QStringLiteral("one.html"), old);
        ViewChecks* second = f.OpenChecked(QStringLiteral("two.html"), old);
        QVERIFY(first && second);
        // Every version is selected at first: FONT is fine.
        QVERIFY(!Has(*first, Rule::ElementVersion));
        for (HtmlVer& v : f.app->Html().versions)
            v.state = v.mask == VersionBits::Html5 ? VersionState::AnyOf : 0;
        f.app->KnowledgeBase().RebuildAllowed();
        QTRY_VERIFY_WITH_TIMEOUT(
            Has(*first, Rule::ElementVersion) && Has(*second, Rule::ElementVersion), 5000);
    }

    void theOptionsDialogSwitchesRulesAndCheckingOff() {
        CheckFixture f;
        ViewChecks* checks = f.OpenChecked(QStringLiteral("page.html"), Faulty);
        QVERIFY(checks);
        {
            OptionsDialog dialog(*f.app, &f.Frame());
            CheckOptionsPage* page = dialog.Checking();
            QVERIFY(page);
            QListWidget* rules = page->RuleList();
            rules->item(static_cast<int>(Rule::DuplicateId))->setCheckState(Qt::Unchecked);
            dialog.accept();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!Has(*checks, Rule::DuplicateId), 5000);
        QVERIFY(Has(*checks, Rule::UnclosedElement));
        QCOMPARE(QString::fromStdString(
                     f.profile->GetString(CheckSettings::Section, "DisabledRules", "")),
                 QStringLiteral("duplicate-id"));
        {
            OptionsDialog dialog(*f.app, &f.Frame());
            QVERIFY(!dialog.Checking()
                         ->RuleList()
                         ->item(static_cast<int>(Rule::DuplicateId))
                         ->checkState());
            dialog.Checking()->CheckPages()->setChecked(false);
            dialog.accept();
        }
        QVERIFY(checks->Problems().empty());
        QVERIFY(!Marked(checks->View(), ViewChecks::ErrorIndicator, Faulty.indexOf("<span>") + 1));
        const std::uint64_t before = f.host->ChecksSubmitted();
        QTest::keyClicks(&checks->View(), QStringLiteral("x"));
        QTest::qWait(2 * CheckHost::PauseMs);
        QCOMPARE(f.host->ChecksSubmitted(), before);
    }
};

QTEST_MAIN(CheckPageTest)
#include "CheckPageTest.moc"

// The Report Problem dialog in the running editor: the saved fields loaded, the report
// written where the save dialog says with the chosen detail, the fields and the next
// name stored, and a folder that cannot be written keeping the dialog open.
#include "UiTestSupport.h"

#include "core/colouring/AppearanceSettings.h"
#include "core/menu/CommandIds.h"
#include "core/support/CProblemReport.h"
#include "ui/support/ProbReportDlg.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>

#include <Qsci/qsciglobal.h>

#include <clocale>
#include <ctime>

using namespace velto;
using namespace velto::test;

namespace {
// Whether the C library names months in German, as the program then runs.
bool GermanTimeLocale() {
    std::tm december{};
    december.tm_mon = 11;
    december.tm_mday = 1;
    december.tm_year = 126;
    char name[64];
    return std::strftime(name, sizeof name, "%B", &december) > 0 && std::string(name) == "Dezember";
}
} // namespace

class ProblemReportTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void savesTheReportAndRemembersTheFields() {
        UiFixture f([](MemoryProfile& p) {
            p.WriteString("Problem Report", "Email", "ada@example.org");
            p.WriteString("Problem Report", "PostalAddress00", "1 Lane");
            p.WriteString("Problem Report", "PostalAddress01", "Town");
            p.WriteString("Problem Report", "PostalAddress02", "$$MlPdOnE$$");
        });
        QAction* command = f.Frame().Action(CommandId::ReportProblem);
        QVERIFY(command);
        QCOMPARE(command->text(), QStringLiteral("&Report Problem..."));
        QCOMPARE(command->statusTip(), QStringLiteral("Report a problem or provide feedback and request new features"));

        ProbReportDlg dialog(*f.app, &f.Frame());
        dialog.show();
        QCOMPARE(dialog.Field("Email")->text(), QStringLiteral("ada@example.org"));
        QCOMPARE(dialog.PostalAddress()->toPlainText(), QStringLiteral("1 Lane\nTown"));
        QVERIFY(dialog.DetailButton(0)->isChecked());

        const QString longLine = QString(200, QLatin1Char('w')) + QStringLiteral(" \u00e9t\u00e9");
        dialog.Description()->setPlainText(QStringLiteral("It fails.\n") + longLine);
        dialog.Field("FirstName")->setText(QStringLiteral("Ada"));
        dialog.DetailButton(2)->setChecked(true);
        std::vector<FileDialogRequest> asked;
        const QString path = f.dir.filePath(QStringLiteral("prep01.txt"));
        dialog.Chooser().hook = [&](const FileDialogRequest& r) {
            asked.push_back(r);
            return std::optional<std::string>(path.toStdString());
        };
        dialog.SaveButton()->click();
        QCOMPARE(asked.size(), std::size_t{1});
        QCOMPARE(asked[0].title, std::string("Choose A Report File Name"));
        QCOMPARE(asked[0].fileName, std::string("prep01.txt"));
        QCOMPARE(f.prompter.messages, std::vector<std::string>{ReportSavedMessage});
        QVERIFY(!dialog.isVisible());

        const QByteArray report = UiFixture::Read(path);
        QVERIFY(report.startsWith("#"));
        QVERIFY(report.contains(" Velto Problem Report (Detailed) "));
        QVERIFY(report.contains("First Name : Ada\r\n"));
        QVERIFY(report.contains("Address    : \r\n1 Lane\r\nTown\r\n"));
        QVERIFY(report.contains(QStringLiteral("It fails.\r\n%1\r\n").arg(longLine).toUtf8()));
        QVERIFY(report.contains("Contents of file os-release"));
        // The date in its English form, though the test runs in a German time locale.
        QVERIFY2(GermanTimeLocale(), "the test runs without its German LC_TIME");
        QVERIFY(QRegularExpression(QStringLiteral("\r\nDate       : [0-3][0-9] (January|February|March|April|May|June|"
                                                  "July|August|September|October|November|December) [0-9]{4} at "
                                                  "[01][0-9]:[0-5][0-9] (AM|PM)\r\n"))
                    .match(QString::fromUtf8(report))
                    .hasMatch());
        // What a maintainer needs of this desktop: the libraries, the display, the fonts.
        const QString text = QString::fromUtf8(report);
        QVERIFY(text.contains(QStringLiteral("Qt Platform: offscreen (Qt %1)\r\n").arg(QString::fromLatin1(qVersion()))));
        QVERIFY(text.contains(QStringLiteral("Qt         : %1 (built with " QT_VERSION_STR ")\r\n").arg(QString::fromLatin1(qVersion()))));
        QVERIFY(text.contains(QStringLiteral("QScintilla : " QSCINTILLA_VERSION_STR "\r\n")));
        QVERIFY(text.contains(QStringLiteral("WebEngine  : not loaded in this run\r\n")));
        QVERIFY(text.contains(QStringLiteral("Display    : none (offscreen plug-in")));
        QVERIFY(text.contains(QStringLiteral("Desktop    : ")));
        QVERIFY(text.contains(QStringLiteral("Settings   : kept in memory only\r\n")));
        const CRecCharFormat& face = f.app->Appearance().Class(AppearanceClass::Text);
        QVERIFY(text.contains(QStringLiteral("Fonts      : Editor text: \"%1\" %2 pt")
                                  .arg(QString::fromStdString(face.faceName))
                                  .arg(face.HeightInPoints())));
        QVERIFY(text.contains(QStringLiteral("           : Window: \"")));

        // The next report proposes the next name in the same folder, with the same fields.
        ProbReportDlg next(*f.app, &f.Frame());
        QCOMPARE(next.Description()->toPlainText(), QStringLiteral("It fails.\n") + longLine);
        QCOMPARE(next.Field("FirstName")->text(), QStringLiteral("Ada"));
        CProblemReport stored(*f.profile);
        QCOMPARE(stored.ProposedName(), std::string("prep02.txt"));
        QCOMPARE(QString::fromStdString(stored.LastFolder()), f.dir.path());
    }

    void aFolderThatCannotBeWrittenKeepsTheDialog() {
        UiFixture f;
        ProbReportDlg dialog(*f.app, &f.Frame());
        dialog.show();
        int asked = 0;
        dialog.Chooser().hook = [&](const FileDialogRequest&) {
            ++asked;
            return std::optional<std::string>(f.dir.filePath(QStringLiteral("gone/r.txt")).toStdString());
        };
        dialog.SaveButton()->click();
        QCOMPARE(asked, 1);
        QCOMPARE(f.prompter.messages, std::vector<std::string>{CannotOpenReportMessage});
        QVERIFY(dialog.isVisible());
        QVERIFY(!f.profile->Has("Problem Report", "NextReport"));

        // Cancelling the save dialog writes and stores nothing either.
        dialog.Chooser().hook = [](const FileDialogRequest&) { return std::optional<std::string>(); };
        dialog.SaveButton()->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(f.prompter.messages.size(), std::size_t{1});
    }
};

QTEST_MAIN(ProblemReportTest)
#include "ProblemReportTest.moc"

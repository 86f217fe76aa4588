// The tip of the day in the running editor: shown after the main window at start-up when
// tips are on, its text on white, "^" lines, the next tip, and the start-up box.
#include "UiTestSupport.h"

#include "core/menu/CommandIds.h"
#include "ui/support/CTipDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

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

class TipTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tipsShowAtStartUpAndFollowEachOther() {
        QTemporaryDir dir;
        const QString tips = dir.filePath(QStringLiteral("tips.txt"));
        QFile file(tips);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("; my tips\nFirst tip.\nA tip^\nof three^\nlines.\n");
        file.close();
        UiFixture f([&](MemoryProfile& p) {
            p.WriteInt("Tip", "StartUp", 0);
            p.WriteString("Tip", "LastTipsFile", tips.toStdString());
        });
        CTipDlg* shown = nullptr;
        QTRY_VERIFY((shown = f.Frame().findChild<CTipDlg*>()) != nullptr);
        QVERIFY(shown->isVisible());
        QCOMPARE(shown->TipText()->text(), QStringLiteral("First tip."));
        QCOMPARE(shown->TipText()->palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(shown->ShowAtStartUp()->isChecked());
        shown->NextTip()->click();
        QCOMPARE(shown->TipText()->text(), QStringLiteral("A tip\nof three\nlines."));
        shown->ShowAtStartUp()->setChecked(false);
        shown->accept();
        QTRY_VERIFY(f.Frame().findChild<CTipDlg*>() == nullptr);
        QCOMPARE(f.profile->GetInt("Tip", "StartUp", 0), 1);
        // The file's time stamp keeps its English calendar form in the German time locale
        // the test runs in (set for it by the build).
        QVERIFY2(GermanTimeLocale(), "the test runs without its German LC_TIME");
        const QString stamp = QString::fromStdString(f.profile->GetString("Tip", "TimeStamp", ""));
        QVERIFY2(QRegularExpression(QStringLiteral("^(Mon|Tue|Wed|Thu|Fri|Sat|Sun) (Jan|Feb|Mar|Apr|May|Jun|Jul|"
                                                   "Aug|Sep|Oct|Nov|Dec) [ 1-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-6][0-9] "
                                                   "[0-9]{4}$"))
                     .match(stamp)
                     .hasMatch(),
                 qPrintable(stamp));

        // The Help menu's command shows the next one; the first follows the last.
        CTipDlg again(*f.app, &f.Frame());
        QCOMPARE(again.TipText()->text(), QStringLiteral("First tip."));
        QVERIFY(!again.ShowAtStartUp()->isChecked());
        QVERIFY(f.Frame().Action(CommandId::TipOfTheDay));
        QCOMPARE(f.Frame().Action(CommandId::TipOfTheDay)->statusTip(), QStringLiteral("Shows a tip about using Velto"));
    }

    void noTipAtStartUpWhenTurnedOff() {
        UiFixture f; // the fixture turns tips off
        QTest::qWait(50);
        QVERIFY(f.Frame().findChild<CTipDlg*>() == nullptr);
        QVERIFY(f.prompter.messages.empty());
    }
};

QTEST_MAIN(TipTest)
#include "TipTest.moc"

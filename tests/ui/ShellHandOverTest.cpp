// Two real starts of the built program: the second hands its files to the first and ends;
// and the command-line answers that end a start at once (version, printing, embedding).
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString Program() {
    const QByteArray env = qgetenv("VELTO_PROGRAM");
    if (!env.isEmpty())
        return QString::fromLocal8Bit(env);
    // The tests sit in tests/ui of the build tree, the program at its top.
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../../velto"));
}

// A start of the program, offscreen, with its own profile and instance name.
struct Start {
    Start(const QTemporaryDir& dir, const QStringList& args, const QString& workDir = QString()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("VELTO_PROFILE"), dir.filePath(QStringLiteral("profile.ini")));
        env.insert(QStringLiteral("VELTO_INSTANCE"), dir.filePath(QStringLiteral("instance")));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(workDir.isEmpty() ? dir.path() : workDir);
        process.start(Program(), args);
    }
    ~Start() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    QProcess process;
};

QStringList RecentFiles(const QTemporaryDir& dir) {
    QSettings ini(dir.filePath(QStringLiteral("profile.ini")), QSettings::IniFormat);
    QStringList files;
    for (int i = 1; i <= 8; ++i) {
        const QString file = ini.value(QStringLiteral("Recent File List/File%1").arg(i)).toString();
        if (!file.isEmpty())
            files << file;
    }
    return files;
}

QString Write(const QTemporaryDir& dir, const QString& name) {
    QFile f(dir.filePath(name));
    f.open(QIODevice::WriteOnly);
    f.write("<html><body>x</body></html>\n");
    return f.fileName();
}

} // namespace

class ShellHandOverTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(QFileInfo(Program()).isExecutable(), qPrintable(Program() + " is not built"));
    }

    void secondStartHandsItsFilesToTheFirstAndEnds() {
        QTemporaryDir dir;
        const QString first = Write(dir, QStringLiteral("first.html"));
        const QString spaced = Write(dir, QStringLiteral("two words.html"));
        const QString third = Write(dir, QStringLiteral("third.html"));
        Start one(dir, {first});
        QVERIFY(one.process.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(RecentFiles(dir).contains(first), 20000);

        // Relative names, read in the folder of the start that named them (not the first
        // one's); one with a blank given unquoted as two words.
        const QString elsewhere = dir.filePath(QStringLiteral("elsewhere"));
        QVERIFY(QDir().mkpath(elsewhere));
        Start two(dir, {QStringLiteral("../two"), QStringLiteral("words.html")}, elsewhere);
        QVERIFY(two.process.waitForFinished(20000));
        QCOMPARE(two.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(two.process.exitCode(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(RecentFiles(dir).contains(spaced), 20000);

        Start three(dir, {QStringLiteral("../third.html")}, elsewhere);
        QVERIFY(three.process.waitForFinished(20000));
        QCOMPARE(three.process.exitCode(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(RecentFiles(dir).contains(third), 20000);
        // The first instance is still the one running.
        QCOMPARE(one.process.state(), QProcess::Running);
    }

    void versionAndHelpAnswerAndEnd() {
        QTemporaryDir dir;
        Start version(dir, {QStringLiteral("--version")});
        QVERIFY(version.process.waitForFinished(20000));
        QCOMPARE(version.process.exitCode(), 0);
        QCOMPARE(version.process.readAllStandardOutput().trimmed(),
                 QByteArray("velto ") + VELTO_VERSION);
        Start help(dir, {QStringLiteral("--help")});
        QVERIFY(help.process.waitForFinished(20000));
        QCOMPARE(help.process.exitCode(), 0);
        QVERIFY(help.process.readAllStandardOutput().startsWith("Usage: velto"));
    }

    void embeddingEndsWithStatusTwo() {
        QTemporaryDir dir;
        Start embedded(dir, {QStringLiteral("-Embedding")});
        QVERIFY(embedded.process.waitForFinished(20000));
        QCOMPARE(embedded.process.exitCode(), 2);
        QVERIFY(embedded.process.readAllStandardError().contains("-Embedding"));
    }

    void printingEndsWithoutLeavingAWindow() {
        QTemporaryDir dir;
        const QString page = Write(dir, QStringLiteral("page.html"));
        Start print(dir, {QStringLiteral("-p"), page});
        QVERIFY(print.process.waitForFinished(30000));
        // Printed (0), or told on standard error that no printer is there (3).
        const int code = print.process.exitCode();
        QVERIFY2(code == 0 || code == 3, qPrintable(QString::number(code)));
        if (code == 3)
            QVERIFY(print.process.readAllStandardError().contains("no printer"));
    }
};

QTEST_GUILESS_MAIN(ShellHandOverTest)
#include "ShellHandOverTest.moc"

// The settings file: values of every kind survive a round trip through QSettings.
#include "core/config/HtmlConfig.h"
#include "ui/platform/QtProfile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace velto;

class ProfileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void valuesRoundTripThroughTheFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("velto.conf"));
        {
            QtProfile p(path);
            QVERIFY(p.WriteInt("Settings", "MaxColouringInsert", 1234));
            QVERIFY(p.WriteInt("Appearance", "Anchor Tag TextColour", static_cast<int>(0xFF0000u)));
            QVERIFY(p.WriteInt("Appearance", "Structure/Layout Height", -12));
            QVERIFY(p.WriteString("Settings", "MainWindow", "0,1,-1,-1,-1,-1,10,10,600,400"));
            QVERIFY(p.WriteString("Odd", "Back\\slash", "a/b\\c"));
            QVERIFY(p.WriteBinary("Printing Settings", "Page Margins", Bytes{1, 0, 0, 0, 0xFF}));
        }
        QtProfile p(path);
        QCOMPARE(p.GetInt("Settings", "MaxColouringInsert", 5), 1234);
        QCOMPARE(p.GetInt("Appearance", "Anchor Tag TextColour", 0), 0xFF0000);
        QCOMPARE(p.GetInt("Appearance", "Structure/Layout Height", 0), -12);
        QCOMPARE(p.GetString("Settings", "MainWindow", ""), std::string("0,1,-1,-1,-1,-1,10,10,600,400"));
        QCOMPARE(p.GetString("Odd", "Back\\slash", ""), std::string("a/b\\c"));
        QCOMPARE(*p.GetBinary("Printing Settings", "Page Margins"), (Bytes{1, 0, 0, 0, 0xFF}));
        // Missing values give the caller's default; a block is not a string or a number.
        QCOMPARE(p.GetInt("Settings", "Absent", 77), 77);
        QCOMPARE(p.GetString("Printing Settings", "Page Margins", "d"), std::string("d"));
        QVERIFY(!p.GetBinary("Settings", "MainWindow"));
        QCOMPARE(p.GetInt("Settings", "MainWindow", 3), 3);
    }

    void handEditedValuesAreReadSensibly() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("hand.conf"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[HTML%20Configuration]\nHtmlVerSetting00=HTML v3.2, 1\nUserNameType= 1 \n"
                "VgaColoursOnMenu=yes\nHtmlVerSetting01=<end>\n");
        f.close();
        QtProfile p(path);
        QCOMPARE(p.GetString("HTML Configuration", "HtmlVerSetting00", ""), std::string("HTML v3.2,1"));
        QCOMPARE(p.GetInt("HTML Configuration", "UserNameType", 2), 1);
        QCOMPARE(p.GetInt("HTML Configuration", "VgaColoursOnMenu", 9), 9);
        CHtmlConfig h;
        h.Load(p);
        QCOMPARE(h.versions[1].state, 1u);
        QCOMPARE(h.userNameType, 1);
    }

    void environmentVariableNamesTheFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("env.conf"));
        qputenv("VELTO_PROFILE", path.toLocal8Bit());
        QtProfile p;
        QCOMPARE(p.FileName(), path);
        QVERIFY(p.WriteInt("Settings", "MruFiles", 4));
        p.Sync();
        QVERIFY(QFile::exists(path));
    }
};

QTEST_MAIN(ProfileTest)
#include "ProfileTest.moc"

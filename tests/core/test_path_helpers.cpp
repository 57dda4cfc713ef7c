#include "core/PathHelpers.h"
#include "core/Reporter.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace vestrona;
using vestrona::test::TempFolder;

class TestPathHelpers : public QObject {
    Q_OBJECT

private slots:
    void fixPathSlashes_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("run of four leaves two") << "/home/a////b" << "/home/a//b";
        QTest::newRow("run of three leaves two") << "/home/a///b" << "/home/a//b";
        QTest::newRow("pair") << "/home/a//b.txt" << "/home/a/b.txt";
        QTest::newRow("relative run of four") << "a////b" << "a//b";
        QTest::newRow("relative run of three") << "a///b" << "a//b";
        QTest::newRow("leading run") << "///home//a" << "/home/a";
        QTest::newRow("single leading") << "/home/a" << "/home/a";
        QTest::newRow("only separators") << "////" << "/";
        QTest::newRow("trailing pair") << "a//" << "a/";
        QTest::newRow("empty") << "" << "";
    }
    void fixPathSlashes()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(FixPathSlashes(path), expected);
    }

    void fileNameFromPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("full path") << "/home/user/backup.rem.txt" << "backup.rem.txt";
        QTest::newRow("bare name") << "backup.txt" << "backup.txt";
        QTest::newRow("folder path") << "/home/user/" << "";
        QTest::newRow("empty") << "" << "";
    }
    void fileNameFromPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(FileNameFromPath(path), expected);
    }

    void joinPathAddsOneSeparator()
    {
        QCOMPARE(joinPath(QStringLiteral("/opt/v"), QString::fromLatin1(kAlarmFileName)), QStringLiteral("/opt/v/alarm.wav"));
        QCOMPARE(joinPath(QStringLiteral("/"), QString::fromLatin1(kDatabaseFileName)), QStringLiteral("/dbReminders.mdb"));
    }

    void existenceAndListing()
    {
        TempFolder folder;
        QFile plain(folder.file(QStringLiteral("alarm.wav")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QFile hidden(folder.file(QStringLiteral(".hidden.wav")));
        QVERIFY(hidden.open(QIODevice::WriteOnly));
        hidden.close();
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub")));

        QVERIFY(FileExists(plain.fileName()));
        QVERIFY(FileExists(hidden.fileName()));
        QVERIFY(FileExists(folder.file(QStringLiteral("sub"))));
        QVERIFY(!FileExists(folder.file(QStringLiteral("missing.wav"))));
        QVERIFY(!FileExists(QString()));
        QVERIFY(!FileExists(QString(QChar(0)) + QStringLiteral("x")));

        QVERIFY(listingFindsFile(plain.fileName()));
        QVERIFY(!listingFindsFile(hidden.fileName()));
        QVERIFY(!listingFindsFile(folder.file(QStringLiteral("sub"))));
        QVERIFY(!listingFindsFile(folder.file(QStringLiteral("missing.wav"))));
        QVERIFY(!listingFindsFile(QString()));
    }

    void shortTitle_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("three short words") << "Tolvane Vestrona Reminder" << "Tolvane Vestrona";
        QTest::newRow("two words") << "Tolvane Vestrona" << "Tolvane";
        QTest::newRow("one word kept whole") << "Vestrona" << "Vestrona";
        QTest::newRow("empty") << "" << "";
        // 50 characters: dropping "words" leaves 44, then "eight" leaves 38.
        QTest::newRow("fifty characters") << "Vestrona reminder tool for busy people eight words"
                                          << "Vestrona reminder tool for busy people";
    }
    void shortTitle()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        const QString title = shortTitleFor(name);
        QCOMPARE(title, expected);
        QVERIFY(title.size() <= 40);
    }

    void appTitleKeepsOneWordProductName()
    {
        QCOMPARE(appTitle(), QString::fromLatin1(kProductName));
    }

    void applicationErrorTextIsExact()
    {
        QCOMPARE(applicationErrorText({QStringLiteral("The file could not be read."), QStringLiteral("Form1.Timer2"), 104}),
                 QStringLiteral("The file could not be read.\r\nin Vestrona2021/08/31.Form1.Timer2 at line 104\r\r"
                                "Please email screenshot of this message to support@tolvane.example"));
    }
};

QTEST_GUILESS_MAIN(TestPathHelpers)
#include "test_path_helpers.moc"

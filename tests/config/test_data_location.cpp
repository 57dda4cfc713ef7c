// Which reminder database a start uses, over throw-away folder layouts: a
// program folder, a data home and the installed share folder.
#include "core/AppError.h"
#include "config/DataLocation.h"
#include "config/Settings.h"
#include "tests/support/Fakes.h"
#include "tests/support/Files.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace vestrona;
using namespace vestrona::test;

namespace {

const QByteArray kShippedDatabase = QByteArrayLiteral("the shipped empty database");
const QByteArray kUsersReminders = QByteArrayLiteral("a user's reminders");

struct Layout {
    TempFolder root;
    MemorySettings settings;
    DataLocation::Folders folders{root.file(QStringLiteral("bin")), root.file(QStringLiteral("data")),
                                  root.file(QStringLiteral("share/vestrona"))};

    Layout()
    {
        QDir().mkpath(folders.program);
        QDir().mkpath(folders.shared);
        writeFile(sharedDatabase(), kShippedDatabase);
    }
    QString besideDatabase() const { return folders.program + QStringLiteral("/dbReminders.mdb"); }
    QString userDatabase() const { return folders.dataHome + QStringLiteral("/vestrona/dbReminders.mdb"); }
    QString sharedDatabase() const { return folders.shared + QStringLiteral("/dbReminders.mdb"); }
    QString madeSetting() const { return settings.values.value(QString::fromLatin1(SettingKey::UserDatabase)); }
    DataLocation location() { return DataLocation(folders, settings); }
};

enum class Picked { Beside, User };

} // namespace

Q_DECLARE_METATYPE(Picked)

class TestDataLocation : public QObject {
    Q_OBJECT

private slots:
    void picksTheDatabase_data()
    {
        QTest::addColumn<bool>("besideExists");
        QTest::addColumn<bool>("userExists");
        QTest::addColumn<QString>("madeBefore"); // "user": this data home's; "other": another one's
        QTest::addColumn<Picked>("picked");
        QTest::addColumn<QByteArray>("userAfter"); // empty: no user database afterwards

        QTest::newRow("portable copy") << true << false << "" << Picked::Beside << QByteArray();
        QTest::newRow("portable copy beats the user's") << true << true << "user" << Picked::Beside << kUsersReminders;
        QTest::newRow("first start makes it") << false << false << "" << Picked::User << kShippedDatabase;
        QTest::newRow("made before under another data home") << false << false << "other" << Picked::User
                                                              << kShippedDatabase;
        QTest::newRow("a user's own is never replaced") << false << true << "" << Picked::User << kUsersReminders;
        QTest::newRow("made before and gone stays gone") << false << false << "user" << Picked::User << QByteArray();
    }

    void picksTheDatabase()
    {
        QFETCH(bool, besideExists);
        QFETCH(bool, userExists);
        QFETCH(QString, madeBefore);
        QFETCH(Picked, picked);
        QFETCH(QByteArray, userAfter);
        Layout layout;
        if (besideExists)
            writeFile(layout.besideDatabase(), kUsersReminders);
        if (userExists) {
            QVERIFY(QDir().mkpath(QFileInfo(layout.userDatabase()).path()));
            writeFile(layout.userDatabase(), kUsersReminders);
        }
        const QString earlier = madeBefore == QLatin1String("user") ? layout.userDatabase()
                                : madeBefore.isEmpty()                ? QString()
                                                                      : layout.root.file(QStringLiteral("old/db"));
        if (!earlier.isEmpty())
            layout.settings.SaveSetting(QString::fromLatin1(SettingKey::UserDatabase), earlier);
        const QString expected = picked == Picked::Beside ? layout.besideDatabase() : layout.userDatabase();

        // Asking which file is used changes nothing.
        QCOMPARE(layout.location().files().database, expected);
        QCOMPARE(QFileInfo::exists(layout.userDatabase()), userExists);

        QCOMPARE(layout.location().prepare().database, expected);
        QCOMPARE(readFile(layout.userDatabase()), userAfter);
        QCOMPARE(QFileInfo::exists(layout.userDatabase()), !userAfter.isEmpty());
        if (besideExists)
            QCOMPARE(readFile(layout.besideDatabase()), kUsersReminders);
        const bool madeNow = !userExists && !userAfter.isEmpty();
        QCOMPARE(layout.madeSetting(), madeNow ? layout.userDatabase() : earlier);
        QCOMPARE(readFile(layout.sharedDatabase()), kShippedDatabase);
    }

    void secondStartLeavesTheMadeDatabaseAlone()
    {
        Layout layout;
        layout.location().prepare();
        writeFile(layout.userDatabase(), kUsersReminders);
        QCOMPARE(layout.location().prepare().database, layout.userDatabase());
        QCOMPARE(readFile(layout.userDatabase()), kUsersReminders);
    }

    void copyOfAReadOnlyTemplateIsTheUsers()
    {
        Layout layout;
        QVERIFY(QFile::setPermissions(layout.sharedDatabase(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        layout.location().prepare();
        QCOMPARE(readFile(layout.userDatabase()), kShippedDatabase);
        QVERIFY(QFileInfo(layout.userDatabase()).permissions() & QFile::WriteOwner);
        // Only the database itself is left in the folder.
        QCOMPARE(QDir(QFileInfo(layout.userDatabase()).path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("dbReminders.mdb")});
    }

    void badLayoutsGiveOneMessageNamingThePath_data()
    {
        QTest::addColumn<QString>("dataHome");     // relative to the root, or absolute
        QTest::addColumn<QString>("blockingFile"); // made as a plain file, relative to the root
        QTest::addColumn<bool>("templateThere");
        QTest::addColumn<QString>("named");        // the path the message must name, relative to the root

        QTest::newRow("data home is a file") << "data" << "data" << true << "data/vestrona";
        QTest::newRow("a file where the folder should be") << "data" << "data/vestrona" << true << "data/vestrona";
        QTest::newRow("data home cannot be written") << "/proc/vestrona-test" << "" << true
                                                     << "/proc/vestrona-test/vestrona";
        QTest::newRow("shipped database missing") << "data" << "" << false << "share/vestrona/dbReminders.mdb";
        QTest::newRow("shipped database is a folder") << "data" << "share/vestrona/dbReminders.mdb/x" << false
                                                      << "share/vestrona/dbReminders.mdb";
    }

    void badLayoutsGiveOneMessageNamingThePath()
    {
        QFETCH(QString, dataHome);
        QFETCH(QString, blockingFile);
        QFETCH(bool, templateThere);
        QFETCH(QString, named);
        Layout layout;
        const auto inRoot = [&](const QString &path) {
            return QDir::isAbsolutePath(path) ? path : layout.root.file(path);
        };
        layout.folders.dataHome = inRoot(dataHome);
        if (!templateThere)
            QVERIFY(QFile::remove(layout.sharedDatabase()));
        if (!blockingFile.isEmpty()) {
            QVERIFY(QDir().mkpath(QFileInfo(inRoot(blockingFile)).path()));
            writeFile(inRoot(blockingFile), kUsersReminders);
        }

        try {
            layout.location().prepare();
            QFAIL("no error for a database that cannot be made");
        } catch (const AppError &e) {
            QVERIFY2(e.description().contains(inRoot(named)), qPrintable(e.description()));
        }
        if (!blockingFile.isEmpty())
            QCOMPARE(readFile(inRoot(blockingFile)), kUsersReminders);
        QVERIFY(!QFileInfo::exists(layout.userDatabase()));
        QCOMPARE(layout.madeSetting(), QString());
    }

    // The installed programs in <prefix>/bin find <prefix>/share/vestrona,
    // under any prefix and DESTDIR.
    void foldersOfAProgramFollowTheInstallLayout()
    {
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", "/srv/ann/data");
        const DataLocation::Folders absolute = DataLocation::forProgram(QStringLiteral("/tmp/root/usr/bin"));
        qputenv("XDG_DATA_HOME", "relative/data");
        const DataLocation::Folders relative = DataLocation::forProgram(QStringLiteral("/opt/v/bin"));
        qputenv("XDG_DATA_HOME", saved);

        QCOMPARE(absolute.program, QStringLiteral("/tmp/root/usr/bin"));
        QCOMPARE(absolute.dataHome, QStringLiteral("/srv/ann/data"));
        QCOMPARE(absolute.shared, QStringLiteral("/tmp/root/usr/share/vestrona"));
        QCOMPARE(relative.dataHome, QDir::homePath() + QStringLiteral("/.local/share"));
        QCOMPARE(relative.shared, QStringLiteral("/opt/v/share/vestrona"));
    }

    void defaultAlarmBesideTheProgramWins_data()
    {
        QTest::addColumn<bool>("besideExists");
        QTest::addColumn<QString>("expected");
        QTest::newRow("beside the program") << true << "bin/alarm.wav";
        QTest::newRow("installed") << false << "share/vestrona/alarm.wav";
    }

    void defaultAlarmBesideTheProgramWins()
    {
        QFETCH(bool, besideExists);
        QFETCH(QString, expected);
        Layout layout;
        writeFile(layout.folders.shared + QStringLiteral("/alarm.wav"), "RIFF");
        if (besideExists)
            writeFile(layout.folders.program + QStringLiteral("/alarm.wav"), "RIFF");
        QCOMPARE(layout.location().files().defaultAlarm, layout.root.file(expected));
    }
};

QTEST_GUILESS_MAIN(TestDataLocation)
#include "test_data_location.moc"

#include "core/AppError.h"
#include "formats/DateFormats.h"
#include "config/Settings.h"
#include "tests/support/Files.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTest>

#include <sys/stat.h>

using namespace vestrona;
using vestrona::test::TempFolder;
using vestrona::test::readFile;
using vestrona::test::writeFile;

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void freshFolderGivesDefaults()
    {
        TempFolder folder;
        const IniSettingsStore store(folder.path());
        QCOMPARE(store.filePath(), folder.path() + QStringLiteral("/Tolvane.ini"));
        QCOMPARE(store.GetSetting(SettingKey::Alarm, QStringLiteral("/opt/x/alarm.wav")), QStringLiteral("/opt/x/alarm.wav"));
        QCOMPARE(store.GetSetting(SettingKey::OftenIndex, QStringLiteral("1")), QStringLiteral("1"));
        QCOMPARE(currentDateFormat(store), QString::fromLatin1(kMonthFirstPattern));
        QVERIFY(!settingIsOn(store, SettingKey::WindowsStartup));
        QVERIFY(!settingIsOn(store, SettingKey::Minimized));
        QVERIFY(readBoolSetting(store, SettingKey::Option1, true));
        QVERIFY(!readBoolSetting(store, SettingKey::Option2, false));
        QVERIFY(!QFile::exists(store.filePath()));
    }

    void valuesRoundTripThroughTheFile()
    {
        TempFolder folder;
        const QString configFolder = folder.file(QStringLiteral("not/yet/there"));
        {
            IniSettingsStore store(configFolder);
            store.SaveSetting(SettingKey::WindowsStartup, QStringLiteral("On"));
            store.SaveSetting(SettingKey::Alarm, QStringLiteral("/home/a b/My, sounds/ring=1.wav"));
            store.SaveSetting(SettingKey::DateFormat, QString::fromLatin1(kDayFirstPattern));
            store.SaveSetting(SettingKey::Minimized, QStringLiteral("On"));
            store.SaveSetting(SettingKey::Minimized, QStringLiteral("Off"));
            QCOMPARE(currentDateFormat(store), QString::fromLatin1(kDayFirstPattern));
        }
        const IniSettingsStore reread(configFolder);
        QVERIFY(settingIsOn(reread, SettingKey::WindowsStartup));
        QVERIFY(!settingIsOn(reread, SettingKey::Minimized));
        QCOMPARE(reread.GetSetting(SettingKey::Alarm, QString()), QStringLiteral("/home/a b/My, sounds/ring=1.wav"));
        QCOMPARE(currentDateFormat(reread), QString::fromLatin1(kDayFirstPattern));

        QSettings raw(reread.filePath(), QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("Vestrona/Windows Startup")).toString(), QStringLiteral("On"));
    }

    void onIsExactAndCaseSensitive_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("on");
        QTest::newRow("On") << "On" << true;
        QTest::newRow("on") << "on" << false;
        QTest::newRow("ON") << "ON" << false;
        QTest::newRow("On with blank") << "On " << false;
        QTest::newRow("True") << "True" << false;
        QTest::newRow("empty") << "" << false;
    }
    void onIsExactAndCaseSensitive()
    {
        QFETCH(QString, stored);
        QFETCH(bool, on);
        TempFolder folder;
        IniSettingsStore store(folder.path());
        store.SaveSetting(SettingKey::WindowsStartup, stored);
        QCOMPARE(settingIsOn(IniSettingsStore(folder.path()), SettingKey::WindowsStartup), on);
    }

    void boolConversions_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("defaultValue");
        QTest::addColumn<bool>("expected");
        QTest::newRow("True") << "True" << false << true;
        QTest::newRow("False") << "False" << true << false;
        QTest::newRow("lower true") << "true" << false << true;
        QTest::newRow("upper FALSE") << "FALSE" << true << false;
        QTest::newRow("1") << "1" << false << true;
        QTest::newRow("-1") << "-1" << false << true;
        QTest::newRow("0") << "0" << true << false;
        QTest::newRow("garbage keeps default true") << "maybe" << true << true;
        QTest::newRow("garbage keeps default false") << "maybe" << false << false;
        QTest::newRow("2 is no boolean") << "2" << false << false;
    }
    void boolConversions()
    {
        QFETCH(QString, stored);
        QFETCH(bool, defaultValue);
        QFETCH(bool, expected);
        TempFolder folder;
        IniSettingsStore store(folder.path());
        store.SaveSetting(SettingKey::Option1, stored);
        QCOMPARE(readBoolSetting(store, SettingKey::Option1, defaultValue), expected);
    }

    void userConfigFolderHonoursXdg()
    {
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        const bool wasSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");

        qputenv("XDG_CONFIG_HOME", "/tmp/vestrona-config-test");
        QCOMPARE(IniSettingsStore::userConfigFolder(), QStringLiteral("/tmp/vestrona-config-test"));
        qputenv("XDG_CONFIG_HOME", "");
        QCOMPARE(IniSettingsStore::userConfigFolder(), QDir::homePath() + QStringLiteral("/.config"));
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(IniSettingsStore::userConfigFolder(), QDir::homePath() + QStringLiteral("/.config"));
        qputenv("XDG_CONFIG_HOME", "relative/config");
        QCOMPARE(IniSettingsStore::userConfigFolder(), QDir::homePath() + QStringLiteral("/.config"));
        // Without a home the settings would go below "/".
        const QByteArray home = qgetenv("HOME");
        qunsetenv("HOME");
        QVERIFY_THROWS_EXCEPTION(AppError, IniSettingsStore::userConfigFolder());
        qputenv("XDG_CONFIG_HOME", "/tmp/vestrona-config-test");
        QCOMPARE(IniSettingsStore::userConfigFolder(), QStringLiteral("/tmp/vestrona-config-test"));
        qputenv("HOME", home);

        if (wasSet)
            qputenv("XDG_CONFIG_HOME", saved);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }

    void garbageFileGivesDefaultsAndIsReplacedOnSave_data()
    {
        // Qt notices some damage on loading, other damage only when saving.
        QTest::addColumn<quint32>("seed");
        QTest::newRow("seed 7") << quint32(7);
        QTest::newRow("seed 1234") << quint32(1234);
        QTest::newRow("seed 99") << quint32(99);
    }
    void garbageFileGivesDefaultsAndIsReplacedOnSave()
    {
        QFETCH(quint32, seed);
        TempFolder folder;
        QRandomGenerator random(seed);
        QByteArray bytes;
        for (int i = 0; i < 8192; ++i)
            bytes.append(char(random.bounded(256)));
        writeFile(folder.file(QStringLiteral("Tolvane.ini")), bytes);

        IniSettingsStore store(folder.path());
        QVERIFY(!settingIsOn(store, SettingKey::WindowsStartup));
        QCOMPARE(currentDateFormat(store), QString::fromLatin1(kMonthFirstPattern));

        store.SaveSetting(SettingKey::Minimized, QStringLiteral("On"));
        QVERIFY(settingIsOn(store, SettingKey::Minimized));
        const IniSettingsStore reread(folder.path());
        QVERIFY(settingIsOn(reread, SettingKey::Minimized));
        QVERIFY(!settingIsOn(reread, SettingKey::WindowsStartup));
        QCOMPARE(reread.GetSetting(SettingKey::OftenIndex, QStringLiteral("1")), QStringLiteral("1"));
    }

    // A file the user has write-protected keeps every value it holds; saves
    // last for the session and only the first one is reported.
    void writeProtectedFileIsReadAndLeftAlone()
    {
        TempFolder folder;
        const QString path = folder.file(QStringLiteral("Tolvane.ini"));
        writeFile(path, "[Vestrona]\nOftenIndex=3\nDateFormat=" + QByteArray(kDayFirstPattern) + "\nAlarm=/snd/bell.wav\n");
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        const QByteArray before = readFile(path);

        IniSettingsStore store(folder.path());
        QCOMPARE(store.GetSetting(SettingKey::OftenIndex, QStringLiteral("1")), QStringLiteral("3"));
        try {
            store.SaveSetting(SettingKey::OftenIndex, QStringLiteral("5"));
            QFAIL("saving into a write-protected file was not reported");
        } catch (const AppError &error) {
            QVERIFY2(error.description().contains(QStringLiteral("read-only")), qPrintable(error.description()));
        }
        store.SaveSetting(SettingKey::SeenUpTo, QStringLiteral("2027-01-01T00:00:00Z"));
        store.SaveSetting(SettingKey::OftenIndex, QStringLiteral("6"));
        QCOMPARE(store.GetSetting(SettingKey::OftenIndex, QStringLiteral("1")), QStringLiteral("6"));
        QCOMPARE(store.GetSetting(SettingKey::SeenUpTo, QString()), QStringLiteral("2027-01-01T00:00:00Z"));
        QCOMPARE(currentDateFormat(store), QString::fromLatin1(kDayFirstPattern));

        QCOMPARE(readFile(path), before);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList({QStringLiteral("Tolvane.ini")}));
        const IniSettingsStore reread(folder.path());
        QCOMPARE(reread.GetSetting(SettingKey::OftenIndex, QStringLiteral("1")), QStringLiteral("3"));
        QCOMPARE(reread.GetSetting(SettingKey::Alarm, QString()), QStringLiteral("/snd/bell.wav"));
    }

    // Every unreadable file moved aside may be the only copy of someone's
    // settings: a later one never takes an earlier one's place.
    void unreadableFilesMovedAsideKeepEachCopy()
    {
        TempFolder folder;
        const auto movedAside = [&] {
            QList<QByteArray> copies;
            for (const QString &name : QDir(folder.path()).entryList({QStringLiteral("Tolvane.ini.*")}, QDir::Files))
                copies.append(readFile(folder.file(name)));
            return copies;
        };
        QList<QByteArray> before;
        for (quint32 seed : {7u, 1234u, 99u}) {
            QRandomGenerator random(seed);
            QByteArray bytes;
            for (int i = 0; i < 4096; ++i)
                bytes.append(char(random.bounded(256)));
            writeFile(folder.file(QStringLiteral("Tolvane.ini")), bytes);
            IniSettingsStore(folder.path()).SaveSetting(SettingKey::Minimized, QStringLiteral("On"));

            const QList<QByteArray> after = movedAside();
            QCOMPARE(after.size(), before.size() + 1);
            for (const QByteArray &copy : before)
                QVERIFY(after.contains(copy));
            before = after;
        }
    }

    void saveIntoImpossibleFolderThrows()
    {
        TempFolder folder;
        writeFile(folder.file(QStringLiteral("plain-file")), "x");
        IniSettingsStore store(folder.file(QStringLiteral("plain-file/config")));
        QCOMPARE(store.GetSetting(SettingKey::OftenIndex, QStringLiteral("1")), QStringLiteral("1"));
        try {
            store.SaveSetting(SettingKey::OftenIndex, QStringLiteral("3"));
            QFAIL("saving below a plain file succeeded");
        } catch (const AppError &error) {
            QVERIFY2(error.description().startsWith(QStringLiteral("The setting OftenIndex could not be saved to ")
                                                    + store.filePath() + QStringLiteral(": ")),
                     qPrintable(error.description()));
        }
    }

    void saveOverAFolderNamedLikeTheFileThrows()
    {
        TempFolder folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Tolvane.ini")));
        IniSettingsStore store(folder.path());
        QCOMPARE(currentDateFormat(store), QString::fromLatin1(kMonthFirstPattern));
        QVERIFY_THROWS_EXCEPTION(AppError, store.SaveSetting(SettingKey::DateFormat, QString::fromLatin1(kDayFirstPattern)));
    }

    // QSettings would wait forever on a FIFO: it is read as no settings and
    // refused for saving, and left as it is.
    void fifoInPlaceOfTheFileIsNeverWaitedOn()
    {
        TempFolder folder;
        const QString fifo = QDir(folder.path()).filePath(QStringLiteral("Tolvane.ini"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        IniSettingsStore store(folder.path());
        QCOMPARE(currentDateFormat(store), QString::fromLatin1(kMonthFirstPattern));
        try {
            store.SaveSetting(SettingKey::DateFormat, QString::fromLatin1(kDayFirstPattern));
            QFAIL("a FIFO was taken for the settings file");
        } catch (const AppError &e) {
            QVERIFY2(e.description().contains(fifo + QStringLiteral(" is not a regular file")), qPrintable(e.description()));
        }
        QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
    }

    // A failed write does not poison the store: once the obstacle is gone the
    // next save succeeds.
    void saveRecoversAfterAFailure()
    {
        TempFolder folder;
        const QString blocker = folder.file(QStringLiteral("Tolvane.ini"));
        IniSettingsStore store(folder.path());
        store.SaveSetting(SettingKey::OftenIndex, QStringLiteral("2"));
        QVERIFY(QFile::remove(blocker));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Tolvane.ini")));
        QVERIFY_THROWS_EXCEPTION(AppError, store.SaveSetting(SettingKey::OftenIndex, QStringLiteral("4")));
        QVERIFY(QDir(folder.path()).rmdir(QStringLiteral("Tolvane.ini")));
        store.SaveSetting(SettingKey::OftenIndex, QStringLiteral("5"));
        QCOMPARE(IniSettingsStore(folder.path()).GetSetting(SettingKey::OftenIndex, QStringLiteral("1")),
                 QStringLiteral("5"));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"

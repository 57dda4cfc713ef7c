// Start-up without a usable database: one message box, a clean end, and the
// file found there left exactly as it was; damage start-up cannot see is
// said while the program runs.
#include "tests/e2e/Desktop.h"
#include "tests/support/DamagedDatabase.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace vestrona::e2e;

namespace {

// Answers the message box the program shows before any window of its own,
// then expects it to end by itself.
void answerStartupMessage(RunningProgram &program)
{
    const QString box = waitForWindow(program.pid(), QStringLiteral("^Vestrona$"), 20000);
    QVERIFY2(!box.isEmpty(), qPrintable(QStringLiteral("no message box; stderr: ") + program.errorOutput()));
    const WindowInfo info = windowInfo(box);
    // A message box, not the main window.
    QVERIFY2(info.geometry.width() < 536 || info.geometry.height() < 607,
             qPrintable(QStringLiteral("window of %1x%2").arg(info.geometry.width()).arg(info.geometry.height())));
    QVERIFY(trayIconsOf(program.pid()).isEmpty());
    QVERIFY(showsProgramIcon(box));
    QVERIFY(saveScreenshot(QStringLiteral("root"), screenshotPath(QStringLiteral("screenshot-message-box.png"))));
    QVERIFY(pressKey(box, QStringLiteral("Return")));
    QVERIFY2(program.waitForExit(10000), "the program did not end after the message");
    QCOMPARE(program.exitCode(), 0);
}

} // namespace

class StartupErrorsEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(missingDesktop().isEmpty(), qPrintable(missingDesktop()));
    }

    void missingDatabaseEndsAfterAMessage()
    {
        ProgramFolder folder(ProgramFolder::Database::Missing);
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        RunningProgram program(folder);
        answerStartupMessage(program);
        // The program must not make itself an empty database.
        QVERIFY(!QFile::exists(folder.databasePath()));
    }

    void unusableDatabaseIsLeftAsItWas_data()
    {
        QTest::addColumn<QByteArray>("content");
        QByteArray noise(64 * 1024, Qt::Uninitialized);
        QRandomGenerator random(20240607);
        random.fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        QTest::newRow("random bytes") << noise;
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("SQLite header then noise") << QByteArray("SQLite format 3\0", 16) + noise.left(4000);
    }

    void unusableDatabaseIsLeftAsItWas()
    {
        QFETCH(QByteArray, content);
        ProgramFolder folder(ProgramFolder::Database::Missing);
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        QFile file(folder.databasePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
        file.close();

        RunningProgram program(folder);
        answerStartupMessage(program);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(file.readAll() == content, "the program changed the file it could not use");
    }

    // Damage below the file system passes start-up on the record's word; the
    // running program checks in the background and says so beside its window.
    void damageStartUpSkipsIsSaidWhileTheWindowRuns()
    {
        ProgramFolder folder;
        QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(folder.cacheFolder()));
        vestrona::test::damageBehindTheCheckRecord(folder.databasePath(), 2 * 24 * 3600);
        if (QTest::currentTestFailed())
            return;

        RunningProgram program(folder);
        const QString window = waitForWindow(program.pid(), QStringLiteral("^Vestrona$"), 20000);
        QVERIFY2(!window.isEmpty(), qPrintable(QStringLiteral("no main window; stderr: ") + program.errorOutput()));
        // The main window and the message, both named after the program.
        QTRY_COMPARE_WITH_TIMEOUT(windowsOf(program.pid(), QStringLiteral("^Vestrona$")).size(), 2, 20000);
        QVERIFY(saveScreenshot(QStringLiteral("root"), screenshotPath(QStringLiteral("screenshot-damaged-in-background.png"))));
        QVERIFY(program.isRunning());
    }
};

QTEST_GUILESS_MAIN(StartupErrorsEndToEnd)
#include "test_e2e_startup_errors.moc"

// A FIFO or a device wherever vestrona-cli reads or writes a file: it is
// refused in words at once, or, where the file is only a help (the settings,
// the record of the last page check), passed over; never waited on.
#include "tests/support/ProgramFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>

#include <sys/stat.h>

using namespace vestrona::test;

class CliSpecialFiles : public QObject {
    Q_OBJECT

private slots:
    void neverWaitsOnASpecialFile_data();
    void neverWaitsOnASpecialFile();
};

void CliSpecialFiles::neverWaitsOnASpecialFile_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");

    // "FIFO" in the arguments stands for the special file's path.
    QTest::newRow("import") << QStringLiteral("program:in.ics") << QStringList{"import", "FIFO"} << 3;
    QTest::newRow("import of a device") << QStringLiteral("/dev/zero") << QStringList{"import", "FIFO"} << 3;
    QTest::newRow("restore") << QStringLiteral("program:in.txt") << QStringList{"restore", "FIFO"} << 3;
    QTest::newRow("export") << QStringLiteral("program:out.ics") << QStringList{"export", "--force", "FIFO"} << 3;
    QTest::newRow("backup") << QStringLiteral("program:out.txt") << QStringList{"backup", "--force", "FIFO"} << 3;
    QTest::newRow("--database") << QStringLiteral("program:other.mdb") << QStringList{"--database", "FIFO", "list"} << 3;
    QTest::newRow("the user's database") << QStringLiteral("database") << QStringList{"list"} << 3;
    QTest::newRow("the page-check record") << QStringLiteral("cache:vestrona/checked-database") << QStringList{"list"} << 0;
    QTest::newRow("the settings") << QStringLiteral("config:Tolvane.ini") << QStringList{"list"} << 0;
}

void CliSpecialFiles::neverWaitsOnASpecialFile()
{
    QFETCH(QString, place);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    ProgramFolder folder(place == QLatin1String("database") ? ProgramFolder::Database::Missing
                                                              : ProgramFolder::Database::Fresh);
    QVERIFY2(folder.setupError().isEmpty(), qPrintable(folder.setupError()));
    const QString in = place.section(QLatin1Char(':'), 0, 0);
    const QString name = place.section(QLatin1Char(':'), 1);
    const QString special = in == QLatin1String("program") ? QDir(folder.path()).filePath(name)
        : in == QLatin1String("cache")                     ? QDir(folder.cacheFolder()).filePath(name)
        : in == QLatin1String("config")                    ? QDir(folder.configFolder()).filePath(name)
        : in == QLatin1String("database")                  ? folder.databasePath()
                                                           : place;
    if (!special.startsWith(QLatin1String("/dev/"))) {
        QVERIFY(QDir().mkpath(QFileInfo(special).path()));
        QVERIFY2(::mkfifo(QFile::encodeName(special).constData(), 0600) == 0, qPrintable(special));
    }
    arguments.replaceInStrings(QStringLiteral("FIFO"), special);

    QElapsedTimer timer;
    timer.start();
    const ProcessResult run = runProcess(folder.cliPath(), arguments, folder.environment(), 5000);
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode == 0) {
        QCOMPARE(run.err, QString());
        return;
    }
    QVERIFY2(run.err.contains(special + QStringLiteral(" is not a regular file")), qPrintable(run.err));
    // Refused, not replaced.
    QVERIFY(QFileInfo(special).exists() && !QFileInfo(special).isFile());
}

QTEST_GUILESS_MAIN(CliSpecialFiles)
#include "test_cli_fifos_and_devices.moc"

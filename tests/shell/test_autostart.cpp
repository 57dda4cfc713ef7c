#include "shell/AutostartEntry.h"
#include "shell/mStartUp.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace vestrona;
using vestrona::test::RecordingReporter;
using vestrona::test::TempFolder;

namespace {
QString readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}
} // namespace

class TestAutostart : public QObject {
    Q_OBJECT
private slots:
    void enableWritesEntryAndDisableRemovesIt();
    void execLineForPathWithBlanks();
    void execQuoting_data();
    void execQuoting();
    void disableWhenAbsentDoesNothing();
    void enableFailureIsReported();
    void disableFailureIsReported();
};

void TestAutostart::enableWritesEntryAndDisableRemovesIt()
{
    TempFolder config;
    RecordingReporter reporter;
    const AutostartEntry entry(config.path(), QStringLiteral("/opt/x/vestrona"));
    const QString file = config.file(QStringLiteral("autostart/vestrona.desktop"));
    QCOMPARE(entry.filePath(), file);

    QVERIFY(mStartUp::EnableRunAtLogon(reporter, entry));
    QCOMPARE(readAll(file), QStringLiteral("[Desktop Entry]\n"
                                           "Type=Application\n"
                                           "Name=Vestrona\n"
                                           "Exec=/opt/x/vestrona\n"
                                           "Icon=" VESTRONA_APP_ID "\n"
                                           "X-GNOME-Autostart-enabled=true\n"));
    QVERIFY(mStartUp::DisableRunAtLogon(reporter, entry));
    QVERIFY(!QFile::exists(file));
    // The folder belongs to the desktop, not to us.
    QVERIFY(QFileInfo(config.file(QStringLiteral("autostart"))).isDir());
    QVERIFY(reporter.boxes.isEmpty());
}

void TestAutostart::execLineForPathWithBlanks()
{
    TempFolder config;
    RecordingReporter reporter;
    const AutostartEntry entry(config.path(), QStringLiteral("/home/ann/My Programs/vestrona"));
    QVERIFY(mStartUp::EnableRunAtLogon(reporter, entry));
    const QStringList lines = readAll(config.file(QStringLiteral("autostart/vestrona.desktop"))).split(QLatin1Char('\n'));
    QVERIFY(lines.contains(QStringLiteral("Exec=\"/home/ann/My Programs/vestrona\"")));
}

void TestAutostart::execQuoting_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain") << "/usr/bin/vestrona" << "/usr/bin/vestrona";
    QTest::newRow("blank") << "/a b/v" << "\"/a b/v\"";
    QTest::newRow("dollar") << "/a$b/v" << "\"/a\\\\$b/v\"";
    QTest::newRow("backquote") << "/a`b/v" << "\"/a\\\\`b/v\"";
    QTest::newRow("double quote") << "/a\"b/v" << "\"/a\\\\\"b/v\"";
    QTest::newRow("backslash") << "/a\\b/v" << "\"/a\\\\\\\\b/v\"";
    QTest::newRow("percent, unquoted") << "/50%/v" << "/50%%/v";
    QTest::newRow("percent, quoted") << "/5 0%/v" << "\"/5 0%%/v\"";
    QTest::newRow("single quote") << "/ann's/v" << "\"/ann's/v\"";
    QTest::newRow("tab") << "/a\tb/v" << "\"/a\\tb/v\"";
}

void TestAutostart::execQuoting()
{
    QFETCH(QString, path);
    QFETCH(QString, exec);
    QCOMPARE(desktopExecArgument(path), exec);
}

void TestAutostart::disableWhenAbsentDoesNothing()
{
    TempFolder config;
    RecordingReporter reporter;
    QVERIFY(mStartUp::DisableRunAtLogon(reporter, AutostartEntry(config.path(), QStringLiteral("/opt/x/vestrona"))));
    QVERIFY(reporter.boxes.isEmpty());
    QVERIFY(!QFileInfo::exists(config.file(QStringLiteral("autostart"))));
}

void TestAutostart::enableFailureIsReported()
{
    TempFolder config;
    QFile blocker(config.file(QStringLiteral("autostart")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    RecordingReporter reporter;
    QVERIFY(!mStartUp::EnableRunAtLogon(reporter, AutostartEntry(config.path(), QStringLiteral("/opt/x/vestrona"))));
    QCOMPARE(reporter.errors().size(), 1);
    const ErrorReport error = reporter.errors().first();
    QCOMPARE(error.location, QStringLiteral("mStartUp.EnableRunAtLogon"));
    QCOMPARE(error.line, 100);
    QVERIFY2(error.description.contains(config.file(QStringLiteral("autostart"))), qPrintable(error.description));
}

void TestAutostart::disableFailureIsReported()
{
    TempFolder config;
    // Something that cannot be removed as a file stands where the entry goes.
    QVERIFY(QDir().mkpath(config.file(QStringLiteral("autostart/vestrona.desktop/inside"))));

    RecordingReporter reporter;
    QVERIFY(!mStartUp::DisableRunAtLogon(reporter, AutostartEntry(config.path(), QStringLiteral("/opt/x/vestrona"))));
    QCOMPARE(reporter.errors().size(), 1);
    QCOMPARE(reporter.errors().first().location, QStringLiteral("mStartUp.DisableRunAtLogon"));
    QCOMPARE(reporter.errors().first().line, 100);
}

QTEST_GUILESS_MAIN(TestAutostart)
#include "test_autostart.moc"

// The calendar address a user may sync with, and the words a sync's report
// is shown in.
#include "sync/SyncAccount.h"
#include "sync/SyncReport.h"

#include <QTest>

using namespace vestrona;

class TestSyncAccount : public QObject {
    Q_OBJECT

private slots:
    void urlProblem_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("problem"); // a part of the words; empty when the address is fine
        QTest::newRow("https") << "https://dav.example.org/alice/reminders/" << QString();
        QTest::newRow("https-port") << "HTTPS://dav.example.org:8443/cal/" << QString();
        QTest::newRow("http-localhost") << "http://localhost:5232/alice/reminders/" << QString();
        QTest::newRow("http-loopback-v4") << "http://127.0.0.1:5232/alice/" << QString();
        QTest::newRow("http-loopback-v6") << "http://[::1]:5232/alice/" << QString();
        QTest::newRow("http-elsewhere") << "http://dav.example.org/alice/" << "only allowed for a server on this computer";
        QTest::newRow("http-lookalike") << "http://localhost.example.org/alice/" << "only allowed for a server on this computer";
        QTest::newRow("other-scheme") << "ftp://dav.example.org/alice/" << "must start with https://";
        QTest::newRow("no-host") << "https:///alice/" << "is not a web address";
        QTest::newRow("words") << "my calendar" << "is not a web address";
        QTest::newRow("empty") << "" << "is not a web address";
    }
    void urlProblem()
    {
        QFETCH(QString, url);
        QFETCH(QString, problem);
        const QString words = syncUrlProblem(QUrl(url, QUrl::StrictMode));
        if (problem.isEmpty())
            QVERIFY2(words.isEmpty(), qPrintable(words));
        else
            QVERIFY2(words.contains(problem), qPrintable(words));
    }

    void summary_data()
    {
        QTest::addColumn<SyncReport>("report");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QStringList>("details");
        SyncReport report;
        QTest::newRow("nothing") << report << "nothing to change" << QStringList();
        report.uploaded = 3;
        report.downloaded = 1;
        report.leftOut = {QStringLiteral("Pay rent: repeats monthly")};
        QTest::newRow("up-down-left-out") << report << "3 up, 1 down, 1 left out"
                                          << QStringList{QStringLiteral("Left out: Pay rent: repeats monthly")};
        report = SyncReport();
        report.deletedHere = 2;
        report.deletedThere = 1;
        report.conflicts = {QStringLiteral("Dentist: the server's version won; yours is in the backup")};
        QTest::newRow("deletions-conflict")
            << report << "2 deleted here, 1 deleted on the server, 1 conflict"
            << QStringList{QStringLiteral("Changed on both sides: Dentist: the server's version won; yours is in the backup")};
        report.conflicts << QStringLiteral("Gym: yours won");
        QTest::newRow("conflicts") << report << "2 deleted here, 1 deleted on the server, 2 conflicts"
                                   << QStringList{
                                          QStringLiteral("Changed on both sides: Dentist: the server's version won; yours is in the backup"),
                                          QStringLiteral("Changed on both sides: Gym: yours won")};
        report = SyncReport();
        report.outcome = SyncReport::Outcome::Failed;
        report.uploaded = 1;
        report.failure = QStringLiteral("The server refused the user name or password.");
        QTest::newRow("failed") << report << "failed: The server refused the user name or password." << QStringList();
    }
    void summary()
    {
        QFETCH(SyncReport, report);
        QFETCH(QString, summary);
        QFETCH(QStringList, details);
        QCOMPARE(summaryText(report), summary);
        QCOMPARE(detailLines(report), details);
    }
};

QTEST_GUILESS_MAIN(TestSyncAccount)
#include "test_sync_account.moc"

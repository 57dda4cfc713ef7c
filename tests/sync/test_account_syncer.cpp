// The program's syncer: the account and password as they are at each sync.
#include "database/Connection.h"
#include "sync/AccountSyncer.h"
#include "sync/PasswordStore.h"
#include "tests/support/FaultServer.h"
#include "tests/support/Fakes.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDatabase.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

using namespace vestrona;
using namespace vestrona::test;

Q_DECLARE_METATYPE(vestrona::SyncReport)

namespace {

// Answers each question later, as a window does, with the next of its answers.
class ScriptedPrompt final : public PasswordPrompt {
public:
    explicit ScriptedPrompt(QStringList answers) : mAnswers(std::move(answers)) {}

    void askPassword(const SyncAccount &, Reason reason, std::function<void(QString)> done) override
    {
        reasons.append(reason);
        const QString answer = mAnswers.isEmpty() ? QString() : mAnswers.takeFirst();
        QTimer::singleShot(0, [done = std::move(done), answer] { done(answer); });
    }

    QList<Reason> reasons;

private:
    QStringList mAnswers;
};

} // namespace

class TestAccountSyncer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qunsetenv("VESTRONA_CALDAV_PASSWORD");
        QVERIFY(makeDatabase(mFolder.file(QStringLiteral("dbReminders.mdb"))));
    }
    void init() { mConn.Open(mFolder.file(QStringLiteral("dbReminders.mdb"))); }
    void cleanup() { mConn.Close(); }

    void eachSyncTakesTheAccountAsItIsThen()
    {
        MemorySettings settings;
        MemoryPasswordStore passwords;
        AccountSyncer syncer(settings, passwords, mConn);

        // Nothing set up: nothing sent, and the report says so later.
        SyncReport report = syncOnce(syncer);
        QCOMPARE(report.outcome, SyncReport::Outcome::NotSetUp);

        // Set up without a password: waits for the user as a wrong one does.
        const QUrl url = closedServerUrl();
        saveSyncAccount(settings, SyncAccount{url, QStringLiteral("alice"), {}});
        report = syncOnce(syncer);
        QCOMPARE(report.outcome, SyncReport::Outcome::Failed);
        QVERIFY(report.needsTheUser());

        // The password typed since then is used: the sync gets as far as the
        // (closed) server.
        QVERIFY(awaitPassword(passwords, url));
        report = syncOnce(syncer);
        QCOMPARE(report.failureKind, CalDavFailure::Kind::Unreachable);
        QVERIFY2(report.failure.contains(QLatin1String("127.0.0.1")), qPrintable(report.failure));
    }

    void addressEditedByHandToPlainHttpElsewhereIsRefused()
    {
        MemorySettings settings;
        MemoryPasswordStore passwords;
        saveSyncAccount(settings, SyncAccount{QUrl(QStringLiteral("http://dav.example.org/alice/")), QStringLiteral("alice"), {}});
        AccountSyncer syncer(settings, passwords, mConn);
        const SyncReport report = syncOnce(syncer);
        QCOMPARE(report.outcome, SyncReport::Outcome::Failed);
        QVERIFY2(report.failure.contains(QLatin1String("https://")), qPrintable(report.failure));
    }

    // No password kept: the user is asked, and the typed one is used and kept.
    void asksForAMissingPasswordAndKeepsIt()
    {
        MemorySettings settings;
        MemoryPasswordStore passwords;
        const QUrl url = closedServerUrl();
        saveSyncAccount(settings, SyncAccount{url, QStringLiteral("alice"), {}});
        AccountSyncer syncer(settings, passwords, mConn);
        ScriptedPrompt prompt({QStringLiteral("typed")});
        syncer.setPasswordPrompt(&prompt);

        const SyncReport report = syncOnce(syncer);
        QCOMPARE(prompt.reasons, QList<PasswordPrompt::Reason>{PasswordPrompt::Reason::NoneKept});
        QCOMPARE(report.failureKind, CalDavFailure::Kind::Unreachable);
        QString kept;
        passwords.read(url, QStringLiteral("alice"), [&](const QString &password) { kept = password; });
        QTRY_COMPARE(kept, QStringLiteral("typed"));
    }

    // A password the server turns away is asked for again until the user
    // says "not now"; after that the syncs fail without asking.
    void asksAgainForARefusedPasswordUntilDeclined()
    {
        FaultServer server;
        const QString notStarted = server.start();
        QVERIFY2(notStarted.isEmpty(), qPrintable(notStarted));
        const QUrl url = server.collectionUrl(QStringLiteral("unauthorized"));
        MemorySettings settings;
        MemoryPasswordStore passwords;
        saveSyncAccount(settings, SyncAccount{url, QStringLiteral("alice"), {}});
        bool kept = false;
        passwords.write(url, QStringLiteral("alice"), QStringLiteral("stale"), [&](bool ok) { kept = ok; });
        QTRY_VERIFY(kept);
        AccountSyncer syncer(settings, passwords, mConn);
        ScriptedPrompt prompt({QStringLiteral("still wrong"), QString()});
        syncer.setPasswordPrompt(&prompt);

        SyncReport report = syncOnce(syncer);
        const QList<PasswordPrompt::Reason> twiceRefused{PasswordPrompt::Reason::Refused,
                                                         PasswordPrompt::Reason::Refused};
        QCOMPARE(prompt.reasons, twiceRefused);
        QCOMPARE(report.failureKind, CalDavFailure::Kind::Unauthorized);
        QVERIFY(report.needsTheUser());

        report = syncOnce(syncer);
        QCOMPARE(report.failureKind, CalDavFailure::Kind::Unauthorized);
        QCOMPARE(prompt.reasons, twiceRefused);
    }

private:
    static QUrl closedServerUrl()
    {
        QTcpServer closed;
        if (!closed.listen(QHostAddress::LocalHost))
            return {};
        return QUrl(QStringLiteral("http://127.0.0.1:%1/alice/reminders/").arg(closed.serverPort()));
    }

    // A report that was not (or too soon) gives an empty one, which no case expects.
    static SyncReport syncOnce(AccountSyncer &syncer)
    {
        QSignalSpy finished(&syncer, &Syncer::finished);
        syncer.sync();
        // Never from within sync(): the scheduler counts on a later report.
        if (!finished.isEmpty() || !syncer.isSyncing())
            return SyncReport{};
        if (!finished.wait(30000) || syncer.isSyncing())
            return SyncReport{};
        return finished.first().first().value<SyncReport>();
    }

    static bool awaitPassword(MemoryPasswordStore &passwords, const QUrl &url)
    {
        bool kept = false;
        passwords.write(url, QStringLiteral("alice"), QStringLiteral("secret"), [&](bool ok) { kept = ok; });
        return QTest::qWaitFor([&] { return kept; });
    }

    TempFolder mFolder;
    Connection mConn{RegionalSettings::usEnglish()};
};

QTEST_GUILESS_MAIN(TestAccountSyncer)
#include "test_account_syncer.moc"

#include "sync/AccountSyncer.h"

#include "sync/PasswordStore.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace vestrona {

SyncSession::SyncSession(const SyncAccount &account, const QString &password, Connection &conn)
    : collection(account, password), engine(collection, conn, account.url.toString())
{
}

AccountSyncer::AccountSyncer(const SettingsStore &settings, PasswordStore &passwords, Connection &conn,
                             QObject *parent)
    : Syncer(parent), mSettings(settings), mPasswords(passwords), mConn(conn)
{
}

AccountSyncer::~AccountSyncer() = default;

void AccountSyncer::sync()
{
    if (mSyncing)
        return;
    mSyncing = true;
    mSession.reset();
    const SyncAccount account = readSyncAccount(mSettings);
    SyncReport report;
    if (!account.isSetUp()) {
        report.outcome = SyncReport::Outcome::NotSetUp;
        finishLater(report);
        return;
    }
    // The settings file may have been edited by hand.
    if (const QString problem = syncUrlProblem(account.url); !problem.isEmpty()) {
        report.outcome = SyncReport::Outcome::Failed;
        report.failure = problem;
        finishLater(report);
        return;
    }
    mPasswords.read(account.url, account.user,
                    [self = QPointer<AccountSyncer>(this), account, emptied = takeEmptiedAnswer()](
                        const QString &password) {
                        if (self)
                            self->start(account, password, emptied);
                    });
}

void AccountSyncer::start(const SyncAccount &account, const QString &password, EmptiedCalendar emptied)
{
    if (password.isEmpty()) {
        SyncReport report;
        report.outcome = SyncReport::Outcome::Failed;
        report.failureKind = CalDavFailure::Kind::Unauthorized;
        report.failure = QCoreApplication::translate(
                             "AccountSyncer", "No password is kept for %1 at %2; please type it in \"Calendar sync…\".")
                             .arg(account.user, account.url.host());
        if (mayAsk())
            askPassword(account, PasswordPrompt::Reason::NoneKept, emptied, report);
        else
            finishLater(report);
        return;
    }
    mSession = std::make_unique<SyncSession>(account, password, mConn);
    connect(&mSession->engine, &Syncer::finished, this, [this, account, emptied](const SyncReport &report) {
        if (report.failureKind == CalDavFailure::Kind::Unauthorized && mayAsk())
            askPassword(account, PasswordPrompt::Reason::Refused, emptied, report);
        else
            finish(report);
    });
    mSession->engine.answerEmptiedCalendar(emptied);
    mSession->engine.sync();
}

void AccountSyncer::askPassword(const SyncAccount &account, PasswordPrompt::Reason reason, EmptiedCalendar emptied,
                                const SyncReport &failure)
{
    mPrompt->askPassword(account, reason,
                         [self = QPointer<AccountSyncer>(this), account, emptied, failure](const QString &typed) {
                             if (!self)
                                 return;
                             if (typed.isEmpty()) {
                                 self->mDeclined = true;
                                 self->finishLater(failure);
                                 return;
                             }
                             self->mPasswords.write(account.url, account.user, typed, [](bool) {});
                             // Never within the report of the session it replaces.
                             QTimer::singleShot(0, self, [self, account, typed, emptied] {
                                 if (self)
                                     self->start(account, typed, emptied);
                             });
                         });
}

void AccountSyncer::finishLater(SyncReport report)
{
    report.finishedAt = QDateTime::currentDateTime();
    QTimer::singleShot(0, this, [this, report] { finish(report); });
}

void AccountSyncer::finish(const SyncReport &report)
{
    mSyncing = false;
    emit finished(report);
}

} // namespace vestrona

#pragma once

#include "sync/HttpCalDavCollection.h"
#include "sync/PasswordPrompt.h"
#include "sync/SyncEngine.h"

#include <memory>

namespace vestrona {

class Connection;
class PasswordStore;
class SettingsStore;

// One sync's parts for an account: its collection over HTTP(S) and the engine
// over it. The bookkeeping names the collection by the account's address, so
// the program and vestrona-cli carry on each other's syncs.
struct SyncSession {
    SyncSession(const SyncAccount &account, const QString &password, Connection &conn);

    HttpCalDavCollection collection;
    SyncEngine engine;
};

// The running program's sync: each sync takes the account the settings name
// at that moment and its password as the password store has it then, so a
// change made in the dialog holds from the next sync on. Without an account
// nothing is sent and the report says NotSetUp. Without a password, or with
// one the server turns away, it asks the prompt when it has one; a password
// typed there is kept as the dialog keeps one. Declined (or with no prompt),
// the sync fails as a wrong password does, so that it waits for the user,
// who is not asked again while the program runs.
class AccountSyncer final : public Syncer {
    Q_OBJECT
public:
    // `settings`, `passwords` and `conn` must outlive the syncer.
    AccountSyncer(const SettingsStore &settings, PasswordStore &passwords, Connection &conn,
                  QObject *parent = nullptr);
    ~AccountSyncer() override;

    void sync() override;
    bool isSyncing() const override { return mSyncing; }
    // `prompt` must outlive the syncer; null asks no one.
    void setPasswordPrompt(PasswordPrompt *prompt) { mPrompt = prompt; }

private:
    void start(const SyncAccount &account, const QString &password, EmptiedCalendar emptied);
    void askPassword(const SyncAccount &account, PasswordPrompt::Reason reason, EmptiedCalendar emptied,
                     const SyncReport &failure);
    bool mayAsk() const { return mPrompt && !mDeclined; }
    // Reports later, as a sync over the network would.
    void finishLater(SyncReport report);
    void finish(const SyncReport &report);

    const SettingsStore &mSettings;
    PasswordStore &mPasswords;
    Connection &mConn;
    PasswordPrompt *mPrompt = nullptr;
    bool mDeclined = false;
    // The last sync's; replaced by the next, never from within its own report.
    std::unique_ptr<SyncSession> mSession;
    bool mSyncing = false;
};

} // namespace vestrona

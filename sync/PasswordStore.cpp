#include "sync/PasswordStore.h"

#include <QCoreApplication>
#include <QTimer>

#include <qt6keychain/keychain.h>

namespace vestrona {

namespace {

// The entry's name in the keyring, which the user may see in its manager.
const QString kKeyringService = QStringLiteral("Vestrona calendar sync");

QString accountKey(const QUrl &url, const QString &user)
{
    return user + QLatin1Char('@') + url.toString(QUrl::RemoveUserInfo | QUrl::StripTrailingSlash);
}

// Keeps the promise of a later answer even where the answer is at hand.
void later(QObject *context, std::function<void()> call)
{
    QTimer::singleShot(0, context, std::move(call));
}

bool meansNoKeyring(QKeychain::Error error)
{
    // Without a session bus or a secret service QtKeychain reports either,
    // depending on how far it got.
    return error == QKeychain::NoBackendAvailable || error == QKeychain::OtherError
        || error == QKeychain::NotImplemented;
}

} // namespace

void PasswordStore::read(const QUrl &url, const QString &user, std::function<void(QString)> done)
{
    if (qEnvironmentVariableIsSet("VESTRONA_CALDAV_PASSWORD")) {
        later(this, [done = std::move(done)] { done(qEnvironmentVariable("VESTRONA_CALDAV_PASSWORD")); });
        return;
    }
    readStored(accountKey(url, user), std::move(done));
}

void PasswordStore::write(const QUrl &url, const QString &user, const QString &password, std::function<void(bool)> done)
{
    writeStored(accountKey(url, user), password, std::move(done));
}

void PasswordStore::remove(const QUrl &url, const QString &user, std::function<void()> done)
{
    removeStored(accountKey(url, user), std::move(done));
}

void PasswordStore::setNotice(const QString &notice)
{
    if (notice == mNotice)
        return;
    mNotice = notice;
    emit noticeChanged(mNotice);
}

void MemoryPasswordStore::readStored(const QString &key, std::function<void(QString)> done)
{
    later(this, [this, key, done = std::move(done)] { done(mPasswords.value(key)); });
}

void MemoryPasswordStore::writeStored(const QString &key, const QString &password, std::function<void(bool)> done)
{
    mPasswords.insert(key, password);
    later(this, [done = std::move(done)] { done(true); });
}

void MemoryPasswordStore::removeStored(const QString &key, std::function<void()> done)
{
    mPasswords.remove(key);
    later(this, std::move(done));
}

KeychainPasswordStore::KeychainPasswordStore(QObject *parent) : PasswordStore(parent) {}

void KeychainPasswordStore::keyringMissing()
{
    mNoKeyring = true;
    setNotice(
        QCoreApplication::translate("PasswordStore",
                                    "No password keyring is available; the password is kept only while Vestrona runs. "
                                    "After a restart, Vestrona asks for it when it next syncs."));
}

void KeychainPasswordStore::readStored(const QString &key, std::function<void(QString)> done)
{
    if (mNoKeyring) {
        later(this, [this, key, done = std::move(done)] { done(mInMemory.value(key)); });
        return;
    }
    // The job's insecure fallback stays off: it would write the password
    // into a plain settings file.
    auto *job = new QKeychain::ReadPasswordJob(kKeyringService, this);
    job->setKey(key);
    connect(job, &QKeychain::Job::finished, this, [this, key, done = std::move(done)](QKeychain::Job *finished) {
        const auto *reader = static_cast<QKeychain::ReadPasswordJob *>(finished);
        if (meansNoKeyring(reader->error())) {
            keyringMissing();
            done(mInMemory.value(key));
            return;
        }
        done(reader->error() == QKeychain::NoError ? reader->textData() : QString());
    });
    job->start();
}

void KeychainPasswordStore::writeStored(const QString &key, const QString &password, std::function<void(bool)> done)
{
    if (mNoKeyring) {
        mInMemory.insert(key, password);
        later(this, [done = std::move(done)] { done(true); });
        return;
    }
    auto *job = new QKeychain::WritePasswordJob(kKeyringService, this);
    job->setKey(key);
    job->setTextData(password);
    connect(job, &QKeychain::Job::finished, this,
            [this, key, password, done = std::move(done)](QKeychain::Job *finished) {
                if (meansNoKeyring(finished->error())) {
                    keyringMissing();
                    mInMemory.insert(key, password);
                    done(true);
                    return;
                }
                done(finished->error() == QKeychain::NoError);
            });
    job->start();
}

void KeychainPasswordStore::removeStored(const QString &key, std::function<void()> done)
{
    mInMemory.remove(key);
    if (mNoKeyring) {
        later(this, std::move(done));
        return;
    }
    auto *job = new QKeychain::DeletePasswordJob(kKeyringService, this);
    job->setKey(key);
    connect(job, &QKeychain::Job::finished, this, [done = std::move(done)](QKeychain::Job *) { done(); });
    job->start();
}

} // namespace vestrona

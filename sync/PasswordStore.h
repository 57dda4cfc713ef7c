#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

namespace vestrona {

// Where the calendar account's password is kept: never in the settings file
// and never in a log. Every call is asynchronous: `done` runs once, later,
// on the calling thread, so a keyring that asks the user to unlock it never
// holds up the window or an alarm.
class PasswordStore : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The password for `user` at `url`; empty when none is kept. The
    // environment variable VESTRONA_CALDAV_PASSWORD, when set, answers first,
    // so scripts need no keyring.
    void read(const QUrl &url, const QString &user, std::function<void(QString password)> done);
    // `done` gets true once the password is kept.
    void write(const QUrl &url, const QString &user, const QString &password, std::function<void(bool kept)> done);
    void remove(const QUrl &url, const QString &user, std::function<void()> done);

    // Words for the user about where the password ends up when that is not
    // where they would expect it; empty while all is well.
    QString notice() const { return mNotice; }

signals:
    // Once, when notice() changes.
    void noticeChanged(const QString &notice);

protected:
    virtual void readStored(const QString &key, std::function<void(QString)> done) = 0;
    virtual void writeStored(const QString &key, const QString &password, std::function<void(bool)> done) = 0;
    virtual void removeStored(const QString &key, std::function<void()> done) = 0;
    void setNotice(const QString &notice);

private:
    QString mNotice;
};

// Keeps passwords for as long as the program runs.
class MemoryPasswordStore final : public PasswordStore {
    Q_OBJECT
public:
    using PasswordStore::PasswordStore;

protected:
    void readStored(const QString &key, std::function<void(QString)> done) override;
    void writeStored(const QString &key, const QString &password, std::function<void(bool)> done) override;
    void removeStored(const QString &key, std::function<void()> done) override;

private:
    QHash<QString, QString> mPasswords;
};

// The desktop's secret service through QtKeychain. Where there is none, it
// says so once and keeps the password in memory for the running program.
class KeychainPasswordStore final : public PasswordStore {
    Q_OBJECT
public:
    explicit KeychainPasswordStore(QObject *parent = nullptr);

protected:
    void readStored(const QString &key, std::function<void(QString)> done) override;
    void writeStored(const QString &key, const QString &password, std::function<void(bool)> done) override;
    void removeStored(const QString &key, std::function<void()> done) override;

private:
    void keyringMissing();

    // What the running program keeps where no keyring exists.
    QHash<QString, QString> mInMemory;
    bool mNoKeyring = false;
};

} // namespace vestrona

// The calendar password is kept by the password store, asynchronously, for
// exactly the account it was given for; without a secret service (as here)
// the keyring store says so once and keeps it for the running program; the
// environment's password comes first.
#include "sync/PasswordStore.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <optional>

using namespace vestrona;

namespace {

enum class Kind { Memory, Keychain };

std::unique_ptr<PasswordStore> makeStore(Kind kind)
{
    if (kind == Kind::Memory)
        return std::make_unique<MemoryPasswordStore>();
    return std::make_unique<KeychainPasswordStore>();
}

const QUrl kUrl(QStringLiteral("https://dav.example.org/alice/reminders/"));

// The password the store reads back, once its answer came.
QString readBack(PasswordStore &store, const QUrl &url, const QString &user)
{
    std::optional<QString> answer;
    store.read(url, user, [&](const QString &password) { answer = password; });
    // The answer never comes before the call returns.
    if (answer)
        return QStringLiteral("<answered at once>");
    if (!QTest::qWaitFor([&] { return answer.has_value(); }, 20000))
        return QStringLiteral("<no answer>");
    return *answer;
}

bool written(PasswordStore &store, const QUrl &url, const QString &user, const QString &password)
{
    std::optional<bool> kept;
    store.write(url, user, password, [&](bool k) { kept = k; });
    return !kept && QTest::qWaitFor([&] { return kept.has_value(); }, 20000) && *kept;
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestPasswordStore : public QObject {
    Q_OBJECT

private slots:
    void init() { qunsetenv("VESTRONA_CALDAV_PASSWORD"); }

    void keptPerAccount_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("memory") << Kind::Memory;
        QTest::newRow("keyring-without-secret-service") << Kind::Keychain;
    }
    void keptPerAccount()
    {
        QFETCH(Kind, kind);
        const auto store = makeStore(kind);
        QCOMPARE(readBack(*store, kUrl, QStringLiteral("alice")), QString());
        QVERIFY(written(*store, kUrl, QStringLiteral("alice"), QStringLiteral("s3cret: ü")));
        QVERIFY(written(*store, kUrl, QStringLiteral("bob"), QStringLiteral("other")));
        QCOMPARE(readBack(*store, kUrl, QStringLiteral("alice")), QStringLiteral("s3cret: ü"));
        QCOMPARE(readBack(*store, QUrl(QStringLiteral("https://dav.example.net/alice/reminders/")),
                          QStringLiteral("alice")),
                 QString());

        bool removed = false;
        store->remove(kUrl, QStringLiteral("alice"), [&] { removed = true; });
        QTRY_VERIFY(removed);
        QCOMPARE(readBack(*store, kUrl, QStringLiteral("alice")), QString());
        QCOMPARE(readBack(*store, kUrl, QStringLiteral("bob")), QStringLiteral("other"));
    }

    void noKeyringIsSaidOnce()
    {
        KeychainPasswordStore store;
        QSignalSpy notices(&store, &PasswordStore::noticeChanged);
        QVERIFY(store.notice().isEmpty());
        QVERIFY(written(store, kUrl, QStringLiteral("alice"), QStringLiteral("one")));
        QVERIFY(written(store, kUrl, QStringLiteral("alice"), QStringLiteral("two")));
        QCOMPARE(readBack(store, kUrl, QStringLiteral("alice")), QStringLiteral("two"));
        QCOMPARE(notices.size(), 1);
        QCOMPARE(store.notice(),
                 QStringLiteral("No password keyring is available; the password is kept only while Vestrona runs. "
                                "After a restart, Vestrona asks for it when it next syncs."));
        // What the running program kept goes with it.
        KeychainPasswordStore next;
        QCOMPARE(readBack(next, kUrl, QStringLiteral("alice")), QString());
    }

    void environmentComesFirst_data() { keptPerAccount_data(); }
    void environmentComesFirst()
    {
        QFETCH(Kind, kind);
        const auto store = makeStore(kind);
        QVERIFY(written(*store, kUrl, QStringLiteral("alice"), QStringLiteral("stored")));
        qputenv("VESTRONA_CALDAV_PASSWORD", "from the script");
        QCOMPARE(readBack(*store, kUrl, QStringLiteral("alice")), QStringLiteral("from the script"));
        QCOMPARE(readBack(*store, kUrl, QStringLiteral("carol")), QStringLiteral("from the script"));
        qunsetenv("VESTRONA_CALDAV_PASSWORD");
        QCOMPARE(readBack(*store, kUrl, QStringLiteral("alice")), QStringLiteral("stored"));
    }
};

QTEST_GUILESS_MAIN(TestPasswordStore)
#include "test_password_store.moc"

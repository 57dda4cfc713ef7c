// "Find calendars" in the sync dialog against a real Radicale: an address
// with several calendars behind it offers them by display name, choosing
// one puts its address in the field; an address with one calendar and the
// credentials inside it leaves the calendar's address and the user name and
// password in their own fields.

#include "sync/PasswordStore.h"
#include "sync/SyncAccount.h"
#include "tests/support/Fakes.h"
#include "tests/support/RadicaleServer.h"
#include "ui/SyncDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace vestrona;
using namespace vestrona::test;

namespace {

const QString password = QStringLiteral("correct horse");

} // namespace

class TestSyncDialogDiscovery : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void severalCalendarsAreOfferedByName();
    void oneCalendarTakesTheAddressesPlace();

private:
    // A dialog over settings that already trust the server's certificate.
    std::unique_ptr<SyncDialog> dialog()
    {
        saveSyncAccount(mSettings, SyncAccount{mServer.url(), QString(), mServer.certificateFingerprint()});
        auto made = std::make_unique<SyncDialog>(mSettings, mPasswords, nullptr);
        made->show();
        return made;
    }
    template <class Control>
    static Control *in(SyncDialog &dialog, const char *name)
    {
        return dialog.findChild<Control *>(QString::fromLatin1(name));
    }
    // Presses "Find calendars" and waits until the search is over.
    static void find(SyncDialog &dialog)
    {
        auto *button = in<QPushButton>(dialog, "findCalendars");
        button->click();
        QVERIFY(!button->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(button->isEnabled(), 20000);
    }

    RadicaleServer mServer;
    MemorySettings mSettings;
    MemoryPasswordStore mPasswords;
    QUrl mAlice;
    QUrl mBobHome;
    QUrl mBobWork;
};

void TestSyncDialogDiscovery::initTestCase()
{
    QString failed = mServer.start();
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    for (const QString &user : {QStringLiteral("alice"), QStringLiteral("bob")})
        QVERIFY(mServer.addUser(user, password).isEmpty());
    failed = mServer.createCalendar(QStringLiteral("alice"), password, QStringLiteral("reminders"), mAlice,
                                    QStringLiteral("Reminders"));
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    failed = mServer.createCalendar(QStringLiteral("bob"), password, QStringLiteral("home"), mBobHome, QStringLiteral("Home"));
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    failed = mServer.createCalendar(QStringLiteral("bob"), password, QStringLiteral("work"), mBobWork, QStringLiteral("Work"));
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
}

void TestSyncDialogDiscovery::severalCalendarsAreOfferedByName()
{
    const auto shown = dialog();
    in<QLineEdit>(*shown, "calendarAddress")->setText(mServer.url().toString());
    in<QLineEdit>(*shown, "userName")->setText(QStringLiteral("bob"));
    in<QLineEdit>(*shown, "password")->setText(password);
    find(*shown);
    auto *choice = in<QComboBox>(*shown, "calendarChoice");
    QVERIFY(choice->isVisible());
    QCOMPARE(choice->count(), 2);
    QCOMPARE(choice->itemText(0), QStringLiteral("Home"));
    QCOMPARE(choice->itemText(1), QStringLiteral("Work"));
    QVERIFY2(in<QLabel>(*shown, "problem")->text().contains(QStringLiteral("choose one")),
             qPrintable(in<QLabel>(*shown, "problem")->text()));
    choice->setCurrentIndex(1);
    emit choice->activated(1);
    QCOMPARE(in<QLineEdit>(*shown, "calendarAddress")->text(), mBobWork.toString());
}

void TestSyncDialogDiscovery::oneCalendarTakesTheAddressesPlace()
{
    const auto shown = dialog();
    QUrl withCredentials = mServer.url();
    withCredentials.setUserName(QStringLiteral("alice"));
    withCredentials.setPassword(password);
    in<QLineEdit>(*shown, "calendarAddress")->setText(QString::fromUtf8(withCredentials.toEncoded()));
    find(*shown);
    QCOMPARE(in<QLineEdit>(*shown, "calendarAddress")->text(), mAlice.toString());
    QCOMPARE(in<QLineEdit>(*shown, "userName")->text(), QStringLiteral("alice"));
    QCOMPARE(in<QLineEdit>(*shown, "password")->text(), password);
    QVERIFY(!in<QComboBox>(*shown, "calendarChoice")->isVisible());
    QVERIFY2(in<QLabel>(*shown, "problem")->text().contains(QStringLiteral("Reminders")),
             qPrintable(in<QLabel>(*shown, "problem")->text()));
}

QTEST_MAIN(TestSyncDialogDiscovery)
#include "test_sync_dialog_discovery.moc"

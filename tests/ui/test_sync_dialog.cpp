// "Calendar sync…" in the tray menu opens the sync dialog: the account is
// saved to the settings without its password, "Sync now" syncs, the last
// result shows in one line with its details on demand, an untrusted
// certificate is offered by its fingerprint, and every text fits. The main
// window reloads after a sync changed its reminders and asks for a sync
// after a local change.
#include "database/Connection.h"
#include "database/Statements.h"
#include "shell/cSysTray.h"
#include "sync/SyncAccount.h"
#include "tests/support/AppFixture.h"
#include "tests/support/FakeSyncer.h"
#include "tests/support/WholeText.h"
#include "tests/support/Mnemonics.h"
#include "tests/support/TestDatabase.h"
#include "ui/ReminderListModel.h"
#include "ui/SyncDialog.h"
#include "ui/WindowLook.h"

#include <QAction>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace vestrona;
using namespace vestrona::test;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(vestrona::EmptiedCalendar)

namespace {

const QString kTrayEntry = QStringLiteral("Calendar sync…");
const QString kUrl = QStringLiteral("https://dav.example.org/alice/reminders/");
const QString kPassword = QStringLiteral("correct horse battery staple");
// A SHA-256 fingerprint: 32 hex pairs.
const QString kFingerprint = QStringLiteral(
    "3F:A2:19:C4:7B:E0:55:91:0D:6C:B8:24:F1:9E:33:A7:C2:58:0B:E6:74:1D:99:4F:AB:02:6E:D3:81:5C:F7:10");

struct Harness : AppFixture {
    FakeSyncer *fake = nullptr;

    bool startWithSync()
    {
        auto made = std::make_unique<FakeSyncer>();
        fake = made.get();
        syncer = std::move(made);
        syncTiming.afterStart = 1h;
        syncTiming.afterChange = 50ms;
        return start();
    }

    SyncDialog *openDialog()
    {
        trayAction(kTrayEntry)->trigger();
        return form->syncDialog();
    }

    template <class Control>
    Control *in(const char *name) const
    {
        auto *found = form->syncDialog()->findChild<Control *>(QString::fromLatin1(name));
        if (!found)
            qFatal("The sync dialog has no control named %s", name);
        return found;
    }
    void fill(const QString &url, const QString &user, const QString &password) const
    {
        in<QLineEdit>("calendarAddress")->setText(url);
        in<QLineEdit>("userName")->setText(user);
        in<QLineEdit>("password")->setText(password);
    }
    void press(const char *button) const { in<QPushButton>(button)->click(); }
    QString shown(const char *label) const
    {
        auto *found = in<QLabel>(label);
        return found->isVisible() ? found->text() : QString();
    }

    QString storedPassword(const QString &user)
    {
        std::optional<QString> answer;
        passwords.read(QUrl(kUrl), user, [&](const QString &password) { answer = password; });
        return QTest::qWaitFor([&] { return answer.has_value(); }, 5000) ? *answer : QStringLiteral("<no answer>");
    }

    // Every file in the settings folder that holds `text`.
    QStringList settingsFilesHolding(const QString &text) const
    {
        QStringList holding;
        QDirIterator files(config.path(), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            if (file.open(QIODevice::ReadOnly) && file.readAll().contains(text.toUtf8()))
                holding << file.fileName();
        }
        return holding;
    }
};

} // namespace

class TestSyncDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyProgramLook(); }

    void init()
    {
        h = std::make_unique<Harness>();
        h->makeProgramFolder();
    }
    void cleanup()
    {
        if (h->form)
            h->form->close();
        h.reset();
    }

    void trayEntryOpensTheDialog()
    {
        QVERIFY(h->startWithSync());
        QStringList entries;
        for (const QAction *action : h->tray->contextMenu->actions())
            entries << QString(action->text()).remove(QLatin1Char('&'));
        QCOMPARE(entries, (QStringList{QStringLiteral("Show Vestrona"), kTrayEntry, QStringLiteral("Quit")}));
        QCOMPARE(mnemonicProblems(*h->tray->contextMenu), QStringList());

        SyncDialog *dialog = h->openDialog();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Calendar sync"));
        QCOMPARE(dialog->windowModality(), Qt::NonModal);
        QVERIFY(!dialog->windowIcon().isNull());
        QCOMPARE(h->in<QLineEdit>("password")->echoMode(), QLineEdit::Password);
        QCOMPARE(h->shown("lastResult"), QStringLiteral("Not synced yet."));
        QCOMPARE(mnemonicProblems(*dialog), QStringList());

        // Closed and asked for again, the same dialog comes back.
        h->press("closeButton");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(h->openDialog(), dialog);
        QVERIFY(dialog->isVisible());
        // The main window is not held up by it.
        QVERIFY(h->form->isEnabled());
    }

    void savedAccountKeepsThePasswordOutOfTheSettings()
    {
        QVERIFY(h->startWithSync());
        h->openDialog();
        h->fill(QStringLiteral("  ") + kUrl, QStringLiteral("alice"), kPassword);
        h->press("saveButton");
        QCOMPARE(h->setting(SyncSettingKey::Url), kUrl);
        QCOMPARE(h->setting(SyncSettingKey::User), QStringLiteral("alice"));
        QCOMPARE(h->shown("problem"), QString());
        QVERIFY(h->in<QLineEdit>("password")->text().isEmpty());
        QCOMPARE(h->storedPassword(QStringLiteral("alice")), kPassword);
        QCOMPARE(h->settingsFilesHolding(kPassword), QStringList());
        QTRY_COMPARE(h->in<QLineEdit>("password")->placeholderText(), QStringLiteral("kept; type a new one to change it"));
        // The changed account is tried soon.
        QTRY_COMPARE(h->fake->started, 1);
    }

    // Enter in a field saves, and on a focused button presses it.
    void enterSavesOrPressesTheFocusedButton()
    {
        QVERIFY(h->startWithSync());
        SyncDialog *dialog = h->openDialog();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        h->fill(kUrl, QStringLiteral("alice"), kPassword);
        auto *user = h->in<QLineEdit>("userName");
        user->setFocus();
        QTest::keyClick(user, Qt::Key_Return);
        QCOMPARE(h->setting(SyncSettingKey::User), QStringLiteral("alice"));
        auto *close = h->in<QPushButton>("closeButton");
        close->setFocus();
        QTest::keyClick(close, Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
    }

    // An account whose password went with the last run (no keyring) does
    // not claim to keep one, until a sync asked for it and kept it.
    void passwordNotKeptIsSaidSo()
    {
        h->setting(SyncSettingKey::Url, kUrl);
        h->setting(SyncSettingKey::User, QStringLiteral("alice"));
        QVERIFY(h->startWithSync());
        h->openDialog();
        auto *password = h->in<QLineEdit>("password");
        QTRY_COMPARE(password->placeholderText(), QStringLiteral("not kept: type it to sync"));

        h->form->syncScheduler()->syncNow();
        bool kept = false;
        h->passwords.write(QUrl(kUrl), QStringLiteral("alice"), QStringLiteral("typed"), [&](bool ok) { kept = ok; });
        QTRY_VERIFY(kept);
        h->fake->finish(SyncReport{});
        QTRY_COMPARE(password->placeholderText(), QStringLiteral("kept; type a new one to change it"));
    }

    // Not only inside the dialog: the main window and the tray icon's
    // tooltip say why the last sync failed, until one succeeds.
    void lastFailureStaysInViewUntilASyncSucceeds()
    {
        QVERIFY(h->startWithSync());
        h->form->show();
        const auto *line = h->form->findChild<QLabel *>(QStringLiteral("SyncFailure"));
        QVERIFY(line);
        QVERIFY(!line->isVisible());
        h->form->syncScheduler()->syncNow();
        h->fake->fail(CalDavFailure::Kind::Unreachable);
        const QString words = QStringLiteral("Calendar sync failed: The calendar server dav.example.org cannot be reached.");
        QVERIFY(line->isVisible());
        QCOMPARE(line->toolTip(), words);
        QVERIFY(words.startsWith(line->text().chopped(1)));
        QCOMPARE(h->form->tray().TrayTip(), QStringLiteral("Vestrona\n") + words);
        h->form->syncScheduler()->syncNow();
        h->fake->finish(SyncReport{});
        QVERIFY(!line->isVisible());
        QCOMPARE(h->form->tray().TrayTip(), QStringLiteral("Vestrona"));
    }

    void unusableAccountIsNotSaved_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("problem");
        const QString plain = QStringLiteral("http://dav.example.org/alice/");
        QTest::newRow("plain-http") << plain << "alice" << syncUrlProblem(QUrl(plain));
        QTest::newRow("no-address") << QString() << "alice" << syncUrlProblem(QUrl());
        QTest::newRow("no-user") << kUrl << QString() << QStringLiteral("Please fill in the user name.");
    }
    void unusableAccountIsNotSaved()
    {
        QFETCH(QString, url);
        QFETCH(QString, user);
        QFETCH(QString, problem);
        QVERIFY(h->startWithSync());
        h->openDialog();
        h->fill(url, user, kPassword);
        h->press("saveButton");
        QCOMPARE(h->shown("problem"), problem);
        QCOMPARE(h->setting(SyncSettingKey::Url), QStringLiteral("<absent>"));
        QCOMPARE(h->storedPassword(user), QString());
        h->press("syncNowButton");
        QTest::qWait(100);
        QCOMPARE(h->fake->started, 0);
    }

    void syncNowSyncs()
    {
        h->setting(SyncSettingKey::Url, kUrl);
        h->setting(SyncSettingKey::User, QStringLiteral("alice"));
        QVERIFY(h->startWithSync());
        h->openDialog();
        h->press("syncNowButton");
        QCOMPARE(h->fake->started, 1);
        h->fake->finish(SyncReport());

        // A new password is kept before the sync that needs it starts.
        h->in<QLineEdit>("password")->setText(kPassword);
        h->press("syncNowButton");
        QTRY_COMPARE(h->fake->started, 2);
        QCOMPARE(h->storedPassword(QStringLiteral("alice")), kPassword);
    }

    void reportShowsItsLine()
    {
        QVERIFY(h->startWithSync());
        SyncReport report;
        report.uploaded = 3;
        report.downloaded = 1;
        report.leftOut = {QStringLiteral("Pay rent: repeats monthly")};
        report.finishedAt = QDateTime(QDate(2026, 12, 7), QTime(14, 5));
        // Reported before the dialog opened, it is there when it opens.
        h->fake->finish(report);
        h->openDialog();
        QCOMPARE(h->shown("lastResult"), QStringLiteral("Last sync 14:05: 3 up, 1 down, 1 left out"));
        auto *details = h->in<QPlainTextEdit>("details");
        QVERIFY(!details->isVisible());
        h->press("detailsButton");
        QVERIFY(details->isVisible());
        QVERIFY(details->isReadOnly());
        QCOMPARE(details->toPlainText(), QStringLiteral("Left out: Pay rent: repeats monthly"));

        SyncReport failed;
        failed.outcome = SyncReport::Outcome::Failed;
        failed.failure = QStringLiteral("The calendar server cannot be reached.");
        failed.finishedAt = QDateTime(QDate(2026, 12, 7), QTime(14, 10));
        h->fake->finish(failed);
        QCOMPARE(h->shown("lastResult"), QStringLiteral("Last sync 14:10: failed: The calendar server cannot be reached."));
        QVERIFY(!h->in<QPushButton>("detailsButton")->isVisible());
        QVERIFY(!details->isVisible());
    }

    void untrustedCertificateIsOfferedByFingerprint()
    {
        h->setting(SyncSettingKey::Url, kUrl);
        h->setting(SyncSettingKey::User, QStringLiteral("alice"));
        QVERIFY(h->startWithSync());
        h->openDialog();
        auto *offer = h->in<QWidget>("certificate");
        QVERIFY(!offer->isVisible());
        h->press("syncNowButton");
        h->fake->fail(CalDavFailure::Kind::Certificate, kFingerprint);
        QVERIFY(offer->isVisible());
        QCOMPARE(h->shown("fingerprint").remove(QLatin1Char('\n')), kFingerprint);

        h->press("acceptCertificateButton");
        QCOMPARE(h->setting(SyncSettingKey::AcceptedCertificate), kFingerprint);
        QVERIFY(!offer->isVisible());
        QCOMPARE(h->fake->started, 2);

        // Another server's certificate is not taken for the accepted one.
        h->fill(QStringLiteral("https://dav.example.net/alice/"), QStringLiteral("alice"), QString());
        h->press("saveButton");
        QCOMPARE(h->setting(SyncSettingKey::AcceptedCertificate), QString());
    }

    // The question is asked once, with two answers; each goes to one sync.
    void emptiedCalendarOffersTwoWaysOn_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<EmptiedCalendar>("answer");
        QTest::newRow("put them back") << QByteArray("uploadAllButton") << EmptiedCalendar::UploadAll;
        QTest::newRow("delete them here") << QByteArray("acceptDeletionsButton") << EmptiedCalendar::AcceptDeletions;
    }
    void emptiedCalendarOffersTwoWaysOn()
    {
        QFETCH(QByteArray, button);
        QFETCH(EmptiedCalendar, answer);
        QVERIFY(h->startWithSync());
        h->openDialog();
        auto *ways = h->in<QWidget>("emptiedCalendar");
        QVERIFY(!ways->isVisible());
        h->press("syncNowButton");
        SyncReport emptied;
        emptied.outcome = SyncReport::Outcome::Failed;
        emptied.serverEmptied = true;
        emptied.failure = QStringLiteral("The calendar on the server no longer holds 3 of the 3 items.");
        h->fake->finish(emptied);
        QVERIFY(ways->isVisible());

        h->press(button.constData());
        QVERIFY(!ways->isVisible());
        h->fake->finish(SyncReport());
        h->press("syncNowButton");
        QCOMPARE(h->fake->answers, (std::vector<EmptiedCalendar>{EmptiedCalendar::Ask, answer, EmptiedCalendar::Ask}));
    }

    void wholeTextShown()
    {
        QVERIFY(h->startWithSync());
        SyncDialog *dialog = h->openDialog();
        h->fill(QStringLiteral("http://dav.example.org/") + QString(60, QLatin1Char('x')), QStringLiteral("alice"),
                QString());
        h->press("saveButton");
        SyncReport report;
        report.outcome = SyncReport::Outcome::Failed;
        report.failure = QStringLiteral("The certificate of dav.example.org is not signed by any authority this "
                                        "computer trusts, so the connection could be someone else's. Nothing was "
                                        "changed on the server or here.");
        report.certificateFingerprint = kFingerprint;
        report.finishedAt = QDateTime(QDate(2026, 12, 7), QTime(23, 59));
        h->fake->finish(report);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QTest::qWait(50);
        int checked = 0;
        for (const QLabel *label : dialog->findChildren<QLabel *>()) {
            if (!label->isVisible() || label->text().isEmpty())
                continue;
            ++checked;
            const QString problem = textProblem(*label, *dialog);
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
        }
        QVERIFY(checked >= 6);
        // For a person to look at: the dialog as the user meets it after a refusal.
        QVERIFY(dialog->grab().save(QStringLiteral(VESTRONA_BUILD_DIR "/screenshot-sync-dialog.png")));
        const QRect screen = dialog->screen()->availableGeometry();
        QVERIFY(dialog->frameGeometry().width() <= screen.width());
        QVERIFY(dialog->frameGeometry().height() <= screen.height());
    }

    void syncedChangesReachTheWindow()
    {
        QVERIFY(h->startWithSync());
        QCOMPARE(h->form->listModel().rowCount(), 0);
        {
            Connection other(RegionalSettings::usEnglish());
            other.Open(h->databasePath());
            other.Execute(reminderInsert(1, QDate(2026, 12, 24), QTime(18, 0), QStringLiteral("Carols")));
        }
        SyncReport report;
        report.downloaded = 1;
        h->fake->finish(report);
        QCOMPARE(h->form->listModel().rowCount(), 1);
    }

    void localChangeAsksForASync()
    {
        QVERIFY(h->startWithSync());
        h->click("PushButton6");
        QCOMPARE(h->fake->started, 0);
        QTRY_COMPARE(h->fake->started, 1);
    }

    // vestrona-cli's changes are local changes too; the program's own sync
    // writes through its own connection, so it never wakes itself.
    void changeByAnotherProgramAsksForASync()
    {
        QVERIFY(h->startWithSync());
        Connection other(RegionalSettings::usEnglish());
        other.Open(h->databasePath());
        other.insertReminder(OptionOnce, QDate(2030, 1, 2), QTime(9, 0), u"from the command line", u"");
        QTRY_COMPARE_WITH_TIMEOUT(h->fake->started, 1, 5000);
        QCOMPARE(h->form->listModel().rowCount(), 1);

        SyncReport report;
        report.downloaded = 1;
        h->fake->finish(report);
        QTest::qWait(1500);
        QCOMPARE(h->fake->started, 1);
    }

    void failingForAnHourShowsOneBalloon()
    {
        QVERIFY(h->startWithSync());
        for (int i = 0; i < 4; ++i) {
            h->form->syncScheduler()->syncNow();
            h->fake->fail(CalDavFailure::Kind::Unreachable);
            h->clock.advanceSeconds(40 * 60);
        }
        const QString balloon = QStringLiteral("Calendar sync has been failing for more than an hour: The calendar "
                                               "server dav.example.org cannot be reached.");
        int shown = 0;
        for (const auto &call : h->tray->calls)
            shown += (call.data.uFlags & NIF_INFO) && call.data.szInfo == balloon;
        QCOMPARE(shown, 1);
    }

private:
    std::unique_ptr<Harness> h;
};

QTEST_MAIN(TestSyncDialog)
#include "test_sync_dialog.moc"

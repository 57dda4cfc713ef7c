#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace vestrona {

class CalendarDiscovery;
class PasswordStore;
class SettingsStore;
class SyncScheduler;
struct SyncAccount;
struct SyncReport;

// "Calendar sync": the calendar account (address, user name, password),
// "Find calendars" for an address that names the server or the account
// (several found are offered by name), "Sync now" and the last sync's result, with its left-out items and
// conflicts on demand. A server whose certificate no authority vouches for
// is offered for acceptance by its fingerprint; a calendar that lost most of
// what it held, with its two ways on. Not modal: syncs run on
// while it is open. When will a sync run and what it does are the
// scheduler's and the syncer's business; this only shows and asks.
class SyncDialog final : public QDialog {
    Q_OBJECT

public:
    // `scheduler` is null where the program has no sync: the account can
    // still be set up.
    SyncDialog(SettingsStore &settings, PasswordStore &passwords, SyncScheduler *scheduler, QWidget *parent = nullptr);
    ~SyncDialog() override;

    void showReport(const SyncReport &report);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createAccountFields(QVBoxLayout &layout);
    void createResultArea(QVBoxLayout &layout);
    void createCertificateArea(QVBoxLayout &layout);
    // The two ways on from a calendar that lost most of what it held.
    void createEmptiedArea(QVBoxLayout &layout);
    void createButtons(QVBoxLayout &layout);
    void loadAccount();
    // "Kept" or "not kept" in the password field, as the password store has it now.
    void showPasswordState();

    // Saves what the fields say, the password into the password store, and
    // then runs `next`; shows the problem instead when there is one.
    void saveThen(const std::function<void()> &next);
    // False, with the reason shown, when the settings cannot be written.
    bool storeAccount(const SyncAccount &account);
    bool fieldsChanged() const;
    void syncNow();
    void acceptCertificate();
    // Looks for the calendars behind the typed address; one found takes the
    // address's place, several are offered in mCalendars.
    void findCalendars();
    void discover(const SyncAccount &account, const QString &password);
    void showProblem(const QString &words);
    // Grows the window to what its wrapped lines need now.
    void fitContents();

    SettingsStore &mSettings;
    PasswordStore &mPasswords;
    SyncScheduler *mScheduler;
    QString mOfferedFingerprint;

    std::unique_ptr<CalendarDiscovery> mDiscovery;

    QLineEdit *mUrl = nullptr;
    QPushButton *mFindButton = nullptr;
    QComboBox *mCalendars = nullptr;
    QLineEdit *mUser = nullptr;
    QLineEdit *mPassword = nullptr;
    QLabel *mKeyringNotice = nullptr;
    QLabel *mProblem = nullptr;
    QLabel *mResult = nullptr;
    QPushButton *mDetailsButton = nullptr;
    QPlainTextEdit *mDetails = nullptr;
    QWidget *mCertificate = nullptr;
    QLabel *mCertificateText = nullptr;
    QWidget *mEmptied = nullptr;
    QPushButton *mSaveButton = nullptr;
    QPushButton *mSyncNowButton = nullptr;
};

} // namespace vestrona

#include "ui/SyncDialog.h"

#include "core/AppError.h"
#include "config/Settings.h"
#include "sync/CalendarDiscovery.h"
#include "sync/PasswordStore.h"
#include "sync/SyncAccount.h"
#include "sync/SyncReport.h"
#include "sync/SyncScheduler.h"
#include "ui/AppIcon.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace vestrona {

namespace {

QLabel *wrappedLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    // A button with the focus answers Enter as it answers Space.
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

// A fingerprint is one long word; in two halves it fits the dialog's width
// and still reads as pairs.
QString fingerprintLines(const QString &fingerprint)
{
    const QStringList pairs = fingerprint.split(QLatin1Char(':'));
    const qsizetype half = (pairs.size() + 1) / 2;
    return pairs.mid(0, half).join(QLatin1Char(':')) + QStringLiteral(":\n")
        + pairs.mid(half).join(QLatin1Char(':'));
}

} // namespace

SyncDialog::SyncDialog(SettingsStore &settings, PasswordStore &passwords, SyncScheduler *scheduler, QWidget *parent)
    : QDialog(parent), mSettings(settings), mPasswords(passwords), mScheduler(scheduler)
{
    setObjectName(QStringLiteral("SyncDialog"));
    setWindowTitle(QCoreApplication::translate("SyncDialog", "Calendar sync"));
    setWindowIcon(programIcon());
    setMinimumWidth(460);
    auto *layout = new QVBoxLayout(this);
    createAccountFields(*layout);
    createResultArea(*layout);
    createCertificateArea(*layout);
    createEmptiedArea(*layout);
    createButtons(*layout);
    loadAccount();
    if (mScheduler) {
        connect(mScheduler, &SyncScheduler::reported, this, &SyncDialog::showReport);
        if (mScheduler->lastReport())
            showReport(*mScheduler->lastReport());
    }
}

void SyncDialog::createAccountFields(QVBoxLayout &layout)
{
    auto *form = new QFormLayout;
    layout.addLayout(form);
    mUrl = new QLineEdit(this);
    mUrl->setObjectName(QStringLiteral("calendarAddress"));
    mUrl->setPlaceholderText(QStringLiteral("https://dav.example.org/alice/reminders/"));
    form->addRow(QCoreApplication::translate("SyncDialog", "&Calendar address:"), mUrl);
    auto *find = new QHBoxLayout;
    mFindButton = button(this, "findCalendars", QCoreApplication::translate("SyncDialog", "&Find calendars"));
    find->addWidget(mFindButton);
    mCalendars = new QComboBox(this);
    mCalendars->setObjectName(QStringLiteral("calendarChoice"));
    mCalendars->setAccessibleName(QCoreApplication::translate("SyncDialog", "Choose a calendar"));
    mCalendars->hide();
    find->addWidget(mCalendars, 1);
    // Holds the button to its own width while no choice is shown.
    find->addStretch();
    form->addRow(QString(), find);
    connect(mFindButton, &QPushButton::clicked, this, &SyncDialog::findCalendars);
    connect(mCalendars, &QComboBox::activated, this, [this](int index) {
        mUrl->setText(mCalendars->itemData(index).toUrl().toString());
    });
    mUser = new QLineEdit(this);
    mUser->setObjectName(QStringLiteral("userName"));
    form->addRow(QCoreApplication::translate("SyncDialog", "&User name:"), mUser);
    mPassword = new QLineEdit(this);
    mPassword->setObjectName(QStringLiteral("password"));
    mPassword->setEchoMode(QLineEdit::Password);
    form->addRow(QCoreApplication::translate("SyncDialog", "&Password:"), mPassword);

    mKeyringNotice = wrappedLabel(this, "keyringNotice");
    layout.addWidget(mKeyringNotice);
    const auto showNotice = [this](const QString &notice) {
        mKeyringNotice->setText(notice);
        mKeyringNotice->setVisible(!notice.isEmpty());
        fitContents();
    };
    showNotice(mPasswords.notice());
    connect(&mPasswords, &PasswordStore::noticeChanged, this, showNotice);
    mProblem = wrappedLabel(this, "problem");
    mProblem->hide();
    layout.addWidget(mProblem);
}

SyncDialog::~SyncDialog() = default;

void SyncDialog::findCalendars()
{
    const AddressCredentials typed = splitCredentials(QUrl(mUrl->text().trimmed(), QUrl::StrictMode));
    const QString user = mUser->text().trimmed().isEmpty() ? typed.user : mUser->text().trimmed();
    QString problem = syncUrlProblem(typed.url);
    if (problem.isEmpty() && user.isEmpty())
        problem = QCoreApplication::translate("SyncDialog", "Please fill in the user name.");
    if (!problem.isEmpty()) {
        showProblem(problem);
        return;
    }
    // The user name and password leave the address for their own fields.
    mUrl->setText(typed.url.toString());
    mUser->setText(user);
    if (mPassword->text().isEmpty())
        mPassword->setText(typed.password);
    const SyncAccount account = movedTo(readSyncAccount(mSettings), typed.url, user);
    mFindButton->setEnabled(false);
    showProblem(QCoreApplication::translate("SyncDialog", "Looking for calendars at %1…").arg(typed.url.host()));
    if (!mPassword->text().isEmpty()) {
        discover(account, mPassword->text());
        return;
    }
    mPasswords.read(account.url, account.user, [dialog = QPointer<SyncDialog>(this), account](const QString &password) {
        if (dialog)
            dialog->discover(account, password);
    });
}

void SyncDialog::discover(const SyncAccount &account, const QString &password)
{
    mDiscovery = std::make_unique<CalendarDiscovery>(account, password);
    mDiscovery->discover([this](const CalDavFailure &failed, const std::vector<DiscoveredCalendar> &calendars) {
        mFindButton->setEnabled(true);
        mCalendars->clear();
        mCalendars->hide();
        if (failed.failed()) {
            showProblem(failed.words);
            return;
        }
        if (calendars.size() == 1) {
            mUrl->setText(calendars.front().url.toString());
            showProblem(QCoreApplication::translate("SyncDialog", "Found the calendar \"%1\".")
                            .arg(calendars.front().displayName));
            return;
        }
        for (const DiscoveredCalendar &calendar : calendars)
            mCalendars->addItem(calendar.displayName, calendar.url);
        mCalendars->setCurrentIndex(-1);
        mCalendars->setPlaceholderText(QCoreApplication::translate("SyncDialog", "Choose a calendar"));
        mCalendars->show();
        showProblem(QCoreApplication::translate("SyncDialog", "%n calendars were found; please choose one.", nullptr,
                                                int(calendars.size())));
    });
}

void SyncDialog::createResultArea(QVBoxLayout &layout)
{
    auto *row = new QHBoxLayout;
    mResult = wrappedLabel(this, "lastResult");
    mResult->setText(mScheduler ? QCoreApplication::translate("SyncDialog", "Not synced yet.")
                                : QCoreApplication::translate(
                                    "SyncDialog", "This copy of Vestrona cannot sync; the account is kept for later."));
    row->addWidget(mResult, 1);
    mDetailsButton = button(this, "detailsButton", QCoreApplication::translate("SyncDialog", "De&tails"));
    mDetailsButton->setCheckable(true);
    mDetailsButton->hide();
    row->addWidget(mDetailsButton, 0, Qt::AlignTop);
    layout.addLayout(row);

    mDetails = new QPlainTextEdit(this);
    mDetails->setObjectName(QStringLiteral("details"));
    mDetails->setAccessibleName(QCoreApplication::translate("SyncDialog", "Details of the last sync"));
    mDetails->setReadOnly(true);
    mDetails->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    mDetails->hide();
    layout.addWidget(mDetails);
    connect(mDetailsButton, &QPushButton::toggled, this, [this](bool shown) {
        mDetails->setVisible(shown);
        fitContents();
    });
}

void SyncDialog::createCertificateArea(QVBoxLayout &layout)
{
    mCertificate = new QWidget(this);
    mCertificate->setObjectName(QStringLiteral("certificate"));
    auto *inner = new QVBoxLayout(mCertificate);
    inner->setContentsMargins(0, 0, 0, 0);
    QLabel *intro = wrappedLabel(mCertificate, "certificateIntro");
    intro->setText(
        QCoreApplication::translate("SyncDialog",
                                    "No certificate authority vouches for this server. Accept its certificate only if "
                                    "this is the fingerprint your server's administrator gave you:"));
    inner->addWidget(intro);
    mCertificateText = wrappedLabel(mCertificate, "fingerprint");
    mCertificateText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    inner->addWidget(mCertificateText);
    auto *accept = button(mCertificate, "acceptCertificateButton",
                          QCoreApplication::translate("SyncDialog", "&Accept this certificate"));
    inner->addWidget(accept, 0, Qt::AlignLeft);
    connect(accept, &QPushButton::clicked, this, &SyncDialog::acceptCertificate);
    mCertificate->hide();
    layout.addWidget(mCertificate);
}

void SyncDialog::createEmptiedArea(QVBoxLayout &layout)
{
    mEmptied = new QWidget(this);
    mEmptied->setObjectName(QStringLiteral("emptiedCalendar"));
    auto *row = new QHBoxLayout(mEmptied);
    row->setContentsMargins(0, 0, 0, 0);
    auto *uploadAll = button(mEmptied, "uploadAllButton",
                             QCoreApplication::translate("SyncDialog", "Put them &back on the server"));
    auto *acceptDeletions
        = button(mEmptied, "acceptDeletionsButton", QCoreApplication::translate("SyncDialog", "Delete them &here too"));
    row->addWidget(uploadAll);
    row->addWidget(acceptDeletions);
    row->addStretch();
    const auto answer = [this](EmptiedCalendar choice) {
        mEmptied->hide();
        mScheduler->syncNowAnswering(choice);
    };
    connect(uploadAll, &QPushButton::clicked, this, [answer] { answer(EmptiedCalendar::UploadAll); });
    connect(acceptDeletions, &QPushButton::clicked, this, [answer] { answer(EmptiedCalendar::AcceptDeletions); });
    mEmptied->hide();
    layout.addWidget(mEmptied);
}

void SyncDialog::createButtons(QVBoxLayout &layout)
{
    auto *row = new QHBoxLayout;
    mSaveButton = button(this, "saveButton", QCoreApplication::translate("SyncDialog", "&Save"));
    // Enter in a field saves what was typed.
    mSaveButton->setDefault(true);
    mSyncNowButton = button(this, "syncNowButton", QCoreApplication::translate("SyncDialog", "Sync &now"));
    mSyncNowButton->setEnabled(mScheduler != nullptr);
    auto *close = button(this, "closeButton", QCoreApplication::translate("SyncDialog", "Cl&ose"));
    row->addWidget(mSaveButton);
    row->addWidget(mSyncNowButton);
    row->addStretch(1);
    row->addWidget(close);
    layout.addLayout(row);
    connect(mSaveButton, &QPushButton::clicked, this, [this] { saveThen([] {}); });
    connect(mSyncNowButton, &QPushButton::clicked, this, &SyncDialog::syncNow);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void SyncDialog::loadAccount()
{
    const SyncAccount account = readSyncAccount(mSettings);
    mUrl->setText(account.url.toString());
    mUser->setText(account.user);
    showPasswordState();
}

void SyncDialog::showPasswordState()
{
    // The password is never read back into the window: a set-up account
    // keeps the one it has unless a new one is typed. "Kept" is said only
    // once it is found, which without a keyring lasts as long as the program.
    mPassword->setPlaceholderText(QString());
    const SyncAccount account = readSyncAccount(mSettings);
    if (!account.isSetUp())
        return;
    mPasswords.read(account.url, account.user, [dialog = QPointer<SyncDialog>(this)](const QString &password) {
        if (dialog)
            dialog->mPassword->setPlaceholderText(
                password.isEmpty() ? QCoreApplication::translate("SyncDialog", "not kept: type it to sync")
                                   : QCoreApplication::translate("SyncDialog", "kept; type a new one to change it"));
    });
}

bool SyncDialog::fieldsChanged() const
{
    const SyncAccount account = readSyncAccount(mSettings);
    return !mPassword->text().isEmpty() || mUrl->text().trimmed() != account.url.toString()
        || mUser->text().trimmed() != account.user;
}

void SyncDialog::saveThen(const std::function<void()> &next)
{
    // A password typed into the address goes where passwords go, never
    // into the settings; so does the user name when the field is empty.
    const AddressCredentials typed = splitCredentials(QUrl(mUrl->text().trimmed(), QUrl::StrictMode));
    const QUrl url = typed.url;
    const QString user = mUser->text().trimmed().isEmpty() ? typed.user : mUser->text().trimmed();
    QString problem = syncUrlProblem(url);
    if (problem.isEmpty() && user.isEmpty())
        problem = QCoreApplication::translate("SyncDialog", "Please fill in the user name.");
    if (!problem.isEmpty()) {
        showProblem(problem);
        return;
    }
    if (!storeAccount(movedTo(readSyncAccount(mSettings), url, user)))
        return;
    showProblem(QString());
    const QString password = mPassword->text().isEmpty() ? typed.password : mPassword->text();
    mPassword->clear();
    loadAccount();
    const auto saved = [dialog = QPointer<SyncDialog>(this), next] {
        if (!dialog)
            return;
        if (dialog->mScheduler)
            dialog->mScheduler->accountChanged();
        next();
    };
    if (password.isEmpty()) {
        saved();
        return;
    }
    mPasswords.write(url, user, password, [dialog = QPointer<SyncDialog>(this), saved](bool kept) {
        if (dialog && !kept)
            dialog->showProblem(
                QCoreApplication::translate("SyncDialog", "The password could not be stored in the keyring."));
        saved();
    });
}

bool SyncDialog::storeAccount(const SyncAccount &account)
{
    try {
        saveSyncAccount(mSettings, account);
        return true;
    } catch (const AppError &e) {
        showProblem(e.description());
        return false;
    }
}

void SyncDialog::syncNow()
{
    if (!fieldsChanged()) {
        mScheduler->syncNow();
        return;
    }
    saveThen([this] { mScheduler->syncNow(); });
}

void SyncDialog::acceptCertificate()
{
    SyncAccount account = readSyncAccount(mSettings);
    account.acceptedCertificate = mOfferedFingerprint;
    if (!storeAccount(account))
        return;
    mCertificate->hide();
    if (mScheduler)
        mScheduler->syncNow();
}

void SyncDialog::showProblem(const QString &words)
{
    mProblem->setText(words);
    mProblem->setVisible(!words.isEmpty());
    fitContents();
}

void SyncDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    fitContents();
}

void SyncDialog::fitContents()
{
    // A shown window keeps its height when a wrapped line needs another
    // row; only a window never shown is sized to its contents by Qt.
    if (!isVisible())
        return;
    layout()->activate();
    const int needed = layout()->totalHeightForWidth(width());
    if (needed > height())
        resize(width(), needed);
}

void SyncDialog::showReport(const SyncReport &report)
{
    const QString when = report.finishedAt.isValid() ? QCoreApplication::translate("SyncDialog", "Last sync %1: ")
                                                           .arg(report.finishedAt.toString(QStringLiteral("HH:mm")))
                                                     : QCoreApplication::translate("SyncDialog", "Last sync: ");
    mResult->setText(when + summaryText(report));

    const QStringList details = detailLines(report);
    mDetails->setPlainText(details.join(QLatin1Char('\n')));
    mDetailsButton->setVisible(!details.isEmpty());
    if (details.isEmpty())
        mDetailsButton->setChecked(false);

    const bool offer = !report.certificateFingerprint.isEmpty()
        && report.certificateFingerprint != readSyncAccount(mSettings).acceptedCertificate;
    mOfferedFingerprint = offer ? report.certificateFingerprint : QString();
    mCertificateText->setText(fingerprintLines(mOfferedFingerprint));
    mCertificate->setVisible(offer);
    mEmptied->setVisible(report.serverEmptied && mScheduler);
    // The sync may have asked for the password and kept it.
    showPasswordState();
    fitContents();
}

} // namespace vestrona

#include "control/AppController.h"

#include "config/Settings.h"
#include "control/BackgroundNotice.h"
#include "control/NotifyingPopup.h"
#include "control/ReminderRows.h"
#include "control/StartUpView.h"
#include "core/Clock.h"
#include "core/ErrorTrap.h"
#include "core/PathHelpers.h"
#include "database/BackgroundPageCheck.h"
#include "database/DatabaseFileCheck.h"
#include "database/DatabaseWatcher.h"
#include "database/Statements.h"
#include "formats/ReminderListText.h"
#include "notify/SleepWatch.h"
#include "scheduler/AlarmScheduler.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace vestrona {

namespace {

// A check of every page passes at least this often while the program runs.
constexpr qint64 kPageCheckEverySeconds = 24 * 3600;

} // namespace

AppController::AppController(const ControlContext &context, ControlViews views, QObject *parent)
    : QObject(parent),
      mContext(context),
      mViews(views),
      mConn(context.regional),
      mPopup(std::make_unique<NotifyingPopup>(context.popup, context.notifier)),
      mScheduler(std::make_unique<AlarmScheduler>(mConn, context.settings, mContext.regional, context.reporter,
                                                  context.clock, context.sound, *mPopup, views.countdown,
                                                  views.missed)),
      mWatcher(std::make_unique<DatabaseWatcher>(mConn, context.clock))
{
    // vestrona-cli may change the reminders while the program runs; what it
    // changed goes to the calendar as the window's own changes do.
    connect(mWatcher.get(), &DatabaseWatcher::changedOutside, this, [this] {
        reloadReminders();
        noteLocalChange();
    });
    // The connection keeps reading a file moved away or replaced; what is at
    // the path now is what the user and vestrona-cli see.
    connect(mWatcher.get(), &DatabaseWatcher::replaced, this, &AppController::openDatabaseAgain);
    connect(mWatcher.get(), &DatabaseWatcher::deleted, this, &AppController::reportDatabaseDeleted);
    mOpenRetry = new QTimer(this);
    mOpenRetry->setSingleShot(true);
    mOpenRetry->setInterval(1000);
    connect(mOpenRetry, &QTimer::timeout, this, &AppController::openDatabaseAgain);
    // Asked each hour whether the last check that passed is a day old.
    mPageCheckTimer = new QTimer(this);
    mPageCheckTimer->setInterval(3600 * 1000);
    connect(mPageCheckTimer, &QTimer::timeout, this, &AppController::checkPagesWhenDue);
    mPageCheck = std::make_unique<BackgroundPageCheck>();
    // Said as start-up says it, once for the file opened; the rows stay
    // listed, as they may be all that is left of some reminders.
    connect(mPageCheck.get(), &BackgroundPageCheck::damaged, this, [this](const QString &description) {
        mPageCheckTimer->stop();
        mContext.reporter.showMessage(description);
    });
    if (context.sleep)
        connect(context.sleep, &SleepWatch::resumed, mScheduler.get(), &AlarmScheduler::tickNow);
}

AppController::~AppController() = default;

void AppController::setSyncer(std::unique_ptr<Syncer> syncer, SyncScheduler::Timing timing)
{
    mSyncer = std::move(syncer);
    mSyncScheduler = std::make_unique<SyncScheduler>(*mSyncer, mContext.clock, timing);
    connect(mSyncScheduler.get(), &SyncScheduler::reported, this, &AppController::syncReported);
    connect(mSyncScheduler.get(), &SyncScheduler::failingLong, this, [this](const SyncReport &report) {
        mViews.notice.notify(
            QCoreApplication::translate("AppController", "Calendar sync has been failing for more than an hour: ")
            + report.failure);
    });
}

void AppController::syncReported(const SyncReport &report)
{
    // The sync waits for the user's word on an emptied calendar; the tray
    // says so once, since the window may be hidden, and again only after a
    // sync that was not that question.
    if (report.serverEmptied && !mEmptiedSaid)
        mViews.notice.notify(
            QCoreApplication::translate("AppController",
                                        "%1 Nothing was deleted here: choose in “Calendar sync…” whether to "
                                        "put the reminders back on the server or delete them here too.")
                .arg(report.failure));
    mEmptiedSaid = report.serverEmptied;
    mViews.notice.showSyncFailure(report.outcome == SyncReport::Outcome::Failed ? report.failure : QString());
    if (report.changedLocally())
        reloadReminders();
}

void AppController::noteLocalChange()
{
    if (mSyncScheduler)
        mSyncScheduler->localChange();
}

void AppController::reloadReminders()
{
    listReminders();
    selectNext();
}

bool AppController::Form_Load()
{
    ErrorTrap trap(mContext.reporter, QStringLiteral("Form1.Form_Load"));
    const QString &databasePath = mContext.data.database;
    trap(100, [&] { mViews.startUp.ApplySkin(); });
    if (!databaseListed(trap, databasePath))
        return false;
    mViews.startUp.setUpWindow(trap);
    const DatabaseState database = openDatabase(trap, Connection::LockWait::AMoment);
    if (database == DatabaseState::Unusable)
        return false;
    mViews.startUp.restoreAlarmSettings(trap);
    mViews.startUp.restoreStartupOptions(trap);
    if (database == DatabaseState::Open) {
        startReminders(trap, When::AfterShowing);
    } else {
        // A long restore by vestrona-cli at logon must not cost the whole
        // session its reminders: the window starts and waits for the file.
        trap(206, [&] {
            mContext.reporter.showMessage(
                QCoreApplication::translate("AppController",
                                            "The reminder database %1 is in use by another program. Vestrona lists the "
                                            "reminders and starts the alarm as soon as it is free.")
                    .arg(databasePath));
        });
        mOpenRetry->start();
    }
    mViews.startUp.placeWindow();
    return true;
}

bool AppController::databaseListed(ErrorTrap &trap, const QString &databasePath)
{
    // A folder, a FIFO or a device of that name is there but is no
    // database: the connection says so later, instead of calling it missing.
    bool listed = true;
    trap(102, [&] {
        const QFileInfo info(databasePath);
        listed = listingFindsFile(databasePath) || (info.exists() && !info.isFile());
    });
    if (!listed)
        trap(104, [&] {
            mContext.reporter.showMessage(
                QCoreApplication::translate("AppController", "%1 not found").arg(databasePath));
        });
    return listed;
}

AppController::DatabaseState AppController::openDatabase(ErrorTrap &trap, Connection::LockWait wait)
{
    // A file that is there but is no usable reminder database ends start-up
    // the same way a missing one does, and is left as it is.
    DatabaseState state = DatabaseState::Unusable;
    trap(180, [&] {
        try {
            if (mConn.State() != 0)
                mConn.Close();
            mConn.Open(mContext.data.database, Connection::Access::ReadWrite, wait,
                       Connection::PageCheck::BeforeUseWhenSmall);
            state = DatabaseState::Open;
        } catch (const DatabaseBusyError &) {
            state = DatabaseState::Busy;
        } catch (const AppError &e) {
            mContext.reporter.showMessage(e.description());
        }
    });
    return state;
}

void AppController::startReminders(ErrorTrap &trap, When choice)
{
    trap(210, [&] { listReminders(); });
    const auto choose = [this](ErrorTrap &chosen) {
        std::vector<ReminderRecord> damaged;
        chosen(214, [&] { damaged = selectNext(); });
        // Once for the file opened; the rows stay listed so they can be deleted.
        chosen(212, [&] {
            const QString notice = damagedRowsNotice(damaged);
            if (!notice.isEmpty())
                mContext.reporter.showMessage(notice);
        });
    };
    // Choosing the next reminder reads every row, which takes a while at a
    // million: a window about to show shows its first rows first.
    if (choice == When::AfterShowing)
        QMetaObject::invokeMethod(this, [this, choose] {
            ErrorTrap later(mContext.reporter, QStringLiteral("Form1.Form_Load"));
            choose(later);
        }, Qt::QueuedConnection);
    else
        choose(trap);
    trap(216, [&] {
        if (mConn.pagesUnchecked())
            mPageCheck->start(mContext.data.database);
        else
            checkPagesWhenDue();
        mPageCheckTimer->start();
    });
    trap(218, [&] {
        mWatcher->start();
        // Once a session: starting picks up the snooze and what was missed.
        if (!std::exchange(mCountdownStarted, true)) {
            mScheduler->startCountdown();
            if (mSyncScheduler)
                mSyncScheduler->start();
        }
    });
}

void AppController::checkPagesWhenDue()
{
    const std::optional<QDateTime> last = lastPassingCheckTime();
    if (!last || last->secsTo(mContext.clock.now()) >= kPageCheckEverySeconds)
        mPageCheck->start(mContext.data.database);
}

void AppController::openDatabaseAgain()
{
    ErrorTrap trap(mContext.reporter, QStringLiteral("Form1.openDatabaseAgain"));
    // Not waiting for a lock: the window stays responsive while it lasts,
    // and the next try comes a second later.
    switch (openDatabase(trap, Connection::LockWait::NotAtAll)) {
    case DatabaseState::Open:
        startReminders(trap, When::AtOnce);
        break;
    case DatabaseState::Busy:
        mOpenRetry->start();
        break;
    case DatabaseState::Unusable:
        // Said once by openDatabase; the rows of the file that went are not
        // left on show as if they were still kept.
        trap(100, [&] { mViews.rows.clear(); });
        break;
    }
}

void AppController::reportDatabaseDeleted()
{
    ErrorTrap trap(mContext.reporter, QStringLiteral("Form1.reportDatabaseDeleted"));
    trap(100, [&] {
        mContext.reporter.showMessage(
            QCoreApplication::translate(
                "AppController",
                "The reminder database %1 has been deleted. The reminders still listed are no longer "
                "saved anywhere; put the file back, and Vestrona reads it again.")
                .arg(mContext.data.database));
    });
}

bool AppController::listReminders()
{
    ErrorTrap trap(mContext.reporter, QStringLiteral("Form1.listReminders"));
    trap(102, [&] { mViews.rows.clear(); });
    return trap(104, [&] {
        if (mConn.State() == 0)
            throw AppError(QCoreApplication::translate("AppController", "The reminder database is not open."));
        mViews.rows.load(mConn, currentDateFormat(mContext.settings));
    });
}

void AppController::GetLatestReminder()
{
    mScheduler->GetLatestReminder();
}

std::vector<ReminderRecord> AppController::selectNext()
{
    std::vector<ReminderRecord> damaged;
    mScheduler->GetLatestReminder([&damaged](const ReminderRecord &row) { damaged.push_back(row); });
    std::sort(damaged.begin(), damaged.end(), hasLowerId);
    mViews.rows.showDamaged(damaged);
    return damaged;
}

void AppController::PushButton6_Click()
{
    ErrorTrap trap(mContext.reporter, QStringLiteral("Form1.PushButton6_Click"));
    trap(100, [&] {
        mConn.Execute(QString::fromLatin1(kSampleInsert));
        noteLocalChange();
    });
    trap(102, [&] { listReminders(); });
}

void AppController::closeDatabase()
{
    mWatcher->stop();
    mPageCheckTimer->stop();
    if (mConn.State() != 0)
        mConn.Close();
}

void AppController::stop()
{
    mScheduler->stop();
    if (mSyncScheduler)
        mSyncScheduler->stop();
}

} // namespace vestrona

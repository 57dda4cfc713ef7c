#include "ui/Form1.h"

#include "core/ErrorTrap.h"
#include "core/PathHelpers.h"
#include "core/ProgressIdleText.h"
#include "scheduler/AlarmIntervals.h"
#include "scheduler/AlarmScheduler.h"
#include "ui/WindowLook.h"
#include "scheduler/SoundPlayer.h"
#include "shell/cSysTray.h"
#include "shell/TrayBackend.h"
#include "shell/TrayMinimizer.h"
#include "shell/mStartUp.h"
#include "config/Settings.h"
#include "formats/ReminderListText.h"
#include "database/Statements.h"
#include "ui/AppIcon.h"
#include "database/DatabaseWatcher.h"
#include "ui/FileDialogs.h"
#include "ui/IntervalList.h"
#include "ui/MissedWindow.h"
#include "ui/ReminderCommands.h"
#include "ui/ReminderListModel.h"
#include "ui/SyncDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

#include <utility>

namespace vestrona {

namespace {

// Positions and sizes are laid out in twips; 15 twips make one pixel.
QRect twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

const char *const kFrame1Caption = "Next alarm will play in";

QPushButton *button(QWidget *parent, const char *name, const char *caption, QRect geometry)
{
    auto *b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFont(arialBold(11.25));
    b->setGeometry(geometry);
    return b;
}

QGroupBox *frame(QWidget *parent, const char *name, const char *caption, QRect geometry)
{
    auto *f = new QGroupBox(QString::fromLatin1(caption), parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setGeometry(geometry);
    return f;
}

} // namespace

Form1::Form1(const AppContext &context, QWidget *parent)
    : QWidget(parent),
      mContext(context),
      mConn(context.regional),
      mListModel(std::make_unique<ReminderListModel>(context.regional)),
      mScheduler(std::make_unique<AlarmScheduler>(mConn, context.settings, mContext.regional, context.reporter,
                                                  context.clock, context.sound, context.popup, *this, *this)),
      mTray(std::make_unique<cSysTray>(context.makeTrayBackend())),
      mCommands(std::make_unique<ReminderCommands>(
          mContext, ReminderListAccess{mConn, *this, [this] { return selectedReminder(); },
                                       [this] { listReminders(); }, [this] { GetLatestReminder(); },
                                       [this] { noteLocalChange(); }, *this})),
      mWatcher(std::make_unique<DatabaseWatcher>(mConn, context.clock))
{
    setObjectName(QStringLiteral("Form1"));
    setFont(arialBold(9));
    setFixedSize(536, 607);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    createCountdownFrame();
    createReminderList();
    createReminderButtons();
    createIntervalList();
    createStartupFrame();
    createSoundFrame();
    createTrayMenu();
    PushButton7 = button(this, "PushButton7", "Set Date Format", twips(120, 8610, 7800, 405));
    connect(PushButton7, &QPushButton::clicked, this, [this] { mCommands->PushButton7_Click(); });

    connect(mTray.get(), &cSysTray::MouseUp, this, &Form1::cSysTray1_MouseUp);
    // vestrona-cli may change the reminders while the program runs; what it
    // changed goes to the calendar as the window's own changes do.
    connect(mWatcher.get(), &DatabaseWatcher::changedOutside, this, [this] {
        reloadReminders();
        noteLocalChange();
    });
    // The connection keeps reading a file moved away or replaced; what is at
    // the path now is what the user and vestrona-cli see.
    connect(mWatcher.get(), &DatabaseWatcher::replaced, this, &Form1::openDatabaseAgain);
    connect(mWatcher.get(), &DatabaseWatcher::deleted, this, &Form1::reportDatabaseDeleted);
    mOpenRetry = new QTimer(this);
    mOpenRetry->setSingleShot(true);
    mOpenRetry->setInterval(1000);
    connect(mOpenRetry, &QTimer::timeout, this, &Form1::openDatabaseAgain);
}

Form1::~Form1() = default;

void Form1::createCountdownFrame()
{
    // The countdown rewrites Frame1's caption every second. Drawn by a label
    // of its own on the frame's top line, a new caption repaints only the
    // label, not the whole frame with its progress bar.
    Frame1 = frame(this, "Frame1", "", twips(120, 90, 7800, 855));
    Frame1Caption = new QLabel(QString::fromLatin1(kFrame1Caption), Frame1);
    Frame1Caption->setObjectName(QStringLiteral("Frame1Caption"));
    Frame1Caption->setAutoFillBackground(true);
    Frame1Caption->move(8, 0);
    Frame1Caption->adjustSize();
    ProgressBar1 = new QProgressBar(Frame1);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(twips(240, 300, 7320, 405));
    ProgressBar1->setTextVisible(true);
    ProgressBar1->setAlignment(Qt::AlignCenter);
    setProgress(0, 100, QString::fromLatin1(kProgressIdleText));
}

void Form1::createReminderList()
{
    ListView1 = new QTreeView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setGeometry(twips(120, 1065, 7800, 1815));
    ListView1->setFont(arialBold(9));
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setSortingEnabled(false);
    ListView1->header()->setSectionsClickable(false);
    ListView1->header()->setStretchLastSection(false);
    ListView1->setModel(mListModel.get());
    connect(ListView1, &QTreeView::doubleClicked, this, [this] { mCommands->PushButton3_Click(); });
}

void Form1::createReminderButtons()
{
    PushButton1 = button(this, "PushButton1", "Add New Reminder", twips(120, 2985, 3840, 405));
    PushButton3 = button(this, "PushButton3", "Edit Selected Reminder", twips(4080, 2985, 3840, 405));
    PushButton2 = button(this, "PushButton2", "Delete Selected Reminder", twips(120, 3480, 3840, 405));
    PushButton6 = button(this, "PushButton6", "Load Sample/Example Reminder", twips(4080, 3480, 3840, 405));
    PushButton8 = button(this, "PushButton8", "Backup Reminders To File ", twips(120, 3990, 3840, 405));
    PushButton9 = button(this, "PushButton9", "Load Reminders From File ", twips(4080, 3990, 3840, 405));
    connect(PushButton1, &QPushButton::clicked, this, [this] { mCommands->PushButton1_Click(); });
    connect(PushButton3, &QPushButton::clicked, this, [this] { mCommands->PushButton3_Click(); });
    connect(PushButton2, &QPushButton::clicked, this, [this] { mCommands->PushButton2_Click(); });
    connect(PushButton6, &QPushButton::clicked, this, &Form1::PushButton6_Click);
    connect(PushButton8, &QPushButton::clicked, this, [this] { mCommands->PushButton8_Click(); });
    connect(PushButton9, &QPushButton::clicked, this, [this] { mCommands->PushButton9_Click(); });
}

void Form1::createIntervalList()
{
    ListView2 = new IntervalList(this);
    ListView2->setObjectName(QStringLiteral("ListView2"));
    ListView2->setGeometry(twips(120, 4500, 7800, 1815));
    ListView2->setFont(arialBold(9));
    ListView2->setRootIsDecorated(false);
    ListView2->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView2->header()->setSectionsClickable(false);
    const auto chosen = [this] { mScheduler->intervalRowClicked(selectedIntervalRow()); };
    connect(ListView2, &QTreeWidget::itemClicked, this, chosen);
    connect(ListView2, &IntervalList::rowChosenByKey, this, chosen);
}

void Form1::createStartupFrame()
{
    Frame3 = frame(this, "Frame3", "Startup Option", twips(120, 6375, 7800, 735));
    Check4 = new QCheckBox(QStringLiteral("Load this software on Windows startup"), Frame3);
    Check4->setObjectName(QStringLiteral("Check4"));
    Check4->setGeometry(twips(240, 300, 3930, 285));
    Check8 = new QCheckBox(QStringLiteral("Minimized to system tray"), Frame3);
    Check8->setObjectName(QStringLiteral("Check8"));
    Check8->setGeometry(twips(4320, 300, 2580, 285));
    connect(Check4, &QCheckBox::toggled, this, reported("Check4_Click", &Form1::Check4_Click));
    connect(Check8, &QCheckBox::toggled, this, reported("Check8_Click", &Form1::Check8_Click));
}

void Form1::createSoundFrame()
{
    Frame2 = frame(this, "Frame2", "Alarm Sound File", twips(120, 7170, 7800, 1335));
    Text2 = new QLineEdit(Frame2);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setGeometry(twips(240, 300, 7335, 345));
    Text2->setReadOnly(true);
    PushButton5 = button(Frame2, "PushButton5", "Change Alarm Sound File", twips(240, 750, 3600, 405));
    PushButton4 = button(Frame2, "PushButton4", "Test Alarm Sound", twips(3960, 750, 3600, 405));
    connect(Text2, &QLineEdit::textChanged, this, reported("Text2_Change", &Form1::Text2_Change));
    connect(PushButton4, &QPushButton::clicked, this, &Form1::PushButton4_Click);
    connect(PushButton5, &QPushButton::clicked, this, &Form1::PushButton5_Click);
}

void Form1::createTrayMenu()
{
    // Hosts that speak StatusNotifierItem often pass no click on to the
    // program, which leaves the menu the only way back in.
    mTrayMenu = new QMenu(this);
    mTrayMenu->setObjectName(QStringLiteral("TrayMenu"));
    connect(mTrayMenu->addAction(QStringLiteral("Show Vestrona")), &QAction::triggered, this, &Form1::bringToFront);
    connect(mTrayMenu->addAction(QStringLiteral("Calendar sync…")), &QAction::triggered, this, &Form1::openSyncDialog);
    connect(mTrayMenu->addAction(QStringLiteral("Quit")), &QAction::triggered, this, &Form1::quitFromTray);
    mTray->setContextMenu(mTrayMenu);
}

void Form1::quitFromTray()
{
    // A dialog left open would return to its caller after the database
    // closed: it goes first, and the window closes once it is gone.
    if (QWidget *dialog = QApplication::activeModalWidget())
        dialog->close();
    QMetaObject::invokeMethod(this, &Form1::close, Qt::QueuedConnection);
}

void Form1::openSyncDialog()
{
    if (!mSyncDialog)
        mSyncDialog = std::make_unique<SyncDialog>(mContext.settings, mContext.passwords, mSyncScheduler.get());
    mSyncDialog->show();
    mSyncDialog->raise();
    mSyncDialog->activateWindow();
}

void Form1::setSyncer(std::unique_ptr<Syncer> syncer, SyncScheduler::Timing timing)
{
    mSyncer = std::move(syncer);
    mSyncScheduler = std::make_unique<SyncScheduler>(*mSyncer, mContext.clock, timing);
    connect(mSyncScheduler.get(), &SyncScheduler::reported, this, &Form1::syncReported);
    connect(mSyncScheduler.get(), &SyncScheduler::failingLong, this, [this](const SyncReport &report) {
        mTray->ShowBalloon(QStringLiteral("Calendar sync has been failing for more than an hour: ") + report.failure,
                           QString::fromLatin1(kProductName), 0, false);
    });
}

void Form1::syncReported(const SyncReport &report)
{
    if (report.changedLocally())
        reloadReminders();
}

void Form1::noteLocalChange()
{
    if (mSyncScheduler)
        mSyncScheduler->localChange();
}

void Form1::reloadReminders()
{
    selectNext(listReminders());
}

std::function<void()> Form1::reported(const char *procedure, void (Form1::*handler)())
{
    // These small handlers keep no trap of their own, but a setting that
    // cannot be saved must still reach the user rather than the event loop.
    return [this, procedure, handler] {
        ErrorTrap trap(mContext.reporter, QStringLiteral("Form1.") + QLatin1String(procedure));
        trap(100, [this, handler] { (this->*handler)(); });
    };
}

bool Form1::Form_Load()
{
    ErrorTrap trap(mContext.reporter, QStringLiteral("Form1.Form_Load"));
    const QString &databasePath = mContext.data.database;
    trap(100, [&] { ApplySkin(); });
    if (!databaseListed(trap, databasePath))
        return false;
    mLoading = true;
    setUpWindow(trap);
    const DatabaseState database = openDatabase(trap, Connection::LockWait::AMoment);
    if (database == DatabaseState::Unusable) {
        mLoading = false;
        return false;
    }
    restoreAlarmSettings(trap);
    restoreStartupOptions(trap);
    mLoading = false;
    if (database == DatabaseState::Open) {
        startReminders(trap);
    } else {
        // A long restore by vestrona-cli at logon must not cost the whole
        // session its reminders: the window starts and waits for the file.
        trap(206, [&] {
            mContext.reporter.showMessage(
                QStringLiteral("The reminder database %1 is in use by another program. Vestrona lists the "
                               "reminders and starts the alarm as soon as it is free.")
                    .arg(databasePath));
        });
        mOpenRetry->start();
    }
    placeWindow();
    return true;
}

void Form1::startReminders(ErrorTrap &trap)
{
    bool listed = false;
    trap(210, [&] { listed = listReminders(); });
    trap(212, [&] {
        // Once for the file opened; the rows stay listed so they can be deleted.
        const QString notice = damagedRowsNotice(listed ? mListModel->damagedRows() : mConn.damagedRows());
        if (!notice.isEmpty())
            mContext.reporter.showMessage(notice);
    });
    trap(214, [&] { selectNext(listed); });
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

void Form1::openDatabaseAgain()
{
    ErrorTrap trap(mContext.reporter, QStringLiteral("Form1.openDatabaseAgain"));
    // Not waiting for a lock: the window stays responsive while it lasts,
    // and the next try comes a second later.
    switch (openDatabase(trap, Connection::LockWait::NotAtAll)) {
    case DatabaseState::Open:
        startReminders(trap);
        break;
    case DatabaseState::Busy:
        mOpenRetry->start();
        break;
    case DatabaseState::Unusable:
        // Said once by openDatabase; the rows of the file that went are not
        // left on show as if they were still kept.
        trap(100, [&] { mListModel->clear(); });
        break;
    }
}

void Form1::reportDatabaseDeleted()
{
    ErrorTrap trap(mContext.reporter, QStringLiteral("Form1.reportDatabaseDeleted"));
    trap(100, [&] {
        mContext.reporter.showMessage(
            QStringLiteral("The reminder database %1 has been deleted. The reminders still listed are no longer "
                           "saved anywhere; put the file back, and Vestrona reads it again.")
                .arg(mContext.data.database));
    });
}

bool Form1::databaseListed(ErrorTrap &trap, const QString &databasePath)
{
    // A folder of that name is there but is no database: the connection
    // says so later, instead of calling it missing.
    bool listed = true;
    trap(102, [&] { listed = listingFindsFile(databasePath) || QFileInfo(databasePath).isDir(); });
    if (!listed)
        trap(104, [&] { mContext.reporter.showMessage(databasePath + QStringLiteral(" not found")); });
    return listed;
}

void Form1::setUpWindow(ErrorTrap &trap)
{
    trap(112, [&] { applyHandCursor(*this, mContext.programFolder); });
    trap(134, [&] {
        setWindowTitle(QString::fromLatin1(kProductName));
        setWindowIcon(programIcon());
    });
    trap(136, [&] {
        const int widths[ListColumnCount] = {1900, 2100, 1150, 1150, 1200, 1};
        for (int c = 0; c < ListColumnCount; ++c)
            ListView1->setColumnWidth(c, widths[c] / 15);
        // The ID column is only there to be read by the commands, never seen.
        ListView1->setColumnHidden(IdColumn, true);
    });
    trap(160, [&] {
        ListView2->setHeaderLabels({QStringLiteral("How often would you like to play the alarm?")});
        ListView2->setColumnWidth(0, 7400 / 15);
    });
    trap(164, [&] {
        for (const AlarmInterval &interval : kAlarmIntervals)
            new QTreeWidgetItem(ListView2, {QString::fromLatin1(interval.text)});
    });
}

Form1::DatabaseState Form1::openDatabase(ErrorTrap &trap, Connection::LockWait wait)
{
    // A file that is there but is no usable reminder database ends start-up
    // the same way a missing one does, and is left as it is.
    DatabaseState state = DatabaseState::Unusable;
    trap(180, [&] {
        try {
            if (mConn.State() != 0)
                mConn.Close();
            mConn.Open(mContext.data.database, Connection::Access::ReadWrite, wait);
            state = DatabaseState::Open;
        } catch (const DatabaseBusyError &) {
            state = DatabaseState::Busy;
        } catch (const AppError &e) {
            mContext.reporter.showMessage(e.description());
        }
    });
    return state;
}

void Form1::restoreAlarmSettings(ErrorTrap &trap)
{
    const QString &defaultAlarm = mContext.data.defaultAlarm;
    trap(182, [&] { Text2->setText(mContext.settings.GetSetting(QString::fromLatin1(SettingKey::Alarm), defaultAlarm)); });
    trap(184, [&] {
        if (!FileExists(Text2->text()))
            Text2->setText(defaultAlarm);
    });
    int oftenIndex = 0;
    trap(188, [&] {
        const QString stored = mContext.settings.GetSetting(QString::fromLatin1(SettingKey::OftenIndex), QStringLiteral("1"));
        bool ok = false;
        const int value = stored.trimmed().toShort(&ok);
        if (!ok)
            throw AppError(QStringLiteral("The stored alarm interval \"%1\" is not a number.").arg(stored));
        oftenIndex = value;
    });
    trap(190, [&] {
        if (oftenIndex < 1 || oftenIndex > ListView2->topLevelItemCount())
            throw AppError(QStringLiteral("The stored alarm interval %1 names no row of the interval list.").arg(oftenIndex));
        selectIntervalRow(oftenIndex);
    });
    // The interval list always keeps a selection, so a snooze always repeats.
    if (selectedIntervalRow() == 0)
        selectIntervalRow(1);
}

void Form1::restoreStartupOptions(ErrorTrap &trap)
{
    trap(192, [&] {
        mTray->setTrayTip(QString::fromLatin1(kProductName));
        mTray->setTrayIcon(programIcon());
        setWindowIcon(programIcon());
    });
    trap(194, [&] { mTray->setInTray(true); });
    trap(196, [&] { Check4->setChecked(settingIsOn(mContext.settings, SettingKey::WindowsStartup)); });
    trap(198, [&] {
        const bool on = settingIsOn(mContext.settings, SettingKey::Minimized);
        if (Check8->isChecked() == on)
            Check8_Click(); // the handler runs even when the value is already right
        else
            Check8->setChecked(on);
    });
    trap(200, [&] {
        Check8->setVisible(Check4->isChecked());
        if (Check4->isChecked() && Check8->isChecked())
            mStartHidden = true;
    });
}

void Form1::placeWindow()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    if (mStartHidden) {
        // The window has never been shown, so it goes straight into the tray
        // without passing through the minimized state: leaving that state
        // maps the window on X11, and hide() does not take back a window Qt
        // never showed. The balloon follows once the event loop runs.
        QTimer::singleShot(0, this, [this] {
            if (!shouldHideIntoTray(true, mHiddenInTray, mTray->InTray() && mTray->trayAvailable())) {
                setWindowState(Qt::WindowMinimized);
                return;
            }
            mHiddenInTray = true;
            showMinimizedBalloon(*mTray);
        });
    }
}

void Form1::ApplySkin()
{
    const QString skin = joinPath(mContext.programFolder, QString::fromLatin1(kSkinFileName));
    if (!listingFindsFile(skin))
        return;
    QFile file(skin);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("The skin file %1 could not be read: %2").arg(skin, file.errorString()));
    setStyleSheet(QString::fromUtf8(file.readAll()));
}

bool Form1::listReminders()
{
    ErrorTrap trap(mContext.reporter, QStringLiteral("Form1.listReminders"));
    trap(102, [&] { mListModel->clear(); });
    return trap(104, [&] {
        if (mConn.State() == 0)
            throw AppError(QStringLiteral("The reminder database is not open."));
        mListModel->load(mConn, currentDateFormat(mContext.settings));
    });
}

void Form1::GetLatestReminder()
{
    mScheduler->GetLatestReminder();
}

void Form1::selectNext(bool listed)
{
    if (listed)
        mScheduler->GetLatestReminder([this](const auto &visit) { mListModel->forEachScheduleRow(visit); },
                                      [this](qint64 id) { return mListModel->message(id); });
    else
        GetLatestReminder();
}

void Form1::setFrameCaption(const QString &caption)
{
    // Arial's digits share one width, so the label is measured again only
    // when the caption gains or loses characters.
    const bool resize = caption.size() != Frame1Caption->text().size();
    Frame1Caption->setText(caption);
    if (resize)
        Frame1Caption->adjustSize();
}

void Form1::setProgress(int value, int maximum, const QString &text)
{
    ProgressBar1->setMaximum(qMax(1, maximum));
    ProgressBar1->setValue(qBound(0, value, ProgressBar1->maximum()));
    // A "%" in the text must not be read as a format placeholder.
    QString format = text;
    ProgressBar1->setFormat(format.replace(QLatin1Char('%'), QStringLiteral("%%")));
}

void Form1::setProgress(int value, const QString &text)
{
    setProgress(value, ProgressBar1->maximum(), text);
}

void Form1::processEvents()
{
    QCoreApplication::processEvents();
}

std::optional<ReminderRecord> Form1::selectedReminder() const
{
    const QModelIndexList rows = ListView1->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return mListModel->record(rows.first().row());
}

int Form1::selectedIntervalRow() const
{
    const QList<QTreeWidgetItem *> selected = ListView2->selectedItems();
    return selected.isEmpty() ? 0 : ListView2->indexOfTopLevelItem(selected.first()) + 1;
}

void Form1::selectIntervalRow(int row)
{
    QTreeWidgetItem *item = ListView2->topLevelItem(row - 1);
    ListView2->setCurrentItem(item);
    item->setSelected(true);
}

QString Form1::alarmSoundFile() const
{
    // Reading a FIFO or a device blocks the player, and with it the window
    // and every alarm after it: such a path plays nothing.
    const QString file = Text2->text();
    const QFileInfo info(file);
    return info.exists() && !info.isFile() ? QString() : file;
}

void Form1::restoreDefaultCursor()
{
    unsetCursor();
}

void Form1::reportMissed(const std::vector<MissedEntry> &entries, int more)
{
    if (!mMissedWindow)
        mMissedWindow = std::make_unique<MissedWindow>(mContext.regional);
    mMissedWindow->add(entries, more, currentDateFormat(mContext.settings));
    // Hidden in the tray, or started at logon straight into it and not yet
    // hidden there: the catch-up at start-up comes first.
    if (isVisible())
        return;
    const int count = int(entries.size()) + more;
    const QString text = count == 1 ? QStringLiteral("1 reminder was missed while Vestrona was not running")
                                    : QStringLiteral("%1 reminders were missed while Vestrona was not running").arg(count);
    mTray->ShowBalloon(text, QString::fromLatin1(kProductName), 0, false);
}

void Form1::bringToFront()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    mHiddenInTray = false;
    // An open editor or pop-up blocks the window; it is what the user came
    // back for.
    if (QWidget *dialog = QApplication::activeModalWidget()) {
        dialog->raise();
        dialog->activateWindow();
    }
}

void Form1::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void Form1::Form_Resize()
{
    // Without a tray to come back from, the window stays minimized the ordinary way.
    if (mClosing || !shouldHideIntoTray(isMinimized(), mHiddenInTray, mTray->InTray() && mTray->trayAvailable()))
        return;
    // Leaving the minimized state maps the window again on X11, so it comes
    // before hiding.
    setWindowState(windowState() & ~Qt::WindowMinimized);
    hide();
    mHiddenInTray = true;
    showMinimizedBalloon(*mTray);
}

void Form1::cSysTray1_MouseUp()
{
    bringToFront();
}

void Form1::closeEvent(QCloseEvent *event)
{
    Form_QueryUnload();
    event->accept();
}

void Form1::Form_QueryUnload()
{
    if (mClosing)
        return;
    mClosing = true;
    ErrorTrap trap(mContext.reporter, QStringLiteral("Form1.Form_QueryUnload"));
    trap(100, [&] {
        mWatcher->stop();
        if (mConn.State() != 0)
            mConn.Close();
    });
    trap(104, [&] { QCoreApplication::processEvents(); });
    trap(108, [&] { mTray->setInTray(false); });
    trap(110, [&] {
        mScheduler->stop();
        if (mSyncScheduler)
            mSyncScheduler->stop();
    });
    trap(112, [&] { QCoreApplication::processEvents(); });
    trap(116, [&] { QCoreApplication::quit(); });
}

void Form1::Check4_Click()
{
    if (mLoading)
        return;
    if (Check4->isChecked()) {
        Check8->setVisible(true);
        mContext.settings.SaveSetting(QString::fromLatin1(SettingKey::WindowsStartup), QStringLiteral("On"));
        mStartUp::EnableRunAtLogon(mContext.reporter, AutostartEntry(mContext.configFolder, mContext.programFilePath));
    } else {
        Check8->setChecked(false);
        Check8->setVisible(false);
        mContext.settings.SaveSetting(QString::fromLatin1(SettingKey::WindowsStartup), QStringLiteral("Off"));
        mStartUp::DisableRunAtLogon(mContext.reporter, AutostartEntry(mContext.configFolder, mContext.programFilePath));
    }
}

void Form1::Check8_Click()
{
    mContext.settings.SaveSetting(QString::fromLatin1(SettingKey::Minimized),
                                  Check8->isChecked() ? QStringLiteral("On") : QStringLiteral("Off"));
}

void Form1::Text2_Change()
{
    mContext.settings.SaveSetting(QString::fromLatin1(SettingKey::Alarm), Text2->text());
}

void Form1::PushButton4_Click()
{
    ErrorTrap trap(mContext.reporter, QStringLiteral("Form1.PushButton4_Click"));
    const QString file = alarmSoundFile();
    if (file.trimmed().isEmpty() || !listingFindsFile(file))
        return;
    trap(104, [&] { mContext.sound.play(file, false); });
}

void Form1::PushButton5_Click()
{
    ErrorTrap trap(mContext.reporter, QStringLiteral("Form1.PushButton5_Click"));
    QString chosen;
    trap(106, [&] {
        chosen = mContext.fileDialogs.getOpenFileName(QStringLiteral("Add File(s) - Hold Ctrl to select multiple files"),
                                                      QStringLiteral("Wav Files (*.wav)|*.wav|"));
    });
    if (chosen.isEmpty())
        return;
    trap(110, [&] {
        requireRegularFile(chosen);
        Text2->setText(chosen);
    });
}

void Form1::PushButton6_Click()
{
    ErrorTrap trap(mContext.reporter, QStringLiteral("Form1.PushButton6_Click"));
    trap(100, [&] {
        mConn.Execute(QString::fromLatin1(kSampleInsert));
        noteLocalChange();
    });
    trap(102, [&] { listReminders(); });
}

} // namespace vestrona

#include "ui/Form1.h"

#include "control/AppController.h"
#include "control/NextReminderTip.h"
#include "core/AppError.h"
#include "core/ErrorTrap.h"
#include "core/PathHelpers.h"
#include "core/ProgressIdleText.h"
#include "scheduler/AlarmScheduler.h"
#include "config/Settings.h"
#include "shell/cSysTray.h"
#include "ui/AppIcon.h"
#include "ui/MissedWindow.h"
#include "ui/OptionsPanel.h"
#include "ui/ReminderCommands.h"
#include "ui/ReminderListModel.h"
#include "ui/ReminderListView.h"
#include "ui/ScrollingPage.h"
#include "ui/SyncDialog.h"
#include "ui/TrayPresence.h"
#include "ui/WindowLook.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <utility>

namespace vestrona {

namespace {

const char *const kFrame1Caption = QT_TRANSLATE_NOOP("Form1", "Next alarm will play in");
const QSize kBuiltSize(536, 607);

} // namespace

Form1::Form1(const AppContext &context, QWidget *parent)
    : QWidget(parent), mContext(context), mListModel(std::make_unique<ReminderListModel>(context.regional, context.clock)),
      mStretch(kBuiltSize)
{
    setObjectName(QStringLiteral("Form1"));
    setFont(arialBold(9));
    // Built at its default size, the smallest it gets where the screen holds
    // it; larger, the list takes the room.
    resize(kBuiltSize);
    setMinimumSize(kBuiltSize);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);

    createCountdownFrame();
    createReminderList();
    createReminderButtons();
    mOptions = new OptionsPanel(mContext, *this);
    createTrayPresence();
    createProgramButtons();
    // Longer words than English widen the window, never cut a caption.
    mBuiltSize = widenForCaptions(*this, kBuiltSize);
    if (mBuiltSize != kBuiltSize) {
        mStretch = StretchLayout(mBuiltSize);
        resize(mBuiltSize);
        setMinimumSize(mBuiltSize);
    }
    stretchWithTheWindow();
    new ScrollingPage(*this, mBuiltSize, [this](QSize page) { mStretch.apply(page); });

    mController = std::make_unique<AppController>(mContext,
                                                  ControlViews{*this, *mListModel, *this, *this, *mTrayPresence});
    mCommands = std::make_unique<ReminderCommands>(
        mContext, ReminderListAccess{mController->conn(), *this, [this] { return ListView1->selectedReminder(); },
                                     [this] { listReminders(); }, [this] { GetLatestReminder(); },
                                     [this] { mController->noteLocalChange(); }, *this});
    connect(mOptions, &OptionsPanel::intervalChosen, this,
            [this](int row) { mController->scheduler().intervalRowClicked(row); });
    connect(&mController->scheduler(), &AlarmScheduler::nextChosen, this, [this] {
        tray().setTrayTip(nextReminderTip(scheduler().alarmText(), scheduler().alarmTime()));
    });
}

Form1::~Form1() = default;

void Form1::createCountdownFrame()
{
    // The countdown rewrites Frame1's caption every second. Drawn by a label
    // of its own on the frame's top line, a new caption repaints only the
    // label, not the whole frame with its progress bar.
    Frame1 = addFrame(this, "Frame1", QString(), twips(120, 90, 7800, 855));
    Frame1Caption = new QLabel(QCoreApplication::translate("Form1", kFrame1Caption), Frame1);
    Frame1Caption->setObjectName(QStringLiteral("Frame1Caption"));
    Frame1Caption->setAutoFillBackground(true);
    Frame1Caption->move(8, 0);
    Frame1Caption->adjustSize();
    SyncFailure = new QLabel(Frame1);
    SyncFailure->setObjectName(QStringLiteral("SyncFailure"));
    SyncFailure->setAutoFillBackground(true);
    SyncFailure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette red = SyncFailure->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    SyncFailure->setPalette(red);
    SyncFailure->setGeometry(Frame1->width() / 2, 0, Frame1->width() / 2 - 8, Frame1Caption->height());
    SyncFailure->hide();
    ProgressBar1 = new QProgressBar(Frame1);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setAccessibleName(QCoreApplication::translate("Form1", "Time until the next alarm"));
    ProgressBar1->setGeometry(twips(240, 300, 7320, 405));
    ProgressBar1->setTextVisible(true);
    ProgressBar1->setAlignment(Qt::AlignCenter);
    setProgress(0, 100, progressIdleText());
}

void Form1::showSyncFailure(const QString &words)
{
    // The whole text is a hover away; the line keeps the countdown's room.
    SyncFailure->setText(SyncFailure->fontMetrics().elidedText(words, Qt::ElideRight, SyncFailure->width()));
    SyncFailure->setToolTip(words);
    SyncFailure->setVisible(!words.isEmpty());
}

void Form1::stretchWithTheWindow()
{
    using Across = StretchLayout::Across;
    using Down = StretchLayout::Down;
    mStretch.add(Frame1, Across::Grow, Down::Keep);
    mStretch.add(ProgressBar1, Across::Grow, Down::Keep);
    mStretch.add(SyncFailure, Across::Grow, Down::Keep);
    mStretch.add(ListView1, Across::Grow, Down::Grow);
    for (QPushButton *left : {PushButton1, PushButton2, PushButton8})
        mStretch.add(left, Across::LeftHalf, Down::Move);
    for (QPushButton *right : {PushButton3, PushButton6, PushButton9})
        mStretch.add(right, Across::RightHalf, Down::Move);
    mOptions->stretchWith(mStretch);
    // The row under the options moves down as it is; its buttons need no width.
    for (QPushButton *bottom : {PushButton7, PushButton10, PushButton11})
        mStretch.add(bottom, Across::Keep, Down::Move);
}

void Form1::createReminderList()
{
    ListView1 = new ReminderListView(*mListModel, mContext.settings, this);
    ListView1->setGeometry(twips(120, 1065, 7800, 1815));
    ListView1->setFont(arialBold(9));
    connect(ListView1, &ReminderListView::doubleClicked, this, [this] { mCommands->PushButton3_Click(); });
}

void Form1::createReminderButtons()
{
    PushButton1 = addButton(this, "PushButton1", QCoreApplication::translate("Form1", "&Add New Reminder"),
                            twips(120, 2985, 3840, 405));
    PushButton3 = addButton(this, "PushButton3", QCoreApplication::translate("Form1", "&Edit Selected Reminder"),
                            twips(4080, 2985, 3840, 405));
    PushButton2 = addButton(this, "PushButton2", QCoreApplication::translate("Form1", "&Delete Selected Reminder"),
                            twips(120, 3480, 3840, 405));
    PushButton6 = addButton(this, "PushButton6", QCoreApplication::translate("Form1", "Load &Sample/Example Reminder"),
                            twips(4080, 3480, 3840, 405));
    PushButton8 = addButton(this, "PushButton8", QCoreApplication::translate("Form1", "&Backup Reminders To File "),
                            twips(120, 3990, 3840, 405));
    PushButton9 = addButton(this, "PushButton9", QCoreApplication::translate("Form1", "&Load Reminders From File "),
                            twips(4080, 3990, 3840, 405));
    connect(PushButton1, &QPushButton::clicked, this, [this] { mCommands->PushButton1_Click(); });
    connect(PushButton3, &QPushButton::clicked, this, [this] { mCommands->PushButton3_Click(); });
    connect(PushButton2, &QPushButton::clicked, this, [this] { mCommands->PushButton2_Click(); });
    connect(PushButton6, &QPushButton::clicked, this, [this] { mController->PushButton6_Click(); });
    connect(PushButton8, &QPushButton::clicked, this, [this] { mCommands->PushButton8_Click(); });
    connect(PushButton9, &QPushButton::clicked, this, [this] { mCommands->PushButton9_Click(); });
    // The commands of the list from the keyboard: a new one anywhere in the
    // window, the chosen row's own where the list has the focus.
    auto *add = new QShortcut(QKeySequence::New, this);
    connect(add, &QShortcut::activated, PushButton1, &QPushButton::click);
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto *edit = new QShortcut(QKeySequence(key), ListView1, nullptr, nullptr, Qt::WidgetShortcut);
        connect(edit, &QShortcut::activated, PushButton3, &QPushButton::click);
    }
    auto *remove = new QShortcut(QKeySequence::Delete, ListView1, nullptr, nullptr, Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, PushButton2, &QPushButton::click);
}

void Form1::createProgramButtons()
{
    PushButton7 = addButton(this, "PushButton7", QCoreApplication::translate("Form1", "Set Date &Format"),
                            twips(120, 8610, 2520, 405));
    // What the tray menu offers is here too: many desktops show no tray.
    PushButton10 = addButton(this, "PushButton10", QCoreApplication::translate("Form1", "Calendar s&ync…"),
                             twips(2760, 8610, 2520, 405));
    PushButton11
        = addButton(this, "PushButton11", QCoreApplication::translate("Form1", "&Quit"), twips(5400, 8610, 2520, 405));
    connect(PushButton7, &QPushButton::clicked, this, [this] { mCommands->PushButton7_Click(); });
    connect(PushButton10, &QPushButton::clicked, this, &Form1::openSyncDialog);
    connect(PushButton11, &QPushButton::clicked, this, &Form1::close);
}

void Form1::createTrayPresence()
{
    mTrayPresence = new TrayPresence(mContext.makeTrayBackend(), *this, mContext.notifier);
    connect(mTrayPresence, &TrayPresence::showRequested, this, &Form1::bringToFront);
    connect(mTrayPresence, &TrayPresence::syncRequested, this, &Form1::openSyncDialog);
    connect(mTrayPresence, &TrayPresence::syncFailureChanged, this, &Form1::showSyncFailure);
    connect(mTrayPresence, &TrayPresence::quitRequested, this, &Form1::quitFromTray);
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
        mSyncDialog = std::make_unique<SyncDialog>(mContext.settings, mContext.passwords, syncScheduler());
    mSyncDialog->show();
    mSyncDialog->raise();
    mSyncDialog->activateWindow();
}

void Form1::setSyncer(std::unique_ptr<Syncer> syncer, SyncScheduler::Timing timing)
{
    mController->setSyncer(std::move(syncer), timing);
}

SyncScheduler *Form1::syncScheduler()
{
    return mController->syncScheduler();
}

Connection &Form1::conn()
{
    return mController->conn();
}

AlarmScheduler &Form1::scheduler()
{
    return mController->scheduler();
}

cSysTray &Form1::tray()
{
    return mTrayPresence->tray();
}

bool Form1::HiddenInTray() const
{
    return mTrayPresence->HiddenInTray();
}

bool Form1::Form_Load()
{
    return mController->Form_Load();
}

void Form1::ApplySkin()
{
    const QString skin = joinPath(mContext.programFolder, QString::fromLatin1(kSkinFileName));
    if (!listingFindsFile(skin))
        return;
    QFile file(skin);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QCoreApplication::translate("Form1", "The skin file %1 could not be read: %2")
                           .arg(skin, file.errorString()));
    setStyleSheet(QString::fromUtf8(file.readAll()));
}

void Form1::setUpWindow(ErrorTrap &trap)
{
    trap(112, [&] { applyHandCursor(*this, mContext.programFolder); });
    trap(134, [&] {
        setWindowTitle(QString::fromLatin1(kProductName));
        setWindowIcon(programIcon());
    });
    trap(136, [&] { ListView1->setUpColumns(); });
    mOptions->setUpIntervalList(trap);
}

void Form1::restoreAlarmSettings(ErrorTrap &trap)
{
    mOptions->restoreAlarmSettings(trap);
}

void Form1::restoreStartupOptions(ErrorTrap &trap)
{
    trap(192, [&] {
        tray().setTrayTip(QString::fromLatin1(kProductName));
        tray().setTrayIcon(programIcon());
        setWindowIcon(programIcon());
    });
    trap(194, [&] { tray().setInTray(true); });
    mStartHidden = mOptions->restoreStartupOptions(trap);
}

void Form1::placeWindow()
{
    // Centred, but never with its title bar off a screen too small for it;
    // on one that cannot hold it whole, it shrinks and its controls scroll.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        setMinimumSize(ScrollingPage::smallestOn(area.size(), mBuiltSize));
        resize(ScrollingPage::smallestOn(area.size(), size()));
        const QPoint centred = area.center() - rect().center();
        move(std::max(centred.x(), area.left()), std::max(centred.y(), area.top()));
    }
    if (mStartHidden)
        mTrayPresence->startInTray();
}

bool Form1::listReminders()
{
    return mController->listReminders();
}

void Form1::GetLatestReminder()
{
    mController->GetLatestReminder();
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

int Form1::selectedIntervalRow() const
{
    return mOptions->selectedIntervalRow();
}

QString Form1::alarmSoundFile() const
{
    return mOptions->alarmSoundFile();
}

void Form1::restoreDefaultCursor()
{
    unsetCursor();
}

void Form1::reportMissed(const std::vector<MissedEntry> &entries, int more)
{
    if (!mMissedWindow)
        mMissedWindow = std::make_unique<MissedWindow>(mContext.regional, *this);
    mMissedWindow->add(entries, more, currentDateFormat(mContext.settings));
    // Hidden in the tray, or started at logon straight into it and not yet
    // hidden there: the catch-up at start-up comes first.
    if (isVisible())
        return;
    const int count = int(entries.size()) + more;
    mTrayPresence->notify(
        count == 1 ? QCoreApplication::translate("Form1", "1 reminder was missed while Vestrona was not running")
                   : QCoreApplication::translate("Form1", "%n reminders were missed while Vestrona was not running",
                                                 nullptr, count));
}

void Form1::bringToFront()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    mTrayPresence->windowShown();
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
    // Closing, the window no longer goes into the tray it is leaving.
    if (!mClosing)
        mTrayPresence->hideIfMinimized();
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
    trap(100, [&] { mController->closeDatabase(); });
    trap(104, [&] { QCoreApplication::processEvents(); });
    trap(108, [&] { tray().setInTray(false); });
    trap(110, [&] { mController->stop(); });
    trap(112, [&] { QCoreApplication::processEvents(); });
    trap(116, [&] { QCoreApplication::quit(); });
}

} // namespace vestrona

#include "ui/Form3.h"

#include "core/Clock.h"
#include "core/ErrorTrap.h"
#include "scheduler/NextReminder.h"
#include "database/Connection.h"
#include "database/Statements.h"
#include "recurrence/RuleCheck.h"
#include "recurrence/RuleParts.h"
#include "recurrence/RuleSummary.h"
#include "ui/AppIcon.h"
#include "ui/RepeatDialog.h"
#include "ui/ScrollingPage.h"
#include "ui/WeekdayCaptions.h"
#include "ui/TimePicker.h"
#include "ui/WindowLook.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace vestrona {

namespace {
const QSize kBuiltSize(420, 402);
} // namespace

Form3::Form3(const AppContext &context, Connection &conn, std::function<void()> listReminders)
    : QDialog(nullptr), mContext(context), mConn(conn), mListReminders(std::move(listReminders))
{
    buildControls();
    Form_Load();
}

void Form3::buildControls()
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QCoreApplication::translate("Form3", "Reminder"));
    resize(kBuiltSize);
    setMinimumSize(kBuiltSize);

    auto *dateLabel = new QLabel(QCoreApplication::translate("Form3", "&Date:"), this);
    dateLabel->setGeometry(10, 12, 40, 22);
    dtpDate = new QDateEdit(this);
    dtpDate->setObjectName(QStringLiteral("dtpDate"));
    dtpDate->setAccessibleName(QCoreApplication::translate("Form3", "Start date"));
    // Always month first, whatever the list's date format.
    dtpDate->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    dtpDate->setCalendarPopup(true);
    dtpDate->setGeometry(50, 10, 140, 26);
    dateLabel->setBuddy(dtpDate);
    auto *timeLabel = new QLabel(QCoreApplication::translate("Form3", "T&ime:"), this);
    timeLabel->setGeometry(215, 12, 40, 22);
    dtpTime = new TimePicker(this);
    dtpTime->setObjectName(QStringLiteral("dtpTime"));
    dtpTime->setAccessibleName(QCoreApplication::translate("Form3", "Start time"));
    dtpTime->setAccessibleDescription(QCoreApplication::translate("Form3", "Type A or P for the half of the day."));
    dtpTime->setDisplayFormat(QStringLiteral("hh:mm AP"));
    dtpTime->setGeometry(255, 10, 150, 26);
    timeLabel->setBuddy(dtpTime);

    Frame2 = new QGroupBox(QCoreApplication::translate("Form3", "&Reminder Option"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(10, 44, 400, 192);
    Option1 = new QRadioButton(QCoreApplication::translate("Form3", "Remind &just this one time"), Frame2);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->setGeometry(10, 20, 380, 22);
    Option1->setChecked(true);
    Option2 = new QRadioButton(QCoreApplication::translate("Form3", "Remind e&very day"), Frame2);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option2->setGeometry(10, 44, 380, 22);
    Option3 = new QRadioButton(QCoreApplication::translate("Form3", "Remind every wee&k"), Frame2);
    Option3->setObjectName(QStringLiteral("Option3"));
    Option3->setGeometry(10, 68, 380, 22);
    for (int i = 0; i < 7; ++i) {
        Check1[i] = new QCheckBox(weekdayCaption(i), Frame2);
        Check1[i]->setObjectName(QStringLiteral("Check1_%1").arg(i));
        Check1[i]->setAccessibleName(weekdayName(i));
        Check1[i]->setGeometry(10 + i * 55, 92, 55, 22);
    }
    OptionMonthly = new QRadioButton(tr("Remind every mo&nth"), Frame2);
    OptionMonthly->setObjectName(QStringLiteral("OptionMonthly"));
    OptionMonthly->setGeometry(10, 116, 380, 22);
    OptionYearly = new QRadioButton(tr("Remind every &year"), Frame2);
    OptionYearly->setObjectName(QStringLiteral("OptionYearly"));
    OptionYearly->setGeometry(10, 140, 380, 22);
    OptionOther = new QRadioButton(tr("&Other repeat…"), Frame2);
    OptionOther->setObjectName(QStringLiteral("OptionOther"));
    OptionOther->setGeometry(10, 164, 380, 22);

    Frame1 = new QGroupBox(QCoreApplication::translate("Form3", "Messa&ge"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(10, 242, 400, 110);
    Text1 = new QPlainTextEdit(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QCoreApplication::translate("Form3", "Message"));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setGeometry(10, 20, 380, 80);
    // Tab must lead on to "Save Reminder"; Ctrl+Tab still types a tab.
    Text1->setTabChangesFocus(true);
    Text1->installEventFilter(this);

    PushButton1 = new QPushButton(QCoreApplication::translate("Form3", "&Save Reminder"), this);
    PushButton1->setObjectName(QStringLiteral("PushButton1"));
    PushButton1->setGeometry(10, 362, 400, 30);
    // Enter saves, from the button and from the pickers alike; in the
    // message it starts a new line.
    PushButton1->setDefault(true);

    fitToFont(*dateLabel, *timeLabel);
    using Across = StretchLayout::Across;
    using Down = StretchLayout::Down;
    const QSize built = size();
    mStretch = StretchLayout(built);
    mStretch.add(Frame2, Across::Grow, Down::Keep);
    mStretch.add(Frame1, Across::Grow, Down::Grow);
    mStretch.add(Text1, Across::Grow, Down::Grow);
    mStretch.add(PushButton1, Across::Grow, Down::Move);
    // On a screen that cannot hold it (a scale factor of 2 on a laptop) it
    // shrinks to fit, title bar and all, and its controls scroll.
    new ScrollingPage(*this, built, [this](QSize page) { mStretch.apply(page); });
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize held = ScrollingPage::smallestOn(screen->availableGeometry().size(), built);
        setMinimumSize(held);
        resize(held);
    }

    connect(Option1, &QRadioButton::clicked, this, [this] { EnableCheckboxes(false); });
    connect(Option2, &QRadioButton::clicked, this, [this] { EnableCheckboxes(false); });
    connect(Option3, &QRadioButton::clicked, this, [this] { EnableCheckboxes(true); });
    for (QRadioButton *option : {Option1, Option2, Option3, OptionMonthly, OptionYearly}) {
        connect(option, &QRadioButton::toggled, this, [this, option](bool on) {
            if (on)
                mChosenBefore = option;
        });
    }
    connect(OptionMonthly, &QRadioButton::clicked, this, [this] { EnableCheckboxes(false); });
    connect(OptionYearly, &QRadioButton::clicked, this, [this] { EnableCheckboxes(false); });
    connect(OptionOther, &QRadioButton::clicked, this, &Form3::chooseOtherRepeat);
    connect(PushButton1, &QPushButton::clicked, this, &Form3::PushButton1_Click);
}

void Form3::fitToFont(QLabel &dateLabel, QLabel &timeLabel)
{
    // The places are made for Arial at 9 points. A wider desktop font gets
    // the room its words need: a label or box widens to show its whole
    // text, what follows it on its row moves along, and the editor widens.
    const auto widen = [](QWidget &control) {
        const int extra = std::max(0, control.sizeHint().width() - control.width());
        control.resize(control.width() + extra, control.height());
        return extra;
    };
    const auto moveBy = [](QWidget &control, int dx) { control.move(control.x() + dx, control.y()); };
    int shift = widen(dateLabel);
    moveBy(*dtpDate, shift);
    moveBy(timeLabel, shift);
    shift += widen(timeLabel);
    moveBy(*dtpTime, shift);
    int dayShift = 0;
    for (QCheckBox *box : Check1) {
        moveBy(*box, dayShift);
        dayShift += widen(*box);
    }
    // The right margins the built places leave: after the time picker, and
    // after the last weekday within its frame and after the frame.
    const int topRow = dtpTime->geometry().right() + 1 + 15;
    const int dayRow = Frame2->x() + Check1[6]->geometry().right() + 1 + 5 + 10;
    const int extra = std::max(0, std::max(topRow, dayRow) - width());
    if (extra == 0)
        return;
    resize(width() + extra, height());
    setMinimumSize(size());
    for (QWidget *control : std::initializer_list<QWidget *>{Frame2, Frame1, Text1, PushButton1})
        control->resize(control->width() + extra, control->height());
}

bool Form3::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::ControlModifier) {
            Text1->insertPlainText(QStringLiteral("\t"));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Form3::Form_Load()
{
    ErrorTrap trap(mContext.reporter, QStringLiteral("Form3.Form_Load"));
    const QDateTime now = mContext.clock.now();
    trap(100, [&] { dtpDate->setDate(now.date()); });
    // A new reminder starts on the current minute: the picker shows no
    // seconds, so none may be stored that nobody chose.
    trap(102, [&] { dtpTime->setTime(QTime(now.time().hour(), now.time().minute())); });
    trap(106, [&] { setWindowIcon(programIcon()); });
    trap(108, [&] { applyHandCursor(*this, mContext.programFolder); });
}

void Form3::chooseOtherRepeat()
{
    EnableCheckboxes(false);
    const std::optional<RuleParts> parts = RuleParts::fromRule(mOtherRule);
    // A rule the dialog cannot show stays as it came.
    if (!mOtherRule.isEmpty() && !parts)
        return;
    RepeatDialog dialog(this);
    if (parts)
        dialog.setParts(*parts);
    if (dialog.exec() == QDialog::Accepted) {
        mOtherRule = dialog.parts().toRule();
        showOtherRule();
        return;
    }
    if (!mOtherRule.isEmpty())
        return;
    QRadioButton *before = mChosenBefore ? mChosenBefore : Option1;
    before->setChecked(true);
    EnableCheckboxes(before == Option3);
}

void Form3::showOtherRule()
{
    ReminderRecord shown;
    shown.Option = OptionRule;
    shown.StartDate = dtpDate->date();
    shown.repeat = std::make_shared<const RepeatRule>(RepeatRule{mOtherRule, {}, {}, {}});
    OptionOther->setText(tr("&Other repeat: %1").arg(repeatSummary(shown)));
}

void Form3::load(const ReminderRecord &record)
{
    mRemID = record.ID;
    mZone = record.repeat ? record.repeat->zone : QString();
    mHadRepeat = record.repeat != nullptr;
    if (record.repeat)
        mLoadedDates = {record.repeat->exdates, record.repeat->rdates};
    dtpDate->setDate(record.StartDate);
    dtpTime->setTime(record.StartTime);
    Text1->setPlainText(record.Reminder);
    // An option value the program never writes leaves the new editor's choice.
    switch (record.Option) {
    case OptionOnce:
        Option1->setChecked(true);
        EnableCheckboxes(false);
        break;
    case OptionDaily:
        Option2->setChecked(true);
        EnableCheckboxes(false);
        break;
    case OptionWeekly:
        Option3->setChecked(true);
        EnableCheckboxes(true);
        break;
    case OptionRule: {
        // Without a rule beside it, the value is one the program never wrote.
        if (!record.repeat)
            break;
        const QString rule = record.repeat->rule;
        // The two short forms come back as they were chosen.
        QRadioButton *shortForm = rule == QLatin1String("FREQ=MONTHLY") ? OptionMonthly
                                  : rule == QLatin1String("FREQ=YEARLY") ? OptionYearly
                                                                         : nullptr;
        const bool plain = shortForm && record.repeat->exdates.isEmpty() && record.repeat->rdates.isEmpty();
        if (plain) {
            shortForm->setChecked(true);
        } else {
            mOtherRule = rule;
            OptionOther->setChecked(true);
            showOtherRule();
        }
        EnableCheckboxes(false);
        break;
    }
    }
    // A stored code that is not exactly a box's caption ("Wed" without its
    // blank) ticks no box.
    const QStringList days = record.Weekdays.split(QLatin1Char(','));
    for (int i = 0; i < 7; ++i)
        Check1[i]->setChecked(days.contains(QLatin1String(kWeekdayCodes[i])));
}

QString Form3::savedText(const ReminderValues &values) const
{
    const ReminderRecord saved = storedRecord(values, 0);
    const QString text = QCoreApplication::translate("Form3", "Reminder saved.");
    // Saving is still right (the list keeps the reminder), but a user who
    // chose a past moment by mistake would otherwise wait for nothing.
    if (nextOccurrence(saved, mContext.clock.now()))
        return text;
    return text + QCoreApplication::translate("Form3", "\nIts time has already passed, so it will not ring.");
}

void Form3::EnableCheckboxes(bool enabled)
{
    for (QCheckBox *box : Check1)
        box->setEnabled(enabled);
}

void Form3::PushButton1_Click()
{
    Reporter &reporter = mContext.reporter;
    ErrorTrap trap(reporter, QStringLiteral("Form3.PushButton1_Click"));
    if (Text1->toPlainText().trimmed().isEmpty()) {
        trap(100, [&] { reporter.showMessage(QCoreApplication::translate("Form3", "Please fill out a message.")); });
        return;
    }
    ReminderValues values;
    values.option = Option1->isChecked()   ? OptionOnce
                    : Option2->isChecked() ? OptionDaily
                    : Option3->isChecked() ? OptionWeekly
                                           : OptionRule;
    values.repeat.zone = mZone;
    if (OptionMonthly->isChecked())
        values.repeat.rule = QStringLiteral("FREQ=MONTHLY");
    else if (OptionYearly->isChecked())
        values.repeat.rule = QStringLiteral("FREQ=YEARLY");
    else if (OptionOther->isChecked())
        values.repeat.rule = mOtherRule;
    bool ticked[7];
    for (int i = 0; i < 7; ++i)
        ticked[i] = Check1[i]->isChecked();
    values.weekdays = weekdaysText(ticked);
    // A weekly reminder without a day would never ring.
    if (values.option == OptionWeekly && values.weekdays.isEmpty()) {
        trap(104, [&] {
            reporter.showMessage(QCoreApplication::translate("Form3", "Please choose at least one weekday."));
        });
        return;
    }
    values.date = dtpDate->date();
    values.time = dtpTime->time();
    values.message = Text1->toPlainText();
    if (values.option == OptionRule) {
        const RuleCheck check = checkRule(values.repeat.rule, values.date, values.time, values.repeat.zone);
        if (!check.error.isEmpty()) {
            trap(106, [&] { reporter.showMessage(check.error); });
            return;
        }
        // The dates a loaded rule left out or added stay with it.
        values.repeat.exdates = mLoadedDates.first;
        values.repeat.rdates = mLoadedDates.second;
        values.repeat.rule = check.repeat.rule;
    }
    const RegionalSettings &regional = mContext.regional;
    // A statement the database refuses is reported and the editor stays
    // open with what the user typed, instead of confirming a save that did
    // not happen.
    const bool saved = trap(108, [&] {
        // A rule or zone lives beside the row: the typed writes store both.
        if (!values.repeat.isEmpty() || mHadRepeat)
            mRemID ? void(mConn.updateReminder(*mRemID, values)) : void(mConn.insertReminder(values));
        else
            mConn.Execute(mRemID ? editorUpdateStatement(values, *mRemID, regional)
                                 : editorInsertStatement(values, regional));
    });
    if (!saved)
        return;
    trap(110, [&] { reporter.showMessage(savedText(values)); });
    trap(112, [&] { mListReminders(); });
    trap(114, [&] { accept(); });
}

} // namespace vestrona

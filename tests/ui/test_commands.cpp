#include "scheduler/AlarmScheduler.h"
#include "shell/cSysTray.h"
#include "config/Settings.h"
#include "database/Statements.h"
#include "tests/support/Files.h"
#include "tests/support/AppFixture.h"
#include "tests/support/TestDatabase.h"
#include "ui/FileDialogs.h"
#include "tests/support/Mnemonics.h"
#include "recurrence/RuleParts.h"
#include "ui/Form3.h"
#include "ui/RepeatDialog.h"
#include "ui/Form4.h"
#include "ui/ReminderListModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QFont>
#include <QLabel>
#include <QDateEdit>
#include <QFile>
#include <QItemSelectionModel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <QTreeView>
#include <QWindow>
#include <QTreeView>

#include <memory>

using namespace vestrona;
using namespace vestrona::test;

namespace {

// The fixture's main window with the reads and the selection these tests
// make of it.
struct Harness : AppFixture {
    void insert(int option, QDate date, QTime time, const QString &message, const QString &weekdays = {})
    {
        form->conn().Execute(reminderInsert(option, date, time, message, weekdays));
        form->listReminders();
    }

    QStringList rows() const
    {
        QStringList out;
        for (const ReminderRecord &r : form->conn().orderedRows())
            out << QStringLiteral("%1|%2|%3|%4|%5")
                       .arg(r.Option)
                       .arg(r.StartDate.toString(Qt::ISODate), r.StartTime.toString(Qt::ISODate), r.Reminder, r.Weekdays);
        return out;
    }

    void select(int row)
    {
        control<QTreeView>("ListView1")->selectionModel()->select(
            form->listModel().index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    QStringList messages() const
    {
        QStringList out;
        for (const auto &box : reporter.boxes)
            out << box.text;
        return out;
    }
};

Form3 &editor(QDialog &dialog)
{
    return dynamic_cast<Form3 &>(dialog);
}

QList<bool> ticks(const Form3 &f)
{
    QList<bool> out;
    for (const QCheckBox *box : f.Check1)
        out << box->isChecked();
    return out;
}

QList<bool> enabled(const Form3 &f)
{
    QList<bool> out;
    for (const QCheckBox *box : f.Check1)
        out << box->isEnabled();
    return out;
}

const QList<bool> kAllOn(7, true);
const QList<bool> kAllOff(7, false);
const QString kSavedInThePast = QStringLiteral("Reminder saved.\nIts time has already passed, so it will not ring.");

// Shows the editor on the offscreen screen and gives it the keyboard.
void showActive(QWidget &window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

class TestCommands : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // The editor
    void blankMessageKeepsEditorOpen();
    void addWithDefaults();
    void weeklyRoundTripAndSwitchToDaily();
    void editOpensOneTimeReminderWithBoxesDisabled();
    void editOnEmptyListDoesNothing();
    void editWithoutSelectionDoesNothing();
    void editOfAnUnknownOptionSavesTheSameReminder();
    void repeatRulesAreChosenSavedAndReopened_data();
    void repeatRulesAreChosenSavedAndReopened();
    void closingWithoutSavingChangesNothing();
    void apostrophesAreKept();
    void weeklyWithoutWeekdayIsRefused();
    void editKeepsDateUnderDayFirstFormat();
    void typedTimeIsKept_data();
    void typedTimeIsKept();
    void savingAReminderThatWillNotRingSaysSo_data();
    void savingAReminderThatWillNotRingSaysSo();
    void theKeyboardReachesSaveReminder();
    void enterSavesAndEveryControlHasItsKey();
    void theEditorGrowsWithTheMessageTakingTheRoom();
    void theEditorShowsItsWordsWholeInAWideFont_data();
    void theEditorShowsItsWordsWholeInAWideFont();
    void doubleClickOpensTheReminderInTheEditor();
    void theEditorStaysWithTheMainWindow();
    void quitInTheTrayMenuWhileTheEditorIsOpen();

    // Delete
    void deleteAnsweredNoChangesNothing();
    void deleteOnEmptyListAsksNothing();
    void deletingNextReminderChoosesTheFollowing();

    // Backup and load
    void backupCancelledWritesNothing();
    void backupAsksBeforeOverwriting();
    void loadSeveralFilesRefreshesOnce();
    void loadReportsRejectedLinesAndRestoresCursor();
    void backupThenLoadDoublesReminders();
    void calendarExportThenLoadByContent();
    void typedNameGetsTheFilterSuffix_data();
    void typedNameGetsTheFilterSuffix();

    // Date format
    void dateFormatDialog();
    void dateFormatCancelStoresNothing();

private:
    std::unique_ptr<Harness> h;
};

void TestCommands::init()
{
    h = std::make_unique<Harness>();
    h->clock.set(QDateTime(QDate(2026, 12, 7), QTime(9, 0, 37)));
    h->makeProgramFolder();
    QVERIFY(h->start());
    h->reporter.clear();
}

void TestCommands::cleanup()
{
    h.reset();
}

void TestCommands::blankMessageKeepsEditorOpen()
{
    bool stillOpen = false;
    h->user = [&](QDialog &d) {
        Form3 &f = editor(d);
        f.Text1->setPlainText(QStringLiteral("   "));
        f.show();
        QTest::mouseClick(f.PushButton1, Qt::LeftButton);
        stillOpen = f.isVisible() && f.result() != QDialog::Accepted;
        QCOMPARE(f.Text1->toPlainText(), QStringLiteral("   "));
    };
    h->click("PushButton1");
    QVERIFY(stillOpen);
    QCOMPARE(h->messages(), QStringList{"Please fill out a message."});
    QVERIFY(h->rows().isEmpty());
}

void TestCommands::addWithDefaults()
{
    h->insert(1, QDate(2030, 1, 1), QTime(8, 0), QStringLiteral("later"));
    bool accepted = false;
    h->user = [&](QDialog &d) {
        Form3 &f = editor(d);
        QCOMPARE(f.windowTitle(), QStringLiteral("Reminder"));
        QVERIFY(!f.reminderId());
        QVERIFY(f.Option1->isChecked());
        QCOMPARE(ticks(f), kAllOff);
        QCOMPARE(enabled(f), kAllOn);
        QCOMPARE(f.dtpDate->displayFormat(), QStringLiteral("MM/dd/yyyy"));
        QCOMPARE(f.dtpDate->date(), QDate(2026, 12, 7));
        // The current minute, not the second at which the editor opened.
        QCOMPARE(f.dtpTime->time(), QTime(9, 0));
        f.Text1->setPlainText(QStringLiteral("  leading blanks"));
        f.PushButton1->click();
        accepted = f.result() == QDialog::Accepted;
        // Confirmed and the list refreshed before the editor closed.
        QCOMPARE(h->form->listModel().rowCount(), 2);
    };
    h->click("PushButton1");
    QVERIFY(accepted);
    // 09:00 has passed by 37 seconds: saved, but it will not ring.
    QCOMPARE(h->messages(), QStringList{kSavedInThePast});
    QCOMPARE(h->rows().first(), QStringLiteral("1|2026-12-07|09:00:00|  leading blanks|"));

    // Once the editor has closed the next reminder is chosen again.
    h->user = [&](QDialog &d) {
        Form3 &f = editor(d);
        f.dtpTime->setTime(QTime(10, 0));
        f.Text1->setPlainText(QStringLiteral("soon"));
        f.PushButton1->click();
    };
    h->click("PushButton1");
    QCOMPARE(h->form->scheduler().alarmText(), QStringLiteral("soon"));
}

void TestCommands::weeklyRoundTripAndSwitchToDaily()
{
    h->user = [&](QDialog &d) {
        Form3 &f = editor(d);
        f.Option3->click();
        for (int i : {0, 2, 4})
            f.Check1[i]->setChecked(true);
        f.Text1->setPlainText(QStringLiteral("gym"));
        f.PushButton1->click();
    };
    h->click("PushButton1");
    QCOMPARE(h->rows(), QStringList{"3|2026-12-07|09:00:00|gym|Mon, Wed,Fri"});

    const QList<bool> monWedFri{true, false, true, false, true, false, false};
    h->select(0);
    h->user = [&](QDialog &d) {
        Form3 &f = editor(d);
        QCOMPARE(f.reminderId().value_or(-1), h->form->listModel().record(0).ID);
        QVERIFY(f.Option3->isChecked());
        QCOMPARE(ticks(f), monWedFri);
        QCOMPARE(enabled(f), kAllOn);
        f.Option2->click();
        QCOMPARE(enabled(f), kAllOff);
        QCOMPARE(ticks(f), monWedFri);
        f.PushButton1->click();
    };
    h->click("PushButton3");
    QCOMPARE(h->rows(), QStringList{"2|2026-12-07|09:00:00|gym|Mon, Wed,Fri"});
}

void TestCommands::editOpensOneTimeReminderWithBoxesDisabled()
{
    h->insert(1, QDate(2027, 3, 4), QTime(16, 5, 9), QStringLiteral("once"), QStringLiteral("Tue,Wed,Sun"));
    h->select(0);
    h->user = [&](QDialog &d) {
        Form3 &f = editor(d);
        QVERIFY(f.Option1->isChecked());
        QCOMPARE(enabled(f), kAllOff);
        // "Wed" without its blank is not the Wednesday code.
        QCOMPARE(ticks(f), QList<bool>({false, true, false, false, false, false, true}));
        QCOMPARE(f.dtpDate->date(), QDate(2027, 3, 4));
        QCOMPARE(f.dtpTime->time(), QTime(16, 5, 9));
        QCOMPARE(f.Text1->toPlainText(), QStringLiteral("once"));
    };
    h->click("PushButton3");
    QCOMPARE(h->dialogsShown, 1);
}

void TestCommands::editOnEmptyListDoesNothing()
{
    h->click("PushButton3");
    QCOMPARE(h->dialogsShown, 0);
    QVERIFY(h->reporter.boxes.isEmpty());
}

void TestCommands::editWithoutSelectionDoesNothing()
{
    h->insert(1, QDate(2027, 1, 1), QTime(7, 0), QStringLiteral("not chosen"));
    h->click("PushButton3");
    h->click("PushButton2");
    QCOMPARE(h->dialogsShown, 0);
    QVERIFY(h->reporter.boxes.isEmpty());
    QCOMPARE(h->rows(), QStringList{"1|2027-01-01|07:00:00|not chosen|"});
}

void TestCommands::editOfAnUnknownOptionSavesTheSameReminder()
{
    // An option value the program never writes opens as a new reminder would.
    h->insert(4, QDate(2027, 2, 3), QTime(6, 30), QStringLiteral("odd"), QStringLiteral("Mon"));
    h->select(0);
    h->user = [&](QDialog &d) {
        Form3 &f = editor(d);
        QVERIFY(f.Option1->isChecked());
        QCOMPARE(enabled(f), kAllOn);
        f.PushButton1->click();
    };
    h->click("PushButton3");
    QCOMPARE(h->rows(), QStringList{"1|2027-02-03|06:30:00|odd|Mon"});
}

void TestCommands::repeatRulesAreChosenSavedAndReopened_data()
{
    QTest::addColumn<QString>("option"); // the editor's choice, by its mnemonic
    QTest::addColumn<QString>("rule");   // what "Other repeat…" is given
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("summary");
    QTest::newRow("every month") << "n" << "" << "FREQ=MONTHLY" << "Every month on day 7";
    QTest::newRow("every year") << "y" << "" << "FREQ=YEARLY" << "Every year on Dec 7";
    QTest::newRow("day 1") << "o" << "FREQ=MONTHLY;BYMONTHDAY=1" << "FREQ=MONTHLY;BYMONTHDAY=1"
                           << "Every month on day 1";
    QTest::newRow("every 2 weeks") << "o" << "FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,TH"
                                   << "FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,TH" << "Every 2 weeks on Mon, Thu";
    QTest::newRow("last weekday, 5 times") << "o" << "FREQ=MONTHLY;COUNT=5;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-1"
                                           << "FREQ=MONTHLY;COUNT=5;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-1"
                                           << "Last weekday of every month, 5 times";
}

// A repeat chosen with the keyboard is saved, listed by its summary (whole
// in its column) and opens again exactly as it was saved.
void TestCommands::repeatRulesAreChosenSavedAndReopened()
{
    QFETCH(QString, option);
    QFETCH(QString, rule);
    QFETCH(QString, stored);
    QFETCH(QString, summary);
    h->user = [&](QDialog &d) {
        Form3 &f = editor(d);
        showActive(f);
        f.Text1->setPlainText(QStringLiteral("repeat"));
        // The "Other repeat…" dialog opens modal over the editor; the timer
        // goes with the editor should it never open.
        auto *answer = new QTimer(&f);
        answer->setSingleShot(true);
        connect(answer, &QTimer::timeout, [rule] {
            auto *dialog = qobject_cast<RepeatDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->setParts(*RuleParts::fromRule(rule));
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        if (!rule.isEmpty())
            answer->start(0);
        QRadioButton *choice = option == QLatin1String("n")   ? f.OptionMonthly
                               : option == QLatin1String("y") ? f.OptionYearly
                                                              : f.OptionOther;
        choice->setFocus();
        QTest::keyClick(choice, Qt::Key_Space);
        f.PushButton1->click();
    };
    h->click("PushButton1");
    QCOMPARE(h->rows(), QStringList{"4|2026-12-07|09:00:00|repeat|"});
    const ReminderRecord saved = h->form->listModel().record(0);
    QVERIFY(saved.repeat);
    QCOMPARE(saved.repeat->rule, stored);
    const QModelIndex cell = h->form->listModel().index(0, OptionColumn);
    QCOMPARE(cell.data().toString(), summary);
    showActive(*h->form);
    auto *list = h->control<QTreeView>("ListView1");
    QVERIFY2(list->fontMetrics().horizontalAdvance(summary) <= list->columnWidth(OptionColumn),
             qPrintable(summary + " is cut"));

    h->select(0);
    h->user = [&](QDialog &d) {
        Form3 &f = editor(d);
        QCOMPARE(f.OptionMonthly->isChecked(), option == QLatin1String("n"));
        QCOMPARE(f.OptionYearly->isChecked(), option == QLatin1String("y"));
        QCOMPARE(f.OptionOther->isChecked(), option == QLatin1String("o"));
        QCOMPARE(f.otherRule(), rule);
        f.PushButton1->click();
    };
    h->click("PushButton3");
    QCOMPARE(h->form->listModel().record(0).repeat->rule, stored);
}

void TestCommands::closingWithoutSavingChangesNothing()
{
    h->insert(2, QDate(2027, 1, 1), QTime(7, 0), QStringLiteral("daily"));
    h->select(0);
    h->user = [&](QDialog &d) { editor(d).Text1->setPlainText(QStringLiteral("changed but not saved")); };
    h->click("PushButton3");
    QVERIFY(h->reporter.boxes.isEmpty());

    h->user = [&](QDialog &d) {
        Form3 &f = editor(d);
        QVERIFY(!f.reminderId());
        f.Text1->setPlainText(QStringLiteral("new"));
        f.PushButton1->click();
    };
    h->click("PushButton1");
    QCOMPARE(h->rows(), QStringList({"1|2026-12-07|09:00:00|new|", "2|2027-01-01|07:00:00|daily|"}));
}

void TestCommands::apostrophesAreKept()
{
    const QString message = QStringLiteral("It's Bob's 'party'\nsecond line");
    h->user = [&](QDialog &d) {
        editor(d).Text1->setPlainText(message);
        editor(d).PushButton1->click();
    };
    h->click("PushButton1");
    h->select(0);
    QString shown;
    h->user = [&](QDialog &d) {
        shown = editor(d).Text1->toPlainText();
        editor(d).PushButton1->click();
    };
    h->click("PushButton3");
    QCOMPARE(shown, message);
    QCOMPARE(h->rows(), QStringList{"1|2026-12-07|09:00:00|" + message + "|"});
}

void TestCommands::weeklyWithoutWeekdayIsRefused()
{
    bool stillOpen = false;
    h->user = [&](QDialog &d) {
        Form3 &f = editor(d);
        f.Option3->click();
        f.Text1->setPlainText(QStringLiteral("weekly"));
        f.PushButton1->click();
        stillOpen = f.result() != QDialog::Accepted;
        f.Check1[6]->setChecked(true);
        f.PushButton1->click();
    };
    h->click("PushButton1");
    QVERIFY(stillOpen);
    QCOMPARE(h->messages(), QStringList({"Please choose at least one weekday.", "Reminder saved."}));
    QCOMPARE(h->rows(), QStringList{"3|2026-12-07|09:00:00|weekly|Sun"});
}

void TestCommands::editKeepsDateUnderDayFirstFormat()
{
    h->setting(SettingKey::DateFormat, QStringLiteral("dd/mm/yyyy"));
    h->insert(1, QDate(2022, 4, 3), QTime(10, 0), QStringLiteral("3 April"));
    QCOMPARE(h->form->listModel().cellText(0, DateColumn), QStringLiteral("03/04/2022"));
    h->select(0);
    h->user = [&](QDialog &d) {
        QCOMPARE(editor(d).dtpDate->date(), QDate(2022, 4, 3));
        editor(d).PushButton1->click();
    };
    h->click("PushButton3");
    QCOMPARE(h->rows(), QStringList{"1|2022-04-03|10:00:00|3 April|"});
}

void TestCommands::typedTimeIsKept_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QTime>("expected");
    // The editor opens on 09:00 AM; the cursor stands in the hour, nothing selected.
    QTest::newRow("morning") << "0730a" << QTime(7, 30);
    QTest::newRow("afternoon") << "0415p" << QTime(16, 15);
    QTest::newRow("noon") << "1200p" << QTime(12, 0);
    QTest::newRow("midnight") << "1205a" << QTime(0, 5);
    QTest::newRow("capital letter") << "1010P" << QTime(22, 10);
    QTest::newRow("letter changes its mind") << "0945pa" << QTime(9, 45);
}

void TestCommands::typedTimeIsKept()
{
    QFETCH(QString, keys);
    QFETCH(QTime, expected);
    QTime shown;
    h->user = [&](QDialog &d) {
        Form3 &f = editor(d);
        showActive(f);
        f.dtpTime->setFocus();
        f.dtpTime->setCurrentSection(QDateTimeEdit::HourSection);
        QTest::keyClicks(f.dtpTime, keys);
        // Leaving the picker must not take the half of the day back.
        QTest::keyClick(&f, Qt::Key_Tab);
        QVERIFY(!f.dtpTime->hasFocus());
        shown = f.dtpTime->time();
        f.Text1->setPlainText(QStringLiteral("typed"));
        f.PushButton1->click();
    };
    h->click("PushButton1");
    QCOMPARE(shown, expected);
    QCOMPARE(h->rows(), QStringList{"1|2026-12-07|" + expected.toString(Qt::ISODate) + "|typed|"});
}

void TestCommands::savingAReminderThatWillNotRingSaysSo_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QString>("message");
    // The clock stands at 2026-12-07 09:00:37.
    const QDate today(2026, 12, 7);
    QTest::newRow("once, earlier today") << int(OptionOnce) << QDateTime(today, QTime(8, 59)) << kSavedInThePast;
    QTest::newRow("once, last year") << int(OptionOnce) << QDateTime(QDate(2025, 1, 1), QTime(12, 0)) << kSavedInThePast;
    QTest::newRow("once, next minute") << int(OptionOnce) << QDateTime(today, QTime(9, 1)) << "Reminder saved.";
    QTest::newRow("daily, earlier today") << int(OptionDaily) << QDateTime(today, QTime(8, 59)) << "Reminder saved.";
    QTest::newRow("weekly, last year") << int(OptionWeekly) << QDateTime(QDate(2025, 1, 1), QTime(12, 0))
                                       << "Reminder saved.";
}

void TestCommands::savingAReminderThatWillNotRingSaysSo()
{
    QFETCH(int, option);
    QFETCH(QDateTime, start);
    QFETCH(QString, message);
    h->user = [&](QDialog &d) {
        Form3 &f = editor(d);
        QRadioButton *choice[] = {f.Option1, f.Option2, f.Option3};
        choice[option - 1]->click();
        f.Check1[0]->setChecked(true);
        f.dtpDate->setDate(start.date());
        f.dtpTime->setTime(start.time());
        f.Text1->setPlainText(QStringLiteral("then"));
        f.PushButton1->click();
    };
    h->click("PushButton1");
    QCOMPARE(h->messages(), QStringList{message});
    QCOMPARE(h->rows().size(), 1);
}

void TestCommands::theKeyboardReachesSaveReminder()
{
    h->user = [&](QDialog &d) {
        Form3 &f = editor(d);
        showActive(f);
        f.dtpTime->setTime(QTime(10, 0));
        f.Text1->setFocus();
        QTest::keyClicks(f.Text1, QStringLiteral("a"));
        QTest::keyClick(f.Text1, Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyClicks(f.Text1, QStringLiteral("b"));
        QTest::keyClick(f.Text1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.PushButton1);
        QTest::keyClick(f.PushButton1, Qt::Key_Space);
    };
    h->click("PushButton1");
    QCOMPARE(h->rows(), QStringList{"1|2026-12-07|10:00:00|a\tb|"});
}

void TestCommands::enterSavesAndEveryControlHasItsKey()
{
    h->user = [&](QDialog &d) {
        Form3 &f = editor(d);
        QCOMPARE(mnemonicProblems(f), QStringList());
        showActive(f);
        f.Text1->setPlainText(QStringLiteral("tea"));
        f.dtpTime->setFocus();
        f.dtpTime->setTime(QTime(10, 0));
        QTest::keyClick(f.dtpTime, Qt::Key_Return);
    };
    h->click("PushButton1");
    QCOMPARE(h->rows(), QStringList{"1|2026-12-07|10:00:00|tea|"});

    // The focused button answers Enter as it answers Space.
    h->user = [&](QDialog &d) {
        Form3 &f = editor(d);
        showActive(f);
        f.Text1->setPlainText(QStringLiteral("coffee"));
        f.PushButton1->setFocus();
        QTest::keyClick(f.PushButton1, Qt::Key_Return);
    };
    h->click("PushButton1");
    QCOMPARE(h->rows().size(), 2);

    h->user = [&](QDialog &d) { QCOMPARE(mnemonicProblems(d), QStringList()); };
    h->click("PushButton7");
}

void TestCommands::doubleClickOpensTheReminderInTheEditor()
{
    h->insert(1, QDate(2027, 1, 1), QTime(7, 0), QStringLiteral("first"));
    h->insert(2, QDate(2027, 1, 2), QTime(8, 0), QStringLiteral("second"));
    showActive(*h->form);
    QString opened;
    h->user = [&](QDialog &d) { opened = editor(d).Text1->toPlainText(); };
    auto *list = h->control<QTreeView>("ListView1");
    const QPoint second = list->visualRect(h->form->listModel().index(1, 0)).center();
    // A double click arrives as a click followed by the second press.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
    QCOMPARE(h->dialogsShown, 0);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
    QCOMPARE(h->dialogsShown, 1);
    QCOMPARE(opened, QStringLiteral("second"));
}

void TestCommands::theEditorGrowsWithTheMessageTakingTheRoom()
{
    h->user = [&](QDialog &d) {
        Form3 &f = editor(d);
        showActive(f);
        const QSize built = f.size();
        const QRect message = f.Text1->geometry();
        const QRect save = f.PushButton1->geometry();
        f.resize(built + QSize(120, 90));
        QCOMPARE(f.Text1->geometry(), message.adjusted(0, 0, 120, 90));
        QCOMPARE(f.PushButton1->geometry(), save.translated(0, 90).adjusted(0, 0, 120, 0));
        QVERIFY(f.rect().contains(f.PushButton1->geometry()));
        f.resize(100, 100);
        QCOMPARE(f.size(), built);
    };
    h->click("PushButton1");
}

void TestCommands::theEditorShowsItsWordsWholeInAWideFont_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    QTest::newRow("the program's own") << QString() << 0;
    QTest::newRow("a wide desktop font") << QStringLiteral("DejaVu Sans") << 12;
}

void TestCommands::theEditorShowsItsWordsWholeInAWideFont()
{
    QFETCH(QString, family);
    QFETCH(int, points);
    const QFont before = QApplication::font();
    if (!family.isEmpty())
        QApplication::setFont(QFont(family, points, QFont::Bold));
    h->user = [&](QDialog &d) {
        Form3 &f = editor(d);
        showActive(f);
        if (family.isEmpty())
            QCOMPARE(f.size(), QSize(420, 402));
        QList<QWidget *> words;
        for (QLabel *label : f.findChildren<QLabel *>())
            words << label;
        for (QCheckBox *box : f.Check1)
            words << box;
        for (QWidget *w : words) {
            QVERIFY2(w->sizeHint().width() <= w->width(), qPrintable(w->property("text").toString() + " is cut"));
            QVERIFY(f.rect().contains(QRect(w->mapTo(&f, QPoint()), w->size())));
        }
        for (int i = 1; i < 7; ++i)
            QVERIFY(!f.Check1[i]->geometry().intersects(f.Check1[i - 1]->geometry()));
        // The top row: each label, then its picker, none over another.
        QList<QWidget *> topRow{f.dtpDate, f.dtpTime};
        for (QLabel *label : f.findChildren<QLabel *>())
            if (label->buddy())
                topRow << label;
        for (QWidget *w : topRow) {
            QVERIFY(f.rect().contains(w->geometry()));
            for (QWidget *other : topRow)
                QVERIFY(w == other || !w->geometry().intersects(other->geometry()));
        }
    };
    h->click("PushButton1");
    QApplication::setFont(before);
}

void TestCommands::theEditorStaysWithTheMainWindow()
{
    showActive(*h->form);
    QDialog *shown = nullptr;
    bool raised = false;
    h->user = [&](QDialog &d) {
        shown = &d;
        // Minimized away, the editor would leave the main window blocked
        // with nothing on the screen to unblock it.
        QVERIFY(!(d.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(d.isModal());
        QCOMPARE(d.windowHandle()->transientParent(), h->form->windowHandle());
        showActive(d);
        h->form->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), h->form.get());
        // A click on the tray icon brings back what the user is busy with.
        h->tray->activate(QSystemTrayIcon::Trigger);
        raised = QTest::qWaitFor([&] { return QApplication::activeWindow() == &d; });
    };
    h->click("PushButton1");
    QVERIFY(shown);
    QVERIFY(raised);
    // The date-format dialog is held the same way.
    h->user = [&](QDialog &d) {
        QVERIFY(!(d.windowFlags() & Qt::WindowMinimizeButtonHint));
        QCOMPARE(d.windowHandle()->transientParent(), h->form->windowHandle());
    };
    h->click("PushButton7");
    QCOMPARE(h->dialogsShown, 2);
}

void TestCommands::quitInTheTrayMenuWhileTheEditorIsOpen()
{
    bool editorClosed = false;
    h->user = [&](QDialog &d) {
        showActive(d);
        const QList<QAction *> entries = h->tray->contextMenu->actions();
        entries.last()->trigger();
        editorClosed = !d.isVisible();
        // Not before the editor has returned to its caller.
        QVERIFY(h->form->tray().InTray());
    };
    h->click("PushButton1");
    QVERIFY(editorClosed);
    QTRY_VERIFY(!h->form->tray().InTray());
    // The program is ending: the editor's caller finds the database closed
    // and must not say so.
    QCOMPARE(h->messages(), QStringList());
}

void TestCommands::deleteAnsweredNoChangesNothing()
{
    h->insert(1, QDate(2027, 1, 1), QTime(7, 0), QStringLiteral("keep me"));
    h->select(0);
    h->reporter.answers = {Reporter::Answer::No};
    const QString nextBefore = h->form->scheduler().alarmText();
    h->click("PushButton2");
    QCOMPARE(h->reporter.boxes.size(), 1);
    QCOMPARE(h->reporter.boxes.first().kind, RecordingReporter::Box::Question);
    QCOMPARE(h->reporter.boxes.first().title, QStringLiteral("Delete Selected Reminder"));
    QCOMPARE(h->reporter.boxes.first().text, QStringLiteral("Are you sure you want to delete keep me?"));
    QCOMPARE(h->rows().size(), 1);
    QCOMPARE(h->form->listModel().rowCount(), 1);
    QCOMPARE(h->form->scheduler().alarmText(), nextBefore);
}

void TestCommands::deleteOnEmptyListAsksNothing()
{
    h->click("PushButton2");
    QVERIFY(h->reporter.boxes.isEmpty());
}

void TestCommands::deletingNextReminderChoosesTheFollowing()
{
    h->insert(1, QDate(2026, 12, 8), QTime(7, 0), QStringLiteral("first"));
    h->insert(1, QDate(2026, 12, 9), QTime(7, 0), QStringLiteral("second"));
    h->form->GetLatestReminder();
    QCOMPARE(h->form->scheduler().alarmText(), QStringLiteral("first"));
    h->select(0);
    h->click("PushButton2");
    QCOMPARE(h->rows(), QStringList{"1|2026-12-09|07:00:00|second|"});
    QCOMPARE(h->form->listModel().rowCount(), 1);
    QCOMPARE(h->form->scheduler().alarmText(), QStringLiteral("second"));
}

void TestCommands::backupCancelledWritesNothing()
{
    h->insert(1, QDate(2027, 1, 1), QTime(7, 0), QStringLiteral("x"));
    h->dialogs.nextFiles = {QStringList()};
    h->click("PushButton8");
    QCOMPARE(h->dialogs.requests.size(), 1);
    QCOMPARE(h->dialogs.requests.first().kind, QStringLiteral("save"));
    QCOMPARE(h->dialogs.requests.first().title, QStringLiteral("Save"));
    QCOMPARE(h->dialogs.requests.first().filter,
             QStringLiteral("Text Files (*.txt)|*.txt|iCalendar (*.ics)|*.ics|All Files (*.*)|*.*|"));
    QVERIFY(h->reporter.boxes.isEmpty());
    QCOMPARE(QDir(h->program.path()).entryList({"*.txt"}), QStringList());
}

void TestCommands::backupAsksBeforeOverwriting()
{
    h->insert(1, QDate(2012, 10, 23), QTime(15, 3), QStringLiteral("Sample Reminder"));
    const QString target = h->program.file(QStringLiteral("backup.txt"));
    const QByteArray line("1|;|10/23/2012|;|3:03:00 PM|;|Sample Reminder|;||;|\r\n");

    // A new file: no question.
    h->dialogs.nextFiles = {{target}};
    h->click("PushButton8");
    QVERIFY(h->reporter.boxes.isEmpty());
    QCOMPARE(readFile(target), line);
    QCOMPARE(h->control<QProgressBar>("ProgressBar1")->value(), 0);
    // Said once, where the progress was shown.
    QCOMPARE(h->control<QProgressBar>("ProgressBar1")->format(), QStringLiteral("Saved 1 reminder to backup.txt."));

    writeFile(target, "old");
    h->reporter.answers = {Reporter::Answer::No};
    h->dialogs.nextFiles = {{target}};
    h->click("PushButton8");
    QCOMPARE(h->messages(), QStringList{"Are you sure you wish to overwrite " + target + " ?"});
    QCOMPARE(h->reporter.boxes.first().title, appTitle());
    QCOMPARE(readFile(target), QByteArray("old"));

    h->reporter.clear();
    h->reporter.answers = {Reporter::Answer::Yes};
    h->dialogs.nextFiles = {{target}};
    h->click("PushButton8");
    QCOMPARE(h->reporter.boxes.size(), 1);
    QCOMPARE(readFile(target), line);
    QVERIFY(!QApplication::overrideCursor());
}

void TestCommands::loadSeveralFilesRefreshesOnce()
{
    writeFile(h->program.file(QStringLiteral("a.txt")), "1|;|1/3/2030|;|8:00:00 AM|;|from a|;||;|\r\n");
    writeFile(h->program.file(QStringLiteral("b.txt")), "1|;|1/1/2030|;|8:00:00 AM|;|from b|;||;|\r\n");
    writeFile(h->program.file(QStringLiteral("c.txt")), "1|;|1/2/2030|;|8:00:00 AM|;|from c|;||;|\r\n");
    const QString nextBefore = h->form->scheduler().alarmText();

    QSignalSpy oneRefresh(&h->form->listModel(), &QAbstractItemModel::modelReset);
    h->form->listReminders();
    const int resetsPerRefresh = oneRefresh.count();

    QSignalSpy resets(&h->form->listModel(), &QAbstractItemModel::modelReset);
    // Doubled separators are mended on every path.
    h->dialogs.nextFiles = {{h->program.path() + "//a.txt", h->program.file("b.txt"), h->program.file("c.txt")}};
    h->click("PushButton9");
    QCOMPARE(h->dialogs.requests.first().kind, QStringLiteral("openMany"));
    QCOMPARE(h->dialogs.requests.first().title, QStringLiteral("Load List(s) - Hold Ctrl to select multiple list files"));
    QVERIFY(h->reporter.boxes.isEmpty());
    QCOMPARE(resets.count(), resetsPerRefresh);
    QCOMPARE(h->form->listModel().rowCount(), 3);
    QCOMPARE(h->form->listModel().cellText(0, ReminderColumn), QStringLiteral("from b"));
    // Loading does not choose the next reminder again.
    QCOMPARE(h->form->scheduler().alarmText(), nextBefore);
    QCOMPARE(h->control<QProgressBar>("ProgressBar1")->format(), QStringLiteral("Added 3 reminders from 3 files."));
}

void TestCommands::loadReportsRejectedLinesAndRestoresCursor()
{
    writeFile(h->program.file(QStringLiteral("mixed.txt")),
              "broken\r\n1|;|1/1/2030|;|8:00:00 AM|;|good|;||;|\r\n1|;|99/99/2030|;|8:00:00 AM|;|bad date|;||;|\r\n");
    h->dialogs.nextFiles = {{h->program.file("missing.txt"), h->program.file("mixed.txt")}};
    h->click("PushButton9");
    // The missing file failed; the lines left out of the other are a summary.
    QCOMPARE(h->reporter.errors().size(), 1);
    QVERIFY(h->reporter.errors().at(0).description.contains(QStringLiteral("missing.txt")));
    QCOMPARE(h->reporter.boxes.size(), 2);
    QCOMPARE(h->reporter.boxes.at(1).kind, RecordingReporter::Box::Message);
    const QString box = h->reporter.boxes.at(1).text;
    QVERIFY(box.startsWith(QStringLiteral("Added 1 reminder from mixed.txt. 2 lines were left out:\r\nline 1: ")));
    QVERIFY(box.contains(QStringLiteral("\r\nline 3: ")));
    QCOMPARE(h->form->listModel().rowCount(), 1);
    QVERIFY(!QApplication::overrideCursor());
}

void TestCommands::backupThenLoadDoublesReminders()
{
    h->insert(3, QDate(2027, 5, 6), QTime(21, 4, 5), QStringLiteral("a'b\r\nc"), QStringLiteral("Mon, Wed"));
    h->insert(1, QDate(2027, 5, 7), QTime(1, 2, 3), QStringLiteral("plain"));
    const QStringList before = h->rows();
    const QString file = h->program.file(QStringLiteral("both.txt"));
    h->dialogs.nextFiles = {{file}, {file}};
    h->click("PushButton8");
    h->click("PushButton9");
    QVERIFY(h->reporter.boxes.isEmpty());
    QCOMPARE(h->rows(), QStringList({before[0], before[0], before[1], before[1]}));
    QCOMPARE(h->form->listModel().rowCount(), 4);
}

void TestCommands::calendarExportThenLoadByContent()
{
    h->insert(3, QDate(2027, 5, 10), QTime(21, 4, 5), QStringLiteral("a'b\nc"), QStringLiteral("Mon, Wed"));
    h->insert(2, QDate(2027, 5, 7), QTime(1, 2, 3), QStringLiteral("plain"));
    const QStringList before = h->rows();
    const QString calendar = h->program.file(QStringLiteral("reminders.ics"));
    h->dialogs.nextFiles = {{calendar}};
    h->click("PushButton8");
    QVERIFY(readFile(calendar).startsWith("BEGIN:VCALENDAR\r\n"));

    // Renamed, the calendar is still read as one.
    const QString renamed = h->program.file(QStringLiteral("reminders.txt"));
    QVERIFY(QFile::rename(calendar, renamed));
    h->dialogs.nextFiles = {{renamed}};
    h->click("PushButton9");
    QVERIFY(h->reporter.boxes.isEmpty());
    QCOMPARE(h->rows(), QStringList({before[0], before[0], before[1], before[1]}));
    QCOMPARE(h->form->listModel().rowCount(), 4);
    QVERIFY(!QApplication::overrideCursor());
}

void TestCommands::typedNameGetsTheFilterSuffix_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("calendar") << "/tmp/plan" << "iCalendar (*.ics)" << "/tmp/plan.ics";
    QTest::newRow("own suffix kept") << "/tmp/plan.txt" << "iCalendar (*.ics)" << "/tmp/plan.txt";
    QTest::newRow("all files") << "/tmp/plan" << "All Files (*)" << "/tmp/plan";
    QTest::newRow("cancelled") << "" << "Text Files (*.txt)" << "";
}

void TestCommands::typedNameGetsTheFilterSuffix()
{
    QFETCH(QString, typed);
    QFETCH(QString, filter);
    QFETCH(QString, expected);
    QCOMPARE(withFilterSuffix(typed, filter), expected);
}

void TestCommands::dateFormatDialog()
{
    h->insert(1, QDate(2012, 10, 23), QTime(15, 3), QStringLiteral("Sample Reminder"));
    QCOMPARE(h->form->listModel().cellText(0, DateColumn), QStringLiteral("10/23/2012"));
    h->user = [&](QDialog &d) {
        Form4 &f = dynamic_cast<Form4 &>(d);
        QCOMPARE(f.windowTitle(), QStringLiteral("Set Date Format"));
        QVERIFY(f.Option1->isChecked());
        QVERIFY(!f.Option2->isChecked());
        f.Option2->click();
        f.PushButton1->click();
        QCOMPARE(f.result(), int(QDialog::Accepted));
    };
    h->click("PushButton7");
    QCOMPARE(h->setting(SettingKey::Option1), QStringLiteral("False"));
    QCOMPARE(h->setting(SettingKey::Option2), QStringLiteral("True"));
    QCOMPARE(h->setting(SettingKey::DateFormat), QStringLiteral("dd/mm/yyyy"));
    QCOMPARE(h->form->listModel().cellText(0, DateColumn), QStringLiteral("23/10/2012"));

    h->user = [&](QDialog &d) {
        Form4 &f = dynamic_cast<Form4 &>(d);
        QVERIFY(f.Option2->isChecked());
        QVERIFY(!f.Option1->isChecked());
    };
    h->click("PushButton7");
    QCOMPARE(h->dialogsShown, 2);
}

void TestCommands::dateFormatCancelStoresNothing()
{
    h->user = [&](QDialog &d) {
        Form4 &f = dynamic_cast<Form4 &>(d);
        f.Option2->click();
        f.PushButton2->click();
        QCOMPARE(f.result(), int(QDialog::Rejected));
    };
    h->click("PushButton7");
    for (const char *key : {SettingKey::Option1, SettingKey::Option2, SettingKey::DateFormat})
        QCOMPARE(h->setting(key), QStringLiteral("<absent>"));
    QVERIFY(h->reporter.boxes.isEmpty());
}

QTEST_MAIN(TestCommands)
#include "test_commands.moc"

#include "scheduler/AlarmScheduler.h"
#include "store/Settings.h"
#include "store/Statements.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeFileDialogs.h"
#include "tests/support/Fakes.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/RecordingTrayBackend.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDatabase.h"
#include "ui/Form1.h"
#include "ui/Form3.h"
#include "ui/Form4.h"
#include "ui/ReminderCommands.h"
#include "ui/ReminderListModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QItemSelectionModel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimeEdit>
#include <QTreeView>

#include <memory>

using namespace vestrona;
using namespace vestrona::test;

namespace {

// The main window on a throw-away program folder with every outside piece
// faked; the modal dialogs are handed to the test instead of being shown.
struct Harness {
    TempFolder program;
    MemorySettings settings;
    RecordingReporter reporter;
    FakeClock clock{QDateTime(QDate(2026, 12, 7), QTime(9, 0, 37))};
    FakeSound sound;
    FakePopup popup{sound};
    FakeFileDialogs dialogs;
    std::unique_ptr<Form1> form;
    std::unique_ptr<ReminderCommands> commands;
    // Plays the user's part while a dialog is "shown".
    std::function<void(QDialog &)> user;
    int dialogsShown = 0;

    QString databasePath() const { return program.file(QStringLiteral("dbReminders.mdb")); }

    bool start()
    {
        if (!makeDatabase(databasePath()))
            return false;
        const AppContext context{program.path(),
                                 program.file(QStringLiteral("vestrona")),
                                 program.path(),
                                 RegionalSettings::usEnglish(),
                                 reporter,
                                 settings,
                                 clock,
                                 sound,
                                 popup,
                                 [] { return std::make_unique<RecordingTrayBackend>(); },
                                 dialogs};
        form = std::make_unique<Form1>(context);
        if (!form->Form_Load())
            return false;
        commands = std::make_unique<ReminderCommands>(*form);
        commands->setDialogRunner([this](QDialog &dialog) {
            ++dialogsShown;
            if (user)
                user(dialog);
        });
        reporter.clear();
        return true;
    }

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
        form->ListView1->selectionModel()->select(form->listModel().index(row, 0),
                                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
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

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

const QList<bool> kAllOn(7, true);
const QList<bool> kAllOff(7, false);

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
    void closingWithoutSavingChangesNothing();
    void apostrophesAreKept();
    void weeklyWithoutWeekdayIsRefused();
    void editKeepsDateUnderDayFirstFormat();

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

    // Date format
    void dateFormatDialog();
    void dateFormatCancelStoresNothing();

private:
    std::unique_ptr<Harness> h;
};

void TestCommands::init()
{
    h = std::make_unique<Harness>();
    QVERIFY(h->start());
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
    h->commands->PushButton1_Click();
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
        QVERIFY(f.mRemID.isEmpty());
        QVERIFY(f.Option1->isChecked());
        QCOMPARE(ticks(f), kAllOff);
        QCOMPARE(enabled(f), kAllOn);
        QCOMPARE(f.dtpDate->displayFormat(), QStringLiteral("MM/dd/yyyy"));
        QCOMPARE(f.dtpDate->date(), QDate(2026, 12, 7));
        QCOMPARE(f.dtpTime->time(), QTime(9, 0, 37));
        f.Text1->setPlainText(QStringLiteral("  leading blanks"));
        f.PushButton1->click();
        accepted = f.result() == QDialog::Accepted;
        // Confirmed and the list refreshed before the editor closed.
        QCOMPARE(h->form->listModel().rowCount(), 2);
    };
    h->commands->PushButton1_Click();
    QVERIFY(accepted);
    QCOMPARE(h->messages(), QStringList{"Reminder saved."});
    // The seconds at which the editor opened are kept.
    QCOMPARE(h->rows().first(), QStringLiteral("1|2026-12-07|09:00:37|  leading blanks|"));

    // Once the editor has closed the next reminder is chosen again.
    h->user = [&](QDialog &d) {
        Form3 &f = editor(d);
        f.dtpTime->setTime(QTime(10, 0));
        f.Text1->setPlainText(QStringLiteral("soon"));
        f.PushButton1->click();
    };
    h->commands->PushButton1_Click();
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
    h->commands->PushButton1_Click();
    QCOMPARE(h->rows(), QStringList{"3|2026-12-07|09:00:37|gym|Mon, Wed,Fri"});

    const QList<bool> monWedFri{true, false, true, false, true, false, false};
    h->select(0);
    h->user = [&](QDialog &d) {
        Form3 &f = editor(d);
        QCOMPARE(f.mRemID, h->form->selectedReminderId());
        QVERIFY(f.Option3->isChecked());
        QCOMPARE(ticks(f), monWedFri);
        QCOMPARE(enabled(f), kAllOn);
        f.Option2->click();
        QCOMPARE(enabled(f), kAllOff);
        QCOMPARE(ticks(f), monWedFri);
        f.PushButton1->click();
    };
    h->commands->PushButton3_Click();
    QCOMPARE(h->rows(), QStringList{"2|2026-12-07|09:00:37|gym|Mon, Wed,Fri"});
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
    h->commands->PushButton3_Click();
    QCOMPARE(h->dialogsShown, 1);
}

void TestCommands::editOnEmptyListDoesNothing()
{
    h->commands->PushButton3_Click();
    QCOMPARE(h->dialogsShown, 0);
    QVERIFY(h->reporter.boxes.isEmpty());
}

void TestCommands::closingWithoutSavingChangesNothing()
{
    h->insert(2, QDate(2027, 1, 1), QTime(7, 0), QStringLiteral("daily"));
    h->select(0);
    h->user = [&](QDialog &d) { editor(d).Text1->setPlainText(QStringLiteral("changed but not saved")); };
    h->commands->PushButton3_Click();
    QVERIFY(h->reporter.boxes.isEmpty());

    h->user = [&](QDialog &d) {
        Form3 &f = editor(d);
        QVERIFY(f.mRemID.isEmpty());
        f.Text1->setPlainText(QStringLiteral("new"));
        f.PushButton1->click();
    };
    h->commands->PushButton1_Click();
    QCOMPARE(h->rows(), QStringList({"1|2026-12-07|09:00:37|new|", "2|2027-01-01|07:00:00|daily|"}));
}

void TestCommands::apostrophesAreKept()
{
    const QString message = QStringLiteral("It's Bob's 'party'\nsecond line");
    h->user = [&](QDialog &d) {
        editor(d).Text1->setPlainText(message);
        editor(d).PushButton1->click();
    };
    h->commands->PushButton1_Click();
    h->select(0);
    QString shown;
    h->user = [&](QDialog &d) {
        shown = editor(d).Text1->toPlainText();
        editor(d).PushButton1->click();
    };
    h->commands->PushButton3_Click();
    QCOMPARE(shown, message);
    QCOMPARE(h->rows(), QStringList{"1|2026-12-07|09:00:37|" + message + "|"});
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
    h->commands->PushButton1_Click();
    QVERIFY(stillOpen);
    QCOMPARE(h->messages(), QStringList({"Please choose at least one weekday.", "Reminder saved."}));
    QCOMPARE(h->rows(), QStringList{"3|2026-12-07|09:00:37|weekly|Sun"});
}

void TestCommands::editKeepsDateUnderDayFirstFormat()
{
    h->settings.SaveSetting(QString::fromLatin1(SettingKey::DateFormat), QStringLiteral("dd/mm/yyyy"));
    h->insert(1, QDate(2022, 4, 3), QTime(10, 0), QStringLiteral("3 April"));
    QCOMPARE(h->form->listModel().cellText(0, DateColumn), QStringLiteral("03/04/2022"));
    h->select(0);
    h->user = [&](QDialog &d) {
        QCOMPARE(editor(d).dtpDate->date(), QDate(2022, 4, 3));
        editor(d).PushButton1->click();
    };
    h->commands->PushButton3_Click();
    QCOMPARE(h->rows(), QStringList{"1|2022-04-03|10:00:00|3 April|"});
}

void TestCommands::deleteAnsweredNoChangesNothing()
{
    h->insert(1, QDate(2027, 1, 1), QTime(7, 0), QStringLiteral("keep me"));
    h->select(0);
    h->reporter.answers = {Reporter::Answer::No};
    const QString nextBefore = h->form->scheduler().alarmText();
    h->commands->PushButton2_Click();
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
    h->commands->PushButton2_Click();
    QVERIFY(h->reporter.boxes.isEmpty());
}

void TestCommands::deletingNextReminderChoosesTheFollowing()
{
    h->insert(1, QDate(2026, 12, 8), QTime(7, 0), QStringLiteral("first"));
    h->insert(1, QDate(2026, 12, 9), QTime(7, 0), QStringLiteral("second"));
    h->form->GetLatestReminder();
    QCOMPARE(h->form->scheduler().alarmText(), QStringLiteral("first"));
    h->select(0);
    h->commands->PushButton2_Click();
    QCOMPARE(h->rows(), QStringList{"1|2026-12-09|07:00:00|second|"});
    QCOMPARE(h->form->listModel().rowCount(), 1);
    QCOMPARE(h->form->scheduler().alarmText(), QStringLiteral("second"));
}

void TestCommands::backupCancelledWritesNothing()
{
    h->insert(1, QDate(2027, 1, 1), QTime(7, 0), QStringLiteral("x"));
    h->dialogs.nextFiles = {QStringList()};
    h->commands->PushButton8_Click();
    QCOMPARE(h->dialogs.requests.size(), 1);
    QCOMPARE(h->dialogs.requests.first().kind, QStringLiteral("save"));
    QCOMPARE(h->dialogs.requests.first().title, QStringLiteral("Save"));
    QCOMPARE(h->dialogs.requests.first().filter, QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"));
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
    h->commands->PushButton8_Click();
    QVERIFY(h->reporter.boxes.isEmpty());
    QCOMPARE(readAll(target), line);
    QCOMPARE(h->form->ProgressBar1->value(), 0);
    QCOMPARE(h->form->ProgressBar1->format(), QStringLiteral("Progress Bar"));

    writeFile(target, "old");
    h->reporter.answers = {Reporter::Answer::No};
    h->dialogs.nextFiles = {{target}};
    h->commands->PushButton8_Click();
    QCOMPARE(h->messages(), QStringList{"Are you sure you wish to overwrite " + target + " ?"});
    QCOMPARE(h->reporter.boxes.first().title, appTitle());
    QCOMPARE(readAll(target), QByteArray("old"));

    h->reporter.clear();
    h->reporter.answers = {Reporter::Answer::Yes};
    h->dialogs.nextFiles = {{target}};
    h->commands->PushButton8_Click();
    QCOMPARE(h->reporter.boxes.size(), 1);
    QCOMPARE(readAll(target), line);
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
    h->commands->PushButton9_Click();
    QCOMPARE(h->dialogs.requests.first().kind, QStringLiteral("openMany"));
    QCOMPARE(h->dialogs.requests.first().title, QStringLiteral("Load List(s) - Hold Ctrl to select multiple list files"));
    QVERIFY(h->reporter.boxes.isEmpty());
    QCOMPARE(resets.count(), resetsPerRefresh);
    QCOMPARE(h->form->listModel().rowCount(), 3);
    QCOMPARE(h->form->listModel().cellText(0, ReminderColumn), QStringLiteral("from b"));
    // Loading does not choose the next reminder again.
    QCOMPARE(h->form->scheduler().alarmText(), nextBefore);
    QCOMPARE(h->form->ProgressBar1->format(), QStringLiteral("Progress Bar"));
}

void TestCommands::loadReportsRejectedLinesAndRestoresCursor()
{
    writeFile(h->program.file(QStringLiteral("mixed.txt")),
              "broken\r\n1|;|1/1/2030|;|8:00:00 AM|;|good|;||;|\r\n1|;|99/99/2030|;|8:00:00 AM|;|bad date|;||;|\r\n");
    h->dialogs.nextFiles = {{h->program.file("missing.txt"), h->program.file("mixed.txt")}};
    h->commands->PushButton9_Click();
    QCOMPARE(h->reporter.errors().size(), 2);
    QVERIFY(h->reporter.errors().at(0).text.contains(QStringLiteral("missing.txt")));
    const QString box = h->reporter.errors().at(1).text;
    QVERIFY(box.startsWith(QStringLiteral("2 lines of mixed.txt were not restored:\r\nline 1: ")));
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
    h->commands->PushButton8_Click();
    h->commands->PushButton9_Click();
    QVERIFY(h->reporter.boxes.isEmpty());
    QCOMPARE(h->rows(), QStringList({before[0], before[0], before[1], before[1]}));
    QCOMPARE(h->form->listModel().rowCount(), 4);
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
    h->commands->PushButton7_Click();
    QCOMPARE(h->settings.values.value("Option1"), QStringLiteral("False"));
    QCOMPARE(h->settings.values.value("Option2"), QStringLiteral("True"));
    QCOMPARE(h->settings.values.value("DateFormat"), QStringLiteral("dd/mm/yyyy"));
    QCOMPARE(h->form->listModel().cellText(0, DateColumn), QStringLiteral("23/10/2012"));

    h->user = [&](QDialog &d) {
        Form4 &f = dynamic_cast<Form4 &>(d);
        QVERIFY(f.Option2->isChecked());
        QVERIFY(!f.Option1->isChecked());
    };
    h->commands->PushButton7_Click();
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
    h->commands->PushButton7_Click();
    for (const char *key : {SettingKey::Option1, SettingKey::Option2, SettingKey::DateFormat})
        QVERIFY(!h->settings.values.contains(QString::fromLatin1(key)));
    QVERIFY(h->reporter.boxes.isEmpty());
}

QTEST_MAIN(TestCommands)
#include "test_commands.moc"

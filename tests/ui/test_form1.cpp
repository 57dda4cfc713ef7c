#include "scheduler/AlarmIntervals.h"
#include "scheduler/AlarmScheduler.h"
#include "shell/cSysTray.h"
#include "config/Settings.h"
#include "database/Statements.h"
#include "tests/support/AppFixture.h"
#include "tests/support/Mnemonics.h"
#include "tests/support/TestDatabase.h"
#include "ui/MissedWindow.h"
#include "ui/ReminderListModel.h"
#include "ui/ScrollingPage.h"
#include "ui/SyncDialog.h"
#include "ui/WindowLook.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QFileInfo>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

#include <memory>

#include <sys/stat.h>

using namespace vestrona;
using namespace vestrona::test;

namespace {

// The fixture's main window with the reads these tests make of it.
struct Harness : AppFixture {
    void insert(int option, QDate date, QTime time, const QString &message, const QString &weekdays = {})
    {
        Connection conn(RegionalSettings::usEnglish());
        conn.Open(databasePath());
        conn.Execute(reminderInsert(option, date, time, message, weekdays));
    }

    QStringList row(int r) const
    {
        QStringList cells;
        for (int c = 0; c < ListColumnCount; ++c)
            cells << form->listModel().cellText(r, c);
        return cells;
    }

    QCheckBox *check4() const { return control<QCheckBox>("Check4"); }
    QCheckBox *check8() const { return control<QCheckBox>("Check8"); }
    QLineEdit *text2() const { return control<QLineEdit>("Text2"); }

    // A FIFO in the program folder, made on first use.
    QString fifo() const
    {
        const QString path = program.file(QStringLiteral("fifo.wav"));
        if (!QFileInfo::exists(path) && mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
            qFatal("No FIFO could be made at %s", qPrintable(path));
        return path;
    }

    QString autostartFile() const { return config.file(QStringLiteral("autostart/vestrona.desktop")); }

    bool balloonShown() const
    {
        for (const auto &call : tray->calls)
            if ((call.data.uFlags & NIF_INFO) && !call.data.szInfo.isEmpty())
                return true;
        return false;
    }
    // The user minimizes the shown window; the balloon is not waited for.
    void showThenMinimize()
    {
        form->tray().setBalloonWaiter([](int, const std::function<bool()> &) {});
        form->show();
        form->setWindowState(Qt::WindowMinimized);
    }

    int balloonCount() const
    {
        int n = 0;
        for (const auto &call : tray->calls)
            n += (call.data.uFlags & NIF_INFO) && !call.data.szInfo.isEmpty();
        return n;
    }
};

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // As the program sets it up at start.
        applyProgramLook();
    }

    void init()
    {
        h = std::make_unique<Harness>();
        h->makeProgramFolder();
        // The balloon waits five seconds in the real program; tests never wait.
    }
    void cleanup()
    {
        if (h->form)
            h->form->close();
        h.reset();
    }

    void startsWithItsControlsAndCaptions()
    {
        QVERIFY(h->start());
        Form1 &f = *h->form;
        QVERIFY(h->reporter.boxes.isEmpty());
        QCOMPARE(f.windowTitle(), QStringLiteral("Vestrona"));
        QCOMPARE(f.size(), QSize(536, 607));
        QCOMPARE(f.minimumSize(), QSize(536, 607));
        QCOMPARE(h->control<QLabel>("Frame1Caption")->text(), QStringLiteral("Next alarm will play in"));
        QCOMPARE(h->control<QProgressBar>("ProgressBar1")->format(), QStringLiteral("Progress Bar"));
        const QList<QPair<const char *, QString>> buttons = {
            {"PushButton1", "Add New Reminder"},          {"PushButton3", "Edit Selected Reminder"},
            {"PushButton2", "Delete Selected Reminder"},  {"PushButton6", "Load Sample/Example Reminder"},
            {"PushButton8", "Backup Reminders To File "}, {"PushButton9", "Load Reminders From File "},
            {"PushButton5", "Change Alarm Sound File"},   {"PushButton4", "Test Alarm Sound"},
            {"PushButton7", "Set Date Format"}};
        for (const auto &[button, caption] : buttons)
            QCOMPARE(h->control<QPushButton>(button)->text().remove(QLatin1Char('&')), caption);
        // Alt and a letter of its own reaches every button and option.
        QCOMPARE(mnemonicProblems(f), QStringList());
        QCOMPARE(h->control<QGroupBox>("Frame3")->title(), QStringLiteral("Startup Option"));
        QCOMPARE(h->control<QGroupBox>("Frame2")->title(), QStringLiteral("Alarm Sound File"));
        QCOMPARE(h->check4()->text().remove(QLatin1Char('&')), QStringLiteral("Load this software on Windows startup"));
        QCOMPARE(h->check8()->text().remove(QLatin1Char('&')), QStringLiteral("Minimized to system tray"));
        QVERIFY(h->text2()->isReadOnly());

        QStringList headers;
        for (int c = 0; c < ListColumnCount; ++c)
            headers << f.listModel().headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        QCOMPARE(headers, QStringList({"Reminder(s)", "Option", "Date", "Time", "Days", "Reminder ID"}));
        QVERIFY(h->control<QTreeView>("ListView1")->isColumnHidden(IdColumn));

        const QTreeWidget *intervals = h->control<QTreeWidget>("ListView2");
        QCOMPARE(intervals->headerItem()->text(0), QStringLiteral("How often would you like to play the alarm?"));
        QCOMPARE(intervals->topLevelItemCount(), 6);
        QCOMPARE(intervals->topLevelItem(0)->text(0), QStringLiteral("Play the alarm every 5 minutes"));
        QCOMPARE(intervals->topLevelItem(5)->text(0), QStringLiteral("Play the alarm every 4 hours"));

        // First run: the defaults of every setting.
        QCOMPARE(f.selectedIntervalRow(), 1);
        QCOMPARE(h->text2()->text(), h->alarmPath());
        QCOMPARE(h->setting(SettingKey::Alarm), h->alarmPath());
        QVERIFY(!h->check4()->isChecked());
        QVERIFY(!h->check8()->isChecked());
        QVERIFY(h->check8()->isHidden());
        QVERIFY(!f.startsHidden());
        QVERIFY(f.tray().InTray());
        QCOMPARE(f.tray().TrayTip(), QStringLiteral("Vestrona\nNo reminder is due"));
        QVERIFY(f.scheduler().isTimer1Enabled());
    }

    // The window is laid out for Arial: in another font texts are cut and the
    // interval list needs a scroll bar.
    void textsFitTheirControls()
    {
        QVERIFY(h->start());
        Form1 &f = *h->form;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QString family = QFontInfo(f.font()).family();
        QVERIFY2(family == QLatin1String("Arial") || family == QLatin1String("Liberation Sans"),
                 qPrintable(family + QStringLiteral(" instead of Arial: is fonts-liberation installed?")));

        const QTreeWidget *intervals = h->control<QTreeWidget>("ListView2");
        QCOMPARE(intervals->verticalScrollBar()->maximum(), 0);
        QVERIFY(!intervals->verticalScrollBar()->isVisible());
        const QRect viewport = intervals->viewport()->rect();
        for (int row = 0; row < intervals->topLevelItemCount(); ++row) {
            const QRect rect = intervals->visualItemRect(intervals->topLevelItem(row));
            QVERIFY2(viewport.contains(rect), qPrintable(QStringLiteral("row %1 is cut").arg(row + 1)));
        }
        h->check4()->setChecked(true);
        for (QAbstractButton *option : {static_cast<QAbstractButton *>(h->check4()), static_cast<QAbstractButton *>(h->check8())}) {
            QVERIFY2(option->sizeHint().width() <= option->width(), qPrintable(option->text()));
        }
    }

    void listsRemindersInStartOrder()
    {
        h->insert(2, QDate(2026, 12, 6), QTime(18, 30), QStringLiteral("Evening pills"));
        h->insert(3, QDate(2026, 12, 1), QTime(9, 0), QStringLiteral("Stand-up"), QStringLiteral("Mon, Wed,Fri"));
        h->insert(1, QDate(2026, 12, 6), QTime(7, 15, 30), QStringLiteral("It's early"));
        h->insert(4, QDate(2027, 1, 2), QTime(15, 3), QStringLiteral("Option four"));
        QVERIFY(h->start());
        ReminderListModel &model = h->form->listModel();
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(h->row(0).mid(0, 5), QStringList({"Stand-up", "Remind weekly", "12/01/2026", "09:00:00", "Mon, Wed,Fri"}));
        QCOMPARE(h->row(1).mid(0, 4), QStringList({"It's early", "Remind just this one time", "12/06/2026", "07:15:30"}));
        QCOMPARE(h->row(2).mid(0, 2), QStringList({"Evening pills", "Remind every day"}));
        // A value the program never writes leaves the option cell empty and costs no error.
        QCOMPARE(h->row(3).mid(0, 4), QStringList({"Option four", "", "01/02/2027", "15:03:00"}));
        QVERIFY(h->reporter.boxes.isEmpty());
        QCOMPARE(h->row(0).at(IdColumn), QStringLiteral("2"));
    }

    // The chosen reminder stays chosen when another program adds and deletes
    // rows before it, rows of pages the list has not read yet included, and
    // nothing is chosen once it is gone.
    void selectionFollowsItsReminder()
    {
        rawSql(h->databasePath(), {QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < 300) "
                                                  "insert into tblReminders (Option, StartDate, StartTime, Reminder, Weekdays) "
                                                  "select 1, '2027-01-01', printf('%02d:%02d:00', i / 60, i % 60), 'r' || i, '' from n")});
        QVERIFY(h->start());
        auto *list = h->control<QTreeView>("ListView1");
        ReminderListModel &model = h->form->listModel();
        // The list is offered a few screens at a time; the end of the scroll
        // bar brings the rest.
        QVERIFY(model.rowCount() < 300);
        while (model.canFetchMore({}))
            model.fetchMore({});
        QCOMPARE(model.rowCount(), 300);
        list->setCurrentIndex(model.index(279, 0));
        QCOMPARE(h->row(279).at(ReminderColumn), QStringLiteral("r280"));

        rawSql(h->databasePath(), {QStringLiteral("insert into tblReminders (Option, StartDate, StartTime, Reminder, Weekdays) "
                                                  "values (1, '2026-12-31', '10:00:00', 'earlier', ''), "
                                                  "(2, '2026-12-30', '10:00:00', 'earliest', '')"),
                                   QStringLiteral("delete from tblReminders where Reminder = 'r1'")});
        h->form->listReminders();
        const QModelIndexList chosen = list->selectionModel()->selectedRows();
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.first().row(), 280);
        QCOMPARE(h->row(280).at(ReminderColumn), QStringLiteral("r280"));

        rawSql(h->databasePath(), {QStringLiteral("delete from tblReminders where Reminder = 'r280'")});
        h->form->listReminders();
        QVERIFY(list->selectionModel()->selectedRows().isEmpty());
    }

    void listFollowsTheDateFormatAtOnce()
    {
        h->insert(1, QDate(2012, 10, 23), QTime(15, 3), QStringLiteral("Sample"));
        QVERIFY(h->start());
        QCOMPARE(h->row(0).at(DateColumn), QStringLiteral("10/23/2012"));
        h->setting(SettingKey::DateFormat, QStringLiteral("dd/mm/yyyy"));
        h->form->listReminders();
        QCOMPARE(h->row(0).at(DateColumn), QStringLiteral("23/10/2012"));
        QCOMPARE(h->form->listModel().readDateText(QStringLiteral("23/10/2012")), QDate(2012, 10, 23));
    }

    void emptyTableGivesAnEmptyList()
    {
        QVERIFY(h->start());
        QCOMPARE(h->form->listModel().rowCount(), 0);
        h->form->listReminders();
        QCOMPARE(h->form->listModel().rowCount(), 0);
        QVERIFY(h->reporter.boxes.isEmpty());
        QVERIFY(h->form->scheduler().alarmTime().isEmpty());
    }

    void selectsTheNextReminderAtStartUp()
    {
        h->insert(1, QDate(2026, 12, 7), QTime(8, 0), QStringLiteral("Already past"));
        h->insert(2, QDate(2026, 12, 1), QTime(9, 30), QStringLiteral("Daily"));
        QVERIFY(h->start());
        QCOMPARE(h->form->scheduler().alarmTime(), QStringLiteral("12/07/2026 09:30:00"));
        QCOMPARE(h->form->scheduler().alarmText(), QStringLiteral("Daily"));
    }

    void changesFromAnotherProgramAreListedWithinASecondOrTwo()
    {
        h->insert(2, QDate(2026, 12, 1), QTime(18, 0), QStringLiteral("Evening"));
        QVERIFY(h->start());
        QCOMPARE(h->form->scheduler().alarmText(), QStringLiteral("Evening"));
        h->insert(1, QDate(2026, 12, 7), QTime(10, 0), QStringLiteral("Added by vestrona-cli"));
        QTRY_COMPARE_WITH_TIMEOUT(h->form->listModel().rowCount(), 2, 5000);
        QCOMPARE(h->form->scheduler().alarmText(), QStringLiteral("Added by vestrona-cli"));
    }

    // Rows another tool wrote with a start that is no date and time are named
    // in one message at start-up and stay listed to be deleted; the good
    // reminder still comes next.
    void damagedRowsAreNamedOnceAtStartUp()
    {
        h->insert(OptionOnce, QDate(2026, 12, 7), QTime(10, 0), QStringLiteral("good"));
        rawSql(h->databasePath(), {QStringLiteral("insert into tblReminders (Option, StartDate, StartTime, Reminder, "
                                                  "Weekdays) values (1.7, '2027-03-07', '10:00:00', 'odd rule', '')"),
                                   QStringLiteral("insert into tblReminders (Option, StartDate, StartTime, Reminder, "
                                                  "Weekdays) values (2, 'garbage', '10:00:00', 'no date', '')")});
        QVERIFY(h->start());
        QCOMPARE(h->reporter.boxes.size(), 1);
        const QString shown = h->reporter.boxes.first().text;
        QVERIFY2(shown.contains(QStringLiteral("\"odd rule\"")) && shown.contains(QStringLiteral("\"1.7\""))
                     && shown.contains(QStringLiteral("\"no date\"")) && shown.contains(QStringLiteral("\"garbage\""))
                     && !shown.contains(QStringLiteral("good")),
                 qPrintable(shown));
        QCOMPARE(h->form->listModel().rowCount(), 3);
        QCOMPARE(h->form->scheduler().alarmText(), QStringLiteral("good"));
    }

    void missingDatabaseEndsStartUp()
    {
        QFile::remove(h->databasePath());
        QVERIFY(!h->start());
        QCOMPARE(h->reporter.boxes.size(), 1);
        QCOMPARE(h->reporter.boxes.first().kind, RecordingReporter::Box::Message);
        QCOMPARE(h->reporter.boxes.first().text, h->databasePath() + QStringLiteral(" not found"));
        QCOMPARE(h->reporter.boxes.first().title, QStringLiteral("Vestrona"));
        QVERIFY(!QFile::exists(h->settings().filePath()));
        QVERIFY(h->tray->calls.isEmpty());
    }

    void unusableDatabaseEndsStartUpAndIsLeftAlone_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        QTest::newRow("empty") << QByteArray() << QStringLiteral("empty");
        QTest::newRow("random bytes") << QByteArray(3000, '\x5a') << QStringLiteral("not an SQLite database");
    }
    void unusableDatabaseEndsStartUpAndIsLeftAlone()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        QFile db(h->databasePath());
        QVERIFY(db.open(QIODevice::WriteOnly | QIODevice::Truncate));
        db.write(bytes);
        db.close();
        QVERIFY(!h->start());
        QCOMPARE(h->reporter.boxes.size(), 1);
        QVERIFY2(h->reporter.boxes.first().text.contains(h->databasePath()), qPrintable(h->reporter.boxes.first().text));
        QVERIFY2(h->reporter.boxes.first().text.contains(problem), qPrintable(h->reporter.boxes.first().text));
        QVERIFY(db.open(QIODevice::ReadOnly));
        QCOMPARE(db.readAll(), bytes);
        QCOMPARE(QDir(h->program.path()).entryList(QDir::Files).size(), 2); // no journal left behind
        QVERIFY(h->tray->calls.isEmpty());
    }


    void badOftenIndexIsReportedAndTheFirstRowChosen_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QList<int>>("lines");
        QTest::newRow("not a number") << QStringLiteral("abc") << QList<int>{188, 190};
        QTest::newRow("no such row") << QStringLiteral("7") << QList<int>{190};
        QTest::newRow("zero") << QStringLiteral("0") << QList<int>{190};
        QTest::newRow("fourth row") << QStringLiteral("4") << QList<int>{};
    }
    void badOftenIndexIsReportedAndTheFirstRowChosen()
    {
        QFETCH(QString, stored);
        QFETCH(QList<int>, lines);
        h->setting(SettingKey::OftenIndex, stored);
        QVERIFY(h->start());
        QList<int> reported;
        for (const ErrorReport &error : h->reporter.errors()) {
            QCOMPARE(error.location, QStringLiteral("Form1.Form_Load"));
            reported << error.line;
        }
        QCOMPARE(reported, lines);
        QCOMPARE(h->form->selectedIntervalRow(), lines.isEmpty() ? 4 : 1);
        QCOMPARE(h->form->scheduler().GetAlarmInterval(), lines.isEmpty() ? 3600 : 300);
    }

    void missingAlarmFileFallsBackToTheDefault()
    {
        h->setting(SettingKey::Alarm, h->program.file(QStringLiteral("gone.wav")));
        QVERIFY(h->start());
        QCOMPARE(h->text2()->text(), h->alarmPath());
        QCOMPARE(h->setting(SettingKey::Alarm), h->alarmPath());
        QVERIFY(h->reporter.boxes.isEmpty());
    }

    void startUpOptions_data()
    {
        QTest::addColumn<QString>("windowsStartup");
        QTest::addColumn<QString>("minimized");
        const QStringList values = {"On", "Off", "on"};
        for (const QString &w : values)
            for (const QString &m : values)
                QTest::addRow("startup %s, minimized %s", qPrintable(w), qPrintable(m)) << w << m;
    }
    void startUpOptions()
    {
        QFETCH(QString, windowsStartup);
        QFETCH(QString, minimized);
        h->setting(SettingKey::WindowsStartup, windowsStartup);
        h->setting(SettingKey::Minimized, minimized);
        QVERIFY(h->start());
        Form1 &f = *h->form;
        const bool check4 = windowsStartup == QLatin1String("On");
        const bool check8 = minimized == QLatin1String("On");
        QCOMPARE(h->check4()->isChecked(), check4);
        QCOMPARE(h->check8()->isChecked(), check8);
        QCOMPARE(h->check8()->isHidden(), !check4);
        QCOMPARE(f.startsHidden(), check4 && check8);
        // Putting the stored values into the boxes changes neither the
        // settings nor the logon entry.
        QCOMPARE(h->setting(SettingKey::WindowsStartup), windowsStartup);
        QCOMPARE(h->setting(SettingKey::Minimized), check8 ? QStringLiteral("On") : QStringLiteral("Off"));
        QVERIFY(!QFile::exists(h->autostartFile()));

        h->form->tray().setBalloonWaiter([](int, const std::function<bool()> &) {});
        QCoreApplication::processEvents();
        QCOMPARE(f.HiddenInTray(), check4 && check8);
        QCOMPARE(f.isVisible(), false);
        QCOMPARE(h->balloonShown(), check4 && check8);
    }

    void runAtLogonBoxKeepsMinimizedVisibleOnlyWhenChecked()
    {
        QVERIFY(h->start());
        h->check4()->click();
        QVERIFY(!h->check8()->isHidden());
        QVERIFY(!h->check8()->isChecked());
        QCOMPARE(h->setting(SettingKey::WindowsStartup), QStringLiteral("On"));
        QVERIFY(QFile::exists(h->autostartFile()));

        h->check8()->click();
        QCOMPARE(h->setting(SettingKey::Minimized), QStringLiteral("On"));
        QCOMPARE(h->setting(SettingKey::WindowsStartup), QStringLiteral("On"));

        h->check4()->click();
        QVERIFY(h->check8()->isHidden());
        QVERIFY(!h->check8()->isChecked());
        QCOMPARE(h->setting(SettingKey::Minimized), QStringLiteral("Off"));
        QCOMPARE(h->setting(SettingKey::WindowsStartup), QStringLiteral("Off"));
        QVERIFY(!QFile::exists(h->autostartFile()));
        QVERIFY(h->reporter.boxes.isEmpty());
    }

    void aLogonEntryThatCannotBeWrittenIsReported()
    {
        QFile blocker(h->config.file(QStringLiteral("autostart")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(h->start());
        h->check4()->click();
        QCOMPARE(h->reporter.errors().size(), 1);
        QCOMPARE(h->reporter.errors().first().location, QStringLiteral("mStartUp.EnableRunAtLogon"));
        QCOMPARE(h->setting(SettingKey::WindowsStartup), QStringLiteral("On"));
    }

    void aSettingThatCannotBeSavedIsReportedOnce()
    {
        QVERIFY(h->start());
        QVERIFY(QFile::remove(h->settings().filePath()));
        QVERIFY(QDir().mkpath(h->settings().filePath()));
        h->check4()->click();
        h->check8()->click();
        const auto errors = h->reporter.errors();
        QCOMPARE(errors.size(), 2);
        QCOMPARE(errors.at(0).location, QStringLiteral("Form1.Check4_Click"));
        QCOMPARE(errors.at(1).location, QStringLiteral("Form1.Check8_Click"));
        QVERIFY(h->check8()->isChecked());
    }

    void choosingTheAlarmSoundFile()
    {
        QVERIFY(h->start());
        const QString chosen = h->program.file(QStringLiteral("my bell.wav"));
        h->dialogs.nextFiles = {{}, {chosen}};
        h->click("PushButton5"); // cancelled
        QCOMPARE(h->text2()->text(), h->alarmPath());
        QCOMPARE(h->setting(SettingKey::Alarm), h->alarmPath());
        h->click("PushButton5");
        QTRY_COMPARE(h->text2()->text(), chosen);
        QCOMPARE(h->setting(SettingKey::Alarm), chosen);
        QCOMPARE(h->sound.checked, QStringList{chosen});
        QCOMPARE(h->dialogs.requests.size(), 2);
        QCOMPARE(h->dialogs.requests.first().title, QStringLiteral("Add File(s) - Hold Ctrl to select multiple files"));
        QCOMPARE(h->dialogs.requests.first().filter, QStringLiteral("Wav Files (*.wav)|*.wav|"));
    }

    // Found out while the user is still choosing, not when the alarm comes.
    void aFileThatCannotPlayIsRefusedWhenChosen()
    {
        QVERIFY(h->start());
        const QString chosen = h->program.file(QStringLiteral("notes.wav"));
        h->sound.problems.insert(chosen, QStringLiteral("it is not in a sound format the player knows"));
        h->dialogs.nextFiles = {{chosen}};
        h->click("PushButton5");
        QTRY_COMPARE(h->reporter.boxes.size(), 1);
        QCOMPARE(h->reporter.boxes.first().kind, RecordingReporter::Box::Message);
        QCOMPARE(h->reporter.boxes.first().text,
                 chosen + QStringLiteral(" cannot be played as a sound: it is not in a sound format the player knows. "
                                         "The alarm sound stays ")
                     + h->alarmPath() + QLatin1Char('.'));
        QCOMPARE(h->text2()->text(), h->alarmPath());
        QCOMPARE(h->setting(SettingKey::Alarm), h->alarmPath());
    }

    void testAlarmSoundPlaysOnceOnlyAnExistingFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("plays");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("blank") << QStringLiteral("   ") << false;
        QTest::newRow("missing") << QStringLiteral("/nowhere/alarm.wav") << false;
        QTest::newRow("folder") << QStringLiteral("/tmp") << false;
        QTest::newRow("existing") << QStringLiteral("<alarm>") << true;
        QTest::newRow("FIFO") << QStringLiteral("<fifo>") << false;
    }
    void testAlarmSoundPlaysOnceOnlyAnExistingFile()
    {
        QFETCH(QString, path);
        QFETCH(bool, plays);
        QVERIFY(h->start());
        if (path == QLatin1String("<alarm>"))
            path = h->alarmPath();
        if (path == QLatin1String("<fifo>"))
            path = h->fifo();
        h->text2()->setText(path);
        h->click("PushButton4");
        QCOMPARE(h->sound.played, plays ? QStringList{path} : QStringList{});
        QVERIFY(!h->sound.looping);
        QVERIFY(h->reporter.boxes.isEmpty());
    }

    // A FIFO would block the player, the window and every later alarm: it is
    // refused when chosen, and one set by hand rings the alarm without sound.
    void aSoundFileThatIsNoRegularFileIsRefusedAndNeverPlayed()
    {
        const QString fifo = h->fifo();
        h->insert(OptionDaily, QDate(2026, 12, 7), QTime(9, 1), QStringLiteral("tea"));
        QVERIFY(h->start());
        h->dialogs.nextFiles = {{fifo}};
        h->click("PushButton5");
        QCOMPARE(h->text2()->text(), h->alarmPath());
        QCOMPARE(h->setting(SettingKey::Alarm), h->alarmPath());
        QCOMPARE(h->reporter.errors().size(), 1);
        QVERIFY2(h->reporter.errors().first().description.contains(fifo + QStringLiteral(" is not a regular file")),
                 qPrintable(h->reporter.errors().first().description));

        h->text2()->setText(fifo);
        h->clock.advanceSeconds(61);
        h->form->scheduler().tickTimer1();
        QCOMPARE(h->popup.messages, QStringList{QStringLiteral("tea")});
        QVERIFY(!h->sound.played.contains(fifo));
        QVERIFY(!h->sound.prepared.contains(fifo));
    }

    void sampleReminderLoadedTwiceGivesTwoRows()
    {
        QVERIFY(h->start());
        h->click("PushButton6");
        h->click("PushButton6");
        QCOMPARE(h->form->listModel().rowCount(), 2);
        for (int r = 0; r < 2; ++r)
            QCOMPARE(h->row(r).mid(0, 5),
                     QStringList({"Sample Reminder", "Remind just this one time", "10/23/2012", "15:03:00", ""}));
        QVERIFY(h->row(0).at(IdColumn) != h->row(1).at(IdColumn));
        QVERIFY(h->reporter.boxes.isEmpty());
    }

    void minimizingHidesIntoTheTrayAndAClickBringsItBack()
    {
        QVERIFY(h->start());
        Form1 &f = *h->form;
        h->showThenMinimize();
        QVERIFY(!f.isVisible());
        QVERIFY(f.HiddenInTray());
        QCOMPARE(h->balloonCount(), 1);

        h->tray->activate(QSystemTrayIcon::Trigger); // a left click on the icon
        QVERIFY(f.isVisible());
        QVERIFY(!f.HiddenInTray());
        QVERIFY(!f.isMinimized());

        f.setWindowState(Qt::WindowMinimized);
        QVERIFY(!f.isVisible());
        QCOMPARE(h->balloonCount(), 1); // once per run
    }

    void missedRemindersCollectInOneQuietWindow()
    {
        h->insert(OptionDaily, QDate(2026, 11, 1), QTime(7, 30), "pills");
        h->setting(SettingKey::SeenUpTo, h->clock.now().addDays(-3).toUTC().toString(Qt::ISODate));
        h->setting(SettingKey::DateFormat, QStringLiteral("dd/mm/yyyy"));
        QVERIFY(h->start());
        Form1 &f = *h->form;
        f.tray().setBalloonWaiter([](int, const std::function<bool()> &) {});
        f.show();
        f.setWindowState(Qt::WindowMinimized);
        QVERIFY(f.HiddenInTray());
        f.scheduler().tickTimer1();

        MissedWindow *window = f.missedWindow();
        QVERIFY(window && window->isVisible());
        QVERIFY(h->sound.played.isEmpty());
        QVERIFY(h->popup.messages.isEmpty());
        const auto *rows = window->findChild<QTreeWidget *>(QStringLiteral("MissedList"));
        QCOMPARE(rows->topLevelItemCount(), 1);
        const QTreeWidgetItem *item = rows->topLevelItem(0);
        QCOMPARE((QStringList{item->text(0), item->text(1), item->text(2)}),
                 (QStringList{QStringLiteral("pills"), QStringLiteral("Remind every day"),
                              QStringLiteral("missed 3 times, last 07/12/2026 07:30:00")}));
        QCOMPARE(h->lastBalloon(), QStringLiteral("1 reminder was missed while Vestrona was not running"));

        // A second report adds to the open window, the overflow counted.
        const MissedEntry tea{QStringLiteral("tea"), snoozedRuleText(), 1, QDate(2026, 12, 7), QTime(8, 0)};
        f.reportMissed({tea}, 4);
        QCOMPARE(f.missedWindow(), window);
        QCOMPARE(rows->topLevelItemCount(), 2);
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("MissedMore"))->text(), QStringLiteral("and 4 more"));
        QCOMPARE(h->lastBalloon(), QStringLiteral("5 reminders were missed while Vestrona was not running"));

        // Closed, it starts afresh; with the window shown, no balloon.
        const int balloons = h->balloonCount();
        window->close();
        f.bringToFront();
        f.reportMissed({tea}, 0);
        QCOMPARE(rows->topLevelItemCount(), 1);
        QCOMPARE(h->balloonCount(), balloons);
    }

    // Larger, the list takes the room and the rows of buttons and options
    // widen under it. It gets smaller than built only on a screen too small
    // for it; then its controls keep their built places and scroll down
    // (never sideways), and none is out of the keyboard's reach.
    void growsWithTheListTakingTheRoom()
    {
        QVERIFY(h->start());
        Form1 &f = *h->form;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        auto *page = h->control<QWidget>("Page");
        QList<QWidget *> controls = page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        QHash<QWidget *, QRect> built;
        for (QWidget *control : controls)
            built.insert(control, control->geometry());
        auto *list = h->control<QTreeView>("ListView1");

        f.resize(f.width() + 200, f.height() + 150);
        QCOMPARE(list->geometry(), built.value(list).adjusted(0, 0, 200, 150));
        for (const char *name : {"PushButton7", "PushButton10", "PushButton11"}) {
            auto *bottom = h->control<QPushButton>(name);
            QCOMPARE(bottom->geometry(), built.value(bottom).translated(0, 150));
        }
        for (QWidget *control : controls) {
            QVERIFY2(page->rect().contains(control->geometry()), qPrintable(control->objectName()));
            for (QWidget *other : controls)
                QVERIFY2(control == other || !control->geometry().intersects(other->geometry()),
                         qPrintable(control->objectName() + QStringLiteral(" overlaps ") + other->objectName()));
        }
        const auto *add = h->control<QPushButton>("PushButton1");
        const auto *edit = h->control<QPushButton>("PushButton3");
        QCOMPARE(add->width() + edit->width(), built.value(h->control<QPushButton>("PushButton1")).width() * 2 + 200);

        f.resize(300, 300);
        QCOMPARE(f.size(), QSize(536, 607));
        for (QWidget *control : controls)
            QCOMPARE(control->geometry(), built.value(control));

        // As a 1280x800 screen at a scale factor of 2 lets it be.
        f.setMinimumSize(ScrollingPage::smallestOn(QSize(640, 400), QSize(536, 607)));
        f.resize(300, 300);
        QVERIFY(f.height() < 400);
        QCOMPARE(page->height(), 607);
        for (QWidget *control : controls)
            QCOMPARE(control->geometry().top(), built.value(control).top());
        auto *scroll = h->control<QScrollArea>("ScrollingPage");
        QTRY_VERIFY(scroll->verticalScrollBar()->isVisible());
        QVERIFY(!scroll->horizontalScrollBar()->isVisible());
        // Tabbing to the bottom row brings it into view.
        auto *quit = h->control<QPushButton>("PushButton11");
        list->setFocus();
        for (int presses = 0; presses < 40 && QApplication::focusWidget() != quit; ++presses)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), quit);
        QVERIFY(scroll->viewport()->rect().contains(QRect(quit->mapTo(scroll->viewport(), QPoint()), quit->size())));
    }

    // Widened by the user, the columns stay so over a restart; a damaged
    // setting leaves the built widths.
    void columnWidthsAreRemembered_data()
    {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<int>("firstWidth");
        QTest::newRow("as left") << QStringLiteral("300,120,80,80,90") << 300;
        QTest::newRow("damaged") << QStringLiteral("300,x,80") << 1900 / 15;
        QTest::newRow("out of reach") << QStringLiteral("99999,120,80,80,90") << 1900 / 15;
    }

    void columnWidthsAreRemembered()
    {
        QFETCH(QString, saved);
        QFETCH(int, firstWidth);
        h->setting(SettingKey::ListColumns, saved);
        QVERIFY(h->start());
        auto *list = h->control<QTreeView>("ListView1");
        QCOMPARE(list->columnWidth(0), firstWidth);
        list->header()->resizeSection(1, 222);
        QCOMPARE(h->setting(SettingKey::ListColumns).split(QLatin1Char(',')).value(1), QStringLiteral("222"));
    }

    // The list's commands from the keyboard: Ctrl+N anywhere, Enter and
    // Delete on the chosen row.
    void keysReachTheListCommands()
    {
        h->insert(OptionDaily, QDate(2026, 12, 8), QTime(9, 0), QStringLiteral("tea"));
        QVERIFY(h->start());
        Form1 &f = *h->form;
        f.show();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QStringList opened;
        h->user = [&](QDialog &d) { opened << d.objectName(); };
        QTest::keyClick(&f, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(opened, QStringList{QStringLiteral("Form3")});

        auto *list = h->control<QTreeView>("ListView1");
        list->setFocus();
        list->setCurrentIndex(f.listModel().index(0, 0));
        list->selectionModel()->select(f.listModel().index(0, 0),
                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(opened.size(), 2);
        h->reporter.answers = {Reporter::Answer::No};
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(h->reporter.boxes.size(), 1);
        QCOMPARE(h->reporter.boxes.first().text, QStringLiteral("Are you sure you want to delete tea?"));
        QCOMPARE(f.listModel().rowCount(), 1);
    }

    // Opened where the user looks: on the main window, or the screen's
    // middle while that is in the tray; the keys of a dialog close it.
    void missedWindowOpensCentredAndClosesByKey_data()
    {
        QTest::addColumn<bool>("mainShown");
        QTest::addColumn<int>("key");
        QTest::newRow("on the main window, Escape") << true << int(Qt::Key_Escape);
        QTest::newRow("on the main window, Enter") << true << int(Qt::Key_Return);
        QTest::newRow("in the tray, keypad Enter") << false << int(Qt::Key_Enter);
    }

    void missedWindowOpensCentredAndClosesByKey()
    {
        QFETCH(bool, mainShown);
        QFETCH(int, key);
        QVERIFY(h->start());
        Form1 &f = *h->form;
        f.tray().setBalloonWaiter([](int, const std::function<bool()> &) {});
        f.show();
        f.move(40, 30);
        if (!mainShown)
            f.setWindowState(Qt::WindowMinimized);
        QVERIFY(QTest::qWaitForWindowExposed(&f) || !mainShown);
        const MissedEntry tea{QStringLiteral("tea"), snoozedRuleText(), 1, QDate(2026, 12, 7), QTime(8, 0)};
        f.reportMissed({tea}, 0);
        MissedWindow *window = f.missedWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QPoint middle = mainShown ? f.frameGeometry().center() : window->screen()->availableGeometry().center();
        // A frame the platform adds after showing may shift it a pixel or two.
        QVERIFY2((window->frameGeometry().center() - middle).manhattanLength() <= 8,
                 qPrintable(QStringLiteral("centred at %1,%2 instead of %3,%4")
                                .arg(window->frameGeometry().center().x())
                                .arg(window->frameGeometry().center().y())
                                .arg(middle.x())
                                .arg(middle.y())));
        QTest::keyClick(window, Qt::Key(key));
        QVERIFY(!window->isVisible());
        QVERIFY(window->list().rows().empty());
    }

    // Started at logon straight into the tray: the catch-up comes before the
    // window has gone there, and still tells through the tray.
    void missedAtALogonStartIntoTheTrayGetsABalloon()
    {
        h->insert(OptionDaily, QDate(2026, 11, 1), QTime(7, 30), "pills");
        h->setting(SettingKey::SeenUpTo, h->clock.now().addDays(-1).toUTC().toString(Qt::ISODate));
        h->setting(SettingKey::WindowsStartup, QStringLiteral("On"));
        h->setting(SettingKey::Minimized, QStringLiteral("On"));
        QVERIFY(h->start());
        h->form->tray().setBalloonWaiter([](int, const std::function<bool()> &) {});
        h->form->scheduler().tickTimer1();
        QCOMPARE(h->lastBalloon(), QStringLiteral("1 reminder was missed while Vestrona was not running"));
    }

    void withoutATrayMinimizingStaysOrdinary()
    {
        h->trayAvailable = false;
        QVERIFY(h->start());
        Form1 &f = *h->form;
        f.show();
        f.setWindowState(Qt::WindowMinimized);
        QVERIFY(f.isVisible());
        QVERIFY(f.isMinimized());
        QVERIFY(!f.HiddenInTray());
    }

    // A tray that goes away gives the hidden window back, minimized in the
    // task bar, and its words go to the desktop's notifications; one that
    // comes takes the minimized window in.
    void trayGoingAndComing()
    {
        QVERIFY(h->start());
        Form1 &f = *h->form;
        h->showThenMinimize();
        QVERIFY(f.HiddenInTray());

        h->tray->trayAvailable = false;
        QTRY_VERIFY_WITH_TIMEOUT(f.isVisible(), 5000);
        QVERIFY(f.isMinimized());
        QVERIFY(!f.HiddenInTray());
        const int balloons = h->balloonCount();
        f.hide();
        f.reportMissed({MissedEntry{QStringLiteral("tea"), snoozedRuleText(), 1, QDate(2026, 12, 7), QTime(8, 0)}}, 0);
        QCOMPARE(h->notifier.notices, QStringList{"1 reminder was missed while Vestrona was not running"});
        QCOMPARE(h->balloonCount(), balloons);
        f.showMinimized();

        h->tray->trayAvailable = true;
        QTRY_VERIFY_WITH_TIMEOUT(!f.isVisible(), 5000);
        QVERIFY(f.HiddenInTray());
    }

    // Started at logon into the tray on a desktop without one: minimized in
    // the task bar, never a window nobody can reach.
    void startIntoTheTrayWithoutOne()
    {
        h->trayAvailable = false;
        h->setting(SettingKey::WindowsStartup, QStringLiteral("On"));
        h->setting(SettingKey::Minimized, QStringLiteral("On"));
        QVERIFY(h->start());
        Form1 &f = *h->form;
        QVERIFY(f.startsHidden());
        QTRY_VERIFY(f.isVisible());
        QVERIFY(f.isMinimized());
        QVERIFY(!f.HiddenInTray());
        QVERIFY(!h->balloonShown());
    }

    // What the tray menu offers is on the window too.
    void windowOffersCalendarSyncAndQuit()
    {
        QVERIFY(h->start());
        Form1 &f = *h->form;
        f.show();
        QCOMPARE(h->control<QPushButton>("PushButton10")->text().remove(QLatin1Char('&')), QStringLiteral("Calendar sync…"));
        h->click("PushButton10");
        QVERIFY(f.syncDialog());
        QVERIFY(f.syncDialog()->isVisible());
        f.syncDialog()->close();

        h->click("PushButton11");
        QCOMPARE(f.conn().State(), 0);
        QVERIFY(!f.tray().InTray());
        QVERIFY(!f.scheduler().isTimer1Enabled());
    }

    // The icon's tooltip names the next reminder and when it is due, and
    // follows the list.
    void trayTipNamesTheNextReminder()
    {
        h->insert(OptionOnce, QDate(2026, 12, 7), QTime(10, 0), QStringLiteral("tea"));
        QVERIFY(h->start());
        const auto lastTip = [this] {
            QString tip;
            for (const auto &call : h->tray->calls)
                if (call.data.uFlags & NIF_TIP)
                    tip = call.data.szTip;
            return tip;
        };
        QCOMPARE(lastTip(), QStringLiteral("Vestrona\nNext: tea\nDue 12/07/2026 10:00:00"));

        h->insert(OptionOnce, QDate(2026, 12, 7), QTime(9, 30), QStringLiteral("coffee"));
        h->form->listReminders();
        h->form->GetLatestReminder();
        QCOMPARE(lastTip(), QStringLiteral("Vestrona\nNext: coffee\nDue 12/07/2026 09:30:00"));
    }

    void closingShutsEverythingDown_data()
    {
        QTest::addColumn<bool>("fromTrayMenu");
        QTest::newRow("closing the window") << false;
        // On the tray, where the hidden window has no close button.
        QTest::newRow("Quit in the tray menu") << true;
    }
    void closingShutsEverythingDown()
    {
        QFETCH(bool, fromTrayMenu);
        QVERIFY(h->start());
        Form1 &f = *h->form;
        f.show();
        if (fromTrayMenu) {
            f.tray().setBalloonWaiter([](int, const std::function<bool()> &) {});
            f.setWindowState(Qt::WindowMinimized);
            QVERIFY(f.HiddenInTray());
            h->trayAction(QStringLiteral("Quit"))->trigger();
            QTRY_VERIFY(!f.tray().InTray());
        } else {
            QVERIFY(f.close());
        }
        QCOMPARE(f.conn().State(), 0);
        QVERIFY(!f.tray().InTray());
        QCOMPARE(h->tray->calls.last().message, NIM_DELETE);
        QVERIFY(!f.scheduler().isTimer1Enabled());
        QVERIFY(h->reporter.boxes.isEmpty());
    }

    void trayMenuBringsTheWindowBack()
    {
        QVERIFY(h->start());
        Form1 &f = *h->form;
        h->showThenMinimize();
        QVERIFY(!f.isVisible());
        h->trayAction(QStringLiteral("Show Vestrona"))->trigger();
        QVERIFY(f.isVisible());
        QVERIFY(!f.HiddenInTray());
        QVERIFY(!f.isMinimized());
    }

    void intervalChosenByKeyOrClickIsKept_data()
    {
        QTest::addColumn<int>("key"); // 0 for a click on the row
        QTest::addColumn<int>("row");
        // The stored interval is the third row.
        QTest::newRow("click") << 0 << 5;
        QTest::newRow("down") << int(Qt::Key_Down) << 4;
        QTest::newRow("up") << int(Qt::Key_Up) << 2;
        QTest::newRow("end") << int(Qt::Key_End) << 6;
        QTest::newRow("home") << int(Qt::Key_Home) << 1;
    }
    void intervalChosenByKeyOrClickIsKept()
    {
        QFETCH(int, key);
        QFETCH(int, row);
        h->setting(SettingKey::OftenIndex, QStringLiteral("3"));
        QVERIFY(h->start());
        h->form->show();
        QVERIFY(QTest::qWaitForWindowExposed(h->form.get()));
        auto *intervals = h->control<QTreeWidget>("ListView2");
        if (key == 0) {
            const QRect cell = intervals->visualItemRect(intervals->topLevelItem(row - 1));
            QTest::mouseClick(intervals->viewport(), Qt::LeftButton, {}, cell.center());
        } else {
            QTest::keyClick(intervals, Qt::Key(key));
        }
        QCOMPARE(h->form->selectedIntervalRow(), row);
        QCOMPARE(h->setting(SettingKey::OftenIndex), QString::number(row));
        // The wait starts over with the new interval.
        QCOMPARE(h->form->scheduler().interval(), kAlarmIntervals[row - 1].seconds);
        QCOMPARE(h->form->scheduler().seconds(), 0);
    }

private:
    std::unique_ptr<Harness> h;
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"

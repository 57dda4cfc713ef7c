#include "cli/CliCommands.h"

#include "cli/AgendaOutput.h"
#include "cli/ICalendarCommands.h"
#include "cli/StreamReporter.h"
#include "cli/SyncCommand.h"

#include "core/AppError.h"
#include "core/Clock.h"
#include "core/PathHelpers.h"
#include "core/Reporter.h"
#include "core/TextEscapes.h"
#include "scheduler/AlarmRecord.h"
#include "scheduler/Agenda.h"
#include "scheduler/NextReminder.h"
#include "recurrence/RuleCheck.h"
#include "filecommands/Backup.h"
#include "database/Connection.h"
#include "config/DataLocation.h"
#include "formats/DateFormats.h"
#include "formats/ReminderListText.h"
#include "config/Settings.h"

#include <QCoreApplication>
#include <QCommandLineParser>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>

namespace vestrona {

namespace {

constexpr auto kDescription = QT_TRANSLATE_NOOP(
    "Cli",
    "Reads and changes the reminders of Vestrona.\n"
    "\n"
    "Commands:\n"
    "  next                      the next reminder due: alarm time, TAB, message\n"
    "  list                      every reminder, one line each, columns joined by TAB\n"
    "  add --option once|daily|weekly|monthly|yearly --date YYYY-MM-DD\n"
    "      --time HH:MM[:SS] [--days Mon,Tue,...] MESSAGE\n"
    "                            adds a reminder and prints its ID; monthly and\n"
    "                            yearly repeat on the start's day\n"
    "  add --rule RRULE --date YYYY-MM-DD --time HH:MM[:SS] MESSAGE\n"
    "                            adds a reminder repeating by an RFC 5545 rule\n"
    "                            without \"RRULE:\", e.g. FREQ=MONTHLY;BYDAY=-1FR;\n"
    "                            FREQ, INTERVAL, BYDAY, BYMONTHDAY, BYMONTH,\n"
    "                            BYSETPOS, COUNT, UNTIL (local time, or UTC with Z)\n"
    "  agenda [--from \"YYYY-MM-DD HH:MM:SS\"] [--days N]\n"
    "                            every occurrence from then (default now) for N\n"
    "                            days (default 7): time, TAB, ID, TAB, message\n"
    "  delete ID                 deletes a reminder\n"
    "  backup [--force] FILE     writes every reminder to a backup file\n"
    "  restore FILE...           adds the reminders of backup files\n"
    "  export [--force] FILE     writes every reminder to an iCalendar (.ics) file\n"
    "  import FILE...            adds the events and to-dos of iCalendar files and\n"
    "                            prints them; a date without a time starts at 00:00:00\n"
    "  sync [--url URL --user NAME] [--accept-certificate SHA256]\n"
    "       [--upload-all | --accept-deletions]\n"
    "                            syncs the reminders with the CalDAV calendar at URL\n"
    "                            (saved for later syncs and for Vestrona) and prints\n"
    "                            what went up, came down, was deleted or left out;\n"
    "                            the password comes from VESTRONA_CALDAV_PASSWORD,\n"
    "                            the keyring or, on a terminal, a prompt; exit 1 when\n"
    "                            items are left out, 3 when the sync failed. When the\n"
    "                            calendar lost most of its items, nothing is deleted\n"
    "                            until --upload-all puts them back or\n"
    "                            --accept-deletions deletes them here too");

// A command line that cannot be carried out as written: exit code 2 and a
// hint at --help, where other errors exit with 3.
class UsageError final : public AppError {
public:
    using AppError::AppError;
};

class Cli {
public:
    Cli(const CliEnvironment &env, QTextStream &out, QTextStream &err) : mEnv(env), mOut(out), mErr(err) {}

    int run(const QStringList &arguments);

private:
    int next();
    int list();
    int add(const QStringList &args);
    int agenda();
    // The rule of --rule or of --option monthly or yearly, checked.
    void takeRule(ReminderValues &values) const;
    int remove(const QStringList &args);
    int backup(const QStringList &args);
    int restore(const QStringList &args);
    int sync();

    void openDatabase();
    // Throws UsageError when `path` exists and --force is not given.
    void requireMayWrite(const QString &path) const;
    void nameDamagedRows(const std::vector<ReminderRecord> &rows);
    void requireArgumentCount(const QStringList &args, qsizetype count, const char *usage) const;
    void allowOnly(std::initializer_list<const QCommandLineOption *> allowed) const;

    const CliEnvironment &mEnv;
    QTextStream &mOut;
    QTextStream &mErr;
    QCommandLineParser mParser;
    QCommandLineOption mOption{QStringLiteral("option"), QCoreApplication::translate("Cli", "once, daily, weekly, monthly or yearly."),
                               QStringLiteral("option")};
    QCommandLineOption mRule{QStringLiteral("rule"), QCoreApplication::translate("Cli", "An RFC 5545 repeat rule, for add."), QStringLiteral("rrule")};
    QCommandLineOption mFrom{QStringLiteral("from"), QCoreApplication::translate("Cli", "Where the agenda starts, \"YYYY-MM-DD HH:MM:SS\"."),
                             QStringLiteral("moment")};
    QCommandLineOption mDate{QStringLiteral("date"), QCoreApplication::translate("Cli", "Start date, YYYY-MM-DD."), QStringLiteral("date")};
    QCommandLineOption mTime{QStringLiteral("time"), QCoreApplication::translate("Cli", "Start time, HH:MM or HH:MM:SS."), QStringLiteral("time")};
    QCommandLineOption mDays{QStringLiteral("days"), QCoreApplication::translate("Cli", "Weekdays, e.g. Mon,Wed,Fri; for agenda, a number of days."),
                             QStringLiteral("days")};
    QCommandLineOption mForce{QStringLiteral("force"), QCoreApplication::translate("Cli", "Let backup replace an existing file.")};
    QCommandLineOption mUrl{QStringLiteral("url"), QCoreApplication::translate("Cli", "The calendar's address, for sync."), QStringLiteral("url")};
    QCommandLineOption mUser{QStringLiteral("user"), QCoreApplication::translate("Cli", "The user name on the calendar server, for sync."),
                             QStringLiteral("name")};
    QCommandLineOption mAcceptCertificate{
        QStringLiteral("accept-certificate"),
        QCoreApplication::translate("Cli", "Trust the server certificate with this SHA-256 fingerprint, for sync."),
        QStringLiteral("sha256")};
    QCommandLineOption mUploadAll{
        QStringLiteral("upload-all"),
        QCoreApplication::translate("Cli", "Put this computer's reminders back on an emptied calendar, for sync.")};
    QCommandLineOption mAcceptDeletions{
        QStringLiteral("accept-deletions"),
        QCoreApplication::translate("Cli", "Delete here what an emptied calendar lost, for sync.")};
    QCommandLineOption mDatabase{QStringLiteral("database"),
                                 QCoreApplication::translate("Cli", "The reminder database to use."),
                                 QStringLiteral("file")};
    std::unique_ptr<Connection> mConn;
};

int Cli::run(const QStringList &arguments)
{
    mParser.setApplicationDescription(
        QCoreApplication::translate("Cli", kDescription)
        + QCoreApplication::translate("Cli", "\n\nWithout --database the reminders are those of %1")
              .arg(mEnv.dataLocation.files().database));
    const QCommandLineOption help = mParser.addHelpOption();
    const QCommandLineOption version = mParser.addVersionOption();
    mParser.addOptions(
        {mOption, mRule, mFrom, mDate, mTime, mDays, mForce, mUrl, mUser, mAcceptCertificate, mUploadAll, mAcceptDeletions, mDatabase});
    mParser.addPositionalArgument(QStringLiteral("command"),
                                  QCoreApplication::translate("Cli", "next, list, add, agenda, delete, backup, restore, export, import or sync."));
    mParser.addPositionalArgument(QStringLiteral("arguments"), QCoreApplication::translate("Cli", "The command's arguments."), QStringLiteral("[arguments...]"));

    try {
        if (!mParser.parse(arguments)) {
            // "-1" reads as an option to the parser, but the user meant a number.
            static const QRegularExpression negativeNumber(QStringLiteral("^-[0-9]+$"));
            for (const QString &argument : arguments.mid(1)) {
                if (negativeNumber.match(argument).hasMatch())
                    throw UsageError(QCoreApplication::translate("Cli", "\"%1\" is not a reminder ID.").arg(argument));
            }
            throw UsageError(mParser.errorText());
        }
        if (mParser.isSet(help)) {
            mOut << mParser.helpText();
            return ExitOk;
        }
        if (mParser.isSet(version)) {
            mOut << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n';
            return ExitOk;
        }
        QStringList args = mParser.positionalArguments();
        if (args.isEmpty())
            throw UsageError(QCoreApplication::translate("Cli", "No command given."));
        const QString command = args.takeFirst();
        if (command == QLatin1String("next")) {
            requireArgumentCount(args, 0, "next");
            allowOnly({});
            return next();
        }
        if (command == QLatin1String("list")) {
            requireArgumentCount(args, 0, "list");
            allowOnly({});
            return list();
        }
        if (command == QLatin1String("add")) {
            allowOnly({&mOption, &mRule, &mDate, &mTime, &mDays});
            return add(args);
        }
        if (command == QLatin1String("agenda")) {
            requireArgumentCount(args, 0, "agenda [--from \"YYYY-MM-DD HH:MM:SS\"] [--days N]");
            allowOnly({&mFrom, &mDays});
            return agenda();
        }
        if (command == QLatin1String("delete")) {
            requireArgumentCount(args, 1, "delete ID");
            allowOnly({});
            return remove(args);
        }
        if (command == QLatin1String("backup")) {
            requireArgumentCount(args, 1, "backup [--force] FILE");
            allowOnly({&mForce});
            return backup(args);
        }
        if (command == QLatin1String("restore")) {
            if (args.isEmpty())
                throw UsageError(QCoreApplication::translate("Cli", "Usage: vestrona-cli restore FILE..."));
            allowOnly({});
            return restore(args);
        }
        if (command == QLatin1String("export")) {
            requireArgumentCount(args, 1, "export [--force] FILE");
            allowOnly({&mForce});
            requireMayWrite(args.first());
            openDatabase();
            StreamReporter reporter(mErr);
            return exportICalendar(*mConn, reporter, args.first());
        }
        if (command == QLatin1String("import")) {
            if (args.isEmpty())
                throw UsageError(QCoreApplication::translate("Cli", "Usage: vestrona-cli import FILE..."));
            allowOnly({});
            openDatabase();
            StreamReporter reporter(mErr);
            return importICalendar(*mConn, mEnv.regional, reporter, args, currentDateFormat(mEnv.settings), mOut, mErr);
        }
        if (command == QLatin1String("sync")) {
            requireArgumentCount(args, 0, "sync [--url URL --user NAME] [--accept-certificate SHA256] "
                                          "[--upload-all | --accept-deletions]");
            allowOnly({&mUrl, &mUser, &mAcceptCertificate, &mUploadAll, &mAcceptDeletions});
            if (mParser.isSet(mUploadAll) && mParser.isSet(mAcceptDeletions))
                throw UsageError{
                    QCoreApplication::translate("Cli", "--upload-all and --accept-deletions exclude each other.")};
            return sync();
        }
        throw UsageError(QCoreApplication::translate("Cli", "Unknown command \"%1\".").arg(command));
    } catch (const UsageError &e) {
        mErr << "vestrona-cli: " << e.description() << '\n'
             << QCoreApplication::translate("Cli", "Try 'vestrona-cli --help'.") << '\n';
        return ExitUsage;
    } catch (const AppError &e) {
        mErr << "vestrona-cli: " << e.description() << '\n';
        return ExitDatabase;
    }
}

void Cli::requireArgumentCount(const QStringList &args, qsizetype count, const char *usage) const
{
    if (args.size() != count)
        throw UsageError(QCoreApplication::translate("Cli", "Usage: vestrona-cli %1").arg(QString::fromLatin1(usage)));
}

void Cli::allowOnly(std::initializer_list<const QCommandLineOption *> allowed) const
{
    for (const QCommandLineOption *o :
         {&mOption, &mRule, &mFrom, &mDate, &mTime, &mDays, &mForce, &mUrl, &mUser, &mAcceptCertificate, &mUploadAll, &mAcceptDeletions}) {
        if (mParser.isSet(*o) && std::find(allowed.begin(), allowed.end(), o) == allowed.end())
            throw UsageError(
                QCoreApplication::translate("Cli", "--%1 does not belong to this command.").arg(o->names().first()));
    }
}

void Cli::requireMayWrite(const QString &path) const
{
    if (FileExists(path) && !mParser.isSet(mForce))
        throw UsageError(QCoreApplication::translate("Cli", "%1 already exists; use --force to replace it.").arg(path));
}

void Cli::openDatabase()
{
    mConn = std::make_unique<Connection>(mEnv.regional);
    mConn->Open(mParser.isSet(mDatabase) ? mParser.value(mDatabase) : mEnv.dataLocation.prepare().database);
}

int Cli::next()
{
    openDatabase();
    const QString dateFormat = currentDateFormat(mEnv.settings);
    std::vector<ReminderRecord> damaged;
    const NextReminderChoice choice = findNextReminder(*mConn, mEnv.clock.now(), dateFormat, mEnv.regional,
                                                       [&damaged](const ReminderRecord &row) { damaged.push_back(row); });
    std::sort(damaged.begin(), damaged.end(), hasLowerId);
    nameDamagedRows(damaged);
    // A snooze the program is waiting on rings first when it is due sooner.
    const std::optional<PendingSnooze> snooze = readPendingSnooze(mEnv.settings);
    if (snooze && (!choice.due.isValid() || snooze->at <= choice.due)) {
        const QTime time = snooze->at.time();
        const QString when = composeAlarmTimeText(snooze->at.date(), QTime(time.hour(), time.minute(), time.second()),
                                                  dateFormat, mEnv.regional);
        for (const SnoozedReminder &reminder : snooze->reminders)
            mOut << when << '\t' << backslashEscaped(reminder.message) << '\n';
        return ExitOk;
    }
    if (choice.alarmTime.isEmpty())
        return ExitNothing;
    mOut << choice.alarmTime << '\t' << backslashEscaped(choice.alarmText) << '\n';
    return ExitOk;
}

int Cli::list()
{
    openDatabase();
    const QString pattern = currentDateFormat(mEnv.settings);
    ListLineWriter lines(mOut, pattern, mEnv.regional);
    std::vector<ReminderRecord> damaged;
    mConn->forEachOrderedRow([&](const ReminderRecord &r) {
        lines.write(r);
        if (r.damaged)
            damaged.push_back(r);
    });
    nameDamagedRows(damaged);
    return ExitOk;
}

void Cli::nameDamagedRows(const std::vector<ReminderRecord> &rows)
{
    // On the error stream, so that scripts reading the output see only the
    // reminders, and people see why one of them never rings.
    const QString notice = damagedRowsNotice(rows);
    if (!notice.isEmpty())
        StreamReporter(mErr).showMessage(notice, QString());
}

int Cli::add(const QStringList &args)
{
    if (args.size() != 1)
        throw UsageError(QCoreApplication::translate("Cli", "add takes exactly one MESSAGE (quote it when it has blanks)."));
    for (const QCommandLineOption *required : {&mDate, &mTime}) {
        if (!mParser.isSet(*required))
            throw UsageError(QCoreApplication::translate("Cli", "add needs --%1.").arg(required->names().first()));
    }
    if (mParser.isSet(mOption) == mParser.isSet(mRule))
        throw UsageError(QCoreApplication::translate("Cli", "add needs either --option or --rule."));
    ReminderValues values;
    const QString rule = mParser.value(mOption);
    if (mParser.isSet(mRule) || rule == QLatin1String("monthly") || rule == QLatin1String("yearly"))
        values.option = OptionRule;
    else if (rule == QLatin1String("once"))
        values.option = OptionOnce;
    else if (rule == QLatin1String("daily"))
        values.option = OptionDaily;
    else if (rule == QLatin1String("weekly"))
        values.option = OptionWeekly;
    else
        throw UsageError(QCoreApplication::translate("Cli", "--option must be once, daily, weekly, monthly or yearly, not \"%1\".").arg(rule));

    // Qt's ISO reading stops after the date, so "2026-02-03T10:00" would
    // quietly lose its time; only the date alone is taken.
    values.date = QDate::fromString(mParser.value(mDate), Qt::ISODate);
    if (!values.date.isValid() || values.date.toString(Qt::ISODate) != mParser.value(mDate))
        throw UsageError(QCoreApplication::translate("Cli", "--date \"%1\" is not a date of the form YYYY-MM-DD.")
                             .arg(mParser.value(mDate)));
    const QString timeText = mParser.value(mTime);
    values.time = QTime::fromString(timeText, QStringLiteral("HH:mm:ss"));
    if (!values.time.isValid())
        values.time = QTime::fromString(timeText, QStringLiteral("HH:mm"));
    if (!values.time.isValid())
        throw UsageError(
            QCoreApplication::translate("Cli", "--time \"%1\" is not a time of the form HH:MM or HH:MM:SS.")
                .arg(timeText));

    bool ticked[7] = {};
    if (mParser.isSet(mDays)) {
        for (const QString &piece : mParser.value(mDays).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const int day = weekdayIndex(piece, Qt::CaseInsensitive);
            if (day < 0)
                throw UsageError(QCoreApplication::translate(
                                     "Cli", "--days: \"%1\" is not one of Mon, Tue, Wed, Thu, Fri, Sat, Sun.")
                                     .arg(piece));
            ticked[day] = true;
        }
    }
    values.weekdays = weekdaysText(ticked);
    // A weekly reminder without a weekday never rings.
    if (values.option == OptionWeekly && values.weekdays.isEmpty())
        throw UsageError(
            QCoreApplication::translate("Cli", "A weekly reminder needs --days. Please choose at least one weekday."));
    values.message = args.first();
    if (values.option == OptionRule)
        takeRule(values);

    openDatabase();
    mOut << mConn->insertReminder(values) << '\n';
    return ExitOk;
}

void Cli::takeRule(ReminderValues &values) const
{
    if (mParser.isSet(mDays))
        throw UsageError(QCoreApplication::translate("Cli", "--days belongs to --option weekly; a rule names its days in BYDAY."));
    const QString rule = mParser.isSet(mRule) ? mParser.value(mRule)
                         : mParser.value(mOption) == QLatin1String("monthly") ? QStringLiteral("FREQ=MONTHLY")
                                                                            : QStringLiteral("FREQ=YEARLY");
    const RuleCheck check = checkRule(rule, values.date, values.time);
    if (!check.error.isEmpty())
        throw UsageError(check.error);
    values.repeat = check.repeat;
}

int Cli::agenda()
{
    QDateTime from = mEnv.clock.now();
    if (mParser.isSet(mFrom)) {
        from = QDateTime::fromString(mParser.value(mFrom), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!from.isValid())
            throw UsageError(QCoreApplication::translate("Cli", "--from \"%1\" is not of the form \"YYYY-MM-DD HH:MM:SS\".").arg(mParser.value(mFrom)));
    }
    int days = 7;
    if (mParser.isSet(mDays)) {
        bool ok = false;
        days = mParser.value(mDays).toInt(&ok);
        if (!ok || days < 1 || days > 3660)
            throw UsageError(QCoreApplication::translate("Cli", "--days for agenda takes a number of days from 1 to 3660."));
    }
    openDatabase();
    const std::vector<AgendaEntry> entries = agendaBetween(*mConn, from, from.addDays(days));
    writeAgenda(mOut, entries);
    return ExitOk;
}

int Cli::remove(const QStringList &args)
{
    bool ok = false;
    const qint64 id = args.first().toLongLong(&ok);
    if (!ok || id <= 0)
        throw UsageError(QCoreApplication::translate("Cli", "\"%1\" is not a reminder ID.").arg(args.first()));
    openDatabase();
    if (mConn->deleteReminder(id) == 0) {
        mErr << "vestrona-cli: " << QCoreApplication::translate("Cli", "No reminder has the ID %1.").arg(id) << '\n';
        return ExitNothing;
    }
    return ExitOk;
}

int Cli::backup(const QStringList &args)
{
    const QString path = args.first();
    requireMayWrite(path);
    openDatabase();
    StreamReporter reporter(mErr);
    const BackupResult result = SaveRemToFile(*mConn, mEnv.regional, reporter, path, nullptr);
    if (result.failed)
        return ExitDatabase;
    return result.skippedMessages.isEmpty() && result.damagedMessages.isEmpty() ? ExitOk : ExitNothing;
}

int Cli::restore(const QStringList &args)
{
    openDatabase();
    StreamReporter reporter(mErr);
    bool anyRejected = false;
    bool anyFailed = false;
    for (const QString &path : args) {
        // Every rejected line is listed here, not only the first ones a box shows.
        const RestoreResult result = LoadRemFromFile(*mConn, mEnv.regional, reporter, path, nullptr, false);
        anyFailed = anyFailed || result.failed;
        if (result.failed)
            continue;
        for (const RejectedLine &line : result.rejected)
            mErr << path << ':' << line.lineNumber << ": " << backslashEscaped(line.reason) << '\n';
        anyRejected = anyRejected || !result.rejected.isEmpty();
    }
    if (anyFailed)
        return ExitDatabase;
    return anyRejected ? ExitNothing : ExitOk;
}

int Cli::sync()
{
    const auto given = [this](const QCommandLineOption &option) {
        return mParser.isSet(option) ? std::optional<QString>(mParser.value(option)) : std::nullopt;
    };
    openDatabase();
    const EmptiedCalendar emptied = mParser.isSet(mUploadAll)  ? EmptiedCalendar::UploadAll
                                    : mParser.isSet(mAcceptDeletions) ? EmptiedCalendar::AcceptDeletions
                                                                    : EmptiedCalendar::Ask;
    return syncCommand(*mConn, mEnv.settings, {given(mUrl), given(mUser), given(mAcceptCertificate), emptied}, mOut,
                       mErr);
}

} // namespace

int runCli(const QStringList &arguments, const CliEnvironment &env, QTextStream &out, QTextStream &err)
{
    return Cli(env, out, err).run(arguments);
}

} // namespace vestrona

#pragma once

// Needs VESTRONA_MKDB_TOOL and VESTRONA_SCHEMA_FILE defined by the test's build.

#include "core/ReminderRecord.h"
#include "tests/support/Process.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QString>
#include <QTime>

namespace vestrona::test {

// Makes an empty reminder database the way the build does, with the shipped tool.
inline bool makeDatabase(const QString &target)
{
    return runProcess(QStringLiteral(VESTRONA_MKDB_TOOL), {QStringLiteral(VESTRONA_SCHEMA_FILE), target}).exitCode == 0;
}

// Runs raw SQL on a file through a connection of its own, for setting up
// files the program itself could never produce.
inline void rawSql(const QString &path, const QStringList &statements)
{
    const QString name = QStringLiteral("raw-sql-") + path;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        QVERIFY2(db.open(), qPrintable(path));
        QSqlQuery query(db);
        for (const QString &statement : statements)
            QVERIFY2(query.exec(statement), qPrintable(statement));
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

// One reminder as a reader of the table sees it, for the scheduler's tests.
inline ReminderRecord reminderRow(int option, const QDate &date, const QTime &time, const QString &message,
                                  const QString &weekdays = QString())
{
    ReminderRecord r;
    r.Option = option;
    r.StartDate = date;
    r.StartTime = time;
    r.Reminder = message;
    r.Weekdays = weekdays;
    return r;
}

// A reminder that repeats by `rule`, on its own zone's clock when `zone` is given.
inline ReminderRecord ruleRow(const QString &rule, const QDate &date, const QTime &time, const QString &message,
                              const QString &zone = QString(), const QString &exdates = QString())
{
    ReminderRecord r = reminderRow(OptionRule, date, time, message);
    r.repeat = std::make_shared<const RepeatRule>(RepeatRule{rule, exdates, QString(), zone});
    return r;
}

// The insert statement the editor would build for one reminder.
inline QString reminderInsert(int option, const QDate &date, const QTime &time, QString message,
                              QString weekdays = QString())
{
    const auto quoted = [](QString text) {
        return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
    };
    return QStringLiteral("insert into tblReminders ([Option],[StartDate],[StartTime],[Reminder],[Weekdays]) values (")
        + QString::number(option) + QStringLiteral(",#") + date.toString(QStringLiteral("MM/dd/yyyy"))
        + QStringLiteral("#,#") + time.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("#,")
        + quoted(std::move(message)) + QLatin1Char(',') + quoted(std::move(weekdays)) + QLatin1Char(')');
}

} // namespace vestrona::test

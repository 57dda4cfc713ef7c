#pragma once

#include "store/RegionalSettings.h"
#include "store/ReminderRecord.h"

#include <QDate>
#include <QString>
#include <QTime>

namespace vestrona {

// The statement texts the commands hand to the connection, built in one
// place so the editor, the commands and vestrona-cli say exactly the same.

inline constexpr auto kSampleInsert =
    "insert into tblReminders ([Option],[StartDate],[StartTime],[Reminder],[Weekdays]) "
    "values (1,#10/23/2012#,#3:03:00 PM#,'Sample Reminder','')";

// Doubles every "'" for a '...' text literal.
QString escapeQuotes(QString text);

struct ReminderValues {
    int option = 1;
    QDate date;
    QTime time;
    QString message;  // untrimmed, as typed
    QString weekdays; // weekday codes joined by ","
};

QString editorInsertStatement(const ReminderValues &values, const RegionalSettings &regional);
// The row these values make once stored under `id`.
ReminderRecord storedRecord(const ReminderValues &values, qint64 id);
QString editorUpdateStatement(const ReminderValues &values, qint64 id, const RegionalSettings &regional);
QString deleteStatement(qint64 id);
// "insert into tblReminders (...) values (" + valueList + ")"
QString restoreInsertStatement(const QString &valueList);

// Weekday codes of the ticked days, Monday first ("Mon, Wed,Fri" for Monday,
// Wednesday and Friday: the Wednesday code carries its leading blank).
QString weekdaysText(const bool ticked[7]);

} // namespace vestrona

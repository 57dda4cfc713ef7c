#pragma once

#include "formats/RegionalSettings.h"
#include "core/ReminderRecord.h"

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

QString editorInsertStatement(const ReminderValues &values, const RegionalSettings &regional);
QString editorUpdateStatement(const ReminderValues &values, qint64 id, const RegionalSettings &regional);
QString deleteStatement(qint64 id);
// "insert into tblReminders (...) values (" + valueList + ")"
QString restoreInsertStatement(const QString &valueList);

} // namespace vestrona

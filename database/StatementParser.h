#pragma once

#include "formats/RegionalSettings.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <QVariant>

#include <vector>

namespace vestrona {

// One statement of the program's small SQL dialect, parsed into its parts.
// The texts the commands build are parsed here and never handed to SQLite:
// the store runs a fixed prepared statement with these values bound.
struct ParsedStatement {
    enum class Kind { OrderedSelect, Insert, Update, Delete };

    enum class Column { Option, StartDate, StartTime, Reminder, Weekdays };

    struct Assignment {
        Column column;
        QVariant value; // int for Option, QDate, QTime, or QString
    };

    Kind kind = Kind::OrderedSelect;
    std::vector<Assignment> values; // insert: the column list with its values; update: the set list
    qint64 id = 0;                  // update and delete: the row after "where id="
};

// The SQLite column name of a column ("Option", "StartDate", ...).
const char *columnName(ParsedStatement::Column column);

// Parses one statement text. Accepted:
//   select * from tblReminders order by startdate,starttime
//   insert into tblReminders (<columns>) values (<literals>)
//   update tblReminders set <column>=<literal>,... where id=<number>
//   delete from tblReminders where id=<number>
// Keywords and names are case-insensitive, column names bare or in [brackets].
// Literals: numbers, #mm/dd/yyyy# dates, #time# in the regional long-time
// form or 24-hour HH:MM:SS, and '...' texts with '' for a quote.
// Throws AppError whose description says what is wrong with the text.
ParsedStatement parseStatement(const QString &text, const RegionalSettings &regional);

} // namespace vestrona

#pragma once

#include "store/ReminderRecord.h"

#include <QString>
#include <QStringList>

class QTextStream;

namespace vestrona {

class Connection;
class RegionalSettings;
class Reporter;

// One reminder as `list` prints it: its columns joined by TAB.
void writeListLine(QTextStream &out, const ReminderRecord &row, const QString &datePattern,
                   const RegionalSettings &regional);

// `export FILE`: every reminder to an iCalendar file. Returns a CliExit.
int exportICalendar(Connection &conn, Reporter &reporter, const QString &path);

// `import FILE...`: the events and to-dos of iCalendar files, each file in
// one transaction. Prints the added reminders as `list` does, and every
// entry left out as "FILE: "SUMMARY": reason". Returns a CliExit.
int importICalendar(Connection &conn, const RegionalSettings &regional, Reporter &reporter, const QStringList &paths,
                    const QString &datePattern, QTextStream &out, QTextStream &err);

} // namespace vestrona

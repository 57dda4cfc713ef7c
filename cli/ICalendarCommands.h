#pragma once

#include "core/ReminderRecord.h"

#include <QString>
#include <QStringList>

class QTextStream;

namespace vestrona {

class Connection;
class RegionalSettings;
class Reporter;

// Reminders as `list` prints them, a line each: the columns escaped and
// joined by TAB. Each line is built in one buffer, reused, and written whole.
class ListLineWriter {
public:
    ListLineWriter(QTextStream &out, const QString &datePattern, const RegionalSettings &regional)
        : mOut(out), mDatePattern(datePattern), mRegional(regional)
    {
    }

    void write(const ReminderRecord &row);

private:
    QTextStream &mOut;
    const QString &mDatePattern;
    const RegionalSettings &mRegional;
    QString mLine;
};

// `export FILE`: every reminder to an iCalendar file. Returns a CliExit.
int exportICalendar(Connection &conn, Reporter &reporter, const QString &path);

// `import FILE...`: the events and to-dos of iCalendar files, each file in
// one transaction. Prints the added reminders as `list` does, and every
// entry left out as "FILE: "SUMMARY": reason". Returns a CliExit.
int importICalendar(Connection &conn, const RegionalSettings &regional, Reporter &reporter, const QStringList &paths,
                    const QString &datePattern, QTextStream &out, QTextStream &err);

} // namespace vestrona

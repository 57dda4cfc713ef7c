#pragma once

#include "database/Connection.h"
#include "scheduler/NextReminder.h"

#include <QDateTime>
#include <QString>

#include <vector>

namespace vestrona {

// Plain values: a QDateTime for each of a hundred thousand entries, made
// and read, took a tenth of the agenda's time.
struct AgendaEntry {
    qint64 msecs = 0; // the moment, since the epoch
    QDate date;       // the system's wall clock at that moment
    QTime time;
    qint64 id = 0;
    QString message;
};

// Every occurrence of the rows visited whose moment lies in [from, to),
// by moment, then by ID: once, every day and weekly as the scheduler rings
// them, rules as libical expands them, each on its zone's wall clock (a
// skipped time at the end of the gap, a repeated one once).
std::vector<AgendaEntry> agendaBetween(const RowVisitor &visitRows, const QDateTime &from, const QDateTime &to);

// The same of every row of the database, read in storage order: only the
// messages of rows with an occurrence in the span are decoded.
std::vector<AgendaEntry> agendaBetween(Connection &conn, const QDateTime &from, const QDateTime &to);

} // namespace vestrona

#pragma once

// Private to recurrence/: the one place that turns the stored texts into
// libical's values and back.

#include "recurrence/WallDates.h"

#include <libical/ical.h>

#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>

#include <optional>
#include <vector>

namespace vestrona::recurrence {

qint64 keyOf(const icaltimetype &t);
icaltimetype floatingTime(const QDate &date, const QTime &time);

// RRULE text read by libical; nullopt when libical cannot read it.
std::optional<icalrecurrencetype> parseRecurrence(QStringView text);
QString recurrenceText(icalrecurrencetype rule);

// Counts the entries of one of libical's BY… arrays.
int byCount(const short *values, int size);

} // namespace vestrona::recurrence

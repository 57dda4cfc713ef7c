#pragma once

// Private to formats/ICalendarReader.cpp: what a calendar entry's rule and
// time zone may be for the entry to become a reminder. Each "problem"
// function returns the reason, in the user's words, why not, or "".

#include <libical/ical.h>

#include <QByteArray>
#include <QDate>
#include <QString>

namespace vestrona::icalendarchecks {

// Why a rule is no reminder's at all (an hourly one, one that picks days by
// BYWEEKNO, ...).
QString unsupportedProblem(const icalrecurrencetype &rule);
// Whether a rule is plain every day or weekly, which tblReminders holds
// alone.
bool isPlainDailyOrWeekly(const icalrecurrencetype &rule);
// Monday-first bits of a weekly rule's BYDAY, or of the start's weekday.
int ruleWeekdayBits(const icalrecurrencetype &rule, const QDate &sourceDate);
// Monday-first weekday bits moved `shift` days on, round the week.
int rotated(int bits, int shift);

// The IANA name of a zone libical read, "" when this computer knows it by
// none: its location (libical's built-in zones have one), its TZID, or the
// zone Windows calls by that TZID, as Outlook writes it.
QString knownZoneId(icaltimezone *zone);
bool isSystemZone(icaltimezone *zone, const QByteArray &system);
// Why the definition `vtimezone` (named `name`) is not taken: offsets no
// real zone has, changes so frequent that expanding them would take
// minutes, lines libical could not read.
QString zoneProblem(icalcomponent *vtimezone, const QString &name);

} // namespace vestrona::icalendarchecks

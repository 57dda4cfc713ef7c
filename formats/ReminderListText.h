#pragma once

#include "formats/RegionalSettings.h"
#include "core/ReminderRecord.h"
#include "formats/ShortText.h"
#include "recurrence/RuleSummary.h"

#include <QString>

#include <vector>

namespace vestrona {

// The columns of the reminder list, as the main window and vestrona-cli show them.
enum ListColumn { ReminderColumn, OptionColumn, DateColumn, TimeColumn, DaysColumn, IdColumn, ListColumnCount };

inline constexpr const char *kListHeaders[ListColumnCount]
    = {QT_TRANSLATE_NOOP("ReminderList", "Reminder(s)"), QT_TRANSLATE_NOOP("ReminderList", "Option"),
       QT_TRANSLATE_NOOP("ReminderList", "Date"),        QT_TRANSLATE_NOOP("ReminderList", "Time"),
       QT_TRANSLATE_NOOP("ReminderList", "Days"),        QT_TRANSLATE_NOOP("ReminderList", "Reminder ID")};

// The text of one cell as the window shows it: the message, the option text
// or rule summary in the user's language, the date in the DateFormat
// pattern, the time as "hh:nn:ss", the weekday codes, the ID.
QString listCellText(const ReminderRecord &record, int column, const QString &datePattern,
                     const RegionalSettings &regional);
// The same text without a copy: a view of the row's own text, or of the
// date, time, option or ID built in `scratch` (which must start empty and
// outlive the view); a repeat rule's summary is valid until the next one is
// asked for on the same thread.
QStringView listCellView(const ReminderRecord &record, int column, const QString &datePattern,
                         const RegionalSettings &regional, ShortText &scratch, SummaryLanguage language);

// One text naming the damaged rows among `rows`, a line each with its ID,
// message and the cells as stored; empty when none is damaged.
QString damagedRowsNotice(const std::vector<ReminderRecord> &rows);

} // namespace vestrona

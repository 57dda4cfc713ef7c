#pragma once

#include "core/ReminderRecord.h"

#include <QString>

namespace vestrona {

// The list's words for how a reminder repeats: the option's text for the
// three options, else the rule's summary ("Every month on day 1", "Every 2
// weeks on Mon, Thu", "Last weekday of every month, 5 times"); the reminder's
// own zone is named after it. The window speaks the user's language; what
// scripts read stays English.
enum class SummaryLanguage { User, English };
QString repeatSummary(const ReminderRecord &record, SummaryLanguage language = SummaryLanguage::User);

} // namespace vestrona

// An iCalendar file is whatever the user picks or another program wrote:
// any bytes. Whatever the reader takes must be a reminder the program can
// hold, and writing those reminders out and reading them again must give
// them back unchanged.

#include "fuzzing/FuzzEntry.h"

#include "core/AppError.h"
#include "formats/ICalendar.h"
#include "recurrence/RuleCheck.h"
#include "recurrence/RuleOccurrences.h"

#include <QByteArray>

using namespace vestrona;

namespace {

ICalendarContent readOrNothing(const QByteArray &bytes)
{
    try {
        return readICalendar(bytes);
    } catch (const AppError &) {
        return {};
    }
}

void checkHoldable(const ReminderValues &r)
{
    fuzzCheck(r.date.isValid() && r.time.isValid(), "a reminder without a valid date and time was read");
    fuzzCheck(r.option >= OptionOnce && r.option <= OptionRule, "a reminder with an unknown rule was read");
    fuzzCheck(r.option != OptionRule || !r.repeat.rule.isEmpty() || !r.repeat.rdates.isEmpty(),
              "a reminder that repeats by no rule was read");
    fuzzCheck(checkRepeat(r.repeat, r.date, r.time).error.isEmpty(), "a rule a reminder cannot hold was read");
    fuzzCheck((r.option == OptionWeekly) == !r.weekdays.isEmpty(), "weekdays were read for the wrong rule");
}

} // namespace

int fuzzOne(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ICalendarContent content = readOrNothing(bytes);
    std::vector<ReminderRecord> rows;
    for (const ReminderValues &r : content.reminders) {
        checkHoldable(r);
        rows.push_back(storedRecord(r, qint64(rows.size() + 1)));
    }
    if (rows.empty())
        return 0;

    const ICalendarWriter writer(QStringLiteral("fuzz"));
    QByteArray text = writer.head();
    for (const ReminderRecord &row : rows) {
        fuzzCheck(isExportable(row), "a reminder read from a calendar cannot be written to one");
        text += writer.event(row);
    }
    const ICalendarContent again = readICalendar(text + writer.tail());
    fuzzCheck(again.leftOut.isEmpty(), "the program's own calendar left something out");
    fuzzCheck(again.reminders.size() == rows.size(), "a calendar round trip changed the number of reminders");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ReminderValues &a = again.reminders[i];
        const ReminderRecord &b = rows[i];
        fuzzCheck(a.option == b.Option && a.time == b.StartTime && a.weekdays == b.Weekdays,
                  "a calendar round trip changed a reminder's rule or time");
        fuzzCheck(a.repeat == (b.repeat ? *b.repeat : RepeatRule()), "a calendar round trip changed a reminder's zone");
        // A rule may start on its first occurrence instead: the same ones follow.
        if (b.Option == OptionRule) {
            RuleOccurrences before(b.StartDate, b.StartTime, *b.repeat), after(a.date, a.time, a.repeat);
            for (int n = 0; n < 20; ++n)
                fuzzCheck(before.next() == after.next(), "a calendar round trip changed a rule's occurrences");
            continue;
        }
        // A weekly reminder may start on its first weekday instead.
        fuzzCheck(b.Option == OptionWeekly ? a.date >= b.StartDate && b.StartDate.daysTo(a.date) < 7 : a.date == b.StartDate,
                  "a calendar round trip moved a reminder");
    }
    return 0;
}

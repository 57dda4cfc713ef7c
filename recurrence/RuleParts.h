#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace vestrona {

// A rule as the editor's "Other repeat…" dialog shows it: every N days,
// weeks, months or years; the weekdays of a weekly rule; "on day N" (-1 the
// last day) or "on the first … last <weekday>" of a monthly one (a yearly
// one falls on the start's day); the end. Turned into RRULE text and read back from it, so that the
// dialog re-opens exactly what was saved.
struct RuleParts {
    enum class Unit { Days, Weeks, Months, Years };
    enum class End { Never, AfterCount, OnDate };
    // The weekday choices of "on the …": Monday 0 … Sunday 6, and any weekday.
    static constexpr int kAnyWeekday = 7;

    Unit unit = Unit::Months;
    int interval = 1;
    int weekdays = 0;  // bit 0 Monday … bit 6 Sunday, for weeks
    int monthDay = 0;  // 1..31 or -1 for the last day; 0 for none
    int ordinal = 0;   // 1..4 or -1 for the last, with `weekday`; 0 for none
    int weekday = 0;   // 0..6 or kAnyWeekday
    End end = End::Never;
    int count = 0;
    QDate until;

    QString toRule() const;
    // The parts of `rule`, none when it holds what the dialog cannot show
    // (several month days, BYMONTH, other BYSETPOS, …): then it is kept as
    // written.
    static std::optional<RuleParts> fromRule(const QString &rule);

    bool operator==(const RuleParts &) const = default;
};

} // namespace vestrona

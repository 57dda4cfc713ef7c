#pragma once

#include "core/ReminderRecord.h"
#include "formats/RegionalSettings.h"

#include <QDate>
#include <QString>
#include <QTime>

#include <vector>

namespace vestrona {

// The most rows the missed-reminders window lists; the rest are counted.
inline constexpr int kMissedRowLimit = 50;

// One row of the missed-reminders window: a reminder, or a snoozed alarm,
// that fell due while nothing could ring it.
struct MissedEntry {
    QString message;
    QString rule;
    int count = 1;
    QDate lastDate; // the latest missed occurrence, on the wall clock
    QTime lastTime;
};

// The quiet report of missed reminders as the scheduler sees it: shown
// without sound, without waiting for an answer.
class MissedReport {
public:
    virtual ~MissedReport() = default;
    // `entries` in the order they fell due, at most kMissedRowLimit of them;
    // `more` counts the ones left out.
    virtual void reportMissed(const std::vector<MissedEntry> &entries, int more) = 0;
};

// The caption of a snoozed alarm's row.
QString snoozedRuleText();
// A reminder's rule: its Option, and for a weekly one its days.
QString ruleText(int option, const QString &weekdays);
// The same for a row read for the schedule: a repeat rule's summary where it
// has one.
QString ruleText(const ReminderRecord &row);
// When it was due: the moment alone, or "missed 3 times, last <moment>".
QString missedWhenText(const MissedEntry &entry, const QString &dateFormat, const RegionalSettings &regional);

// What the window lists over every report until it is closed: the first
// kMissedRowLimit entries and a count of the others.
class MissedList {
public:
    void add(const std::vector<MissedEntry> &entries, int more);
    void clear();
    const std::vector<MissedEntry> &rows() const { return mRows; }
    int more() const { return mMore; }
    // Every reminder reported, listed or not.
    int total() const { return int(mRows.size()) + mMore; }

private:
    std::vector<MissedEntry> mRows;
    int mMore = 0;
};

} // namespace vestrona

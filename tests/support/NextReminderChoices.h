#pragma once

#include "scheduler/NextReminder.h"

#include <QList>
#include <QTest>

#include <algorithm>
#include <vector>

namespace vestrona::test {

// The choice from `rows` as a reading of the table hands them over, one by
// one in the order given. The same rows as the list holds them, in the
// ordered select's order, must give the very same choice; a difference fails
// the test that asked.
inline NextReminderChoice chooseBothWays(const QList<ReminderRecord> &rows, const QDateTime &now,
                                         const QString &pattern)
{
    const RegionalSettings regional = RegionalSettings::usEnglish();
    const NextReminderChoice read =
        chooseNextReminder(std::vector<ReminderRecord>(rows.begin(), rows.end()), now, pattern, regional);

    std::vector<ReminderRecord> listed(rows.begin(), rows.end());
    std::stable_sort(listed.begin(), listed.end(), comesBefore);
    const NextReminderChoice fromList = chooseNextReminder(listed, now, pattern, regional);
    if (fromList.alarmTime != read.alarmTime || fromList.alarmText != read.alarmText || fromList.due != read.due
        || fromList.id != read.id) {
        QTest::qFail(qPrintable(QStringLiteral("the listed rows chose \"%1\" at %2, the rows read \"%3\" at %4")
                                    .arg(fromList.alarmText, fromList.alarmTime, read.alarmText, read.alarmTime)),
                     __FILE__, __LINE__);
    }
    return read;
}

} // namespace vestrona::test

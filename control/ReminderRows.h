#pragma once

#include "core/ReminderRecord.h"

#include <QString>

#include <functional>
#include <vector>

namespace vestrona {

class Connection;

// The reminders as the window lists them. The controller fills them from the
// database and chooses the next reminder from them, so the table is read
// once for both.
class ReminderRows {
public:
    virtual ~ReminderRows() = default;
    // Replaces every row with the reminders of `conn`, in the order of its
    // ordered select; the Date column is written in `datePattern`.
    virtual void load(Connection &conn, const QString &datePattern) = 0;
    virtual void clear() = 0;
    // Every row that can ring, in list order, without its message.
    virtual void forEachScheduleRow(const std::function<void(const ReminderRecord &)> &visit) const = 0;
    // The message of the row with this ID; "" for none.
    virtual QString message(qint64 id) const = 0;
    virtual std::vector<ReminderRecord> damagedRows() const = 0;
};

} // namespace vestrona

#pragma once

#include "core/ReminderRecord.h"

#include <QString>

#include <vector>

namespace vestrona {

class Connection;

// The reminders as the window lists them, read from the database as they
// are shown. Rows that cannot ring are found by the controller's read of
// every row, the one that chooses the next reminder, and lead the list.
class ReminderRows {
public:
    virtual ~ReminderRows() = default;
    // Lists the reminders of `conn` in the order of its ordered select; the
    // Date column is written in `datePattern`. Damaged rows listed before
    // lead again while they are stored as they were.
    virtual void load(Connection &conn, const QString &datePattern) = 0;
    virtual void clear() = 0;
    // The damaged rows the last read of every row met.
    virtual void showDamaged(std::vector<ReminderRecord> rows) = 0;
};

} // namespace vestrona

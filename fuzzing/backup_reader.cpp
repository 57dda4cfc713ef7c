// A backup file is whatever the user picks in the file dialog: any bytes.
// Each input is written to a file and restored into a scratch database.
// Whatever the restore accepts must be readable afterwards, counted right,
// and survive a backup and a restore of that backup unchanged.

#include "fuzzing/FuzzEntry.h"

#include "filecommands/Backup.h"
#include "database/Connection.h"
#include "database/EmptyDatabase.h"
#include "formats/RegionalSettings.h"
#include "database/Statements.h"
#include "tests/support/RecordingReporter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace {

using namespace vestrona;

// The scratch folder lives in memory where it can, because every commit
// of the connection waits for the disk.
QString scratchParent()
{
    const QString shm = QStringLiteral("/dev/shm");
    return QDir(shm).exists() ? shm : QDir::tempPath();
}

struct Scratch {
    QTemporaryDir folder{scratchParent() + QStringLiteral("/vestrona-fuzz-XXXXXX")};
    QString input = folder.filePath(QStringLiteral("input.txt"));
    QString backup = folder.filePath(QStringLiteral("backup.txt"));
    RegionalSettings regional = RegionalSettings::usEnglish();
    Connection conn{regional};

    Scratch()
    {
        const QString database = folder.filePath(QStringLiteral("dbReminders.mdb"));
        createEmptyDatabase(database, QStringLiteral(VESTRONA_SCHEMA_FILE));
        conn.Open(database);
    }
};

Scratch &scratch()
{
    static Scratch instance;
    return instance;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    fuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
              "the scratch file cannot be written");
}

void removeAll(Connection &conn)
{
    const std::vector<ReminderRecord> rows = conn.orderedRows();
    if (rows.empty())
        return;
    conn.beginTransaction();
    for (const ReminderRecord &row : rows)
        conn.Execute(deleteStatement(row.ID));
    conn.commit();
}

bool sameReminder(const ReminderRecord &a, const ReminderRecord &b)
{
    return a.Option == b.Option && a.StartDate == b.StartDate && a.StartTime == b.StartTime && a.Reminder == b.Reminder
        && a.Weekdays == b.Weekdays;
}

} // namespace

int fuzzOne(const uint8_t *data, size_t size)
{
    Scratch &s = scratch();
    writeFile(s.input, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));

    test::RecordingReporter reporter;
    const RestoreResult restored = LoadRemFromFile(s.conn, s.regional, reporter, s.input, nullptr);
    // Every restored row must read back: the ordered read refuses invalid dates.
    const std::vector<ReminderRecord> rows = s.conn.orderedRows();
    fuzzCheck(restored.added == int(rows.size()), "the restore counted other rows than it added");
    fuzzCheck(!restored.failed || rows.empty(), "a failed restore left rows behind");
    fuzzCheck(reporter.errors().size() <= 1, "one file gave more than one error box");

    if (!rows.empty()) {
        reporter.clear();
        const BackupResult saved = SaveRemToFile(s.conn, s.regional, reporter, s.backup, nullptr);
        fuzzCheck(!saved.failed && reporter.errors().isEmpty(), "the backup of restored rows failed");
        fuzzCheck(saved.written + int(saved.skippedMessages.size()) == int(rows.size()),
                  "the backup neither wrote nor named some reminders");
        removeAll(s.conn);

        reporter.clear();
        const RestoreResult again = LoadRemFromFile(s.conn, s.regional, reporter, s.backup, nullptr);
        fuzzCheck(!again.failed && again.rejected.isEmpty(), "the program's own backup was not restored whole");
        const std::vector<ReminderRecord> back = s.conn.orderedRows();
        fuzzCheck(int(back.size()) == saved.written, "a backup and restore changed the number of reminders");
        // The written ones come back unchanged and in order; the left-out
        // ones are simply missing.
        std::size_t next = 0;
        for (const ReminderRecord &row : back) {
            while (next < rows.size() && !sameReminder(rows[next], row))
                ++next;
            fuzzCheck(next < rows.size(), "a backup and restore changed a reminder");
            ++next;
        }
    }
    removeAll(s.conn);
    return 0;
}

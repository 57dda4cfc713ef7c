#pragma once

// Needs vestrona_database besides the test support.

#include "database/DatabaseFileCheck.h"
#include "tests/support/TestDatabase.h"

#include <QDateTime>
#include <QFile>

namespace vestrona::test {

// Damages the reminder database at `path` as damage written below the file
// system looks to the program: in pages start-up never reads, those of a
// table of `notes` rows of its own (about 200 bytes each).
inline void damageUnreadPages(const QString &path, int notes)
{
    rawSql(path, {QStringLiteral("CREATE TABLE tblNotes (Note TEXT)"),
                  QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                 "INSERT INTO tblNotes SELECT printf('note %03d %s', i, hex(zeroblob(100))) FROM n")
                      .arg(notes)});
    constexpr qint64 kPageSize = 4096;
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.size() > 8 * kPageSize);
    QVERIFY(file.seek(file.size() - 3 * kPageSize + 8));
    file.write(QByteArray(kPageSize / 2, '\x5a'));
    QVERIFY(file.flush());
}

// The same damage, with the file remembered, in $XDG_CACHE_HOME as it is
// set now, as having passed the page check `recordAgeSeconds` ago in this
// very state.
inline void damageBehindTheCheckRecord(const QString &path, qint64 recordAgeSeconds)
{
    damageUnreadPages(path, 400);
    if (QTest::currentTestFailed())
        return;
    const QDateTime now = QDateTime::currentDateTime();
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(now.addSecs(-3600), QFileDevice::FileModificationTime));
    }
    const std::optional<DatabaseFileStamp> stamp = checkDatabaseFile(path);
    QVERIFY(stamp && stamp->settled);
    rememberFilePassingCheck(*stamp);
    QFile record(qEnvironmentVariable("XDG_CACHE_HOME") + QStringLiteral("/vestrona/checked-database"));
    QVERIFY(record.open(QIODevice::ReadWrite));
    QVERIFY(record.setFileTime(now.addSecs(-recordAgeSeconds), QFileDevice::FileModificationTime));
}

} // namespace vestrona::test

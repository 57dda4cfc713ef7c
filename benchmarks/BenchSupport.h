#pragma once

#include "store/Connection.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace vestrona::bench {

// A temporary reminder database filled with `count` mixed reminders: one
// third each once, daily and weekly, spread over three years.
class FilledDatabase {
public:
    explicit FilledDatabase(int count);
    QString path() const { return mPath; }
    QString folder() const { return mDir.path(); }

private:
    QTemporaryDir mDir;
    QString mPath;
};

// Makes an empty reminder database from the schema at `path`.
void createEmptyDatabase(const QString &path);

} // namespace vestrona::bench

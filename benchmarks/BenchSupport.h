#pragma once

#include "core/Reporter.h"
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

// Writes every message to stderr and answers No.
class StderrReporter final : public Reporter {
public:
    void showMessage(const QString &text, const QString &title) override;
    Answer askYesNo(const QString &text, const QString &title) override;
    void showError(const ErrorReport &error) override;
};

// Makes an empty reminder database from the schema at `path`.
void createEmptyDatabase(const QString &path);

} // namespace vestrona::bench

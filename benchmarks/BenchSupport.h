#pragma once

#include "core/Reporter.h"
#include "database/Connection.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace vestrona::bench {

// A temporary reminder database filled with `count` reminders spread over
// three years: mixed, one third each once, daily and weekly, or all daily,
// none of them due in the ten minutes around the moment it is made (a
// start-up measured then rings no alarm).
class FilledDatabase {
public:
    enum class Kinds { Mixed, EveryDay };

    explicit FilledDatabase(int count, Kinds kinds = Kinds::Mixed);
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

// The middle value; the mean of the two middle ones for an even count.
double median(std::vector<double> values);

// The process's peak memory (VmHWM) in kB, -1 when unknown; resetting it
// lets a measurement leave out what was used before it.
long peakMemoryKb();
void resetPeakMemory();

} // namespace vestrona::bench

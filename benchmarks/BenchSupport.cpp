#include "benchmarks/BenchSupport.h"

#include "database/EmptyDatabase.h"
#include "formats/RegionalSettings.h"
#include "database/Statements.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

namespace vestrona::bench {

void StderrReporter::showMessage(const QString &text, const QString &)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

Reporter::Answer StderrReporter::askYesNo(const QString &text, const QString &)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
    return Answer::No;
}

void StderrReporter::showError(const ErrorReport &error)
{
    std::fprintf(stderr, "%s\n", qPrintable(applicationErrorText(error)));
}

void createEmptyDatabase(const QString &path)
{
    vestrona::createEmptyDatabase(path, QStringLiteral(VESTRONA_SCHEMA_FILE));
}

FilledDatabase::FilledDatabase(int count, Kinds kinds) : mPath(mDir.filePath(QStringLiteral("dbReminders.mdb")))
{
    createEmptyDatabase(mPath);
    const RegionalSettings regional = RegionalSettings::usEnglish();
    Connection conn(regional);
    conn.Open(mPath);
    std::mt19937 random(42);
    const QDate first(2025, 1, 1);
    const QTime quietAround = QTime::currentTime();
    conn.beginTransaction();
    for (int i = 0; i < count; ++i) {
        ReminderValues v;
        v.option = kinds == Kinds::EveryDay ? 2 : 1 + i % 3;
        v.date = first.addDays(int(random() % 1100));
        v.time = QTime(int(random() % 24), int(random() % 60), int(random() % 60));
        if (kinds == Kinds::EveryDay && std::abs(v.time.secsTo(quietAround)) < 5 * 60)
            v.time = v.time.addSecs(10 * 60);
        v.message = QStringLiteral("Reminder number %1").arg(i);
        if (v.option == 3) {
            bool days[7] = {};
            days[random() % 7] = true;
            days[random() % 7] = true;
            v.weekdays = weekdaysText(days);
        }
        conn.Execute(editorInsertStatement(v, regional));
    }
    conn.commit();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

long peakMemoryKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

void resetPeakMemory()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

} // namespace vestrona::bench

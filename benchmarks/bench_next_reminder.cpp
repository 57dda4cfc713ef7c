// Speed of choosing the next reminder due, and of accounting for the ones
// missed, read from the database the way AlarmScheduler does it.
#include "benchmarks/BenchSupport.h"
#include "scheduler/MissedOccurrences.h"
#include "scheduler/NextReminder.h"
#include "database/Connection.h"
#include "formats/DateFormats.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <map>

using namespace vestrona;

namespace {

// One database per size, made once for every benchmark that reads it.
const bench::FilledDatabase &filledDatabase(int count)
{
    static std::map<int, std::unique_ptr<bench::FilledDatabase>> cache;
    auto &db = cache[count];
    if (!db)
        db = std::make_unique<bench::FilledDatabase>(count);
    return *db;
}

void BM_GetLatestReminder(benchmark::State &state)
{
    const RegionalSettings regional = RegionalSettings::usEnglish();
    Connection conn(regional);
    conn.Open(filledDatabase(int(state.range(0))).path());
    // Half-way through the reminders' years, so every kind of row competes.
    const QDateTime now(QDate(2026, 6, 15), QTime(12, 0));
    for (auto _ : state) {
        NextReminderChoice choice = findNextReminder(conn, now, QString::fromLatin1(kMonthFirstPattern), regional);
        benchmark::DoNotOptimize(choice.alarmTime.data());
    }
}
BENCHMARK(BM_GetLatestReminder)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Thirty days off: every kind of row has occurrences to count.
void BM_MissedOccurrences(benchmark::State &state)
{
    const RegionalSettings regional = RegionalSettings::usEnglish();
    Connection conn(regional);
    conn.Open(filledDatabase(int(state.range(0))).path());
    const QDateTime now(QDate(2026, 6, 15), QTime(12, 0));
    for (auto _ : state) {
        OccurrenceAccount account = accountOccurrences([&conn](const auto &row) { conn.forEachScheduleRow(row); },
                                                       now.addDays(-30), now.addSecs(-kRingGraceSeconds), now);
        benchmark::DoNotOptimize(account.missed.data());
    }
}
BENCHMARK(BM_MissedOccurrences)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

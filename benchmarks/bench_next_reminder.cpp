// Speed of choosing the next reminder due, read from the database the way
// AlarmScheduler::GetLatestReminder does it.
#include "benchmarks/BenchSupport.h"
#include "scheduler/NextReminder.h"
#include "store/Connection.h"
#include "store/DateFormats.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <map>

using namespace vestrona;

namespace {

void BM_GetLatestReminder(benchmark::State &state)
{
    static std::map<int, std::unique_ptr<bench::FilledDatabase>> cache;
    auto &db = cache[int(state.range(0))];
    if (!db)
        db = std::make_unique<bench::FilledDatabase>(int(state.range(0)));
    const RegionalSettings regional = RegionalSettings::usEnglish();
    Connection conn(regional);
    conn.Open(db->path());
    // Half-way through the reminders' years, so every kind of row competes.
    const QDateTime now(QDate(2026, 6, 15), QTime(12, 0));
    for (auto _ : state) {
        NextReminderChoice choice = findNextReminder(conn, now, QString::fromLatin1(kMonthFirstPattern), regional);
        benchmark::DoNotOptimize(choice.alarmTime.data());
    }
}
BENCHMARK(BM_GetLatestReminder)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Speed of the iCalendar file: exporting every reminder to it and importing
// them back from it, with 100,000 reminders.
//
//   bench_icalendar [benchmark flags]   the timings
//   bench_icalendar --import-peak       the process's peak memory while it
//                                       imports 100,000 events, in MB
#include "benchmarks/BenchSupport.h"
#include "store/ICalendar.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

using namespace vestrona;

namespace {

constexpr int kReminders = 100000;

// The filled database and a calendar of it, made once for every benchmark.
struct Fixture {
    bench::FilledDatabase db{kReminders};
    QTemporaryDir files;
    QString calendarPath = QDir(files.path()).filePath(QStringLiteral("reminders.ics"));
    bench::StderrReporter reporter;
    RegionalSettings regional = RegionalSettings::usEnglish();

    Fixture()
    {
        Connection conn(regional);
        conn.Open(db.path());
        const ICalendarExportResult written = SaveRemToICalendar(conn, reporter, calendarPath, nullptr);
        if (written.failed || written.written != kReminders)
            std::fprintf(stderr, "bench_icalendar: the export wrote %d of %d reminders\n", written.written, kReminders);
    }

    Connection &freshConnection(std::unique_ptr<Connection> &conn, int n) const
    {
        const QString path = QDir(files.path()).filePath(QStringLiteral("import-%1.mdb").arg(n));
        QFile::remove(path);
        bench::createEmptyDatabase(path);
        conn = std::make_unique<Connection>(regional);
        conn->Open(path);
        return *conn;
    }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

void BM_SaveRemToICalendar(benchmark::State &state)
{
    Fixture &f = fixture();
    Connection conn(f.regional);
    conn.Open(f.db.path());
    const QString target = QDir(f.files.path()).filePath(QStringLiteral("again.ics"));
    for (auto _ : state) {
        const ICalendarExportResult r = SaveRemToICalendar(conn, f.reporter, target, nullptr);
        benchmark::DoNotOptimize(r.written);
    }
}
BENCHMARK(BM_SaveRemToICalendar)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LoadRemFromICalendar(benchmark::State &state)
{
    Fixture &f = fixture();
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<Connection> conn;
        f.freshConnection(conn, n++);
        state.ResumeTiming();
        const ICalendarImportResult r = LoadRemFromICalendar(*conn, f.regional, f.reporter, f.calendarPath, nullptr);
        if (int(r.added.size()) != kReminders)
            state.SkipWithError("the import did not add every event");
    }
}
BENCHMARK(BM_LoadRemFromICalendar)->Unit(benchmark::kMillisecond)->Iterations(3);

// Making the database and its calendar costs memory of its own; the peak
// is reset before the import so only the import counts.
int importPeak()
{
    Fixture &f = fixture();
    std::unique_ptr<Connection> conn;
    f.freshConnection(conn, 0);
    bench::resetPeakMemory();
    const ICalendarImportResult r = LoadRemFromICalendar(*conn, f.regional, f.reporter, f.calendarPath, nullptr);
    if (int(r.added.size()) != kReminders) {
        std::fprintf(stderr, "bench_icalendar: the import added %d of %d events\n", int(r.added.size()), kReminders);
        return 1;
    }
    std::printf("import_peak_mb %.1f\n", double(bench::peakMemoryKb()) / 1024.0);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--import-peak") == 0)
        return importPeak();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

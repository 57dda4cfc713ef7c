// Speed of the two files reminders leave and enter by: the backup file and
// the iCalendar file, each written with every reminder and read back, with
// 100,000 reminders.
//
//   bench_backup [benchmark flags]   the timings
//   bench_backup --restore-peak      the process's peak memory while it
//                                    restores 100,000 reminders, in MB
//   bench_backup --import-peak       the same while it imports 100,000 events
//   bench_backup --export-peak       the same while it exports 100,000 reminders
#include "benchmarks/BenchSupport.h"
#include "core/Reporter.h"
#include "filecommands/Backup.h"
#include "database/Connection.h"
#include "filecommands/ICalendar.h"

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

// The filled database with a backup and a calendar of it, made once for
// every benchmark.
struct Fixture {
    bench::FilledDatabase db{kReminders};
    QTemporaryDir files;
    QString backupPath = file(QStringLiteral("backup.txt"));
    QString calendarPath = file(QStringLiteral("reminders.ics"));
    bench::StderrReporter reporter;
    RegionalSettings regional = RegionalSettings::usEnglish();

    Fixture()
    {
        Connection conn(regional);
        conn.Open(db.path());
        const BackupResult backup = SaveRemToFile(conn, regional, reporter, backupPath, nullptr);
        if (backup.failed || backup.written != kReminders)
            std::fprintf(stderr, "bench_backup: the backup wrote %d of %d reminders\n", backup.written, kReminders);
        const ICalendarExportResult calendar = SaveRemToICalendar(conn, reporter, calendarPath, nullptr);
        if (calendar.failed || calendar.written != kReminders)
            std::fprintf(stderr, "bench_backup: the export wrote %d of %d reminders\n", calendar.written, kReminders);
    }

    QString file(const QString &name) const { return QDir(files.path()).filePath(name); }

    // An empty database to add to.
    QString freshDatabase(int n) const
    {
        const QString path = file(QStringLiteral("fresh-%1.mdb").arg(n));
        QFile::remove(path);
        bench::createEmptyDatabase(path);
        return path;
    }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

// Reads one of the fixture's files into `conn`, or writes `conn` to one;
// returns how many reminders it added or wrote.
using Reading = int (*)(Fixture &f, Connection &conn);

int restore(Fixture &f, Connection &conn)
{
    return LoadRemFromFile(conn, f.regional, f.reporter, f.backupPath, nullptr).added;
}

int import(Fixture &f, Connection &conn)
{
    return int(LoadRemFromICalendar(conn, f.reporter, f.calendarPath, nullptr).added.size());
}

int exportAll(Fixture &f, Connection &conn)
{
    return SaveRemToICalendar(conn, f.reporter, f.file(QStringLiteral("again.ics")), nullptr).written;
}

void BM_SaveRemToFile(benchmark::State &state)
{
    Fixture &f = fixture();
    Connection conn(f.regional);
    conn.Open(f.db.path());
    const QString target = f.file(QStringLiteral("again.txt"));
    for (auto _ : state) {
        const BackupResult r = SaveRemToFile(conn, f.regional, f.reporter, target, nullptr);
        benchmark::DoNotOptimize(r.written);
    }
}
BENCHMARK(BM_SaveRemToFile)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SaveRemToICalendar(benchmark::State &state)
{
    Fixture &f = fixture();
    Connection conn(f.regional);
    conn.Open(f.db.path());
    const QString target = f.file(QStringLiteral("again.ics"));
    for (auto _ : state) {
        const ICalendarExportResult r = SaveRemToICalendar(conn, f.reporter, target, nullptr);
        benchmark::DoNotOptimize(r.written);
    }
}
BENCHMARK(BM_SaveRemToICalendar)->Unit(benchmark::kMillisecond)->Iterations(3);

void readIntoFreshDatabases(benchmark::State &state, Reading read)
{
    Fixture &f = fixture();
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Connection conn(f.regional);
        conn.Open(f.freshDatabase(n++));
        state.ResumeTiming();
        if (read(f, conn) != kReminders)
            state.SkipWithError("not every reminder was added");
    }
}

void BM_LoadRemFromFile(benchmark::State &state)
{
    readIntoFreshDatabases(state, restore);
}
BENCHMARK(BM_LoadRemFromFile)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LoadRemFromICalendar(benchmark::State &state)
{
    readIntoFreshDatabases(state, import);
}
BENCHMARK(BM_LoadRemFromICalendar)->Unit(benchmark::kMillisecond)->Iterations(3);

// Making the database and its files costs memory of its own; the peak is
// reset (clear_refs 5) before the reading so only the reading counts.
int peakOf(Reading read, const char *figure, bool intoFreshDatabase = true)
{
    Fixture &f = fixture();
    Connection conn(f.regional);
    conn.Open(intoFreshDatabase ? f.freshDatabase(0) : f.db.path());
    bench::resetPeakMemory();
    const int added = read(f, conn);
    if (added != kReminders) {
        std::fprintf(stderr, "bench_backup: %d of %d reminders were added or written\n", added, kReminders);
        return 1;
    }
    std::printf("%s %.1f\n", figure, double(bench::peakMemoryKb()) / 1024.0);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--restore-peak") == 0)
        return peakOf(restore, "restore_peak_mb");
    if (argc > 1 && std::strcmp(argv[1], "--import-peak") == 0)
        return peakOf(import, "import_peak_mb");
    if (argc > 1 && std::strcmp(argv[1], "--export-peak") == 0)
        return peakOf(exportAll, "export_peak_mb", false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

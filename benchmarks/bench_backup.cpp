// Speed of the backup file: writing every reminder to it and adding them
// back from it, with 100,000 reminders.
//
//   bench_backup [benchmark flags]   the timings
//   bench_backup --restore-peak      the process's peak memory while it
//                                    restores 100,000 reminders, in MB
#include "benchmarks/BenchSupport.h"
#include "core/Reporter.h"
#include "store/Backup.h"
#include "store/Connection.h"

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

// The filled database and a backup of it, made once for every benchmark.
struct Fixture {
    bench::FilledDatabase db{kReminders};
    QTemporaryDir files;
    QString backupPath = QDir(files.path()).filePath(QStringLiteral("backup.txt"));
    bench::StderrReporter reporter;
    RegionalSettings regional = RegionalSettings::usEnglish();

    Fixture()
    {
        Connection conn(regional);
        conn.Open(db.path());
        const BackupResult written = SaveRemToFile(conn, regional, reporter, backupPath, nullptr);
        if (written.failed || written.written != kReminders)
            std::fprintf(stderr, "bench_backup: the backup wrote %d of %d reminders\n", written.written, kReminders);
    }

    // An empty database to restore into.
    QString freshDatabase(int n) const
    {
        const QString path = QDir(files.path()).filePath(QStringLiteral("restore-%1.mdb").arg(n));
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

void BM_SaveRemToFile(benchmark::State &state)
{
    Fixture &f = fixture();
    Connection conn(f.regional);
    conn.Open(f.db.path());
    const QString target = QDir(f.files.path()).filePath(QStringLiteral("again.txt"));
    for (auto _ : state) {
        const BackupResult r = SaveRemToFile(conn, f.regional, f.reporter, target, nullptr);
        benchmark::DoNotOptimize(r.written);
    }
}
BENCHMARK(BM_SaveRemToFile)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_LoadRemFromFile(benchmark::State &state)
{
    Fixture &f = fixture();
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Connection conn(f.regional);
        conn.Open(f.freshDatabase(n++));
        state.ResumeTiming();
        const RestoreResult r = LoadRemFromFile(conn, f.regional, f.reporter, f.backupPath, nullptr);
        if (r.added != kReminders)
            state.SkipWithError("the restore did not add every reminder");
    }
}
BENCHMARK(BM_LoadRemFromFile)->Unit(benchmark::kMillisecond)->Iterations(3);

// Making the database and its backup costs memory of its own; the peak is
// reset (clear_refs 5) before the restore so only the restore counts.
int restorePeak()
{
    Fixture &f = fixture();
    Connection conn(f.regional);
    conn.Open(f.freshDatabase(0));
    bench::resetPeakMemory();
    const RestoreResult r = LoadRemFromFile(conn, f.regional, f.reporter, f.backupPath, nullptr);
    if (r.added != kReminders) {
        std::fprintf(stderr, "bench_backup: the restore added %d of %d reminders\n", r.added, kReminders);
        return 1;
    }
    std::printf("restore_peak_mb %.1f\n", double(bench::peakMemoryKb()) / 1024.0);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--restore-peak") == 0)
        return restorePeak();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

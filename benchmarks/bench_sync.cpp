// The sync with a real calendar server on this computer (Radicale over TLS,
// with a password): the first sync of REMINDERS mixed reminders to an empty
// calendar, the sync with nothing changed right after it and the HTTP
// requests it makes, and a second computer's first sync, which downloads
// them all.
//
//   bench_sync [REMINDERS [RUNS]]   10,000 reminders; the unchanged sync
//                                   RUNS times (10)
//
// Prints "name value" lines for ./bench; exits 1 when a sync fails or does
// not move every reminder.
#include "benchmarks/BenchSupport.h"
#include "database/Connection.h"
#include "sync/HttpCalDavCollection.h"
#include "sync/SyncEngine.h"
#include "tests/support/RadicaleServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace vestrona;

namespace {

const QString user = QStringLiteral("alice");
const QString password = QStringLiteral("bench password");

struct TimedSync {
    SyncReport report;
    double ms = 0;
    // The CPU time of this whole process, every thread, over the sync: the
    // client's own share, apart from the server's.
    double cpuMs = 0;
    int requests = 0;
};

// One computer: its database and its sync with the calendar.
class Device {
public:
    Device(const QString &databasePath, const SyncAccount &account)
        : mCollection(account, password),
          mEngine(mCollection, mConn, account.url.toString())
    {
        mConn.Open(databasePath);
        // Every request of the sync ends as one finished reply of the
        // collection's own network access, counted where it is sent.
        mNetwork = mCollection.findChild<QNetworkAccessManager *>();
        if (mNetwork)
            QObject::connect(mNetwork, &QNetworkAccessManager::finished, mNetwork, [this] { ++mRequests; });
    }

    bool countsRequests() const { return mNetwork != nullptr; }

    TimedSync sync()
    {
        TimedSync timed;
        QEventLoop loop;
        const auto connection = QObject::connect(&mEngine, &Syncer::finished, &loop, [&](const SyncReport &report) {
            timed.report = report;
            loop.quit();
        });
        const int before = mRequests;
        QElapsedTimer clock;
        const std::clock_t cpuBefore = std::clock();
        clock.start();
        mEngine.sync();
        if (mEngine.isSyncing())
            loop.exec();
        timed.ms = double(clock.nsecsElapsed()) / 1e6;
        timed.cpuMs = double(std::clock() - cpuBefore) * 1000.0 / CLOCKS_PER_SEC;
        timed.requests = mRequests - before;
        QObject::disconnect(connection);
        return timed;
    }

private:
    Connection mConn{RegionalSettings::usEnglish()};
    HttpCalDavCollection mCollection;
    SyncEngine mEngine;
    QNetworkAccessManager *mNetwork = nullptr;
    int mRequests = 0;
};

// False, with words on stderr, unless the sync went through and moved
// exactly the reminders it should have.
bool didAsExpected(const char *which, const TimedSync &timed, int uploaded, int downloaded)
{
    const SyncReport &r = timed.report;
    if (r.outcome != SyncReport::Outcome::Failed && r.uploaded == uploaded && r.downloaded == downloaded
        && r.deletedHere == 0 && r.deletedThere == 0)
        return true;
    std::fprintf(stderr, "bench_sync: %s: %s (expected %d up, %d down)\n", which, qPrintable(summaryText(r)), uploaded,
                 downloaded);
    return false;
}

bool started(const QString &failure)
{
    if (failure.isEmpty())
        return true;
    std::fprintf(stderr, "bench_sync: %s\n", qPrintable(failure));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int reminders = std::max(1, args.value(1, QStringLiteral("10000")).toInt());
    const int runs = std::max(1, args.value(2, QStringLiteral("10")).toInt());

    test::RadicaleServer server;
    SyncAccount account{QUrl(), user, server.certificateFingerprint()};
    if (!started(server.start()) || !started(server.addUser(user, password))
        || !started(server.createCalendar(user, password, QStringLiteral("reminders"), account.url)))
        return 1;

    const bench::FilledDatabase filled(reminders);
    Device first(filled.path(), account);
    if (!first.countsRequests()) {
        std::fprintf(stderr, "bench_sync: the collection has no network access to count its requests on\n");
        return 1;
    }
    const TimedSync upload = first.sync();
    if (!didAsExpected("first sync", upload, reminders, 0))
        return 1;
    std::printf("sync_first_upload_ms %.0f\n", upload.ms);
    std::printf("sync_first_upload_requests %d\n", upload.requests);
    std::printf("sync_first_upload_cpu_ms %.0f\n", upload.cpuMs);

    std::vector<double> unchangedMs;
    int mostRequests = 0;
    for (int i = 0; i < runs; ++i) {
        const TimedSync unchanged = first.sync();
        if (!didAsExpected("sync with nothing changed", unchanged, 0, 0))
            return 1;
        unchangedMs.push_back(unchanged.ms);
        mostRequests = std::max(mostRequests, unchanged.requests);
    }
    std::printf("sync_unchanged_ms %.1f\n", bench::median(unchangedMs));
    std::printf("sync_unchanged_requests %d\n", mostRequests);

    QTemporaryDir secondFolder;
    const QString secondDatabase = QDir(secondFolder.path()).filePath(QStringLiteral("dbReminders.mdb"));
    bench::createEmptyDatabase(secondDatabase);
    Device second(secondDatabase, account);
    const TimedSync download = second.sync();
    if (!didAsExpected("second computer's first sync", download, 0, reminders))
        return 1;
    std::printf("sync_second_device_download_ms %.0f\n", download.ms);
    return 0;
}

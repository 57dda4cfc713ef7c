// The sync with a real calendar server on this computer (Radicale over TLS,
// with a password): the first sync of REMINDERS mixed reminders to an empty
// calendar, the sync with nothing changed right after it and the HTTP
// requests it makes, and a second computer's first sync, which downloads
// them all; the first sync again to a Radicale of its own behind a web
// server (lighttpd doing TLS and the password, keeping connections open);
// then the unchanged sync of a computer that downloaded LARGE reminders
// from a calendar of their own.
//
//   bench_sync [REMINDERS [RUNS [LARGE]]]   10,000 reminders; the unchanged
//                                           sync RUNS times (10); LARGE 0
//                                           leaves the last part out
//
// Prints "name value" lines for ./bench; exits 1 when a sync fails or does
// not move every reminder.
#include "benchmarks/BenchSupport.h"
#include "database/Connection.h"
#include "formats/ICalendar.h"
#include "sync/HttpCalDavCollection.h"
#include "sync/SyncEngine.h"
#include "tests/support/LighttpdFront.h"
#include "tests/support/RadicaleServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSslConfiguration>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <chrono>
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
    // TLS handshakes the client made: one per request when the server
    // closes every connection.
    int handshakes = 0;
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
        if (mNetwork) {
            QObject::connect(mNetwork, &QNetworkAccessManager::finished, mNetwork, [this] { ++mRequests; });
            QObject::connect(mNetwork, &QNetworkAccessManager::encrypted, mNetwork, [this] { ++mHandshakes; });
        }
    }

    bool countsRequests() const { return mNetwork != nullptr; }
    // Radicale reads each event of a calendar put on it whole from its file
    // the first time it lists them, which takes it longer than the 30 s a
    // request may stay silent.
    void waitLongerForFirstListing() { mCollection.setStallTimeout(std::chrono::minutes(10)); }

    TimedSync sync()
    {
        TimedSync timed;
        QEventLoop loop;
        const auto connection = QObject::connect(&mEngine, &Syncer::finished, &loop, [&](const SyncReport &report) {
            timed.report = report;
            loop.quit();
        });
        const int before = mRequests;
        const int handshakesBefore = mHandshakes;
        QElapsedTimer clock;
        const std::clock_t cpuBefore = std::clock();
        clock.start();
        mEngine.sync();
        if (mEngine.isSyncing())
            loop.exec();
        timed.ms = double(clock.nsecsElapsed()) / 1e6;
        timed.cpuMs = double(std::clock() - cpuBefore) * 1000.0 / CLOCKS_PER_SEC;
        timed.requests = mRequests - before;
        timed.handshakes = mHandshakes - handshakesBefore;
        QObject::disconnect(connection);
        return timed;
    }

private:
    Connection mConn{RegionalSettings::usEnglish()};
    HttpCalDavCollection mCollection;
    SyncEngine mEngine;
    QNetworkAccessManager *mNetwork = nullptr;
    int mRequests = 0;
    int mHandshakes = 0;
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

// The reminders of `databasePath` as one calendar, and how many events it holds.
std::pair<QByteArray, int> wholeCalendar(const QString &databasePath)
{
    Connection conn{RegionalSettings::usEnglish()};
    conn.Open(databasePath);
    const ICalendarWriter writer(QStringLiteral("bench"));
    QByteArray calendar = writer.head();
    int events = 0;
    for (const ReminderRecord &row : conn.orderedRows()) {
        if (isExportable(row)) {
            calendar += writer.event(row);
            ++events;
        }
    }
    return {calendar + writer.tail(), events};
}

// Puts `calendar` at `url` in one PUT: at a calendar's address, it
// replaces the calendar, as Radicale allows (uploaded one by one, 10,000
// events take it most of an hour, as it compares each new UID with every
// stored one); at an address within, it adds one event, as another
// computer would. Empty words on success.
QString putOnServer(const QUrl &url, const QString &authorityFile, const QByteArray &calendar)
{
    QNetworkAccessManager network;
    QNetworkRequest request(url);
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    if (!tls.addCaCertificates(authorityFile))
        return QStringLiteral("the server's certificate authority %1 could not be read").arg(authorityFile);
    request.setSslConfiguration(tls);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("text/calendar"));
    request.setRawHeader("Authorization", "Basic " + (user + u':' + password).toUtf8().toBase64());
    QNetworkReply *reply = network.put(request, calendar);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    const QString failure = reply->error() == QNetworkReply::NoError
        ? QString()
        : QStringLiteral("PUT of the whole calendar: %1 %2").arg(reply->errorString(), QString::fromUtf8(reply->readAll()));
    delete reply;
    return failure;
}

// Syncs with nothing changed: the median time and client's CPU time, and
// the most requests one made.
struct Unchanged {
    double ms = 0;
    double cpuMs = 0;
    int mostRequests = 0;
};

// `runs` syncs of `device` with nothing changed; false when one does not go through.
bool unchangedSyncs(Device &device, int runs, Unchanged &result)
{
    std::vector<double> ms, cpuMs;
    for (int i = 0; i < runs; ++i) {
        const TimedSync unchanged = device.sync();
        if (!didAsExpected("sync with nothing changed", unchanged, 0, 0))
            return false;
        ms.push_back(unchanged.ms);
        cpuMs.push_back(unchanged.cpuMs);
        result.mostRequests = std::max(result.mostRequests, unchanged.requests);
    }
    result.ms = bench::median(ms);
    result.cpuMs = bench::median(cpuMs);
    return true;
}

bool started(const QString &failure)
{
    if (failure.isEmpty())
        return true;
    std::fprintf(stderr, "bench_sync: %s\n", qPrintable(failure));
    return false;
}

// The first sync of a fresh database of `reminders` to a Radicale of its
// own behind lighttpd, which does TLS and asks for the password (Basic);
// false when it does not go through.
bool frontedFirstSync(int reminders)
{
    test::RadicaleServer server(test::RadicaleServer::Front::BehindProxy);
    test::LighttpdFront front(test::LighttpdFront::Scheme::HttpsBasic);
    QUrl direct;
    if (!started(server.start()) || !started(server.createCalendar(user, password, QStringLiteral("reminders"), direct))
        || !started(front.start(server.url(), user, password)))
        return false;
    const bench::FilledDatabase filled(reminders);
    Device device(filled.path(), SyncAccount{front.url(direct.path()), user, front.certificateFingerprint()});
    const TimedSync upload = device.sync();
    if (!didAsExpected("first sync through the web server", upload, reminders, 0))
        return false;
    std::printf("sync_first_upload_front_ms %.0f\n", upload.ms);
    std::printf("sync_first_upload_front_requests %d\n", upload.requests);
    std::printf("sync_first_upload_front_cpu_ms %.0f\n", upload.cpuMs);
    std::printf("sync_first_upload_front_handshakes %d\n", upload.handshakes);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int reminders = std::max(1, args.value(1, QStringLiteral("10000")).toInt());
    const int runs = std::max(1, args.value(2, QStringLiteral("10")).toInt());
    const int large = std::max(0, args.value(3, QStringLiteral("10000")).toInt());

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
    std::printf("sync_first_upload_handshakes %d\n", upload.handshakes);

    Unchanged unchanged;
    if (!unchangedSyncs(first, runs, unchanged))
        return 1;
    std::printf("sync_unchanged_ms %.1f\n", unchanged.ms);
    std::printf("sync_unchanged_requests %d\n", unchanged.mostRequests);

    QTemporaryDir secondFolder;
    const QString secondDatabase = QDir(secondFolder.path()).filePath(QStringLiteral("dbReminders.mdb"));
    bench::createEmptyDatabase(secondDatabase);
    Device second(secondDatabase, account);
    const TimedSync download = second.sync();
    if (!didAsExpected("second computer's first sync", download, 0, reminders))
        return 1;
    std::printf("sync_second_device_download_ms %.0f\n", download.ms);

    // Radicale alone closes every connection after one request, so each
    // request of the first sync costs the client a TLS handshake; behind a
    // web server, as Radicale's documentation recommends for a server others
    // reach, connections stay open.
    if (!frontedFirstSync(reminders))
        return 1;
    if (large == 0)
        return 0;

    SyncAccount largeAccount{QUrl(), user, server.certificateFingerprint()};
    if (!started(server.createCalendar(user, password, QStringLiteral("large"), largeAccount.url)))
        return 1;
    const bench::FilledDatabase largeFilled(large);
    const auto [calendar, events] = wholeCalendar(largeFilled.path());
    QElapsedTimer putClock;
    putClock.start();
    if (!started(putOnServer(largeAccount.url, server.authorityFile(), calendar)))
        return 1;
    std::fprintf(stderr, "bench_sync: %d events put on the calendar in %lld ms\n", events, putClock.elapsed());
    const QString largeDatabase = QDir(secondFolder.path()).filePath(QStringLiteral("large.mdb"));
    bench::createEmptyDatabase(largeDatabase);
    Device third(largeDatabase, largeAccount);
    third.waitLongerForFirstListing();
    const TimedSync largeDownload = third.sync();
    if (!didAsExpected("first sync of the large calendar", largeDownload, 0, events))
        return 1;
    std::printf("sync_large_download_ms %.0f\n", largeDownload.ms);
    // A calendar in use changes now and then: once a sync has seen its
    // time move with another computer's change, an unchanged sync asks for
    // that time alone. The change is synced two seconds after it was made,
    // as syncs minutes apart find them.
    const QByteArray change = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\nBEGIN:VEVENT\r\n"
                              "UID:bench-change\r\nDTSTAMP:20261201T000000Z\r\nDTSTART:20270105T093000Z\r\n"
                              "SUMMARY:Changed elsewhere\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    if (!started(putOnServer(largeAccount.url.resolved(QUrl(QStringLiteral("bench-change.ics"))),
                             server.authorityFile(), change)))
        return 1;
    QThread::msleep(2100);
    if (!didAsExpected("sync of another computer's change", third.sync(), 0, 1))
        return 1;
    Unchanged largeUnchanged;
    if (!unchangedSyncs(third, runs, largeUnchanged))
        return 1;
    std::printf("sync_large_unchanged_ms %.1f\n", largeUnchanged.ms);
    std::printf("sync_large_unchanged_cpu_ms %.1f\n", largeUnchanged.cpuMs);
    std::printf("sync_large_unchanged_requests %d\n", largeUnchanged.mostRequests);
    return 0;
}

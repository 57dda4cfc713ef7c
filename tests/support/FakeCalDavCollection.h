#pragma once

#include "sync/CalDavCollection.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

namespace vestrona::test {

// A CalDAV collection in memory: href -> (ETag, iCalendar text). It answers
// later, from the event loop, as a server does; counts the requests; offers
// sync-collection with tokens when asked to; and fails chosen requests.
class FakeCalDavCollection final : public CalDavCollection {
public:
    enum class Call { Probe, ChangesSince, ListResources, Fetch, Put, Remove };
    // Whether a failing request was carried out before its answer got lost.
    enum class Applied { No, Yes };

    struct Resource {
        QByteArray etag;
        QByteArray calendarData;
    };

    explicit FakeCalDavCollection(bool supportsSyncCollection = true,
                                  QString path = QStringLiteral("/alice/reminders/"));

    // Changes as another device makes them: a new ETag, a new sync token.
    void store(const QString &href, const QByteArray &calendarData);
    void erase(const QString &href);
    const std::map<QString, Resource> &resources() const { return mResources; }
    // Forgets every sync token handed out so far.
    void expireTokens();

    // The `nth` request of `call` from now on fails with `kind`.
    void failOn(Call call, CalDavFailure::Kind kind, int nth = 1, Applied applied = Applied::No);
    // Runs `action` once when the next request of `call` arrives, before it
    // is carried out: another device acting while the sync runs.
    void onNext(Call call, std::function<void()> action);

    int calls(Call call) const;
    int totalCalls() const;
    // The most requests of `call` that were waiting for their answers at once.
    int mostAtOnce(Call call) const;
    void resetCalls() { mCalls.clear(); }
    // Answers a PUT without the new ETag, as some servers do.
    bool sendsEtagOnPut = true;
    // From this many changes on, a sync-collection answer is cut short, as
    // a 507 cuts it (CalDavChanges::truncated); -1 for never.
    int changesCutAfter = -1;
    // Hrefs a calendar-multiget leaves out of its answer, as if gone.
    std::set<QString> fetchLeavesOut;
    // How long every answer takes, as a slow server's do.
    std::chrono::milliseconds answerDelay{0};
    // The server's clock, for the answers' Date and the collection's
    // last-modified time, which each change sets to it; invalid: the
    // server sends neither.
    QDateTime serverNow;
    // The collection's time stays as it is when its members change, as a
    // server may keep it.
    bool timeStands = false;
    // Probes that asked for the collection's time and not its token.
    int probesWithoutToken() const { return mProbesWithoutToken; }

    QString collectionPath() const override { return mPath; }
    void probe(CalDavProbe what, std::function<void(CalDavFailure, CalDavCollectionInfo)> done) override;
    void changesSince(const QByteArray &syncToken, std::function<void(CalDavFailure, CalDavChanges)> done) override;
    void listResources(std::function<void(CalDavFailure, std::vector<CalDavResource>)> done) override;
    void fetch(const std::vector<QString> &hrefs,
               std::function<void(CalDavFailure, std::vector<CalDavObject>)> done) override;
    void put(const QString &href, const QByteArray &calendarData, const QByteArray &ifMatch,
             std::function<void(CalDavFailure, QByteArray newEtag)> done) override;
    void remove(const QString &href, const QByteArray &ifMatch, std::function<void(CalDavFailure)> done) override;

private:
    struct PlannedFailure {
        Call call;
        CalDavFailure::Kind kind;
        int countdown;
        Applied applied;
    };

    // Counts the request and runs what was planned for it; the failure it
    // is to answer with, if any.
    CalDavFailure arrive(Call call, Applied &applied);
    // `done`, counted as waiting for its answer until it is called.
    template <class... Args>
    std::function<void(Args...)> awaited(Call call, std::function<void(Args...)> done);
    void touch(const QString &href);

    // Shared with the answers still on their way: one may come after the
    // collection is gone, when a test ends with a failed sync.
    std::shared_ptr<std::map<Call, int>> mWaiting = std::make_shared<std::map<Call, int>>();
    std::map<Call, int> mMostWaiting;
    QByteArray token() const;

    bool mSupportsSyncCollection;
    QString mPath;
    std::map<QString, Resource> mResources;
    int mNextEtag = 1;
    // Every change as (version, href); a token is the version it was made at.
    std::vector<std::pair<int, QString>> mLog;
    int mVersion = 0;
    int mOldestKnownToken = 0;
    QDateTime mLastModified;
    int mProbesWithoutToken = 0;
    std::map<Call, int> mCalls;
    std::vector<PlannedFailure> mFailures;
    std::map<Call, std::function<void()>> mActions;
};

} // namespace vestrona::test

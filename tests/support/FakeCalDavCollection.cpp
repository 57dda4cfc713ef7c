#include "tests/support/FakeCalDavCollection.h"

#include <QLocale>
#include <QTimer>

#include <set>

namespace vestrona::test {

namespace {

const QByteArray kTokenPrefix = "fake-token-";

QByteArray httpDate(const QDateTime &time)
{
    return QLocale::c().toString(time.toUTC(), QStringLiteral("ddd, dd MMM yyyy HH:mm:ss 'GMT'")).toLatin1();
}

CalDavFailure failureOf(CalDavFailure::Kind kind)
{
    return {kind, QStringLiteral("The calendar server failed on purpose (%1).").arg(int(kind)), QString()};
}

template <class Done, class... Args>
void later(std::chrono::milliseconds delay, Done done, Args... args)
{
    QTimer::singleShot(delay, [done = std::move(done), args...] { done(args...); });
}

} // namespace

FakeCalDavCollection::FakeCalDavCollection(bool supportsSyncCollection, QString path)
    : mSupportsSyncCollection(supportsSyncCollection), mPath(std::move(path))
{
}

void FakeCalDavCollection::store(const QString &href, const QByteArray &calendarData)
{
    mResources[href] = {'"' + QByteArray::number(mNextEtag++) + '"', calendarData};
    touch(href);
}

void FakeCalDavCollection::erase(const QString &href)
{
    // A copy: `href` may be the very key that goes.
    const QString gone = href;
    mResources.erase(gone);
    touch(gone);
}

void FakeCalDavCollection::expireTokens()
{
    mOldestKnownToken = mVersion + 1;
}

void FakeCalDavCollection::touch(const QString &href)
{
    mLog.emplace_back(++mVersion, href);
    if (!timeStands || !mLastModified.isValid())
        mLastModified = serverNow;
}

QByteArray FakeCalDavCollection::token() const
{
    return kTokenPrefix + QByteArray::number(mVersion);
}

void FakeCalDavCollection::failOn(Call call, CalDavFailure::Kind kind, int nth, Applied applied)
{
    mFailures.push_back({call, kind, nth, applied});
}

void FakeCalDavCollection::onNext(Call call, std::function<void()> action)
{
    mActions[call] = std::move(action);
}

int FakeCalDavCollection::calls(Call call) const
{
    const auto found = mCalls.find(call);
    return found == mCalls.end() ? 0 : found->second;
}

int FakeCalDavCollection::totalCalls() const
{
    int total = 0;
    for (const auto &[call, count] : mCalls)
        total += count;
    return total;
}

int FakeCalDavCollection::mostAtOnce(Call call) const
{
    const auto found = mMostWaiting.find(call);
    return found == mMostWaiting.end() ? 0 : found->second;
}

template <class... Args>
std::function<void(Args...)> FakeCalDavCollection::awaited(Call call, std::function<void(Args...)> done)
{
    mMostWaiting[call] = std::max(mMostWaiting[call], ++(*mWaiting)[call]);
    return [waiting = mWaiting, call, done = std::move(done)](Args... args) {
        --(*waiting)[call];
        done(args...);
    };
}

CalDavFailure FakeCalDavCollection::arrive(Call call, Applied &applied)
{
    ++mCalls[call];
    if (const auto action = mActions.find(call); action != mActions.end()) {
        const std::function<void()> run = std::move(action->second);
        mActions.erase(action);
        run();
    }
    applied = Applied::Yes;
    for (auto planned = mFailures.begin(); planned != mFailures.end(); ++planned) {
        if (planned->call == call && --planned->countdown == 0) {
            const CalDavFailure failure = failureOf(planned->kind);
            applied = planned->applied;
            mFailures.erase(planned);
            return failure;
        }
    }
    return {};
}

void FakeCalDavCollection::probe(CalDavProbe what, std::function<void(CalDavFailure, CalDavCollectionInfo)> done)
{
    Applied applied;
    const CalDavFailure failure = arrive(Call::Probe, applied);
    if (what == CalDavProbe::WithoutToken)
        ++mProbesWithoutToken;
    CalDavCollectionInfo info;
    info.supportsSyncCollection = mSupportsSyncCollection;
    if (mSupportsSyncCollection && what == CalDavProbe::WithToken)
        info.syncToken = token();
    if (serverNow.isValid()) {
        info.answerDate = httpDate(serverNow);
        info.lastModified = httpDate(mLastModified.isValid() ? mLastModified : serverNow);
    }
    later(answerDelay, std::move(done), failure, failure.failed() ? CalDavCollectionInfo() : info);
}

void FakeCalDavCollection::changesSince(const QByteArray &syncToken, std::function<void(CalDavFailure, CalDavChanges)> done)
{
    Applied applied;
    const CalDavFailure failure = arrive(Call::ChangesSince, applied);
    CalDavChanges changes;
    if (failure.failed())
        return later(answerDelay, std::move(done), failure, changes);
    bool known = syncToken.isEmpty();
    int since = 0;
    if (syncToken.startsWith(kTokenPrefix))
        since = syncToken.mid(kTokenPrefix.size()).toInt(&known);
    if (!known || (!syncToken.isEmpty() && since < mOldestKnownToken)) {
        changes.tokenExpired = true;
        return later(answerDelay, std::move(done), failure, changes);
    }
    // A cut-short answer's token goes on from its last change.
    int upTo = since;
    std::set<QString> touched;
    for (const auto &[version, href] : mLog) {
        if (version <= since || touched.count(href))
            continue;
        if (changesCutAfter >= 0 && int(touched.size()) >= changesCutAfter) {
            changes.truncated = true;
            break;
        }
        touched.insert(href);
        upTo = version;
    }
    for (const QString &href : touched) {
        const auto resource = mResources.find(href);
        if (resource != mResources.end())
            changes.changed.push_back({href, resource->second.etag});
        else if (!syncToken.isEmpty())
            changes.removed.push_back(href);
    }
    changes.newSyncToken = changes.truncated ? kTokenPrefix + QByteArray::number(upTo) : token();
    later(answerDelay, std::move(done), failure, changes);
}

void FakeCalDavCollection::listResources(std::function<void(CalDavFailure, std::vector<CalDavResource>)> done)
{
    Applied applied;
    const CalDavFailure failure = arrive(Call::ListResources, applied);
    std::vector<CalDavResource> all;
    if (!failure.failed()) {
        for (const auto &[href, resource] : mResources)
            all.push_back({href, resource.etag});
    }
    later(answerDelay, std::move(done), failure, all);
}

void FakeCalDavCollection::fetch(const std::vector<QString> &hrefs,
                                 std::function<void(CalDavFailure, std::vector<CalDavObject>)> done)
{
    Applied applied;
    const CalDavFailure failure = arrive(Call::Fetch, applied);
    done = awaited(Call::Fetch, std::move(done));
    std::vector<CalDavObject> objects;
    if (!failure.failed()) {
        for (const QString &href : hrefs) {
            const auto resource = mResources.find(href);
            if (resource != mResources.end() && !fetchLeavesOut.count(href))
                objects.push_back({href, resource->second.etag, resource->second.calendarData});
        }
    }
    later(answerDelay, std::move(done), failure, objects);
}

void FakeCalDavCollection::put(const QString &href, const QByteArray &calendarData, const QByteArray &ifMatch,
                               std::function<void(CalDavFailure, QByteArray)> done)
{
    Applied applied;
    CalDavFailure failure = arrive(Call::Put, applied);
    done = awaited(Call::Put, std::move(done));
    const auto existing = mResources.find(href);
    const bool holds = ifMatch.isEmpty() ? existing == mResources.end()
                                         : existing != mResources.end() && existing->second.etag == ifMatch;
    if (applied == Applied::Yes && !holds) {
        failure = failureOf(CalDavFailure::Kind::PreconditionFailed);
        applied = Applied::No;
    }
    if (applied == Applied::Yes)
        store(href, calendarData);
    const QByteArray etag = failure.failed() || !sendsEtagOnPut ? QByteArray() : mResources[href].etag;
    later(answerDelay, std::move(done), failure, etag);
}

void FakeCalDavCollection::remove(const QString &href, const QByteArray &ifMatch, std::function<void(CalDavFailure)> done)
{
    Applied applied;
    CalDavFailure failure = arrive(Call::Remove, applied);
    const auto existing = mResources.find(href);
    if (applied == Applied::Yes && existing == mResources.end()) {
        failure = failureOf(CalDavFailure::Kind::NotFound);
        applied = Applied::No;
    } else if (applied == Applied::Yes && existing->second.etag != ifMatch) {
        failure = failureOf(CalDavFailure::Kind::PreconditionFailed);
        applied = Applied::No;
    }
    if (applied == Applied::Yes)
        erase(href);
    later(answerDelay, std::move(done), failure);
}

} // namespace vestrona::test

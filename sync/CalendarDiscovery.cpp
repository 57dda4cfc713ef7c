#include "sync/CalendarDiscovery.h"

#include <algorithm>

#include <QCoreApplication>

namespace vestrona {

namespace {

using Kind = CalDavFailure::Kind;

QString withSlash(QString path)
{
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

// Failures that another address on the same server would meet as well.
bool endsTheSearch(const CalDavFailure &failure)
{
    return failure.kind == Kind::Unauthorized || failure.kind == Kind::Certificate || failure.kind == Kind::Unreachable
        || failure.kind == Kind::Timeout || failure.kind == Kind::TooLarge;
}

// The response about the address asked: the one with its path, else the
// only one (a redirect may have led elsewhere on the server).
const MultiStatusResponse *answerFor(const MultiStatus &answer, const QString &path)
{
    const auto it = std::find_if(answer.responses.begin(), answer.responses.end(),
                                 [&](const MultiStatusResponse &r) { return withSlash(r.href) == withSlash(path); });
    if (it != answer.responses.end())
        return &*it;
    return answer.responses.size() == 1 ? &answer.responses.front() : nullptr;
}

QString lastSegment(const QString &path)
{
    return withSlash(path).chopped(1).section(QLatin1Char('/'), -1);
}

} // namespace

CalendarDiscovery::CalendarDiscovery(const SyncAccount &account, const QString &password, QObject *parent)
    : QObject(parent), mAddress(account.url.adjusted(QUrl::RemoveUserInfo)), mServer(account, password)
{
}

void CalendarDiscovery::discover(Done done)
{
    QStringList paths{mServer.collectionPath()};
    for (const QString &fallback : {QStringLiteral("/.well-known/caldav"), QStringLiteral("/")})
        if (!paths.contains(fallback))
            paths.append(fallback);
    lookAt(paths, std::move(done), CalDavFailure());
}

void CalendarDiscovery::lookAt(QStringList paths, Done done, CalDavFailure first)
{
    const QString path = paths.takeFirst();
    const std::vector<DavProperty> properties{{davNamespace, QStringLiteral("resourcetype")},
                                              {davNamespace, QStringLiteral("displayname")},
                                              {davNamespace, QStringLiteral("current-user-principal")},
                                              {calDavNamespace, QStringLiteral("calendar-home-set")}};
    mServer.propfind(path, "0", properties,
                     [this, path, paths, done = std::move(done), first](const CalDavFailure &failed,
                                                                        const MultiStatus &answer) {
                         // What the user's own address met is what they are told.
                         const CalDavFailure told = first.failed() ? first : failed;
                         const MultiStatusResponse *about = failed.failed() ? nullptr : answerFor(answer, path);
                         if (about && about->isCalendar)
                             return done(CalDavFailure(),
                                         {DiscoveredCalendar{urlWithPath(mAddress, withSlash(about->href)),
                                                             about->displayName.isEmpty() ? lastSegment(about->href)
                                                                                          : about->displayName}});
                         if (about && !about->calendarHome.isEmpty())
                             return listHome(about->calendarHome, done);
                         if (about && !about->principal.isEmpty()
                             && withSlash(about->principal) != withSlash(about->href))
                             return lookAt({about->principal}, done, CalDavFailure());
                         if (failed.failed() && endsTheSearch(failed))
                             return done(failed, {});
                         if (!paths.isEmpty())
                             return lookAt(paths, done, told);
                         if (told.failed())
                             return done(told, {});
                         done(CalDavFailure{Kind::NotFound,
                                            QCoreApplication::translate(
                                                "CalendarDiscovery",
                                                "No calendar was found at %1: it is not a calendar, and the "
                                                "server names no calendars for the user there.")
                                                .arg(mAddress.toString()),
                                            {}},
                              {});
                     });
}

void CalendarDiscovery::listHome(const QString &home, Done done)
{
    const std::vector<DavProperty> properties{{davNamespace, QStringLiteral("resourcetype")},
                                              {davNamespace, QStringLiteral("displayname")}};
    mServer.propfind(home, "1", properties, [this, home, done = std::move(done)](const CalDavFailure &failed,
                                                                                 const MultiStatus &answer) {
        if (failed.failed())
            return done(failed, {});
        std::vector<DiscoveredCalendar> calendars;
        for (const MultiStatusResponse &response : answer.responses)
            if (response.isCalendar)
                calendars.push_back(DiscoveredCalendar{urlWithPath(mAddress, withSlash(response.href)),
                                                       response.displayName.isEmpty() ? lastSegment(response.href)
                                                                                      : response.displayName});
        if (calendars.empty())
            return done(CalDavFailure{Kind::NotFound,
                                      QCoreApplication::translate(
                                          "CalendarDiscovery",
                                          "The calendar server %1 has no calendar for this user yet (looked "
                                          "in %2); please make one there first.")
                                          .arg(mAddress.host(), home),
                                      {}},
                        {});
        std::sort(calendars.begin(), calendars.end(), [](const DiscoveredCalendar &a, const DiscoveredCalendar &b) {
            return QString::localeAwareCompare(a.displayName, b.displayName) < 0;
        });
        done(CalDavFailure(), calendars);
    });
}

} // namespace vestrona

#pragma once

#include "sync/HttpCalDavCollection.h"

#include <QObject>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <vector>

namespace vestrona {

// A calendar found behind an address.
struct DiscoveredCalendar {
    QUrl url;            // the calendar collection's address
    QString displayName; // as the server names it; its last path segment when it names it not
};

// Finds the calendars an address leads to (RFC 6764, RFC 4791), so the user
// may give the server's, the account's or the calendar's address: a
// calendar's address gives that calendar; an address with a calendar home
// (calendar-home-set) or a principal (current-user-principal) gives the
// calendars in the user's home; where the address says neither,
// /.well-known/caldav and then the server's root are asked for the
// principal. Requests go to the address's server only, through
// HttpCalDavCollection (its caps, timeouts, redirects and certificate rule).
class CalendarDiscovery : public QObject {
    Q_OBJECT
public:
    // `account.url` must pass syncUrlProblem.
    CalendarDiscovery(const SyncAccount &account, const QString &password, QObject *parent = nullptr);

    // `done` gets the calendars sorted by display name, or the failure that
    // ended the search (Kind::NotFound with words when there is none);
    // called exactly once, later.
    void discover(std::function<void(CalDavFailure, std::vector<DiscoveredCalendar>)> done);

    HttpCalDavCollection &server() { return mServer; }

private:
    using Done = std::function<void(CalDavFailure, std::vector<DiscoveredCalendar>)>;
    // Asks `paths.first()` what it is; the rest are asked when it says
    // nothing useful. `first` is the failure the first address met, if any.
    void lookAt(QStringList paths, Done done, CalDavFailure first);
    void listHome(const QString &home, Done done);

    QUrl mAddress;
    HttpCalDavCollection mServer;
};

} // namespace vestrona

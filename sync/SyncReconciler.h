#pragma once

#include "core/ReminderRecord.h"
#include "formats/ICalendar.h"
#include "sync/CalDavCollection.h"
#include "sync/SyncReport.h"
#include "sync/SyncStateTable.h"

#include <QString>
#include <QStringList>

#include <map>
#include <vector>

namespace vestrona {

// What the server said of its collection in this sync.
struct ServerListing {
    // Listed as there, with their ETags.
    std::vector<CalDavResource> present;
    // Named as deleted by a sync-collection report, or by a 404 to a request.
    std::vector<QString> removed;
    // `present` is the whole collection, complete: what it lacks is gone.
    // Not for changes since a token, nor for a listing the server cut short.
    bool whole = false;
};

// Adds one page of changes to what the pages before said: a later word on
// an href replaces an earlier one.
void addPage(ServerListing &listing, const CalDavChanges &page);

// One resource fetched from the server, read.
struct ServerItem {
    QString href;
    QByteArray etag;
    ICalendarResourceContent content;
};

// Everything one reconciliation looks at, as plain values.
struct SyncInputs {
    std::vector<ReminderRecord> local;
    std::vector<SyncEntry> entries;
    ServerListing listing;
    // The answer to fetching hrefsToFetch(listing, entries), by href; one
    // the server did not return is not taken for deleted.
    std::map<QString, ServerItem> fetched;
    QString calendarId;
    QString collectionPath;
    // The user's word on a calendar that lost most of what it held.
    EmptiedCalendar emptied = EmptiedCalendar::Ask;
};

// One thing to do. The local kinds are carried out by SyncApplier, the
// remote ones (Upload*, DeleteThere) by the engine.
struct SyncAction {
    enum class Kind {
        UploadNew,     // PUT `row` to `href` under `uid`, If-None-Match: *
        UploadChange,  // PUT `row` to `href` under `uid`, If-Match `etag`
        DeleteThere,   // DELETE `href`, If-Match `etag`
        AddHere,       // insert `values`; record it at `href`, `uid`, `etag`
        ChangeHere,    // set reminder `row.ID` to `values`; record as AddHere
        TakeServers,   // a conflict: archive `row`, then as ChangeHere
        DeleteHere,    // delete reminder `row.ID`; forget `href`, or, with an
                       // `etag` (a cancelled event there), record it as none's
        Record,        // record reminder `row.ID` (0: none) at `href`, `uid`, `etag`
        KeepHere,      // the server's version no reminder can hold: record
                       // reminder `row.ID` as left out there, in `state`
        RecordLeftOut, // record reminder `row` as one that cannot go up
        ForgetHref,    // drop the entry of `href`
        ForgetLeftOut, // drop the left-out entry of reminder `row.ID`
    };
    Kind kind;
    QString href;
    QString uid;
    QByteArray etag;
    ReminderRecord row;
    ReminderValues values;
    SyncedState state = {};

    bool isRemote() const { return kind == Kind::UploadNew || kind == Kind::UploadChange || kind == Kind::DeleteThere; }
};

// A reconciliation's outcome: what to do, and what to tell the user.
struct SyncPlan {
    std::vector<SyncAction> actions;
    // Each names one item left out and why, once.
    QStringList leftOut;
    // Items named in an earlier sync and still left out.
    int stillLeftOut = 0;
    // The server lost most of what it held and `emptied` was Ask: nothing
    // is planned, the user is asked. `lost` of `held` items are gone.
    bool serverEmptied = false;
    int lost = 0;
    int held = 0;
};

// The hrefs of `listing.present` whose version here is not known: new ones,
// and ones whose ETag differs from the bookkeeping's.
std::vector<QString> hrefsToFetch(const ServerListing &listing, const std::vector<SyncEntry> &entries);
// Whether `listing` holds what this side has not taken in: a version to
// fetch, or the deletion of something held here.
bool bringsNews(const ServerListing &listing, const std::vector<SyncEntry> &entries);

// Decides, from both sides' states and the bookkeeping, what one sync does.
// Pure: no database, no network, no clock. The rules:
//  - new or changed here goes up; new or changed there comes here;
//  - a reminder here is deleted only when the server said its item is
//    deleted: listed as removed, or missing from a whole listing. An item the
//    fetch did not return, or one that cannot be read, deletes nothing;
//  - a server that lost all it held (two or more), or more than half of at
//    least 10, is a
//    question (SyncPlan::serverEmptied), unless `emptied` answers it:
//    UploadAll puts the reminders here back, AcceptDeletions deletes them;
//  - changed on both sides: the server's version wins, the version from here
//    is archived (TakeServers);
//  - an edit beats a deletion on the other side;
//  - before a reminder here without an entry goes up, the server's items
//    are matched to it by UID and by content, so that nothing is doubled;
//  - server resources no reminder can hold exactly are never written or
//    deleted; a reminder here synced with one stays as it is (KeepHere).
//    They, and reminders here that cannot go up, are named once (again only
//    when they change) and counted in every sync after (stillLeftOut).
SyncPlan reconcile(const SyncInputs &inputs);

// The href a reminder uploaded under `uid` gets in the collection at
// `collectionPath`: only characters no server percent-encodes, so that its
// listings spell the href exactly as it was uploaded.
QString newHref(const QString &collectionPath, const QString &uid);

// "\"Message\"", or "(no text)" for an empty one: how reports name a reminder.
QString shownName(const QString &message);

} // namespace vestrona

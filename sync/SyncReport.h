#pragma once

#include "sync/CalDavCollection.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include <utility>

namespace vestrona {

// What a sync does when the calendar on the server lost most of what it
// held since the last sync (SyncReport::serverEmptied): ask the user, put
// the reminders here back on the server, or delete them here too.
enum class EmptiedCalendar { Ask, UploadAll, AcceptDeletions };

// The outcome of one sync, for the dialog, the tray and `vestrona-cli sync`.
struct SyncReport {
    // NotSetUp: no calendar account is set up, so nothing was sent.
    enum class Outcome { Synced, SomeLeftOut, Failed, NotSetUp };
    Outcome outcome = Outcome::Synced;

    int uploaded = 0;       // reminders created or changed on the server
    int downloaded = 0;     // reminders added or changed here
    int deletedHere = 0;    // removed here because they were deleted on the server
    int deletedThere = 0;   // removed from the server because they were deleted here

    // Each names one item and why it was left out ("Pay rent: repeats monthly").
    QStringList leftOut;
    // Items named in an earlier sync that are still left out.
    int stillLeftOut = 0;
    // Each says once what happened to one reminder changed on both sides and
    // where the version that lost can be found.
    QStringList conflicts;
    // Words for the user when outcome is Failed; the local reminders are as
    // they were before the sync, or as far as the sync got without losing any.
    QString failure;
    // For a server whose certificate is not trusted: its SHA-256 fingerprint.
    QString certificateFingerprint;
    // What went wrong when outcome is Failed.
    CalDavFailure::Kind failureKind = CalDavFailure::Kind::None;
    // Failed because the server lost most of what it held: nothing was
    // deleted, and the next sync waits for the user's EmptiedCalendar answer.
    bool serverEmptied = false;

    QDateTime finishedAt;

    // True when the local reminders changed, so windows reload them.
    bool changedLocally() const { return downloaded > 0 || deletedHere > 0; }
    // A wrong password or an untrusted certificate: trying again without the
    // user changing something fails the same way.
    bool needsTheUser() const
    {
        return failureKind == CalDavFailure::Kind::Unauthorized || failureKind == CalDavFailure::Kind::Certificate
            || !certificateFingerprint.isEmpty() || serverEmptied;
    }
};

// What one sync did, in a few words: "3 up, 1 down, 1 left out", or why
// it failed.
QString summaryText(const SyncReport &report);
// The lines to read on demand: each item left out, then each conflict.
QStringList detailLines(const SyncReport &report);

// Something that runs one sync at a time and reports it once.
class Syncer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Starts a sync; a call while one runs is ignored (the running one reports).
    virtual void sync() = 0;
    virtual bool isSyncing() const = 0;
    // The user's answer to a sync that reported serverEmptied, for the next
    // sync only.
    void answerEmptiedCalendar(EmptiedCalendar answer) { mEmptiedAnswer = answer; }

signals:
    void finished(const vestrona::SyncReport &report);

protected:
    // The answer for the sync that starts now; the one after asks again.
    EmptiedCalendar takeEmptiedAnswer() { return std::exchange(mEmptiedAnswer, EmptiedCalendar::Ask); }

private:
    EmptiedCalendar mEmptiedAnswer = EmptiedCalendar::Ask;
};

} // namespace vestrona

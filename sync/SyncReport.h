#pragma once

#include "sync/CalDavCollection.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

namespace vestrona {

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

    QDateTime finishedAt;

    // True when the local reminders changed, so windows reload them.
    bool changedLocally() const { return downloaded > 0 || deletedHere > 0; }
    // A wrong password or an untrusted certificate: trying again without the
    // user changing something fails the same way.
    bool needsTheUser() const
    {
        return failureKind == CalDavFailure::Kind::Unauthorized || failureKind == CalDavFailure::Kind::Certificate
            || !certificateFingerprint.isEmpty();
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

signals:
    void finished(const vestrona::SyncReport &report);
};

} // namespace vestrona

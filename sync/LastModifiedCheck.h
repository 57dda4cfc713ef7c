#pragma once

#include "sync/CalDavCollection.h"

#include <QByteArray>
#include <QDateTime>

#include <chrono>

namespace vestrona {

// What the sync keeps of the collection's DAV:getlastmodified between runs.
struct LastModifiedRecord {
    enum class Trust { Unknown, Moves, Stays };
    // The time the probe of the sync that saved the token read; empty when
    // it was too fresh to compare later (LastModifiedCheck::settledTime).
    QByteArray lastModified;
    // Moves: it was seen to change with a change of the collection; Stays:
    // a change came that it did not show, so it is never asked alone again.
    Trust trust = Trust::Unknown;
    // When a probe last asked for the sync token (this computer's clock).
    QDateTime tokenAskedAt;

    friend bool operator==(const LastModifiedRecord &, const LastModifiedRecord &) = default;
};

// Decides when a sync may ask the collection for its last-modified time
// alone, instead of its sync token, to find out that nothing changed there.
// Some servers work the token out by reading every event (Radicale: half a
// second at 10,000), while the time costs them a look at the files' dates.
// WebDAV does not promise that a collection's time moves with its members,
// so it is relied on only once it was seen to, never after it was seen not
// to, and never for longer than kTokenAtLeastEvery: the token is asked then
// anyway, and shows what a time that stood still hid.
//
// A time has whole seconds: a change in the same second as the read leaves
// it as it was. So a time is kept only when the server's answer came at
// least two seconds after it; every later change then shows as a later time.
class LastModifiedCheck {
public:
    static constexpr std::chrono::hours kTokenAtLeastEvery{1};

    LastModifiedCheck(LastModifiedRecord saved, QDateTime now) : mSaved(std::move(saved)), mNow(std::move(now)) {}

    // Whether this sync may probe for the time alone, given that it has a
    // sync token saved.
    bool mayAskTimeOnly(bool hasToken) const;
    // After a probe for the time alone: nothing changed since the token was saved.
    bool unchanged(const CalDavCollectionInfo &info) const;
    // After a probe with the token that moved from the saved one: `changed`
    // says whether the listing since the saved token holds a change the
    // sync takes in. What the time did then is learnt.
    void learn(const CalDavCollectionInfo &info, bool changed);
    // What to save with the token of a sync whose probe answered `info`
    // (`askedToken`: that probe asked for the token too).
    LastModifiedRecord toSave(const CalDavCollectionInfo &info, bool askedToken) const;
    // The saved record with what learn() found.
    const LastModifiedRecord &learnt() const { return mSaved; }

    // The probe's time when the answer came two seconds or more after it
    // (by the answer's Date); empty otherwise.
    static QByteArray settledTime(const CalDavCollectionInfo &info);

private:
    LastModifiedRecord mSaved;
    QDateTime mNow;
};

} // namespace vestrona

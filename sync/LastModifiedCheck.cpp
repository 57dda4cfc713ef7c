#include "sync/LastModifiedCheck.h"

#include <QLocale>

namespace vestrona {

namespace {

// An HTTP date as servers must write it ("Tue, 08 Dec 2026 10:30:03 GMT");
// invalid for the obsolete forms, which then keep no time.
QDateTime httpDate(const QByteArray &text)
{
    const QDateTime read = QLocale::c().toDateTime(QString::fromLatin1(text).trimmed(),
                                                   QStringLiteral("ddd, dd MMM yyyy HH:mm:ss 'GMT'"));
    return read.isValid() ? QDateTime(read.date(), read.time(), Qt::UTC) : QDateTime();
}

} // namespace

bool LastModifiedCheck::mayAskTimeOnly(bool hasToken) const
{
    if (!hasToken || mSaved.lastModified.isEmpty() || mSaved.trust != LastModifiedRecord::Trust::Moves)
        return false;
    // A clock set back makes the last ask look recent: the token is asked then.
    const QDateTime asked = mSaved.tokenAskedAt;
    return asked.isValid() && asked <= mNow
        && asked.secsTo(mNow) < std::chrono::seconds(kTokenAtLeastEvery).count();
}

bool LastModifiedCheck::unchanged(const CalDavCollectionInfo &info) const
{
    return !info.lastModified.isEmpty() && info.lastModified == mSaved.lastModified;
}

void LastModifiedCheck::learn(const CalDavCollectionInfo &info, bool changed)
{
    if (!changed || mSaved.lastModified.isEmpty() || info.lastModified.isEmpty()
        || mSaved.trust == LastModifiedRecord::Trust::Stays)
        return;
    mSaved.trust = info.lastModified != mSaved.lastModified ? LastModifiedRecord::Trust::Moves
                                                            : LastModifiedRecord::Trust::Stays;
}

LastModifiedRecord LastModifiedCheck::toSave(const CalDavCollectionInfo &info, bool askedToken) const
{
    return {settledTime(info), mSaved.trust, askedToken ? mNow : mSaved.tokenAskedAt};
}

QByteArray LastModifiedCheck::settledTime(const CalDavCollectionInfo &info)
{
    const QDateTime time = httpDate(info.lastModified);
    const QDateTime answered = httpDate(info.answerDate);
    if (!time.isValid() || !answered.isValid() || time.secsTo(answered) < 2)
        return QByteArray();
    return info.lastModified;
}

} // namespace vestrona

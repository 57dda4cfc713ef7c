#include "database/BackgroundPageCheck.h"

#include "database/Connection.h"
#include "database/DatabaseOpening.h"

#include <QThread>

namespace vestrona {

BackgroundPageCheck::BackgroundPageCheck(QObject *parent) : QObject(parent) {}

BackgroundPageCheck::~BackgroundPageCheck()
{
    if (mThread)
        mThread->wait();
}

void BackgroundPageCheck::start(const QString &path)
{
    if (mThread && !mThread->isFinished())
        return;
    mThread.reset(QThread::create([this, path] {
        try {
            checkPagesOf(path);
        } catch (const DatabaseDamagedError &e) {
            // Queued to this object's thread, and dropped with it.
            QMetaObject::invokeMethod(this, [this, description = e.description()] { emit damaged(description); },
                                      Qt::QueuedConnection);
        } catch (const AppError &) {
            // Locked, replaced or gone: the next check, or the next start, tells.
        }
    }));
    mThread->setObjectName(QStringLiteral("page check"));
    mThread->start(QThread::LowestPriority);
}

} // namespace vestrona

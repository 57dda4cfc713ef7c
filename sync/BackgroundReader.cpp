#include "sync/BackgroundReader.h"

#include <QThread>

namespace vestrona {

BackgroundReader::BackgroundReader(QObject *parent) : QObject(parent) {}

BackgroundReader::~BackgroundReader()
{
    if (!mThread)
        return;
    mThread->quit();
    mThread->wait();
    // The thread has ended: nothing else can touch the worker now.
    delete mWorker;
    delete mThread;
}

void BackgroundReader::post(std::function<void()> job)
{
    if (!mThread) {
        mThread = new QThread;
        mThread->setObjectName(QStringLiteral("vestrona-reader"));
        mWorker = new QObject;
        mWorker->moveToThread(mThread);
        mThread->start();
    }
    QMetaObject::invokeMethod(mWorker, std::move(job), Qt::QueuedConnection);
}

} // namespace vestrona

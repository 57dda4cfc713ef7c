#include "tests/support/FaultServer.h"

namespace vestrona::test {

FaultServer::~FaultServer()
{
    if (mProcess.state() == QProcess::NotRunning)
        return;
    mProcess.kill();
    mProcess.waitForFinished();
}

QString FaultServer::start()
{
    mProcess.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(VESTRONA_FAULT_SERVER)});
    if (!mProcess.waitForStarted())
        return QStringLiteral("the fault server did not start: %1").arg(mProcess.errorString());
    while (!mProcess.canReadLine()) {
        if (!mProcess.waitForReadyRead(10000))
            return QStringLiteral("the fault server did not say its port: %1")
                .arg(QString::fromUtf8(mProcess.readAllStandardError()));
    }
    // "PORT <n>"
    mPort = quint16(mProcess.readLine().trimmed().mid(5).toUInt());
    return mPort == 0 ? QStringLiteral("the fault server said no port") : QString();
}

QUrl FaultServer::collectionUrl(const QString &mode) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1/%2/calendar/").arg(mPort).arg(mode));
}

} // namespace vestrona::test

#include "tests/support/ServerProcess.h"

#include "tests/support/LocalListener.h"
#include "tests/support/Process.h"

namespace vestrona::test {

ServerProcess::ServerProcess(QString name) : mName(std::move(name)), mPort(freeLocalPort())
{
    mProcess.setProcessChannelMode(QProcess::MergedChannels);
}

ServerProcess::~ServerProcess()
{
    stop();
}

QString ServerProcess::start(const QString &program, const QStringList &arguments, int timeoutMs)
{
    mProcess.start(program, arguments);
    if (!mProcess.waitForStarted())
        return QStringLiteral("%1 did not start (is its Debian package installed?): %2").arg(mName, mProcess.errorString());
    switch (waitUntilListening(mProcess, mPort, timeoutMs)) {
    case Listening::Yes:
        return QString();
    case Listening::Ended:
        return QStringLiteral("%1 ended: %2").arg(mName, output());
    case Listening::NotInTime:
        break;
    }
    stop();
    return QStringLiteral("%1 did not listen on port %2: %3").arg(mName).arg(mPort).arg(output());
}

void ServerProcess::stop()
{
    endProcess(mProcess);
}

QString ServerProcess::output()
{
    return QString::fromUtf8(mProcess.readAll());
}

} // namespace vestrona::test

#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace vestrona::test {

// A port of 127.0.0.1 that nothing listens on right now, for a server
// process to take.
inline quint16 freeLocalPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

enum class Listening { Yes, Ended, NotInTime };

// Waits until `server` accepts connections on `port` of 127.0.0.1, or has
// ended, or `timeoutMs` have passed.
inline Listening waitUntilListening(const QProcess &server, quint16 port, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (socket.waitForConnected(200))
            return Listening::Yes;
        if (server.state() != QProcess::Running)
            return Listening::Ended;
        QThread::msleep(100);
    }
    return Listening::NotInTime;
}

} // namespace vestrona::test

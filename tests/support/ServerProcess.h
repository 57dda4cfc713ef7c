#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace vestrona::test {

// A server program for the tests on a port of 127.0.0.1 that was free when
// this object was made; every start uses that port, so addresses a test
// keeps stay valid across a restart. Its output (both channels) is kept
// for the words of a failed start.
class ServerProcess {
public:
    // `name` names the program in the words of a failed start.
    explicit ServerProcess(QString name);
    ~ServerProcess();
    ServerProcess(const ServerProcess &) = delete;
    ServerProcess &operator=(const ServerProcess &) = delete;

    quint16 port() const { return mPort; }

    // Empty words once `program` with `arguments` accepts connections on
    // port() within `timeoutMs`; otherwise it is stopped and the words say
    // why, with what it printed.
    QString start(const QString &program, const QStringList &arguments, int timeoutMs = 20000);
    // Asks it to end, then kills it; nothing when it is not running.
    void stop();
    // What it printed since the last call.
    QString output();

private:
    QString mName;
    quint16 mPort;
    QProcess mProcess;
};

} // namespace vestrona::test

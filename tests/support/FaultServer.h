#pragma once

#include <QProcess>
#include <QString>
#include <QUrl>

namespace vestrona::test {

// tests/support/fault_server.py on a free port of 127.0.0.1: a calendar
// server that answers 401, 500, never, 50 MB, broken XML or a redirect
// elsewhere, chosen by the first path segment (see the script).
class FaultServer {
public:
    FaultServer() = default;
    ~FaultServer();
    FaultServer(const FaultServer &) = delete;
    FaultServer &operator=(const FaultServer &) = delete;

    // Empty words when it listens; otherwise why not.
    QString start();
    // A collection URL whose requests get the misbehaviour `mode`.
    QUrl collectionUrl(const QString &mode) const;

private:
    QProcess mProcess;
    quint16 mPort = 0;
};

} // namespace vestrona::test

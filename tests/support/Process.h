#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace vestrona::test {

// What a finished process left behind.
struct ProcessResult {
    int exitCode = -1; // -1 when it could not start, crashed or hung
    QString out;
    QString err;
    qint64 elapsedMs = 0;
};

// Runs `program` to its end with nothing on its standard input, killing it
// after `timeoutMs`. The one way every test runs a program.
ProcessResult runProcess(const QString &program, const QStringList &arguments,
                         const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
                         int timeoutMs = 30000);

// Asks a running helper (a server, a recorder) to end and kills it when it
// does not within five seconds; nothing for one that is not running.
void endProcess(QProcess &process);

} // namespace vestrona::test

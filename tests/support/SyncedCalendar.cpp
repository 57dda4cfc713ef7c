#include "tests/support/SyncedCalendar.h"

namespace vestrona::test {

QString SyncedCalendar::start(CalendarServer &server, const QString &name)
{
    mServer = &server;
    return server.createCalendar(user, password, name, mUrl);
}

ProcessResult SyncedCalendar::sync(const ProgramFolder &computer, const QString &password,
                                   const QStringList &options) const
{
    QProcessEnvironment env = computer.environment();
    env.insert(QStringLiteral("VESTRONA_CALDAV_PASSWORD"), password);
    QStringList arguments{QStringLiteral("sync"), QStringLiteral("--url"), mUrl.toString(), QStringLiteral("--user"), user};
    if (const QString fingerprint = mServer->certificateFingerprint(); !fingerprint.isEmpty())
        arguments << QStringLiteral("--accept-certificate") << fingerprint;
    // A stalled server is given up after 30 seconds of silence.
    return runProcess(computer.cliPath(), arguments + options, env, 90000);
}

ProcessResult SyncedCalendar::phone(const QStringList &commandAndArguments) const
{
    // Debian's interpreter, which has the caldav library.
    return runProcess(QStringLiteral("/usr/bin/python3"),
                      QStringList{QStringLiteral(VESTRONA_PHONE_SCRIPT), mUrl.toString(), user, password,
                                  mServer->authorityFile()}
                          + commandAndArguments);
}

QStringList reminderMessages(const ProgramFolder &computer)
{
    QStringList messages;
    for (const QString &line : computer.cli({QStringLiteral("list")}).out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        messages << line.section(QLatin1Char('\t'), 0, 0);
    messages.sort();
    return messages;
}

QString reminderId(const ProgramFolder &computer, const QString &message)
{
    for (const QString &line : computer.cli({QStringLiteral("list")}).out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.section(QLatin1Char('\t'), 0, 0) == message)
            return line.section(QLatin1Char('\t'), -1);
    }
    return QString();
}

} // namespace vestrona::test

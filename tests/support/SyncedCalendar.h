#pragma once

#include "tests/support/Process.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/CalendarServer.h"

#include <QStringList>
#include <QUrl>

namespace vestrona::test {

// One user's calendar on a real CalDAV server (Radicale over TLS, Xandikos
// behind Digest), and the devices that sync with it: program folders running `vestrona-cli sync` (computers) and
// tests/support/phone.py (a phone's calendar app).
class SyncedCalendar {
public:
    static inline const QString user = QStringLiteral("alice");
    static inline const QString password = QStringLiteral("s3cret pass");

    // Empty words when the server runs with a calendar named `name`.
    QString start(CalendarServer &server, const QString &name);

    QUrl url() const { return mUrl; }

    // `vestrona-cli sync` in `computer`, with the account and the server's
    // certificate (over https) given, the password from the environment, and `options`.
    ProcessResult sync(const ProgramFolder &computer, const QString &password = SyncedCalendar::password,
                       const QStringList &options = {}) const;
    // phone.py COMMAND ARGS...
    ProcessResult phone(const QStringList &commandAndArguments) const;

private:
    CalendarServer *mServer = nullptr;
    QUrl mUrl;
};

// The messages of the reminders `vestrona-cli list` prints, sorted.
QStringList reminderMessages(const ProgramFolder &computer);
// The ID `vestrona-cli list` prints for the reminder with `message`; "" when none.
QString reminderId(const ProgramFolder &computer, const QString &message);

} // namespace vestrona::test

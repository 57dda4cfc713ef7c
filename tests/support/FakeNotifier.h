#pragma once

#include "notify/AlarmNotifier.h"

#include <QList>
#include <QStringList>

namespace vestrona::test {

// Keeps what the program asked the desktop's notifications to show and
// withdraw; a test plays the user's part with invoke().
class FakeNotifier final : public AlarmNotifier {
public:
    quint32 showAlarm(const QString &message) override
    {
        alarms.append(message);
        shown.append(++mLastTicket);
        return mLastTicket;
    }
    void withdraw(quint32 ticket) override { withdrawn.append(ticket); }
    void showNotice(const QString &text) override { notices.append(text); }

    // The user chose `action` on the notification of `ticket`.
    void invoke(quint32 ticket, Action action) { emit actionInvoked(ticket, action); }

    QStringList alarms;
    QList<quint32> shown;
    QList<quint32> withdrawn;
    QStringList notices;

private:
    quint32 mLastTicket = 0;
};

} // namespace vestrona::test

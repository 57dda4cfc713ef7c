#pragma once

#include "notify/AlarmNotifier.h"
#include "scheduler/AlarmPopup.h"

#include <QObject>

namespace vestrona {

// The alarm pop-up with the desktop's notification beside it. The
// notification's "Snooze" and "Stop" answer through the pop-up, exactly as
// its buttons do, and any answer withdraws the notification. Dismissing
// the notification answers nothing: the pop-up stays and the alarm rings on.
class NotifyingPopup final : public QObject, public AlarmPopup {
public:
    // Without a notifier it is the pop-up alone. Both must outlive it.
    NotifyingPopup(AlarmPopup &popup, AlarmNotifier *notifier, QObject *parent = nullptr);

    Outcome showModal(const RingingAlarm &alarm) override;
    void answer(Outcome outcome) override;
    void bringToFront() override;

private:
    void actionInvoked(quint32 ticket, AlarmNotifier::Action action);

    AlarmPopup &mPopup;
    AlarmNotifier *mNotifier;
    // The notification of the alarm shown now, 0 while none.
    quint32 mTicket = 0;
};

} // namespace vestrona

#include "control/NotifyingPopup.h"

namespace vestrona {

NotifyingPopup::NotifyingPopup(AlarmPopup &popup, AlarmNotifier *notifier, QObject *parent)
    : QObject(parent), mPopup(popup), mNotifier(notifier)
{
    if (mNotifier)
        connect(mNotifier, &AlarmNotifier::actionInvoked, this, &NotifyingPopup::actionInvoked);
}

AlarmPopup::Outcome NotifyingPopup::showModal(const RingingAlarm &alarm)
{
    const quint32 ticket = mNotifier ? mNotifier->showAlarm(alarm.message) : 0;
    mTicket = ticket;
    const Outcome outcome = mPopup.showModal(alarm);
    mTicket = 0;
    if (ticket)
        mNotifier->withdraw(ticket);
    return outcome;
}

void NotifyingPopup::answer(Outcome outcome)
{
    mPopup.answer(outcome);
}

void NotifyingPopup::bringToFront()
{
    mPopup.bringToFront();
}

void NotifyingPopup::actionInvoked(quint32 ticket, AlarmNotifier::Action action)
{
    // A late click on the notification of an alarm already answered.
    if (ticket == 0 || ticket != mTicket)
        return;
    switch (action) {
    case AlarmNotifier::Action::Show:
        mPopup.bringToFront();
        break;
    case AlarmNotifier::Action::Snooze:
        mPopup.answer(Outcome::Snooze);
        break;
    case AlarmNotifier::Action::Stop:
        mPopup.answer(Outcome::Stop);
        break;
    }
}

} // namespace vestrona

#pragma once

#include <QObject>
#include <QString>

namespace vestrona {

// The desktop's notifications as the program uses them: an alarm's
// notification that stays until it is answered or withdrawn, and plain
// notices for what a tray balloon would say. Every call returns at once;
// a desktop without a notification service shows nothing and answers
// nothing.
class AlarmNotifier : public QObject {
    Q_OBJECT

public:
    enum class Action { Show, Snooze, Stop };

    using QObject::QObject;

    // Puts up the alarm's notification and returns the ticket its actions
    // and withdraw() name it by (never 0).
    virtual quint32 showAlarm(const QString &message) = 0;
    // Takes the alarm's notification down; nothing when the user already
    // dismissed it or none was shown.
    virtual void withdraw(quint32 ticket) = 0;
    // A short notice that goes away by itself.
    virtual void showNotice(const QString &text) = 0;

signals:
    // The user chose one of the alarm notification's actions.
    void actionInvoked(quint32 ticket, vestrona::AlarmNotifier::Action action);
};

} // namespace vestrona

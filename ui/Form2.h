#pragma once

#include "scheduler/AlarmPopup.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vestrona {

class Reporter;

// The alarm pop-up: the reminder's message, when it fell due, how many
// alarms wait behind it, and two answers, "Snooze" and "Stop". It cannot be
// minimized while it is shown: a ringing alarm with nothing on the screen
// could not be answered.
class Form2 final : public QDialog {
    Q_OBJECT

public:
    // The hand cursor is taken from `programFolder` when it is there.
    Form2(const QString &programFolder, Reporter &reporter, QWidget *parent = nullptr);

    void setAlarm(const RingingAlarm &alarm);
    // How the pop-up was closed; Closed until a button is pressed.
    AlarmPopup::Outcome outcome() const { return mOutcome; }

    // Topmost and centred on the screen, then shown modally.
    int exec() override;

    QPlainTextEdit *Text1 = nullptr;
    QLabel *LabelDue = nullptr;
    QLabel *LabelWaiting = nullptr;
    QPushButton *PushButton1 = nullptr;
    QPushButton *PushButton2 = nullptr;

protected:
    void changeEvent(QEvent *event) override;

private:
    void Form_Load(const QString &programFolder, Reporter &reporter);
    void PushButton1_Click();
    void PushButton2_Click();

    AlarmPopup::Outcome mOutcome = AlarmPopup::Outcome::Closed;
};

// Shows a new Form2 for each alarm.
class Form2Popup final : public AlarmPopup {
public:
    Form2Popup(QString programFolder, Reporter &reporter);

    Outcome showModal(const RingingAlarm &alarm) override;
    // Presses the shown pop-up's button for that answer.
    void answer(Outcome outcome) override;
    void bringToFront() override;

private:
    QString mProgramFolder;
    Reporter &mReporter;
    Form2 *mShown = nullptr;
};

} // namespace vestrona

#pragma once

#include "core/ReminderRecord.h"
#include "ui/AppContext.h"
#include "ui/StretchLayout.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>
#include <utility>

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimeEdit;

namespace vestrona {

class Connection;
struct ReminderValues;

// The reminder editor: a new reminder unless one is loaded. Saving runs the
// editor's insert or update, confirms, refreshes the main window's list
// through `listReminders` and closes.
class Form3 final : public QDialog {
    Q_OBJECT

public:
    Form3(const AppContext &context, Connection &conn, std::function<void()> listReminders);

    // Shows an existing reminder; saving then updates it instead of adding one.
    void load(const ReminderRecord &record);
    // The ID of the loaded reminder; none for a new one.
    std::optional<qint64> reminderId() const { return mRemID; }

    void EnableCheckboxes(bool enabled);
    void PushButton1_Click();

    QDateEdit *dtpDate = nullptr;
    QTimeEdit *dtpTime = nullptr;
    QGroupBox *Frame2 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *OptionMonthly = nullptr;
    QRadioButton *OptionYearly = nullptr;
    QRadioButton *OptionOther = nullptr; // opens the "Other repeat…" dialog
    // The rule "Other repeat…" holds; "" until one is chosen.
    QString otherRule() const { return mOtherRule; }
    std::array<QCheckBox *, 7> Check1{};
    QGroupBox *Frame1 = nullptr;
    QPlainTextEdit *Text1 = nullptr;
    QPushButton *PushButton1 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void fitToFont(QLabel &dateLabel, QLabel &timeLabel);
    // The confirmation, with a warning when the reminder will never ring.
    QString savedText(const ReminderValues &values) const;
    void Form_Load();
    // Opens "Other repeat…" on the rule held so far; a cancel goes back to
    // the option chosen before.
    void chooseOtherRepeat();
    // "Other repeat: <summary>" once a rule is held.
    void showOtherRule();

    const AppContext &mContext;
    Connection &mConn;
    std::function<void()> mListReminders;
    std::optional<qint64> mRemID;
    QString mOtherRule;
    QString mZone; // a loaded reminder's own zone, kept on saving
    std::pair<QString, QString> mLoadedDates; // its dates left out and added
    bool mHadRepeat = false;
    QRadioButton *mChosenBefore = nullptr;
    // Larger than built, the message takes the room.
    StretchLayout mStretch{QSize()};
};

} // namespace vestrona

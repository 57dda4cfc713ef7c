#pragma once

#include "recurrence/RuleParts.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QRadioButton;
class QSpinBox;

namespace vestrona {

// "Other repeat…": every N days, weeks, months or years, the weekdays of
// a weekly repeat, "on day N" or "on the last Friday" of a monthly or
// yearly one, and the end (never, after N times, on a date).
class RepeatDialog final : public QDialog {
    Q_OBJECT

public:
    explicit RepeatDialog(QWidget *parent);

    void setParts(const RuleParts &parts);
    RuleParts parts() const;

    QSpinBox *every = nullptr;
    QComboBox *unit = nullptr;
    std::array<QCheckBox *, 7> days{};
    QRadioButton *onDay = nullptr;
    QComboBox *dayOfMonth = nullptr; // 1..31, then "last"
    QRadioButton *onThe = nullptr;
    QComboBox *ordinal = nullptr; // first … fourth, last
    QComboBox *weekday = nullptr; // Mon … Sun, weekday
    QRadioButton *endNever = nullptr;
    QRadioButton *endAfter = nullptr;
    QSpinBox *count = nullptr;
    QRadioButton *endOn = nullptr;
    QDateEdit *until = nullptr;

private:
    // Only the choices of the chosen unit can be changed.
    void enableForUnit();
};

} // namespace vestrona

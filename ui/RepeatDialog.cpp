#include "ui/RepeatDialog.h"

#include "ui/WeekdayCaptions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace vestrona {

namespace {

constexpr int kOrdinals[5] = {1, 2, 3, 4, -1};

QHBoxLayout *row(std::initializer_list<QWidget *> widgets)
{
    auto *layout = new QHBoxLayout;
    for (QWidget *widget : widgets)
        layout->addWidget(widget);
    layout->addStretch();
    return layout;
}

} // namespace

RepeatDialog::RepeatDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("RepeatDialog"));
    setWindowTitle(tr("Other repeat"));
    auto *form = new QFormLayout(this);

    every = new QSpinBox(this);
    every->setRange(1, 999);
    unit = new QComboBox(this);
    unit->addItems({tr("days"), tr("weeks"), tr("months"), tr("years")});
    // A label with a key needs a control to lead to; a row of several has none.
    auto *everyLabel = new QLabel(tr("&Every"), this);
    everyLabel->setBuddy(every);
    form->addRow(everyLabel, row({every, unit}));

    auto *dayRow = new QHBoxLayout;
    for (int i = 0; i < 7; ++i) {
        days[i] = new QCheckBox(weekdayCaption(i).trimmed(), this);
        days[i]->setAccessibleName(weekdayName(i));
        dayRow->addWidget(days[i]);
    }
    form->addRow(tr("On"), dayRow);

    onDay = new QRadioButton(tr("on &day"), this);
    dayOfMonth = new QComboBox(this);
    dayOfMonth->addItem(tr("of the start"), 0);
    for (int day = 1; day <= 31; ++day)
        dayOfMonth->addItem(QString::number(day), day);
    dayOfMonth->addItem(tr("last"), -1);
    onThe = new QRadioButton(tr("o&n the"), this);
    ordinal = new QComboBox(this);
    const QStringList ordinals{tr("first"), tr("second"), tr("third"), tr("fourth"), tr("last")};
    for (int i = 0; i < 5; ++i)
        ordinal->addItem(ordinals[i], kOrdinals[i]);
    weekday = new QComboBox(this);
    for (int i = 0; i < 7; ++i)
        weekday->addItem(QLocale().dayName(i + 1, QLocale::ShortFormat), i);
    weekday->addItem(tr("weekday"), RuleParts::kAnyWeekday);
    onDay->setChecked(true);
    form->addRow(QString(), row({onDay, dayOfMonth}));
    form->addRow(QString(), row({onThe, ordinal, weekday}));

    endNever = new QRadioButton(tr("ne&ver"), this);
    endNever->setChecked(true);
    endAfter = new QRadioButton(tr("afte&r"), this);
    count = new QSpinBox(this);
    count->setRange(1, 100000);
    count->setSuffix(tr(" times"));
    endOn = new QRadioButton(tr("unti&l"), this);
    until = new QDateEdit(QDate::currentDate(), this);
    until->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    until->setCalendarPopup(true);
    form->addRow(tr("Ends"), row({endNever}));
    form->addRow(QString(), row({endAfter, count}));
    form->addRow(QString(), row({endOn, until}));

    // The day choices and the end choices are each one choice.
    for (const auto &group : {std::initializer_list<QRadioButton *>{onDay, onThe}, {endNever, endAfter, endOn}}) {
        auto *buttonGroup = new QButtonGroup(this);
        for (QRadioButton *button : group)
            buttonGroup->addButton(button);
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    // Qt's own captions have no key.
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(unit, &QComboBox::currentIndexChanged, this, &RepeatDialog::enableForUnit);
    unit->setCurrentIndex(int(RuleParts::Unit::Months));
    enableForUnit();
}

void RepeatDialog::enableForUnit()
{
    const auto chosen = RuleParts::Unit(unit->currentIndex());
    for (QCheckBox *box : days)
        box->setEnabled(chosen == RuleParts::Unit::Weeks);
    // A yearly repeat falls on the start's day of the start's month.
    const bool monthly = chosen == RuleParts::Unit::Months;
    for (QWidget *widget : std::initializer_list<QWidget *>{onDay, dayOfMonth, onThe, ordinal, weekday})
        widget->setEnabled(monthly);
}

void RepeatDialog::setParts(const RuleParts &parts)
{
    every->setValue(parts.interval);
    unit->setCurrentIndex(int(parts.unit));
    for (int i = 0; i < 7; ++i)
        days[i]->setChecked(parts.weekdays & (1 << i));
    (parts.ordinal != 0 ? onThe : onDay)->setChecked(true);
    dayOfMonth->setCurrentIndex(std::max(0, dayOfMonth->findData(parts.monthDay)));
    ordinal->setCurrentIndex(std::max(0, ordinal->findData(parts.ordinal)));
    weekday->setCurrentIndex(std::max(0, weekday->findData(parts.weekday)));
    (parts.end == RuleParts::End::AfterCount ? endAfter : parts.end == RuleParts::End::OnDate ? endOn : endNever)
        ->setChecked(true);
    if (parts.end == RuleParts::End::AfterCount)
        count->setValue(parts.count);
    if (parts.end == RuleParts::End::OnDate)
        until->setDate(parts.until);
}

RuleParts RepeatDialog::parts() const
{
    RuleParts parts;
    parts.unit = RuleParts::Unit(unit->currentIndex());
    parts.interval = every->value();
    for (int i = 0; i < 7; ++i)
        parts.weekdays |= days[i]->isChecked() ? 1 << i : 0;
    if (parts.unit == RuleParts::Unit::Months) {
        if (onDay->isChecked())
            parts.monthDay = dayOfMonth->currentData().toInt();
        else {
            parts.ordinal = ordinal->currentData().toInt();
            parts.weekday = weekday->currentData().toInt();
        }
    }
    parts.end = endAfter->isChecked() ? RuleParts::End::AfterCount
                : endOn->isChecked()  ? RuleParts::End::OnDate
                                      : RuleParts::End::Never;
    parts.count = parts.end == RuleParts::End::AfterCount ? count->value() : 0;
    if (parts.end == RuleParts::End::OnDate)
        parts.until = until->date();
    return parts;
}

} // namespace vestrona

#include "ui/Form4.h"

#include "core/ErrorTrap.h"
#include "formats/DateFormats.h"
#include "config/Settings.h"
#include "ui/AppIcon.h"
#include "ui/WindowLook.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace vestrona {

namespace {
QString trueFalse(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}
} // namespace

Form4::Form4(const AppContext &context, std::function<void()> listReminders)
    : QDialog(nullptr), mContext(context), mListReminders(std::move(listReminders))
{
    buildControls();
    Form_Load();
}

void Form4::buildControls()
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QCoreApplication::translate("Form4", "Set Date Format"));
    setFixedSize(260, 140);

    Frame1 = new QGroupBox(QCoreApplication::translate("Form4", "Date &Format"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(10, 8, 240, 82);
    // The patterns with a key each: Alt+M for month first, Alt+D for day first.
    Option1 = new QRadioButton(QLatin1Char('&') + QString::fromLatin1(kMonthFirstPattern), Frame1);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->setGeometry(12, 22, 200, 22);
    Option1->setChecked(true);
    Option2 = new QRadioButton(QLatin1Char('&') + QString::fromLatin1(kDayFirstPattern), Frame1);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option2->setGeometry(12, 48, 200, 22);

    PushButton1 = new QPushButton(QCoreApplication::translate("Form4", "&OK"), this);
    PushButton1->setObjectName(QStringLiteral("PushButton1"));
    PushButton1->setGeometry(10, 100, 115, 30);
    PushButton2 = new QPushButton(QCoreApplication::translate("Form4", "&Cancel"), this);
    PushButton2->setObjectName(QStringLiteral("PushButton2"));
    PushButton2->setGeometry(135, 100, 115, 30);

    connect(PushButton1, &QPushButton::clicked, this, &Form4::PushButton1_Click);
    connect(PushButton2, &QPushButton::clicked, this, &QDialog::reject);
}

void Form4::Form_Load()
{
    ErrorTrap trap(mContext.reporter, QStringLiteral("Form4.Form_Load"));
    const SettingsStore &settings = mContext.settings;
    trap(102, [&] { setWindowIcon(programIcon()); });
    trap(104, [&] { applyHandCursor(*this, mContext.programFolder); });
    trap(106, [&] { Option1->setChecked(readBoolSetting(settings, SettingKey::Option1, true)); });
    trap(108, [&] { Option2->setChecked(readBoolSetting(settings, SettingKey::Option2, false)); });
}

void Form4::PushButton1_Click()
{
    ErrorTrap trap(mContext.reporter, QStringLiteral("Form4.PushButton1_Click"));
    SettingsStore &settings = mContext.settings;
    trap(100, [&] { settings.SaveSetting(QString::fromLatin1(SettingKey::Option1), trueFalse(Option1->isChecked())); });
    trap(102, [&] { settings.SaveSetting(QString::fromLatin1(SettingKey::Option2), trueFalse(Option2->isChecked())); });
    trap(104, [&] {
        if (Option1->isChecked())
            settings.SaveSetting(QString::fromLatin1(SettingKey::DateFormat), QString::fromLatin1(kMonthFirstPattern));
        else if (Option2->isChecked())
            settings.SaveSetting(QString::fromLatin1(SettingKey::DateFormat), QString::fromLatin1(kDayFirstPattern));
    });
    trap(106, [&] { mListReminders(); });
    trap(108, [&] { accept(); });
}

} // namespace vestrona

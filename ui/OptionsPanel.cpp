#include "ui/OptionsPanel.h"

#include "config/Settings.h"
#include "core/ErrorTrap.h"
#include "core/PathHelpers.h"
#include "scheduler/AlarmIntervals.h"
#include "scheduler/SoundPlayer.h"
#include "shell/mStartUp.h"
#include "ui/FileDialogs.h"
#include "ui/IntervalList.h"
#include "ui/StretchLayout.h"
#include "ui/WindowLook.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace vestrona {

OptionsPanel::OptionsPanel(const AppContext &context, QWidget &window)
    : QObject(&window), mContext(context), mWindow(window)
{
    createIntervalList();
    createStartupFrame();
    createSoundFrame();
}

void OptionsPanel::createIntervalList()
{
    ListView2 = new IntervalList(&mWindow);
    ListView2->setObjectName(QStringLiteral("ListView2"));
    ListView2->setAccessibleName(
        QCoreApplication::translate("OptionsPanel", "How often would you like to play the alarm?"));
    ListView2->setAccessibleDescription(
        QCoreApplication::translate("OptionsPanel", "A snoozed alarm plays again after the chosen time."));
    ListView2->setGeometry(twips(120, 4500, 7800, 1815));
    ListView2->setFont(arialBold(9));
    ListView2->setRootIsDecorated(false);
    ListView2->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView2->header()->setSectionsClickable(false);
    const auto chosen = [this] { emit intervalChosen(selectedIntervalRow()); };
    connect(ListView2, &QTreeWidget::itemClicked, this, chosen);
    connect(ListView2, &IntervalList::rowChosenByKey, this, chosen);
}

void OptionsPanel::createStartupFrame()
{
    Frame3 = addFrame(&mWindow, "Frame3", QCoreApplication::translate("OptionsPanel", "Startup Option"),
                      twips(120, 6375, 7800, 735));
    Check4
        = new QCheckBox(QCoreApplication::translate("OptionsPanel", "Load this software on &Windows startup"), Frame3);
    Check4->setObjectName(QStringLiteral("Check4"));
    Check4->setGeometry(twips(240, 300, 3930, 285));
    Check8 = new QCheckBox(QCoreApplication::translate("OptionsPanel", "&Minimized to system tray"), Frame3);
    Check8->setObjectName(QStringLiteral("Check8"));
    Check8->setGeometry(twips(4320, 300, 2580, 285));
    connect(Check4, &QCheckBox::toggled, this, reported("Check4_Click", &OptionsPanel::Check4_Click));
    connect(Check8, &QCheckBox::toggled, this, reported("Check8_Click", &OptionsPanel::Check8_Click));
}

void OptionsPanel::createSoundFrame()
{
    Frame2 = addFrame(&mWindow, "Frame2", QCoreApplication::translate("OptionsPanel", "Alarm Sound File"),
                      twips(120, 7170, 7800, 1335));
    Text2 = new QLineEdit(Frame2);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setAccessibleName(QCoreApplication::translate("OptionsPanel", "Alarm Sound File"));
    Text2->setGeometry(twips(240, 300, 7335, 345));
    Text2->setReadOnly(true);
    PushButton5
        = addButton(Frame2, "PushButton5", QCoreApplication::translate("OptionsPanel", "&Change Alarm Sound File"),
                    twips(240, 750, 3600, 405));
    PushButton4 = addButton(Frame2, "PushButton4", QCoreApplication::translate("OptionsPanel", "&Test Alarm Sound"),
                            twips(3960, 750, 3600, 405));
    connect(Text2, &QLineEdit::textChanged, this, reported("Text2_Change", &OptionsPanel::Text2_Change));
    connect(PushButton4, &QPushButton::clicked, this, &OptionsPanel::PushButton4_Click);
    connect(PushButton5, &QPushButton::clicked, this, &OptionsPanel::PushButton5_Click);
}

std::function<void()> OptionsPanel::reported(const char *procedure, void (OptionsPanel::*handler)())
{
    // These small handlers keep no trap of their own, but a setting that
    // cannot be saved must still reach the user rather than the event loop.
    return [this, procedure, handler] {
        ErrorTrap trap(mContext.reporter, QStringLiteral("Form1.") + QLatin1String(procedure));
        trap(100, [this, handler] { (this->*handler)(); });
    };
}

void OptionsPanel::stretchWith(StretchLayout &stretch)
{
    using Across = StretchLayout::Across;
    using Down = StretchLayout::Down;
    for (QWidget *frame : std::initializer_list<QWidget *>{ListView2, Frame3, Frame2})
        stretch.add(frame, Across::Grow, Down::Move);
    stretch.add(Text2, Across::Grow, Down::Keep);
    stretch.add(PushButton5, Across::LeftHalf, Down::Keep);
    stretch.add(PushButton4, Across::RightHalf, Down::Keep);
}

void OptionsPanel::setUpIntervalList(ErrorTrap &trap)
{
    trap(160, [&] {
        ListView2->setHeaderLabels(
            {QCoreApplication::translate("OptionsPanel", "How often would you like to play the alarm?")});
        ListView2->setColumnWidth(0, 7400 / 15);
    });
    trap(164, [&] {
        for (const AlarmInterval &interval : kAlarmIntervals)
            new QTreeWidgetItem(ListView2, {QCoreApplication::translate("AlarmIntervals", interval.text)});
    });
}

void OptionsPanel::restoreAlarmSettings(ErrorTrap &trap)
{
    const QString &defaultAlarm = mContext.data.defaultAlarm;
    trap(182, [&] { Text2->setText(mContext.settings.GetSetting(QString::fromLatin1(SettingKey::Alarm), defaultAlarm)); });
    trap(184, [&] {
        if (!FileExists(Text2->text()))
            Text2->setText(defaultAlarm);
    });
    int oftenIndex = 0;
    trap(188, [&] {
        const QString stored = mContext.settings.GetSetting(QString::fromLatin1(SettingKey::OftenIndex), QStringLiteral("1"));
        bool ok = false;
        const int value = stored.trimmed().toShort(&ok);
        if (!ok)
            throw AppError(
                QCoreApplication::translate("OptionsPanel", "The stored alarm interval \"%1\" is not a number.")
                    .arg(stored));
        oftenIndex = value;
    });
    trap(190, [&] {
        if (oftenIndex < 1 || oftenIndex > ListView2->topLevelItemCount())
            throw AppError(QCoreApplication::translate(
                               "OptionsPanel", "The stored alarm interval %1 names no row of the interval list.")
                               .arg(oftenIndex));
        selectIntervalRow(oftenIndex);
    });
    // The interval list always keeps a selection, so a snooze always repeats.
    if (selectedIntervalRow() == 0)
        selectIntervalRow(1);
}

bool OptionsPanel::restoreStartupOptions(ErrorTrap &trap)
{
    mLoading = true;
    trap(196, [&] { Check4->setChecked(settingIsOn(mContext.settings, SettingKey::WindowsStartup)); });
    mLoading = false;
    trap(198, [&] {
        const bool on = settingIsOn(mContext.settings, SettingKey::Minimized);
        if (Check8->isChecked() == on)
            Check8_Click(); // the handler runs even when the value is already right
        else
            Check8->setChecked(on);
    });
    bool startInTray = false;
    trap(200, [&] {
        Check8->setVisible(Check4->isChecked());
        startInTray = Check4->isChecked() && Check8->isChecked();
    });
    return startInTray;
}

int OptionsPanel::selectedIntervalRow() const
{
    const QList<QTreeWidgetItem *> selected = ListView2->selectedItems();
    return selected.isEmpty() ? 0 : ListView2->indexOfTopLevelItem(selected.first()) + 1;
}

void OptionsPanel::selectIntervalRow(int row)
{
    QTreeWidgetItem *item = ListView2->topLevelItem(row - 1);
    ListView2->setCurrentItem(item);
    item->setSelected(true);
}

QString OptionsPanel::alarmSoundFile() const
{
    // Reading a FIFO or a device blocks the player, and with it the window
    // and every alarm after it: such a path plays nothing.
    const QString file = Text2->text();
    const QFileInfo info(file);
    return info.exists() && !info.isFile() ? QString() : file;
}

void OptionsPanel::Check4_Click()
{
    if (mLoading)
        return;
    if (Check4->isChecked()) {
        Check8->setVisible(true);
        mContext.settings.SaveSetting(QString::fromLatin1(SettingKey::WindowsStartup), QStringLiteral("On"));
        mStartUp::EnableRunAtLogon(mContext.reporter, AutostartEntry(mContext.configFolder, mContext.programFilePath));
    } else {
        Check8->setChecked(false);
        Check8->setVisible(false);
        mContext.settings.SaveSetting(QString::fromLatin1(SettingKey::WindowsStartup), QStringLiteral("Off"));
        mStartUp::DisableRunAtLogon(mContext.reporter, AutostartEntry(mContext.configFolder, mContext.programFilePath));
    }
}

void OptionsPanel::Check8_Click()
{
    mContext.settings.SaveSetting(QString::fromLatin1(SettingKey::Minimized),
                                  Check8->isChecked() ? QStringLiteral("On") : QStringLiteral("Off"));
}

void OptionsPanel::Text2_Change()
{
    mContext.settings.SaveSetting(QString::fromLatin1(SettingKey::Alarm), Text2->text());
}

void OptionsPanel::PushButton4_Click()
{
    ErrorTrap trap(mContext.reporter, QStringLiteral("Form1.PushButton4_Click"));
    const QString file = alarmSoundFile();
    if (file.trimmed().isEmpty() || !listingFindsFile(file))
        return;
    trap(104, [&] { mContext.sound.play(file, false); });
    // The built-in sound plays in its place; the user learns why at once.
    mContext.sound.check(file, this, [this, file](const QString &problem) {
        if (!problem.isEmpty())
            mContext.reporter.showMessage(
                QCoreApplication::translate(
                    "OptionsPanel", "%1 cannot be played as a sound: %2. The built-in alarm sound plays instead.")
                    .arg(file, problem));
    });
}

void OptionsPanel::PushButton5_Click()
{
    ErrorTrap trap(mContext.reporter, QStringLiteral("Form1.PushButton5_Click"));
    QString chosen;
    trap(106, [&] {
        chosen = mContext.fileDialogs.getOpenFileName(
            QCoreApplication::translate("OptionsPanel", "Add File(s) - Hold Ctrl to select multiple files"),
            QCoreApplication::translate("OptionsPanel", "Wav Files (*.wav)|*.wav|"));
    });
    if (chosen.isEmpty())
        return;
    bool regular = false;
    trap(110, [&] {
        requireRegularFile(chosen);
        regular = true;
    });
    if (!regular)
        return;
    // Checked now, not when the alarm comes: a file that cannot be played
    // is refused while the user is still choosing.
    PushButton5->setEnabled(false);
    mContext.sound.check(chosen, this, [this, chosen](const QString &problem) {
        PushButton5->setEnabled(true);
        if (problem.isEmpty()) {
            Text2->setText(chosen);
            return;
        }
        mContext.reporter.showMessage(
            QCoreApplication::translate("OptionsPanel", "%1 cannot be played as a sound: %2. The alarm sound stays %3.")
                .arg(chosen, problem, Text2->text()));
    });
}

} // namespace vestrona

#pragma once

#include "ui/AppContext.h"

#include <QObject>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vestrona {

class ErrorTrap;
class IntervalList;
class StretchLayout;

// The options on the main window: how often an alarm repeats (ListView2),
// the start-up options (Frame3) and the alarm sound file (Frame2). The
// controls are children of the window at their places on it; each change
// is saved to the settings at once, and a failure is reported under
// Form1's name for the handler.
class OptionsPanel final : public QObject {
    Q_OBJECT

public:
    // `context` and `window` must outlive the panel.
    OptionsPanel(const AppContext &context, QWidget &window);

    // Form1.Form_Load's steps 160 and 164: the interval list's header and rows.
    void setUpIntervalList(ErrorTrap &trap);
    // Steps 182 to 190: the alarm sound and the interval from the settings;
    // an interval row stays selected whatever the settings say.
    void restoreAlarmSettings(ErrorTrap &trap);
    // Steps 196 to 200: the start-up options from the settings, neither
    // saved again nor written to the logon entry. True when the window is
    // to start in the tray.
    bool restoreStartupOptions(ErrorTrap &trap);

    // Puts the panel's controls into the window's stretch: they widen with
    // it and move down under the list.
    void stretchWith(StretchLayout &stretch);

    // The 1-based row chosen in ListView2, 0 when none.
    int selectedIntervalRow() const;
    // Text2's text; empty when that names something other than a regular file.
    QString alarmSoundFile() const;

signals:
    // The user chose an interval row (1-based), by a click or a key.
    void intervalChosen(int row);

private:
    void createIntervalList();
    void createStartupFrame();
    void createSoundFrame();
    // A handler for a change made by code as well as by the user, whose
    // failure is reported under its own name.
    std::function<void()> reported(const char *procedure, void (OptionsPanel::*handler)());

    void Check4_Click();
    void Check8_Click();
    void Text2_Change();
    void PushButton4_Click();
    void PushButton5_Click();
    void selectIntervalRow(int row);

    const AppContext &mContext;
    QWidget &mWindow;
    bool mLoading = false;

    IntervalList *ListView2 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QCheckBox *Check4 = nullptr;
    QCheckBox *Check8 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QLineEdit *Text2 = nullptr;
    QPushButton *PushButton4 = nullptr;
    QPushButton *PushButton5 = nullptr;
};

} // namespace vestrona

#pragma once

#include "ui/AppContext.h"

#include <QDialog>

#include <functional>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace vestrona {

// The date-format dialog: month first or day first in the reminder list.
// Saving refreshes the main window's list through `listReminders`.
class Form4 final : public QDialog {
    Q_OBJECT

public:
    Form4(const AppContext &context, std::function<void()> listReminders);

    void PushButton1_Click();

    QGroupBox *Frame1 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QPushButton *PushButton1 = nullptr;
    QPushButton *PushButton2 = nullptr;

private:
    void buildControls();
    void Form_Load();

    const AppContext &mContext;
    std::function<void()> mListReminders;
};

} // namespace vestrona

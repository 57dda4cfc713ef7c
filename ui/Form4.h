#pragma once

#include <QDialog>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace vestrona {

class Form1;

// The date-format dialog: month first or day first in the reminder list.
class Form4 final : public QDialog {
    Q_OBJECT

public:
    explicit Form4(Form1 &form);

    void PushButton1_Click();

    QGroupBox *Frame1 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QPushButton *PushButton1 = nullptr;
    QPushButton *PushButton2 = nullptr;

private:
    void buildControls();
    void Form_Load();

    Form1 &mForm;
};

} // namespace vestrona

#pragma once

#include <QDialog>
#include <QString>

#include <array>

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimeEdit;

namespace vestrona {

class Form1;

// The reminder editor: a new reminder when mRemID is empty, otherwise the
// reminder with that ID. Saving runs the editor's insert or update, confirms,
// refreshes the main window's list and closes.
class Form3 final : public QDialog {
    Q_OBJECT

public:
    explicit Form3(Form1 &form);

    // The ID text of the reminder being edited; empty for a new one.
    QString mRemID;

    void EnableCheckboxes(bool enabled);
    void PushButton1_Click();

    QDateEdit *dtpDate = nullptr;
    QTimeEdit *dtpTime = nullptr;
    QGroupBox *Frame2 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    std::array<QCheckBox *, 7> Check1{};
    QGroupBox *Frame1 = nullptr;
    QPlainTextEdit *Text1 = nullptr;
    QPushButton *PushButton1 = nullptr;

private:
    void buildControls();
    void Form_Load();

    Form1 &mForm;
};

} // namespace vestrona

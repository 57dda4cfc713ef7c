#pragma once

#include <QTimeEdit>

namespace vestrona {

// The editor's time of day. Typing works section by section as the user
// expects: "a" or "p" in the AM/PM section chooses the half of the day, and
// digits typed into a section replace its value instead of being added to it.
class TimePicker final : public QTimeEdit {
    Q_OBJECT

public:
    explicit TimePicker(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    bool chooseHalfOfDay(int key);

    // The section the digits being typed go into; NoSection before the
    // first digit, so that digit starts the section afresh.
    Section mTypedSection = NoSection;
};

} // namespace vestrona

#include "ui/TimePicker.h"

#include <QKeyEvent>

namespace vestrona {

TimePicker::TimePicker(QWidget *parent)
    : QTimeEdit(parent)
{
}

bool TimePicker::chooseHalfOfDay(int key)
{
    if (currentSection() != AmPmSection || (key != Qt::Key_A && key != Qt::Key_P))
        return false;
    // Qt alone would take the letter as the start of "AM" or "PM" and drop
    // it again on leaving the section.
    const QTime chosen = time();
    setTime(QTime(chosen.hour() % 12 + (key == Qt::Key_P ? 12 : 0), chosen.minute(), chosen.second()));
    setSelectedSection(AmPmSection);
    return true;
}

void TimePicker::keyPressEvent(QKeyEvent *event)
{
    if (chooseHalfOfDay(event->key())) {
        mTypedSection = NoSection;
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool digit = text.size() == 1 && text.front().isDigit();
    if (!digit) {
        mTypedSection = NoSection;
    } else if (currentSection() != mTypedSection) {
        // Selected, the section's old value gives way to the typed one
        // instead of refusing a third digit.
        setSelectedSection(currentSection());
        mTypedSection = currentSection();
    }
    QTimeEdit::keyPressEvent(event);
}

void TimePicker::mousePressEvent(QMouseEvent *event)
{
    mTypedSection = NoSection;
    QTimeEdit::mousePressEvent(event);
}

void TimePicker::focusInEvent(QFocusEvent *event)
{
    mTypedSection = NoSection;
    QTimeEdit::focusInEvent(event);
}

} // namespace vestrona

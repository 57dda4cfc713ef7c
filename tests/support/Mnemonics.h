#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QStringList>
#include <QWidget>

namespace vestrona::test {

// What keeps the keyboard from reaching every control of `window` with Alt
// and a letter: a button, check box or radio button, or a label for a
// field, without a letter of its own, or two controls sharing one. Group
// boxes that have a letter count among those that may not share it. Only
// the window's own controls, not those of windows it owns.
inline QStringList mnemonicProblems(const QWidget &window)
{
    QStringList problems;
    QHash<QKeySequence, QString> taken;
    const auto check = [&](const QWidget *control, const QString &text, bool required) {
        if (control->window() != &window || text.isEmpty())
            return;
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (key.isEmpty()) {
            if (required)
                problems << QStringLiteral("\"%1\" has no key").arg(text);
            return;
        }
        if (taken.contains(key))
            problems << QStringLiteral("\"%1\" and \"%2\" share %3").arg(taken.value(key), text, key.toString());
        taken.insert(key, text);
    };
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>())
        check(button, button->text(), true);
    for (const QLabel *label : window.findChildren<QLabel *>())
        check(label, label->buddy() ? label->text() : QString(), true);
    for (const QGroupBox *box : window.findChildren<QGroupBox *>())
        check(box, box->title(), false);
    return problems;
}

} // namespace vestrona::test

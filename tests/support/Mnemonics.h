#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QStringList>
#include <QWidget>

namespace vestrona::test {

// Alt and a letter per control: who has none where one is needed, and who
// shares one.
class MnemonicTally {
public:
    void check(const QString &text, bool required)
    {
        if (text.isEmpty())
            return;
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (key.isEmpty()) {
            if (required)
                mProblems << QStringLiteral("\"%1\" has no key").arg(text);
            return;
        }
        if (mTaken.contains(key))
            mProblems << QStringLiteral("\"%1\" and \"%2\" share %3").arg(mTaken.value(key), text, key.toString());
        mTaken.insert(key, text);
    }
    QStringList problems() const { return mProblems; }

private:
    QStringList mProblems;
    QHash<QKeySequence, QString> mTaken;
};

// What keeps the keyboard from reaching every control of `window` with Alt
// and a letter: a button, check box or radio button, or a label for a
// field, without a letter of its own, or two controls sharing one. Group
// boxes that have a letter count among those that may not share it. Only
// the window's own controls, not those of windows it owns.
inline QStringList mnemonicProblems(const QWidget &window)
{
    MnemonicTally tally;
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>())
        if (button->window() == &window)
            tally.check(button->text(), true);
    for (const QLabel *label : window.findChildren<QLabel *>())
        if (label->window() == &window)
            tally.check(label->buddy() ? label->text() : QString(), true);
    for (const QGroupBox *box : window.findChildren<QGroupBox *>())
        if (box->window() == &window)
            tally.check(box->title(), false);
    return tally.problems();
}

// The same for a menu's entries, each of which needs its own letter.
inline QStringList mnemonicProblems(const QMenu &menu)
{
    MnemonicTally tally;
    for (const QAction *action : menu.actions())
        if (!action->isSeparator())
            tally.check(action->text(), true);
    return tally.problems();
}

} // namespace vestrona::test

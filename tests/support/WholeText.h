#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QWidget>

namespace vestrona::test {

// Why `label` does not show its whole text inside `window`, "" when it does.
inline QString textProblem(const QLabel &label, const QWidget &window)
{
    const QRect room = label.contentsRect();
    // A field's label shows its key underlined, not as "&".
    const int flags = Qt::AlignLeft | Qt::AlignTop | (label.wordWrap() ? Qt::TextWordWrap : 0)
        | (label.buddy() ? Qt::TextShowMnemonic : 0);
    const QRect needed = label.fontMetrics().boundingRect(room, flags, label.text());
    if (needed.width() > room.width() || needed.height() > room.height())
        return QStringLiteral("%1 \"%2\" needs %3x%4 but has %5x%6")
            .arg(label.objectName(), label.text())
            .arg(needed.width())
            .arg(needed.height())
            .arg(room.width())
            .arg(room.height());
    const QRect placed(label.mapTo(&window, QPoint(0, 0)), label.size());
    if (!window.rect().contains(placed))
        return label.objectName() + QStringLiteral(" reaches out of the window");
    return {};
}

// Every shown button, check box, option, group box title and label of
// `window` that is cut: narrower than its text, or reaching out of its frame
// or the window.
inline QStringList wholeTextProblems(const QWidget &window)
{
    QStringList problems;
    const auto placedInside = [&](const QWidget &control, const QString &text) {
        for (const QWidget *w = &control; w != &window && w->parentWidget(); w = w->parentWidget()) {
            if (!w->parentWidget()->rect().contains(w->geometry()))
                problems << QStringLiteral("\"%1\" reaches out of %2").arg(text, w->parentWidget()->objectName());
        }
    };
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        if (!button->isVisibleTo(&window) || button->text().isEmpty() || button->window() != &window)
            continue;
        if (button->sizeHint().width() > button->width())
            problems << QStringLiteral("\"%1\" needs %2 px but has %3")
                            .arg(button->text())
                            .arg(button->sizeHint().width())
                            .arg(button->width());
        placedInside(*button, button->text());
    }
    for (const QGroupBox *box : window.findChildren<QGroupBox *>()) {
        if (!box->isVisibleTo(&window) || box->title().isEmpty())
            continue;
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        option.textAlignment = box->alignment();
        const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        if (!box->rect().contains(title))
            problems << QStringLiteral("the title \"%1\" is cut").arg(box->title());
        placedInside(*box, box->title());
    }
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty() || label->window() != &window)
            continue;
        const QString problem = textProblem(*label, window);
        if (!problem.isEmpty())
            problems << problem;
    }
    return problems;
}

} // namespace vestrona::test

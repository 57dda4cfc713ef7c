#include "ui/WindowLook.h"

#include "core/AppError.h"
#include "core/PathHelpers.h"

#include <QCursor>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

namespace vestrona {

QFont arialBold(qreal points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

void applyHandCursor(QWidget &window, const QString &programFolder)
{
    const QString cursorFile = joinPath(programFolder, QString::fromLatin1(kHandCursorFileName));
    if (!FileExists(cursorFile))
        return;
    const QPixmap hand(cursorFile);
    if (hand.isNull())
        throw AppError(QStringLiteral("The hand cursor %1 could not be loaded.").arg(cursorFile));
    for (QPushButton *button : window.findChildren<QPushButton *>())
        button->setCursor(QCursor(hand, 0, 0));
}

} // namespace vestrona

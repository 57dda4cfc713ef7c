#include "ui/WindowLook.h"

#include "core/AppError.h"
#include "core/PathHelpers.h"

#include <QCursor>
#include <QDialog>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <QWindow>

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

void makeDialogOf(QDialog &dialog, const QWidget &owner)
{
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint);
    dialog.setWindowModality(Qt::ApplicationModal);
    // Tied to the owner's window rather than made its child, the dialog
    // keeps its own look instead of taking on the owner's skin.
    if (QWindow *ownerWindow = owner.window()->windowHandle()) {
        dialog.winId();
        dialog.windowHandle()->setTransientParent(ownerWindow);
    }
}

} // namespace vestrona

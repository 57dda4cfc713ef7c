#include "ui/WindowLook.h"

#include "core/AppError.h"
#include "core/PathHelpers.h"
#include "ui/AppIcon.h"

#include <QCoreApplication>
#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QGroupBox>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <QWindow>

namespace vestrona {

QFont arialBold(qreal points)
{
    // The windows are laid out for Arial's widths and heights. Where Arial is
    // not installed, its metric twin keeps every text inside its control;
    // another sans serif would cut some and add scroll bars.
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QRect twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

QPushButton *addButton(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFont(arialBold(11.25));
    b->setGeometry(geometry);
    return b;
}

QGroupBox *addFrame(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    auto *f = new QGroupBox(caption, parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setGeometry(geometry);
    return f;
}

void applyProgramLook()
{
    // Dialogs and message boxes that set no font of their own match the
    // main window, and no window shows the window manager's generic icon.
    QApplication::setFont(arialBold(9));
    QApplication::setWindowIcon(programIcon());
}

void applyHandCursor(QWidget &window, const QString &programFolder)
{
    const QString cursorFile = joinPath(programFolder, QString::fromLatin1(kHandCursorFileName));
    if (!FileExists(cursorFile))
        return;
    const QPixmap hand(cursorFile);
    if (hand.isNull())
        throw AppError(
            QCoreApplication::translate("WindowLook", "The hand cursor %1 could not be loaded.").arg(cursorFile));
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

#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QDialog;
class QGroupBox;
class QPushButton;
class QWidget;

namespace vestrona {

// The look every window of the program shares.

// Arial in bold at the given size: the font of windows, lists and buttons.
QFont arialBold(qreal points);

// The main window's controls are placed in twips; 15 twips make one pixel.
QRect twips(int left, int top, int width, int height);
// A named push button of the main window, in its bold button font.
QPushButton *addButton(QWidget *parent, const char *name, const QString &caption, QRect geometry);
// A named frame (a group box) of the main window.
QGroupBox *addFrame(QWidget *parent, const char *name, const QString &caption, QRect geometry);

// The program-wide defaults, set once the application object exists: Arial
// 9 pt bold and the program's icon for every window.
void applyProgramLook();

// Gives every push button of `window` the hand cursor of the program folder
// ("HAND-M.CUR"), when that file is there. Throws AppError when the file is
// there but cannot be loaded.
void applyHandCursor(QWidget &window, const QString &programFolder);

// Makes `dialog` a modal dialog of `owner`: the window manager keeps it above
// its owner, and it has no minimize button, since minimized it would leave
// the blocked owner with nothing to bring it back by.
void makeDialogOf(QDialog &dialog, const QWidget &owner);

} // namespace vestrona

#include "ui/MissedWindow.h"

#include "ui/AppIcon.h"
#include "ui/WindowLook.h"

#include <QCoreApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vestrona {

MissedWindow::MissedWindow(const RegionalSettings &regional, const QWidget &mainWindow)
    : QWidget(nullptr, Qt::Window), mRegional(regional), mMainWindow(mainWindow)
{
    setObjectName(QStringLiteral("MissedWindow"));
    setWindowTitle(QCoreApplication::translate("MissedWindow", "Missed reminders"));
    setWindowIcon(programIcon());
    setFont(arialBold(9));
    resize(620, 320);
    createList();
    createCloseButton();
}

void MissedWindow::createList()
{
    auto *layout = new QVBoxLayout(this);
    mCaption = new QLabel(
        QCoreApplication::translate("MissedWindow", "These reminders fell due while Vestrona could not ring them:"),
        this);
    mRows = new QTreeWidget(this);
    mRows->setObjectName(QStringLiteral("MissedList"));
    mRows->setAccessibleName(QCoreApplication::translate("MissedWindow", "Missed reminders"));
    mRows->setRootIsDecorated(false);
    mRows->setSelectionMode(QAbstractItemView::NoSelection);
    mRows->setFocusPolicy(Qt::NoFocus);
    mRows->setHeaderLabels({QCoreApplication::translate("MissedWindow", "Reminder"),
                            QCoreApplication::translate("MissedWindow", "Repeats"),
                            QCoreApplication::translate("MissedWindow", "Due")});
    mRows->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    mMore = new QLabel(this);
    mMore->setObjectName(QStringLiteral("MissedMore"));
    layout->addWidget(mCaption);
    layout->addWidget(mRows);
    layout->addWidget(mMore);
}

void MissedWindow::createCloseButton()
{
    mClose = new QPushButton(QCoreApplication::translate("MissedWindow", "&Close"), this);
    mClose->setObjectName(QStringLiteral("MissedClose"));
    layout()->addWidget(mClose);
    layout()->setAlignment(mClose, Qt::AlignRight);
    connect(mClose, &QPushButton::clicked, this, &QWidget::close);
}

void MissedWindow::add(const std::vector<MissedEntry> &entries, int more, const QString &dateFormat)
{
    mList.add(entries, more);
    fillRows(dateFormat);
    // Once the user has moved it, an open window stays where it is.
    if (!isVisible())
        centre();
    show();
    raise();
    activateWindow();
}

void MissedWindow::centre()
{
    const bool onMainWindow = mMainWindow.isVisible() && !mMainWindow.isMinimized();
    QScreen *screen = onMainWindow ? mMainWindow.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    const QPoint middle = onMainWindow ? mMainWindow.frameGeometry().center() : area.center();
    QRect placed(QPoint(), frameGeometry().size());
    placed.moveCenter(middle);
    // Never partly off the screen, whatever the main window's place.
    if (area.isValid()) {
        placed.moveLeft(std::clamp(placed.left(), area.left(), std::max(area.left(), area.right() - placed.width() + 1)));
        placed.moveTop(std::clamp(placed.top(), area.top(), std::max(area.top(), area.bottom() - placed.height() + 1)));
    }
    move(placed.topLeft());
}

void MissedWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        close();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void MissedWindow::fillRows(const QString &dateFormat)
{
    mRows->clear();
    for (const MissedEntry &entry : mList.rows())
        new QTreeWidgetItem(mRows, {entry.message.simplified(), entry.rule, missedWhenText(entry, dateFormat, mRegional)});
    mMore->setText(mList.more() > 0 ? QCoreApplication::translate("MissedWindow", "and %n more", nullptr, mList.more())
                                    : QString());
    mMore->setVisible(mList.more() > 0);
}

void MissedWindow::closeEvent(QCloseEvent *event)
{
    // What the user has seen is done with: the next report starts afresh.
    mList.clear();
    mRows->clear();
    QWidget::closeEvent(event);
}

} // namespace vestrona

#pragma once

#include "scheduler/MissedReport.h"
#include "formats/RegionalSettings.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace vestrona {

// The quiet list of reminders that fell due while the program could not ring
// them. Not modal: the countdown and the alarms go on while it is open, and
// each report adds its rows to the open window. Closing it (the button,
// Escape or Enter) empties it.
class MissedWindow final : public QWidget {
    Q_OBJECT

public:
    // `mainWindow`, which must outlive this window, is what it opens centred
    // on, or the screen when that is hidden.
    MissedWindow(const RegionalSettings &regional, const QWidget &mainWindow);

    // Adds the rows, dates in `dateFormat`, and shows the window.
    void add(const std::vector<MissedEntry> &entries, int more, const QString &dateFormat);
    const MissedList &list() const { return mList; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createList();
    void createCloseButton();
    void fillRows(const QString &dateFormat);
    void centre();

    const RegionalSettings &mRegional;
    const QWidget &mMainWindow;
    MissedList mList;
    QLabel *mCaption = nullptr;
    QTreeWidget *mRows = nullptr;
    QLabel *mMore = nullptr;
    QPushButton *mClose = nullptr;
};

} // namespace vestrona

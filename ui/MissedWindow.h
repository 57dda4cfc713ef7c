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
// each report adds its rows to the open window. Closing it empties it.
class MissedWindow final : public QWidget {
    Q_OBJECT

public:
    explicit MissedWindow(const RegionalSettings &regional, QWidget *parent = nullptr);

    // Adds the rows, dates in `dateFormat`, and shows the window.
    void add(const std::vector<MissedEntry> &entries, int more, const QString &dateFormat);
    const MissedList &list() const { return mList; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createList();
    void createCloseButton();
    void fillRows(const QString &dateFormat);

    const RegionalSettings &mRegional;
    MissedList mList;
    QLabel *mCaption = nullptr;
    QTreeWidget *mRows = nullptr;
    QLabel *mMore = nullptr;
    QPushButton *mClose = nullptr;
};

} // namespace vestrona

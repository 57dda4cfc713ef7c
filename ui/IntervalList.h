#pragma once

#include <QTreeWidget>

namespace vestrona {

// The main window's list of alarm intervals. A row reached with the keyboard
// is a choice just as a clicked one is, so the list says so; a click is
// reported by QTreeWidget::itemClicked.
class IntervalList final : public QTreeWidget {
    Q_OBJECT

public:
    using QTreeWidget::QTreeWidget;

signals:
    // The arrow keys (or Home, End, Page Up, Page Down) moved to another row.
    void rowChosenByKey();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace vestrona

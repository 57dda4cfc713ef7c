#include "ui/IntervalList.h"

namespace vestrona {

void IntervalList::keyPressEvent(QKeyEvent *event)
{
    const QTreeWidgetItem *before = currentItem();
    QTreeWidget::keyPressEvent(event);
    if (currentItem() != before)
        emit rowChosenByKey();
}

} // namespace vestrona

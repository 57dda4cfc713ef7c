#include "ui/ScrollingPage.h"

#include <QApplication>
#include <QEvent>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace vestrona {

ScrollingPage::ScrollingPage(QWidget &window, QSize built, std::function<void(QSize)> place)
    : mPlace(std::move(place))
{
    setObjectName(QStringLiteral("ScrollingPage"));
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("Page"));
    page->setMinimumSize(built);
    for (QWidget *control : window.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (control->isWindow())
            continue;
        // A new parent hides a control; the ones hidden on purpose stay so.
        const bool hidden = control->isHidden();
        control->setParent(page);
        control->setHidden(hidden);
    }
    setFrameShape(QFrame::NoFrame);
    // The page's controls take the focus, not the frame around them.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    setWidget(page);
    page->installEventFilter(this);

    auto *whole = new QVBoxLayout(&window);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(this);
}

QSize ScrollingPage::smallestOn(QSize screenArea, QSize built)
{
    // The window manager's title bar and borders cannot be measured before
    // the window is shown; the style's own title bar height and frame width
    // stand in for them.
    const QStyle *style = QApplication::style();
    const QSize room = screenArea
        - QSize(2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth), style->pixelMetric(QStyle::PM_TitleBarHeight));
    QSize held = built.boundedTo(room);
    // Scrolling down, it keeps the width for the scroll bar where it can,
    // so that nothing scrolls sideways too.
    if (held.height() < built.height())
        held.setWidth(std::min(room.width(), built.width() + style->pixelMetric(QStyle::PM_ScrollBarExtent)));
    return held;
}

bool ScrollingPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == widget() && event->type() == QEvent::Resize)
        mPlace(widget()->size());
    return QScrollArea::eventFilter(watched, event);
}

} // namespace vestrona

#include "ui/StretchLayout.h"

#include <QAbstractButton>
#include <QGroupBox>

#include <algorithm>
#include <cmath>

namespace vestrona {

void StretchLayout::add(QWidget *control, Across across, Down down)
{
    mPlaced.push_back({control, control->geometry(), across, down});
}

void StretchLayout::apply(QSize size) const
{
    // A window is never laid out smaller than it was built.
    const int dx = std::max(0, size.width() - mBuilt.width());
    const int dy = std::max(0, size.height() - mBuilt.height());
    for (const Placed &placed : mPlaced) {
        if (!placed.control)
            continue;
        QRect r = placed.built;
        switch (placed.across) {
        case Across::Keep:
            break;
        case Across::Grow:
            r.setWidth(r.width() + dx);
            break;
        case Across::LeftHalf:
            r.setWidth(r.width() + dx / 2);
            break;
        case Across::RightHalf:
            r.translate(dx / 2, 0);
            r.setWidth(r.width() + dx - dx / 2);
            break;
        }
        switch (placed.down) {
        case Down::Keep:
            break;
        case Down::Grow:
            r.setHeight(r.height() + dy);
            break;
        case Down::Move:
            r.translate(0, dy);
            break;
        }
        placed.control->setGeometry(r);
    }
}

namespace
{

// The controls placed by hand: the window's own and those of its frames.
void placedControls(QWidget &parent, std::vector<QWidget *> &found)
{
    for (QWidget *child : parent.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        found.push_back(child);
        if (qobject_cast<QGroupBox *>(child))
            placedControls(*child, found);
    }
}

} // namespace

QSize widenForCaptions(QWidget &window, QSize built)
{
    std::vector<QWidget *> controls;
    placedControls(window, controls);
    double factor = 1.0;
    for (QWidget *control : controls) {
        const auto *button = qobject_cast<QAbstractButton *>(control);
        if (button && !button->text().isEmpty() && button->width() > 0)
            factor = std::max(factor, double(button->sizeHint().width()) / button->width());
    }
    if (factor == 1.0)
        return built;
    const auto across = [factor](int x) { return int(std::ceil(x * factor)); };
    for (QWidget *control : controls) {
        const QRect r = control->geometry();
        control->setGeometry(across(r.left()), r.top(), across(r.left() + r.width()) - across(r.left()), r.height());
    }
    return {across(built.width()), built.height()};
}

} // namespace vestrona

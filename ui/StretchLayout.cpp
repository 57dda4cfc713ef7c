#include "ui/StretchLayout.h"

#include <algorithm>

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

} // namespace vestrona

#pragma once

#include <QScrollArea>
#include <QSize>

#include <functional>

namespace vestrona {

// A window built on fixed places, on a screen too small for it (a large
// scale factor on a laptop): its controls move onto a page that scrolls when
// the window is smaller than the size it was built at. Larger, the page is
// the whole window and `place` spreads the controls over it. At the built
// size nothing scrolls and every control is where it was built.
class ScrollingPage final : public QScrollArea {
public:
    // Takes `window`'s controls (not the windows it owns) as they are now.
    ScrollingPage(QWidget &window, QSize built, std::function<void(QSize)> place);

    // The smallest size that `window` may take on `screenArea`: the built
    // size where the screen holds it with its title bar, else what it holds.
    static QSize smallestOn(QSize screenArea, QSize built);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(QSize)> mPlace;
};

} // namespace vestrona

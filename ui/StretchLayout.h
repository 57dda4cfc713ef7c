#pragma once

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <vector>

namespace vestrona {

// Keeps a window built on fixed places in proportion when it grows: each
// control keeps the place it was built at for the window's built size, and
// the extra room goes to the controls told to take it. At the built size
// every control is exactly where it was built.
class StretchLayout {
public:
    // Across: the width stays, grows by all the extra width, or by half of
    // it for the left or right one of a pair side by side.
    enum class Across { Keep, Grow, LeftHalf, RightHalf };
    // Down: the control stays, takes all the extra height, or moves down by it.
    enum class Down { Keep, Grow, Move };

    explicit StretchLayout(QSize built) : mBuilt(built) {}

    // Notes `control`'s place now as its place at the built size.
    void add(QWidget *control, Across across, Down down);
    // Places every control for the window's size `size`.
    void apply(QSize size) const;

private:
    struct Placed {
        QPointer<QWidget> control;
        QRect built;
        Across across;
        Down down;
    };
    QSize mBuilt;
    std::vector<Placed> mPlaced;
};

// A window placed for English words, made wide enough for the words of the
// user's language: when a button's caption needs more room than its place,
// every control of `window` (and of its frames) widens and moves across in
// proportion. Returns the window's built size for those words, `built`
// itself when every caption fits.
QSize widenForCaptions(QWidget &window, QSize built);

} // namespace vestrona

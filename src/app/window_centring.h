#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>

#include <functional>

class QWidget;

namespace app {

// Centres a top-level window by its outer frame, title bar included, and may keep that frame
// within bounds. A window manager frames a window only once it is shown, so the first centring
// counts the frame of the window's parent, which the same window manager dressed alike, or none
// for a window without one; whenever the window's own frame or size turns up other than counted,
// the window is centred again by them.
class WindowCentring : public QObject {
public:
    // A rectangle for the window, asked afresh at each centring.
    using Area = QRect (*)(const QWidget& window);
    // Called before each placing with the largest client size that the bounds hold around the
    // frame counted, so that the window can shrink to it first.
    using Fit = std::function<void(QSize room)>;

    // Centres in `area`, then moves the frame into `bounds` where it would cross their edges.
    WindowCentring(QWidget& window, Area area, Area bounds, Fit fit = {});

    // Centres the window now; call it when the window is shown.
    void centre();

    // The part of the window's screen that panels leave free.
    static QRect availableArea(const QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place(QMargins frame);

    QWidget& window_;
    Area area_;
    Area bounds_ = nullptr;
    Fit fit_;
    // Whether the window is shown since the last centring, whether it is being placed (its own
    // events then come from the placing), and the frame and size the last placing counted.
    bool shown_ = false;
    bool placing_ = false;
    QMargins countedFrame_;
    QSize countedSize_;
};

} // namespace app

#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

class QWidget;

namespace content {

// Centres a top-level window on its screen by its outer frame, title bar included. A window
// manager frames a window only once it is shown, so the first centring can only count the
// client area; when the frame turns up, the window is centred once more.
class WindowCentring : public QObject {
public:
    // `area` gives the rectangle to centre in, asked afresh at each centring.
    using Area = QRect (*)(const QWidget& window);
    WindowCentring(QWidget& window, Area area);

    // Centres the window now; call it when the window is shown.
    void centre();

    // The whole screen, and the part of it that panels leave free.
    static QRect screenArea(const QWidget& window);
    static QRect availableArea(const QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QWidget& window_;
    Area area_;
    // Whether the frame may still turn up, and the frame size the centring counted.
    bool awaitingFrame_ = false;
    QSize centredFrame_;
};

} // namespace content

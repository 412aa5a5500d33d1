#include "app/window_centring.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace app {

namespace {

// The frame around a shown window, or nothing while it is not known. Qt measures the frame by
// the window manager's own window around the client, and may look while the window manager is
// still building it: openbox makes that window a pixel square, grows it and moves the client
// from its corner into place. On a busy machine Qt looked in between, and the window was centred
// by a frame of 1 × 1, its corner in the middle of the screen, or, once, as if its title bar lay
// below it. A frame that does not hold the window, or holds it in its very corner, is not built
// yet.
std::optional<QMargins> frameOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    if (frame == client || !frame.contains(client) || frame.topLeft() == client.topLeft())
        return std::nullopt;
    return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                    frame.right() - client.right(), frame.bottom() - client.bottom());
}

// Where a span of `length` starting at `start` lies once moved into `room` pixels from `low`.
// One too long for the room starts at `low`: the title bar and the close box stay in reach.
int within(int start, int length, int low, int room) {
    return std::max(low, std::min(start, low + room - length));
}

} // namespace

WindowCentring::WindowCentring(QWidget& window, Area area, Area bounds, Fit fit)
    : QObject(&window), window_(window), area_(area), bounds_(bounds), fit_(std::move(fit)) {
    window.installEventFilter(this);
}

void WindowCentring::centre() {
    shown_ = true;
    std::optional<QMargins> frame = frameOf(window_);
    if (!frame && window_.parentWidget())
        frame = frameOf(*window_.parentWidget()->window());
    place(frame.value_or(QMargins()));
}

void WindowCentring::place(QMargins frame) {
    const QRect area = area_(window_);
    if (area.isEmpty())
        return;
    const QRect bounds = bounds_ ? bounds_(window_) : QRect();
    placing_ = true;
    countedFrame_ = frame;
    if (fit_ && !bounds.isEmpty())
        fit_(bounds.size().shrunkBy(frame));
    QRect outer = QRect(QPoint(), window_.size()).marginsAdded(frame);
    outer.moveCenter(area.center());
    if (!bounds.isEmpty())
        outer.moveTopLeft(
            QPoint(within(outer.left(), outer.width(), bounds.left(), bounds.width()),
                   within(outer.top(), outer.height(), bounds.top(), bounds.height())));
    // The client's own place rather than the frame's: Qt would turn a frame's place into the
    // client's by the frame it knows, and before the window is mapped it knows none.
    window_.setGeometry(QRect(outer.topLeft() + QPoint(frame.left(), frame.top()), window_.size()));
    countedSize_ = window_.size();
    placing_ = false;
}

QRect WindowCentring::availableArea(const QWidget& window) {
    const QScreen* screen = window.screen();
    return screen ? screen->availableGeometry() : QRect();
}

bool WindowCentring::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_ || !shown_ || placing_)
        return false;
    if (event->type() == QEvent::Hide) {
        shown_ = false;
        return false;
    }
    // No event tells that the frame has turned up, so every event of the window looks. The
    // student moving the window leaves its frame and size as they are: only the window manager's
    // framing, and the size it gives the window for a moment when the window is larger than the
    // screen, centre it again.
    const std::optional<QMargins> frame = frameOf(window_);
    if (frame && (*frame != countedFrame_ || window_.size() != countedSize_))
        place(*frame);
    return false;
}

} // namespace app

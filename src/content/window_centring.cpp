#include "content/window_centring.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace content {

WindowCentring::WindowCentring(QWidget& window, Area area)
    : QObject(&window), window_(window), area_(area) {
    window.installEventFilter(this);
}

void WindowCentring::centre() {
    place();
    centredFrame_ = window_.frameGeometry().size();
    awaitingFrame_ = true;
}

void WindowCentring::place() {
    const QRect area = area_(window_);
    if (area.isEmpty())
        return;
    QRect frame = window_.frameGeometry();
    frame.moveCenter(area.center());
    window_.move(frame.topLeft());
}

QRect WindowCentring::screenArea(const QWidget& window) {
    const QScreen* screen = window.screen();
    return screen ? screen->geometry() : QRect();
}

QRect WindowCentring::availableArea(const QWidget& window) {
    const QScreen* screen = window.screen();
    return screen ? screen->availableGeometry() : QRect();
}

bool WindowCentring::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_ || !awaitingFrame_)
        return false;
    if (event->type() == QEvent::Hide) {
        awaitingFrame_ = false;
        return false;
    }
    // While the window manager frames the window anew the frame may read as none for a moment;
    // only a frame that is there, and other than the one counted, calls for centring again.
    // Whichever event first finds it comes before the student could move the window by it.
    const QSize frame = window_.frameGeometry().size();
    if (frame != window_.size() && frame != centredFrame_) {
        awaitingFrame_ = false;
        place();
    }
    return false;
}

} // namespace content

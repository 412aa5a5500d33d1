#include "view/drag.h"

#include "content/drawings.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace view {

namespace {

QCursor dragIcon(const QWidget& window) {
    const qreal ratio = window.devicePixelRatioF();
    const QPixmap icon =
        content::dragIconDrawing().pixmap(content::devicePixels(QSize(32, 32), ratio), ratio);
    return QCursor(icon, 16, 16);
}

} // namespace

Drag::Drag(int compound, QWidget& window, QObject* owner)
    : QObject(owner), compound_(compound), window_(window) {
    QApplication::setOverrideCursor(dragIcon(window));
    // The whole application's input, for as long as the drag: keys and the wheel go to whichever
    // widget has the focus or the pointer, not to the one holding the drag.
    qApp->installEventFilter(this);
}

Drag::~Drag() {
    end();
}

void Drag::end() {
    if (ended_)
        return;
    ended_ = true;
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
}

bool Drag::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    // Claimed, so that no shortcut (F10 for the menu bar) fires either.
    case QEvent::ShortcutOverride:
        event->accept();
        return watched->isWidgetType();
    case QEvent::KeyPress:
        if (watched->isWidgetType() && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            emit cancelled();
        return watched->isWidgetType();
    case QEvent::Wheel:
    case QEvent::KeyRelease:
        return watched->isWidgetType();
    case QEvent::WindowDeactivate:
        if (watched == &window_)
            emit cancelled();
        return false;
    default:
        return false;
    }
}

} // namespace view

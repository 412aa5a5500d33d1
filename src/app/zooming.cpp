#include "app/zooming.h"

#include "assistive/announcer.h"
#include "content/look.h"
#include "content/picture_cache.h"
#include "content/spoken.h"
#include "view/board.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace app {

namespace {

// Below this the worksheet cannot be read; a screen smaller still gets it at this zoom.
constexpr double kSmallestZoom = 0.25;
// The wheel's notch, in eighths of a degree.
constexpr int kNotch = 120;
// How long a resize rests before the zoom it came to is said.
constexpr int kResizeRestMs = 400;
// How often, and how many times, a shown window looks for the frame the window manager puts round
// it: two seconds in all.
constexpr int kFrameLookMs = 25;
constexpr int kFrameLooks = 80;

// A frame that does not hold the window, or holds it in its very corner, is one the window
// manager is still building: openbox makes it a pixel square, grows it and then moves the window
// into place.
bool isBuilt(const QMargins& frame) {
    return frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0 && frame.bottom() >= 0 &&
           (frame.left() > 0 || frame.top() > 0);
}

} // namespace

Stage::Stage(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Stage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    centreBoard();
}

void Stage::paintEvent(QPaintEvent* event) {
    QPainter(this).fillRect(event->rect(), content::look::kGround);
}

void Stage::centreBoard() {
    if (!board_)
        return;
    QRect placed(QPoint(0, 0), board_->size());
    placed.moveCenter(rect().center());
    board_->move(std::max(0, placed.left()), std::max(0, placed.top()));
}

Zooming::Zooming(QMainWindow& window, Stage& stage, view::Board& board,
                 assistive::Announcer& announcer)
    : QObject(&window), window_(window), stage_(stage), board_(board), announcer_(announcer) {
    stage_.setBoard(&board_);
    // At the application's door: the wheel with Ctrl held zooms wherever the pointer is in the
    // window, over the scroll bar and the boxes too, which would take the wheel for themselves;
    // the stage's resizes and the window's own events come through the same door.
    qApp->installEventFilter(this);
    connect(&board_, &view::Board::zoomChanged, &stage_, [this] {
        stage_.centreBoard();
        stage_.update();
    });

    const auto shortcut = [this](QList<QKeySequence> keys, void (Zooming::*command)()) {
        auto* keysFor = new QShortcut(&window_);
        keysFor->setKeys(keys);
        connect(keysFor, &QShortcut::activated, this, command);
    };
    shortcut({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
             &Zooming::zoomIn);
    shortcut({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &Zooming::zoomOut);
    shortcut({QKeySequence(Qt::CTRL | Qt::Key_0)}, &Zooming::zoomToNormal);

    frameWatch_.setInterval(kFrameLookMs);
    connect(&frameWatch_, &QTimer::timeout, this, &Zooming::frameWatchTicked);
    resizeRest_.setSingleShot(true);
    resizeRest_.setInterval(kResizeRestMs);
    connect(&resizeRest_, &QTimer::timeout, this, &Zooming::announce);
}

double Zooming::largestWithin(QSize space) {
    const QSize normal = view::Board::sizeAt(content::Zoom());
    const double zoom =
        std::min(double(space.width()) / normal.width(), double(space.height()) / normal.height());
    return std::max(kSmallestZoom, zoom);
}

QRect Zooming::freeArea() const {
    const QScreen* screen = window_.screen();
    return screen ? screen->availableGeometry() : QRect();
}

// The frame as the window system has it now: the widget's own count of it is brought up to date
// only when the window next moves, which may be long after the window manager framed it.
QMargins Zooming::platformFrame() const {
    const QWindow* handle = window_.windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

// Until the window manager has framed the window, a title bar and a border as desktops draw
// them stand in for its frame.
QMargins Zooming::frameMargins() const {
    if (const QMargins frame = platformFrame(); isBuilt(frame))
        return frame;
    const int border = window_.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    const int title = window_.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return QMargins(border, title + border, border, border);
}

QSize Zooming::windowSizeAt(double zoom) const {
    return view::Board::sizeAt(content::Zoom(zoom)) +
           QSize(0, window_.menuBar()->sizeHint().height());
}

double Zooming::largestFitting() const {
    const QMargins frame = frameMargins();
    const QSize space = freeArea().size() -
                        QSize(frame.left() + frame.right(), frame.top() + frame.bottom()) -
                        QSize(0, window_.menuBar()->sizeHint().height());
    return largestWithin(space);
}

void Zooming::showOnScreen() {
    // Made now, so that a platform that knows the frame before showing tells it.
    window_.winId();
    apply(std::min(1.0, largestFitting()));
    fittedToScreen_ = true;
    centreOnScreen();
    window_.show();
    // The window manager frames a shown window when it gets round to it, and tells no widget:
    // the frame is looked for at every event of the window and many times a second, for a
    // while, and the window is fitted and centred again whenever it turns up other than counted.
    awaitingFrame_ = true;
    frameWatch_.start();
    lookForFrame();
}

void Zooming::lookForFrame() {
    if (!awaitingFrame_)
        return;
    const QMargins frame = platformFrame();
    if (isBuilt(frame) && frame != countedFrame_) {
        countedFrame_ = frame;
        frameArrived();
    }
}

void Zooming::frameWatchTicked() {
    if (++frameLooks_ > kFrameLooks)
        stopAwaitingFrame();
    else
        lookForFrame();
}

void Zooming::stopAwaitingFrame() {
    awaitingFrame_ = false;
    frameWatch_.stop();
}

void Zooming::zoomIn() {
    const double zoom = board_.zoom().factor();
    const double fitting = largestFitting();
    const auto next = std::find_if(kZoomSteps.begin(), kZoomSteps.end(),
                                   [zoom](double step) { return step > zoom + 1e-9; });
    // A step the screen cannot hold gives way to the largest zoom it can.
    const double wanted = next == kZoomSteps.end() ? zoom : *next;
    if (wanted > zoom)
        apply(std::min(wanted, std::max(zoom, fitting)));
    announce();
}

void Zooming::zoomOut() {
    const double zoom = board_.zoom().factor();
    const auto below = std::find_if(kZoomSteps.rbegin(), kZoomSteps.rend(),
                                    [zoom](double step) { return step < zoom - 1e-9; });
    if (below != kZoomSteps.rend())
        apply(*below);
    announce();
}

void Zooming::zoomToNormal() {
    apply(std::min(1.0, largestFitting()));
    announce();
}

void Zooming::apply(double zoom) {
    fittedToScreen_ = false;
    resizeRest_.stop();
    board_.setZoom(content::Zoom(zoom));
    window_.setMinimumSize(windowSizeAt(std::min(kZoomSteps.front(), zoom)));
    const QSize size = windowSizeAt(zoom);
    const QPoint middle = window_.frameGeometry().center();
    window_.resize(size);
    if (window_.isVisible()) {
        QRect frame(QPoint(0, 0), size.grownBy(frameMargins()));
        frame.moveCenter(middle);
        placeWithin(frame);
    }
}

// The frame's corner is asked for, so that the window manager puts it there whether or not it has
// framed the window yet.
void Zooming::placeWithin(QRect frame) {
    const QRect free = freeArea();
    if (!free.isEmpty()) {
        frame.moveRight(std::min(frame.right(), free.right()));
        frame.moveBottom(std::min(frame.bottom(), free.bottom()));
        frame.moveLeft(std::max(frame.left(), free.left()));
        frame.moveTop(std::max(frame.top(), free.top()));
    }
    if (QWindow* handle = window_.windowHandle())
        handle->setFramePosition(frame.topLeft());
    else
        window_.move(frame.topLeft());
}

// A window the desktop resizes takes the largest zoom its client area holds; a size the window
// was given for its zoom keeps the zoom.
void Zooming::stageResized() {
    const QSize space = stage_.size();
    const QSize board = board_.size();
    const bool holds = board.width() <= space.width() && board.height() <= space.height();
    if (holds && (space.width() - board.width() <= 1 || space.height() - board.height() <= 1))
        return;
    fittedToScreen_ = false;
    // Only the size the resizing rests at is worth keeping pictures of.
    if (content::PictureCache* pictures = board_.pictureCache())
        pictures->forgetPending();
    board_.setZoom(content::Zoom(largestWithin(space)));
    resizeRest_.start();
}

// The frame can only be counted once the window manager has put it round the window; the zoom
// chosen to fit the screen is chosen again with it, and the window centred again.
void Zooming::frameArrived() {
    if (fittedToScreen_) {
        const double zoom = std::min(1.0, largestFitting());
        if (zoom != board_.zoom().factor()) {
            board_.setZoom(content::Zoom(zoom));
            window_.resize(windowSizeAt(zoom));
        }
    }
    centreOnScreen();
}

void Zooming::centreOnScreen() {
    QRect frame(QPoint(0, 0), window_.size().grownBy(frameMargins()));
    frame.moveCenter(freeArea().center());
    placeWithin(frame);
}

void Zooming::announce() {
    announcer_.say(content::spoken::zoomHeard().arg(std::lround(board_.zoom().factor() * 100)));
}

bool Zooming::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &stage_ && event->type() == QEvent::Resize) {
        stageResized();
    } else if (event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const auto* widget = qobject_cast<const QWidget*>(watched);
        if (widget && widget->window() == &window_ && (wheel->modifiers() & Qt::ControlModifier)) {
            wheelTurned_ += wheel->angleDelta().y();
            for (; wheelTurned_ >= kNotch; wheelTurned_ -= kNotch)
                zoomIn();
            for (; wheelTurned_ <= -kNotch; wheelTurned_ += kNotch)
                zoomOut();
            return true;
        }
    } else if (watched == &window_ && awaitingFrame_) {
        if (event->type() == QEvent::Hide)
            stopAwaitingFrame();
        else
            lookForFrame();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace app

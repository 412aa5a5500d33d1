#pragma once

#include <QObject>
#include <QSize>
#include <QTimer>
#include <QWidget>

#include <array>

class QMainWindow;

namespace view {
class Board;
}

namespace assistive {
class Announcer;
}

namespace app {

// The zooms the keys step through, as in document viewers and browsers.
inline constexpr std::array<double, 13> kZoomSteps{0.5,  0.67, 0.75, 0.8, 0.9, 1, 1.1,
                                                   1.25, 1.5,  1.75, 2,   2.5, 3};

// The client area under the menu bar: the board in its middle, on the worksheet's own white,
// whatever size the window is given.
class Stage : public QWidget {
public:
    explicit Stage(QWidget* parent);
    void setBoard(QWidget* board) {
        board_ = board;
        centreBoard();
    }
    void centreBoard();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* board_ = nullptr;
};

// How large the worksheet is, and the window with it. The window opens on a screen at 100 %
// where that fits, and otherwise at the largest zoom that fits the screen's free area with the
// window's frame, centred there. The keys of document viewers step the zoom (Ctrl++ and Ctrl+=,
// Ctrl+−, Ctrl+0, Ctrl with the wheel) and the window grows or shrinks with it, never beyond
// the screen; a window the desktop resizes takes the zoom that fits its new size. A screen
// reader hears every new zoom once.
class Zooming : public QObject {
public:
    Zooming(QMainWindow& window, Stage& stage, view::Board& board, assistive::Announcer& announcer);

    // Sizes the window for the screen it opens on, centres it in the screen's free area and
    // shows it.
    void showOnScreen();

    void zoomIn();
    void zoomOut();
    // Back to 100 %, or to the largest zoom that fits where 100 % does not.
    void zoomToNormal();

    // The largest zoom at which the window, its frame included, fits the free area of its
    // screen.
    double largestFitting() const;
    // The largest zoom at which the board fits `space`.
    static double largestWithin(QSize space);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Sets the zoom; the window takes the board's new size, keeps its middle where it can and
    // stays within the screen's free area.
    void apply(double zoom);
    void stageResized();
    void lookForFrame();
    void frameWatchTicked();
    void stopAwaitingFrame();
    void frameArrived();
    void announce();
    QMargins platformFrame() const;
    QMargins frameMargins() const;
    QSize windowSizeAt(double zoom) const;
    QRect freeArea() const;
    void placeWithin(QRect frame);
    void centreOnScreen();

    QMainWindow& window_;
    Stage& stage_;
    view::Board& board_;
    assistive::Announcer& announcer_;
    // Whether the window still waits for the frame the window manager gives it once shown,
    // and whether the zoom is still the one chosen to fit the screen.
    bool awaitingFrame_ = false;
    QTimer frameWatch_;
    int frameLooks_ = 0;
    QMargins countedFrame_;
    bool fittedToScreen_ = false;
    // The wheel turns in eighths of a degree; a notch is 120.
    int wheelTurned_ = 0;
    // The zoom a resize comes to is said once the resizing rests.
    QTimer resizeRest_;
};

} // namespace app

#pragma once

#include "app/main_window.h"
#include "placement/place_copy.h"

#include <QUrl>

#include <memory>
#include <vector>

// The real main window, built offscreen, with an opener that only records what it was asked to
// open (and answers as told).
struct WindowFixture {
    WindowFixture();

    std::vector<QUrl> opened;
    bool openerSucceeds = true;
    std::unique_ptr<app::MainWindow> window;
    worksheet::Worksheet& ws;
    content::MainControls& ui;
    worksheet::Model& model;

    // A point given in a control's own twips, in the client area's twips.
    static QPointF inClient(const controls::Control& control, QPointF local);

    // Pointer actions through the same router as the mouse, in twips of the client area.
    controls::PointerRouter& router() { return ui.Form1.router(); }
    // Presses the front card of `compound` on the palette; returns the copy pressed.
    int grab(int compound, Qt::MouseButton button = Qt::LeftButton);
    void moveTo(QPointF client);
    void releaseAt(QPointF client);
    // Drags the front card of `compound` to `client` and releases it there.
    int dropAt(int compound, QPointF client);
    // A point over reaction picture `picture` (its section must be in view).
    QPointF onPicture(int picture, float x, float y = 555) const;
    // Drops the front card of `compound` into the left (0) or right (1) blank of a picture,
    // bringing its section into view first.
    int fill(int picture, int blank, int compound);
    void showSection(int section) { ui.VScroll1.setValue(section); }
    // The copy that lies in front on the palette column of `compound`.
    int frontCopy(int compound) const;
};

// Lefts of the five palette columns and the top of the palette cards: five 2235-twip cards with
// six gaps of 157.5 between the viewport's left edge (120) and the grade label (12240).
inline constexpr std::array<float, 5> kPaletteLefts{277.5f, 2670.0f, 5062.5f, 7455.0f, 9847.5f};
inline constexpr float kPaletteTop = 232.5f;
// Parked twins lie a card's height and 60 twips above their container.
inline constexpr float kParkedTop = -495.0f;

#pragma once

#include "app/main_window.h"

#include <QUrl>

#include <memory>
#include <vector>

using model::Ammonia;
using model::Ethanoic;
using model::GeneralAcid;
using model::Propanoic;
using model::Water;

// The real main window, built offscreen, with an opener that only records what it was asked to
// open (and answers as told).
struct WindowFixture {
    WindowFixture();

    std::vector<QUrl> opened;
    bool openerSucceeds = true;
    std::unique_ptr<app::MainWindow> window;
    worksheet::Worksheet& ws;
    content::MainControls& ui;
    model::Model& model;

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
    // The copy each slot holds, slot by slot.
    QList<std::int16_t> placedCopies() const;
    // Empty when every picture of `copy` is home: its card on its palette column, its twins
    // parked above their containers; otherwise the first picture that is not, and where it lies.
    QString awayFromHome(int copy) const;
    // Empty when nothing is revealed as on a fresh worksheet: the grade, the notes and every
    // coefficient box hidden, the boxes empty; otherwise the first thing that shows.
    QString revealed() const;
};

// Lefts of the five palette columns and the top of the palette cards: five 2235-twip cards with
// six gaps of 157.5 between the viewport's left edge (120) and the grade label (12240).
inline constexpr std::array<float, 5> kPaletteLefts{277.5f, 2670.0f, 5062.5f, 7455.0f, 9847.5f};
inline constexpr float kPaletteTop = 232.5f;
// Parked twins lie a card's height and 60 twips above their container, five to a row with equal
// gaps: in the viewport (13095 wide) and in each section box (12435).
inline constexpr float kParkedTop = -495.0f;
inline float parkedViewportLeft(int column) {
    return 320.0f + 2555.0f * column;
}
inline float parkedSectionLeft(int column) {
    return 210.0f + 2445.0f * column;
}
// A dropped card and its viewport twin wait just left of their containers.
inline constexpr QPointF kAside{-2235, 0};

inline QPointF at(const controls::Control& control) {
    return {control.left(), control.top()};
}
QString where(const controls::Control& control);

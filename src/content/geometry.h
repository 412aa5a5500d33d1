#pragma once

#include "model/description.h"

#include <QPointF>
#include <QRect>

#include <cmath>

// Where everything lies in the main window. Places are kept in twips, as the worksheet gives
// them, and turned into pixels in one place, the zoom: 15 twips a pixel at 100 %, times the zoom.
namespace content {

inline constexpr double kTwipsPerPixel = 15;

// How large the worksheet is shown: 1 is 100 %.
class Zoom {
public:
    constexpr Zoom() = default;
    constexpr explicit Zoom(double factor) : factor_(factor) {}

    constexpr double factor() const { return factor_; }

    // Halves round up, on either side of zero: a card dragged past the window's top edge keeps
    // its height, where rounding halves away from zero would stretch it by a pixel.
    int toPixels(double twips) const {
        return int(std::floor(twips * factor_ / kTwipsPerPixel + 0.5));
    }
    // Each edge rounded on its own, so that neighbours meet exactly.
    QRect toPixels(const model::Rect& twips) const {
        const int left = toPixels(twips.left);
        const int top = toPixels(twips.top);
        return QRect(left, top, toPixels(twips.right()) - left, toPixels(twips.bottom()) - top);
    }
    // Where a drawing lies: its corner and its size rounded each on its own, so that a card is
    // one size on the palette, in a blank and under the pointer, and one picture serves them
    // all. At 100 % the worksheet's drawings lie on the same pixels either way.
    QRect pictureRect(const model::Rect& twips) const {
        return QRect(toPixels(twips.left), toPixels(twips.top), toPixels(twips.width),
                     toPixels(twips.height));
    }
    QPointF toTwips(QPointF pixels) const { return pixels * kTwipsPerPixel / factor_; }

    friend constexpr bool operator==(Zoom, Zoom) = default;

private:
    double factor_ = 1;
};

// At 100 %: the paper, the About window and the pictures the build renders.
inline int toPixels(double twips) {
    return Zoom().toPixels(twips);
}
inline QRect toPixels(const model::Rect& twips) {
    return Zoom().toPixels(twips);
}
inline model::Rect translated(const model::Rect& r, double dx, double dy) {
    return {r.left + dx, r.top + dy, r.width, r.height};
}

// The main window's client area, and what lies in it: the viewport that shows one section at a
// time, the scroll bar beside it that turns the sections, and the palette strip above them,
// from the viewport's left edge to the grade.
inline constexpr model::Rect kClientArea{0, 0, 13725, 8220};
inline constexpr model::Rect kViewport{120, 900, 13095, 7095};
inline constexpr model::Rect kScrollBar{13320, 900, 195, 7095};
// The grade's corner; it is as large as its caption needs.
inline constexpr QPointF kGradeCorner{12240, 60};

inline constexpr double kCardWidth = 2235;
inline constexpr double kCardHeight = 435;
inline constexpr double kBoxWidth = 435;
inline constexpr double kBoxHeight = 330;

// A dragged card lies this far right of the pointer, its middle on the pointer's height, so that
// it is never under the pointer itself.
inline constexpr double kGhostOffset = 60;
// Within this many twips of the client area's edges a drag ends.
inline constexpr double kEdgeZone = 180;

// The front card of palette column 0 (leftmost) to 4, in the client area: five columns with six
// equal gaps between the viewport's left edge and the grade, centred between the window's top
// and the viewport.
model::Rect paletteCard(int column);

// A section's box, and where it lies in the viewport while it is shown: in the middle.
model::Rect sectionBox(int section);

// In a section box: a reaction's picture, the card laid on a blank, the green slot of a blank
// that the card covers, a coefficient box.
inline const model::Rect& reactionPicture(int reaction) {
    return model::reaction(reaction).place;
}
model::Rect placedCard(int blank);
model::Rect slotOf(int blank);
model::Rect coefficientBox(int box);

// The dragged card with the pointer at `pointer`, in the same coordinates.
model::Rect ghostAt(QPointF pointer);

// Whether a point of the client area lies in the edge zone, where a drag ends.
bool inEdgeZone(QPointF client);

} // namespace content

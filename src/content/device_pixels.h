#pragma once

#include <QColor>
#include <QRect>
#include <QRectF>
#include <QSize>

class QPainter;

// Whole pixels of the device. On a screen scaled by a fraction (125 %, 150 %) a widget may begin
// between two pixels of the device, and a picture or an edge put where its logical corner falls
// would be smeared across two; what is put through these lands on whole ones, every frame and
// text as sharp as at 100 %. At a ratio of 1 or 2 they change nothing.
namespace content {

// The size in pixels of the device of `logical` pixels at `ratio`: each side rounded, halves up.
QSize devicePixels(QSize logical, qreal ratio);

// Where `area`, in the painter's coordinates, lies on whole pixels of the device: its corner
// moved to the nearest, its size `area`'s times the painter's scale to the device, rounded.
QRectF onDevicePixels(const QPainter& painter, const QRect& area);

// A frame `width` pixels wide lying wholly inside `outer`, as four filled bands, both on whole
// pixels of the device: the same pixels as a rectangle stroked with a pen that wide, at a
// fraction of what the stroker costs.
void fillFrame(QPainter& painter, const QRect& outer, qreal width, const QColor& color);

} // namespace content

#pragma once

#include "content/device_pixels.h"

#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <map>
#include <set>
#include <tuple>

class QPainter;

namespace content {

class PictureCache;

// A scalable picture given in its own logical units, stretched to wherever it is shown; each size
// and device pixel ratio is rendered once and the pixmap shared by every place that shows the
// drawing.
class Drawing {
public:
    virtual ~Drawing() = default;

    // Extent of the logical coordinate space that paint() draws into.
    virtual QSizeF logicalSize() const = 0;

    // Paints in logical coordinates; the painter is already scaled to the target.
    virtual void paint(QPainter& painter) const = 0;

    // What the drawing shows, in words a screen reader can say; empty for decoration.
    virtual QString accessibleName() const { return {}; }

    // The name the build keeps its pictures under; empty for a drawing rendered only as the
    // program runs.
    virtual QString pictureName() const { return {}; }

    // The drawing stretched to `pixels` pixels of a device of `devicePixelRatio`, kept for the
    // next time that size is asked for. Where the build rendered no picture of that size,
    // `cache` gives the one a run before rendered, or keeps the one rendered now for the next.
    QPixmap pixmap(QSize pixels, qreal devicePixelRatio, PictureCache* cache = nullptr) const;
    // The same rendered afresh and kept nowhere, for a picture used once.
    QImage rendered(QSize pixels, qreal devicePixelRatio) const;

    // Draws the drawing stretched to `area`, put on whole pixels of the device. The first time a
    // size is asked for it is copied straight from the picture the build rendered for that size,
    // or from `cache`, or painted straight where there is neither, unless many places show it at
    // once; from then on it comes from its pixmap. So a first frame and a first showing keep no
    // pixmaps they do not need, and whatever is drawn again is drawn fast. `times` draws it so
    // many times over, as a stack of cards lies one on another.
    void draw(QPainter& painter, const QRect& area, PictureCache* cache = nullptr,
              int times = 1) const;

    // Lets go of the pixmaps rendered so far: a drawing not on the screen holds no memory.
    void releasePixmaps() const { cache_.clear(); }

protected:
    // Whether many places show this drawing side by side, so that its pixmap pays at once.
    virtual bool shownManyTimes() const { return false; }
    // Whether it covers every pixel it is drawn on: such a drawing is rendered as the screen
    // would render it, without a transparent ground, where text is smoothed otherwise.
    virtual bool isOpaque() const { return false; }

private:
    using Key = std::tuple<int, int, qreal>;
    // A picture from `cache`, or rendered now and given to `cache` to keep.
    QImage cachedPicture(QSize pixels, qreal ratio, PictureCache& cache) const;
    void paintInto(QPainter& painter, const QRectF& target) const;

    mutable std::map<Key, QPixmap> cache_;
    // Sizes painted once without a pixmap.
    mutable std::set<Key> paintedOnce_;
};

} // namespace content

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

// Pictures of the window's drawings rendered when the program is built, at the sizes and pixel
// ratios the window shows them, kept in its resources: copying one out costs a small part of
// painting its paths and glyphs, which every start would otherwise do.
//
// They are kept as runs of pixels: a word n below 2^31 followed by one pixel repeated n times,
// or the word 2^31 + n followed by n pixels as they are. Drawings of flat fills and clean edges
// shrink about tenfold, and unpacking is little more than filling memory.
namespace content {

// One picture: the drawing's name, the pixel ratio, the size in device-independent pixels, and
// the image (premultiplied ARGB, `size` × `ratio` pixels).
struct Prerendered {
    QString name;
    qreal ratio = 1;
    QSize size;
    QImage image;
};

// The pixel ratios the build renders for: ordinary screens and those scaled to 200 %.
inline constexpr qreal kPrerenderedRatios[] = {1, 2};

// The archive the build writes, and what a program reads back from it.
QByteArray packPictures(const std::vector<Prerendered>& pictures);
std::optional<QImage> unpackPicture(QByteArrayView archive, const QString& name, QSize size,
                                    qreal ratio);

// The picture of drawing `name` from the program's own resources, where the build put one for
// that size and ratio.
std::optional<QImage> prerenderedPicture(const QString& name, QSize size, qreal ratio);
bool hasPrerenderedPicture(const QString& name, QSize size, qreal ratio);

// The same picture unpacked into memory that the next call unpacks into again: for a picture
// painted once and not kept. The image is valid until the next call.
std::optional<QImage> borrowedPrerenderedPicture(const QString& name, QSize size, qreal ratio);

} // namespace content

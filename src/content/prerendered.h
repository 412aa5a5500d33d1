#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

// Pictures of the window's drawings rendered when the program is built, at the sizes and pixel
// ratios the window shows them at 100 %, kept in its resources: copying one out costs a small
// part of painting its paths and glyphs, which every start would otherwise do.
//
// They are kept as runs of pixels: a word n below 2^31 followed by one pixel repeated n times,
// or the word 2^31 + n followed by n pixels as they are. Drawings of flat fills and clean edges
// shrink about tenfold, and unpacking is little more than filling memory.
namespace content {

// One picture: the drawing's name, the pixel ratio it was rendered for, and the image
// (premultiplied ARGB), whose size in pixels of the device names it.
struct Prerendered {
    QString name;
    qreal ratio = 1;
    QImage image;
};

// The pixel ratios the build renders for: ordinary screens and those scaled to 200 %.
inline constexpr qreal kPrerenderedRatios[] = {1, 2};

// A picture's pixels as runs, and back into an image of the picture's size; damaged or short
// runs fill nothing and give false.
QByteArray packRuns(const QImage& image);
bool unpackRuns(QByteArrayView runs, QImage& into);

// The archive the build writes, and what a program reads back from it. The archive carries its
// edition: a fingerprint of every picture in it, which changes whenever a drawing does.
QByteArray packPictures(const std::vector<Prerendered>& pictures);
std::optional<QImage> unpackPicture(QByteArrayView archive, const QString& name, QSize pixels,
                                    qreal ratio);
QByteArray archiveEdition(QByteArrayView archive);

// The picture of drawing `name`, `pixels` device pixels at `ratio`, from the program's own
// resources, where the build put one.
std::optional<QImage> prerenderedPicture(const QString& name, QSize pixels, qreal ratio);

// The edition of the program's own pictures: pictures rendered as the program runs are kept
// for the next start under it, and no program with other drawings takes them for its own.
QByteArray prerenderedEdition();

} // namespace content

#include "content/drawings.h"

#include "content/prerendered.h"

#include <QIconEngine>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace content {

namespace {

// The cursor and the drag icon are pixel art: at 32 pixels a drawn outline would blur, and the
// fingertip must sit exactly on the hot spot.
using PixelRows = std::array<std::string_view, 32>;

struct Ink {
    char key;
    QRgb colour;
};

// Black outline, white skin and a navy cuff, shared by the cursor's hand and the drag icon's.
constexpr Ink kOutline{'K', 0xFF000000};
constexpr Ink kSkin{'W', 0xFFFFFFFF};
constexpr Ink kCuff{'C', 0xFF000080};

// Every character not named by an ink stays transparent.
QImage pixelArt(const PixelRows& rows, std::initializer_list<Ink> inks) {
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32 && x < int(rows[y].size()); ++x) {
            for (const Ink& ink : inks) {
                if (rows[y][x] == ink.key)
                    image.setPixel(x, y, ink.colour);
            }
        }
    }
    return image;
}

// Index finger up with its tip at (12, 1), the other fingers curled, the thumb out to the left.
constexpr PixelRows kPointingHand{
    "...........KKK..................", "..........KWWWK.................",
    "..........KWWWK.................", "..........KWWWK.................",
    "..........KWWWK.................", "..........KWWWK.................",
    "..........KWWWK.................", "..........KWWWKKKK..............",
    "..........KWWWKWWWK.............", "..........KWWWKWWWKKKK..........",
    "..........KWWWKWWWKWWWK.........", "..........KWWWKWWWKWWWKKKK......",
    "..........KWWWKWWWKWWWKWWWK.....", ".....KK...KWWWKWWWKWWWKWWWK.....",
    "....KWWK..KWWWWWWWWWWWWWWWK.....", "....KWWWK.KWWWWWWWWWWWWWWWK.....",
    ".....KWWWWWWWWWWWWWWWWWWWWK.....", "......KWWWWWWWWWWWWWWWWWWWK.....",
    ".......KWWWWWWWWWWWWWWWWWWK.....", "........KWWWWWWWWWWWWWWWWWK.....",
    ".........KWWWWWWWWWWWWWWWWK.....", "..........KWWWWWWWWWWWWWWWK.....",
    "..........KWWWWWWWWWWWWWWWK.....", "...........KWWWWWWWWWWWWWK......",
    "...........KKKKKKKKKKKKKKK......", "...........KCCCCCCCCCCCCCK......",
    "...........KCCCCCCCCCCCCCK......", "...........KCCCCCCCCCCCCCK......",
    "...........KCCCCCCCCCCCCCK......", "...........KCCCCCCCCCCCCCK......",
    "...........KKKKKKKKKKKKKKK......", "................................",
};

// The hand pointing down into an open tray, in the sixteen colours of an icon.
constexpr PixelRows kHandOverTray{
    ".........KKKKKKKKKKKKKK.........", ".........KCCCCCCCCCCCCK.........",
    ".........KCCCCCCCCCCCCK.........", ".........KKKKKKKKKKKKKK.........",
    "........KWWWWWWWWWWWWWWK........", "........KWWWWWWWWWWWWWWK........",
    ".......KWWWWWWWWWWWWWWWK........", "......KWWWKWWWWWWWWWWWWK........",
    ".....KWWWK.KWWWKWWWKWWWK........", ".....KWWK..KWWWKWWWKWWWK........",
    "......KK...KWWWKWWWKKKK.........", "...........KWWWKKKK.............",
    "...........KWWWK................", "...........KWWWK................",
    "...........KWWWK................", "...........KWWWK................",
    "............KKK.................", "................................",
    "...KKKKKKKKKKKKKKKKKKKKKKKKKK...", "..KGGGGGGGGGGGGGGGGGGGGGGGGGGK..",
    ".KGGGGGGGGGGGGGGGGGGGGGGGGGGGGK.", "KKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKK",
    "KHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHK", "KLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLK",
    "KLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLK", "KLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLK",
    "KLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLK", ".KGGGGGGGGGGGGGGGGGGGGGGGGGGGGK.",
    "..KKKKKKKKKKKKKKKKKKKKKKKKKKKK..", "................................",
    "................................", "................................",
};

class DragIconDrawing : public Drawing {
public:
    DragIconDrawing()
        : image_(pixelArt(
              kHandOverTray,
              {kOutline, kSkin, kCuff, {'G', 0xFF808080}, {'L', 0xFFC0C0C0}, {'H', 0xFFFFFFFF}})) {}

    QSizeF logicalSize() const override { return {32, 32}; }

    // Stretched pixel for pixel, without smoothing, so that it stays crisp on scaled screens.
    void paint(QPainter& painter) const override {
        painter.drawImage(QRectF(0, 0, 32, 32), image_);
    }

private:
    QImage image_;
};

// An Erlenmeyer flask half full of green liquid, bold enough to read at 16 pixels.
class FlaskDrawing : public Drawing {
public:
    QSizeF logicalSize() const override { return {64, 64}; }
    QString pictureName() const override { return QStringLiteral("window-icon"); }

    void paint(QPainter& painter) const override {
        const QColor outline(0x1F, 0x2F, 0x3F);
        QPainterPath glass;
        glass.moveTo(26, 8);
        glass.lineTo(26, 24);
        glass.lineTo(7.5, 52);
        glass.quadTo(5, 58, 11, 58);
        glass.lineTo(53, 58);
        glass.quadTo(59, 58, 56.5, 52);
        glass.lineTo(38, 24);
        glass.lineTo(38, 8);
        glass.closeSubpath();

        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xE6, 0xF4, 0xFF));
        painter.drawPath(glass);

        QPainterPath below;
        below.addRect(0, 36, 64, 28);
        QLinearGradient liquid(0, 36, 0, 58);
        liquid.setColorAt(0, QColor(0x66, 0xEE, 0x55));
        liquid.setColorAt(1, QColor(0x10, 0x99, 0x10));
        painter.setBrush(liquid);
        painter.drawPath(glass.intersected(below));

        // Bubbles rising through the liquid.
        painter.setBrush(QColor(0xCC, 0xFF, 0xCC));
        painter.drawEllipse(QPointF(25, 49), 2.2, 2.2);
        painter.drawEllipse(QPointF(34, 43), 1.6, 1.6);
        painter.drawEllipse(QPointF(41, 51), 2.6, 2.6);

        painter.setPen(QPen(QColor(255, 255, 255, 200), 2.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(22, 30), QPointF(13, 48));

        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(outline, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(glass);
        painter.setBrush(QColor(0xE6, 0xF4, 0xFF));
        painter.drawRoundedRect(QRectF(22, 3, 20, 6), 2, 2);
    }
};

// An icon painted from a drawing when a size of it is asked for, not beforehand: the window
// icon alone would otherwise render nine sizes before the window could show. Nothing is kept:
// the window system takes each size once, and holding them would only hold memory.
class DrawingIconEngine : public QIconEngine {
public:
    explicit DrawingIconEngine(const Drawing& drawing) : drawing_(drawing) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->drawImage(rect, image(rect.size(), painter->device()->devicePixelRatioF()));
    }
    // In pixels of the screen: the icon sets the pixel ratio itself.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return QPixmap::fromImage(image(size, 1));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return windowIconSizes(); }
    QIconEngine* clone() const override { return new DrawingIconEngine(drawing_); }
    QString key() const override { return QStringLiteral("drawing"); }

private:
    // The build's picture of that size where there is one.
    QImage image(QSize size, qreal ratio) const {
        const QSize pixels = devicePixels(size, ratio);
        if (std::optional<QImage> built = prerenderedPicture(drawing_.pictureName(), pixels, ratio))
            return *built;
        return drawing_.rendered(pixels, ratio);
    }

    const Drawing& drawing_;
};

} // namespace

const Drawing& dragIconDrawing() {
    static const DragIconDrawing icon;
    return icon;
}

QCursor handCursor() {
    static const QCursor cursor(
        QPixmap::fromImage(pixelArt(kPointingHand, {kOutline, kSkin, kCuff})), 12, 1);
    return cursor;
}

const Drawing& windowIconDrawing() {
    static const FlaskDrawing flask;
    return flask;
}

QIcon windowIcon() {
    return QIcon(new DrawingIconEngine(windowIconDrawing()));
}

QList<QSize> windowIconSizes() {
    QList<QSize> sizes;
    for (int side : {16, 20, 24, 32, 40, 48, 64, 128, 256})
        sizes.append(QSize(side, side));
    return sizes;
}

} // namespace content

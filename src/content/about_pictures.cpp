#include "content/about_pictures.h"

#include "content/fonts.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace content {

namespace {

const QColor kEmblemRed(0x80, 0x00, 0x00);
const QString kPlaceName = QStringLiteral("ΦΛΟΚΑΡΙΑ");
const QString kYear = QStringLiteral("1979");
const QString kInitial = QStringLiteral("Λ");

QFont emblemFont(int pixelSize) {
    QFont font = sansSerifFont();
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

// Letters the text along a circle around `centre`, centred on its top or its bottom, every letter
// standing on the circle. On top their heads point away from the centre, at the bottom towards
// it, so that both arcs read from left to right the right way up.
void letterAlongArc(QPainter& painter, QPointF centre, qreal radius, const QString& text,
                    qreal letterSpacing, bool onTop) {
    const QFontMetricsF metrics(painter.font());
    qreal length = 0;
    for (const QChar letter : text)
        length += metrics.horizontalAdvance(letter) + letterSpacing;
    length -= letterSpacing;

    // Angles in degrees, clockwise from the positive x axis, as the painter's y axis points down.
    const qreal middle = onTop ? -90 : 90;
    const qreal direction = onTop ? 1 : -1;
    qreal along = -length / 2;
    for (const QChar letter : text) {
        const qreal advance = metrics.horizontalAdvance(letter);
        const qreal angle = middle + direction * qRadiansToDegrees((along + advance / 2) / radius);
        painter.save();
        painter.translate(centre.x() + radius * qCos(qDegreesToRadians(angle)),
                          centre.y() + radius * qSin(qDegreesToRadians(angle)));
        painter.rotate(onTop ? angle + 90 : angle - 90);
        painter.drawText(QPointF(-advance / 2, 0), QString(letter));
        painter.restore();
        along += advance + letterSpacing;
    }
}

class SchoolEmblem : public Drawing {
public:
    QSizeF logicalSize() const override { return {kSide, kSide}; }

    void paint(QPainter& painter) const override {
        const QPointF centre(kSide / 2, kSide / 2);
        // Lines only, on a transparent ground: the emblem lies over the author's name, which
        // must read through it.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kEmblemRed, 70));
        painter.drawEllipse(centre, 1555, 1555);
        painter.setPen(QPen(kEmblemRed, 18));
        painter.drawEllipse(centre, 1470, 1470);
        painter.setPen(QPen(kEmblemRed, 40));
        painter.drawEllipse(centre, 1030, 1030);

        // Dots between the ends of the two arcs of lettering.
        painter.setPen(Qt::NoPen);
        painter.setBrush(kEmblemRed);
        painter.drawEllipse(QPointF(centre.x() - 1250, centre.y()), 55, 55);
        painter.drawEllipse(QPointF(centre.x() + 1250, centre.y()), 55, 55);

        painter.setPen(kEmblemRed);
        painter.setFont(emblemFont(300));
        letterAlongArc(painter, centre, 1130, kPlaceName, 70, true);
        letterAlongArc(painter, centre, 1380, kYear, 90, false);

        // The initial goes in the middle by its own outline, not by the font's line box.
        QPainterPath initial;
        initial.addText(0, 0, emblemFont(1250), kInitial);
        initial.translate(centre - initial.boundingRect().center());
        painter.setBrush(kEmblemRed);
        painter.setPen(Qt::NoPen);
        painter.drawPath(initial);
    }

private:
    static constexpr qreal kSide = 3197;
};

} // namespace

std::unique_ptr<Drawing> makeSchoolEmblem() {
    return std::make_unique<SchoolEmblem>();
}

QImage makeMakerLogo() {
    constexpr int kSide = 960;
    QImage logo(kSide, kSide, QImage::Format_RGB32);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, kSide, kSide);
    sky.setColorAt(0, QColor(0x0b, 0x3d, 0x91));
    sky.setColorAt(1, QColor(0x1f, 0xa2, 0xa6));
    painter.fillRect(logo.rect(), sky);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf2, 0x8c, 0x28, 210));
    painter.drawEllipse(QPointF(350, 390), 230, 230);
    painter.setBrush(QColor(0xf6, 0xd5, 0x5c, 200));
    painter.drawEllipse(QPointF(590, 330), 190, 190);
    painter.setBrush(QColor(0xd6, 0x33, 0x6c, 190));
    painter.drawEllipse(QPointF(530, 580), 210, 210);

    QPainterPath wave(QPointF(90, 800));
    wave.cubicTo(260, 700, 400, 900, 560, 800);
    wave.cubicTo(700, 710, 800, 860, 870, 780);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 36, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(wave);

    painter.setPen(QPen(QColor(255, 255, 255, 160), 14));
    painter.drawRect(QRectF(40, 40, kSide - 80, kSide - 80));
    painter.end();
    return logo;
}

} // namespace content

#include "content/drawings.h"

#include "content/fonts.h"
#include "content/geometry.h"
#include "content/label.h"
#include "content/spoken.h"
#include "content/texts.h"
#include "model/description.h"

#include <QFontMetricsF>
#include <QPainter>

#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace content {

namespace {

const QColor kGreen(0x00, 0xFF, 0x00);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kNearBlack(0x1F, 0x1A, 0x17);

// The fills of the cards, the picture frames and the slots. Paper has its own: on a black-and-white
// printer the screen's bright green turns a middle grey, which dims the formulas on the cards and
// leaves a blank too dark to write in; pale faces and white slots keep both clear.
struct Fills {
    QColor card;
    QColor frame;
    QColor slot;
};
const Fills kScreenFills{kGreen, kYellow, kGreen};
const Fills kPaperFills{QColor(0xC8, 0xF0, 0xC8), QColor(0xFF, 0xF3, 0xB0), QColor(Qt::white)};

constexpr qreal kLogicalWidth = 16000;
// A reaction picture's outlines, about one pixel wide at the sizes the window shows, in the
// picture's logical units.
constexpr qreal kReactionLine = 30;

// Every text of the drawings is set in one face at one reference size and scaled to its own
// character height: a single font engine then serves all of them, where each height of its own
// would cost a font match and an engine of its own.
constexpr qreal kReferenceHeight = 1000;

QFont drawingFont() {
    QFont font = sansSerifFont();
    font.setPixelSize(int(kReferenceHeight));
    font.setBold(true);
    return font;
}

// The reference face's metrics, in logical units of a text `characterHeight` high.
class DrawingMetrics {
public:
    DrawingMetrics() : metrics_(drawingFont()) {}

    qreal advance(const QString& text, qreal characterHeight) const {
        return metrics_.horizontalAdvance(text) * characterHeight / kReferenceHeight;
    }
    qreal capHeight(qreal characterHeight) const {
        return metrics_.capHeight() * characterHeight / kReferenceHeight;
    }
    qreal ascent(qreal characterHeight) const {
        return metrics_.ascent() * characterHeight / kReferenceHeight;
    }
    qreal descent(qreal characterHeight) const {
        return metrics_.descent() * characterHeight / kReferenceHeight;
    }

private:
    QFontMetricsF metrics_;
};

// A formula set in one character height, with its indices at half that height: "CH_3",
// "C_νH_{2ν+1}COOH", "OH^−". After _ (lowered) or ^ (raised) comes one character or a braced
// group. It is measured once and then drawn as often as asked; it holds no font, so that it may
// outlive the application with the drawing that keeps it.
class Formula {
public:
    Formula(QStringView markup, int characterHeight, const DrawingMetrics& metrics) {
        const qreal indexHeight = qRound(characterHeight / 2.0);
        for (qsizetype i = 0; i < markup.size(); ++i) {
            const QChar mark = markup[i];
            if ((mark != u'_' && mark != u'^') || i + 1 == markup.size()) {
                append(markup.mid(i, 1), characterHeight, 0, metrics);
                continue;
            }
            // Indices drop a fifth of the height, as on the cards; charges rise to the tops of
            // the capitals, so that H⁺ and OH⁻ read as charges and not as a following term.
            const qreal shift = characterHeight * (mark == u'_' ? 0.2 : -0.42);
            qsizetype end = i + 2;
            QStringView group = markup.mid(i + 1, 1);
            if (markup[i + 1] == u'{') {
                end = markup.indexOf(u'}', i + 2);
                group = markup.mid(i + 2, end - i - 2);
                ++end;
            }
            append(group, indexHeight, shift, metrics);
            i = end - 1;
        }
    }

    qreal width() const { return width_; }

    // The painter's font must be drawingFont().
    void draw(QPainter& painter, QPointF baselineStart) const {
        for (const Run& run : runs_) {
            painter.save();
            painter.translate(baselineStart + QPointF(run.x, run.shift));
            const qreal scale = run.height / kReferenceHeight;
            painter.scale(scale, scale);
            painter.drawText(QPointF(0, 0), run.text);
            painter.restore();
        }
    }

private:
    struct Run {
        QString text;
        qreal height;
        qreal x;
        qreal shift;
    };

    void append(QStringView text, qreal height, qreal shift, const DrawingMetrics& metrics) {
        if (!runs_.empty() && runs_.back().shift == shift && runs_.back().height == height) {
            runs_.back().text += text;
        } else {
            runs_.push_back({text.toString(), height, width_, shift});
        }
        const Run& run = runs_.back();
        width_ = run.x + metrics.advance(run.text, run.height);
    }

    std::vector<Run> runs_;
    qreal width_ = 0;
};

// A face, a slot or a frame: a rounded rectangle whose corners stay elliptical when the drawing is
// stretched to a control that is not of its proportions.
void roundedBox(QPainter& painter, const QRectF& rect, qreal radius, const QBrush& fill,
                const QPen& outline) {
    painter.setBrush(fill);
    painter.setPen(outline);
    painter.drawRoundedRect(rect, radius, radius);
}

// ---- Cards --------------------------------------------------------------------------------------

class CardDrawing : public Drawing {
public:
    CardDrawing(int compound, const Fills& fills, QString pictureName)
        : markup_(texts::fromModel(model::kCompoundTable.at(compound).markup)),
          spoken_(spoken::compound(compound)), fills_(fills), pictureName_(std::move(pictureName)) {
    }

    QSizeF logicalSize() const override { return {kLogicalWidth, 3102}; }
    QString accessibleName() const override { return spoken_; }
    QString pictureName() const override { return pictureName_; }

    void paint(QPainter& painter) const override {
        const QRectF face(98, 74, 15926 - 98, 3028 - 74);
        roundedBox(painter, face, 620, fills_.card, QPen(kNearBlack, 90));
        if (!formula_)
            formula_.emplace(markup_, 2060, DrawingMetrics());
        painter.setPen(Qt::black);
        painter.setFont(drawingFont());
        formula_->draw(painter, QPointF(face.center().x() - formula_->width() / 2, 2109));
    }

protected:
    // Eighteen cards of a compound lie stacked on its palette column.
    bool shownManyTimes() const override { return true; }

private:
    QString markup_;
    QString spoken_;
    const Fills& fills_;
    QString pictureName_;
    // Measured when first painted, when there are fonts to measure with.
    mutable std::optional<Formula> formula_;
};

// ---- Reaction pictures --------------------------------------------------------------------------

QRectF box(model::Span span, model::Band band) {
    return QRectF(QPointF(span.left, band.top), QPointF(span.right, band.bottom));
}

bool hasPicture(int picture) {
    return picture >= 0 && picture < model::kReactions;
}

class ReactionDrawing : public Drawing {
public:
    ReactionDrawing(int number, const Fills& fills, QString pictureName)
        : reaction_(model::reaction(number)),
          spoken_(texts::translated("Reactions", reaction_.spoken)), fills_(fills),
          pictureName_(std::move(pictureName)) {}

    QSizeF logicalSize() const override { return {kLogicalWidth, reaction_.row->height}; }
    QString accessibleName() const override { return spoken_; }
    QString pictureName() const override { return pictureName_; }

    void paint(QPainter& painter) const override {
        const model::Row& row = *reaction_.row;
        const QPen outline(Qt::black, kReactionLine);
        roundedBox(painter,
                   QRectF(kInset, kInset, kLogicalWidth - 2 * kInset, row.height - 2 * kInset), 160,
                   fills_.frame, outline);
        for (int side = 0; side < reaction_.blankCount; ++side)
            roundedBox(painter, box(reaction_.blanks.at(side).slot, row.slot), 90, fills_.slot,
                       outline);
        QPen dashes(kNearBlack, kReactionLine, Qt::CustomDashLine, Qt::FlatCap);
        dashes.setDashPattern({4, 2.5});
        for (int m = 0; m < reaction_.markCount; ++m) {
            const model::Mark& mark = reaction_.marks.at(m);
            roundedBox(painter, box(mark.span, mark.band), 90, Qt::NoBrush, dashes);
        }
        paintArrow(painter, row);

        painter.setPen(Qt::black);
        painter.setFont(drawingFont());
        for (const Placed& text : laidOut())
            text.formula.draw(painter, text.baselineStart);
    }

private:
    // The frame lies just inside the picture.
    static constexpr qreal kInset = 30;

    struct Placed {
        Formula formula;
        QPointF baselineStart;
    };

    void paintArrow(QPainter& painter, const model::Row& row) const {
        const model::Arrow& arrow = reaction_.arrow;
        painter.setPen(Qt::NoPen);
        painter.setBrush(kNearBlack);
        painter.drawRect(box(arrow.bar, row.bar));
        const qreal middle = (row.head.top + row.head.bottom) / 2;
        const QPointF head[] = {{arrow.head.left, row.head.top},
                                {arrow.head.right, middle},
                                {arrow.head.left, row.head.bottom}};
        painter.drawPolygon(head, 3);
    }

    // Every text of the picture where it stands, measured on the first paint. Formulas are
    // centred on the arrow by their capitals, the way the eye lines them up; the condition over
    // the arrow clears the bar by its descenders, the one under it hangs below the bar by its
    // accents.
    const std::vector<Placed>& laidOut() const {
        if (laidOut_)
            return *laidOut_;
        const DrawingMetrics metrics;
        const model::Row& row = *reaction_.row;
        auto& texts = laidOut_.emplace();
        const qreal baseline =
            (row.bar.top + row.bar.bottom) / 2 + metrics.capHeight(row.formulaHeight) / 2;
        for (const model::TextAt& text : reaction_.texts) {
            if (!text.markup.empty())
                texts.push_back(
                    {Formula(markup(text), row.formulaHeight, metrics), {text.x, baseline}});
        }
        if (row.labelHeight == 0)
            return texts;
        const qreal gap = row.labelHeight / 10.0;
        const model::Arrow& arrow = reaction_.arrow;
        if (!arrow.above.markup.empty())
            texts.push_back(
                {Formula(markup(arrow.above), row.labelHeight, metrics),
                 {arrow.above.x, row.bar.top - gap - metrics.descent(row.labelHeight)}});
        if (!arrow.below.markup.empty())
            texts.push_back(
                {Formula(markup(arrow.below), row.labelHeight, metrics),
                 {arrow.below.x, row.bar.bottom + gap + metrics.ascent(row.labelHeight)}});
        return texts;
    }

    // Formulas have no entry in the catalogue and come back as they are; the words over the
    // arrows are looked up like every other.
    static QString markup(const model::TextAt& text) {
        return texts::translated("Reactions", text.markup);
    }

    const model::Reaction& reaction_;
    QString spoken_;
    const Fills& fills_;
    QString pictureName_;
    mutable std::optional<std::vector<Placed>> laidOut_;
};

// The window's drawings have pictures from the build, under these names; paper's are drawn
// straight into the document.
QString pictureNameOf(const char* kind, int number, const Fills& fills) {
    return &fills == &kScreenFills ? QStringLiteral("%1-%2").arg(QLatin1String(kind)).arg(number)
                                   : QString();
}

std::array<CardDrawing, model::kCompounds> cards(const Fills& fills) {
    return {CardDrawing(0, fills, pictureNameOf("card", 0, fills)),
            CardDrawing(1, fills, pictureNameOf("card", 1, fills)),
            CardDrawing(2, fills, pictureNameOf("card", 2, fills)),
            CardDrawing(3, fills, pictureNameOf("card", 3, fills)),
            CardDrawing(4, fills, pictureNameOf("card", 4, fills))};
}

std::vector<ReactionDrawing> reactions(const Fills& fills) {
    std::vector<ReactionDrawing> made;
    made.reserve(model::kReactions);
    for (int number = 0; number < model::kReactions; ++number)
        made.emplace_back(number, fills, pictureNameOf("reaction", number, fills));
    return made;
}

// ---- Titles -------------------------------------------------------------------------------------

// A title's tab, drawn in pixels of the window: its text is set as the window's own texts are, not
// stretched.
class TitleDrawing : public Drawing {
public:
    explicit TitleDrawing(int section)
        : caption_(texts::sectionTitle(section)), pixels_(toPixels(model::kTitleRect).size()),
          pictureName_(QStringLiteral("title-%1").arg(section)) {}

    QSizeF logicalSize() const override { return pixels_; }
    QString accessibleName() const override { return caption_; }
    QString pictureName() const override { return pictureName_; }

    // Its border is a crisp pixel line, as the window draws its other texts' borders.
    void paint(QPainter& painter) const override {
        painter.setRenderHint(QPainter::Antialiasing, false);
        paintLabel(painter, QRect(QPoint(0, 0), pixels_), titleStyle(), caption_);
    }

protected:
    bool isOpaque() const override { return true; }

private:
    QString caption_;
    QSize pixels_;
    QString pictureName_;
};

// The green slot of a reaction picture where a card goes, in the picture's logical units: side 0
// is the left or only blank, side 1 the right one. Empty for a blank the picture does not have.
QRectF slotRect(int picture, int side) {
    if (!hasPicture(picture))
        return {};
    const model::Reaction& drawn = model::reaction(picture);
    if (side < 0 || side >= drawn.blankCount)
        return {};
    return box(drawn.blanks.at(side).slot, drawn.row->slot);
}

} // namespace

const Drawing* titleDrawing(int section) {
    static const std::array<std::optional<TitleDrawing>, model::kSections> titles = [] {
        std::array<std::optional<TitleDrawing>, model::kSections> made;
        for (int s = 0; s < model::kSections; ++s) {
            if (!model::section(s).title.empty())
                made[s].emplace(s);
        }
        return made;
    }();
    const auto& title = titles.at(section);
    return title ? &*title : nullptr;
}

const Drawing& cardDrawing(int compound) {
    static const std::array<CardDrawing, model::kCompounds> drawings = cards(kScreenFills);
    return drawings.at(compound);
}

const Drawing& reactionDrawing(int picture) {
    static const std::vector<ReactionDrawing> drawings = reactions(kScreenFills);
    return drawings.at(picture);
}

const Drawing& paperCardDrawing(int compound) {
    static const std::array<CardDrawing, model::kCompounds> drawings = cards(kPaperFills);
    return drawings.at(compound);
}

const Drawing& paperReactionDrawing(int picture) {
    static const std::vector<ReactionDrawing> drawings = reactions(kPaperFills);
    return drawings.at(picture);
}

int reactionFormulaHeight(int picture) {
    return hasPicture(picture) ? model::reaction(picture).row->formulaHeight : 0;
}

void coverSlot(QPainter& painter, int picture, int side, const QRect& pixels) {
    const QRectF slot = slotRect(picture, side);
    if (slot.isEmpty() || pixels.isEmpty())
        return;
    const QRectF area = onDevicePixels(painter, pixels);
    const QSizeF logical = reactionDrawing(picture).logicalSize();
    const qreal sx = area.width() / logical.width();
    const qreal sy = area.height() / logical.height();
    const qreal line = kReactionLine / 2;
    const QRectF outlined(area.left() + (slot.left() - line) * sx,
                          area.top() + (slot.top() - line) * sy, (slot.width() + 2 * line) * sx,
                          (slot.height() + 2 * line) * sy);
    // Out to whole pixels of the device, and one more all round for the outline's smoothed edge.
    const QTransform toDevice = painter.deviceTransform();
    const QRectF device = toDevice.mapRect(outlined);
    const QRectF whole(QPointF(std::floor(device.left()) - 1, std::floor(device.top()) - 1),
                       QPointF(std::ceil(device.right()) + 1, std::ceil(device.bottom()) + 1));
    painter.fillRect(toDevice.inverted().mapRect(whole), kScreenFills.frame);
}

} // namespace content

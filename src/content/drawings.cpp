#include "content/drawings.h"

#include "content/fonts.h"
#include "content/spoken.h"
#include "model/tables.h"

#include <QFontMetricsF>
#include <QPainter>

#include <array>
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
// "C_vH_{2v+1}COOH", "OH^−". After _ (lowered) or ^ (raised) comes one character or a braced
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

constexpr std::array<const char16_t*, 5> kCardFormulas{u"H_2O", u"CH_3COOH", u"CH_3CH_2COOH",
                                                       u"C_vH_{2v+1}COOH", u"NH_3"};

class CardDrawing : public controls::Drawing {
public:
    CardDrawing(QStringView formula, const QString& spoken, const Fills& fills)
        : markup_(formula), spoken_(spoken), fills_(fills) {}

    QSizeF logicalSize() const override { return {kLogicalWidth, 3102}; }
    QString accessibleName() const override { return spoken_; }

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
    QStringView markup_;
    QString spoken_;
    const Fills& fills_;
    // Measured when first painted, when there are fonts to measure with.
    mutable std::optional<Formula> formula_;
};

// ---- Reaction pictures --------------------------------------------------------------------------

struct Band {
    qreal top;
    qreal bottom;
};

struct Span {
    qreal left;
    qreal right;
};

QRectF box(Span span, Band band) {
    return QRectF(QPointF(span.left, band.top), QPointF(span.right, band.bottom));
}

// The vertical layout that the pictures of one kind share, and their character heights.
struct Row {
    qreal height;
    Band slot;
    Band bar;
    Band head;
    int formulaHeight;
    int labelHeight;
};

constexpr Row kIndustrialRow{1937, {541, 1261}, {905, 961}, {766, 1100}, 502, 391};
constexpr Row kShortRow{1465, {409, 954}, {685, 727}, {579, 832}, 380, 295};
constexpr Row kFatsRow{2421, {676, 1577}, {1131, 1201}, {957, 1375}, 628, 0};
constexpr Row kLaboratoryRow{1844, {515, 1201}, {862, 915}, {729, 1048}, 478, 372};

constexpr Band kIndustrialMark{576, 1248};
constexpr Band kIndustrialProductMark{553, 1225};
constexpr Band kHydrolysisReactantMark{436, 944};
constexpr Band kHydrolysisProductMark{418, 926};

// A text starting at x: a formula, a "+" or words.
struct Text {
    qreal x = 0;
    QStringView markup;
};

struct Arrow {
    Span bar;
    Span head;
    Text above;
    Text below;
};

struct Mark {
    Span span;
    Band band;
};

struct Picture {
    // What a screen reader says of the picture, with its formulae in plain characters.
    QStringView spoken;
    const Row* row;
    std::vector<Text> texts;
    Arrow arrow;
    std::vector<Mark> marks;
    std::vector<Span> blanks; // the green slots, left to right
};

// Pictures 1 and 2: two reactants over catalysts give the one product.
Picture catalysed(QStringView spoken, QStringView reactant, QStringView second) {
    return {spoken,
            &kIndustrialRow,
            {{1625, reactant}, {4573, u"+"}, {6240, second}},
            {{7061, 9632}, {9437, 9828}, {7242, u"καταλύτες"}, {}},
            {{{388, 1292}, kIndustrialMark},
             {{5087, 5991}, kIndustrialMark},
             {{10405, 11309}, kIndustrialProductMark}},
            {{11392, 15253}}};
}

// Pictures 5 to 7: an alcohol oxidised to two products.
Picture oxidised(QStringView spoken, qreal alcoholX, QStringView alcohol) {
    return {spoken,
            &kLaboratoryRow,
            {{alcoholX, alcohol}, {11315, u"+"}},
            {{4791, 6835}, {6650, 7022}, {5523, u"[O]"}, {}},
            {},
            {{7456, 11131}, {11749, 15425}}};
}

// Pictures 8 to 10: a nitrile hydrolysed in acid or base.
Picture hydrolysed(QStringView spoken, QStringView nitrile) {
    return {spoken,
            &kShortRow,
            {{1229, nitrile}, {3577, u"+"}, {4718, u"H_2O"}, {11678, u"+"}},
            {{5659, 7283}, {7136, 7431}, {6304, u"H^+"}, {6054, u"ή OH^−"}},
            {{{294, 977}, kHydrolysisReactantMark},
             {{3846, 4529}, kHydrolysisReactantMark},
             {{7867, 8551}, kHydrolysisProductMark},
             {{11995, 12678}, kHydrolysisProductMark}},
            {{8613, 11533}, {12741, 15660}}};
}

const std::array<Picture, model::kReactions>& pictures() {
    static const std::array<Picture, model::kReactions> table{{
        {u"Καταλυτική οξείδωση βουτανίου, C4H10",
         &kIndustrialRow,
         {{1625, u"C_4H_{10}"}},
         {{4516, 9632}, {9437, 9828}, {4997, u"καταλυτική οξείδωση"}, {}},
         {{{388, 1292}, kIndustrialMark}, {{10405, 11309}, kIndustrialProductMark}},
         {{11392, 15253}}},
        catalysed(u"Αιθανάλη, CH3CHO, και οξυγόνο, O2, με καταλύτες", u"CH_3CHO", u"O_2"),
        catalysed(u"Μεθανόλη, CH3OH, και μονοξείδιο του άνθρακα, CO, με καταλύτες", u"CH_3OH",
                  u"CO"),
        {u"Αιθανόλη, CH3CH2OH, και οξυγόνο, O2, με αλκοοξειδάση",
         &kShortRow,
         {{1229, u"CH_3CH_2OH"}, {3577, u"+"}, {4239, u"O_2"}, {12037, u"+"}},
         {{4981, 7961}, {7814, 8110}, {5474, u"αλκοοξειδάση"}, {}},
         {},
         {{8613, 11533}, {12741, 15660}}},
        {u"Ζωικά ή φυτικά λίπη",
         &kFatsRow,
         {{577, u"ζωικά ή φυτικά λίπη"}},
         {{7080, 9763}, {9520, 10009}, {}, {}},
         {},
         {{10579, 15404}}},
        oxidised(u"Οξείδωση αιθανόλης, CH3CH2OH", 1525, u"CH_3CH_2OH"),
        oxidised(u"Οξείδωση προπανόλης, CH3CH2CH2OH", 1113, u"CH_3CH_2CH_2OH"),
        oxidised(u"Οξείδωση αλκοόλης, CνH2ν+1CH2OH", 1255, u"C_vH_{2v+1}CH_2OH"),
        hydrolysed(u"Υδρόλυση αιθανονιτριλίου, CH3CN, με H+ ή OH−", u"CH_3CN"),
        hydrolysed(u"Υδρόλυση προπανονιτριλίου, CH3CH2CN, με H+ ή OH−", u"CH_3CH_2CN"),
        hydrolysed(u"Υδρόλυση νιτριλίου, CνH2ν+1CN, με H+ ή OH−", u"C_vH_{2v+1}CN"),
    }};
    return table;
}

bool hasPicture(int picture) {
    return picture >= 0 && picture < int(pictures().size());
}

class ReactionDrawing : public controls::Drawing {
public:
    ReactionDrawing(const Picture& picture, const Fills& fills)
        : picture_(picture), spoken_(picture.spoken.toString()), fills_(fills) {}

    QSizeF logicalSize() const override { return {kLogicalWidth, picture_.row->height}; }
    QString accessibleName() const override { return spoken_; }

    void paint(QPainter& painter) const override {
        const Row& row = *picture_.row;
        const QPen outline(Qt::black, kLine);
        roundedBox(painter,
                   QRectF(kInset, kInset, kLogicalWidth - 2 * kInset, row.height - 2 * kInset), 160,
                   fills_.frame, outline);
        for (const Span& slot : picture_.blanks)
            roundedBox(painter, box(slot, row.slot), 90, fills_.slot, outline);
        QPen dashes(kNearBlack, kLine, Qt::CustomDashLine, Qt::FlatCap);
        dashes.setDashPattern({4, 2.5});
        for (const Mark& mark : picture_.marks)
            roundedBox(painter, box(mark.span, mark.band), 90, Qt::NoBrush, dashes);
        paintArrow(painter, row);

        painter.setPen(Qt::black);
        painter.setFont(drawingFont());
        for (const Placed& text : laidOut())
            text.formula.draw(painter, text.baselineStart);
    }

private:
    // Outlines about one pixel wide at the sizes the window shows, and a frame just inside.
    static constexpr qreal kLine = 30;
    static constexpr qreal kInset = 30;

    struct Placed {
        Formula formula;
        QPointF baselineStart;
    };

    void paintArrow(QPainter& painter, const Row& row) const {
        const Arrow& arrow = picture_.arrow;
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
        const Row& row = *picture_.row;
        auto& texts = laidOut_.emplace();
        const qreal baseline =
            (row.bar.top + row.bar.bottom) / 2 + metrics.capHeight(row.formulaHeight) / 2;
        for (const Text& text : picture_.texts)
            texts.push_back({Formula(text.markup, row.formulaHeight, metrics), {text.x, baseline}});
        if (row.labelHeight == 0)
            return texts;
        const qreal gap = row.labelHeight / 10.0;
        const Arrow& arrow = picture_.arrow;
        if (!arrow.above.markup.isEmpty())
            texts.push_back(
                {Formula(arrow.above.markup, row.labelHeight, metrics),
                 {arrow.above.x, row.bar.top - gap - metrics.descent(row.labelHeight)}});
        if (!arrow.below.markup.isEmpty())
            texts.push_back(
                {Formula(arrow.below.markup, row.labelHeight, metrics),
                 {arrow.below.x, row.bar.bottom + gap + metrics.ascent(row.labelHeight)}});
        return texts;
    }

    const Picture& picture_;
    QString spoken_;
    const Fills& fills_;
    mutable std::optional<std::vector<Placed>> laidOut_;
};

std::array<CardDrawing, 5> cards(const Fills& fills) {
    return {CardDrawing(kCardFormulas[0], spoken::kCompounds[0], fills),
            CardDrawing(kCardFormulas[1], spoken::kCompounds[1], fills),
            CardDrawing(kCardFormulas[2], spoken::kCompounds[2], fills),
            CardDrawing(kCardFormulas[3], spoken::kCompounds[3], fills),
            CardDrawing(kCardFormulas[4], spoken::kCompounds[4], fills)};
}

std::vector<ReactionDrawing> reactions(const Fills& fills) {
    std::vector<ReactionDrawing> made;
    made.reserve(pictures().size());
    for (const Picture& picture : pictures())
        made.emplace_back(picture, fills);
    return made;
}

} // namespace

const controls::Drawing& cardDrawing(int compound) {
    static const std::array<CardDrawing, 5> drawings = cards(kScreenFills);
    return drawings.at(compound);
}

const controls::Drawing& reactionDrawing(int picture) {
    static const std::vector<ReactionDrawing> drawings = reactions(kScreenFills);
    return drawings.at(picture);
}

const controls::Drawing& paperCardDrawing(int compound) {
    static const std::array<CardDrawing, 5> drawings = cards(kPaperFills);
    return drawings.at(compound);
}

const controls::Drawing& paperReactionDrawing(int picture) {
    static const std::vector<ReactionDrawing> drawings = reactions(kPaperFills);
    return drawings.at(picture);
}

int reactionFormulaHeight(int picture) {
    return hasPicture(picture) ? pictures()[picture].row->formulaHeight : 0;
}

QRectF reactionSlotRect(int picture, int blank) {
    if (!hasPicture(picture))
        return {};
    const Picture& drawn = pictures()[picture];
    if (blank < 0 || blank >= int(drawn.blanks.size()))
        return {};
    return box(drawn.blanks[blank], drawn.row->slot);
}

QList<QRectF> reactionMarkRects(int picture) {
    QList<QRectF> rects;
    if (!hasPicture(picture))
        return rects;
    for (const Mark& mark : pictures()[picture].marks)
        rects.append(box(mark.span, mark.band));
    return rects;
}

} // namespace content

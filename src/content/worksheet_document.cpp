#include "content/worksheet_document.h"

#include "content/drawings.h"
#include "content/fonts.h"
#include "content/paper_texts.h"
#include "content/texts.h"
#include "content/look.h"
#include "model/description.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

namespace content {

namespace {

// The page is laid out in twips, as the window is. Fonts are sized in pixels of that space, so
// the one scaling to the printer's resolution sizes the text and the drawings alike.
constexpr qreal kTwipsPerPoint = 20;
constexpr qreal kTwipsPerInch = 1440;

// 12 mm all round, well inside what school printers reach.
constexpr qreal kMargin = 680;
constexpr qreal kBlockGap = 200;
constexpr qreal kPictureGap = 90;
constexpr qreal kFramePadding = 150;
constexpr qreal kCardGap = 200;
constexpr qreal kRuleWidth = 15;
// Below this, subscripts shrink past what a student reads without effort.
constexpr qreal kLeastFormulaPoints = 9;

// The window's section frames and titles.
constexpr qreal kFrameLineWidth = 20;
// A title straddles the top edge of its frame like a tab, this far in from the frame's left.
constexpr qreal kTitleIndent = 180;
constexpr QMarginsF kTitlePadding(200, 40, 200, 40);

QFont paperFont(qreal points, bool bold) {
    QFont font = sansSerifFont();
    font.setPixelSize(qRound(points * kTwipsPerPoint));
    font.setBold(bold);
    return font;
}

qreal wrappedHeight(const QFont& font, qreal width, const QString& text, int flags) {
    return QFontMetricsF(font)
        .boundingRect(QRectF(0, 0, width, 0), flags | Qt::TextWordWrap, text)
        .height();
}

void paintText(QPainter& painter, const QFont& font, const QRectF& rect, int flags,
               const QString& text, const QColor& colour = Qt::black) {
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, flags | Qt::TextWordWrap, text);
}

void paintDrawing(QPainter& painter, const Drawing& drawing, const QRectF& rect) {
    painter.save();
    painter.translate(rect.topLeft());
    const QSizeF logical = drawing.logicalSize();
    painter.scale(rect.width() / logical.width(), rect.height() / logical.height());
    drawing.paint(painter);
    painter.restore();
}

// The compound's name, without the formula that the card shows.
QString compoundName(int compound) {
    return texts::fromModel(model::kCompoundTable.at(compound).name);
}

qreal aspectOf(int picture) {
    const QSizeF logical = paperReactionDrawing(picture).logicalSize();
    return logical.width() / logical.height();
}

// A part of the page that is never split: it goes on the next page whole.
struct Block {
    qreal height;
    std::function<void(QPainter& painter, qreal top)> paint;
};

// What is laid out across the page's printable width, from its left margin.
struct Column {
    qreal left;
    qreal width;
};

// Name, class and date, each followed by a line to write on; the lines share the width as the
// answers need room.
void paintDetails(QPainter& painter, const QFont& font, Column column, qreal baseline) {
    constexpr std::array<qreal, 3> kShares{0.5, 0.2, 0.3};
    constexpr qreal kFieldGap = 360;
    const QFontMetricsF metrics(font);
    qreal left = column.left;
    for (size_t i = 0; i < kShares.size(); ++i) {
        const qreal right = left + (column.width + kFieldGap) * kShares[i] - kFieldGap;
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(left, baseline), paper::kDetails[i]);
        const qreal ruleStart = left + metrics.horizontalAdvance(paper::kDetails[i]) + 80;
        painter.setPen(QPen(Qt::black, kRuleWidth));
        painter.drawLine(QPointF(ruleStart, baseline + 40), QPointF(right, baseline + 40));
        left = right + kFieldGap;
    }
}

Block headerBlock(Column column) {
    const QFont title = paperFont(18, true);
    const QFont details = paperFont(11, false);
    const QFont instructions = paperFont(10, false);
    const qreal titleHeight = QFontMetricsF(title).height();
    const QFontMetricsF detailMetrics(details);
    const qreal detailsTop = titleHeight + 300;
    const qreal instructionsTop = detailsTop + detailMetrics.height() + 240;
    const qreal height =
        instructionsTop + wrappedHeight(instructions, column.width, paper::kInstructions, 0);
    return {height, [=](QPainter& painter, qreal top) {
                paintText(painter, title, QRectF(column.left, top, column.width, titleHeight),
                          Qt::AlignHCenter, texts::kCaption);
                paintDetails(painter, details, column, top + detailsTop + detailMetrics.ascent());
                paintText(painter, instructions,
                          QRectF(column.left, top + instructionsTop, column.width,
                                 height - instructionsTop),
                          Qt::AlignLeft, paper::kInstructions);
            }};
}

// The five compounds in a row: each card as the window draws it, its name underneath.
Block compoundsBlock(Column column) {
    const QFont heading = paperFont(11, true);
    const QFont names = paperFont(9, false);
    const qreal cardWidth = (column.width - (model::kCompounds - 1) * kCardGap) / model::kCompounds;
    const QSizeF logical = paperCardDrawing(0).logicalSize();
    const qreal cardHeight = cardWidth * logical.height() / logical.width();
    const qreal cardsTop = QFontMetricsF(heading).height() + 100;
    const qreal namesTop = cardsTop + cardHeight + 60;
    qreal namesHeight = 0;
    for (int compound = 0; compound < model::kCompounds; ++compound)
        namesHeight = std::max(
            namesHeight, wrappedHeight(names, cardWidth, compoundName(compound), Qt::AlignHCenter));
    return {namesTop + namesHeight, [=](QPainter& painter, qreal top) {
                paintText(painter, heading, QRectF(column.left, top, column.width, cardsTop - 100),
                          Qt::AlignLeft, paper::kCompoundsHeading);
                for (int compound = 0; compound < model::kCompounds; ++compound) {
                    const qreal left = column.left + compound * (cardWidth + kCardGap);
                    paintDrawing(painter, paperCardDrawing(compound),
                                 QRectF(left, top + cardsTop, cardWidth, cardHeight));
                    paintText(painter, names, QRectF(left, top + namesTop, cardWidth, namesHeight),
                              Qt::AlignHCenter, compoundName(compound));
                }
            }};
}

// A section in its frame, its title on the frame's top edge, its pictures one under another,
// each `pictureHeight` high and centred.
Block sectionBlock(Column column, int section, qreal pictureHeight) {
    std::vector<int> pictures;
    for (int picture = 0; picture < model::kReactions; ++picture) {
        if (model::reaction(picture).section == section)
            pictures.push_back(picture);
    }
    const QString title = texts::sectionTitle(section);
    const QFont titleFont = paperFont(10, true);
    const QFontMetricsF titleMetrics(titleFont);
    const QSizeF tab = title.isEmpty()
                           ? QSizeF()
                           : QSizeF(titleMetrics.horizontalAdvance(title), titleMetrics.height())
                                 .grownBy(kTitlePadding);
    const qreal frameTop = tab.height() / 2;
    const qreal picturesTop = frameTop + std::max(kFramePadding, tab.height() / 2 + kPictureGap);
    const qreal height = picturesTop + qreal(pictures.size()) * (pictureHeight + kPictureGap) -
                         kPictureGap + kFramePadding;
    return {height, [=](QPainter& painter, qreal top) {
                painter.setPen(QPen(look::kFrameBorder, kFrameLineWidth));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(
                    QRectF(column.left, top + frameTop, column.width, height - frameTop));
                if (!title.isEmpty()) {
                    const QRectF tabRect(QPointF(column.left + kTitleIndent, top), tab);
                    painter.fillRect(tabRect, look::kTitleBack);
                    paintText(painter, titleFont, tabRect, Qt::AlignCenter, title, look::kTitleText);
                }
                qreal y = top + picturesTop;
                for (int picture : pictures) {
                    const qreal width = pictureHeight * aspectOf(picture);
                    paintDrawing(
                        painter, paperReactionDrawing(picture),
                        QRectF(column.left + (column.width - width) / 2, y, width, pictureHeight));
                    y += pictureHeight + kPictureGap;
                }
            }};
}

std::vector<Block> sheet(Column column, qreal pictureHeight) {
    std::vector<Block> blocks{headerBlock(column), compoundsBlock(column)};
    for (int section = 0; section < model::kSections; ++section)
        blocks.push_back(sectionBlock(column, section, pictureHeight));
    return blocks;
}

struct Placement {
    int page;
    qreal top;
};

// Blocks go down the page in order; one that would cross the bottom margin starts the next page.
std::vector<Placement> placeOnPages(const std::vector<Block>& blocks, qreal top, qreal bottom) {
    std::vector<Placement> placed;
    int page = 0;
    qreal y = top;
    for (const Block& block : blocks) {
        if (y > top && y + block.height > bottom) {
            ++page;
            y = top;
        }
        placed.push_back({page, y});
        y += block.height + kBlockGap;
    }
    return placed;
}

// The pictures share one height, as in the window. The smallest keeps every picture's formulas
// legible and needs the fewest pages; the largest fills the column with the widest picture. The
// height taken is the largest that needs no more pages than the smallest.
qreal pictureHeight(Column column, qreal top, qreal bottom) {
    qreal legible = 0;
    qreal widest = 0;
    for (int picture = 0; picture < model::kReactions; ++picture) {
        const qreal logicalHeight = paperReactionDrawing(picture).logicalSize().height();
        legible = std::max(legible, kLeastFormulaPoints * kTwipsPerPoint * logicalHeight /
                                        reactionFormulaHeight(picture));
        widest = std::max(widest, aspectOf(picture));
    }
    const qreal most = (column.width - 2 * kFramePadding) / widest;
    // Should the two ever cross, pictures that fit the paper matter more.
    const qreal least = std::min(legible, most);
    const auto lastPage = [&](qreal height) {
        return placeOnPages(sheet(column, height), top, bottom).back().page;
    };
    const int fewest = lastPage(least);
    if (lastPage(most) == fewest)
        return most;
    qreal fits = least;
    qreal overflows = most;
    while (overflows - fits > 1) {
        const qreal middle = (fits + overflows) / 2;
        (lastPage(middle) == fewest ? fits : overflows) = middle;
    }
    return fits;
}

} // namespace

bool writeWorksheetDocument(const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QPageSize a4(QPageSize::A4);
    QPdfWriter writer(&file);
    writer.setPageLayout(QPageLayout(a4, QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(texts::kCaption);

    const QSizeF page = a4.size(QPageSize::Point) * kTwipsPerPoint;
    const Column column{kMargin, page.width() - 2 * kMargin};
    const qreal top = kMargin;
    const qreal bottom = page.height() - kMargin;
    const std::vector<Block> blocks = sheet(column, pictureHeight(column, top, bottom));
    const std::vector<Placement> placed = placeOnPages(blocks, top, bottom);

    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const qreal scale = writer.resolution() / kTwipsPerInch;
    for (size_t i = 0; i < blocks.size(); ++i) {
        if (i > 0 && placed[i].page != placed[i - 1].page)
            writer.newPage();
        painter.resetTransform();
        painter.scale(scale, scale);
        blocks[i].paint(painter, placed[i].top);
    }
    return painter.end() && file.commit();
}

} // namespace content

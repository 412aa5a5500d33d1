#include "content/worksheet_document.h"

#include "content/drawings.h"
#include "content/fonts.h"
#include "content/geometry.h"
#include "content/look.h"
#include "content/paper_texts.h"
#include "content/texts.h"
#include "model/description.h"
#include "model/hand_in.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
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
constexpr QMarginsF kNotePadding(100, 0, 100, 0);

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
    return texts::translated("Compounds", model::kCompoundTable.at(compound).name);
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

// A student's work as their sheet shows it: what they put in, and what it earns.
struct Work {
    model::HandIn handIn;
    model::Marking marking;
};

// What a page writes into the worksheet: nothing, the answers, or a student's work.
struct Filling {
    Sheet sheet = Sheet::Worksheet;
    std::shared_ptr<const Work> work;

    bool isKey() const { return sheet == Sheet::AnswerKey; }
};

// A text that must stay within `width`: in `font`, or smaller down to `leastPoints`, and cut
// short with an ellipsis where even that is too wide. Whatever a student typed stays on one line.
struct Fitted {
    QFont font;
    QString text;
};
Fitted fitted(QFont font, qreal width, qreal leastPoints, const QString& typed) {
    const QString text = typed.simplified();
    const qreal advance = QFontMetricsF(font).horizontalAdvance(text);
    if (advance > width && advance > 0) {
        const qreal pixels =
            std::max(leastPoints * kTwipsPerPoint, font.pixelSize() * width / advance);
        font.setPixelSize(std::max(1, int(pixels)));
    }
    return {font, QFontMetricsF(font).elidedText(text, Qt::ElideRight, width)};
}

// Name, class and date, each followed by a line to write on; the lines share the width as the
// answers need room. A student's sheet has their details written on the lines.
void paintDetails(QPainter& painter, const QFont& font, Column column, qreal baseline,
                  const std::array<QString, 3>& written = {}) {
    constexpr std::array<qreal, 3> kShares{0.5, 0.2, 0.3};
    constexpr qreal kFieldGap = 360;
    constexpr qreal kLeastPoints = 7;
    const QFontMetricsF metrics(font);
    QFont writtenFont = font;
    writtenFont.setBold(true);
    qreal left = column.left;
    for (size_t i = 0; i < kShares.size(); ++i) {
        const qreal right = left + (column.width + kFieldGap) * kShares[i] - kFieldGap;
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(left, baseline), paper::details()[i]);
        const qreal ruleStart = left + metrics.horizontalAdvance(paper::details()[i]) + 80;
        painter.setPen(QPen(Qt::black, kRuleWidth));
        painter.drawLine(QPointF(ruleStart, baseline + 40), QPointF(right, baseline + 40));
        if (!written[i].isEmpty()) {
            const Fitted value =
                fitted(writtenFont, right - ruleStart - 80, kLeastPoints, written[i]);
            painter.setFont(value.font);
            painter.setPen(Qt::black);
            painter.drawText(QPointF(ruleStart + 40, baseline), value.text);
        }
        left = right + kFieldGap;
    }
}

QString titleOf(const Filling& filling) {
    if (filling.work)
        return paper::studentTitle().arg(texts::caption(), filling.work->handIn.name.simplified(),
                                         filling.work->handIn.schoolClass.simplified());
    return filling.isKey() ? paper::answerKeyTitle().arg(texts::caption()) : texts::caption();
}

int totalMarks() {
    int total = 0;
    for (int section = 0; section < model::kSections; ++section)
        total += model::fullMarksOf(section);
    return total;
}

QFont gradeFont() {
    return paperFont(14, true);
}

// What a student's sheet says of the work as a whole, where the worksheet says what to do: the
// grade, and beside it how many checks were asked for before it was handed in.
void paintSummary(QPainter& painter, const QFont& font, Column column, qreal top,
                  const Work& work) {
    constexpr qreal kGap = 600;
    const QFontMetricsF gradeMetrics(gradeFont());
    const qreal baseline = top + gradeMetrics.ascent();
    const QString grade = paper::grade().arg(work.marking.grade);
    painter.setFont(gradeFont());
    painter.setPen(Qt::black);
    painter.drawText(QPointF(column.left, baseline), grade);
    const qreal checksLeft = column.left + gradeMetrics.horizontalAdvance(grade) + kGap;
    const Fitted checks = fitted(font, column.left + column.width - checksLeft, 7,
                                 paper::checks().arg(work.handIn.checks));
    painter.setFont(checks.font);
    painter.drawText(QPointF(checksLeft, baseline), checks.text);
}

// The key takes the worksheet's lines for the student's details for the total; a student's sheet
// writes their details on the lines, and the grade where the worksheet says what to do. The rest
// of the page keeps its places.
Block headerBlock(Column column, const Filling& filling) {
    const QFont title = paperFont(18, true);
    const QFont details = paperFont(11, false);
    const QFont instructions = paperFont(10, false);
    const qreal titleHeight = QFontMetricsF(title).height();
    const QFontMetricsF detailMetrics(details);
    const qreal detailsTop = titleHeight + 300;
    const qreal instructionsTop = detailsTop + detailMetrics.height() + 240;
    const qreal instructionsHeight =
        wrappedHeight(instructions, column.width, paper::instructions(), 0);
    const qreal height =
        instructionsTop +
        std::max(instructionsHeight, filling.work ? QFontMetricsF(gradeFont()).height() : 0.0);
    const QString heading = titleOf(filling);
    return {height, [=](QPainter& painter, qreal top) {
                paintText(painter, title, QRectF(column.left, top, column.width, titleHeight),
                          Qt::AlignHCenter, filling.work ? texts::caption() : heading);
                const qreal baseline = top + detailsTop + detailMetrics.ascent();
                if (filling.isKey()) {
                    painter.setFont(details);
                    painter.setPen(Qt::black);
                    painter.drawText(QPointF(column.left, baseline),
                                     paper::total().arg(totalMarks()));
                } else if (filling.work) {
                    const model::HandIn& work = filling.work->handIn;
                    paintDetails(painter, details, column, baseline,
                                 {work.name, work.schoolClass,
                                  work.handedIn.toString(paper::dateAndTime())});
                } else {
                    paintDetails(painter, details, column, baseline);
                }
                if (filling.work)
                    paintSummary(painter, details, column, top + instructionsTop, *filling.work);
                else
                    paintText(painter, instructions,
                              QRectF(column.left, top + instructionsTop, column.width,
                                     instructionsHeight),
                              Qt::AlignLeft, paper::instructions());
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
                          Qt::AlignLeft, paper::compoundsHeading());
                for (int compound = 0; compound < model::kCompounds; ++compound) {
                    const qreal left = column.left + compound * (cardWidth + kCardGap);
                    paintDrawing(painter, paperCardDrawing(compound),
                                 QRectF(left, top + cardsTop, cardWidth, cardHeight));
                    paintText(painter, names, QRectF(left, top + namesTop, cardWidth, namesHeight),
                              Qt::AlignHCenter, compoundName(compound));
                }
            }};
}

// Where a picture's places lie on paper: a rectangle of the window, given in twips of the
// picture's section box, carried into the picture as printed.
QRectF onPaper(const QRectF& printed, int reaction, const model::Rect& inWindow) {
    const model::Rect& picture = reactionPicture(reaction);
    const qreal sx = printed.width() / picture.width;
    const qreal sy = printed.height() / picture.height;
    return QRectF(printed.left() + (inWindow.left - picture.left) * sx,
                  printed.top() + (inWindow.top - picture.top) * sy, inWindow.width * sx,
                  inWindow.height * sy);
}

// The coefficient mark of a box on paper, from the drawing's own marks.
QRectF markOnPaper(const QRectF& printed, int box) {
    const int reaction = model::reactionOfBox(box);
    const model::Reaction& drawn = model::reaction(reaction);
    const model::Mark& mark = drawn.marks.at(box - model::firstBoxOf(reaction));
    const qreal sx = printed.width() / 16000;
    const qreal sy = printed.height() / drawn.row->height;
    return QRectF(printed.left() + mark.span.left * sx, printed.top() + mark.band.top * sy,
                  (mark.span.right - mark.span.left) * sx, (mark.band.bottom - mark.band.top) * sy);
}

// A section in its frame: its title on the frame's top edge, its pictures one under another,
// each `pictureHeight` high and centred.
struct SectionLayout {
    std::vector<int> pictures;
    QString title;
    QSizeF tab;
    qreal frameTop = 0;
    qreal picturesTop = 0;
    qreal height = 0;

    QRectF picture(Column column, size_t index, qreal pictureHeight, qreal top) const {
        const qreal width = pictureHeight * aspectOf(pictures[index]);
        return QRectF(column.left + (column.width - width) / 2,
                      top + picturesTop + qreal(index) * (pictureHeight + kPictureGap), width,
                      pictureHeight);
    }
};

QFont titleFont() {
    return paperFont(10, true);
}

SectionLayout sectionLayout(int section, qreal pictureHeight) {
    SectionLayout layout;
    for (int picture = 0; picture < model::kReactions; ++picture) {
        if (model::reaction(picture).section == section)
            layout.pictures.push_back(picture);
    }
    layout.title = texts::sectionTitle(section);
    const QFontMetricsF titleMetrics(titleFont());
    layout.tab = layout.title.isEmpty()
                     ? QSizeF()
                     : QSizeF(titleMetrics.horizontalAdvance(layout.title), titleMetrics.height())
                           .grownBy(kTitlePadding);
    layout.frameTop = layout.tab.height() / 2;
    layout.picturesTop =
        layout.frameTop + std::max(kFramePadding, layout.tab.height() / 2 + kPictureGap);
    layout.height = layout.picturesTop +
                    qreal(layout.pictures.size()) * (pictureHeight + kPictureGap) - kPictureGap +
                    kFramePadding;
    return layout;
}

// What the key writes into a picture: the right compound's card in each blank, as the window
// lays it there after a right drop, and the ratio's numbers in the coefficient marks.
void paintAnswers(QPainter& painter, const QRectF& printed, int reaction) {
    const int firstBlank = model::firstBlankOf(reaction);
    for (int blank = firstBlank; blank < firstBlank + model::reaction(reaction).blankCount; ++blank)
        paintDrawing(painter, paperCardDrawing(model::blankRecord(blank).answer),
                     onPaper(printed, reaction, placedCard(blank)));
    const model::Reaction& drawn = model::reaction(reaction);
    const int firstBox = model::firstBoxOf(reaction);
    for (int box = firstBox; box < firstBox + drawn.boxCount; ++box) {
        const QRectF mark = markOnPaper(printed, box);
        paintText(painter, paperFont(mark.height() * 0.6 / kTwipsPerPoint, true), mark,
                  Qt::AlignCenter, QString::number(drawn.ratio.at(box - firstBox)));
    }
}

// What a student put into a picture, where the key writes its answers: the compound of each
// blank they filled as its card, and what they typed into each coefficient box, kept within the
// box's mark however long it is.
void paintWork(QPainter& painter, const QRectF& printed, int reaction, const Work& work) {
    const int firstBlank = model::firstBlankOf(reaction);
    for (int blank = firstBlank; blank < firstBlank + model::reaction(reaction).blankCount;
         ++blank) {
        const int compound = work.handIn.blanks.at(blank);
        if (compound != model::kNone)
            paintDrawing(painter, paperCardDrawing(compound),
                         onPaper(printed, reaction, placedCard(blank)));
    }
    const int firstBox = model::firstBoxOf(reaction);
    for (int box = firstBox; box < firstBox + model::reaction(reaction).boxCount; ++box) {
        const QRectF mark = markOnPaper(printed, box);
        const Fitted typed = fitted(paperFont(mark.height() * 0.6 / kTwipsPerPoint, true),
                                    mark.width(), 5, work.handIn.boxes.at(box));
        paintText(painter, typed.font, mark, Qt::AlignCenter | Qt::TextSingleLine, typed.text);
    }
}

// The section's marks, on a tab at the right of the frame's top edge: on the key its full marks
// and, for a section of pairs, that they go either way round, on the same edge just before the
// tab. There it is read with the section's marks, on its own frame: in the narrow gap below a
// frame it would stand as near the next one. A student's sheet has the marks earned out of the
// full marks on the tab.
void paintMarking(QPainter& painter, Column column, int section, const SectionLayout& layout,
                  qreal top, const Filling& filling) {
    const QString points = filling.work ? paper::sectionEarned()
                                              .arg(filling.work->marking.scores.at(section))
                                              .arg(model::fullMarksOf(section))
                                        : paper::sectionPoints().arg(model::fullMarksOf(section));
    const QFont font = titleFont();
    const QSizeF size =
        QSizeF(QFontMetricsF(font).horizontalAdvance(points), QFontMetricsF(font).height())
            .grownBy(kTitlePadding);
    const QRectF tab(QPointF(column.left + column.width - kTitleIndent - size.width(),
                             top + layout.frameTop - size.height() / 2),
                     size);
    painter.fillRect(tab, Qt::white);
    painter.setPen(QPen(look::kFrameBorder, kFrameLineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(tab);
    paintText(painter, font, tab, Qt::AlignCenter, points);
    if (!filling.isKey())
        return;
    const bool pairs = std::any_of(layout.pictures.begin(), layout.pictures.end(),
                                   [](int picture) { return model::hasTwoBlanks(picture); });
    if (!pairs)
        return;
    const QFont small = paperFont(7.5, false);
    const QSizeF noteSize = QSizeF(QFontMetricsF(small).horizontalAdvance(paper::eitherOrder()),
                                   QFontMetricsF(small).height())
                                .grownBy(kNotePadding);
    // The white parts the frame's edge around the words, as it is parted around the tabs, and
    // stops short of the tab's own edge.
    const QRectF note(QPointF(tab.left() - kFrameLineWidth / 2 - noteSize.width(),
                              top + layout.frameTop - noteSize.height() / 2),
                      noteSize);
    painter.fillRect(note, Qt::white);
    paintText(painter, small, note, Qt::AlignCenter, paper::eitherOrder());
}

Block sectionBlock(Column column, int section, qreal pictureHeight, const Filling& filling) {
    const SectionLayout layout = sectionLayout(section, pictureHeight);
    return {layout.height, [=](QPainter& painter, qreal top) {
                painter.setPen(QPen(look::kFrameBorder, kFrameLineWidth));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(QRectF(column.left, top + layout.frameTop, column.width,
                                        layout.height - layout.frameTop));
                if (!layout.title.isEmpty()) {
                    const QRectF tabRect(QPointF(column.left + kTitleIndent, top), layout.tab);
                    painter.fillRect(tabRect, look::kTitleBack);
                    paintText(painter, titleFont(), tabRect, Qt::AlignCenter, layout.title,
                              look::kTitleText);
                }
                for (size_t i = 0; i < layout.pictures.size(); ++i) {
                    const QRectF printed = layout.picture(column, i, pictureHeight, top);
                    paintDrawing(painter, paperReactionDrawing(layout.pictures[i]), printed);
                    if (filling.isKey())
                        paintAnswers(painter, printed, layout.pictures[i]);
                    else if (filling.work)
                        paintWork(painter, printed, layout.pictures[i], *filling.work);
                }
                if (filling.isKey() || filling.work)
                    paintMarking(painter, column, section, layout, top, filling);
            }};
}

// The blocks of a sheet, in order: the header, the compounds, then a section each. Every sheet
// lays out alike, so that the key and a student's sheet lie over the worksheet place for place.
std::vector<Block> blocksOf(Column column, qreal pictureHeight, const Filling& filling = {}) {
    std::vector<Block> blocks{headerBlock(column, filling), compoundsBlock(column)};
    for (int section = 0; section < model::kSections; ++section)
        blocks.push_back(sectionBlock(column, section, pictureHeight, filling));
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
        return placeOnPages(blocksOf(column, height), top, bottom).back().page;
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

// The page in twips: the printable column and its top and bottom margins, and the pictures'
// height.
struct Page {
    QSizeF size;
    Column column;
    qreal top;
    qreal bottom;
    qreal pictureHeight;
};

Page pageLayout() {
    const QSizeF size = QPageSize(QPageSize::A4).size(QPageSize::Point) * kTwipsPerPoint;
    const Column column{kMargin, size.width() - 2 * kMargin};
    const qreal top = kMargin;
    const qreal bottom = size.height() - kMargin;
    return {size, column, top, bottom, pictureHeight(column, top, bottom)};
}

// The sheet's pages on any paged device, a PDF writer or a printer. They are laid out on A4; a
// page of another size takes them whole, scaled down where it is smaller and centred across.
bool paintPages(QPagedPaintDevice& device, const Filling& filling) {
    const Page page = pageLayout();
    const std::vector<Block> blocks = blocksOf(page.column, page.pictureHeight, filling);
    const std::vector<Placement> placed = placeOnPages(blocks, page.top, page.bottom);

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const qreal scale =
        std::min({device.logicalDpiX() / kTwipsPerInch, device.width() / page.size.width(),
                  device.height() / page.size.height()});
    const qreal across = std::max(0.0, (device.width() - page.size.width() * scale) / 2);
    for (size_t i = 0; i < blocks.size(); ++i) {
        if (i > 0 && placed[i].page != placed[i - 1].page && !device.newPage()) {
            painter.end();
            return false;
        }
        painter.resetTransform();
        painter.translate(across, 0);
        painter.scale(scale, scale);
        blocks[i].paint(painter, placed[i].top);
    }
    return painter.end();
}

void setUpPdf(QPdfWriter& writer, const Filling& filling) {
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(titleOf(filling));
}

Filling studentFilling(const model::HandIn& work) {
    return {Sheet::Worksheet, std::make_shared<const Work>(Work{work, work.marking()})};
}

} // namespace

bool writeWorksheetDocument(const QString& path, Sheet sheet) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QPdfWriter writer(&file);
    const Filling filling{sheet, nullptr};
    setUpPdf(writer, filling);
    return paintPages(writer, filling) && file.commit();
}

QByteArray studentDocument(const model::HandIn& work) {
    QByteArray document;
    QBuffer buffer(&document);
    buffer.open(QIODevice::WriteOnly);
    const Filling filling = studentFilling(work);
    {
        // The writer finishes the document as it goes.
        QPdfWriter writer(&buffer);
        setUpPdf(writer, filling);
        if (!paintPages(writer, filling))
            return {};
    }
    return document;
}

bool paintStudentSheet(QPagedPaintDevice& device, const model::HandIn& work) {
    return paintPages(device, studentFilling(work));
}

} // namespace content

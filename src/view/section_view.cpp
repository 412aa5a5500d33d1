#include "view/section_view.h"

#include "content/device_pixels.h"
#include "content/drawings.h"
#include "content/fonts.h"
#include "content/geometry.h"
#include "content/look.h"
#include "content/texts.h"
#include "model/worksheet.h"

#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

#include <cmath>

namespace view {

namespace look = content::look;

SectionView::SectionView(model::Worksheet& worksheet, int section, QWidget* viewport,
                         content::PictureCache* pictures)
    : QWidget(viewport), worksheet_(worksheet), section_(section), pictures_(pictures),
      note_(content::noteStyle(), content::texts::note(section)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setGeometry(zoom_.toPixels(content::sectionBox(section)));

    connect(&worksheet_, &model::Worksheet::blankChanged, this, [this](int blank) {
        if (model::sectionOfBlank(blank) == section_)
            updatePlace(content::placedCard(blank));
    });
    // A note keeps its picture once it has one, hidden or out of view: the check that shows
    // it again then only copies it.
    connect(&worksheet_, &model::Worksheet::noteChanged, this, [this](int changed) {
        if (changed == section_)
            updatePlace(model::section(section_).noteRect);
    });
    connect(&worksheet_, &model::Worksheet::boxesShownChanged, this, &SectionView::showBoxes);
    connect(&worksheet_, &model::Worksheet::coefficientChanged, this, [this](int box) {
        if (QLineEdit* edit = edits_.at(box); edit && edit->text() != worksheet_.coefficient(box))
            edit->setText(worksheet_.coefficient(box));
    });
}

void SectionView::setZoom(content::Zoom zoom) {
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    setGeometry(zoom_.toPixels(content::sectionBox(section_)));
    for (int box = 0; box < model::kCoefficientBoxes; ++box) {
        if (edits_[box])
            placeBox(box);
    }
    update();
}

// A box and its digits grow and shrink with the worksheet.
void SectionView::placeBox(int box) {
    QLineEdit* edit = edits_[box];
    edit->setGeometry(zoom_.toPixels(content::coefficientBox(box)));
    edit->setFont(content::typedTextFont(12 * zoom_.factor(), true));
}

bool SectionView::hasBoxes() const {
    for (int box = 0; box < model::kCoefficientBoxes; ++box) {
        if (model::sectionOfBox(box) == section_)
            return edits_[box] != nullptr;
    }
    return false;
}

void SectionView::makeBoxes() {
    if (hasBoxes())
        return;
    // The boxes keep the worksheet's light look with red digits whatever the desktop's colours:
    // the style's own light palette, not the desktop's.
    QPalette colours = style()->standardPalette();
    colours.setColor(QPalette::Base, look::kCoefficientBack);
    colours.setColor(QPalette::Text, look::kCoefficientText);
    for (int box = 0; box < model::kCoefficientBoxes; ++box) {
        if (model::sectionOfBox(box) != section_)
            continue;
        auto* edit = new QLineEdit(this);
        edits_[box] = edit;
        placeBox(box);
        edit->setPalette(colours);
        edit->setAlignment(Qt::AlignCenter);
        edit->setMaxLength(model::kBoxTextLimit);
        edit->setText(worksheet_.coefficient(box));
        edit->setVisible(worksheet_.isBoxShown(box));
        connect(edit, &QLineEdit::textChanged, this,
                [this, box](const QString& text) { worksheet_.setCoefficient(box, text); });
    }
    emit boxesMade();
}

void SectionView::showBoxes(int reaction) {
    if (model::reaction(reaction).section != section_)
        return;
    const bool shown = worksheet_.isComplete(reaction);
    if (shown)
        makeBoxes();
    const int first = model::firstBoxOf(reaction);
    for (int box = first; box < first + model::reaction(reaction).boxCount; ++box) {
        if (QLineEdit* edit = edits_[box])
            edit->setVisible(shown);
    }
}

// One pixel more on every side: antialiased edges and rounding may touch the neighbours.
void SectionView::updatePlace(const model::Rect& twips) {
    update(zoom_.toPixels(twips).adjusted(-1, -1, 1, 1));
}

// Back to front: the frame, the title's tab on its top edge, the reactions, the note, and the
// compounds laid on the blanks.
void SectionView::paintEvent(QPaintEvent* event) {
    const QRect dirty = event->rect();
    QPainter painter(this);
    painter.fillRect(dirty, look::kGround);
    const QRect frame = zoom_.toPixels(model::section(section_).frame);
    painter.fillRect(content::onDevicePixels(painter, frame), look::kFrameFill);
    content::fillFrame(painter, frame, look::kFrameBorderWidth * zoom_.factor(),
                       look::kFrameBorder);
    if (const content::Drawing* title = content::titleDrawing(section_)) {
        const QRect tab = zoom_.pictureRect(model::kTitleRect);
        if (tab.intersects(dirty))
            title->draw(painter, tab, pictures_);
    }
    for (int reaction = 0; reaction < model::kReactions; ++reaction) {
        if (model::reaction(reaction).section != section_)
            continue;
        const QRect picture = zoom_.pictureRect(content::reactionPicture(reaction));
        if (picture.intersects(dirty))
            content::reactionDrawing(reaction).draw(painter, picture, pictures_);
    }
    if (worksheet_.isNoteShown(section_)) {
        const model::Rect& twips = model::section(section_).noteRect;
        const QRect note = zoom_.toPixels(twips);
        if (note.intersects(dirty))
            note_.paint(painter, note, content::toPixels(twips).size());
    }
    // On the pixels the worksheet was drawn for (100 %, on a screen unscaled or doubled) a card
    // covers its blank as drawn; anywhere else the two round apart, and the blank is covered
    // first.
    const qreal ratio = devicePixelRatioF();
    const bool asDrawn = zoom_ == content::Zoom() && ratio == std::floor(ratio);
    for (int blank = 0; blank < model::kBlanks; ++blank) {
        const int compound = worksheet_.compoundIn(blank);
        if (compound == model::kNone || model::sectionOfBlank(blank) != section_)
            continue;
        const QRect card = zoom_.pictureRect(content::placedCard(blank));
        if (!card.intersects(dirty))
            continue;
        if (!asDrawn) {
            const int reaction = model::reactionOfBlank(blank);
            content::coverSlot(painter, reaction, blank - model::firstBlankOf(reaction),
                               zoom_.pictureRect(content::reactionPicture(reaction)));
        }
        content::cardDrawing(compound).draw(painter, card, pictures_);
    }
}

// A section out of view holds no pictures of its drawings.
void SectionView::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    for (int reaction = 0; reaction < model::kReactions; ++reaction) {
        if (model::reaction(reaction).section == section_)
            content::reactionDrawing(reaction).releasePixmaps();
    }
    if (const content::Drawing* title = content::titleDrawing(section_))
        title->releasePixmaps();
}

} // namespace view

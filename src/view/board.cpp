#include "view/board.h"

#include "content/drawings.h"
#include "content/geometry.h"
#include "content/look.h"
#include "content/texts.h"
#include "model/worksheet.h"
#include "view/drag.h"
#include "view/ghost.h"
#include "view/scroll_bar.h"
#include "view/section_view.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>

namespace view {

namespace look = content::look;

namespace {

// The viewport: a white ground around the section in view.
class Viewport : public QWidget {
public:
    explicit Viewport(QWidget* board) : QWidget(board) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter(this).fillRect(event->rect(), look::kGround);
    }
};

} // namespace

Board::Board(model::Worksheet& worksheet, QWidget* parent, content::PictureCache* pictures)
    : QWidget(parent), worksheet_(worksheet), pictures_(pictures),
      grade_(content::gradeStyle(), QString()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);

    scrollBar_ = new SectionScrollBar(this);
    viewport_ = new Viewport(this);
    for (int section = 0; section < model::kSections; ++section) {
        sections_[section] = new SectionView(worksheet_, section, viewport_, pictures_);
        sections_[section]->setVisible(section == 0);
    }
    // Made last, so that it lies over everything else.
    ghost_ = new Ghost(this, pictures_);
    layOut();

    connect(scrollBar_, &QScrollBar::valueChanged, this, &Board::placeSection);
    connect(&worksheet_, &model::Worksheet::paletteChanged, this, [this] {
        for (int column = 0; column < model::kCompounds; ++column)
            update(zoom_.pictureRect(content::paletteCard(column)).adjusted(-1, -1, 1, 1));
        updatePalette();
    });
    connect(&worksheet_, &model::Worksheet::blankChanged, this, &Board::updatePalette);
    connect(&worksheet_, &model::Worksheet::gradeChanged, this, &Board::updateGrade);
    updatePalette();
}

Board::~Board() = default;

QScrollBar* Board::scrollBar() const {
    return scrollBar_;
}

int Board::sectionInView() const {
    return scrollBar_->value();
}

void Board::showSection(int section) {
    scrollBar_->setValue(section);
}

QSize Board::sizeAt(content::Zoom zoom) {
    return zoom.toPixels(content::kClientArea).size();
}

void Board::setZoom(content::Zoom zoom) {
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    layOut();
    update();
    emit zoomChanged();
}

// The scroll bar keeps its width at every zoom, as the desktop's own scroll bars do, and the
// board's right edge at the smallest.
void Board::layOut() {
    setFixedSize(sizeAt(zoom_));
    QRect bar = toPixels(content::kScrollBar);
    bar.setWidth(content::toPixels(content::kScrollBar.width));
    bar.moveRight(std::min(bar.right(), width() - 1));
    scrollBar_->setGeometry(bar);
    viewport_->setGeometry(toPixels(content::kViewport));
    for (SectionView* section : sections_)
        section->setZoom(zoom_);
    gradeShown_ = gradeRect();
}

// The new section shows before the old one hides, so that the viewport never stands empty.
// A focus in the old one moves first to the new one's first stop: hidden with it, it would
// fall to whatever follows in the chain, in another reaction or on the scroll bar, and a
// screen reader would speak that on the way.
void Board::placeSection(int section) {
    SectionView* shown = sections_.at(section);
    shown->show();
    const QWidget* focus = window()->focusWidget();
    if (focus && focus != shown && !shown->isAncestorOf(focus) && viewport_->isAncestorOf(focus)) {
        for (QWidget* next = focus->nextInFocusChain(); next != focus;
             next = next->nextInFocusChain()) {
            if (shown->isAncestorOf(next) && next->isVisibleTo(shown) && next->isEnabled() &&
                (next->focusPolicy() & Qt::TabFocus)) {
                next->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
    for (int other = 0; other < model::kSections; ++other) {
        if (other != section)
            sections_[other]->hide();
    }
    emit sectionShown(section);
}

int Board::cardsOn(int column) const {
    const int compound = worksheet_.compoundInColumn(column);
    const bool carried = drag_ && !drag_->isParked() && drag_->compound() == compound;
    return worksheet_.cardsLeft(compound) - (carried ? 1 : 0);
}

void Board::updatePalette() {
    for (int column = 0; column < model::kCompounds; ++column) {
        const int cards = cardsOn(column);
        if (cards == stacked_[column])
            continue;
        stacked_[column] = cards;
        update(zoom_.pictureRect(content::paletteCard(column)).adjusted(-1, -1, 1, 1));
    }
}

QRect Board::gradeRect() const {
    if (!worksheet_.grade())
        return {};
    const QSizeF fitted = QSizeF(grade_.fittedSize()) * zoom_.factor();
    return QRect(QPoint(zoom_.toPixels(content::kGradeCorner.x()),
                        zoom_.toPixels(content::kGradeCorner.y())),
                 QSize(qRound(fitted.width()), qRound(fitted.height())));
}

QString gradeText(int grade) {
    return QString::number(grade) + QLatin1Char('%');
}

void Board::updateGrade() {
    if (const auto grade = worksheet_.grade())
        grade_.setText(gradeText(*grade));
    const QRect shown = gradeRect();
    update(gradeShown_.adjusted(-1, -1, 1, 1));
    update(shown.adjusted(-1, -1, 1, 1));
    gradeShown_ = shown;
}

// What to paint is asked of the dirty region, not of its bounding rectangle: the grade and the
// announcer in the far corners would otherwise repaint every stacked card between them.
void Board::paintEvent(QPaintEvent* event) {
    const QRegion& dirty = event->region();
    QPainter painter(this);
    painter.fillRect(event->rect(), look::kGround);
    // The cards of a column lie one on another, and their antialiased edges add up: a full
    // stack has a darker rim than its last card alone.
    for (int column = 0; column < model::kCompounds; ++column) {
        const QRect card = zoom_.pictureRect(content::paletteCard(column));
        if (!dirty.intersects(card))
            continue;
        content::cardDrawing(worksheet_.compoundInColumn(column))
            .draw(painter, card, pictures_, stacked_[column]);
    }
    if (dirty.intersects(gradeShown_))
        grade_.paint(painter, gradeShown_, grade_.fittedSize());
}

bool Board::overScrollBar(QPointF client) const {
    const QRect bar = scrollBar_->geometry();
    const QPointF from = toTwips(bar.topLeft());
    const QPointF to = toTwips(QPointF(bar.right() + 1, bar.bottom() + 1));
    return model::Rect{from.x(), from.y(), to.x() - from.x(), to.y() - from.y()}.contains(
        client.x(), client.y());
}

Target Board::targetAt(QPointF client) const {
    if (overScrollBar(client))
        return {Target::Kind::ScrollBar};
    if (content::kViewport.contains(client.x(), client.y())) {
        const int section = sectionInView();
        const model::Rect box = content::sectionBox(section);
        const double x = client.x() - content::kViewport.left - box.left;
        const double y = client.y() - content::kViewport.top - box.top;
        if (x < 0 || y < 0 || x >= box.width || y >= box.height)
            return {};
        return targetInSection(section, x, y);
    }
    for (int column = 0; column < model::kCompounds; ++column) {
        if (showsCard(column) && content::paletteCard(column).contains(client.x(), client.y()))
            return {Target::Kind::PaletteCard, column};
    }
    return {};
}

// Front to back: the boxes lie over the pictures, the placed compounds over their blanks.
Target Board::targetInSection(int section, double x, double y) const {
    for (int box = 0; box < model::kCoefficientBoxes; ++box) {
        if (model::sectionOfBox(box) == section && worksheet_.isBoxShown(box) &&
            content::coefficientBox(box).contains(x, y))
            return {Target::Kind::Box, box, model::blankFilledFrom(box)};
    }
    for (int blank = 0; blank < model::kBlanks; ++blank) {
        if (model::sectionOfBlank(blank) == section &&
            worksheet_.compoundIn(blank) != model::kNone &&
            content::placedCard(blank).contains(x, y))
            return {Target::Kind::PlacedCard, blank, blank};
    }
    for (int number = 0; number < model::kReactions; ++number) {
        const model::Reaction& reaction = model::reaction(number);
        if (reaction.section != section || !reaction.place.contains(x, y))
            continue;
        const bool right = model::hasTwoBlanks(number) && !(x < reaction.split);
        const int blank = model::firstBlankOf(number) + (right ? 1 : 0);
        return {Target::Kind::Picture, number, blank};
    }
    return {};
}

void Board::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (drag_)
        return;
    const QPointF client = toTwips(event->position());
    const Target target = targetAt(client);
    if (target.kind == Target::Kind::PaletteCard)
        startDrag(target.index, client);
}

void Board::mouseMoveEvent(QMouseEvent* event) {
    const QPointF client = toTwips(event->position());
    if (drag_)
        followDrag(client, event->buttons());
    else
        updateCursor(client);
}

void Board::mouseReleaseEvent(QMouseEvent* event) {
    if (drag_)
        drop(toTwips(event->position()));
    else
        updateCursor(toTwips(event->position()));
}

void Board::mouseDoubleClickEvent(QMouseEvent* event) {
    if (drag_)
        return;
    const Target target = targetAt(toTwips(event->position()));
    if (target.kind == Target::Kind::PlacedCard)
        worksheet_.clear(target.blank);
}

// The wheel turns the sections wherever it is over the board, a notch a section, as over the
// scroll bar; with Ctrl held it zooms, which the window sees first.
void Board::wheelEvent(QWheelEvent* event) {
    QCoreApplication::sendEvent(scrollBar_, event);
}

// Keys the focused widget leaves come here: from a blank, a coefficient box or the grade.
void Board::keyPressEvent(QKeyEvent* event) {
    const bool plain = !(event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier));
    if (plain && event->key() == Qt::Key_PageUp)
        scrollBar_->triggerAction(QAbstractSlider::SliderPageStepSub);
    else if (plain && event->key() == Qt::Key_PageDown)
        scrollBar_->triggerAction(QAbstractSlider::SliderPageStepAdd);
    else
        QWidget::keyPressEvent(event);
}

bool Board::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const Target target = targetAt(toTwips(help->pos()));
        if (target.kind == Target::Kind::PaletteCard) {
            QToolTip::showText(help->globalPos(), content::texts::hintDrag(), this,
                               toPixels(content::paletteCard(target.index)));
        } else if (target.kind == Target::Kind::PlacedCard) {
            const QRect card =
                zoom_.pictureRect(content::placedCard(target.blank))
                    .translated(viewport_->pos() + sections_[sectionInView()]->pos());
            QToolTip::showText(help->globalPos(), content::texts::hintRemove(), this, card);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

// Cards, on the palette and in the blanks, show the hand.
void Board::updateCursor(QPointF client) {
    const Target::Kind kind = targetAt(client).kind;
    if (kind == Target::Kind::PaletteCard || kind == Target::Kind::PlacedCard)
        setCursor(content::handCursor());
    else
        unsetCursor();
}

void Board::startDrag(int column, QPointF client) {
    drag_ = std::make_unique<Drag>(worksheet_.compoundInColumn(column), *window(), this);
    // The pointer belongs to the drag until it ends, whichever widget took the button pressed
    // before it.
    grabMouse();
    connect(drag_.get(), &Drag::cancelled, this, [this] { finishDrag(); });
    // What the last check revealed goes as soon as the student begins to change the worksheet.
    worksheet_.hideRevealed();
    followDrag(client, Qt::LeftButton);
}

void Board::followDrag(QPointF client, Qt::MouseButtons buttons) {
    // A drag outlives no button, but a release that never reached us was not made over what
    // lies under the pointer now; near the window's edge the drag ends too. Either way the card
    // goes home.
    if (buttons == Qt::NoButton || content::inEdgeZone(client)) {
        finishDrag();
        return;
    }
    // Over the scroll bar the card waits at home; beyond it it is back beside the pointer.
    const bool parked = overScrollBar(client);
    drag_->setParked(parked);
    if (parked)
        ghost_->hide();
    else
        ghost_->carry(drag_->compound(), zoom_.pictureRect(content::ghostAt(client)));
    updatePalette();
}

void Board::drop(QPointF client) {
    finishDrag(targetAt(client).blank);
}

void Board::finishDrag(int blank) {
    if (!drag_)
        return;
    const int compound = drag_->compound();
    // Deleted later: the drag may be ending from inside its own handling of an event.
    releaseMouse();
    drag_->end();
    drag_.release()->deleteLater();
    ghost_->hide();
    updatePalette();
    if (blank != model::kNone)
        worksheet_.place(blank, compound);
}

} // namespace view

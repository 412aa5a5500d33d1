#pragma once

#include "content/geometry.h"
#include "model/description.h"
#include "view/painted_label.h"

#include <QPointF>
#include <QWidget>

#include <array>
#include <memory>

class QScrollBar;

namespace model {
class Worksheet;
}

namespace content {
class PictureCache;
}

namespace view {

class Drag;
class Ghost;
class SectionView;

// What lies at a point of the client area, for the pointer.
struct Target {
    enum class Kind { Nothing, PaletteCard, Picture, PlacedCard, Box, ScrollBar };
    Kind kind = Kind::Nothing;
    // The palette column, or the box.
    int index = model::kNone;
    // The blank a card let go here goes into: the blank of a reaction picture on the pointer's
    // side of its split line, the blank a placed compound lies in, or the blank a coefficient box
    // fills; kNone anywhere else.
    int blank = model::kNone;
};

// The grade as the board shows it and a screen reader names it: a percentage.
QString gradeText(int grade);

// The main window's client area, painting the worksheet: the palette of compound cards, the
// grade once a check has shown it, and beside the scroll bar that turns them the viewport,
// which shows one section at a time. The pointer works here: a press on a palette card takes
// up a card, which follows the pointer until it is let go (or Escape is pressed), into a blank
// or back home; a double-click takes a compound out of its blank. The wheel anywhere over the
// board, and Page Up and Page Down wherever the focus is on it, turn the sections as the scroll
// bar does; a focus in the section turned away goes to the first stop of the one in view.
class Board : public QWidget {
    Q_OBJECT

public:
    // Drawings rendered at sizes the build made no pictures for are kept in `pictures`, where
    // given, for the next start.
    explicit Board(model::Worksheet& worksheet, QWidget* parent = nullptr,
                   content::PictureCache* pictures = nullptr);
    ~Board() override;

    model::Worksheet& worksheet() const { return worksheet_; }
    content::PictureCache* pictureCache() const { return pictures_; }
    QScrollBar* scrollBar() const;
    SectionView* sectionView(int section) const { return sections_.at(section); }
    int sectionInView() const;
    // Turns to a section as the scroll bar would.
    void showSection(int section);

    // How large the worksheet is shown. A new zoom lays every part out afresh at its size, the
    // board's own included; the menu bar and the scroll bar's width are the desktop's.
    content::Zoom zoom() const { return zoom_; }
    void setZoom(content::Zoom zoom);
    // The board's size at a zoom.
    static QSize sizeAt(content::Zoom zoom);

    // `client` in twips of the client area.
    Target targetAt(QPointF client) const;

    bool isDragging() const { return drag_ != nullptr; }
    // How many cards lie stacked on a palette column: its compound's cards not in a blank, nor
    // carried by a drag.
    int cardsOn(int column) const;
    bool showsCard(int column) const { return cardsOn(column) > 0; }
    // The grade's box in pixels; empty while it is hidden.
    QRect gradeRect() const;

signals:
    void sectionShown(int section);
    void zoomChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    void layOut();
    QPointF toTwips(QPointF pixels) const { return zoom_.toTwips(pixels); }
    QRect toPixels(const model::Rect& twips) const { return zoom_.toPixels(twips); }
    // `client` in twips of the client area.
    bool overScrollBar(QPointF client) const;
    void placeSection(int section);
    void startDrag(int column, QPointF client);
    void followDrag(QPointF client, Qt::MouseButtons buttons);
    void drop(QPointF client);
    // Ends the drag; the card goes into `blank`, or home.
    void finishDrag(int blank = model::kNone);
    void updateCursor(QPointF client);
    void updatePalette();
    void updateGrade();
    Target targetInSection(int section, double x, double y) const;

    model::Worksheet& worksheet_;
    content::PictureCache* pictures_;
    content::Zoom zoom_;
    QScrollBar* scrollBar_ = nullptr;
    QWidget* viewport_ = nullptr;
    std::array<SectionView*, model::kSections> sections_{};
    Ghost* ghost_ = nullptr;
    std::unique_ptr<Drag> drag_;
    PaintedLabel grade_;
    QRect gradeShown_;
    std::array<int, model::kCompounds> stacked_{};
};

} // namespace view

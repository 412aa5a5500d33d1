#pragma once

#include "content/geometry.h"
#include "model/description.h"
#include "view/painted_label.h"

#include <QWidget>

#include <array>

class QLineEdit;

namespace model {
class Worksheet;
}

namespace content {
class PictureCache;
}

namespace view {

// One section of the worksheet as the viewport shows it: its frame, its title's tab, its
// reaction pictures with the compounds laid on their blanks, its note once the section is found
// right, and the coefficient boxes of its reactions, real line edits that the student types in.
// It paints what the worksheet holds and repaints what changes there.
class SectionView : public QWidget {
    Q_OBJECT

public:
    SectionView(model::Worksheet& worksheet, int section, QWidget* viewport,
                content::PictureCache* pictures = nullptr);

    // Lays the section out at `zoom`, in the middle of the viewport, its boxes with it.
    void setZoom(content::Zoom zoom);

    // The line edit of a coefficient box of this section, or nullptr while the boxes are not
    // made yet: they are made when a reaction of the section first shows them.
    QLineEdit* boxEdit(int box) const { return edits_.at(box); }
    bool hasBoxes() const;
    void makeBoxes();

signals:
    void boxesMade();

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void updatePlace(const model::Rect& twips);
    void showBoxes(int reaction);
    void placeBox(int box);

    model::Worksheet& worksheet_;
    int section_;
    content::PictureCache* pictures_;
    content::Zoom zoom_;
    PaintedLabel note_;
    std::array<QLineEdit*, model::kCoefficientBoxes> edits_{};
};

} // namespace view

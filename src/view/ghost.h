#pragma once

#include <QRect>
#include <QWidget>

namespace content {
class PictureCache;
}

namespace view {

// The card a drag carries, drawn over everything else in the client area, scroll bar and boxes
// included; the pointer passes through it. Hidden while no card is carried.
class Ghost : public QWidget {
public:
    explicit Ghost(QWidget* board, content::PictureCache* pictures = nullptr);

    // Shows the card of `compound` in `pixels` of the board.
    void carry(int compound, const QRect& pixels);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    content::PictureCache* pictures_;
    int compound_ = 0;
};

} // namespace view

#pragma once

#include <QRect>
#include <QWidget>

#include <optional>

namespace content {
class PictureCache;
}

namespace view {

// The card a drag carries, drawn over everything else in the client area, scroll bar and boxes
// included; the pointer passes through it.
class Ghost : public QWidget {
public:
    explicit Ghost(QWidget* board, content::PictureCache* pictures = nullptr);

    // Shows the card of `compound` in `pixels`, or nothing.
    void show(int compound, const QRect& pixels);
    void clear();

    const std::optional<QRect>& place() const { return place_; }
    int compound() const { return compound_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    content::PictureCache* pictures_;
    int compound_ = 0;
    std::optional<QRect> place_;
};

} // namespace view

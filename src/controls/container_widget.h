#pragma once

#include "controls/container.h"

#include <QWidget>

class QMouseEvent;

namespace controls {

class PointerRouter;

// The widget of a form or picture box: paints the lightweight children of its container and
// hands every mouse event to the form's pointer router in twips of the form's client area.
class ContainerWidget : public QWidget {
public:
    ContainerWidget(Container& container, QWidget* parent);

    Container& container() const { return container_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    PointerRouter& router() const;
    QPointF twips(QPointF local) const;
    QPointF client(const QMouseEvent* event) const;
    // Lightweight controls have no window, so their pointer is shown by the container's.
    void updateCursor(const QMouseEvent* event);

    Container& container_;
};

// Makes the toolkit ask us for the interfaces of containers and focus stops; once is enough.
void installAccessibleInterfaces();

} // namespace controls

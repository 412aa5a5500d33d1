#pragma once

#include "controls/control.h"

#include <QColor>
#include <QPointer>

#include <vector>

namespace controls {

// What lies under a point: the control and the point in that control's own coordinates.
struct Hit {
    Control* control = nullptr;
    QPointF local;
};

// A control that holds others: the form's client area or a picture box. It clips its children,
// paints its lightweight children itself, and covers whatever lies behind it in its own
// container.
class Container : public Control {
public:
    Container(Kind kind, Container* container, ControlSet* set, int index);
    ~Container() override;

    QWidget* widget() const override;

    const std::optional<QColor>& backColor() const { return backColor_; }
    void setBackColor(const std::optional<QColor>& color);

    // Front to back, each layer on its own; windowed controls always lie above the others.
    const std::vector<Control*>& windowedChildren() const { return windowed_; }
    const std::vector<Control*>& lightweightChildren() const { return lightweight_; }

    // The control under `point` (in this container's client coordinates), honouring visibility,
    // clipping and stacking; the container itself where no child is hit.
    Hit hitTest(QPointF point);

    // Twips of this container's client area to its widget's pixels.
    QRect toPixels(const QRectF& twips) const;

    void paintContents(QPainter& painter, const QRect& dirty) const;

    // Raises the widgets of the windowed children so that they lie in the layer's order again.
    void restackWindowed();

protected:
    void copyPropertiesTo(Control& element) const override;

private:
    friend class Control;
    friend class Form;

    enum class Stacking { Front, Back };
    void attach(Control& child, Stacking stacking);
    void bringChildToFront(Control& child);
    void repaintChildArea(const QRectF& twips) const;

    QPointer<QWidget> widget_;
    std::optional<QColor> backColor_;
    std::vector<Control*> windowed_;
    std::vector<Control*> lightweight_;
};

} // namespace controls

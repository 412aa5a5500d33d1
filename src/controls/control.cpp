#include "controls/control.h"

#include "controls/container.h"
#include "controls/control_set.h"
#include "controls/form.h"

#include <QWidget>

namespace controls {

Control::Control(Kind kind, Container* container, ControlSet* set, int index)
    : kind_(kind), form_(container ? &container->form() : nullptr), container_(container),
      set_(set), index_(index) {
    if (set_)
        set_->add(*this);
}

Control::~Control() {
    if (accessibleId_)
        QAccessible::deleteAccessibleInterface(accessibleId_);
}

bool Control::isWindowed() const {
    return kind_ == Kind::PictureBox || kind_ == Kind::TextBox || kind_ == Kind::ScrollBar ||
           kind_ == Kind::Button;
}

const QString& Control::name() const { return set_->name(); }

Handlers& Control::handlers() const { return set_->handlers(); }

void Control::setLeft(float left) { setGeometry(left, top_, width_, height_); }
void Control::setTop(float top) { setGeometry(left_, top, width_, height_); }
void Control::setWidth(float width) { setGeometry(left_, top_, width, height_); }
void Control::setHeight(float height) { setGeometry(left_, top_, width_, height); }

void Control::setGeometry(float left, float top, float width, float height) {
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    const QRectF before = rect();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    pixelRectKnown_ = false;
    geometryChanged(before);
}

QRect Control::pixelRect() const {
    if (!pixelRectKnown_ && container_) {
        pixelRect_ = container_->toPixels(rect());
        pixelRectKnown_ = true;
    }
    return pixelRect_;
}

bool Control::contains(QPointF point) const {
    return point.x() >= left_ && point.x() < left_ + width_ && point.y() >= top_ &&
           point.y() < top_ + height_;
}

QPointF Control::originInForm() const {
    QPointF origin(0, 0);
    for (const Control* c = this; c->container_; c = c->container_)
        origin += QPointF(c->left_, c->top_);
    return origin;
}

void Control::setVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    if (visible) {
        if (isWindowed() && !widget())
            form().makeDeferredWidgets();
        aboutToShow();
    }
    if (QWidget* w = widget(); w && container_)
        w->setVisible(visible);
    else
        repaintArea(rect());
    if (live_)
        notifyAccessibility(visible ? QAccessible::ObjectShow : QAccessible::ObjectHide);
}

QString Control::accessibleName() const {
    if (QWidget* w = widget())
        return w->accessibleName();
    return accessibleName_.isEmpty() ? defaultAccessibleName() : accessibleName_;
}

void Control::setAccessibleName(const QString& name) {
    if (QWidget* w = widget()) {
        // The toolkit announces every call, changed or not.
        if (w->accessibleName() != name)
            w->setAccessibleName(name);
        return;
    }
    const QString before = accessibleName();
    accessibleName_ = name;
    if (live_ && accessibleName() != before)
        notifyAccessibility(QAccessible::NameChanged);
}

QString Control::accessibleDescription() const {
    if (QWidget* w = widget())
        return w->accessibleDescription();
    return accessibleDescription_;
}

void Control::setAccessibleDescription(const QString& description) {
    if (QWidget* w = widget())
        w->setAccessibleDescription(description);
    else
        accessibleDescription_ = description;
}

void Control::notifyAccessibility(QAccessible::Event event) const {
    if (QWidget* w = widget()) {
        QAccessibleEvent notice(w, event);
        form().announce(notice);
        return;
    }
    // A widget not yet made has never been seen: there is nothing to tell.
    if (isWindowed())
        return;
    QAccessibleEvent notice(accessibleInterfaceOf(*this), event);
    form().announce(notice);
}

void Control::setToolTip(const QString& text) {
    if (text == toolTip_)
        return;
    toolTip_ = text;
    if (QWidget* w = widget())
        w->setToolTip(text);
}

void Control::setMousePointer(const std::optional<QCursor>& cursor) {
    mousePointer_ = cursor;
    if (QWidget* w = widget()) {
        if (cursor)
            w->setCursor(*cursor);
        else
            w->unsetCursor();
    }
}

void Control::bringToFront() {
    if (container_)
        container_->bringChildToFront(*this);
}

void Control::paint(QPainter&, const QRect&) const {}

void Control::copyPropertiesTo(Control& element) const {
    element.width_ = width_;
    element.height_ = height_;
    element.left_ = left_;
    element.top_ = top_;
    element.toolTip_ = toolTip_;
    element.setMousePointer(mousePointer_);
    element.dragIcon_ = dragIcon_;
    element.live_ = live_;
    if (widget()) {
        element.setAccessibleName(accessibleName());
        element.setAccessibleDescription(accessibleDescription());
    } else {
        element.accessibleName_ = accessibleName_;
        element.accessibleDescription_ = accessibleDescription_;
    }
    element.placeWidget();
}

void Control::repaint() const { repaintArea(rect()); }

void Control::repaintArea(const QRectF& twips) const {
    if (container_ && !isWindowed())
        container_->repaintChildArea(twips);
}

void Control::geometryChanged(const QRectF& before) {
    if (widget()) {
        placeWidget();
        return;
    }
    repaintArea(before);
    repaintArea(rect());
}

void Control::adoptWidget() {
    QWidget* w = widget();
    placeWidget();
    w->setVisible(visible_);
    if (!toolTip_.isEmpty())
        w->setToolTip(toolTip_);
    if (mousePointer_)
        w->setCursor(*mousePointer_);
    if (!accessibleName_.isEmpty())
        w->setAccessibleName(accessibleName_);
    if (!accessibleDescription_.isEmpty())
        w->setAccessibleDescription(accessibleDescription_);
}

void Control::placeWidget() {
    QWidget* w = widget();
    if (!w || !container_)
        return;
    w->setGeometry(pixelRect());
}

} // namespace controls

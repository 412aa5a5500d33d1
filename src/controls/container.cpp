#include "controls/container.h"

#include "controls/container_widget.h"
#include "controls/form.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWidget>

#include <algorithm>

namespace controls {

ContainerWidget::ContainerWidget(Container& container, QWidget* parent)
    : QWidget(parent), container_(container) {
    installAccessibleInterfaces();
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, container.backColor().has_value());
}

void ContainerWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    container_.paintContents(painter, event->rect());
}

void ContainerWidget::mousePressEvent(QMouseEvent* event) {
    router().press(client(event), event->button(), event->modifiers());
    updateCursor(event);
}

void ContainerWidget::mouseMoveEvent(QMouseEvent* event) {
    router().move(client(event), event->buttons(), event->modifiers());
    updateCursor(event);
}

void ContainerWidget::mouseReleaseEvent(QMouseEvent* event) {
    router().release(client(event), event->button(), event->modifiers());
    updateCursor(event);
}

void ContainerWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    router().doubleClick(client(event), event->button(), event->modifiers());
}

bool ContainerWidget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const Hit hit = container_.hitTest(twips(help->pos()));
        if (hit.control && hit.control != &container_ && !hit.control->toolTip().isEmpty()) {
            QToolTip::showText(help->globalPos(), hit.control->toolTip(), this,
                               hit.control->pixelRect());
        } else if (!container_.toolTip().isEmpty()) {
            QToolTip::showText(help->globalPos(), container_.toolTip(), this);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    // Widgets put off until needed are needed now for the visible controls among them.
    if (event->type() == QEvent::Show && &container_ == &container_.form())
        container_.form().makeDeferredWidgets(Form::Deferred::Visible);
    return QWidget::event(event);
}

PointerRouter& ContainerWidget::router() const {
    return container_.form().router();
}

QPointF ContainerWidget::twips(QPointF local) const {
    return local * container_.form().twipsPerPixel();
}

QPointF ContainerWidget::client(const QMouseEvent* event) const {
    const QWidget* formWidget = container_.form().widget();
    const QPointF inForm = formWidget->mapFromGlobal(mapToGlobal(event->position()));
    return inForm * container_.form().twipsPerPixel();
}

void ContainerWidget::updateCursor(const QMouseEvent* event) {
    const Hit hit = container_.hitTest(twips(event->position()));
    const Control* owner = hit.control && hit.control->mousePointer() ? hit.control : &container_;
    if (owner->mousePointer())
        setCursor(*owner->mousePointer());
    else
        unsetCursor();
}

Container::Container(Kind kind, Container* container, ControlSet* set, int index)
    : Control(kind, container, set, index) {
    widget_ = new ContainerWidget(*this, container ? container->widget() : nullptr);
}

Container::~Container() { delete widget_.data(); }

QWidget* Container::widget() const { return widget_; }

void Container::setBackColor(const std::optional<QColor>& color) {
    backColor_ = color;
    widget_->setAttribute(Qt::WA_OpaquePaintEvent, color.has_value());
    widget_->update();
}

Hit Container::hitTest(QPointF point) {
    for (Control* child : windowed_) {
        if (!child->isVisible() || !child->contains(point))
            continue;
        const QPointF local = point - QPointF(child->left(), child->top());
        if (child->isContainer())
            return static_cast<Container*>(child)->hitTest(local);
        return {child, local};
    }
    for (Control* child : lightweight_) {
        if (child->isVisible() && child->receivesPointer() && child->contains(point))
            return {child, point - QPointF(child->left(), child->top())};
    }
    return {this, point};
}

QRect Container::toPixels(const QRectF& twips) const {
    const double factor = form().twipsPerPixel();
    const int left = controls::toPixels(twips.left(), factor);
    const int top = controls::toPixels(twips.top(), factor);
    const int right = controls::toPixels(twips.left() + twips.width(), factor);
    const int bottom = controls::toPixels(twips.top() + twips.height(), factor);
    return QRect(left, top, right - left, bottom - top);
}

void Container::paintContents(QPainter& painter, const QRect& dirty) const {
    if (backColor_)
        painter.fillRect(dirty, *backColor_);
    // Back to front, so that the control listed first ends on top.
    for (auto it = lightweight_.rbegin(); it != lightweight_.rend(); ++it) {
        const Control* child = *it;
        if (!child->isVisible())
            continue;
        const QRect pixels = child->pixelRect();
        if (pixels.intersects(dirty))
            child->paint(painter, pixels);
    }
}

void Container::copyPropertiesTo(Control& element) const {
    Control::copyPropertiesTo(element);
    static_cast<Container&>(element).setBackColor(backColor_);
}

void Container::attach(Control& child, Stacking stacking) {
    auto& layer = child.isWindowed() ? windowed_ : lightweight_;
    if (stacking == Stacking::Front)
        layer.insert(layer.begin(), &child);
    else
        layer.push_back(&child);
    if (QWidget* w = child.widget()) {
        if (stacking == Stacking::Front)
            w->raise();
        else
            w->lower();
        child.placeWidget();
        w->setVisible(child.isVisible());
    } else {
        child.repaint();
    }
}

void Container::bringChildToFront(Control& child) {
    auto& layer = child.isWindowed() ? windowed_ : lightweight_;
    const auto found = std::find(layer.begin(), layer.end(), &child);
    if (found == layer.begin() || found == layer.end())
        return;
    std::rotate(layer.begin(), found, found + 1);
    if (QWidget* w = child.widget())
        w->raise();
    else
        child.repaint();
}

void Container::restackWindowed() {
    for (auto child = windowed_.rbegin(); child != windowed_.rend(); ++child) {
        if (QWidget* w = (*child)->widget())
            w->raise();
    }
}

void Container::repaintChildArea(const QRectF& twips) const {
    if (!widget_->isVisible())
        return;
    // One pixel more on every side: antialiased edges and rounding may touch the neighbours.
    const QRect pixels = toPixels(twips).adjusted(-1, -1, 1, 1);
    if (pixels.intersects(widget_->rect()))
        widget_->update(pixels);
}

} // namespace controls

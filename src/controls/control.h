#pragma once

#include <QAccessible>
#include <QCursor>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <functional>
#include <optional>

class QPainter;
class QWidget;

namespace controls {

class Container;
class ControlSet;
class Form;

enum class Kind { Form, PictureBox, Image, Label, Shape, TextBox, ScrollBar, Button };

enum class DragState { Enter, Leave, Over };

// Pointer position and buttons as a handler sees them: x and y in twips, relative to the
// control that receives the event.
struct MouseEventArgs {
    Qt::MouseButtons button;
    Qt::KeyboardModifiers shift;
    float x = 0;
    float y = 0;
};

// One handler per event for a whole indexed set; each receives the index of the element.
struct Handlers {
    std::function<void(int index, const MouseEventArgs&)> mouseDown;
    std::function<void(int index, const MouseEventArgs&)> mouseMove;
    std::function<void(int index, const MouseEventArgs&)> mouseUp;
    std::function<void(int index)> click;
    std::function<void(int index)> doubleClick;
    std::function<void(int index, class Control& source, float x, float y, DragState)> dragOver;
    std::function<void(int index, class Control& source, float x, float y)> dragDrop;
    // Scroll bars: the value changed (arrow, trough, thumb released) or the thumb is being dragged.
    std::function<void(int index)> change;
    std::function<void(int index)> scroll;
};

// A control of the window: geometry in twips relative to its container's client area, kept
// exactly as set; the pixels on screen are derived from it and never flow back.
class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    Kind kind() const { return kind_; }
    // Picture boxes, text boxes, scroll bars and buttons have windows of their own and always lie
    // above the images, labels and shapes of the same container.
    bool isWindowed() const;
    bool isContainer() const { return kind_ == Kind::Form || kind_ == Kind::PictureBox; }

    ControlSet& set() const { return *set_; }
    int index() const { return index_; }
    const QString& name() const;
    Container* container() const { return container_; }
    Form& form() const { return *form_; }

    float left() const { return left_; }
    float top() const { return top_; }
    float width() const { return width_; }
    float height() const { return height_; }
    void setLeft(float left);
    void setTop(float top);
    void setWidth(float width);
    void setHeight(float height);
    void setGeometry(float left, float top, float width, float height);
    QRectF rect() const { return QRectF(left_, top_, width_, height_); }
    // The same in pixels of its container's widget, worked out again only when the geometry
    // changes: every repaint asks it of every control of the container.
    QRect pixelRect() const;
    // Half-open: a point on the right or bottom edge lies outside.
    bool contains(QPointF point) const;
    // Top-left corner in the form's client coordinates.
    QPointF originInForm() const;

    bool isVisible() const { return visible_; }
    void setVisible(bool visible);

    const QString& toolTip() const { return toolTip_; }
    void setToolTip(const QString& text);

    // The mouse pointer shown over this control; none means the container's.
    const std::optional<QCursor>& mousePointer() const { return mousePointer_; }
    void setMousePointer(const std::optional<QCursor>& cursor);

    // The cursor shown for the whole of a drag that starts from this control.
    const std::optional<QCursor>& dragIcon() const { return dragIcon_; }
    void setDragIcon(const std::optional<QCursor>& icon) { dragIcon_ = icon; }

    // Front of its container's drawing order, within its layer (windowed or not).
    void bringToFront();

    Handlers& handlers() const;

    // What a screen reader says of this control. Without a name of its own, an image is named
    // after its drawing and a label after its caption.
    QString accessibleName() const;
    void setAccessibleName(const QString& name);
    QString accessibleDescription() const;
    void setAccessibleDescription(const QString& description);
    // A live control tells assistive technology at once when it appears, disappears or changes
    // its name, as the outcome of a check must be heard without moving the focus.
    bool isLive() const { return live_; }
    void setLive(bool live) { live_ = live; }
    // Sends `event` about this control to assistive technology.
    void notifyAccessibility(QAccessible::Event event) const;

    // The widget of a windowed control; nullptr for images, labels and shapes.
    virtual QWidget* widget() const { return nullptr; }

protected:
    // `set` is null only for the form itself, which makes its own set once it exists.
    Control(Kind kind, Container* container, ControlSet* set, int index);

    // Lightweight controls paint themselves onto their container, into `pixels`.
    virtual void paint(QPainter& painter, const QRect& pixels) const;
    // The name a screen reader hears when none has been set.
    virtual QString defaultAccessibleName() const { return {}; }
    // Whether a pointer over this lightweight control finds it (shapes are never found).
    virtual bool receivesPointer() const { return true; }
    // Copies this control's properties to a new element of its set, which stays hidden.
    virtual void copyPropertiesTo(Control& element) const;
    // A windowed control whose widget waits until it is first needed makes it here, with every
    // property set on the control so far.
    virtual void makeWidget() {}
    // Called as the control turns visible, before anything is repainted or announced.
    virtual void aboutToShow() {}
    // Gives a newly made widget what the control holds: geometry, visibility, hint, pointer and
    // the names a screen reader hears.
    void adoptWidget();
    // Asks the container to repaint where this control lies (lightweight controls).
    void repaint() const;
    void repaintArea(const QRectF& twips) const;

private:
    friend class Container;
    friend class ControlSet;
    friend class Form;

    void geometryChanged(const QRectF& before);
    void placeWidget();

    Kind kind_;
    Form* form_;
    Container* container_;
    ControlSet* set_;
    int index_;
    float left_ = 0;
    float top_ = 0;
    float width_ = 0;
    float height_ = 0;
    mutable QRect pixelRect_;
    mutable bool pixelRectKnown_ = false;
    bool visible_ = true;
    QString toolTip_;
    std::optional<QCursor> mousePointer_;
    std::optional<QCursor> dragIcon_;
    QString accessibleName_;
    QString accessibleDescription_;
    bool live_ = false;
    // The interface a screen reader sees for a lightweight control, made on first request.
    mutable QAccessible::Id accessibleId_ = 0;
    friend QAccessibleInterface* accessibleInterfaceOf(const Control& control);
};

// The accessible interface of any control: its widget's, or for a lightweight control one made
// on first request and kept for the control's life.
QAccessibleInterface* accessibleInterfaceOf(const Control& control);

} // namespace controls

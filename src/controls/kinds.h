#pragma once

#include "controls/container.h"

#include <QColor>
#include <QFont>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

namespace controls {

class Drawing;

// A picture box: a nested container that clips its children.
class PictureBox : public Container {
public:
    static constexpr Kind kKind = Kind::PictureBox;

    PictureBox(Container* container, ControlSet& set, int index)
        : Container(Kind::PictureBox, container, &set, index) {}
};

// Shows a drawing stretched to the control.
class Image : public Control {
public:
    static constexpr Kind kKind = Kind::Image;

    Image(Container* container, ControlSet& set, int index)
        : Control(Kind::Image, container, &set, index) {}

    const Drawing* picture() const { return picture_; }
    void setPicture(const Drawing* picture);
    // Renders the drawing now at the size the control shows it, at `devicePixelRatio`, so that
    // its first paint finds it ready.
    void renderAhead(qreal devicePixelRatio) const;

protected:
    void paint(QPainter& painter, const QRect& pixels) const override;
    QString defaultAccessibleName() const override;
    void copyPropertiesTo(Control& element) const override;

private:
    void paintMissingPicture(QPainter& painter, const QRect& pixels) const;

    const Drawing* picture_ = nullptr;
    mutable bool warnedMissingPicture_ = false;
};

// Text painted on the container, optionally on its own background and with a border.
class Label : public Control {
public:
    static constexpr Kind kKind = Kind::Label;

    Label(Container* container, ControlSet& set, int index)
        : Control(Kind::Label, container, &set, index) {}

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    void setFont(const QFont& font);
    const QFont& font() const { return font_; }
    void setForeColor(const QColor& color);
    // None lets the container show through.
    void setBackColor(const std::optional<QColor>& color);
    void setAlignment(Qt::Alignment alignment);
    void setWordWrap(bool wrap);
    void setBorder(bool border);
    // The label sizes itself to its caption, keeping its left and top.
    void setAutoSize(bool autoSize);

protected:
    void paint(QPainter& painter, const QRect& pixels) const override;
    QString defaultAccessibleName() const override { return caption_; }
    void aboutToShow() override;
    void copyPropertiesTo(Control& element) const override;

private:
    void restyle(bool remeasure);
    void fitToCaption();
    void paintText(QPainter& painter, const QRect& pixels) const;

    QString caption_;
    QFont font_;
    QColor foreColor_ = Qt::black;
    std::optional<QColor> backColor_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap_ = false;
    bool border_ = false;
    bool autoSize_ = false;
    // What paint() drew last, for a label on its own background; empty once anything changes.
    mutable QPixmap rendered_;
    mutable bool paintedOnce_ = false;
    bool fitted_ = false;
};

// A filled rectangle with a border; decoration only, the pointer passes through it.
class Shape : public Control {
public:
    static constexpr Kind kKind = Kind::Shape;

    Shape(Container* container, ControlSet& set, int index)
        : Control(Kind::Shape, container, &set, index) {}

    void setFillColor(const QColor& color);
    void setBorderColor(const QColor& color);
    // In pixels, as borders of shapes are measured.
    void setBorderWidth(int pixels);

protected:
    void paint(QPainter& painter, const QRect& pixels) const override;
    bool receivesPointer() const override { return false; }
    void copyPropertiesTo(Control& element) const override;

private:
    QColor fill_ = Qt::white;
    QColor border_ = Qt::black;
    int borderWidth_ = 1;
};

// A single-line text box. Its line edit is made when first needed (when it is shown, or asked
// for), not with the control: until then the control keeps what is set on it.
class TextBox : public Control {
public:
    static constexpr Kind kKind = Kind::TextBox;

    TextBox(Container* container, ControlSet& set, int index);
    ~TextBox() override;

    // Nothing before the line edit is made.
    QWidget* widget() const override;
    // The line edit, made now if need be.
    QLineEdit* lineEdit();
    QString text() const;
    void setText(const QString& text);
    void setFont(const QFont& font);
    void setForeColor(const QColor& color);
    void setAlignment(Qt::Alignment alignment);

protected:
    void copyPropertiesTo(Control& element) const override;
    void makeWidget() override;

private:
    QPointer<QLineEdit> edit_;
    QString text_;
    QFont font_;
    std::optional<QColor> foreColor_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
};

// A vertical scroll bar whose value changes raise `change`, and dragging its thumb `scroll`.
class ScrollBar : public Control {
public:
    static constexpr Kind kKind = Kind::ScrollBar;

    ScrollBar(Container* container, ControlSet& set, int index);
    ~ScrollBar() override;

    QWidget* widget() const override;
    QScrollBar* scrollBar() const { return bar_; }
    int value() const;
    void setValue(int value);
    void setRange(int minimum, int maximum);
    // Both the arrows and a click in the trough step by these amounts.
    void setSteps(int smallChange, int largeChange);

private:
    QPointer<QScrollBar> bar_;
    int valueAtPress_ = 0;
};

// A push button whose press raises `click`.
class Button : public Control {
public:
    static constexpr Kind kKind = Kind::Button;

    Button(Container* container, ControlSet& set, int index);
    ~Button() override;

    QWidget* widget() const override;
    void setCaption(const QString& caption);

private:
    QPointer<QPushButton> button_;
};

} // namespace controls

#include "controls/kinds.h"

#include "controls/drawing.h"
#include "controls/form.h"
#include "controls/frame_painting.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPaintDevice>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

namespace controls {

void Image::setPicture(const Drawing* picture) {
    if (picture == picture_)
        return;
    picture_ = picture;
    repaint();
}

void Image::paint(QPainter& painter, const QRect& pixels) const {
    if (!picture_) {
        paintMissingPicture(painter, pixels);
        return;
    }
    picture_->draw(painter, pixels);
}

void Image::renderAhead(qreal devicePixelRatio) const {
    if (picture_ && container())
        picture_->pixmap(pixelRect().size(), devicePixelRatio);
}

// A control whose drawing was never given shows a red cross on pink, where a blank space would
// pass unnoticed, and says once which control it is.
void Image::paintMissingPicture(QPainter& painter, const QRect& pixels) const {
    if (!warnedMissingPicture_) {
        warnedMissingPicture_ = true;
        qWarning("The image %s(%d) has no drawing to show.", qPrintable(name()), index());
    }
    painter.save();
    painter.fillRect(pixels, QColor(0xFF, 0xD0, 0xD0));
    painter.setPen(QPen(Qt::red, 2));
    painter.drawRect(QRectF(pixels).adjusted(1, 1, -1, -1));
    painter.drawLine(pixels.topLeft(), pixels.bottomRight());
    painter.drawLine(pixels.topRight(), pixels.bottomLeft());
    painter.restore();
}

QString Image::defaultAccessibleName() const {
    return picture_ ? picture_->accessibleName() : QString();
}

void Image::copyPropertiesTo(Control& element) const {
    Control::copyPropertiesTo(element);
    static_cast<Image&>(element).picture_ = picture_;
}

void Label::setCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    restyle(true);
    if (isLive() && accessibleName() == caption_)
        notifyAccessibility(QAccessible::NameChanged);
}

void Label::setFont(const QFont& font) {
    font_ = font;
    restyle(true);
}

void Label::setForeColor(const QColor& color) {
    foreColor_ = color;
    restyle(false);
}

void Label::setBackColor(const std::optional<QColor>& color) {
    backColor_ = color;
    restyle(false);
}

void Label::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    restyle(false);
}

void Label::setWordWrap(bool wrap) {
    wordWrap_ = wrap;
    restyle(false);
}

void Label::setBorder(bool border) {
    border_ = border;
    restyle(true);
}

void Label::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    fitted_ = false;
    fitToCaption();
}

// Whatever changes how the label looks throws its picture away; what may change its size has
// it measured again first.
void Label::restyle(bool remeasure) {
    if (remeasure) {
        fitted_ = false;
        fitToCaption();
    }
    rendered_ = {};
    paintedOnce_ = false;
    repaint();
}

// A hidden label is fitted when it shows: measuring it before would load its font for nothing.
void Label::aboutToShow() {
    fitToCaption();
}

void Label::fitToCaption() {
    // Measured once for a caption, font and border: a check shows the grade again and again.
    if (!autoSize_ || !isVisible() || fitted_)
        return;
    fitted_ = true;
    const QSize text = QFontMetrics(font_).size(Qt::TextSingleLine, caption_);
    const int frame = border_ ? 2 : 0;
    const float factor = form().twipsPerPixel();
    setGeometry(left(), top(), (text.width() + 2 * frame) * factor,
                (text.height() + 2 * frame) * factor);
}

// A label on a background of its own is drawn into a picture the second time it is painted at
// a size, and every later repaint copies that: laying out and drawing a word-wrapped note would
// otherwise take most of the time of the repaint that follows a check. The first time it is
// drawn straight away, as most labels are painted just once.
void Label::paint(QPainter& painter, const QRect& pixels) const {
    const qreal ratio = painter.device()->devicePixelRatioF();
    const bool drawn = rendered_.deviceIndependentSize() == QSizeF(pixels.size()) &&
                       rendered_.devicePixelRatio() == ratio;
    if (!backColor_ || (!drawn && !paintedOnce_)) {
        paintedOnce_ = true;
        paintText(painter, pixels);
        return;
    }
    if (!drawn) {
        QPixmap picture(pixels.size() * ratio);
        picture.setDevicePixelRatio(ratio);
        QPainter onPicture(&picture);
        paintText(onPicture, QRect(QPoint(0, 0), pixels.size()));
        onPicture.end();
        rendered_ = picture;
    }
    painter.drawPixmap(pixels.topLeft(), rendered_);
}

void Label::paintText(QPainter& painter, const QRect& pixels) const {
    if (backColor_)
        painter.fillRect(pixels, *backColor_);
    if (border_) {
        painter.setPen(QColor(0x40, 0x40, 0x40));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(pixels.adjusted(0, 0, -1, -1));
    }
    painter.setFont(font_);
    painter.setPen(foreColor_);
    const QRect text = border_ ? pixels.adjusted(2, 1, -2, -1) : pixels;
    painter.drawText(text, int(alignment_) | (wordWrap_ ? Qt::TextWordWrap : 0), caption_);
}

void Label::copyPropertiesTo(Control& element) const {
    Control::copyPropertiesTo(element);
    auto& label = static_cast<Label&>(element);
    label.caption_ = caption_;
    label.font_ = font_;
    label.foreColor_ = foreColor_;
    label.backColor_ = backColor_;
    label.alignment_ = alignment_;
    label.wordWrap_ = wordWrap_;
    label.border_ = border_;
    label.autoSize_ = autoSize_;
}

void Shape::setFillColor(const QColor& color) {
    fill_ = color;
    repaint();
}

void Shape::setBorderColor(const QColor& color) {
    border_ = color;
    repaint();
}

void Shape::setBorderWidth(int pixels) {
    borderWidth_ = pixels;
    repaint();
}

void Shape::paint(QPainter& painter, const QRect& pixels) const {
    painter.fillRect(pixels, fill_);
    // The border lies wholly inside the shape, as wide as asked.
    if (borderWidth_ > 0)
        fillFrame(painter, pixels, borderWidth_, border_);
}

void Shape::copyPropertiesTo(Control& element) const {
    Control::copyPropertiesTo(element);
    auto& shape = static_cast<Shape&>(element);
    shape.fill_ = fill_;
    shape.border_ = border_;
    shape.borderWidth_ = borderWidth_;
}

TextBox::TextBox(Container* container, ControlSet& set, int index)
    : Control(Kind::TextBox, container, &set, index) {}

TextBox::~TextBox() { delete edit_.data(); }

QWidget* TextBox::widget() const { return edit_; }

QLineEdit* TextBox::lineEdit() {
    if (!edit_)
        form().makeDeferredWidgets();
    return edit_;
}

void TextBox::makeWidget() {
    edit_ = new QLineEdit(container()->widget());
    setFont(font_);
    if (foreColor_)
        setForeColor(*foreColor_);
    setAlignment(alignment_);
    edit_->setText(text_);
    adoptWidget();
}

QString TextBox::text() const {
    return edit_ ? edit_->text() : text_;
}

void TextBox::setText(const QString& text) {
    if (edit_)
        edit_->setText(text);
    else
        text_ = text;
}

void TextBox::setFont(const QFont& font) {
    font_ = font;
    if (edit_)
        edit_->setFont(font);
}

void TextBox::setForeColor(const QColor& color) {
    foreColor_ = color;
    if (!edit_)
        return;
    QPalette palette = edit_->palette();
    palette.setColor(QPalette::Text, color);
    edit_->setPalette(palette);
}

void TextBox::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    if (edit_)
        edit_->setAlignment(alignment);
}

void TextBox::copyPropertiesTo(Control& element) const {
    Control::copyPropertiesTo(element);
    auto& box = static_cast<TextBox&>(element);
    box.setFont(font_);
    if (foreColor_)
        box.setForeColor(*foreColor_);
    box.setAlignment(alignment_);
    box.setText(text());
}

namespace {

// Fusion draws a scroll bar alike with the focus and without, yet a scroll bar repaints itself
// whole whenever the focus comes or goes, at the cost of a dozen gradients. Under Fusion that
// repaint is left out; under any other style, which may show the focus, it stays.
class ScrollBarWidget : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void focusInEvent(QFocusEvent* event) override {
        if (!focusLooksAlike())
            QScrollBar::focusInEvent(event);
    }
    void focusOutEvent(QFocusEvent* event) override {
        if (!focusLooksAlike())
            QScrollBar::focusOutEvent(event);
    }

private:
    bool focusLooksAlike() const {
        return style()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) == 0;
    }
};

} // namespace

ScrollBar::ScrollBar(Container* container, ControlSet& set, int index)
    : Control(Kind::ScrollBar, container, &set, index),
      bar_(new ScrollBarWidget(Qt::Vertical, container->widget())) {
    bar_->setFocusPolicy(Qt::StrongFocus);
    // While the thumb is dragged the value follows it (tracking), and each step is a scroll;
    // any other change of value, and the thumb's release, is a change.
    QObject::connect(bar_, &QScrollBar::valueChanged, [this] {
        const auto& handler = bar_->isSliderDown() ? handlers().scroll : handlers().change;
        if (handler)
            handler(this->index());
    });
    QObject::connect(bar_, &QScrollBar::sliderPressed, [this] { valueAtPress_ = bar_->value(); });
    QObject::connect(bar_, &QScrollBar::sliderReleased, [this] {
        if (bar_->value() != valueAtPress_ && handlers().change)
            handlers().change(this->index());
    });
}

ScrollBar::~ScrollBar() { delete bar_.data(); }

QWidget* ScrollBar::widget() const { return bar_; }

int ScrollBar::value() const { return bar_->value(); }

void ScrollBar::setValue(int value) { bar_->setValue(value); }

void ScrollBar::setRange(int minimum, int maximum) { bar_->setRange(minimum, maximum); }

void ScrollBar::setSteps(int smallChange, int largeChange) {
    bar_->setSingleStep(smallChange);
    bar_->setPageStep(largeChange);
}

Button::Button(Container* container, ControlSet& set, int index)
    : Control(Kind::Button, container, &set, index),
      button_(new QPushButton(container->widget())) {
    QObject::connect(button_, &QPushButton::clicked, [this] {
        if (handlers().click)
            handlers().click(this->index());
    });
}

Button::~Button() { delete button_.data(); }

QWidget* Button::widget() const { return button_; }

void Button::setCaption(const QString& caption) { button_->setText(caption); }

} // namespace controls

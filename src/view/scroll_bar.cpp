#include "view/scroll_bar.h"

#include "content/device_pixels.h"
#include "content/look.h"
#include "model/description.h"

#include <QPainter>

namespace view {

SectionScrollBar::SectionScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
    setFocusPolicy(Qt::StrongFocus);
    setRange(0, model::kSections - 1);
    setSingleStep(1);
    setPageStep(1);
}

void SectionScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    // As the toolkit's own focus frames do, it waits for the keyboard to move the focus in the
    // window: the focus the window starts with, here, is not shown until then.
    if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    QPainter painter(this);
    content::fillFrame(painter, rect(), content::look::kFocusFrameWidth,
                       content::look::kFocusFrame);
}

} // namespace view

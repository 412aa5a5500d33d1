#include "view/scroll_bar.h"

#include "model/description.h"

#include <QStyle>

namespace view {

SectionScrollBar::SectionScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
    setFocusPolicy(Qt::StrongFocus);
    setRange(0, model::kSections - 1);
    setSingleStep(1);
    setPageStep(1);
}

void SectionScrollBar::focusInEvent(QFocusEvent* event) {
    if (!focusLooksAlike())
        QScrollBar::focusInEvent(event);
}

void SectionScrollBar::focusOutEvent(QFocusEvent* event) {
    if (!focusLooksAlike())
        QScrollBar::focusOutEvent(event);
}

bool SectionScrollBar::focusLooksAlike() const {
    return style()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) == 0;
}

} // namespace view

#pragma once

#include <QScrollBar>

namespace view {

// The scroll bar that turns the sections, one step a section. Fusion draws a scroll bar alike
// with the focus and without, yet a scroll bar repaints itself whole whenever the focus comes or
// goes, at the cost of a dozen gradients: under Fusion that repaint is left out; under any other
// style, which may show the focus, it stays.
class SectionScrollBar : public QScrollBar {
public:
    explicit SectionScrollBar(QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool focusLooksAlike() const;
};

} // namespace view

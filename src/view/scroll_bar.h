#pragma once

#include <QScrollBar>

namespace view {

// The scroll bar that turns the sections, one step a section. Once the keyboard has moved the
// focus in the window, it frames itself while it has the focus, as the blanks do: some styles,
// Fusion among them, draw a scroll bar alike with the focus and without.
class SectionScrollBar : public QScrollBar {
public:
    explicit SectionScrollBar(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace view

#include "assistive/blank_stops.h"

#include "assistive/keyboard_placement.h"
#include "assistive/names.h"
#include "content/spoken.h"
#include "worksheet/worksheet.h"

#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>
#include <vector>

namespace assistive {

BlankStops::BlankStops(worksheet::Worksheet& ws) : ws_(ws) {
    for (int slot = 0; slot < model::kSlots; ++slot) {
        auto* stop =
            new controls::FocusStop(ws.ui.Pic(model::sectionOfBlank(slot)), blankRect(ws, slot));
        stop->setAccessibleDescription(content::spoken::kBlankKeys);
        stop->keyPressed = [this, slot](const QKeyEvent& event) { return keyPressed(slot, event); };
        stops_[slot] = stop;
    }
    chainFocus();
    for (int box = 0; box < model::kCoefficientBoxes; ++box) {
        if (model::box(box).termBlank == model::kNone)
            ws.ui.tCoefficient(box).setAccessibleName(boxName(ws, box));
    }
    // No slot holds this, so the first refresh names every blank.
    named_.fill(std::int16_t(model::kEmpty - 1));
    refresh();
}

void BlankStops::chainFocus() {
    std::vector<QWidget*> chain{ws_.ui.VScroll1.widget()};
    for (const auto& stop : stops_)
        chain.push_back(stop);
    std::vector<controls::TextBox*> boxes;
    for (int box = 0; box < model::kCoefficientBoxes; ++box)
        boxes.push_back(&ws_.ui.tCoefficient(box));
    std::sort(boxes.begin(), boxes.end(),
              [](const auto* a, const auto* b) { return a->tabIndex() < b->tabIndex(); });
    // Boxes whose widgets are not made yet join the chain when they are.
    for (const controls::TextBox* box : boxes) {
        if (QWidget* widget = box->widget())
            chain.push_back(widget);
    }
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void BlankStops::refresh() {
    for (int slot = 0; slot < model::kSlots; ++slot) {
        const std::int16_t placed = ws_.model.SlotTable[slot].Placed;
        if (placed == named_[slot])
            continue;
        named_[slot] = placed;
        if (stops_[slot])
            stops_[slot]->setName(blankName(ws_, slot));
        for (int box = 0; box < model::kCoefficientBoxes; ++box) {
            if (model::box(box).termBlank == slot)
                ws_.ui.tCoefficient(box).setAccessibleName(boxName(ws_, box));
        }
    }
}

bool BlankStops::keyPressed(int slot, const QKeyEvent& event) {
    // Shortcuts with Ctrl or Alt belong to the window, not to the blank.
    if (event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
        return false;
    switch (event.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Right:
    case Qt::Key_Down:
        cycleCompound(ws_, slot, 1);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
        cycleCompound(ws_, slot, -1);
        return true;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        removeCompound(ws_, slot);
        return true;
    case Qt::Key_PageUp:
        turnSection(-1);
        return true;
    case Qt::Key_PageDown:
        turnSection(1);
        return true;
    default:
        return false;
    }
}

// As the scroll bar would turn; the focus then goes to the first blank of the section shown.
void BlankStops::turnSection(int step) {
    QScrollBar* bar = ws_.ui.VScroll1.scrollBar();
    bar->triggerAction(step < 0 ? QAbstractSlider::SliderPageStepSub
                                : QAbstractSlider::SliderPageStepAdd);
    for (int slot = 0; slot < model::kSlots; ++slot) {
        if (stops_[slot] && ws_.ui.Pic(model::sectionOfBlank(slot)).isVisible()) {
            stops_[slot]->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace assistive

#include "layout/coefficient_boxes.h"

namespace layout {

namespace {

template <class Change> void eachBox(const content::MainControls& ui, int group, Change change) {
    if (const model::CoefficientGroup* boxes = model::groupOf(group)) {
        for (int box = boxes->firstBox; box < boxes->firstBox + boxes->boxCount; ++box)
            change(ui.tCoefficient(box));
    }
}

} // namespace

void showCoefficients(const content::MainControls& ui, int group) {
    eachBox(ui, group, [](controls::TextBox& box) { box.setVisible(true); });
}

void hideCoefficients(const content::MainControls& ui, int group) {
    eachBox(ui, group, [](controls::TextBox& box) {
        box.setText(QString());
        box.setVisible(false);
    });
}

void clearCoefficients(const content::MainControls& ui, int group) {
    eachBox(ui, group, [](controls::TextBox& box) { box.setText(QString()); });
}

} // namespace layout

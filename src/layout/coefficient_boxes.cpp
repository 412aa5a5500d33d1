#include "layout/coefficient_boxes.h"

#include "worksheet/worksheet.h"

namespace layout {

BoxRange coefficientGroupBoxes(int group) {
    switch (group) {
    case 0:
        return {0, 2};
    case 1:
    case 2:
        return {(group - 1) * 3 + 2, 3};
    case 8:
    case 9:
    case 10:
        return {(group - 8) * 4 + 8, 4};
    default:
        return {};
    }
}

void ShowCoefficients(worksheet::Worksheet& ws, std::int16_t g) {
    const BoxRange boxes = coefficientGroupBoxes(g);
    for (int box = boxes.first; box < boxes.first + boxes.count; ++box)
        ws.ui.tCoefficient(box).setVisible(true);
}

void HideCoefficients(worksheet::Worksheet& ws, std::int16_t g) {
    const BoxRange boxes = coefficientGroupBoxes(g);
    for (int box = boxes.first; box < boxes.first + boxes.count; ++box) {
        auto& text = ws.ui.tCoefficient(box);
        text.setText(QString());
        text.setVisible(false);
    }
}

} // namespace layout

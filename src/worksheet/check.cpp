#include "worksheet/check.h"

#include "layout/coefficient_boxes.h"
#include "layout/send_home.h"
#include "worksheet/worksheet.h"

namespace worksheet {

model::Marking check(Worksheet& ws) {
    model::BoxTexts texts;
    for (int box = 0; box < model::kCoefficientBoxes; ++box)
        texts[box] = ws.ui.tCoefficient(box).text();
    const model::Marking marking = model::mark(ws.model, texts);

    for (int slot : marking.emptied) {
        auto& placed = ws.model.SlotTable[slot].Placed;
        layout::sendHome(ws.ui, ws.model, placed);
        placed = model::kEmpty;
    }
    for (int group : marking.hidden)
        layout::hideCoefficients(ws.ui, group);
    for (int group : marking.cleared)
        layout::clearCoefficients(ws.ui, group);
    // A check never hides what an earlier one showed.
    for (int section = 0; section < model::kSections; ++section) {
        if (marking.fullMarks[section])
            ws.ui.Label1(section).setVisible(true);
    }
    ws.ui.LGrade.setCaption(QString::number(marking.grade) + QLatin1Char('%'));
    ws.ui.LGrade.setVisible(true);
    return marking;
}

} // namespace worksheet

#include "worksheet/startup.h"

#include "layout/coefficient_boxes.h"
#include "layout/sections.h"
#include "layout/send_home.h"
#include "worksheet/worksheet.h"

#include <algorithm>
#include <chrono>

namespace worksheet {

void createCopies(Worksheet& ws) {
    ws.model = model::answerKey();

    const auto sets = ws.ui.pictureSets();
    for (int k = model::kCompounds; k < model::kCopies; ++k) {
        const controls::Drawing* picture = ws.ui.ImgMolecular(model::compoundOf(k)).picture();
        for (controls::ControlSet* set : sets) {
            auto& image = static_cast<controls::Image&>(set->load(k));
            image.setPicture(picture);
            image.setVisible(true);
        }
    }

    // Where copies of a set overlap, the lower copy index lies on top, so each palette column
    // shows, and gives, the lowest copy of its compound first.
    for (controls::ControlSet* set : sets) {
        for (int k = model::kCopies - 1; k >= 0; --k)
            (*set)[k].bringToFront();
    }
}

void loadWorksheet(Worksheet& ws) {
    layout::sizeSections(ws.ui);
    layout::showSection(ws.ui, 0);
    createCopies(ws);
    restart(ws);
}

void restart(Worksheet& ws) {
    model::Model& model = ws.model;
    for (model::Slot& slot : model.SlotTable)
        slot.Placed = model::kEmpty;

    auto& columns = model.PaletteColumn.emplace();
    columns.fill(-1);
    ws.random.seed(
        std::uint32_t(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    // Each compound draws a column uniformly until it finds one not yet taken.
    std::uniform_int_distribution<int> column(0, model::kCompounds - 1);
    for (int c = 0; c < model::kCompounds; ++c) {
        std::int16_t r;
        do
            r = std::int16_t(column(ws.random));
        while (std::find(columns.begin(), columns.end(), r) != columns.end());
        columns[c] = r;
    }

    for (int k = 0; k < model::kCopies; ++k) {
        for (controls::Image* picture : ws.ui.picturesOf(k))
            picture->setVisible(false);
    }
    for (int k = 0; k < model::kCopies; ++k)
        layout::sendHome(ws.ui, model, k);
    for (int k = 0; k < model::kCopies; ++k) {
        for (controls::Image* picture : ws.ui.picturesOf(k))
            picture->setVisible(true);
    }

    ws.ui.LGrade.setVisible(false);
    for (int group = 0; group < model::kReactions; ++group)
        layout::hideCoefficients(ws.ui, group);
    for (int s = 0; s < model::kSections; ++s)
        ws.ui.Label1(s).setVisible(false);
}

} // namespace worksheet

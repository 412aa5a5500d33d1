#include "worksheet/startup.h"

#include "layout/coefficient_boxes.h"
#include "layout/return_pictures.h"
#include "layout/sections.h"
#include "worksheet/worksheet.h"

#include <algorithm>
#include <chrono>

namespace worksheet {

namespace {

constexpr std::array<std::int16_t, kSlots> kAnswers{1, 1, 1, 1, 0, 3, 1, 0, 2,
                                                     0, 3, 0, 1, 4, 2, 4, 3, 4};
constexpr std::array<std::int16_t, 5> kSectionPoints{25, 6, 3, 18, 48};
constexpr int kLastCoefficientGroup = 10;

std::array<controls::ControlSet*, 7> pictureSets(const Worksheet& ws) {
    auto& form = ws.ui.Form1;
    return {&form.set("ImgMolecular"),    &form.set("ImgMolecular00"),
            &ws.ui.sectionTwinSet(0),     &ws.ui.sectionTwinSet(1),
            &ws.ui.sectionTwinSet(2),     &ws.ui.sectionTwinSet(3),
            &ws.ui.sectionTwinSet(4)};
}

} // namespace

void InitWorksheet(Worksheet& ws) {
    Model& model = ws.model;
    model.SlotTable = {};
    model.SectionPoints = {};
    for (int s = 0; s < kSlots; ++s) {
        model.SlotTable[s].Points = s < 12 ? 3 : 4;
        model.SlotTable[s].Answer = kAnswers[s];
    }
    model.SectionPoints = kSectionPoints;

    const auto sets = pictureSets(ws);
    for (int k = 5; k < kCopies; ++k) {
        const controls::Drawing* picture = ws.ui.ImgMolecular(compoundOf(k)).picture();
        for (controls::ControlSet* set : sets) {
            auto& image = static_cast<controls::Image&>(set->load(k));
            image.setPicture(picture);
            image.setVisible(true);
        }
    }

    // Where copies of a set overlap, the lower copy index lies on top, so each palette column
    // shows, and gives, the lowest copy of its compound first.
    for (controls::ControlSet* set : sets) {
        for (int k = kCopies - 1; k >= 0; --k)
            (*set)[k].bringToFront();
    }
}

void Form_Load(Worksheet& ws) {
    layout::SizePics(ws);
    layout::PlacePictures(ws, 0);
    InitWorksheet(ws);
    mnuRestart_Click(ws);
}

void mnuRestart_Click(Worksheet& ws) {
    Model& model = ws.model;
    for (Slot& slot : model.SlotTable)
        slot.Placed = kEmpty;

    auto& columns = model.PaletteColumn.emplace();
    columns.fill(-1);
    ws.random.seed(
        std::uint32_t(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    // Each compound draws a column uniformly until it finds one not yet taken.
    std::uniform_int_distribution<int> column(0, 4);
    for (int c = 0; c < 5; ++c) {
        std::int16_t r;
        do
            r = std::int16_t(column(ws.random));
        while (std::find(columns.begin(), columns.end(), r) != columns.end());
        columns[c] = r;
    }

    for (int k = 0; k < kCopies; ++k) {
        for (controls::Image* picture : ws.ui.picturesOf(k))
            picture->setVisible(false);
    }
    for (int k = 0; k < kCopies; ++k)
        layout::ReturnPictures(ws, std::int16_t(k));
    for (int k = 0; k < kCopies; ++k) {
        for (controls::Image* picture : ws.ui.picturesOf(k))
            picture->setVisible(true);
    }

    ws.ui.LGrade.setVisible(false);
    for (int g = 0; g <= kLastCoefficientGroup; ++g)
        layout::HideCoefficients(ws, std::int16_t(g));
    for (int s = 0; s < content::kSections; ++s)
        ws.ui.Label1(s).setVisible(false);
}

} // namespace worksheet
